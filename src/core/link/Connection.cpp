#include "link/Connection.h"

#include <algorithm>

namespace qarvo::link {

namespace {

constexpr std::uint8_t kProgramFlags = flags::kFromProgram;

std::span<const std::uint8_t> payloadOf(const std::vector<std::uint8_t>& datagram)
{
    if (datagram.size() < kHeaderSize)
        return {};
    const std::size_t length = std::min<std::size_t>(readU16(datagram, offset::kPayloadLength),
                                                     datagram.size() - kHeaderSize);
    return {datagram.data() + kHeaderSize, length};
}

bool isReply(const std::vector<std::uint8_t>& datagram, std::uint8_t command)
{
    return datagram.size() >= kHeaderSize && datagram[offset::kKind] == kConnectionTraffic &&
           datagram[offset::kCommand] == command;
}

} // namespace

Connection::Connection(UDPSocket& socket, ConnectionSettings& settings, const KeyExchange& keys,
                       const Timing& timing, NoticeSink& sink, CommandStates& commands)
    : socket_(socket), settings_(settings), keys_(keys), timing_(timing), sink_(sink), commands_(commands)
{
}

std::vector<std::uint8_t> Connection::modelInfo() const
{
    std::lock_guard lock(infoMutex_);
    return modelInfo_;
}

std::vector<std::uint8_t> Connection::waitControlReply(Millis timeout)
{
    if (!socket_.controlReplyEvent.wait(timeout))
        return {};
    return socket_.controlReply();
}

int Connection::report(int result, CommunicatorNotice::Kind kind)
{
    sink_.post(CommunicatorNotice{kind, result, {}});
    sink_.post(RefreshNotice{});
    return result;
}

int Connection::open(ConnectionMode mode, bool forWorker)
{
    sink_.post(CommunicatorNotice{CommunicatorNotice::Kind::OpeningStarted, static_cast<long>(mode), {}});
    const int result = runOpening(mode, forWorker);
    if (result >= result::kNoCall && result <= result::kWrongPassword)
        socket_.sendControl(control::kClose, 0);
    open_ = result == result::kOpen;
    if (open_)
        commands_.communicatorOpened(forWorker);
    else if (!forWorker)
        commands_.communicatorClosed();
    return report(result, CommunicatorNotice::Kind::OpenResult);
}

bool Connection::sendHello(ConnectionMode mode)
{
    if (mode == ConnectionMode::Direct) {
        // There is no default peer: without an address nothing is sent.
        if (settings_.communicatorAddress == kNoAddress)
            return false;
        socket_.setPeer({settings_.communicatorAddress, settings_.communicatorPort});
        return socket_.sendControl(control::kDirectHello, 0);
    }
    // Callback server: account and own port, 16 bits each, little-endian.
    auto payload = socket_.controlHeader.payload();
    const auto ownPort = static_cast<std::uint16_t>(settings_.ownPort);
    payload[0] = static_cast<std::uint8_t>(settings_.account);
    payload[1] = static_cast<std::uint8_t>(settings_.account >> 8);
    payload[2] = static_cast<std::uint8_t>(ownPort);
    payload[3] = static_cast<std::uint8_t>(ownPort >> 8);
    return socket_.sendControlToHost(control::kCallMe, 4, settings_.callbackServer,
                                     static_cast<std::uint16_t>(settings_.callbackPort));
}

int Connection::runOpening(ConnectionMode mode, bool forWorker)
{
    Datagram& header = socket_.controlHeader;
    header.setKind(kConnectionTraffic);
    header.setFlags(kProgramFlags);
    header.setSourceNode(kProgramNode);
    header.setDestinationNode(0);
    header.setConnection(0);
    header.setSequence(0);
    socket_.setKey(std::nullopt);
    bootLoaderMode_ = false;
    cancel_ = false;
    commands_.set(Command::ConnectToCommunicator, false);
    commands_.set(Command::CommunicatorCallMe, false);
    commands_.set(Command::WaitForCall, false);
    sink_.post(RefreshNotice{});
    socket_.controlReplyEvent.reset();
    // A communicator may send its connection request right behind the hello
    // reply, so the request event is reset before the hello goes out, not
    // after its reply: only a request of an earlier opening is discarded.
    socket_.connectionRequestEvent.reset();

    Millis callWait = timing_.waitForCall;
    if (mode == ConnectionMode::WaitForCall) {
        waitingForCall_ = true;
    } else {
        callWait = mode == ConnectionMode::Direct ? timing_.directCallWait : timing_.callbackCallWait;
        if (!sendHello(mode))
            return result::kNoCall;
        const auto hello = waitControlReply(timing_.controlReply);
        if (!isReply(hello, control::kHelloAccepted))
            return result::kNoCall;
        const auto payload = payloadOf(hello);
        if (!payload.empty() && payload[0] == control::kBootLoaderMark)
            bootLoaderMode_ = true;
    }

    header.addFlags(flags::kHoldSequence2);
    const bool requested = socket_.connectionRequestEvent.wait(callWait);
    waitingForCall_ = false;
    if (cancel_)
        return result::kCancelled;
    if (!requested)
        return result::kNoRequest;

    const auto request = socket_.connectionRequest();
    if (request.size() < kHeaderSize || request[offset::kKind] != kConnectionTraffic)
        return result::kCommunicationError;
    header.setConnection(readU32(request, offset::kConnection));
    header.addFlags(flags::kConnecting);
    communicatorNode_ = request[offset::kSourceNode];
    header.setDestinationNode(communicatorNode_);

    switch (request[offset::kCommand]) {
    case control::kKeyExchange:
        if (const int r = exchangeKey(request); r != result::kOpen)
            return r;
        break;
    case control::kLogin:
        break;
    default:
        return result::kCommunicationError;
    }
    return login(forWorker);
}

int Connection::exchangeKey(const std::vector<std::uint8_t>& request)
{
    const auto theirs = payloadOf(request);
    if (theirs.size() < KeyExchange::kPublicSize)
        return result::kCommunicationError;
    KeyExchange::PublicValue peerPublic{};
    std::copy_n(theirs.begin(), KeyExchange::kPublicSize, peerPublic.begin());
    // A value that would make the key predictable ends the opening before
    // anything of ours goes out.
    if (!KeyExchange::isAcceptablePeerValue(peerPublic))
        return result::kCommunicationError;

    const auto& ours = keys_.publicValue();
    std::copy(ours.begin(), ours.end(), socket_.controlHeader.payload().begin());
    socket_.sendControl(control::kKeyExchange, KeyExchange::kPublicSize);
    socket_.setKey(Aes128(keys_.deriveKey(peerPublic)));

    if (!isReply(waitControlReply(timing_.controlReply), control::kLogin))
        return result::kCommunicationError;
    socket_.controlHeader.addFlags(flags::kEnciphered);
    return result::kOpen;
}

int Connection::login(bool forWorker)
{
    auto payload = socket_.controlHeader.payload();
    std::fill_n(payload.begin(), kPasswordLength, 0);
    const std::string& password = settings_.password;
    std::copy_n(password.begin(), std::min(password.size(), kPasswordLength), payload.begin());
    socket_.sendControl(control::kLogin, kPasswordLength);

    const auto reply = waitControlReply(timing_.controlReply);
    if (reply.size() < kHeaderSize || reply[offset::kKind] != kConnectionTraffic)
        return result::kCommunicationError;
    if (reply[offset::kCommand] != control::kLoginAccepted)
        return result::kWrongPassword;
    const auto description = payloadOf(reply);
    {
        std::lock_guard lock(infoMutex_);
        modelInfo_.assign(description.begin(), description.end());
    }
    sink_.post(CommunicatorNotice{CommunicatorNotice::Kind::ModelInfo, reply[offset::kBearer], modelInfo()});
    socket_.sendControl(control::kHelloAccepted, 0);
    socket_.controlHeader.clearFlags(flags::kConnecting | flags::kHoldSequence2);
    if (!forWorker)
        commands_.set(Command::ConnectToPanel, true);
    return result::kOpen;
}

void Connection::cancelWait()
{
    cancel_ = true;
    socket_.connectionRequestEvent.set();
}

int Connection::close(const std::function<void(Millis)>& waitWorkerStopped)
{
    if (socket_.panelLinkUp && waitWorkerStopped)
        waitWorkerStopped(timing_.closeWaitWorker);
    int result = result::kCloseFailed;
    {
        std::lock_guard lock(operationLock_);
        activityEvent.set();
        socket_.sendControl(control::kClose, 0);
        const auto reply = waitControlReply(timing_.controlReply);
        if (!reply.empty()) {
            activityEvent.set();
            if (reply[offset::kStart] == kStartByte &&
                (isReply(reply, control::kClose) || isReply(reply, control::kHelloAccepted)))
                result = result::kClosed;
        }
    }
    open_ = false;
    socket_.setKey(std::nullopt);
    commands_.communicatorClosed();
    return report(result, CommunicatorNotice::Kind::CloseResult);
}

} // namespace qarvo::link

#include "link/UDPSocket.h"

#include "link/Aes128.h"
#include "base/TextIds.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace qarvo::link {

namespace {

constexpr int kReaderPollMs = 50;

sockaddr_in toSockaddr(PeerAddress peer)
{
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(peer.port);
    sa.sin_addr.s_addr = htonl(peer.address);
    return sa;
}

} // namespace

std::string toDotted(std::uint32_t address)
{
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::optional<std::uint32_t> parseDotted(const std::string& text)
{
    in_addr a{};
    if (inet_pton(AF_INET, text.c_str(), &a) != 1)
        return std::nullopt;
    return ntohl(a.s_addr);
}

std::optional<std::uint32_t> resolveHost(const std::string& host)
{
    if (auto literal = parseDotted(host))
        return literal;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || !result)
        return std::nullopt;
    const auto* sa = reinterpret_cast<const sockaddr_in*>(result->ai_addr);
    const std::uint32_t address = ntohl(sa->sin_addr.s_addr);
    freeaddrinfo(result);
    return address;
}

UDPSocket::UDPSocket(NoticeSink& sink) : sink_(sink) {}

UDPSocket::~UDPSocket() { close(); }

bool UDPSocket::open(std::uint16_t ownPort, std::string* error)
{
    close();
    auto fail = [&](int code) {
        if (error)
            *error = std::strerror(code);
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        return false;
    };
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd_ < 0)
        return fail(errno);
    const int on = 1;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(ownPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
        return fail(errno);
    if (::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
        return fail(errno);
    setPeer({});
    reader_ = std::jthread([this](std::stop_token stop) { readLoop(stop); });
    return true;
}

void UDPSocket::close()
{
    if (reader_.joinable()) {
        reader_.request_stop();
        reader_.join();
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::uint16_t UDPSocket::localPort() const
{
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&sa), &len) != 0)
        return 0;
    return ntohs(sa.sin_port);
}

PeerAddress UDPSocket::peer() const
{
    std::lock_guard lock(mutex_);
    return peer_;
}

void UDPSocket::setPeer(PeerAddress peer)
{
    std::lock_guard lock(mutex_);
    peer_ = peer;
}

void UDPSocket::setKey(std::optional<Aes128> key)
{
    std::lock_guard lock(mutex_);
    key_ = key ? std::make_shared<const Aes128>(*key) : nullptr;
}

std::shared_ptr<const Aes128> UDPSocket::key() const
{
    std::lock_guard lock(mutex_);
    return key_;
}

bool UDPSocket::sendBytes(std::span<const std::uint8_t> bytes, PeerAddress to)
{
    // An unset peer (0.0.0.0) is no address to send to.
    if (fd_ < 0 || to.address == 0)
        return false;
    const sockaddr_in sa = toSockaddr(to);
    return ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) ==
           static_cast<ssize_t>(bytes.size());
}

bool UDPSocket::sendToPeer(std::span<const std::uint8_t> bytes) { return sendBytes(bytes, peer()); }

bool UDPSocket::sendToHost(std::span<const std::uint8_t> bytes, const std::string& host, std::uint16_t port)
{
    const auto address = resolveHost(host);
    return address && sendBytes(bytes, {*address, port});
}

bool UDPSocket::sendHeader(Datagram& header, std::size_t payloadLength, const PeerAddress* to)
{
    std::lock_guard lock(sendMutex_);
    const auto cipherKey = key();
    header.finalise(payloadLength);
    header.encipher(cipherKey.get());
    return to ? sendBytes(header.wire(), *to) : sendToPeer(header.wire());
}

bool UDPSocket::sendControl(std::uint8_t command, std::size_t payloadLength)
{
    const bool poll = command == kCommandLinkPoll;
    Datagram& header = poll ? pollHeader : controlHeader;
    (poll ? pollReplyEvent : controlReplyEvent).reset();
    header.setCommand(command);
    return sendHeader(header, payloadLength, nullptr);
}

bool UDPSocket::sendControlToHost(std::uint8_t command, std::size_t payloadLength, const std::string& host,
                                  std::uint16_t port)
{
    const auto address = resolveHost(host);
    if (!address)
        return false;
    controlReplyEvent.reset();
    controlHeader.setCommand(command);
    const PeerAddress to{*address, port};
    return sendHeader(controlHeader, payloadLength, &to);
}

bool UDPSocket::sendPanelMessage(std::span<const std::uint8_t> messageWithCheck)
{
    const std::size_t n = std::min(messageWithCheck.size(), kMaxPayload - 16);
    std::copy_n(messageWithCheck.begin(), n, panelHeader.payload().begin());
    return sendHeader(panelHeader, n, nullptr);
}

std::vector<std::uint8_t> UDPSocket::controlReply() const
{
    std::lock_guard lock(mutex_);
    return controlSlot_;
}

std::vector<std::uint8_t> UDPSocket::connectionRequest() const
{
    std::lock_guard lock(mutex_);
    return requestSlot_;
}

std::vector<std::uint8_t> UDPSocket::pollReply() const
{
    std::lock_guard lock(mutex_);
    return pollSlot_;
}

std::vector<std::vector<std::uint8_t>> UDPSocket::takePanelData()
{
    std::lock_guard lock(mutex_);
    std::vector<std::vector<std::uint8_t>> out(panelData_.begin(), panelData_.end());
    panelData_.clear();
    return out;
}

void UDPSocket::newPanelSession()
{
    std::lock_guard lock(mutex_);
    panelSequence_.reset();
}

void UDPSocket::readLoop(std::stop_token stop)
{
    std::vector<std::uint8_t> buffer(kReceiveBufferSize);
    while (!stop.stop_requested()) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, kReaderPollMs) <= 0 || !(pfd.revents & POLLIN))
            continue;
        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        buffer.resize(kReceiveBufferSize);
        const ssize_t n = ::recvfrom(fd_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from),
                                     &fromLen);
        if (n < 1)
            continue;
        buffer.resize(static_cast<std::size_t>(n));
        route(buffer, {ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)});
    }
}

// Routes one datagram. The sender becomes the peer only when the datagram
// passes the checks: a junk datagram from anywhere must not redirect the
// link, while a valid reply from a new address (the callback modes) is
// followed.
void UDPSocket::route(std::vector<std::uint8_t>& datagram, PeerAddress sender)
{
    if (datagram.empty() || datagram[offset::kStart] != kStartByte ||
        check(datagram, key().get()) != CheckResult::Valid) {
        ++datagramsDropped;
        return;
    }
    const std::uint8_t kind = datagram[offset::kKind];
    const std::uint8_t destination = datagram[offset::kDestinationNode];
    const std::uint8_t command = datagram[offset::kCommand];
    const bool connectionRequest = kind == kConnectionTraffic && destination == 0;
    const bool toProgram = destination == kProgramNode;

    if (connectionRequest || (toProgram && (kind == kConnectionTraffic || kind == kCommunicatorNotice)))
        setPeer(sender);

    if (connectionRequest) {
        if (panelLinkUp)
            return;
        {
            std::lock_guard lock(mutex_);
            requestSlot_ = datagram;
        }
        connectionRequestEvent.set();
        return;
    }
    if (kind == kConnectionTraffic && toProgram) {
        switch (command) {
        case kCommandPanelFirst:
        case kCommandPanel: {
            const std::size_t length = readU16(datagram, offset::kPayloadLength);
            {
                std::lock_guard lock(mutex_);
                if (!holdsSequence(datagram[offset::kFlags]) &&
                    !panelSequence_.accept(readU16(datagram, offset::kSequence))) {
                    ++datagramsDropped;
                    return;
                }
                panelData_.emplace_back(datagram.begin() + kHeaderSize, datagram.begin() + kHeaderSize + length);
            }
            panelDataEvent.set();
            return;
        }
        case kCommandLinkPoll: {
            std::lock_guard lock(mutex_);
            pollSlot_.assign(datagram.begin(), datagram.begin() + std::min(datagram.size(), kPollSlotSize));
        }
            pollReplyEvent.set();
            return;
        case kCommandClose:
            // The communicator closes the link: stop the worker, and let a
            // closing that waits for the communicator's answer see it too.
            workerStopEvent.set();
            [[fallthrough]];
        default: {
            std::lock_guard lock(mutex_);
            controlSlot_ = datagram;
        }
            controlReplyEvent.set();
            return;
        }
    }
    if (kind == kCommunicatorNotice && toProgram && command == kCommandPanelBusy) {
        sink_.post(MessageNotice{text_id::kPanelBusy, std::nullopt});
        workerStopEvent.set();
        return;
    }
    ++datagramsDropped;
}

} // namespace qarvo::link

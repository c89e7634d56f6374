#include "sim/SimCommunicator.h"

#include "communicator/FirmwareUpdate.h"
#include "communicator/LinkPoll.h"
#include "communicator/TaviModelInfo.h"
#include "communicator/TaviOptions.h"
#include "communicator/TaviTasks.h"
#include "link/Connection.h"
#include "link/Datagram.h"
#include "link/PanelMessage.h"
#include "link/UDPSocket.h"
#include "sim/SimPanelStatus.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>

namespace qarvo::sim {

using namespace link;

namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr std::uint8_t kCommunicatorFlags = 0x00;
constexpr std::uint8_t kRefused = 7;               // a wrong password, or a request it cannot carry out
constexpr std::uint8_t kServerNotReachedReport = 0x25; // any report but 32 and 36 after looking for the server
// The serving loop sleeps until a datagram arrives, one falls due, another
// thread queues one or the communicator stops; this only bounds the sleep.
constexpr int kServeIdleMs = 1000;

// The report that ends each outcome's download.
struct OutcomeEnd {
    FirmwareOutcome outcome;
    std::uint8_t command;
};
constexpr std::array kOutcomeEnds{
    OutcomeEnd{FirmwareOutcome::Downloaded, firmware_command::kComplete},
    OutcomeEnd{FirmwareOutcome::Broken, firmware_command::kBroken},
    OutcomeEnd{FirmwareOutcome::HardwareError, firmware_command::kHardwareError},
    OutcomeEnd{FirmwareOutcome::RemoteTimeout, firmware_command::kRemoteTimeout},
};

int bindLoopback(std::uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    sa.sin_addr.s_addr = htonl(kLoopback);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::uint16_t boundPort(int fd)
{
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
    return ntohs(sa.sin_port);
}

std::span<const std::uint8_t> payloadOf(const std::vector<std::uint8_t>& d)
{
    const std::size_t length = std::min<std::size_t>(readU16(d, offset::kPayloadLength), d.size() - kHeaderSize);
    return {d.data() + kHeaderSize, length};
}

} // namespace

std::vector<FirmwareReport> firmwareReports(const FirmwareConfig& config)
{
    namespace command = firmware_command;
    if (!config.script.empty())
        return config.script;
    std::vector<FirmwareReport> reports;
    if (config.outcome == FirmwareOutcome::Silent)
        return reports;
    reports.push_back({command::kAccepted, {}});
    if (config.outcome == FirmwareOutcome::UpToDate) {
        reports.push_back({command::kUpToDate, {}});
        return reports;
    }
    if (config.outcome == FirmwareOutcome::ServerNotReached) {
        reports.push_back({kServerNotReachedReport, {}});
        return reports;
    }
    reports.push_back({command::kNewerFirmware, config.newVersion});
    reports.push_back({command::kDownloadStarts, {}});
    for (std::size_t i = 0; i <= config.progress.size(); ++i) {
        if (i == config.restartAfter)
            reports.push_back({command::kRestarted, {}});
        if (i < config.progress.size())
            reports.push_back({command::kProgress,
                               {static_cast<std::uint8_t>(config.progress[i]),
                                static_cast<std::uint8_t>(config.progress[i] >> 8)}});
    }
    const auto end = std::find_if(kOutcomeEnds.begin(), kOutcomeEnds.end(),
                                  [&](const OutcomeEnd& e) { return e.outcome == config.outcome; });
    if (end != kOutcomeEnds.end())
        reports.push_back({end->command, {}});
    return reports;
}

std::vector<std::uint8_t> defaultModelInfo()
{
    TaviModelInfo info;
    info.modelCode = 5;
    info.hardwareMajor = 1;
    info.hardwareMinor = 2;
    info.software = {3, 2, 0, 1}; // 1.0.2.3
    info.account = 0x0001;
    info.port = 51069;
    info.password = {'5', '3', '0', '7'};
    info.id = 0x00C0FFEE;
    info.serialNumber = 123456;
    info.mac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    info.state = tavi_state::kInput1;
    info.rssi = 20;
    const auto bytes = info.encode();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> defaultOptionsRecord()
{
    const auto wire = TaviOptions::builtInDefaults().toWire();
    return {wire.begin(), wire.end()};
}

SimCommunicator::SimCommunicator(CommunicatorConfig config)
    : config_(std::move(config)),
      keys_(std::array<std::uint8_t, 16>{0x5A, 0x13, 0x77, 0x01, 0x9C, 0x42, 0xE8, 0x03, 0x61, 0x2B, 0xD4, 0x90,
                                         0x0F, 0x3E, 0x88, 0x55}),
      outFaults_(config_.toProgram, config_.seed),
      inFaults_(config_.fromProgram, config_.seed * 7919u + 1)
{
}

SimCommunicator::~SimCommunicator() { stop(); }

bool SimCommunicator::start(std::uint16_t port, std::uint16_t callbackPort)
{
    fd_ = bindLoopback(port);
    callbackFd_ = bindLoopback(callbackPort);
    if (fd_ < 0 || callbackFd_ < 0) {
        stop();
        return false;
    }
    port_ = boundPort(fd_);
    callbackPort_ = boundPort(callbackFd_);
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ < 0) {
        stop();
        return false;
    }
    thread_ = std::jthread([this](std::stop_token stop) { serve(stop); });
    return true;
}

void SimCommunicator::stop()
{
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    // Under the lock: another thread's send may still wake the loop.
    std::lock_guard lock(mutex_);
    for (int* fd : {&fd_, &callbackFd_, &wakeFd_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void SimCommunicator::setPanel(PanelPeer* panel)
{
    std::lock_guard lock(mutex_);
    panel_ = panel;
}

void SimCommunicator::setFaults(Faults toProgram, Faults fromProgram)
{
    std::lock_guard lock(mutex_);
    outFaults_.setFaults(toProgram);
    inFaults_.setFaults(fromProgram);
}

bool SimCommunicator::enciphered() const
{
    std::lock_guard lock(mutex_);
    return key_.has_value();
}

std::string SimCommunicator::lastPassword() const
{
    std::lock_guard lock(mutex_);
    return lastPassword_;
}

std::vector<std::uint8_t> SimCommunicator::lastCallbackPayload() const
{
    std::lock_guard lock(mutex_);
    return lastCallbackPayload_;
}

void SimCommunicator::configure(const std::function<void(CommunicatorConfig&)>& change)
{
    std::lock_guard lock(mutex_);
    change(config_);
}

std::vector<std::uint8_t> SimCommunicator::options() const
{
    std::lock_guard lock(mutex_);
    return config_.options;
}

std::vector<std::uint8_t> SimCommunicator::lastReceived(std::uint8_t command) const
{
    std::lock_guard lock(mutex_);
    const auto it = lastReceived_.find(command);
    return it == lastReceived_.end() ? std::vector<std::uint8_t>{} : it->second;
}

void SimCommunicator::send(std::uint8_t kind, std::uint8_t command, std::uint8_t destination,
                           std::span<const std::uint8_t> payload, bool encipher, int fd)
{
    std::lock_guard lock(mutex_);
    Datagram d;
    d.setKind(kind);
    d.setFlags(static_cast<std::uint8_t>(kCommunicatorFlags | (encipher && key_ ? flags::kEnciphered : 0) |
                                         (sessionOpen_ ? 0 : flags::kConnecting)));
    d.setConnection(config_.connectionNumber);
    d.setSequence(sequence_);
    d.setCommand(command);
    d.setSourceNode(config_.node);
    d.setDestinationNode(destination);
    std::copy(payload.begin(), payload.end(), d.payload().begin());
    d.finalise(payload.size(), config_.bearer);
    sequence_ = d.sequence();
    d.encipher(key_ ? &*key_ : nullptr);
    const std::vector<std::uint8_t> wire(d.wire().begin(), d.wire().end());
    if (tap_)
        tap_(wire);
    const auto now = std::chrono::steady_clock::now();
    for (auto& copy : outFaults_.apply(wire))
        outgoing_.push({now + outFaults_.nextDelay(), false, fd < 0 ? fd_ : fd, programAddress_, programPort_,
                        std::move(copy)});
    if (std::this_thread::get_id() != servingThread_)
        wake();
}

void SimCommunicator::wake()
{
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0)
        [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

std::optional<std::chrono::steady_clock::time_point> SimCommunicator::nextDue() const
{
    std::lock_guard lock(mutex_);
    std::optional<std::chrono::steady_clock::time_point> due;
    if (!outgoing_.empty())
        due = outgoing_.top().due;
    if (!pendingReports_.empty())
        due = due ? std::min(*due, nextReportDue_) : nextReportDue_;
    return due;
}

void SimCommunicator::sendDueReport()
{
    std::lock_guard lock(mutex_);
    if (pendingReports_.empty() || std::chrono::steady_clock::now() < nextReportDue_)
        return;
    const FirmwareReport report = std::move(pendingReports_.front());
    pendingReports_.pop_front();
    send(kConnectionTraffic, report.command, kProgramNode, report.payload, true);
    nextReportDue_ = std::chrono::steady_clock::now() + config_.firmware.spacing;
}

void SimCommunicator::flushDue()
{
    std::vector<Outgoing> due;
    {
        std::lock_guard lock(mutex_);
        const auto now = std::chrono::steady_clock::now();
        while (!outgoing_.empty() && outgoing_.top().due <= now) {
            due.push_back(outgoing_.top());
            outgoing_.pop();
        }
    }
    for (auto& item : due) {
        if (item.incoming) {
            handle(item.fd, item.bytes, item.address, item.port);
            continue;
        }
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(item.port);
        sa.sin_addr.s_addr = htonl(item.address);
        ::sendto(item.fd, item.bytes.data(), item.bytes.size(), 0, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    }
}

void SimCommunicator::serve(std::stop_token stop)
{
    servingThread_ = std::this_thread::get_id();
    const std::stop_callback wakeOnStop(stop, [this] { wake(); });
    while (!stop.stop_requested()) {
        pollfd fds[3] = {{fd_, POLLIN, 0}, {callbackFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        int timeout = kServeIdleMs;
        if (const auto due = nextDue()) {
            // Rounded up: a datagram due in a fraction of a millisecond
            // would otherwise make poll return at once, again and again.
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - std::chrono::steady_clock::now());
            timeout = static_cast<int>(std::clamp<long long>(wait.count(), 0, kServeIdleMs));
        }
        if (::poll(fds, 3, timeout) > 0) {
            for (const pollfd& p : std::span(fds, 2))
                if (p.revents & POLLIN)
                    receive(p.fd);
            if (fds[2].revents & POLLIN) {
                std::uint64_t count = 0;
                [[maybe_unused]] const auto read = ::read(wakeFd_, &count, sizeof count);
            }
        }
        sendDueReport();
        flushDue();
    }
}

void SimCommunicator::receive(int fd)
{
    std::vector<std::uint8_t> buffer(kReceiveBufferSize);
    sockaddr_in from{};
    socklen_t len = sizeof from;
    const ssize_t n = ::recvfrom(fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &len);
    if (n < 1)
        return;
    buffer.resize(static_cast<std::size_t>(n));
    std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    for (auto& copy : inFaults_.apply(buffer))
        outgoing_.push({now + inFaults_.nextDelay(), true, fd, ntohl(from.sin_addr.s_addr), ntohs(from.sin_port),
                        std::move(copy)});
}

void SimCommunicator::handle(int fd, std::vector<std::uint8_t>& datagram, std::uint32_t address,
                             std::uint16_t port)
{
    std::lock_guard lock(mutex_);
    if (datagram.empty() || datagram[0] != kStartByte ||
        check(datagram, key_ ? &*key_ : nullptr) != CheckResult::Valid) {
        ++counters.badDatagrams;
        return;
    }
    if (fd == callbackFd_) {
        handleCallback(datagram, address, port);
        return;
    }
    programAddress_ = address;
    programPort_ = port;
    const auto payload = payloadOf(datagram);
    const std::uint8_t command = datagram[offset::kCommand];
    lastReceived_[command] = datagram;
    if (sessionOpen_ && handleCommunicatorCommand(command, payload))
        return;
    switch (command) {
    case control::kDirectHello: {
        ++counters.hellos;
        if (!config_.answerHello)
            return;
        const std::vector<std::uint8_t> mark = config_.bootLoader ? std::vector<std::uint8_t>{control::kBootLoaderMark}
                                                                  : std::vector<std::uint8_t>{};
        sessionOpen_ = false;
        key_.reset();
        send(kConnectionTraffic, control::kHelloAccepted, kProgramNode, mark, false);
        if (config_.makeRequest)
            sendRequest();
        return;
    }
    case control::kKeyExchange: {
        if (payload.size() < KeyExchange::kPublicSize)
            return;
        KeyExchange::PublicValue theirs{};
        std::copy_n(payload.begin(), theirs.size(), theirs.begin());
        send(kConnectionTraffic, control::kLogin, kProgramNode, {}, false);
        key_.emplace(keys_.deriveKey(theirs));
        return;
    }
    case control::kLogin: {
        ++counters.logins;
        std::string password(payload.begin(), payload.end());
        password.erase(std::find(password.begin(), password.end(), '\0'), password.end());
        lastPassword_ = password;
        if (password == config_.password)
            send(kConnectionTraffic, control::kLoginAccepted, kProgramNode, config_.modelInfo, true);
        else
            send(kConnectionTraffic, kRefused, kProgramNode, {}, true);
        return;
    }
    case control::kHelloAccepted:
        sessionOpen_ = true;
        if (panel_)
            panel_->onSessionStart();
        return;
    case control::kClose:
        ++counters.closes;
        if (config_.answerClose)
            send(kConnectionTraffic, control::kClose, kProgramNode, {}, true);
        sessionOpen_ = false;
        key_.reset();
        return;
    case kCommandPanelFirst:
        // The worker's first packet: the program counts from the start again.
        ++counters.firstPanelPackets;
        panelSequence_.reset();
        [[fallthrough]];
    case kCommandPanel:
        // A copy the network repeated or held back would reach the panel
        // after later messages: a stale write would land in whatever page
        // is selected by then.
        if (!holdsSequence(datagram[offset::kFlags]) && !panelSequence_.accept(readU16(datagram, offset::kSequence))) {
            ++counters.staleDatagrams;
            return;
        }
        handlePanelData(payload);
        return;
    default:
        return;
    }
}

bool SimCommunicator::handleCommunicatorCommand(std::uint8_t command, std::span<const std::uint8_t> payload)
{
    switch (command) {
    case tavi_command::kReadOptions:
        ++counters.optionReads;
        if (config_.answerOptions)
            send(kConnectionTraffic, config_.readReplyCommand, kProgramNode, config_.options, true);
        return true;
    case tavi_command::kWriteOptions:
        if (payload.empty())
            return false; // a direct hello
        writeOptions(payload);
        return true;
    case tavi_command::kPgmToggle:
        togglePgm(payload);
        return true;
    case kCommandStatePoll: {
        ++counters.statePolls;
        const std::uint8_t state[] = {config_.state, config_.rssi};
        if (config_.answerPolls)
            send(kConnectionTraffic, kCommandStatePoll, kProgramNode, state, true);
        return true;
    }
    case firmware_command::kStartUpdate:
        startFirmwareUpdate();
        return true;
    case firmware_command::kAccepted:
        if (!restartPending_)
            return false; // the login is complete
        // The acknowledgement of the download: the communicator restarts.
        restartPending_ = false;
        ++counters.firmwareRestarts;
        sessionOpen_ = false;
        key_.reset();
        return true;
    default:
        return false;
    }
}

void SimCommunicator::writeOptions(std::span<const std::uint8_t> payload)
{
    ++counters.optionWrites;
    if (!config_.answerOptions)
        return;
    if (payload.size() != tavi::kOptionsSize) {
        send(kConnectionTraffic, kRefused, kProgramNode, {}, true);
        return;
    }
    config_.options.assign(payload.begin(), payload.end());
    send(kConnectionTraffic, config_.writeReplyCommand, kProgramNode, {}, true);
}

void SimCommunicator::togglePgm(std::span<const std::uint8_t> payload)
{
    ++counters.pgmToggles;
    if (!config_.answerOptions)
        return;
    if (payload.empty() || payload[0] >= tavi::kPgmCount) {
        send(kConnectionTraffic, kRefused, kProgramNode, {}, true);
        return;
    }
    const std::uint8_t pgm = payload[0];
    const auto bit = static_cast<std::uint8_t>(tavi_state::kPgm1 << pgm);
    config_.state ^= bit;
    const std::uint8_t reply[] = {pgm, static_cast<std::uint8_t>((config_.state & bit) ? 1 : 0)};
    send(kConnectionTraffic, tavi_command::kPgmToggle, kProgramNode, reply, true);
}

void SimCommunicator::startFirmwareUpdate()
{
    ++counters.firmwareRequests;
    const auto reports = firmwareReports(config_.firmware);
    pendingReports_.assign(reports.begin(), reports.end());
    nextReportDue_ = std::chrono::steady_clock::now() + config_.firmware.spacing;
    restartPending_ = !reports.empty() && reports.back().command == firmware_command::kComplete;
}

void SimCommunicator::handleCallback(const std::vector<std::uint8_t>& datagram, std::uint32_t address,
                                     std::uint16_t port)
{
    if (datagram[offset::kCommand] != control::kCallMe)
        return;
    ++counters.callbackRequests;
    const auto payload = payloadOf(datagram);
    lastCallbackPayload_.assign(payload.begin(), payload.end());
    programAddress_ = address;
    programPort_ = port;
    // The server answers from its own port; the communicator then calls
    // the program from the communicator's port.
    send(kConnectionTraffic, control::kHelloAccepted, kProgramNode, {}, false, callbackFd_);
    sessionOpen_ = false;
    key_.reset();
    if (config_.makeRequest)
        sendRequest();
}

void SimCommunicator::sendRequest()
{
    const auto& ours = config_.publicValue ? *config_.publicValue : keys_.publicValue();
    if (config_.encipher)
        send(kConnectionTraffic, control::kKeyExchange, 0, ours, false);
    else
        send(kConnectionTraffic, control::kLogin, 0, {}, false);
}

void SimCommunicator::callProgram(std::uint16_t programPort)
{
    std::lock_guard lock(mutex_);
    programAddress_ = kLoopback;
    programPort_ = programPort;
    sessionOpen_ = false;
    key_.reset();
    sendRequest();
}

void SimCommunicator::sendBusyNotice()
{
    send(kCommunicatorNotice, kCommandPanelBusy, kProgramNode, {}, false);
}

void SimCommunicator::sendClose()
{
    send(kConnectionTraffic, control::kClose, kProgramNode, {}, true);
}

void SimCommunicator::sendPanelMessages(const std::vector<Message>& messages)
{
    std::lock_guard lock(mutex_);
    // What the panel says with no program session open reaches no one: a
    // new program's opening must not hear what the panel meant for the last.
    if (sessionOpen_)
        relayPanelMessages(messages);
}

void SimCommunicator::relayPanelMessages(const std::vector<Message>& messages)
{
    for (const Message& m : messages) {
        std::vector<std::uint8_t> bytes = m;
        bytes.push_back(checkByte(m));
        if (!m.empty() && (m[0] == kZoneStatusCode || m[0] == kPgmStatusCode)) {
            bytes.push_back(config_.state);
            bytes.push_back(config_.rssi);
        }
        send(kConnectionTraffic, kCommandPanel, kProgramNode, bytes, true);
    }
}

void SimCommunicator::handlePanelData(std::span<const std::uint8_t> payload)
{
    if (payload.size() < 2 || !sumIsZero(payload))
        return;
    ++counters.panelMessages;
    if (!panel_)
        return;
    relayPanelMessages(panel_->onMessage(payload.first(payload.size() - 1)));
}

} // namespace qarvo::sim

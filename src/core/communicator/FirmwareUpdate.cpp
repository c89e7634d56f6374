#include "communicator/FirmwareUpdate.h"

#include "base/TextIds.h"
#include "link/Datagram.h"

#include <algorithm>
#include <array>

namespace qarvo {

namespace {

using Kind = CommunicatorNotice::Kind;
namespace command = firmware_command;

constexpr std::size_t kMaxIpv4LiteralLength = 15;
constexpr std::size_t kIpv4Dots = 3;
constexpr std::size_t kVersionSize = 4;
constexpr std::size_t kProgressSize = 2;
constexpr std::uint8_t kFlagBit4 = link::flags::kFromProgram;
// Appended to the revision's " boot" in the boot loader.
constexpr std::string_view kBootLoaderSuffix = " loader";

// What a report during the download does.
enum class Step { Progress, Restart, Complete, End };
struct DownloadReport {
    std::uint8_t command;
    Step step;
    int result; // for Step::End
};
constexpr std::array kDownloadReports{
    DownloadReport{command::kProgress, Step::Progress, 0},
    DownloadReport{command::kRestarted, Step::Restart, 0},
    DownloadReport{command::kComplete, Step::Complete, 0},
    DownloadReport{command::kBroken, Step::End, text_id::kUpdatingBrokenByRemote},
    DownloadReport{command::kHardwareError, Step::End, text_id::kHardwareError},
    DownloadReport{command::kRemoteTimeout, Step::End, text_id::kTimeout},
};

const DownloadReport* findReport(std::uint8_t cmd)
{
    const auto it = std::find_if(kDownloadReports.begin(), kDownloadReports.end(),
                                 [cmd](const DownloadReport& r) { return r.command == cmd; });
    return it == kDownloadReports.end() ? nullptr : &*it;
}

void post(NoticeSink& dialog, Kind kind, long value) { dialog.post(CommunicatorNotice{kind, value, {}}); }

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

bool looksLikeIpv4Literal(std::string_view text)
{
    return text.size() <= kMaxIpv4LiteralLength && std::none_of(text.begin(), text.end(), isAsciiLetter) &&
           static_cast<std::size_t>(std::count(text.begin(), text.end(), '.')) == kIpv4Dots;
}

std::vector<std::uint8_t> firmwareRequestPayload(std::uint32_t address, std::uint16_t port)
{
    return {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8),  static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(port),          static_cast<std::uint8_t>(port >> 8)};
}

std::string firmwareVersionText(std::uint32_t version) { return link::toDotted(version); }

std::string firmwareCurrentVersionText(const TaviModelInfo& info, bool bootLoaderMode)
{
    std::string text = info.softwareRevisionText(bootLoaderMode);
    if (bootLoaderMode)
        text += kBootLoaderSuffix;
    return text;
}

FirmwareUpdate::FirmwareUpdate(link::Link& link, operations::CommunicatorPoll& poll,
                               std::function<void()> downloaded, HostResolver resolver)
    : link_(link), poll_(poll), downloaded_(std::move(downloaded)), resolver_(std::move(resolver))
{
}

FirmwareUpdate::~FirmwareUpdate() { join(); }

void FirmwareUpdate::setResolver(HostResolver resolver)
{
    std::lock_guard lock(mutex_);
    resolver_ = std::move(resolver);
}

std::uint32_t FirmwareUpdate::resolvedAddress() const
{
    std::lock_guard lock(mutex_);
    return resolvedAddress_;
}

std::string FirmwareUpdate::resolvedHost() const
{
    std::lock_guard lock(mutex_);
    return resolvedHost_;
}

// A text that looks like a literal but is not a valid address counts as
// unresolvable rather than being read into arbitrary bytes.
bool FirmwareUpdate::resolve(const std::string& host)
{
    std::lock_guard lock(mutex_);
    if (host == resolvedHost_)
        return true;
    std::optional<std::uint32_t> address;
    if (looksLikeIpv4Literal(host))
        address = link::parseDotted(host);
    else
        address = resolver_ ? resolver_(host) : link::resolveHost(host);
    if (!address)
        return false;
    resolvedAddress_ = *address;
    resolvedHost_ = host;
    return true;
}

int FirmwareUpdate::begin(const std::string& host, std::uint16_t port)
{
    if (running_.exchange(true))
        return text_id::kFirmwareUpdateRunning;
    if (!resolve(host)) {
        running_ = false;
        return text_id::kUpdateServerUnknown;
    }
    link_.settings.updateServer = host;
    link_.settings.updatePort = port;
    return 0;
}

int FirmwareUpdate::run(const std::string& host, std::uint16_t port, NoticeSink& dialog)
{
    if (const int refusal = begin(host, port))
        return refusal;
    return runTask(port, dialog);
}

int FirmwareUpdate::start(const std::string& host, std::uint16_t port, NoticeSink& dialog)
{
    if (const int refusal = begin(host, port))
        return refusal;
    threads_.start([this, port, &dialog] { runTask(port, dialog); });
    return 0;
}

void FirmwareUpdate::join() { threads_.join(); }

int FirmwareUpdate::runTask(std::uint16_t port, NoticeSink& dialog)
{
    link::Datagram& header = link_.socket.controlHeader;
    {
        // The lock also covers the request's payload area, which the
        // option exchanges fill under the same lock.
        std::lock_guard lock(link_.connection.operationLock());
        poll_.suspend();
        post(dialog, Kind::FirmwareStage, text_id::kFirmwareUpdatingStarted);
        link_.socket.controlReplyEvent.reset();
        const auto payload = firmwareRequestPayload(resolvedAddress(), port);
        std::copy(payload.begin(), payload.end(), header.payload().begin());
        header.addFlags(kFlagBit4);
        link_.socket.sendControl(command::kStartUpdate, payload.size());
    }
    // Every control datagram while the update runs, the final
    // acknowledgement included, goes out with bit 4 clear.
    header.clearFlags(kFlagBit4);
    const int result = exchange(dialog);
    header.addFlags(kFlagBit4);
    if (result == kFirmwareDownloaded) {
        // The poll stays suspended: the connection is over.
        if (downloaded_)
            downloaded_();
        running_ = false;
    } else {
        poll_.resume();
        // Free before the final text goes out: whoever sees it may start again.
        running_ = false;
        post(dialog, Kind::FirmwareStage, result);
    }
    return result;
}

std::optional<ControlReply> FirmwareUpdate::nextReply(Millis timeout, bool resetFirst)
{
    if (resetFirst)
        link_.socket.controlReplyEvent.reset();
    return waitControlReply(link_.socket, timeout);
}

int FirmwareUpdate::exchange(NoticeSink& dialog)
{
    auto reply = nextReply(link_.timing.controlReply, false);
    if (!reply)
        return text_id::kTimeout;
    if (reply->command != command::kAccepted)
        return text_id::kCommunicationFailsUpdateStopped;

    post(dialog, Kind::FirmwareStage, text_id::kLookingForUpdateServer);
    // The reports follow each other closely: one that came while this
    // thread was still busy with the last is taken, not discarded.
    reply = nextReply(link_.timing.firmwareSearch, false);
    if (!reply)
        return text_id::kTimeout;
    if (reply->command == command::kUpToDate)
        return text_id::kFirmwareUpToDate;
    if (reply->command != command::kNewerFirmware)
        return text_id::kUpdateServerNotReached;

    post(dialog, Kind::FirmwareStage, text_id::kUpdateServerReached);
    if (reply->payload.size() == kVersionSize)
        post(dialog, Kind::FirmwareVersion, static_cast<long>(littleEndian(reply->payload)));
    if (!isReplyWith(nextReply(link_.timing.firmwareSearch, false), {command::kDownloadStarts}))
        return text_id::kCommunicationFailsUpdateStopped;
    return download(dialog);
}

int FirmwareUpdate::download(NoticeSink& dialog)
{
    for (;;) {
        post(dialog, Kind::FirmwareStage, text_id::kDownloading);
        post(dialog, Kind::FirmwareProgressText, 1);
        for (bool restarted = false; !restarted;) {
            const auto reply = nextReply(link_.timing.firmwareReport, false);
            if (!reply)
                return text_id::kTimeout;
            const DownloadReport* report = findReport(reply->command);
            if (!report)
                continue;
            switch (report->step) {
            case Step::Progress:
                // A report too short for a position moves nothing; a position
                // beyond the end shows the end.
                if (reply->payload.size() >= kProgressSize)
                    post(dialog, Kind::FirmwareProgress,
                         std::min<long>(littleEndian(std::span(reply->payload).first(kProgressSize)),
                                        kFirmwareProgressEnd));
                break;
            case Step::Restart:
                restarted = true;
                break;
            case Step::Complete:
                post(dialog, Kind::FirmwareProgress, kFirmwareProgressEnd);
                post(dialog, Kind::FirmwareStage, text_id::kDownloadedConnectionClosed);
                link_.socket.sendControl(command::kAccepted, 0);
                return kFirmwareDownloaded;
            case Step::End:
                return report->result;
            }
        }
    }
}

} // namespace qarvo

#pragma once
// The communicator's firmware update: the program gives the communicator the
// update server's IPv4 address and port, then follows the communicator's
// reports (looking for the server, server reached or firmware up to date,
// download progress) until the download completes and the communicator
// restarts, or the procedure ends with a failure text.
#include "base/NoticeSink.h"
#include "communicator/ControlReply.h"
#include "communicator/TaskThreads.h"
#include "communicator/TaviModelInfo.h"
#include "link/Link.h"
#include "operations/OperationWorker.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo {

// Control commands of the update, as the communicator sends them unless
// marked otherwise.
namespace firmware_command {
inline constexpr std::uint8_t kStartUpdate = 33;    // to the communicator: server address and port
inline constexpr std::uint8_t kAccepted = 1;        // looking for the server; also our final acknowledgement
inline constexpr std::uint8_t kNewerFirmware = 32;  // server reached; payload: the new version
inline constexpr std::uint8_t kUpToDate = 36;
inline constexpr std::uint8_t kDownloadStarts = 4;
inline constexpr std::uint8_t kProgress = 34;       // payload: position 0..100, 16 bits
inline constexpr std::uint8_t kComplete = 35;
inline constexpr std::uint8_t kRestarted = 46;
inline constexpr std::uint8_t kBroken = 47;
inline constexpr std::uint8_t kHardwareError = 8;
inline constexpr std::uint8_t kRemoteTimeout = 9;
} // namespace firmware_command

// The result of a successful update; any other result is a text id.
inline constexpr int kFirmwareDownloaded = 0;
inline constexpr long kFirmwareProgressEnd = 100;

// Resolves a host name to an IPv4 address (most significant byte first
// octet); nullopt when it cannot.
using HostResolver = std::function<std::optional<std::uint32_t>(const std::string&)>;

// An address text that is taken as an IPv4 literal rather than a host name:
// at most 15 characters, no letter, exactly three dots.
bool looksLikeIpv4Literal(std::string_view text);

// The request payload: the address first octet first, then the port,
// little-endian.
std::vector<std::uint8_t> firmwareRequestPayload(std::uint32_t address, std::uint16_t port);

// "%d.%d.%d.%d" of a version whose most significant part is the top byte.
std::string firmwareVersionText(std::uint32_t version);

// "Current:" of the update: the software revision of the accept reply; in
// the boot loader it ends in "bootloader".
std::string firmwareCurrentVersionText(const TaviModelInfo& info, bool bootLoaderMode);

class FirmwareUpdate {
public:
    // downloaded is called on the update's thread when the communicator has
    // the new firmware and restarts: the connection is over.
    FirmwareUpdate(link::Link& link, operations::CommunicatorPoll& poll, std::function<void()> downloaded,
                   HostResolver resolver = {});
    ~FirmwareUpdate();
    FirmwareUpdate(const FirmwareUpdate&) = delete;
    FirmwareUpdate& operator=(const FirmwareUpdate&) = delete;

    void setResolver(HostResolver resolver);

    // "Start" of the dialog: resolves the host (once per host text), makes
    // host and port the current update server, then runs the update on this
    // thread. Stages, progress and the new version go to dialog; the result
    // is kFirmwareDownloaded or the final text id. A host that cannot be
    // resolved is refused before anything is sent (text_id::
    // kUpdateServerUnknown): the communicator would otherwise be sent an
    // address that has nothing to do with the host named. While an update
    // runs, another is refused (text_id::kFirmwareUpdateRunning): both
    // would wait for their replies in the one control reply slot.
    int run(const std::string& host, std::uint16_t port, NoticeSink& dialog);
    // The same on a thread of its own; dialog must outlive it. Returns 0
    // when the update started, else the refusal's text id.
    int start(const std::string& host, std::uint16_t port, NoticeSink& dialog);
    // Waits for a started update to end.
    void join();
    bool running() const { return running_; }

    // The address last resolved and the text it came from (0.0.0.0 and
    // empty before the first start).
    std::uint32_t resolvedAddress() const;
    std::string resolvedHost() const;

private:
    // false when the host cannot be resolved.
    bool resolve(const std::string& host);
    // Resolves the host and claims the update; 0 or the refusal's text id.
    int begin(const std::string& host, std::uint16_t port);
    int runTask(std::uint16_t port, NoticeSink& dialog);
    int exchange(NoticeSink& dialog);
    int download(NoticeSink& dialog);
    std::optional<ControlReply> nextReply(Millis timeout, bool resetFirst);

    link::Link& link_;
    operations::CommunicatorPoll& poll_;
    std::function<void()> downloaded_;
    mutable std::mutex mutex_;
    HostResolver resolver_;
    std::uint32_t resolvedAddress_ = 0;
    std::string resolvedHost_;
    std::atomic<bool> running_{false};
    TaskThreads threads_; // last: a running update ends before the rest goes
};

} // namespace qarvo

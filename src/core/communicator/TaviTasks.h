#pragma once
// The communicator side of the options page: its copy of the options record
// and the reference copy, the exchanges with the communicator (read and
// write the record, toggle a PGM, disconnect), each under the communicator
// operation lock, the state poll while the connection is open, and the
// firmware update. Each exchange runs blocking on the caller's thread or on
// a short-lived thread of its own; results go to the link's notice sink.
#include "base/TextIds.h"
#include "base/Timing.h"
#include "communicator/FirmwareUpdate.h"
#include "communicator/LinkPoll.h"
#include "communicator/TaskThreads.h"
#include "communicator/TaviModelInfo.h"
#include "communicator/TaviOptions.h"
#include "link/Link.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace qarvo {

// Control commands of the option exchanges.
namespace tavi_command {
inline constexpr std::uint8_t kReadOptions = 2;
inline constexpr std::uint8_t kWriteOptions = 3;
inline constexpr std::uint8_t kWriteAccepted = 1; // also accepted: kWriteOptions
inline constexpr std::uint8_t kPgmToggle = 49;
} // namespace tavi_command

// A PGM toggle's outcome: the PGM the communicator names and its new state,
// or the text of the failure.
struct TaviPgmResult {
    int textId = 0; // 0: success
    std::uint8_t pgm = 0;
    std::uint8_t state = 0;
    bool ok() const { return textId == 0; }
};

class TaviTasks {
public:
    struct Hooks {
        // Whether a panel operation (the operation worker) is running, and
        // a wait for it to stop.
        std::function<bool()> panelOperationRunning;
        std::function<bool(Millis)> waitWorkerStopped;
        // The question before writing a record equal to the reference copy
        // (text text_id::kSettingsNotChanged); true means Yes. Without
        // a hook the answer is No.
        std::function<bool()> confirmUnchangedWrite;
        // How the page's disconnect closes the connection once the poll has
        // stopped; the panel session lets the worker end its panel link
        // first. Without a hook the worker is stopped and the connection
        // closed here. Returns 0 or the close's failure text.
        std::function<int()> closeConnection;
    };

    explicit TaviTasks(link::Link& link, Hooks hooks = {});
    ~TaviTasks();
    TaviTasks(const TaviTasks&) = delete;
    TaviTasks& operator=(const TaviTasks&) = delete;

    void setHooks(Hooks hooks);
    // Replaces only the question before an unchanged write.
    void setConfirmUnchangedWrite(std::function<bool()> confirm);

    // The page's record and the reference copy (what was last read from or
    // sent to the communicator).
    TaviOptions record() const;
    void setRecord(const TaviOptions& record);
    TaviOptions reference() const;
    void setReference(const TaviOptions& reference);

    // The accept reply's account and port go into the record and the
    // reference copy.
    void applyModelInfo(const TaviModelInfo& info);
    // The connection opened: the accept reply of the opening is applied and
    // the state poll starts.
    void connectionOpened();

    // Read options: the record changes only on success. Returns 6100, 6101
    // or 6104 and posts it with the record read.
    int readOptions();
    // Write options: asks the question when the record equals the reference
    // copy; nullopt when the answer is No (nothing sent, reference copy
    // unchanged). Otherwise returns 6102, 6103 or 6104 and posts it. Only a
    // write the communicator confirmed becomes the reference copy, so a
    // failed write is not taken for settings the communicator holds.
    std::optional<int> writeOptions();
    // Toggles PGM index 0 to 3; posts the result.
    TaviPgmResult togglePgm(std::uint8_t index);
    // "Abort communication" of the page: stops the poll, ends a wait for the
    // communicator's call (result 2) or closes the connection (0 or 58).
    int disconnect();

    // The same, each on a short-lived thread; the question of the write is
    // asked on the caller's thread first.
    void startReadOptions();
    void startWriteOptions();
    void startPgmToggle(std::uint8_t index);
    void startDisconnect();
    // Waits for the short-lived threads started so far.
    void joinTasks();

    LinkPoll& poll() { return poll_; }
    FirmwareUpdate& firmware() { return firmware_; }

private:
    // Three polls lost: the connection is treated as lost.
    void connectionLost();
    // The firmware was downloaded: the communicator restarts.
    void communicatorRestarts();
    void leaveOpenState();
    Hooks hooks() const;
    bool panelOperationRunning() const;
    // Signals a running worker to stop and waits for it.
    void stopWorker(Millis timeout);
    // The record to send once the question (if any) is answered Yes.
    std::optional<TaviOptions> recordToWrite();
    int sendRecord(const TaviOptions& sent);

    link::Link& link_;
    mutable std::mutex mutex_;
    Hooks hooks_;
    TaviOptions record_;
    TaviOptions reference_;
    LinkPoll poll_;
    FirmwareUpdate firmware_;
    TaskThreads tasks_; // last: the tasks end before the rest goes
};

} // namespace qarvo

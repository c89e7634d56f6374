#pragma once
// Reading the panel's event log, operation 7 of the operation worker. The
// reader asks the panel how many events it holds, reads the log header
// (the time of the newest event) and then every record, newest first,
// turning each into a dated line of the document's first log group.
// Optionally it has the panel mark the events as read.
//
// run() is called on the worker thread with every reply while operation 7
// is current. Each change to the document's first log group (the new group
// with its first lines, or one more line) is made whole under the
// document's lock; the sink hears of it afterwards (EventLogNotice,
// EventRecordNotice), on the worker thread.
#include "base/NoticeSink.h"
#include "eventlog/EventCodeTables.h"
#include "eventlog/LogClock.h"
#include "operations/OperationCodes.h"
#include "panel/CUploadDoc.h"

#include <QDateTime>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace qarvo::operations {
class OperationWorker;
}

namespace qarvo::eventlog {

// The event log page's two check boxes, read when the reading needs them.
struct EventLogOptions {
    bool markAsRead = false; // "Mark events as read after uploading"
    bool allEvents = false;  // "Read the entire log including events marked as read"
};

// The reader's steps. Each is also the second byte of its request (D3 nn)
// and of the reply that answers it (D6 nn, the header D7 02).
namespace event_step {
inline constexpr std::uint8_t kCountUnread = 1;
inline constexpr std::uint8_t kReadHeader = 2;
inline constexpr std::uint8_t kCountAll = 5;
inline constexpr std::uint8_t kRecord = 8;
inline constexpr std::uint8_t kRecordAlternate = 12;
inline constexpr std::uint8_t kMarkAsRead = 16;
} // namespace event_step

// The panel keeps more, but only the newest 800 events are read.
inline constexpr int kMaxEventsRead = 800;

// The record the panel logs when it marks its events as read: a note about
// the log rather than an event of the alarm system.
bool isMarkedAsReadRecord(std::uint8_t code, std::uint16_t word);

// Whether the notice says that a reading of the event log finished.
bool endsReading(const Notice& notice);

class EventLogReader final : public operations::OperationStep {
public:
    // What the reader needs of the worker.
    struct Worker {
        std::function<int()> currentCode;
        std::function<void()> enterIdle;
    };
    static Worker workerOf(operations::OperationWorker& worker);

    EventLogReader(Worker worker, panel::CUploadDoc& doc, NoticeSink& sink);

    // Set by the front-end before it starts operation 7.
    void setOptions(const EventLogOptions& options);
    EventLogOptions options() const;
    // Asked on the worker thread once every record is read and before the
    // log is marked as read: a front-end saves the lines here, and false
    // (nothing saved) leaves the panel's log unmarked. A gate rather than a
    // notice: the reading waits for its answer, which decides what the panel
    // is told. None: the log is marked. Set before operation 7 starts.
    void setBeforeMark(std::function<bool()> beforeMark) { beforeMark_ = std::move(beforeMark); }
    // The computer's local clock, which dates the log group (replaceable for
    // tests; an invalid time stands for a clock that cannot be read).
    void setLocalClock(std::function<QDateTime()> now) { now_ = std::move(now); }

    void run(operations::StepIo& io) override;

    // Break: breakWorker takes the worker out of the reading (false when it
    // was not reading); a reading cut part-way ends its log with the note
    // "Reading interrupted". Runs between two steps, never during one.
    bool breakReading(const std::function<bool()>& breakWorker);

    int eventCount() const { return eventCount_; }
    int eventIndex() const { return eventIndex_; }

    // "LOG <panel id> <Month> dd, yyyy hh:mm:ss"; "Old log" for the month
    // when the time is invalid.
    static QString groupName(const QString& panelIdCode, const QDateTime& now);
    // "Event log read on <Ddd>, <Mon>/dd/yyyy, hh:mm:ss".
    static QString readOnLine(const QDateTime& now);
    // "        nnn <decoded line>".
    static QString eventLine(int number, const QString& decoded);

private:
    enum class Outcome { Next, Finished };

    Outcome start(operations::StepIo& io);
    Outcome countRead(operations::StepIo& io);
    Outcome headerRead(operations::StepIo& io);
    Outcome recordRead(operations::StepIo& io);
    Outcome marked(operations::StepIo& io);
    Outcome request(operations::StepIo& io, std::uint8_t step);
    Outcome finish(operations::StepIo& io, int closingLineId);

    bool isReply(const CCommBuff& reply, std::uint8_t code, std::uint8_t step) const;
    bool onlyMarkedAsRead(std::uint8_t code, std::uint16_t word) const;
    void startGroup();
    panel::EventLog& currentGroup();
    void insertLine(const QString& line);
    // A reading that stopped part-way says so at the end of its lines, once.
    void noteInterruption();
    // Tells the sink how the reading changed the first log group.
    void tell(EventLogNotice::Kind kind, long value = 0, std::string line = {});
    void showStatus(int textId);
    void showProgress();
    int percentRead() const;
    QString panelIdCode() const;

    Worker worker_;
    panel::CUploadDoc& doc_;
    NoticeSink& sink_;
    std::function<bool()> beforeMark_;
    std::function<QDateTime()> now_;
    std::atomic<bool> markAsRead_{false};
    std::atomic<bool> allEvents_{false};

    std::mutex stepLock_; // a break waits for the step that runs

    // Worker-thread state.
    std::atomic<int> eventCount_{0};
    std::atomic<int> eventIndex_{0};
    int lineCounter_ = 0;
    int shownPercent_ = -1;
    PanelCounts counts_;
    LogClock clock_;
};

} // namespace qarvo::eventlog

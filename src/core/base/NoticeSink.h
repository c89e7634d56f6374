#pragma once
// How core talks to a front-end: typed notices posted to a sink. The GUI
// queues them onto its main thread, the CLI prints them, tests record them.
#include "base/FormError.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace qarvo {

// A message box with a string-table text; when number is set the text is a
// format with one number in it.
struct MessageNotice {
    int textId = 0;
    std::optional<long> number;
};

// Kinds of operation reports that the worker itself posts; the status kinds
// are listed with the status decoding.
namespace report_kind {
inline constexpr int kWorkerEnded = 4;
inline constexpr int kOperationStarting = 5;
inline constexpr int kPanelIdentified = 13;
} // namespace report_kind

// An operation report: kind 1..14, with a byte block or a plain value.
struct ReportNotice {
    int kind = 0;
    std::vector<std::uint8_t> bytes;
    long value = 0;
};

// The progress display: sub-code 0 show with the caption textId, 1 prepare
// (value 1 = writing), 2 step with per cent in value, 3 close, 4 show with
// the caption textId formatted with number (none: the text as it is).
struct ProgressNotice {
    int subCode = 0;
    long value = 0;
    int textId = 0;
    std::optional<long> number;
};

struct ImageChangedNotice {};
struct RefreshNotice {};

// Status bar panes.
enum class Pane : int { Connection = 4, Panel = 5 };

struct StatusNotice {
    StatusNotice() = default;
    StatusNotice(Pane pane, int textId, std::optional<long> number = std::nullopt)
        : pane(pane), textId(textId), number(number)
    {
    }
    Pane pane = Pane::Connection;
    int textId = 0;
    std::optional<long> number; // the number a format text takes (a per cent)
};

// What the communicator side reports to its page: opening started, the
// opening result (1, 2, 54..57), closing started, the closing result (0, 58,
// or 6104 when the state poll lost the connection), the model information
// of the accept reply (value: the bearer byte of its header), the state bytes of a status message, and
// the results of the option exchanges and the firmware update.
// LinkState: bytes {state, RSSI}. OptionsResult (read): value the text id,
// bytes the record read (in-memory form) on success. OptionsWriteResult:
// value the text id. PgmResult: value the text id of a failure, or 0 with
// bytes {PGM index, new state}. Firmware*: value the stage text id, the
// progress position, the new version (most significant part first as a
// number), or 1 to draw the progress text.
struct CommunicatorNotice {
    enum class Kind {
        OpeningStarted,
        OpenResult,
        ClosingStarted,
        CloseResult,
        ModelInfo,
        LinkState,
        OptionsResult,
        OptionsWriteResult,
        PgmResult,
        FirmwareStage,
        FirmwareProgress,
        FirmwareVersion,
        FirmwareProgressText,
    };
    Kind kind = Kind::OpenResult;
    long value = 0;
    std::vector<std::uint8_t> bytes;
};

// What a panel job is doing, as a front-end that shows its course line by
// line says it: binding, connecting (or waiting on UDP port value for the
// communicator's call), an opening that failed with the text id value, the
// link up, another attempt (value of count), a wait given up after value
// milliseconds (text: what did not happen), disconnecting and how it ended.
struct JobNotice {
    enum class Kind {
        SocketFailed,
        Connecting,
        WaitingForCall,
        OpenFailed,
        Connected,
        Retrying,
        TimedOut,
        Disconnecting,
        Disconnected,
        DisconnectFailed,
    };
    Kind kind = Kind::Connecting;
    long value = 0;
    long count = 0;
    std::string text;
};

// A page operation the programming forms stopped before it started: the
// refused value, for its message and for the focus on its control.
struct FormRefusedNotice {
    FormError error;
};

// How the backup before a page write went, posted on the worker thread
// before the write goes on: the file kept, or why none could be, or that
// the panel already held what the write would send.
struct BackupNotice {
    std::filesystem::path file;
    std::string failure; // empty when the file was kept or the panel was up to date
    // The panel already held every byte of the page: nothing was kept and
    // nothing is written.
    bool upToDate = false;
    bool kept() const { return failure.empty() && !upToDate; }
};

// One record of the panel's event log as the reading decoded it: its
// number in the log (1 the oldest read), its three bytes, the time the log
// clock gave it and its line. Posted on the worker thread after its line
// went into the document, for each record that makes a line.
struct EventRecordNotice {
    int number = 0;
    std::uint8_t code = 0;
    std::uint16_t word = 0;
    int year = 0;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    std::string line;
};

// How the reading of the event log changed the document's first log group,
// posted on the worker thread once the change is made whole: the group
// was made or renamed, a line went in at position value, the per cent read
// changed to value, the reading finished and handed the worker back to idle.
struct EventLogNotice {
    enum class Kind { GroupStarted, LineInserted, Progress, Ended };
    Kind kind = Kind::Ended;
    long value = 0;
    std::string line; // LineInserted
};

using Notice = std::variant<MessageNotice, ReportNotice, ProgressNotice, ImageChangedNotice, RefreshNotice,
                            StatusNotice, CommunicatorNotice, JobNotice, FormRefusedNotice, BackupNotice,
                            EventLogNotice, EventRecordNotice>;

class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    // Called from any thread; must not block for long.
    virtual void post(const Notice& notice) = 0;
};

// A sink that drops everything (for parts run without a front-end).
class NullSink final : public NoticeSink {
public:
    void post(const Notice&) override {}
};

} // namespace qarvo

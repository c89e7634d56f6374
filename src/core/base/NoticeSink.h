#pragma once
// How core talks to a front-end: typed notices posted to a sink. The GUI
// queues them onto its main thread, the CLI prints them, tests record them.
#include <cstdint>
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

// Kinds of operation reports to the pages.
enum class ReportKind : int {
    Status1 = 1,
    Status3 = 3,
    WorkerEnded = 4,
    OperationStarting = 5,
    PanelIdentified = 13,
};

// An operation report: kind 1..14, with a byte block or a plain value.
struct ReportNotice {
    int kind = 0;
    std::vector<std::uint8_t> bytes;
    long value = 0;
};

// The progress display: sub-code 0 show with caption id, 1 prepare (value 1 =
// writing), 2 step with per cent, 3 close, 4 show with a caption text.
struct ProgressNotice {
    int subCode = 0;
    long value = 0;
    std::string caption;
};

struct ImageChangedNotice {};
struct RefreshNotice {};

// Status bar panes.
enum class Pane : int { Connection = 4, Panel = 5 };

struct StatusNotice {
    Pane pane = Pane::Connection;
    int textId = 0;
};

// What the communicator side reports to its page: opening started, the
// opening result (1, 2, 54..57), the closing result (0, 58), the model
// information of the accept reply, the state bytes of a status message, and
// the results of the option exchanges and the firmware update.
struct CommunicatorNotice {
    enum class Kind {
        OpeningStarted,
        OpenResult,
        CloseResult,
        ModelInfo,
        LinkState,
        OptionsResult,
        PgmResult,
        FirmwareStage,
        FirmwareProgress,
        FirmwareVersion,
    };
    Kind kind = Kind::OpenResult;
    long value = 0;
    std::vector<std::uint8_t> bytes;
};

using Notice = std::variant<MessageNotice, ReportNotice, ProgressNotice, ImageChangedNotice,
                            RefreshNotice, StatusNotice, CommunicatorNotice>;

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

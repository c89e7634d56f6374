#include "cli/EventLogCommands.h"

#include "app/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/CliSink.h"
#include "eventlog/TextExport.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <variant>

namespace qarvo::cli {

namespace {

constexpr std::string_view kAll = "--all";
constexpr std::string_view kMarkRead = "--mark-read";
constexpr std::string_view kTxt = "--txt";
constexpr std::string_view kDoc = "--doc";
constexpr auto kPollInterval = std::chrono::milliseconds(20);

struct ReadEventsArguments {
    eventlog::EventLogOptions options;
    std::optional<std::filesystem::path> txt;
    std::optional<std::filesystem::path> doc;
};

// "--name value" or "--name=value".
bool takePath(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
              std::optional<std::filesystem::path>& into, std::string& error)
{
    const std::string& arg = args[i];
    std::string value;
    if (arg == name) {
        if (i + 1 >= args.size()) {
            error = "option '" + std::string(name) + "' needs a file name";
            return true;
        }
        value = args[++i];
    } else if (arg.starts_with(std::string(name) + "=")) {
        value = arg.substr(name.size() + 1);
    } else {
        return false;
    }
    if (value.empty())
        error = "option '" + std::string(name) + "' needs a file name";
    into = value;
    return true;
}

std::optional<ReadEventsArguments> parseArguments(Session& session)
{
    const auto& args = session.commandLine.arguments;
    ReadEventsArguments parsed;
    std::string error;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        if (args[i] == kAll)
            parsed.options.allEvents = true;
        else if (args[i] == kMarkRead)
            parsed.options.markAsRead = true;
        else if (!takePath(args, i, kTxt, parsed.txt, error) && !takePath(args, i, kDoc, parsed.doc, error))
            error = "command 'read-events' does not take '" + args[i] + "'";
    }
    if (!error.empty()) {
        usageError(session.env.err, error);
        return std::nullopt;
    }
    return parsed;
}

// The reading's notices for the terminal. The per cent of the reading is
// printed by the reader's progress hook, which has the number the status
// notice lacks; the hint to disconnect the communicator is left out, since
// the command closes the connection itself right after the link.
class ReadingSink final : public NoticeSink {
public:
    explicit ReadingSink(CliSink& out) : out_(out) {}

    void post(const Notice& notice) override
    {
        if (const auto* status = std::get_if<StatusNotice>(&notice);
            status && status->textId == text_id::kReadEventLogPercent)
            return;
        if (const auto* message = std::get_if<MessageNotice>(&notice);
            message && message->textId == text_id::kTaviStillConnected)
            return;
        out_.post(notice);
    }

    void progress(int percent) { out_.printLine(strings::format(text_id::kReadEventLogPercent, percent).toStdString()); }

private:
    CliSink& out_;
};

// The panel link of one command: the panel session on the command's
// settings. The communicator connection is opened here; the worker then
// identifies the panel and runs the operation. The command ends as a user
// would: the panel link with its end-of-link request, then the close.
class PanelRun {
public:
    explicit PanelRun(Session& session)
        : session_(session), sink_(session.env.err), filter_(sink_), panel_(filter_, session.settings, session.env.timing)
    {
        panel_.worker.setConnectionMode(session.commandLine.options.mode);
    }
    ~PanelRun() { finish(); }
    PanelRun(const PanelRun&) = delete;
    PanelRun& operator=(const PanelRun&) = delete;

    app::PanelSession& panel() { return panel_; }
    CliSink& sink() { return sink_; }
    ReadingSink& filter() { return filter_; }

    bool open()
    {
        std::string error;
        if (!panel_.start(&error)) {
            sink_.printLine(strings::utf8(text_id::kSocketCannotBeInitialized) + (error.empty() ? "" : ": " + error));
            return false;
        }
        const link::ConnectionMode mode = session_.commandLine.options.mode;
        if (mode == link::ConnectionMode::WaitForCall) {
            sink_.printLine("Waiting for the communicator's call on UDP port " +
                            std::to_string(panel_.link.socket.localPort()) + "...");
            if (session_.demo)
                session_.demo->callProgramLater(panel_.link.socket.localPort());
        } else {
            sink_.printLine(strings::utf8(text_id::kConnecting));
        }
        const int result = panel_.link.connection.open(mode, false);
        if (result != link::result::kOpen) {
            if (result >= link::result::kNoCall && result <= link::result::kWrongPassword)
                sink_.printLine(strings::utf8(result));
            return false;
        }
        return true;
    }

    // Waits until the reading has ended; false when the worker ended first,
    // or when the reading made no progress for twice the worker's reply
    // time (a panel that keeps answering wrongly), which drops it.
    bool waitForReading(const std::atomic<bool>& ended)
    {
        const eventlog::EventLogReader& reader = panel_.eventLogReader();
        const Millis patience = 2 * session_.env.timing.workerReply;
        auto progress = std::pair{reader.eventCount(), reader.eventIndex()};
        auto deadline = std::chrono::steady_clock::now() + patience;
        while (!ended) {
            if (!panel_.worker.running())
                return ended;
            const auto now = std::pair{reader.eventCount(), reader.eventIndex()};
            if (now != progress) {
                progress = now;
                deadline = std::chrono::steady_clock::now() + patience;
            } else if (std::chrono::steady_clock::now() > deadline) {
                panel_.worker.cancelOperation();
                sink_.printLine("The panel did not complete the reading.");
                return false;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
        return true;
    }

    // Ends the panel link and closes the connection; false when the close failed.
    bool finish()
    {
        operations::OperationWorker& worker = panel_.worker;
        if (worker.running()) {
            worker.abort();
            if (!worker.waitStopped(session_.env.timing.workerReply))
                worker.abort(true);
        }
        if (!panel_.link.connection.isOpen())
            return true;
        sink_.printLine(strings::utf8(text_id::kDisconnecting));
        if (panel_.link.connection.close() != link::result::kClosed) {
            sink_.printLine(strings::utf8(text_id::kErrorWhileDisconnecting));
            return false;
        }
        sink_.printLine(strings::utf8(text_id::kDisconnected));
        return true;
    }

private:
    Session& session_;
    CliSink sink_;
    ReadingSink filter_;
    app::PanelSession panel_;
};

// The lines a reading added: the whole new group, or the note added to the
// group that was there.
struct ReadLines {
    std::atomic<bool> ended{false};
    std::atomic<bool> groupStarted{false};
    std::mutex mutex;
    std::vector<std::string> inserted;
};

std::vector<std::string> linesToShow(ReadLines& read, const panel::CUploadDoc& doc)
{
    if (read.groupStarted && !doc.logs().empty())
        return doc.logs().front().lines;
    std::lock_guard lock(read.mutex);
    return read.inserted;
}

bool writeExport(CliSink& sink, const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list.push_back(QString::fromStdString(line));
    if (eventlog::writeTextExport(QString::fromStdString(path.string()), list))
        return true;
    sink.printLine(path.string() + ": the text export could not be written");
    return false;
}

} // namespace

std::vector<sim::EventRecord> demoEvents()
{
    // The event class in the high four bits of the word, below it the
    // minutes since the event recorded before.
    return {
        {0, 0x2000 | 30},  // AC power loss
        {5, 0x2000 | 45},  // AC power restores
        {0, 0x8000 | 120}, // partition A armed with the installer's maintenance code
        {96, 0x1000 | 17}, // burglary alarm on zone 1
        {93, 0x8000 | 3},  // partition A disarmed by the master user
        {12, 0x2000 | 1},  // PC connected to panel
    };
}

int runReadEvents(Session& session)
{
    const auto args = parseArguments(session);
    if (!args)
        return kExitUsage;

    ReadLines read; // before the run: the reader's hooks write here until the worker has ended
    PanelRun run(session);
    panel::CUploadDoc& doc = run.panel().doc;
    if (args->doc && std::filesystem::exists(*args->doc)) {
        if (const std::string error = doc.open(*args->doc); !error.empty()) {
            run.sink().printLine(error);
            return kExitFailure;
        }
    }
    eventlog::EventLogReader& reader = run.panel().eventLogReader();
    reader.setOptions(args->options);
    reader.setListener({[&] { read.groupStarted = true; },
                        [&](int, const std::string& line) {
                            std::lock_guard lock(read.mutex);
                            read.inserted.push_back(line);
                        },
                        [&](int percent) { run.filter().progress(percent); },
                        [&] { read.ended = true; }});

    if (!run.open())
        return kExitFailure;
    run.panel().worker.startPageOperation(operations::kReadEventLog);
    const bool ended = run.waitForReading(read.ended);
    const bool closed = run.finish();
    if (!ended)
        return kExitFailure;

    const std::vector<std::string> lines = linesToShow(read, doc);
    for (const std::string& line : lines)
        session.env.out << line << '\n';
    session.env.out.flush();

    bool good = closed;
    if (args->txt)
        good = writeExport(run.sink(), *args->txt, lines) && good;
    if (args->doc) {
        if (const std::string error = doc.save(*args->doc); !error.empty()) {
            run.sink().printLine(error);
            good = false;
        }
    }
    return good ? kExitSuccess : kExitFailure;
}

} // namespace qarvo::cli

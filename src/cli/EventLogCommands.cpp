#include "cli/EventLogCommands.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/CliSink.h"
#include "cli/PanelRun.h"
#include "cli/EventRecords.h"
#include "cli/JsonOutput.h"
#include "cli/SiteRun.h"
#include "base/AtomicFile.h"
#include "eventlog/TextExport.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>
#include <variant>

#include <unistd.h>

namespace qarvo::cli {

namespace {

constexpr std::string_view kAll = "--all";
constexpr std::string_view kMarkRead = "--mark-read";
constexpr std::string_view kTxt = "--txt";
constexpr std::string_view kDoc = "--doc";
constexpr std::string_view kReplace = "--replace";
constexpr std::string_view kCsv = "--csv";
constexpr std::string_view kJson = "--json";

struct ReadEventsArguments {
    eventlog::EventLogOptions options;
    bool replace = false; // a --doc of another model may be replaced
    bool json = false;    // the events as JSON records on the output
    std::optional<std::filesystem::path> txt;
    std::optional<std::filesystem::path> csv;
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
        else if (args[i] == kReplace)
            parsed.replace = true;
        else if (args[i] == kJson)
            parsed.json = true;
        else if (!takePath(args, i, kTxt, parsed.txt, error) && !takePath(args, i, kDoc, parsed.doc, error) &&
                 !takePath(args, i, kCsv, parsed.csv, error))
            error = "command 'read-events' does not take '" + args[i] + "'";
    }
    if (!error.empty()) {
        usageError(session.env.err, error);
        return std::nullopt;
    }
    return parsed;
}

// The lines a reading added: the whole new group, or the note added to the
// group that was there.
struct ReadLines {
    std::atomic<bool> ended{false};
    std::atomic<bool> groupStarted{false};
    std::mutex mutex;
    std::vector<std::string> inserted;
    std::vector<EventRecord> records;
    int markNotes = 0; // records that only say the log was marked as read

    std::vector<EventRecord> recordsRead()
    {
        std::lock_guard lock(mutex);
        return records;
    }
};

// What the reading tells as it goes: its lines and records are kept, its
// per cent printed.
void hear(ReadLines& read, CliSink& sink, const Notice& notice)
{
    if (const auto* record = std::get_if<EventRecordNotice>(&notice)) {
        std::lock_guard lock(read.mutex);
        // The panel's note that it marked its log is no event.
        if (eventlog::isMarkedAsReadRecord(record->code, record->word))
            ++read.markNotes;
        else
            read.records.push_back(eventRecordOf(*record));
        return;
    }
    const auto* reading = std::get_if<EventLogNotice>(&notice);
    if (!reading)
        return;
    switch (reading->kind) {
    case EventLogNotice::Kind::GroupStarted: read.groupStarted = true; break;
    case EventLogNotice::Kind::LineInserted: {
        std::lock_guard lock(read.mutex);
        read.inserted.push_back(reading->line);
        break;
    }
    case EventLogNotice::Kind::Progress: {
        const int percent = static_cast<int>(reading->value);
        sink.showProgress(strings::utf8(text_id::kReadEventLogPercent), percent,
                          strings::format(text_id::kReadEventLogPercent, percent).toStdString());
        break;
    }
    case EventLogNotice::Kind::Ended: read.ended = true; break;
    }
}

std::vector<std::string> linesToShow(ReadLines& read, const panel::CUploadDoc& doc)
{
    if (read.groupStarted && !doc.logs().empty())
        return doc.logs().front().lines;
    std::lock_guard lock(read.mutex);
    return read.inserted;
}

void printProblem(std::ostream& err, const std::string& text) { err << kProgramName << ": " << text << std::endl; }

// What was read is only the panel's note that the log had been marked as
// read: there is nothing new, which is said rather than listed as an event.
bool onlyMarkNote(ReadLines& read)
{
    std::lock_guard lock(read.mutex);
    return read.records.empty() && read.markNotes > 0;
}

void printLines(std::ostream& out, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        out << line << '\n';
    out.flush();
}

// Why a file could not be written where it is asked for; empty when it can.
// Files are replaced whole, so the folder must take a new file.
std::string unwritableReason(const std::filesystem::path& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (!fs::is_directory(folder, error))
        return "the folder " + folder.string() + " does not exist";
    if (fs::is_directory(path, error))
        return "is a folder";
    if (::access(folder.c_str(), W_OK) != 0)
        return "the folder " + folder.string() + " is not writable";
    if (fs::exists(path, error) && ::access(path.c_str(), W_OK) != 0)
        return "the file is not writable";
    return {};
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

int runReadEvents(Session& session)
{
    const auto args = parseArguments(session);
    if (!args)
        return kExitUsage;
    // Every output is checked before the panel is asked anything, so a
    // mistyped path never costs the unread state of the log.
    for (const auto& path : {args->txt, args->csv, args->doc}) {
        if (!path)
            continue;
        if (const std::string why = unwritableReason(*path); !why.empty()) {
            printProblem(session.env.err, path->string() + ": " + why + "; nothing was read.");
            return kExitFailure;
        }
    }

    ReadLines read; // before the run: the reading's notices are heard here until the worker has ended
    PanelRun run(session, PanelRun::ConnectionLines::AsNotes,
                 [&read, &run](const Notice& notice) { hear(read, run.sink(), notice); });
    // The per cent of the reading is printed as its progress notices come
    // (see hear), not as the status pane's text.
    run.sink().hideMessage(text_id::kReadEventLogPercent);
    panel::CUploadDoc& doc = run.doc();
    const bool docExisted = args->doc && std::filesystem::exists(*args->doc);
    if (docExisted) {
        if (const std::string error = doc.open(*args->doc); !error.empty()) {
            run.sink().printLine(error);
            return kExitFailure;
        }
    }
    const std::uint8_t documentModel = doc.layout().typeCode();
    // The model check's reset is news only for a document read into with
    // --replace; another is refused, a new one takes the panel's model.
    if (!docExisted || !args->replace)
        run.sink().hideMessage(text_id::kDifferentPanel);
    // A document of another model is reset by the panel's model check:
    // it is only replaced when asked to.
    const auto documentRefused = [&] {
        const auto held = doc.lock();
        return docExisted && !args->replace && doc.layout().typeCode() != documentModel;
    };
    const auto saveOutputs = [&] {
        if (documentRefused())
            return false;
        const std::vector<std::string> lines = linesToShow(read, doc);
        bool saved = !args->txt || writeExport(run.sink(), *args->txt, lines);
        if (saved && args->csv) {
            if (const std::string why = writeFileAtomically(*args->csv, eventsCsv(read.recordsRead())); !why.empty()) {
                run.sink().printLine(why); // it names the file
                saved = false;
            }
        }
        if (saved && args->doc) {
            if (const std::string error = doc.save(*args->doc); !error.empty()) {
                run.sink().printLine(error); // it names the file
                saved = false;
            }
        }
        // --site: the site's history is one more output, the new records only.
        if (saved && session.site)
            saved = session.site->keepEvents(read.recordsRead());
        return saved;
    };
    std::atomic<bool> markAsked{false};
    std::atomic<bool> savedBeforeMark{false};
    eventlog::EventLogReader& reader = run.panel().eventLogReader();
    reader.setOptions(args->options);
    // The log is marked as read only once its lines are safe.
    reader.setBeforeMark([&] {
        markAsked = true;
        return savedBeforeMark = saveOutputs();
    });

    if (!run.open())
        return run.failure();
    run.job().startOperation(operations::kReadEventLog);
    // A panel that keeps answering without the reading moving on is given
    // up after twice the worker's reply time.
    const bool ended = run.waitFor([&] { return read.ended ? PanelRun::Wait::Done : PanelRun::Wait::Pending; },
                                   PanelRun::Patience{2 * session.env.timing.workerReply,
                                                      "the reading made no progress for",
                                                      [&reader] {
                                                          return std::uint64_t(reader.eventCount()) << 32 |
                                                                 std::uint32_t(reader.eventIndex());
                                                      }});
    if (!ended)
        return run.failure();
    const bool closed = run.finish();

    const bool nothingNew = onlyMarkNote(read);
    if (nothingNew)
        run.sink().printNote(strings::utf8(text_id::kAllEventsMarkedRead));
    if (args->json)
        printJson(session.env.out, eventsJson(read.recordsRead()));
    else if (!nothingNew)
        printLines(session.env.out, linesToShow(read, doc));

    if (documentRefused()) {
        printProblem(session.env.err, args->doc->string() + " holds the settings of another panel model; it was left "
                                                            "as it is and the log was not marked as read. Give "
                                                            "--replace to read into it anyway.");
        return kExitFailure;
    }
    if (markAsked && !savedBeforeMark) {
        run.sink().printLine("The events were not saved, so they were not marked as read.");
        return kExitFailure;
    }
    // Saved (again) with the closing line of the reading.
    const bool saved = saveOutputs();
    return saved && closed ? kExitSuccess : kExitFailure;
}

} // namespace qarvo::cli

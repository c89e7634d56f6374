#include "cli/DocumentCommands.h"

#include "session/JobTexts.h"
#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/CliSink.h"
#include "cli/PanelRun.h"
#include "cli/WriteCheck.h"
#include "app/PanelBackup.h"
#include "cli/SiteRun.h"
#include "communicator/TaviOptions.h"
#include "operations/OperationCodes.h"
#include "operations/WrittenPages.h"
#include "panel/FieldCodecs.h"
#include "panel/PanelModels.h"

#include <filesystem>
#include <cctype>
#include <cstdio>
#include <functional>
#include <mutex>
#include <set>
#include <span>
#include <optional>
#include <string_view>
#include <utility>

namespace qarvo::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTypeOption = "--type";
constexpr const char* kDemoDocument = "demo.rps";

// The page transfers as commands.
struct TransferCommand {
    int code;
    bool read;
    const char* page;             // for the report
    operations::Transfer transfer;
    int readBack;                 // the read of the same page
};
using operations::Transfer;
constexpr TransferCommand kReadInstallerCommand{operations::kReadInstaller, true, "installer page",
                                                Transfer::ReadInstaller, operations::kReadInstaller};
constexpr TransferCommand kReadMasterCommand{operations::kReadMaster, true, "master page", Transfer::ReadMaster,
                                             operations::kReadMaster};
constexpr TransferCommand kWriteInstallerCommand{operations::kWriteInstaller, false, "installer page",
                                                 Transfer::WriteInstaller, operations::kReadInstaller};
constexpr TransferCommand kWriteMasterCommand{operations::kWriteMaster, false, "master page", Transfer::WriteMaster,
                                              operations::kReadMaster};
constexpr std::string_view kDryRunOption = "--dry-run";
constexpr std::string_view kReplaceOption = "--replace";
constexpr std::string_view kNoBackupOption = "--no-backup";
constexpr std::string_view kVerifyOption = "--verify";
constexpr std::string_view kForceOption = "--force";

using operations::firstDifference;
using session::makeNewDocument;
using session::modelName;
using operations::writtenRanges;


void printProblem(std::ostream& err, const std::string& text) { err << kProgramName << ": " << text << std::endl; }

// "Sirus16-0000": the model and the panel ID code, for file names.
std::string modelFileStem(std::uint8_t typeCode, std::uint16_t panelId)
{
    std::string stem;
    for (const char c : modelName(typeCode))
        if (std::isalnum(static_cast<unsigned char>(c)))
            stem += c;
    char id[8];
    std::snprintf(id, sizeof id, "-%04X", panelId);
    return stem + id;
}


// "24", "0x24": a hexadecimal panel type code.
std::optional<std::uint8_t> parseTypeCode(std::string text)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        text.erase(0, 2);
    const auto code = parseHex16(text);
    if (!code || !panel::findPanelModel(static_cast<std::uint8_t>(*code)) || *code > 0xFF)
        return std::nullopt;
    return static_cast<std::uint8_t>(*code);
}

// A command's panel run around a settings document: loads and saves the
// file, runs page transfers, backs the panel's pages up and reads a written
// page back.
class DocumentRun : public PanelRun {
public:
    explicit DocumentRun(Session& session)
        : PanelRun(session, ConnectionLines::AsNotes, [this](const Notice& notice) { heard(notice); }),
          session_(session)
    {
    }
    // The link ends while the run can still hear what ending it says; then
    // it stops hearing, as its members go first.
    ~DocumentRun() override
    {
        finish();
        stopHearing();
    }

    // Opens the file into the document; a missing file gives a new
    // document when createMissing is set.
    bool load(const fs::path& path, bool createMissing)
    {
        std::error_code error;
        if (fs::exists(path, error)) {
            const std::string problem = doc().open(path);
            if (problem.empty())
                return true;
            printProblem(session_.env.err, problem); // it names the file
            return false;
        }
        if (!createMissing) {
            printProblem(session_.env.err, path.string() + ": no such settings file");
            return false;
        }
        makeNewDocument(doc(), panel::kDefaultTypeCode);
        return true;
    }

    bool save(const fs::path& path)
    {
        const std::string problem = doc().save(path);
        if (problem.empty())
            return true;
        printProblem(session_.env.err, problem); // it names the file
        return false;
    }

    enum class Written { Done, UpToDate, BackupRefused, Failed };

    // Writes the page, after the backup when one is asked for. A page the
    // panel is known to hold already (read for an earlier page's backup) is
    // not sent again.
    Written write(const TransferCommand& page)
    {
        if (const auto copy = panelCopy(); copy && operations::alreadyWritten(page.transfer, doc(), *copy)) {
            printUpToDate(page);
            return Written::UpToDate;
        }
        writing_ = &page;
        const bool written = transfer(page.code);
        const std::optional<BackupNotice> outcome = takeBackup();
        if (outcome && outcome->upToDate) {
            writing_ = nullptr;
            printUpToDate(page);
            return Written::UpToDate;
        }
        if (outcome && !outcome->kept()) {
            writing_ = nullptr;
            printProblem(session_.env.err, "no backup could be kept (" + outcome->failure + "); nothing was written. "
                                           "Give --no-backup to write without one.");
            return Written::BackupRefused;
        }
        if (outcome && !session_.commandLine.options.quiet)
            session_.env.err << "Backup of the panel's pages: " << outcome->file.string() << std::endl;
        if (!written)
            return Written::Failed;
        writing_ = nullptr;
        return Written::Done;
    }

    // The pages the panel held before the command wrote any, once read.
    std::shared_ptr<const panel::CUploadDoc> panelCopy()
    {
        const std::lock_guard held(backupMutex_);
        return panelCopy_;
    }

    // Runs one page transfer; true when it reached its end.
    bool transfer(int code) { return job().transfer(code); }

    // Reads the whole event log, read and unread, into the document without
    // marking it.
    bool readEventLog()
    {
        // The status pane's per cent has no number of its own here.
        sink().hideMessage(text_id::kReadEventLogPercent);
        return job().readWholeEventLog();
    }

    // Reads the communicator's options into the document.
    bool readTaviOptions()
    {
        if (panel().tavi.readOptions() != text_id::kDownloadingSuccessfully) {
            printProblem(session_.env.err, "the communicator options could not be read");
            return false;
        }
        const auto held = doc().lock();
        doc().setTaviOptions(panel().tavi.record().bytes);
        return true;
    }

    // Tells nothing of the model check's reset: a new document takes the
    // connected panel's model as a matter of course.
    void expectModelChange() { sink().hideMessage(text_id::kDifferentPanel); }

    // The next page write first keeps the panel's pages, with the rest of
    // the document, as a backup under base; none: no backup. One backup
    // serves the whole command.
    void keepBackupBeforeWrite(std::optional<fs::path> base)
    {
        backupWanted_ = base.has_value();
        panel().backupFolder = std::move(base);
    }

    // Reads the page just written back and compares the written ranges byte
    // by byte: "" when they agree, else where they differ; nullopt when the
    // read failed. The document keeps what was written.
    std::optional<std::string> verify(const TransferCommand& written)
    {
        const panel::PanelImage expected = doc().image();
        const auto ranges = writtenRanges(written.transfer, doc());
        if (!transfer(written.readBack))
            return std::nullopt;
        const panel::CUploadDoc readBack = copyOfDocument();
        {
            const auto held = doc().lock();
            doc().image() = expected;
        }
        const auto address = firstDifference(expected, readBack.image(), ranges);
        if (!address)
            return std::string();
        char text[96];
        std::snprintf(text, sizeof text, "reads back %02X at address %04X where %02X was written", readBack.image()[*address],
                      *address, expected[*address]);
        return std::string(text);
    }

    panel::CUploadDoc copyOfDocument()
    {
        const auto held = doc().lock();
        return doc();
    }

private:
    void heard(const Notice& notice)
    {
        if (const auto* backup = std::get_if<BackupNotice>(&notice))
            backupDone(*backup);
    }

    // On the worker thread, before the write goes on: after the first
    // backup kept, the command's other writes keep none.
    void backupDone(const BackupNotice& outcome)
    {
        const std::lock_guard held(backupMutex_);
        if (outcome.kept()) {
            panel().backupFolder.reset();
            backupFile_ = outcome.file;
        }
        const auto kept = panel().lastBackup();
        panelCopy_ = kept ? kept->panelCopy : nullptr;
        backup_ = outcome;
    }

    // The outcome of the backup before the last write, once.
    std::optional<BackupNotice> takeBackup()
    {
        const std::lock_guard held(backupMutex_);
        return std::exchange(backup_, std::nullopt);
    }

    void printUpToDate(const TransferCommand& page)
    {
        if (!session_.commandLine.options.quiet)
            session_.env.err << "The " << page.page << " is already up to date: the panel holds every setting of it; "
                         << "nothing was written." << std::endl;
    }

    // A write that failed after its first request may have left the page
    // half old, half new: say so, and how to put the panel back.
    std::string afterFailure() override
    {
        if (!writing_)
            return {};
        const std::lock_guard held(backupMutex_);
        if (backupWanted_ && !backupFile_)
            return "the backup before the write was not finished: nothing was written to the panel.";
        std::string text = "the " + std::string(writing_->page) +
                           " may be partly written: the panel may hold some of the new settings and some of the old.";
        if (!backupFile_)
            return text + " No backup was kept before the write (--no-backup).";
        // The backup holds both pages as the panel had them, even a page
        // that was its model's defaults: the restore writes them as they are.
        return text + " Its pages before the write are in " + backupFile_->string() + "; to put them back: " +
               sameConnectionCommand(session_.commandLine, "restore", {backupFile_->string(), std::string(kForceOption)});
    }

    Session& session_;
    std::mutex backupMutex_;
    // Set on the worker thread:
    std::optional<BackupNotice> backup_;
    std::optional<fs::path> backupFile_;
    std::shared_ptr<const panel::CUploadDoc> panelCopy_;
    bool backupWanted_ = false;
    const TransferCommand* writing_ = nullptr; // the write under way
};


// The command's one file argument and the flags it was given.
struct FileArguments {
    fs::path path;
    std::set<std::string, std::less<>> flags;
    bool has(std::string_view flag) const { return flags.contains(flag); }
};

std::optional<FileArguments> fileArguments(Session& session, std::initializer_list<std::string_view> allowed,
                                           std::string_view file)
{
    FileArguments parsed;
    std::optional<fs::path> path;
    bool wrong = false;
    for (const std::string& arg : session.commandLine.arguments) {
        if (std::ranges::find(allowed, arg) != allowed.end())
            parsed.flags.insert(arg);
        else if (!path && !arg.starts_with("-"))
            path = arg;
        else
            wrong = true;
    }
    if (!path || wrong) {
        std::string usage = "command '" + session.commandLine.command + "' takes " + std::string(file);
        for (const std::string_view flag : allowed)
            usage += " [" + std::string(flag) + "]";
        usageError(session.env.err, usage);
        return std::nullopt;
    }
    parsed.path = *path;
    return parsed;
}

// Where the backups go: the program directory when one is given (portable
// use, tests), else the per-user data folder.
fs::path backupBase(const Session& session)
{
    const auto& options = session.commandLine.options;
    if (options.home)
        return *options.home;
    if (session.env.homeVariable && !session.env.homeVariable->empty())
        return *session.env.homeVariable;
    return app::defaultBackupBase();
}

void printWritten(Session& session, const TransferCommand& command, const fs::path& path,
                  const panel::PanelIdentity& identity)
{
    session.env.out << "Wrote the " << command.page << " of " << path.string() << " to "
                    << modelName(identity.typeCode) << std::endl;
}

// The pages' names, "installer page and master page", for the reports.
std::string pageNames(std::span<const TransferCommand> pages)
{
    std::string names;
    for (const TransferCommand& page : pages)
        names += (names.empty() ? "" : " and ") + std::string(page.page);
    return names;
}

// The settings of the pages that the write would change, by name, on the
// output; nothing is written.
int showDryRun(Session& session, DocumentRun& run, std::span<const TransferCommand> pages, const fs::path& path)
{
    const panel::CUploadDoc wanted = run.doc();
    for (const TransferCommand& page : pages)
        if (!run.transfer(page.readBack))
            return run.failure();
    run.finish();
    const auto differences = settingDifferences(run.doc(), wanted);
    for (const std::string& line : differences)
        session.env.out << line << '\n';
    session.env.out.flush();
    if (!session.commandLine.options.quiet)
        session.env.err << differences.size() << " setting(s) of the " << pageNames(pages) << " would change; "
                    << path.string() << " was not written to the panel (--dry-run)." << std::endl;
    return kExitSuccess;
}

struct WriteOptions {
    bool dryRun = false;
    bool backup = true;
    bool verify = false;
    bool force = false; // writes a page the document holds only as its model's defaults
};

// Why the document's pages cannot be written as they stand; nullopt when
// they may be.
std::optional<std::string> pagesRefusal(const panel::CUploadDoc& doc, std::span<const TransferCommand> pages,
                                        bool force)
{
    for (const TransferCommand& page : pages) {
        // The same conversion as the pages: a value they refuse, or would
        // store otherwise, is never sent.
        if (const auto refusal = documentRefusal(doc, page.transfer))
            return *refusal;
        if (!force && !operations::holdsPage(page.transfer, doc))
            return "it holds no " + std::string(page.page) + " of its own, only its model's defaults, which would "
                   "replace the panel's programming. Give --force to write them anyway";
    }
    return std::nullopt;
}

// Checks the document's pages as the pages would, connects, keeps a backup
// of the panel's pages, writes the pages in order and reads them back when
// asked to. Nothing is written when a check fails, nor a page the panel
// already holds.
int writePages(Session& session, const fs::path& path, std::span<const TransferCommand> pages, WriteOptions options)
{
    DocumentRun run(session);
    if (!run.load(path, false))
        return kExitFailure;
    if (const auto refusal = pagesRefusal(run.doc(), pages, options.force)) {
        printProblem(session.env.err, path.string() + ": " + *refusal + "; nothing was written.");
        return kExitFailure;
    }
    const std::uint8_t documentModel = run.doc().layout().typeCode();
    run.expectModelChange(); // another model is refused below: nothing is reset
    if (!run.connect())
        return run.failure();
    if (run.doc().layout().typeCode() != documentModel) {
        // The model check has put the new model's defaults in place of the
        // document: writing them would wipe the panel's programming.
        printProblem(session.env.err, path.string() + " holds the settings of another panel model (" +
                                          modelName(documentModel) + "); nothing was written.");
        return kExitFailure;
    }
    if (options.dryRun)
        return showDryRun(session, run, pages, path);
    run.keepBackupBeforeWrite(options.backup ? std::optional(backupBase(session)) : std::nullopt);
    std::vector<const TransferCommand*> written;
    for (const TransferCommand& page : pages) {
        switch (run.write(page)) {
        case DocumentRun::Written::Done:
            written.push_back(&page);
            break;
        case DocumentRun::Written::UpToDate:
            continue;
        case DocumentRun::Written::BackupRefused:
            run.finish();
            return kExitFailure;
        case DocumentRun::Written::Failed:
            return run.failure();
        }
        if (options.verify) {
            const auto verified = run.verify(page);
            if (!verified)
                return run.failure();
            if (!verified->empty()) {
                printProblem(session.env.err, "verify: the " + std::string(page.page) + " " + *verified);
                return kExitFailure;
            }
            if (!session.commandLine.options.quiet)
                session.env.err << "Verified the " << page.page << ": it reads back as written." << std::endl;
        }
    }
    run.finish();
    for (const TransferCommand* page : written)
        printWritten(session, *page, path, run.identity());
    if (written.empty())
        session.env.out << "The panel already holds the " << pageNames(pages) << " of " << path.string()
                        << ": already up to date." << std::endl;
    return kExitSuccess;
}

int runWrite(Session& session, const TransferCommand& command)
{
    const auto args = fileArguments(session, {kDryRunOption, kNoBackupOption, kVerifyOption, kForceOption}, "DOC.rps");
    if (!args)
        return kExitUsage;
    return writePages(session, args->path, std::span(&command, 1),
                      {.dryRun = args->has(kDryRunOption),
                       .backup = !args->has(kNoBackupOption),
                       .verify = args->has(kVerifyOption),
                       .force = args->has(kForceOption)});
}

int runRead(Session& session, const TransferCommand& command)
{
    const auto args = fileArguments(session, {kReplaceOption}, "DOC.rps");
    if (!args)
        return kExitUsage;
    DocumentRun run(session);
    std::error_code error;
    const bool existed = fs::exists(args->path, error);
    if (!run.load(args->path, true))
        return kExitFailure;
    const std::uint8_t documentModel = run.doc().layout().typeCode();
    // Only a document read into with --replace loses settings of its own.
    if (!existed || !args->has(kReplaceOption))
        run.expectModelChange();
    if (!run.connect())
        return run.failure();
    if (existed && run.doc().layout().typeCode() != documentModel && !args->has(kReplaceOption)) {
        printProblem(session.env.err, args->path.string() + " holds the settings of another panel model (" +
                                          modelName(documentModel) + ") than " + modelName(run.identity().typeCode) +
                                          "; it was left as it is. Give --replace to read the panel into it anyway.");
        return kExitFailure;
    }
    if (!run.transfer(command.code))
        return run.failure();
    run.finish();
    if (!run.save(args->path))
        return kExitFailure;
    session.env.out << "Read the " << command.page << " of " << modelName(run.identity().typeCode) << " into "
                    << args->path.string() << std::endl;
    return kExitSuccess;
}

void printIdentity(std::ostream& out, const panel::PanelIdentity& identity)
{
    out << "Panel: " << modelName(identity.typeCode) << '\n'
        << "Zones: " << identity.zoneCount << '\n'
        << "User code records: " << identity.userRecordCount << '\n'
        << "PGM outputs: " << identity.pgmCount << '\n'
        << "Keypads: " << identity.keypadCount << '\n';
}

// What the demo read: the welcome message and the named zones.
void printProgramming(std::ostream& out, const panel::CUploadDoc& doc)
{
    const auto welcome = doc.bytes(panel::Setting::WelcomeMessage);
    if (!welcome.empty())
        out << "Welcome message: " << panel::decodeText16(welcome) << '\n';
    for (int zone = 1; zone <= doc.identity().zoneCount && zone <= 16; ++zone) {
        const std::string name = panel::decodeText16(doc.bytes(panel::zoneName(zone)));
        if (!name.empty())
            out << "Zone " << zone << ": " << name << '\n';
    }
}

} // namespace

int runNew(Session& session)
{
    const auto& args = session.commandLine.arguments;
    std::optional<fs::path> path;
    std::uint8_t typeCode = panel::kDefaultTypeCode;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string type;
        if (arg == kTypeOption && i + 1 < args.size()) {
            type = args[++i];
        } else if (arg.starts_with(std::string(kTypeOption) + "=")) {
            type = arg.substr(kTypeOption.size() + 1);
        } else if (!path && !arg.starts_with("--")) {
            path = arg;
            continue;
        } else {
            return usageError(session.env.err, "new takes DOC.rps [--type CODE]: '" + arg + "'");
        }
        const auto code = parseTypeCode(type);
        if (!code)
            return usageError(session.env.err, "--type: expected a panel type code from 21 to 29 (hexadecimal)");
        typeCode = *code;
    }
    if (!path)
        return usageError(session.env.err, "new takes DOC.rps [--type CODE]");
    std::error_code error;
    if (fs::exists(*path, error)) {
        printProblem(session.env.err, path->string() + " already exists; it was left as it is.");
        return kExitFailure;
    }
    panel::CUploadDoc doc(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
    makeNewDocument(doc, typeCode);
    if (const std::string problem = doc.save(*path); !problem.empty()) {
        printProblem(session.env.err, problem); // it names the file
        return kExitFailure;
    }
    session.env.out << "New settings for " << modelName(typeCode) << " in " << path->string() << std::endl;
    return kExitSuccess;
}

int runReadInstaller(Session& session) { return runRead(session, kReadInstallerCommand); }
int runReadMaster(Session& session) { return runRead(session, kReadMasterCommand); }
int runWriteInstaller(Session& session) { return runWrite(session, kWriteInstallerCommand); }

int runBackup(Session& session)
{
    // With --site and no file the backup goes to the site's history only.
    const bool intoBook = session.site && session.commandLine.arguments.empty();
    const auto args = intoBook ? std::optional(FileArguments{session.site->incomingDocument(), {}})
                               : fileArguments(session, {}, "DIR|FILE.rps");
    if (!args)
        return kExitUsage;
    std::error_code error;
    const bool intoFolder = fs::is_directory(args->path, error);
    if (!intoFolder && args->path.extension() != ".rps")
        return usageError(session.env.err, "backup takes an existing folder or a FILE.rps");
    if (!intoFolder && fs::exists(args->path, error)) {
        printProblem(session.env.err, args->path.string() + " already exists; it was left as it is.");
        return kExitFailure;
    }
    DocumentRun run(session);
    makeNewDocument(run.doc(), panel::kDefaultTypeCode);
    run.expectModelChange();
    if (!run.connect([&] { return run.readTaviOptions(); }))
        return run.failure();
    for (const TransferCommand& page : {kReadInstallerCommand, kReadMasterCommand})
        if (!run.transfer(page.code))
            return run.failure();
    if (!run.readEventLog())
        return run.failure();
    run.finish();
    const fs::path file = intoFolder ? args->path / (modelFileStem(run.identity().typeCode, app::panelIdOf(run.doc())) +
                                                     "-" + app::backupFileName(QDateTime::currentDateTime()))
                                     : args->path;
    if (!run.save(file))
        return kExitFailure;
    const std::string model = modelName(run.identity().typeCode);
    const auto kept = session.site ? session.site->keepBackup(file, run.doc(), model) : std::nullopt;
    if (session.site && !kept)
        return kExitFailure;
    session.env.out << "Backup of " << model << " in " << (intoBook ? kept->string() : file.string()) << std::endl;
    return kExitSuccess;
}

int runRestore(Session& session)
{
    const auto args = fileArguments(session, {kDryRunOption, kNoBackupOption, kForceOption}, "FILE.rps");
    if (!args)
        return kExitUsage;
    const TransferCommand pages[] = {kWriteInstallerCommand, kWriteMasterCommand};
    const int status = writePages(session, args->path, pages,
                                  {.dryRun = args->has(kDryRunOption),
                                   .backup = !args->has(kNoBackupOption),
                                   .verify = true,
                                   .force = args->has(kForceOption)});
    if (status == kExitSuccess && !args->has(kDryRunOption))
        session.env.err << "The communicator options in " << args->path.string()
                        << " were not restored: restore writes the panel's pages only (tavi-write writes the options)."
                        << std::endl;
    return status;
}
int runWriteMaster(Session& session) { return runWrite(session, kWriteMasterCommand); }

// The first of demo.rps, demo-2.rps, demo-3.rps... in the current folder
// that does not exist yet: the demo never replaces a file.
fs::path freshDemoDocument()
{
    const fs::path first = fs::current_path() / kDemoDocument;
    fs::path path = first;
    std::error_code error;
    for (int n = 2; fs::exists(path, error); ++n)
        path = first.parent_path() / (first.stem().string() + "-" + std::to_string(n) + first.extension().string());
    return path;
}

int runDocumentDemo(Session& session)
{
    const auto& args = session.commandLine.arguments;
    if (args.size() > 1 || (args.size() == 1 && args.front().starts_with("-")))
        return usageError(session.env.err, "demo takes at most one argument, DOC.rps: '" + args.back() + "'");
    const fs::path path = args.empty() ? freshDemoDocument() : fs::path(args.front());
    std::error_code error;
    if (fs::exists(path, error)) {
        printProblem(session.env.err, path.string() + " already exists; it was left as it is.");
        return kExitFailure;
    }
    DocumentRun run(session);
    if (!run.load(path, true) || !run.connect())
        return kExitFailure;
    printIdentity(session.env.out, run.identity());
    for (const TransferCommand& command : {kReadInstallerCommand, kReadMasterCommand}) {
        if (!run.transfer(command.code))
            return kExitFailure;
        session.env.out << "Read the " << command.page << '\n';
    }
    run.finish();
    if (!run.save(path))
        return kExitFailure;
    printProgramming(session.env.out, run.doc());
    session.env.out << "Saved " << path.string() << std::endl;
    return kExitSuccess;
}

} // namespace qarvo::cli

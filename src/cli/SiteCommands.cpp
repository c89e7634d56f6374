#include "cli/SiteCommands.h"

#include "app/PanelBackup.h"
#include "app/Strings.h"
#include "base/AtomicFile.h"
#include "cli/BookSubcommands.h"
#include "cli/JsonOutput.h"
#include "cli/WriteCheck.h"
#include "panel/CUploadDoc.h"
#include "sites/SiteCsv.h"
#include "sites/SitePasswords.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <sstream>

namespace qarvo::cli {

namespace fs = std::filesystem;
using sites::Site;
using sites::SiteBook;

namespace {

constexpr std::string_view kJson = "--json";
constexpr std::string_view kTag = "--tag";
constexpr std::string_view kYes = "--yes";
constexpr std::string_view kPurge = "--purge";
constexpr std::string_view kSkipBad = "--skip-bad";
constexpr std::string_view kPasswordStdin = "--password-stdin";
constexpr std::string_view kRename = "--rename";
constexpr const char* kMasked = "****";

void problem(Session& s, const std::string& text) { s.env.err << kProgramName << ": " << text << std::endl; }

constexpr SubcommandOption kSiteOptions[] = {
    {"--address", "A"},  {"--port", "N"},       {"--password-stdin", ""}, {"--mode", "direct|callback|wait"},
    {"--callback", "HOST:PORT"}, {"--account", "HHHH"}, {"--panel-id", "HHHH"}, {"--pc-id", "HHHH"},
    {"--tag", "T"},      {"--notes", "TEXT"},
};

QJsonValue jsonTime(const std::string& bookTime)
{
    return isoTime(QDateTime::fromString(QString::fromStdString(bookTime), Qt::ISODateWithMs).toLocalTime());
}

QJsonValue textOrNull(const std::string& text)
{
    return text.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(QString::fromStdString(text));
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::vector<std::string> changedLines(const std::string& changed)
{
    std::vector<std::string> lines;
    std::istringstream in(changed);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

// Site fields from the options ----------------------------------------

using FieldSetter = std::string (*)(Site&, const std::string&);
struct SiteField {
    std::string_view option;
    FieldSetter set;
};

constexpr SiteField kSiteFields[] = {
    {"--address", [](Site& s, const std::string& v) { s.address = v; return std::string(); }},
    {"--port", [](Site& s, const std::string& v) { return sites::portProblem(v, s.port); }},
    {"--mode", [](Site& s, const std::string& v) { s.mode = v; return std::string(); }},
    {"--callback", [](Site& s, const std::string& v) { s.callback = v; return std::string(); }},
    {"--account", [](Site& s, const std::string& v) { s.account = v; return std::string(); }},
    {"--panel-id", [](Site& s, const std::string& v) { s.panelId = v; return std::string(); }},
    {"--pc-id", [](Site& s, const std::string& v) { s.pcId = v; return std::string(); }},
    {"--notes", [](Site& s, const std::string& v) { s.notes = v; return std::string(); }},
    {"--rename", [](Site& s, const std::string& v) { s.name = v; return std::string(); }},
};

// The options given put into the site; a refused value or site is said
// (exit status returned), nothing written.
std::optional<int> applySiteOptions(Session& s, const BookArgs& args, Site& site)
{
    for (const SiteField& field : kSiteFields)
        if (const auto value = args.last(field.option))
            if (const std::string why = field.set(site, *value); !why.empty())
                return usageError(s.env.err, "invalid value '" + *value + "' for " + std::string(field.option) + ": " + why);
    if (args.has(kTag))
        site.tags = args.values.at(std::string(kTag));
    if (const std::string why = sites::siteProblem(site, s.env.resolveHost); !why.empty())
        return usageError(s.env.err, "site '" + site.name + "': " + why + "; nothing was changed");
    return std::nullopt;
}

// The password of --password-stdin, checked; nullopt with the message said.
std::optional<std::string> readPassword(Session& s, int& status)
{
    std::string line;
    status = kExitUsage;
    if (!s.env.in || !std::getline(*s.env.in, line)) {
        usageError(s.env.err, "--password-stdin: no line to read on the standard input; nothing was changed");
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (const std::string why = sites::passwordProblem(line); !why.empty()) {
        usageError(s.env.err, "--password-stdin: " + why + "; nothing was changed");
        return std::nullopt;
    }
    return line;
}

// Keeps the password where it goes and says where.
int keepPassword(Session& s, SiteBook& book, Site& site, const std::string& password, bool say = true)
{
    if (std::string why = sites::placePassword(book, site, password); !why.empty()) {
        problem(s, why);
        return kExitFailure;
    }
    if (std::string why = book.updateSite(site); !why.empty()) {
        problem(s, why);
        return kExitFailure;
    }
    if (say)
        s.env.out << "Password kept in " << sites::passwordPlace(book, site.passwordStore) << "." << std::endl;
    return kExitSuccess;
}

std::optional<Site> existing(Session& s, SiteBook& book, const std::string& name, bool orRemoved = false)
{
    auto site = book.findSite(name, orRemoved);
    if (!site)
        problem(s, "no site named '" + name + "' in the site book " + book.file().string());
    return site;
}

int runAdd(Session& s, SiteBook& book, const BookArgs& args)
{
    Site site;
    site.name = args.words[0];
    if (!args.has("--address"))
        return usageError(s.env.err, "sites add needs --address A");
    if (const auto status = applySiteOptions(s, args, site))
        return *status;
    int status = kExitSuccess;
    std::optional<std::string> password;
    if (args.has(kPasswordStdin) && !(password = readPassword(s, status)))
        return status;
    if (std::string why = book.addSite(site); !why.empty()) {
        problem(s, why + "; nothing was changed.");
        return kExitFailure;
    }
    s.env.out << "Added site '" << site.name << "' (" << site.address << ":" << site.port << ")." << std::endl;
    if (!password) {
        s.env.out << "No password given: its runs use the password of the settings (--password-stdin keeps one)."
                  << std::endl;
        return kExitSuccess;
    }
    return keepPassword(s, book, site, *password);
}

int runEdit(Session& s, SiteBook& book, const BookArgs& args)
{
    auto site = existing(s, book, args.words[0]);
    if (!site)
        return kExitFailure;
    if (site->passwordStore == sites::PasswordStore::Book)
        site->password = book.bookPassword(site->id);
    if (const auto status = applySiteOptions(s, args, *site))
        return *status;
    int status = kExitSuccess;
    std::optional<std::string> password;
    if (args.has(kPasswordStdin) && !(password = readPassword(s, status)))
        return status;
    if (std::string why = book.updateSite(*site); !why.empty()) {
        problem(s, why + "; nothing was changed.");
        return kExitFailure;
    }
    s.env.out << "Updated site '" << site->name << "'." << std::endl;
    return password ? keepPassword(s, book, *site, *password) : kExitSuccess;
}

bool confirmed(Session& s, const Site& site, bool purge)
{
    s.env.err << "Remove the site '" << site.name << "' from the book"
              << (purge ? " with all its history" : " (its history is kept)") << "? [y/N] " << std::flush;
    std::string answer;
    return s.env.in && std::getline(*s.env.in, answer) && (answer == "y" || answer == "Y" || answer == "yes");
}

int runRemove(Session& s, SiteBook& book, const BookArgs& args)
{
    const auto site = existing(s, book, args.words[0]);
    if (!site)
        return kExitFailure;
    const bool purge = args.has(kPurge);
    if (!args.has(kYes) && !confirmed(s, *site, purge)) {
        s.env.err << "Nothing was removed (--yes removes without asking)." << std::endl;
        return kExitFailure;
    }
    sites::forgetPassword(book, *site);
    if (std::string why = book.removeSite(*site, purge); !why.empty()) {
        problem(s, why);
        return kExitFailure;
    }
    s.env.out << "Removed site '" << site->name << "'" << (purge ? " and its history." : "; its history is kept.")
              << std::endl;
    return kExitSuccess;
}

QJsonObject siteJson(const Site& site)
{
    QJsonArray tags;
    for (const std::string& tag : site.tags)
        tags.append(QString::fromStdString(tag));
    return {{"name", QString::fromStdString(site.name)},
            {"address", QString::fromStdString(site.address)},
            {"port", site.port},
            {"mode", QString::fromStdString(site.mode)},
            {"callback", textOrNull(site.callback)},
            {"account", textOrNull(site.account)},
            {"panel_id", textOrNull(site.panelId)},
            {"pc_id", textOrNull(site.pcId)},
            {"tags", tags},
            {"notes", QString::fromStdString(site.notes)},
            {"model", textOrNull(site.model)},
            {"password_store", QString::fromLatin1(sites::passwordStoreName(site.passwordStore))}};
}

void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths.resize(std::max(widths.size(), c + 1)), widths[c] = std::max(widths[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += row[c] + (c + 1 < row.size() ? std::string(widths[c] - row[c].size() + 2, ' ') : "");
        out << line << '\n';
    }
    out.flush();
}

int runList(Session& s, SiteBook& book, const BookArgs& args)
{
    const auto list = book.sites(args.last(kTag).value_or(""));
    if (args.has(kJson)) {
        QJsonArray array;
        for (const Site& site : list)
            array.append(siteJson(site));
        printJson(s.env.out, QJsonObject{{"sites", array}});
        return kExitSuccess;
    }
    std::vector<std::vector<std::string>> rows{{"NAME", "ADDRESS", "MODE", "MODEL", "TAGS"}};
    for (const Site& site : list)
        rows.push_back({site.name, site.address + ":" + std::to_string(site.port), site.mode,
                        site.model.empty() ? "-" : site.model, joined(site.tags, ",")});
    printTable(s.env.out, rows);
    if (!s.commandLine.options.quiet)
        s.env.err << list.size() << " site(s) in " << book.file().string() << std::endl;
    return kExitSuccess;
}

int runShow(Session& s, SiteBook& book, const BookArgs& args)
{
    const auto site = existing(s, book, args.words[0]);
    if (!site)
        return kExitFailure;
    const auto backups = book.backups(site->id);
    const auto runs = book.runs(site->id);
    if (args.has(kJson)) {
        QJsonObject object = siteJson(*site);
        object.insert("backups", static_cast<int>(backups.size()));
        object.insert("last_backup", backups.empty() ? QJsonValue(QJsonValue::Null) : jsonTime(backups.back().takenAt));
        object.insert("runs", static_cast<int>(runs.size()));
        printJson(s.env.out, object);
        return kExitSuccess;
    }
    const auto orDash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
    const std::string password = site->passwordStore == sites::PasswordStore::None
                                     ? "-"
                                     : std::string(kMasked) + (site->passwordStore == sites::PasswordStore::Keyring
                                                                   ? " (in the system keyring)"
                                                                   : " (in the site book)");
    printTable(s.env.out, {{"Name:", site->name},
                           {"Address:", site->address},
                           {"Port:", std::to_string(site->port)},
                           {"Mode:", site->mode},
                           {"Callback:", orDash(site->callback)},
                           {"Account:", orDash(site->account)},
                           {"Panel ID:", orDash(site->panelId)},
                           {"PC ID:", orDash(site->pcId)},
                           {"Password:", password},
                           {"Tags:", orDash(joined(site->tags, ","))},
                           {"Notes:", orDash(site->notes)},
                           {"Model:", orDash(site->model)},
                           {"Backups:", std::to_string(backups.size()) +
                                            (backups.empty() ? "" : " (last " + shownTime(backups.back().takenAt) + ")")},
                           {"Runs:", std::to_string(runs.size())}});
    return kExitSuccess;
}

int runImport(Session& s, SiteBook& book, const BookArgs& args)
{
    const fs::path file = args.words[0];
    std::vector<std::uint8_t> bytes;
    if (std::string why; !readWholeFile(file, bytes, why)) {
        problem(s, file.string() + ": " + why + "; nothing was imported.");
        return kExitFailure;
    }
    auto read = sites::readSitesCsv(std::string(bytes.begin(), bytes.end()), s.env.resolveHost);
    std::vector<Site> accepted;
    std::vector<std::string> passwords; // beside accepted
    for (sites::CsvSite& row : read.sites) {
        if (book.findSite(row.site.name))
            read.refused.push_back({row.line, "a site named '" + row.site.name + "' is already in the book"});
        else {
            accepted.push_back(std::move(row.site));
            passwords.push_back(std::move(row.password));
        }
    }
    std::ranges::sort(read.refused, {}, &sites::CsvRefusal::line);
    for (const sites::CsvRefusal& refusal : read.refused)
        s.env.err << file.string() << ":" << refusal.line << ": " << refusal.why << std::endl;
    if (!read.refused.empty() && !args.has(kSkipBad)) {
        problem(s, std::to_string(read.refused.size()) + " line(s) refused; nothing was imported (--skip-bad imports "
                                                         "the other lines).");
        return kExitFailure;
    }
    if (std::string why = book.addSites(accepted); !why.empty()) {
        problem(s, why + "; nothing was imported.");
        return kExitFailure;
    }
    for (std::size_t i = 0; i < accepted.size(); ++i)
        if (!passwords[i].empty() && keepPassword(s, book, accepted[i], passwords[i], false) != kExitSuccess)
            return kExitFailure;
    s.env.out << "Imported " << accepted.size() << " site(s)"
              << (read.refused.empty() ? "" : ", skipped " + std::to_string(read.refused.size()) + " line(s)") << "."
              << std::endl;
    return kExitSuccess;
}

int runExport(Session& s, SiteBook& book, const BookArgs& args)
{
    const fs::path file = args.words[0];
    const auto list = book.sites();
    if (const std::string why = writeFileAtomically(file, sites::sitesCsv(list)); !why.empty()) {
        problem(s, why);
        return kExitFailure;
    }
    s.env.out << "Exported " << list.size() << " site(s) to " << file.string() << " (without passwords)." << std::endl;
    return kExitSuccess;
}

std::string changeCount(const sites::BackupEntry& backup, bool first)
{
    if (first)
        return "first backup";
    const std::size_t count = changedLines(backup.changed).size();
    return count == 0 ? "no setting changed" : std::to_string(count) + " setting(s) changed";
}

int printHistoryJson(Session& s, SiteBook& book, const Site& site)
{
    QJsonArray backups;
    for (const sites::BackupEntry& b : book.backups(site.id)) {
        QJsonArray changed;
        for (const std::string& line : changedLines(b.changed))
            changed.append(QString::fromStdString(line));
        backups.append(QJsonObject{{"id", static_cast<qint64>(b.id)}, {"time", jsonTime(b.takenAt)},
                                   {"outcome", QString::fromStdString(b.outcome)}, {"model", textOrNull(b.model)},
                                   {"document", textOrNull(b.document)}, {"changed", changed}});
    }
    QJsonArray runs;
    for (const sites::JobRun& r : book.runs(site.id))
        runs.append(QJsonObject{{"id", static_cast<qint64>(r.id)}, {"kind", QString::fromStdString(r.kind)},
                                {"started", jsonTime(r.startedAt)},
                                {"ended", r.endedAt ? jsonTime(*r.endedAt) : QJsonValue(QJsonValue::Null)},
                                {"finished", r.endedAt.has_value()}, {"outcome", QString::fromStdString(r.outcome)},
                                {"message", QString::fromStdString(r.message)}});
    printJson(s.env.out, QJsonObject{{"site", QString::fromStdString(site.name)}, {"backups", backups}, {"runs", runs},
                                     {"events", book.eventCount(site.id)}});
    return kExitSuccess;
}

int runHistory(Session& s, SiteBook& book, const BookArgs& args)
{
    const auto site = existing(s, book, args.words[0], true);
    if (!site)
        return kExitFailure;
    if (args.has(kJson))
        return printHistoryJson(s, book, *site);
    std::vector<std::vector<std::string>> rows{{"BACKUP", "TIME", "OUTCOME", "MODEL", "CHANGES"}};
    bool first = true;
    for (const sites::BackupEntry& b : book.backups(site->id)) {
        rows.push_back({"#" + std::to_string(b.id), shownTime(b.takenAt), b.outcome, b.model.empty() ? "-" : b.model,
                        changeCount(b, first)});
        first = first && b.document.empty();
    }
    printTable(s.env.out, rows);
    s.env.out << '\n';
    rows = {{"RUN", "KIND", "STARTED", "ENDED", "OUTCOME", "MESSAGE"}};
    for (const sites::JobRun& r : book.runs(site->id))
        rows.push_back({"#" + std::to_string(r.id), r.kind, shownTime(r.startedAt),
                        r.endedAt ? shownTime(*r.endedAt) : "not finished", r.outcome, r.message});
    printTable(s.env.out, rows);
    s.env.out << "\nEvents kept: " << book.eventCount(site->id) << '\n';
    if (const auto status = book.lastSnapshot(site->id))
        s.env.out << "Last status (" << shownTime(status->takenAt) << "): " << status->arming << "; "
                  << status->troubles << "; open zones: " << (status->openZones.empty() ? "none" : status->openZones)
                  << '\n';
    s.env.out.flush();
    return kExitSuccess;
}

// The backup a word names ("3" or "#3") among the site's.
const sites::BackupEntry* backupNamed(const std::vector<sites::BackupEntry>& backups, std::string word)
{
    if (word.starts_with('#'))
        word.erase(0, 1);
    const auto id = parseDecimal(word, 1, std::numeric_limits<long>::max());
    const auto it = std::ranges::find_if(backups, [&](const sites::BackupEntry& b) {
        return id && b.id == *id && !b.document.empty();
    });
    return it == backups.end() ? nullptr : &*it;
}

int runDiff(Session& s, SiteBook& book, const BookArgs& args)
{
    const auto site = existing(s, book, args.words[0], true);
    if (!site)
        return kExitUsage;
    std::vector<sites::BackupEntry> kept = book.backups(site->id);
    std::erase_if(kept, [](const sites::BackupEntry& b) { return b.document.empty(); });
    const sites::BackupEntry* a = nullptr;
    const sites::BackupEntry* b = nullptr;
    if (args.words.size() == 1 && kept.size() >= 2)
        a = &kept[kept.size() - 2], b = &kept.back();
    else if (args.words.size() == 3)
        a = backupNamed(kept, args.words[1]), b = backupNamed(kept, args.words[2]);
    else if (args.words.size() == 2 && !kept.empty())
        a = backupNamed(kept, args.words[1]), b = &kept.back();
    if (!a || !b) {
        problem(s, "site '" + site->name + "' has no such pair of backups (" + std::to_string(kept.size()) +
                       " kept; sites history lists them)");
        return kExitUsage;
    }
    panel::CUploadDoc left(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
    panel::CUploadDoc right(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
    for (auto [doc, backup] : {std::pair{&left, a}, std::pair{&right, b}}) {
        std::string why;
        const auto file = book.documentFile(backup->document, why);
        if (why = file ? doc->open(*file) : why; !why.empty()) {
            problem(s, why);
            return kExitUsage;
        }
    }
    const auto differences = settingDifferences(left, right);
    for (const std::string& line : differences)
        s.env.out << line << '\n';
    s.env.out.flush();
    if (!s.commandLine.options.quiet)
        s.env.err << differences.size() << " setting(s) changed from backup #" << a->id << " (" << shownTime(a->takenAt)
                  << ") to #" << b->id << " (" << shownTime(b->takenAt) << ")" << std::endl;
    return differences.empty() ? kExitSuccess : kExitFailure;
}

std::vector<SubcommandOption> siteOptions(std::initializer_list<SubcommandOption> more)
{
    std::vector<SubcommandOption> options(std::begin(kSiteOptions), std::end(kSiteOptions));
    options.insert(options.end(), more);
    return options;
}

const std::vector<BookSubcommand>& subcommands()
{
    static const std::vector<BookSubcommand> table{
        {"add", "NAME --address A [--port N] [--password-stdin] [--mode M] [--callback HOST:PORT] [--account HHHH] "
                "[--panel-id HHHH] [--pc-id HHHH] [--tag T]... [--notes TEXT]",
         siteOptions({}), runAdd, 1, 1, "add a site"},
        {"edit", "NAME [the options of add] [--rename NEW]", siteOptions({{kRename, "NEW"}}), runEdit, 1, 1,
         "change a site's connection, tags or notes (--tag given: the tags given)"},
        {"rm", "NAME [--yes] [--purge]", {{kYes, ""}, {kPurge, ""}}, runRemove, 1, 1,
         "remove a site (asks unless --yes); its history is kept unless --purge"},
        {"list", "[--tag T] [--json]", {{kTag, "T"}, {kJson, ""}}, runList, 0, 0, "list the sites"},
        {"show", "NAME [--json]", {{kJson, ""}}, runShow, 1, 1, "show a site (its password masked)"},
        {"import", "FILE.csv [--skip-bad]", {{kSkipBad, ""}}, runImport, 1, 1,
         "add the sites of a CSV file; any refused line imports nothing unless --skip-bad"},
        {"export", "FILE.csv", {}, runExport, 1, 1, "write the sites to a CSV file (no passwords)"},
        {"history", "NAME [--json]", {{kJson, ""}}, runHistory, 1, 1, "list a site's backups and runs"},
        {"diff", "NAME [BACKUP_A] [BACKUP_B]", {}, runDiff, 1, 3,
         "the settings that changed between two backups (default the last two)"},
    };
    return table;
}

} // namespace

std::string sitesHelp()
{
    return subcommandsHelp("sites", subcommands()) + "\nCSV files have the header " + sites::sitesCsvHeader() +
           "\n(tags separated by ';').\n";
}

fs::path bookFile(const GlobalOptions& options, const CliEnvironment& env)
{
    if (options.db)
        return *options.db;
    if (env.bookVariable && !env.bookVariable->empty())
        return *env.bookVariable;
    return programDirectory(options, env.homeVariable, app::defaultBackupBase()) / sites::kBookFileName;
}

std::unique_ptr<SiteBook> openBook(const GlobalOptions& options, const CliEnvironment& env)
{
    std::string why;
    // A shared book's documents are copied into the data folder to be read.
    const fs::path data = programDirectory(options, env.homeVariable, app::defaultBackupBase());
    auto book = SiteBook::open(bookFile(options, env), why, sites::kBusyTimeout, data);
    if (!book)
        env.err << kProgramName << ": " << why << std::endl;
    return book;
}

int runSites(Session& session) { return runBookSubcommand(session, "sites", subcommands()); }

} // namespace qarvo::cli

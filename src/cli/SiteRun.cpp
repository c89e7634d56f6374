#include "cli/SiteRun.h"

#include "app/Strings.h"
#include "cli/SiteCommands.h"
#include "cli/WriteCheck.h"
#include "sites/SitePasswords.h"

#include <algorithm>

namespace qarvo::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOk = sites::kRunOk;
constexpr const char* kFailed = "failed";

struct StatusWord {
    int status;
    const char* outcome;
};
constexpr StatusWord kOutcomes[] = {
    {kExitSuccess, kOk},          {kExitFailure, kFailed},           {kExitUsage, "refused command line"},
    {kExitConnection, "no connection"}, {kExitRefused, "password or codes refused"}, {kExitInterrupted, "interrupted"},
};

std::string outcomeOf(int status)
{
    const auto it = std::ranges::find(kOutcomes, status, &StatusWord::status);
    return it == std::end(kOutcomes) ? kFailed : it->outcome;
}

bool given(const CommandLine& line, std::string_view option)
{
    return std::ranges::find(line.connectionArguments, option) != line.connectionArguments.end();
}

std::optional<std::uint16_t> hexCode(const std::string& text)
{
    return text.empty() ? std::nullopt : parseHex16(text);
}

void problem(const CliEnvironment& env, const std::string& text) { env.err << kProgramName << ": " << text << std::endl; }

} // namespace

SiteRun::SiteRun(std::unique_ptr<sites::SiteBook> book, sites::Site site, const CliEnvironment& env)
    : book_(std::move(book)), site_(std::move(site)), env_(env)
{
}

std::unique_ptr<SiteRun> SiteRun::begin(const CommandLine& line, const CliEnvironment& env, int& status)
{
    status = kExitFailure;
    auto book = openBook(line.options, env);
    if (!book)
        return nullptr;
    auto site = book->findSite(*line.options.site);
    if (!site) {
        problem(env, "no site named '" + *line.options.site + "' in the site book " + book->file().string() +
                         " (sites list shows them); nothing was sent.");
        return nullptr;
    }
    return std::unique_ptr<SiteRun>(new SiteRun(std::move(book), std::move(*site), env));
}

std::string SiteRun::applyTo(CommandLine& line)
{
    GlobalOptions& o = line.options;
    if (!o.address)
        o.address = site_.address;
    if (!o.port)
        o.port = site_.port;
    if (!given(line, "--mode"))
        o.mode = modeNamed(site_.mode).value_or(link::ConnectionMode::Direct);
    if (const auto hostPort = site_.callback.empty() ? std::nullopt : parseHostPort(site_.callback); hostPort && !o.callbackHost) {
        o.callbackHost = hostPort->host;
        o.callbackPort = hostPort->port;
    }
    if (!o.account)
        o.account = hexCode(site_.account);
    if (!o.panelId && !o.pcId) {
        o.panelId = hexCode(site_.panelId);
        o.pcId = hexCode(site_.pcId);
    }
    if (o.password || o.passwordFromInput)
        return {};
    std::string why;
    o.password = sites::passwordOf(*book_, site_, why);
    return why.empty() ? std::string() : "the password of site '" + site_.name + "': " + why + "; nothing was sent.";
}

bool SiteRun::start(const std::string& kind)
{
    std::string why;
    run_ = book_->startRun(site_.id, kind, why);
    if (!run_)
        problem(env_, why + "; nothing was sent.");
    return run_.has_value();
}

void SiteRun::finish(int status)
{
    if (!run_)
        return;
    if (backup_)
        backup_->outcome = status == kExitSuccess ? kOk : kFailed;
    std::string outcome = outcomeOf(status);
    if (const std::string why = book_->finishRun(*run_, outcome, message_, backup_); !why.empty())
        problem(env_, why + " The run stays marked as running in the book.");
}

fs::path SiteRun::incomingDocument() const { return book_->incomingDocument(); }

std::optional<fs::path> SiteRun::keepBackup(const fs::path& file, const panel::CUploadDoc& doc, const std::string& model)
{
    sites::BackupEntry entry;
    entry.siteId = site_.id;
    entry.takenAt = sites::bookTime();
    entry.model = model;
    const auto earlier = book_->backups(site_.id);
    const auto previous = std::find_if(earlier.rbegin(), earlier.rend(),
                                       [](const sites::BackupEntry& b) { return !b.document.empty(); });
    if (previous != earlier.rend()) {
        panel::CUploadDoc before(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
        std::string why;
        const auto earlierFile = book_->documentFile(previous->document, why);
        if (earlierFile && before.open(*earlierFile).empty())
            for (const std::string& line : settingDifferences(before, doc))
                entry.changed += line + "\n";
    }
    if (const std::string why = book_->keepDocument(file, entry.document); !why.empty()) {
        problem(env_, why);
        return std::nullopt;
    }
    backup_ = entry;
    message_ = "backup " + entry.document.substr(0, 12);
    std::string why;
    return book_->documentFile(entry.document, why);
}

bool SiteRun::keepEvents(const std::vector<EventRecord>& records)
{
    std::vector<sites::EventEntry> events;
    for (const EventRecord& record : records)
        events.push_back({(record.partition.empty() ? "" : record.partition + ": ") + record.text, record.record,
                          record.time});
    int added = 0;
    if (const std::string why = book_->addEvents(site_.id, events, added); !why.empty()) {
        problem(env_, why);
        return false;
    }
    eventsAdded_ += added; // the outputs are saved again when the reading closes
    message_ = std::to_string(eventsAdded_) + " new event(s) kept";
    return true;
}

bool SiteRun::keepStatus(const sites::StatusSnapshot& snapshot)
{
    if (const std::string why = book_->addSnapshot(site_.id, snapshot); !why.empty()) {
        problem(env_, why);
        return false;
    }
    message_ = "status kept";
    return true;
}

} // namespace qarvo::cli

#include "fleet/SiteRecord.h"

#include "app/Strings.h"
#include "online/Indicators.h"
#include "panel/NamedSettings.h"
#include "session/JobResult.h"

#include <algorithm>

namespace qarvo::fleet {

namespace fs = std::filesystem;
namespace exit_status = session::exit_status;

namespace {

constexpr const char* kFailed = "failed";

struct StatusWord {
    int status;
    const char* outcome;
    Outcome attempt;
    bool transient;
};
constexpr StatusWord kOutcomes[] = {
    {exit_status::kSuccess, sites::kRunOk, Outcome::Done, false},
    {exit_status::kFailure, kFailed, Outcome::Failed, false},
    {exit_status::kUsage, "refused command line", Outcome::Failed, false},
    {exit_status::kConnection, "no connection", Outcome::Failed, true},
    {exit_status::kRefused, "password or codes refused", Outcome::Refused, false},
    {exit_status::kInterrupted, "interrupted", Outcome::Interrupted, false},
};

const StatusWord* wordOf(int exitStatus)
{
    const auto it = std::ranges::find(kOutcomes, exitStatus, &StatusWord::status);
    return it == std::end(kOutcomes) ? nullptr : &*it;
}

// "Name: 'before' -> 'after'" for each setting the backup would change.
std::string changedLines(const panel::CUploadDoc& before, const panel::CUploadDoc& after)
{
    std::string lines;
    for (const panel::SettingChange& c : panel::changedSettings(before, after))
        if (c.after) // settings only the earlier backup has are no change of this one
            lines += c.name + ": '" + c.before.value_or("") + "' -> '" + *c.after + "'\n";
    return lines;
}

} // namespace

std::string runOutcomeOf(int exitStatus)
{
    const StatusWord* word = wordOf(exitStatus);
    return word ? word->outcome : kFailed;
}

Attempt attemptOf(int exitStatus, std::string message)
{
    if (exitStatus == exit_status::kSuccess)
        return {Outcome::Done, false, {}};
    if (message.empty())
        message = "ended with exit status " + std::to_string(exitStatus);
    const StatusWord* word = wordOf(exitStatus);
    return word ? Attempt{word->attempt, word->transient, std::move(message)}
                : Attempt{Outcome::Failed, false, std::move(message)};
}

sites::StatusSnapshot statusSnapshotOf(const online::OnlineModel& model)
{
    std::string arming = model.systemRow().status.toStdString();
    if (model.partitionedMode())
        arming += " / " + model.partitionBRow().status.toStdString();
    std::string open;
    for (int zone = 0; zone < model.shownZones(); ++zone)
        if (model.icon(zone, online::Indicator::ZoneOpen) != 0)
            open += (open.empty() ? "" : ",") + std::to_string(zone + 1);
    sites::StatusSnapshot snapshot;
    snapshot.arming = arming;
    snapshot.troubles = model.troubleText().toStdString();
    snapshot.openZones = open;
    return snapshot;
}

SiteRecord::SiteRecord(std::unique_ptr<sites::SiteBook> book, sites::Site site)
    : book_(std::move(book)), site_(std::move(site))
{
}

std::unique_ptr<SiteRecord> SiteRecord::open(const fs::path& file, const std::string& site, std::string& why)
{
    auto book = sites::SiteBook::open(file, why);
    if (!book)
        return nullptr;
    auto found = book->findSite(site);
    if (!found) {
        why = "no site named '" + site + "' in the site book " + file.string() +
              " (sites list shows them); nothing was sent.";
        return nullptr;
    }
    return std::make_unique<SiteRecord>(std::move(book), std::move(*found));
}

std::string SiteRecord::start(const std::string& kind)
{
    std::string why;
    run_ = book_->startRun(site_.id, kind, why);
    return run_ ? std::string() : why;
}

std::string SiteRecord::finish(int exitStatus)
{
    if (!run_)
        return {};
    if (backup_)
        backup_->outcome = exitStatus == exit_status::kSuccess ? sites::kRunOk : kFailed;
    return book_->finishRun(*run_, runOutcomeOf(exitStatus), message_, backup_);
}

fs::path SiteRecord::incomingDocument() const { return book_->incomingDocument(); }

std::optional<fs::path> SiteRecord::keepBackup(const fs::path& file, const panel::CUploadDoc& doc,
                                               const std::string& model, std::string& why)
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
        std::string unread; // an earlier document that cannot be read leaves the changes unnamed
        const auto earlierFile = book_->documentFile(previous->document, unread);
        if (earlierFile && before.open(*earlierFile).empty())
            entry.changed = changedLines(before, doc);
    }
    if (why = book_->keepDocument(file, entry.document); !why.empty())
        return std::nullopt;
    backup_ = entry;
    message_ = "backup " + entry.document.substr(0, 12);
    return book_->documentFile(entry.document, why);
}

std::string SiteRecord::keepEvents(const std::vector<eventlog::EventRecord>& records)
{
    std::vector<sites::EventEntry> events;
    for (const eventlog::EventRecord& record : records)
        events.push_back({(record.partition.empty() ? "" : record.partition + ": ") + record.text, record.record,
                          record.time});
    int added = 0;
    if (std::string why = book_->addEvents(site_.id, events, added); !why.empty())
        return why;
    eventsAdded_ += added; // the outputs are saved again when the reading closes
    message_ = std::to_string(eventsAdded_) + " new event(s) kept";
    return {};
}

std::string SiteRecord::keepStatus(const sites::StatusSnapshot& snapshot)
{
    if (std::string why = book_->addSnapshot(site_.id, snapshot); !why.empty())
        return why;
    message_ = "status kept";
    return {};
}

} // namespace qarvo::fleet

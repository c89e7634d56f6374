#pragma once
// A job run on one site, as the site book keeps it: marked as running from
// its start and finished with its outcome word and message, together with
// what the run brought — the backup's document (kept by content, with the
// settings changed since the site's previous backup), the events the book
// did not hold yet, a status snapshot. The command line's --site runs and
// the fleet's site jobs both keep their runs through it.
#include "eventlog/EventRecord.h"
#include "fleet/FleetRun.h"
#include "online/OnlineModel.h"
#include "panel/CUploadDoc.h"
#include "sites/SiteBook.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qarvo::fleet {

// The outcome word a run is kept with, by the exit status it ended with.
std::string runOutcomeOf(int exitStatus);
// What an attempt that ended with the exit status comes to in a fleet run:
// no connection is worth another attempt, a refusal never is.
Attempt attemptOf(int exitStatus, std::string message);

// What the status page showed: the partitions' states, the troubles and
// the open zones by number.
sites::StatusSnapshot statusSnapshotOf(const online::OnlineModel& model);

class SiteRecord {
public:
    SiteRecord(std::unique_ptr<sites::SiteBook> book, sites::Site site);
    // Opens the book at the file and finds the site; nullptr and why.
    static std::unique_ptr<SiteRecord> open(const std::filesystem::path& book, const std::string& site,
                                            std::string& why);

    sites::SiteBook& book() { return *book_; }
    const sites::Site& site() const { return site_; }

    // Keeps the run as running; "" or why the book cannot be written.
    std::string start(const std::string& kind);
    // Ends the run with the exit status, together with its backup; "" or
    // why (the run then stays marked as running).
    std::string finish(int exitStatus);

    // Where a backup's document is written first.
    std::filesystem::path incomingDocument() const;
    // Keeps the document (moved when it was written to incomingDocument,
    // else copied) and the settings changed since the site's previous
    // backup; the book takes them when the run finishes. Its place in the
    // book's store, or nullopt and why.
    std::optional<std::filesystem::path> keepBackup(const std::filesystem::path& file, const panel::CUploadDoc& doc,
                                                    const std::string& model, std::string& why);
    // Stores the events the book does not hold yet; "" or why.
    std::string keepEvents(const std::vector<eventlog::EventRecord>& records);
    // Stores what status showed; "" or why.
    std::string keepStatus(const sites::StatusSnapshot& snapshot);

private:
    std::unique_ptr<sites::SiteBook> book_;
    sites::Site site_;
    std::optional<std::int64_t> run_;
    std::optional<sites::BackupEntry> backup_;
    std::string message_;
    int eventsAdded_ = 0;
};

} // namespace qarvo::fleet

#pragma once
// The site book: every site an installer looks after and its history
// (backups, collected events, status snapshots, job runs), in an embedded
// SQLite database in the data folder, or shared by a team in a PostgreSQL
// database that the address postgresql://USER@HOST:PORT/DBNAME names
// (?host=FOLDER for a Unix socket; the password as libpq finds it, from
// PGPASSWORD or ~/.pgpass, never in the address). The book is created and brought to
// this program's schema on first use; a book of a newer schema, a file that
// is no database, a read-only one or one another program keeps locked is
// refused with a message that says so, and nothing in it changes. Every
// write of more than one statement is one transaction: a crash or a full
// disk half-way leaves the book as it was before.
#include "sites/BookSchema.h"
#include "sites/Site.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

namespace qarvo::sites {

inline constexpr const char* kBookFileName = "sites.db";
// The environment variable that names another book.
inline constexpr const char* kBookVariable = "QARVOIP_DB";
inline constexpr std::chrono::milliseconds kBusyTimeout{5000};

// True when the book's address names a shared book rather than a file.
bool isSharedBook(std::string_view address);

// "2026-12-09T21:30:00.123Z": the time the book stores (UTC).
std::string bookTime();

struct BackupEntry {
    std::int64_t id = 0;
    std::int64_t siteId = 0;
    std::string takenAt;
    std::string outcome;  // "ok" or "failed"
    std::string document; // the stored document's SHA-256, empty when none was kept
    std::string model;
    std::string changed;  // the settings changed since the previous backup, one a line
};

struct EventEntry {
    std::string line;      // the decoded event
    std::string record;    // the raw record in hexadecimal
    std::string panelTime; // the panel's time of the event
};

struct StatusSnapshot {
    std::string takenAt; // set by the book
    std::string arming;
    std::string troubles;
    std::string openZones;
};

struct JobRun {
    std::int64_t id = 0;
    std::int64_t siteId = 0;
    std::string kind;
    std::string startedAt;
    std::optional<std::string> endedAt; // none: still running, or ended without finishing
    std::string outcome;                // "running" until finished
    std::string message;
};

inline constexpr const char* kRunning = "running";
// The outcome of a run that succeeded; any other outcome says what failed.
inline constexpr const char* kRunOk = "ok";

class SiteBook {
public:
    // Opens the book at the file or shared address, creating and migrating
    // it; nullptr and why when it cannot be used. A shared book's documents
    // are copied to localFolder/documents to be opened (by default
    // qarvoip/ in the user's cache folder).
    static std::unique_ptr<SiteBook> open(const std::filesystem::path& file, std::string& why,
                                          std::chrono::milliseconds busyTimeout = kBusyTimeout,
                                          const std::filesystem::path& localFolder = {});
    ~SiteBook();
    SiteBook(const SiteBook&) = delete;
    SiteBook& operator=(const SiteBook&) = delete;

    // The file, or the shared book's address.
    const std::filesystem::path& file() const { return file_; }
    bool shared() const;
    // Where the backups' documents are kept as files: documents/<sha256>.rps
    // beside the book; for a shared book, where they are copied to be read.
    std::filesystem::path documentsFolder() const;
    int schemaVersion();
    // The book's database connection, for the one thread that opened it.
    QSqlDatabase database() const;

    // Documents, by the SHA-256 of their bytes. keepDocument takes in a file
    // written to incomingDocument() (or any other); documentFile gives a
    // file to open of a document kept before.
    std::filesystem::path incomingDocument() const;
    std::string keepDocument(const std::filesystem::path& file, std::string& digest);
    std::optional<std::filesystem::path> documentFile(const std::string& digest, std::string& why);

    // Sites. Each write returns "" or why nothing was written.
    std::string addSite(Site& site);
    std::string addSites(std::vector<Site>& sites); // all or none
    std::string updateSite(const Site& site);
    // Removes the site; its history stays unless purged.
    std::string removeSite(const Site& site, bool purge);
    // The site of that name; a removed one only when asked (its history).
    std::optional<Site> findSite(const std::string& name, bool orRemoved = false);
    std::vector<Site> sites(const std::string& tag = {});
    // The password kept in the book, if it is kept there.
    std::optional<std::string> bookPassword(std::int64_t siteId);
    std::string setModel(std::int64_t siteId, const std::string& model);

    // History.
    std::vector<BackupEntry> backups(std::int64_t siteId);
    std::vector<JobRun> runs(std::int64_t siteId);
    // Stores the events not stored yet; added says how many were new.
    std::string addEvents(std::int64_t siteId, const std::vector<EventEntry>& events, int& added);
    int eventCount(std::int64_t siteId);
    // The events kept at or after the book time given, in the order read.
    std::vector<EventEntry> eventsReadSince(std::int64_t siteId, const std::string& since);
    std::string addSnapshot(std::int64_t siteId, const StatusSnapshot& snapshot);
    std::optional<StatusSnapshot> lastSnapshot(std::int64_t siteId);

    // A job run is inserted as running when it starts and finished when it
    // ends, with the backup it took in the same transaction: a run whose
    // program was killed stays visibly not finished.
    std::optional<std::int64_t> startRun(std::int64_t siteId, const std::string& kind, std::string& why);
    std::string finishRun(std::int64_t runId, const std::string& outcome, const std::string& message,
                          const std::optional<BackupEntry>& backup = std::nullopt);

private:
    SiteBook(std::filesystem::path file, QString connection);
    std::string prepare(std::chrono::milliseconds busyTimeout);
    std::string prepareShared();
    std::string migrate();
    std::string migrateOnce(bool& current);
    std::string schemaProblem(int version) const;
    QSqlQuery query(std::string_view sql);
    bool run(QSqlQuery& query, std::string& why);
    std::string problem(const QSqlQuery& query) const;
    std::string transaction(const std::function<std::string()>& writes);
    std::string insertSite(Site& site);
    std::string writeTags(const Site& site);
    Site siteOf(const QSqlQuery& query);

    std::filesystem::path file_;
    std::filesystem::path localFolder_;
    QString connection_;
    SqlDialect dialect_ = SqlDialect::Sqlite;
    std::chrono::milliseconds busyTimeout_{kBusyTimeout};
};

} // namespace qarvo::sites

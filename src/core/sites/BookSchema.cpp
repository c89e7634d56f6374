#include "sites/BookSchema.h"

#include <array>
#include <vector>

namespace qarvo::sites {

namespace {

// Times are text in ISO 8601 (UTC, to the millisecond), so they sort as
// they run and read the same in every database. A site that is removed
// keeps its row (and so its history) with removed_at set, unless it is
// purged; its name is free again for a new site.
constexpr std::string_view kVersion1 = R"(
CREATE TABLE book_schema (version INTEGER NOT NULL);
INSERT INTO book_schema (version) VALUES (0);
CREATE TABLE sites (
  id {id},
  name TEXT NOT NULL,
  address TEXT NOT NULL,
  port INTEGER NOT NULL,
  mode TEXT NOT NULL,
  callback TEXT NOT NULL DEFAULT '',
  account TEXT NOT NULL DEFAULT '',
  panel_id TEXT NOT NULL DEFAULT '',
  pc_id TEXT NOT NULL DEFAULT '',
  notes TEXT NOT NULL DEFAULT '',
  model TEXT NOT NULL DEFAULT '',
  password TEXT,
  password_store TEXT NOT NULL DEFAULT 'none',
  created_at TEXT NOT NULL,
  removed_at TEXT
);
CREATE UNIQUE INDEX sites_active_name ON sites (name) WHERE removed_at IS NULL;
CREATE TABLE site_tags (
  site_id INTEGER NOT NULL REFERENCES sites (id),
  tag TEXT NOT NULL,
  UNIQUE (site_id, tag)
);
CREATE TABLE backups (
  id {id},
  site_id INTEGER NOT NULL REFERENCES sites (id),
  taken_at TEXT NOT NULL,
  outcome TEXT NOT NULL,
  document TEXT NOT NULL DEFAULT '',
  model TEXT NOT NULL DEFAULT '',
  changed TEXT NOT NULL DEFAULT ''
);
CREATE INDEX backups_site ON backups (site_id, taken_at);
CREATE TABLE events (
  id {id},
  site_id INTEGER NOT NULL REFERENCES sites (id),
  line TEXT NOT NULL,
  record TEXT NOT NULL,
  panel_time TEXT NOT NULL,
  read_at TEXT NOT NULL,
  UNIQUE (site_id, panel_time, record)
);
CREATE TABLE status_snapshots (
  id {id},
  site_id INTEGER NOT NULL REFERENCES sites (id),
  taken_at TEXT NOT NULL,
  arming TEXT NOT NULL,
  troubles TEXT NOT NULL,
  open_zones TEXT NOT NULL
);
CREATE TABLE job_runs (
  id {id},
  site_id INTEGER NOT NULL REFERENCES sites (id),
  kind TEXT NOT NULL,
  started_at TEXT NOT NULL,
  ended_at TEXT,
  outcome TEXT NOT NULL,
  message TEXT NOT NULL DEFAULT ''
);
CREATE INDEX job_runs_site ON job_runs (site_id, started_at);
)";

// Documents kept in the book itself (a shared book: every machine reads
// them there; a book in a file keeps them as files beside it). A fleet run
// queued for workers on other machines: its jobs, one a site, each claimed
// by one worker under a lease the worker renews while it works; at most
// one job a site runs at a time.
constexpr std::string_view kVersion2 = R"(
CREATE TABLE documents (
  digest TEXT PRIMARY KEY,
  content {blob} NOT NULL,
  kept_at TEXT NOT NULL
);
CREATE TABLE fleet_runs (
  id {id},
  kind TEXT NOT NULL,
  retries INTEGER NOT NULL,
  created_at TEXT NOT NULL
);
CREATE TABLE fleet_jobs (
  id {id},
  run_id INTEGER NOT NULL REFERENCES fleet_runs (id),
  site_id INTEGER NOT NULL REFERENCES sites (id),
  site TEXT NOT NULL,
  state TEXT NOT NULL DEFAULT 'queued',
  worker TEXT NOT NULL DEFAULT '',
  attempts INTEGER NOT NULL DEFAULT 0,
  claims INTEGER NOT NULL DEFAULT 0,
  lease_until {stamp},
  started_at {stamp},
  ended_at {stamp},
  outcome TEXT NOT NULL DEFAULT '',
  message TEXT NOT NULL DEFAULT ''
);
CREATE INDEX fleet_jobs_run ON fleet_jobs (run_id, state);
CREATE UNIQUE INDEX fleet_jobs_site_running ON fleet_jobs (site_id) WHERE state = 'running';
)";

constexpr std::array<std::string_view, 2> kMigrations{kVersion1, kVersion2};

struct Word {
    std::string_view placeholder;
    std::string_view sqlite;
    std::string_view postgres;
};
constexpr std::array kWords{
    Word{"{id}", "INTEGER PRIMARY KEY AUTOINCREMENT", "BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY"},
    Word{"{blob}", "BLOB", "BYTEA"},
    Word{"{stamp}", "TEXT", "TIMESTAMPTZ"},
    Word{"{tables}", "sqlite_master", "pg_catalog.pg_tables"},
    Word{"{begin}", "BEGIN IMMEDIATE", "BEGIN"},
    Word{"{returning}", "", "RETURNING id"},
    // Two programs that open a new shared book at once: one migrates, the
    // other waits for it (BEGIN IMMEDIATE does that in a file).
    Word{"{lock}", "SELECT 1", "SELECT pg_advisory_xact_lock(7156209)"},
};

} // namespace

std::span<const std::string_view> bookMigrations() { return kMigrations; }

int knownSchemaVersion() { return static_cast<int>(kMigrations.size()); }

QString dialectSql(std::string_view statement, SqlDialect dialect)
{
    QString sql = QString::fromUtf8(statement.data(), static_cast<qsizetype>(statement.size()));
    for (const Word& word : kWords) {
        const std::string_view spelled = dialect == SqlDialect::Sqlite ? word.sqlite : word.postgres;
        sql.replace(QString::fromLatin1(word.placeholder), QString::fromLatin1(spelled));
    }
    return sql;
}

std::vector<std::string_view> statementsOf(std::string_view migration)
{
    std::vector<std::string_view> statements;
    while (!migration.empty()) {
        const auto end = migration.find(';');
        std::string_view statement = migration.substr(0, end);
        if (statement.find_first_not_of(" \n\r\t") != std::string_view::npos)
            statements.push_back(statement);
        if (end == std::string_view::npos)
            break;
        migration.remove_prefix(end + 1);
    }
    return statements;
}

} // namespace qarvo::sites

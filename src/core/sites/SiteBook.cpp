#include "sites/SiteBook.h"

#include "sites/BookSchema.h"
#include "sites/DocumentStore.h"
#include "sites/SharedBook.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QStandardPaths>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace qarvo::sites {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDriver = "QSQLITE";
constexpr const char* kDocumentsFolder = "documents";
constexpr std::string_view kSqliteHeader{"SQLite format 3\0", 16};
// SQLite's result codes that the messages tell apart.
constexpr const char* kBusyCode = "5";
constexpr const char* kReadOnlyCode = "8";
constexpr const char* kNotADatabaseCode = "26";

QString connectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("qarvo-site-book-%1").arg(next++);
}

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QVariant& value) { return value.toString().toStdString(); }

// What is wrong with the file before SQLite opens it: a file that is no
// database is not touched at all.
std::string fileProblem(const fs::path& file)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return {};
    if (!fs::is_regular_file(file, error))
        return "is not a file";
    if ((fs::status(file, error).permissions() & fs::perms::owner_write) == fs::perms::none)
        return "is read-only; nothing was changed";
    if (fs::file_size(file, error) == 0)
        return {};
    std::ifstream in(file, std::ios::binary);
    std::string header(kSqliteHeader.size(), '\0');
    if (!in.read(header.data(), static_cast<std::streamsize>(header.size())) || header != kSqliteHeader)
        return "is not a site book (not a database); it was left as it is";
    return {};
}

// A new book is its owner's only from the start: it holds the sites'
// addresses and codes, and may hold their passwords.
std::string createOwnerOnly(const fs::path& file)
{
    std::error_code error;
    if (fs::exists(file, error))
        return {};
    if (!file.parent_path().empty())
        fs::create_directories(file.parent_path(), error);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return "could not be created (" + std::string(std::strerror(errno)) + ")";
    ::close(fd);
    return {};
}

} // namespace

bool isSharedBook(std::string_view address)
{
    return address.starts_with("postgresql://") || address.starts_with("postgres://");
}

namespace {
// The id of the row an INSERT … {returning} made.
std::int64_t insertedId(QSqlQuery& insert)
{
    return insert.next() ? insert.value(0).toLongLong() : insert.lastInsertId().toLongLong();
}
} // namespace

std::string bookTime() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toStdString(); }

SiteBook::SiteBook(fs::path file, QString connection) : file_(std::move(file)), connection_(std::move(connection)) {}

SiteBook::~SiteBook()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

std::unique_ptr<SiteBook> SiteBook::open(const fs::path& file, std::string& why, std::chrono::milliseconds busyTimeout,
                                         const fs::path& localFolder)
{
    if (isSharedBook(file.string())) {
        std::unique_ptr<SiteBook> book(new SiteBook(file, connectionName()));
        book->dialect_ = SqlDialect::Postgres;
        // By default the user's own cache folder: never a shared one such as
        // /tmp, since documents hold every code of the panel.
        book->localFolder_ =
            localFolder.empty()
                ? fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString()) /
                      "qarvoip"
                : localFolder;
        if (why = book->prepareShared(); !why.empty())
            return nullptr;
        return book;
    }
    const auto fail = [&](const std::string& problem) {
        why = "the site book " + file.string() + " " + problem;
        return nullptr;
    };
    if (std::string problem = fileProblem(file); !problem.empty())
        return fail(problem);
    if (std::string problem = createOwnerOnly(file); !problem.empty())
        return fail(problem);
    std::unique_ptr<SiteBook> book(new SiteBook(file, connectionName()));
    if (std::string problem = book->prepare(busyTimeout); !problem.empty()) {
        why = problem;
        return nullptr;
    }
    return book;
}

std::string SiteBook::prepare(std::chrono::milliseconds busyTimeout)
{
    busyTimeout_ = busyTimeout;
    QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), connection_);
    if (!db.isValid())
        return "the site book needs Qt's SQLite driver (package libqt6sql6-sqlite), which could not be loaded";
    db.setDatabaseName(QString::fromStdString(file_.string()));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout.count()));
    if (!db.open())
        return "the site book " + file_.string() + " could not be opened: " + db.lastError().text().toStdString();
    return migrate();
}

std::string SiteBook::prepareShared()
{
    std::string why;
    const auto address = parseSharedBook(file_.string(), why);
    if (!address)
        return why;
    if (why = openSharedBook(*address, connection_); !why.empty())
        return "the site book " + file_.string() + " could not be opened: " + why;
    return migrate();
}

bool SiteBook::shared() const { return dialect_ == SqlDialect::Postgres; }

QSqlDatabase SiteBook::database() const { return QSqlDatabase::database(connection_, false); }

fs::path SiteBook::documentsFolder() const
{
    return (shared() ? localFolder_ : file_.parent_path()) / kDocumentsFolder;
}

QSqlQuery SiteBook::query(std::string_view sql)
{
    QSqlQuery query(database());
    query.prepare(dialectSql(sql, dialect_));
    return query;
}

std::string SiteBook::problem(const QSqlQuery& query) const
{
    const QSqlError error = query.lastError();
    const QString code = error.nativeErrorCode();
    const std::string book = "the site book " + file_.string();
    if (code == QLatin1String(kBusyCode))
        return book + " is in use by another program, which kept it locked for " +
               std::to_string(busyTimeout_.count()) + " ms; nothing was changed. Try again.";
    if (code == QLatin1String(kReadOnlyCode))
        return book + " is read-only; nothing was changed";
    if (code == QLatin1String(kNotADatabaseCode))
        return book + " is not a site book (not a database); it was left as it is";
    return book + ": " + error.text().toStdString();
}

bool SiteBook::run(QSqlQuery& query, std::string& why)
{
    if (query.exec())
        return true;
    why = problem(query);
    return false;
}

std::string SiteBook::transaction(const std::function<std::string()>& writes)
{
    QSqlDatabase db = database();
    // BEGIN IMMEDIATE takes the write lock at once, so a busy book is
    // reported before anything is written rather than half-way.
    QSqlQuery begin(db);
    if (!begin.exec(dialectSql("{begin}", dialect_)))
        return problem(begin);
    std::string why = writes();
    QSqlQuery end(db);
    if (why.empty() && !end.exec(QStringLiteral("COMMIT")))
        why = problem(end);
    if (!why.empty())
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return why;
}

int SiteBook::schemaVersion()
{
    QSqlQuery version = query("SELECT version FROM book_schema");
    std::string why;
    return run(version, why) && version.next() ? version.value(0).toInt() : 0;
}

std::string SiteBook::schemaProblem(int version) const
{
    if (version <= knownSchemaVersion())
        return {};
    return "the site book " + file_.string() + " has schema version " + std::to_string(version) +
           ", newer than this program knows (" + std::to_string(knownSchemaVersion()) +
           "); it was left as it is. Use a newer qarvoip.";
}

std::string SiteBook::migrate()
{
    QSqlDatabase db = database();
    QSqlQuery probe(db);
    // Reading the tables is the first read of the file: a damaged one fails here.
    if (!probe.exec(dialectSql("SELECT count(*) FROM {tables}", dialect_)))
        return problem(probe);
    const QStringList tables = db.tables();
    if (!tables.isEmpty() && !tables.contains(QStringLiteral("book_schema")))
        return "the site book " + file_.string() + " is a database of something else, not a site book; it was left as it is";
    const int version = tables.isEmpty() ? 0 : schemaVersion();
    if (std::string why = schemaProblem(version); !why.empty() || version == knownSchemaVersion())
        return why;
    for (bool current = false; !current;)
        if (std::string why = migrateOnce(current); !why.empty())
            return why;
    return {};
}

// One migration, from the version the book has once it is locked: another
// program may have migrated it meanwhile.
std::string SiteBook::migrateOnce(bool& current)
{
    QSqlDatabase db = database();
    return transaction([&] {
        std::string problem;
        QSqlQuery lock(db);
        if (!lock.exec(dialectSql("{lock}", dialect_)))
            return this->problem(lock);
        const int version = db.tables().contains(QStringLiteral("book_schema")) ? schemaVersion() : 0;
        current = version >= knownSchemaVersion();
        if (current)
            return schemaProblem(version);
        for (std::string_view statement : statementsOf(bookMigrations()[std::size_t(version)])) {
            QSqlQuery step(db);
            if (!step.exec(dialectSql(statement, dialect_)))
                return this->problem(step);
        }
        QSqlQuery stamp = query("UPDATE book_schema SET version = ?");
        stamp.addBindValue(version + 1);
        run(stamp, problem);
        return problem;
    });
}

// Sites ----------------------------------------------------------------

namespace {
constexpr const char* kSiteColumns = "id, name, address, port, mode, callback, account, panel_id, pc_id, notes, model, "
                                     "password_store";
} // namespace

Site SiteBook::siteOf(const QSqlQuery& row)
{
    Site site;
    site.id = row.value(0).toLongLong();
    site.name = s(row.value(1));
    site.address = s(row.value(2));
    site.port = static_cast<std::uint16_t>(row.value(3).toUInt());
    site.mode = s(row.value(4));
    site.callback = s(row.value(5));
    site.account = s(row.value(6));
    site.panelId = s(row.value(7));
    site.pcId = s(row.value(8));
    site.notes = s(row.value(9));
    site.model = s(row.value(10));
    site.passwordStore = passwordStoreOf(s(row.value(11)));
    QSqlQuery tags = query("SELECT tag FROM site_tags WHERE site_id = ? ORDER BY tag");
    tags.addBindValue(QVariant::fromValue(site.id));
    std::string why;
    if (run(tags, why))
        while (tags.next())
            site.tags.push_back(s(tags.value(0)));
    return site;
}

std::string SiteBook::writeTags(const Site& site)
{
    std::string why;
    QSqlQuery clear = query("DELETE FROM site_tags WHERE site_id = ?");
    clear.addBindValue(QVariant::fromValue(site.id));
    if (!run(clear, why))
        return why;
    for (const std::string& tag : site.tags) {
        QSqlQuery insert = query("INSERT INTO site_tags (site_id, tag) VALUES (?, ?) ON CONFLICT DO NOTHING");
        insert.addBindValue(QVariant::fromValue(site.id));
        insert.addBindValue(q(tag));
        if (!run(insert, why))
            return why;
    }
    return {};
}

namespace {
// The password column: the password only when the book keeps it.
QVariant passwordValue(const Site& site)
{
    if (site.passwordStore != PasswordStore::Book || !site.password)
        return QVariant(QMetaType::fromType<QString>());
    return QString::fromStdString(*site.password);
}

void bindConnection(QSqlQuery& query, const Site& site)
{
    for (const std::string* text : {&site.address})
        query.addBindValue(QString::fromStdString(*text));
    query.addBindValue(site.port);
    for (const std::string* text : {&site.mode, &site.callback, &site.account, &site.panelId, &site.pcId, &site.notes,
                                    &site.model})
        query.addBindValue(QString::fromStdString(*text));
    query.addBindValue(passwordValue(site));
    query.addBindValue(QString::fromLatin1(passwordStoreName(site.passwordStore)));
}
} // namespace

std::string SiteBook::insertSite(Site& site)
{
    if (findSite(site.name))
        return "a site named '" + site.name + "' is already in the book";
    QSqlQuery insert = query("INSERT INTO sites (name, address, port, mode, callback, account, panel_id, pc_id, notes, "
                             "model, password, password_store, created_at) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) {returning}");
    insert.addBindValue(q(site.name));
    bindConnection(insert, site);
    insert.addBindValue(q(bookTime()));
    std::string why;
    if (!run(insert, why))
        return why;
    site.id = insertedId(insert);
    return writeTags(site);
}

std::string SiteBook::addSite(Site& site)
{
    return transaction([&] { return insertSite(site); });
}

std::string SiteBook::addSites(std::vector<Site>& sites)
{
    return transaction([&] {
        for (Site& site : sites)
            if (std::string why = insertSite(site); !why.empty())
                return why;
        return std::string();
    });
}

std::string SiteBook::updateSite(const Site& site)
{
    return transaction([&] {
        const auto same = findSite(site.name);
        if (same && same->id != site.id)
            return "a site named '" + site.name + "' is already in the book";
        QSqlQuery update = query("UPDATE sites SET name = ?, address = ?, port = ?, mode = ?, callback = ?, account = ?, "
                                 "panel_id = ?, pc_id = ?, notes = ?, model = ?, password = ?, password_store = ? "
                                 "WHERE id = ?");
        update.addBindValue(q(site.name));
        bindConnection(update, site);
        update.addBindValue(QVariant::fromValue(site.id));
        std::string why;
        if (!run(update, why))
            return why;
        return writeTags(site);
    });
}

std::string SiteBook::removeSite(const Site& site, bool purge)
{
    if (!purge) {
        QSqlQuery remove = query("UPDATE sites SET removed_at = ?, password = NULL WHERE id = ?");
        remove.addBindValue(q(bookTime()));
        remove.addBindValue(QVariant::fromValue(site.id));
        std::string why;
        run(remove, why);
        return why;
    }
    return transaction([&] {
        for (const char* sql : {"DELETE FROM site_tags WHERE site_id = ?", "DELETE FROM backups WHERE site_id = ?",
                                "DELETE FROM events WHERE site_id = ?", "DELETE FROM status_snapshots WHERE site_id = ?",
                                "DELETE FROM job_runs WHERE site_id = ?", "DELETE FROM fleet_jobs WHERE site_id = ?",
                                "DELETE FROM sites WHERE id = ?"}) {
            QSqlQuery remove = query(sql);
            remove.addBindValue(QVariant::fromValue(site.id));
            if (std::string why; !run(remove, why))
                return why;
        }
        return std::string();
    });
}

std::optional<Site> SiteBook::findSite(const std::string& name, bool orRemoved)
{
    QSqlQuery find = query(QString::fromLatin1("SELECT %1 FROM sites WHERE name = ? AND (removed_at IS NULL OR ?) "
                                               "ORDER BY removed_at IS NULL DESC, removed_at DESC LIMIT 1")
                               .arg(QLatin1String(kSiteColumns))
                               .toStdString());
    find.addBindValue(q(name));
    find.addBindValue(orRemoved);
    std::string why;
    if (!run(find, why) || !find.next())
        return std::nullopt;
    return siteOf(find);
}

std::vector<Site> SiteBook::sites(const std::string& tag)
{
    QSqlQuery list = query(QString::fromLatin1("SELECT %1 FROM sites WHERE removed_at IS NULL AND (? = '' OR id IN "
                                               "(SELECT site_id FROM site_tags WHERE tag = ?)) ORDER BY name")
                               .arg(QLatin1String(kSiteColumns))
                               .toStdString());
    list.addBindValue(q(tag));
    list.addBindValue(q(tag));
    std::vector<Site> found;
    std::string why;
    if (run(list, why))
        while (list.next())
            found.push_back(siteOf(list));
    return found;
}

std::optional<std::string> SiteBook::bookPassword(std::int64_t siteId)
{
    QSqlQuery find = query("SELECT password FROM sites WHERE id = ? AND password IS NOT NULL");
    find.addBindValue(QVariant::fromValue(siteId));
    std::string why;
    if (!run(find, why) || !find.next())
        return std::nullopt;
    return s(find.value(0));
}

std::string SiteBook::setModel(std::int64_t siteId, const std::string& model)
{
    QSqlQuery update = query("UPDATE sites SET model = ? WHERE id = ?");
    update.addBindValue(q(model));
    update.addBindValue(QVariant::fromValue(siteId));
    std::string why;
    run(update, why);
    return why;
}

// History --------------------------------------------------------------

std::vector<BackupEntry> SiteBook::backups(std::int64_t siteId)
{
    QSqlQuery list = query("SELECT id, site_id, taken_at, outcome, document, model, changed FROM backups "
                           "WHERE site_id = ? ORDER BY taken_at, id");
    list.addBindValue(QVariant::fromValue(siteId));
    std::vector<BackupEntry> found;
    std::string why;
    if (run(list, why))
        while (list.next())
            found.push_back({list.value(0).toLongLong(), list.value(1).toLongLong(), s(list.value(2)), s(list.value(3)),
                             s(list.value(4)), s(list.value(5)), s(list.value(6))});
    return found;
}

std::vector<JobRun> SiteBook::runs(std::int64_t siteId)
{
    QSqlQuery list = query("SELECT id, site_id, kind, started_at, ended_at, outcome, message FROM job_runs "
                           "WHERE site_id = ? ORDER BY started_at, id");
    list.addBindValue(QVariant::fromValue(siteId));
    std::vector<JobRun> found;
    std::string why;
    if (run(list, why))
        while (list.next())
            found.push_back({list.value(0).toLongLong(), list.value(1).toLongLong(), s(list.value(2)), s(list.value(3)),
                             list.value(4).isNull() ? std::nullopt : std::optional(s(list.value(4))), s(list.value(5)),
                             s(list.value(6))});
    return found;
}

std::string SiteBook::addEvents(std::int64_t siteId, const std::vector<EventEntry>& events, int& added)
{
    added = 0;
    const std::string readAt = bookTime();
    return transaction([&] {
        for (const EventEntry& event : events) {
            QSqlQuery insert = query("INSERT INTO events (site_id, line, record, panel_time, read_at) "
                                     "VALUES (?, ?, ?, ?, ?) ON CONFLICT DO NOTHING");
            insert.addBindValue(QVariant::fromValue(siteId));
            for (const std::string* text : {&event.line, &event.record, &event.panelTime, &readAt})
                insert.addBindValue(q(*text));
            if (std::string why; !run(insert, why))
                return why;
            added += insert.numRowsAffected() > 0 ? 1 : 0;
        }
        return std::string();
    });
}

int SiteBook::eventCount(std::int64_t siteId)
{
    QSqlQuery count = query("SELECT count(*) FROM events WHERE site_id = ?");
    count.addBindValue(QVariant::fromValue(siteId));
    std::string why;
    return run(count, why) && count.next() ? count.value(0).toInt() : 0;
}

std::vector<EventEntry> SiteBook::eventsReadSince(std::int64_t siteId, const std::string& since)
{
    QSqlQuery select = query("SELECT line, record, panel_time FROM events WHERE site_id = ? AND read_at >= ? "
                             "ORDER BY read_at, id");
    select.addBindValue(QVariant::fromValue(siteId));
    select.addBindValue(QString::fromStdString(since));
    std::vector<EventEntry> events;
    std::string why;
    if (run(select, why))
        while (select.next())
            events.push_back({select.value(0).toString().toStdString(), select.value(1).toString().toStdString(),
                              select.value(2).toString().toStdString()});
    return events;
}

std::string SiteBook::addSnapshot(std::int64_t siteId, const StatusSnapshot& snapshot)
{
    QSqlQuery insert = query("INSERT INTO status_snapshots (site_id, taken_at, arming, troubles, open_zones) "
                             "VALUES (?, ?, ?, ?, ?)");
    insert.addBindValue(QVariant::fromValue(siteId));
    for (const std::string& text : {bookTime(), snapshot.arming, snapshot.troubles, snapshot.openZones})
        insert.addBindValue(q(text));
    std::string why;
    run(insert, why);
    return why;
}

std::optional<StatusSnapshot> SiteBook::lastSnapshot(std::int64_t siteId)
{
    QSqlQuery last = query("SELECT taken_at, arming, troubles, open_zones FROM status_snapshots WHERE site_id = ? "
                           "ORDER BY taken_at DESC, id DESC LIMIT 1");
    last.addBindValue(QVariant::fromValue(siteId));
    std::string why;
    if (!run(last, why) || !last.next())
        return std::nullopt;
    return StatusSnapshot{s(last.value(0)), s(last.value(1)), s(last.value(2)), s(last.value(3))};
}

std::optional<std::int64_t> SiteBook::startRun(std::int64_t siteId, const std::string& kind, std::string& why)
{
    QSqlQuery insert = query("INSERT INTO job_runs (site_id, kind, started_at, outcome) VALUES (?, ?, ?, ?) {returning}");
    insert.addBindValue(QVariant::fromValue(siteId));
    for (const std::string& text : {kind, bookTime(), std::string(kRunning)})
        insert.addBindValue(q(text));
    if (!run(insert, why))
        return std::nullopt;
    return insertedId(insert);
}

std::string SiteBook::finishRun(std::int64_t runId, const std::string& outcome, const std::string& message,
                                const std::optional<BackupEntry>& backup)
{
    return transaction([&] {
        std::string why;
        if (backup) {
            QSqlQuery insert = query("INSERT INTO backups (site_id, taken_at, outcome, document, model, changed) "
                                     "VALUES (?, ?, ?, ?, ?, ?)");
            insert.addBindValue(QVariant::fromValue(backup->siteId));
            for (const std::string* text : {&backup->takenAt, &backup->outcome, &backup->document, &backup->model,
                                            &backup->changed})
                insert.addBindValue(q(*text));
            if (!run(insert, why))
                return why;
            if (!backup->model.empty() && !(why = setModel(backup->siteId, backup->model)).empty())
                return why;
        }
        QSqlQuery finish = query("UPDATE job_runs SET ended_at = ?, outcome = ?, message = ? WHERE id = ?");
        for (const std::string& text : {bookTime(), outcome, message})
            finish.addBindValue(q(text));
        finish.addBindValue(QVariant::fromValue(runId));
        run(finish, why);
        return why;
    });
}

// Documents ------------------------------------------------------------

fs::path SiteBook::incomingDocument() const { return DocumentStore(documentsFolder()).incomingFile(); }

// A shared book keeps the bytes in the book, once for each digest; the file
// stays in the local folder under its digest, to be opened from there.
std::string SiteBook::keepDocument(const fs::path& file, std::string& digest)
{
    const DocumentStore store(documentsFolder());
    if (!shared())
        return store.keep(file, digest);
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly))
        return file.string() + " could not be read";
    const QByteArray bytes = in.readAll();
    in.close();
    digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
    QSqlQuery insert = query("INSERT INTO documents (digest, content, kept_at) VALUES (?, ?, ?) ON CONFLICT DO NOTHING");
    insert.addBindValue(q(digest));
    insert.addBindValue(bytes);
    insert.addBindValue(q(bookTime()));
    if (std::string why; !run(insert, why))
        return why;
    std::string kept;
    return store.keep(file, kept);
}

std::optional<fs::path> SiteBook::documentFile(const std::string& digest, std::string& why)
{
    const DocumentStore store(documentsFolder());
    const fs::path file = store.pathOf(digest);
    std::error_code error;
    if (!shared() || fs::exists(file, error))
        return file;
    QSqlQuery select = query("SELECT content FROM documents WHERE digest = ?");
    select.addBindValue(q(digest));
    if (!run(select, why))
        return std::nullopt;
    if (!select.next()) {
        why = "the document " + digest + " is not in the site book " + file_.string();
        return std::nullopt;
    }
    const fs::path incoming = store.incomingFile();
    QFile out(QString::fromStdString(incoming.string()));
    const QByteArray bytes = select.value(0).toByteArray();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        why = "the document could not be written to " + incoming.string();
        return std::nullopt;
    }
    out.close();
    std::string kept;
    if (why = store.keep(incoming, kept); !why.empty())
        return std::nullopt;
    return store.pathOf(kept);
}

} // namespace qarvo::sites

// The site book over a real SQLite file in a temporary folder: created and
// migrated on first use, refusing what it cannot use without changing it,
// keeping a record read twice once and a killed run visibly not finished.
#include "sites/BookSchema.h"
#include "sites/SiteBook.h"
#include "support/TempDir.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

using namespace qarvo;
using namespace qarvo::sites;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs one statement on the file through a connection of the test's own.
void execute(const fs::path& file, const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-direct");
        db.setDatabaseName(QString::fromStdString(file.string()));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase("test-direct");
}

std::unique_ptr<SiteBook> openBook(const fs::path& file)
{
    std::string why;
    auto book = SiteBook::open(file, why);
    EXPECT_TRUE(book) << why;
    return book;
}

Site aSite(const std::string& name)
{
    Site site;
    site.name = name;
    site.address = "127.0.0.1";
    return site;
}

TEST(SiteBook, IsCreatedAtTheCurrentSchemaOwnerOnly)
{
    TempDir dir;
    const fs::path file = dir.file("sites.db");
    auto book = openBook(file);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->schemaVersion(), knownSchemaVersion());
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    book.reset();
    EXPECT_EQ(openBook(file)->schemaVersion(), knownSchemaVersion()); // a second opening migrates nothing
}

// A book of the first schema, made by the first migration alone, is brought
// to the current one when opened, its sites kept.
TEST(SiteBook, AnOlderBookIsMigratedWithItsSites)
{
    TempDir dir;
    const fs::path file = dir.file("sites.db");
    for (std::string_view statement : statementsOf(bookMigrations().front()))
        execute(file, dialectSql(statement, SqlDialect::Sqlite));
    execute(file, "UPDATE book_schema SET version = 1");
    execute(file, "INSERT INTO sites (name, address, port, mode, created_at) VALUES ('shop', '127.0.0.1', 1, 'direct', '')");
    auto book = openBook(file);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->schemaVersion(), knownSchemaVersion());
    EXPECT_TRUE(book->findSite("shop"));
    EXPECT_TRUE(book->database().tables().contains("fleet_jobs"));
}

struct Refusal {
    const char* name;
    std::function<void(const fs::path&)> prepare;
    const char* message;
};

class RefusedBook : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedBook, IsLeftAsItWas)
{
    TempDir dir;
    const fs::path file = dir.file("sites.db");
    GetParam().prepare(file);
    const std::string before = contentOf(file);
    std::string why;
    EXPECT_FALSE(SiteBook::open(file, why));
    EXPECT_NE(why.find(GetParam().message), std::string::npos) << why;
    EXPECT_EQ(contentOf(file), before);
}

const Refusal kRefusals[] = {
    {"NewerSchema",
     [](const fs::path& file) {
         openBook(file).reset();
         execute(file, QString("UPDATE book_schema SET version = %1").arg(knownSchemaVersion() + 1));
     },
     "newer than this program knows"},
    {"NotADatabase", [](const fs::path& file) { std::ofstream(file) << "name,address\nshop,10.0.0.1\n"; },
     "not a site book (not a database)"},
    {"ReadOnly",
     [](const fs::path& file) {
         openBook(file).reset();
         fs::permissions(file, fs::perms::owner_read);
     },
     "is read-only"},
    {"AnotherDatabase", [](const fs::path& file) { execute(file, "CREATE TABLE notes (text TEXT)"); },
     "not a site book"},
};

INSTANTIATE_TEST_SUITE_P(Files, RefusedBook, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return info.param.name; });

TEST(SiteBook, WaitsForALockedBookThenSaysSo)
{
    TempDir dir;
    const fs::path file = dir.file("sites.db");
    openBook(file).reset();
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "test-writer");
    other.setDatabaseName(QString::fromStdString(file.string()));
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(QSqlQuery(other).exec("BEGIN IMMEDIATE"));
    std::string why;
    auto book = SiteBook::open(file, why, std::chrono::milliseconds(50));
    ASSERT_TRUE(book) << why;
    Site site = aSite("shop");
    EXPECT_NE(book->addSite(site).find("in use by another program"), std::string::npos);
    QSqlQuery(other).exec("ROLLBACK");
    other.close();
    other = {};
    QSqlDatabase::removeDatabase("test-writer");
    EXPECT_EQ(book->addSite(site), "");
}

TEST(SiteBook, KeepsARecordReadTwiceOnce)
{
    TempDir dir;
    auto book = openBook(dir.file("sites.db"));
    Site site = aSite("shop");
    ASSERT_EQ(book->addSite(site), "");
    const std::vector<EventEntry> events{{"Zone 1 open", "600C1E", "2026-03-05T14:07:00"},
                                         {"Zone 2 open", "600C1F", "2026-03-05T14:08:00"}};
    int added = 0;
    ASSERT_EQ(book->addEvents(site.id, events, added), "");
    EXPECT_EQ(added, 2);
    ASSERT_EQ(book->addEvents(site.id, events, added), "");
    EXPECT_EQ(added, 0);
    EXPECT_EQ(book->eventCount(site.id), 2);
}

TEST(SiteBook, ARunNeverFinishedStaysVisiblyRunning)
{
    TempDir dir;
    const fs::path file = dir.file("sites.db");
    std::int64_t siteId = 0;
    {
        auto book = openBook(file);
        Site site = aSite("shop");
        ASSERT_EQ(book->addSite(site), "");
        siteId = site.id;
        std::string why;
        ASSERT_TRUE(book->startRun(siteId, "backup", why)) << why;
    } // the program ends here without finishing the run, as a killed one would
    const auto runs = openBook(file)->runs(siteId);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].outcome, kRunning);
    EXPECT_FALSE(runs[0].endedAt);
}

} // namespace

// A shared book's documents live in the database: a document kept from one
// machine (its own local folder) is read on another, byte for byte, and is
// kept once however often it is kept.
#include "sites/SiteBook.h"
#include "support/PgServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QVariant>

#include <fstream>
#include <iterator>

namespace qarvo {
namespace {

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class SharedDocuments : public ::testing::Test {
protected:
    std::unique_ptr<sites::SiteBook> open(const std::filesystem::path& localFolder)
    {
        std::string why;
        auto book = sites::SiteBook::open(server.url(), why, sites::kBusyTimeout, localFolder);
        EXPECT_TRUE(book) << why;
        return book;
    }

    std::string keep(sites::SiteBook& book, const std::string& bytes)
    {
        const auto file = book.incomingDocument();
        std::ofstream(file, std::ios::binary) << bytes;
        std::string digest;
        EXPECT_EQ(book.keepDocument(file, digest), "");
        return digest;
    }

    testing::PgServer server;
    testing::TempDir here;
    testing::TempDir there;
};

TEST_F(SharedDocuments, AreReadOnAnotherMachineOnceKept)
{
    QARVO_NEED_PG_SERVER(server);
    const std::string bytes("\x00\x01 a panel's programming \xff", 26);
    auto writer = open(here.path());
    const std::string digest = keep(*writer, bytes);
    EXPECT_EQ(keep(*writer, bytes), digest);
    QSqlQuery count(writer->database());
    ASSERT_TRUE(count.exec("SELECT count(*) FROM documents") && count.next());
    EXPECT_EQ(count.value(0).toInt(), 1);

    auto reader = open(there.path());
    std::string why;
    const auto file = reader->documentFile(digest, why);
    ASSERT_TRUE(file) << why;
    EXPECT_EQ(file->parent_path(), there.path() / "documents");
    EXPECT_EQ(contents(*file), bytes);
}

TEST_F(SharedDocuments, OneNeverKeptIsNamedAsMissing)
{
    QARVO_NEED_PG_SERVER(server);
    auto reader = open(there.path());
    std::string why;
    EXPECT_FALSE(reader->documentFile(std::string(64, 'a'), why));
    EXPECT_NE(why.find("is not in the site book"), std::string::npos) << why;
}

} // namespace
} // namespace qarvo

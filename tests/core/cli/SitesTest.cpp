// qarvoip-cli sites and --site: the site book from the command line, against
// a simulated panel of the test's own whose communicator wants a password
// only the book knows.
#include "cli/CliApp.h"
#include "cli/ExitStatus.h"
#include "panel/FieldCodecs.h"
#include "sim/DemoPeers.h"
#include "sites/SiteBook.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace qarvo;
using namespace qarvo::cli;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

constexpr const char* kPassword = "7Qx9"; // not the settings' default
constexpr std::uint16_t kZone2Name = 0x310;
constexpr const char* kHeader = "name,address,port,mode,callback,account,panel_id,pc_id,tags,notes\n";

// Names resolve only as the test says: no name is ever looked up.
std::optional<std::uint32_t> testResolver(const std::string& name)
{
    return name == "panel.test" ? std::optional<std::uint32_t>(0x7F000001) : std::nullopt;
}

class Sites : public CliPanelTest {
protected:
    void SetUp() override
    {
        CliPanelTest::SetUp();
        own_.panel.setMemory(sim::demoProgramming(0x24));
        own_.communicator.setPassword(kPassword);
        fs::create_directory(home());
    }

    // A home folder of its own without PanelRPS.cfg: the connection can only come from the book.
    fs::path home() const { return dir() / "home"; }

    CliRun sites(Args args, const std::string& input = {})
    {
        args.insert(args.begin(), {"--home", home().string()});
        CliSetup setup;
        setup.input = input;
        setup.resolveHost = testResolver;
        return run(args, setup);
    }

    void addShop()
    {
        const CliRun added = sites({"sites", "add", "shop", "--address", "127.0.0.1", "--port",
                                    std::to_string(own_.communicator.port()), "--password-stdin", "--tag", "north"},
                                   std::string(kPassword) + "\n");
        ASSERT_EQ(added.status, kExitSuccess) << added.err;
    }

    int siteCount() { return int(std::ranges::count(sites({"sites", "list", "--json"}).out, '{')) - 1; }

    fs::path csv(const std::string& text)
    {
        const fs::path file = dir() / "sites.csv";
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
};

TEST_F(Sites, SiteReachesTheSimulatorWithTheStoredPassword)
{
    addShop();
    const CliRun identify = sites({"--site", "shop", "identify"});
    EXPECT_EQ(identify.status, kExitSuccess) << identify.err;
    const CliRun history = sites({"sites", "history", "shop"});
    EXPECT_TRUE(contains(history.out, "identify")) << history.out;
    EXPECT_EQ(sites({"identify"}).status, kExitUsage) << "without --site there is no address";
}

TEST_F(Sites, BackupsLandInHistoryAndDiffNamesTheChangedSetting)
{
    addShop();
    ASSERT_EQ(sites({"--site", "shop", "backup"}).status, kExitSuccess);
    auto memory = sim::demoProgramming(0x24);
    std::ranges::copy(panel::encodeText16("Back door"), memory.begin() + kZone2Name);
    own_.panel.setMemory(memory);
    const CliRun second = sites({"--site", "shop", "backup"});
    ASSERT_EQ(second.status, kExitSuccess) << second.err;

    int documents = 0;
    for (const auto& entry : fs::directory_iterator(home() / "documents")) {
        ++documents;
        EXPECT_EQ(entry.status().permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    }
    EXPECT_EQ(documents, 2) << "each backup's document, kept by its content, readable by its owner only";

    const CliRun history = sites({"sites", "history", "shop"});
    EXPECT_TRUE(contains(history.out, "first backup")) << history.out;
    EXPECT_TRUE(contains(history.out, "1 setting(s) changed")) << history.out;
    const CliRun diff = sites({"sites", "diff", "shop"});
    EXPECT_EQ(diff.status, kExitFailure) << diff.err;
    ASSERT_EQ(diff.outLines().size(), 1u) << diff.out;
    EXPECT_TRUE(diff.out.starts_with("zone.02.name: 'Hall' -> 'Back door'")) << diff.out;
}

TEST_F(Sites, ARunLeftRunningIsShownNotFinished)
{
    addShop();
    {
        std::string why;
        auto book = sites::SiteBook::open(home() / sites::kBookFileName, why);
        ASSERT_TRUE(book) << why;
        ASSERT_TRUE(book->startRun(book->findSite("shop")->id, "backup", why)) << why;
    } // never finished, as by a program killed during its backup
    const CliRun history = sites({"sites", "history", "shop"});
    ASSERT_EQ(history.status, kExitSuccess) << history.err;
    EXPECT_TRUE(contains(history.line("#"), "not finished")) << history.out;
    EXPECT_TRUE(contains(sites({"sites", "history", "shop", "--json"}).out, "\"finished\": false"));
}

TEST_F(Sites, PasswordsNeverAppear)
{
    addShop();
    for (const Args& args : std::vector<Args>{{"sites", "list"},
                                              {"sites", "list", "--json"},
                                              {"sites", "show", "shop"},
                                              {"sites", "show", "shop", "--json"},
                                              {"--site", "shop", "read-events"},
                                              {"sites", "history", "shop", "--json"}}) {
        const CliRun r = sites(args);
        EXPECT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_FALSE(contains(r.out + r.err, kPassword)) << r.out << r.err;
    }
    EXPECT_TRUE(contains(sites({"sites", "show", "shop"}).line("Password:"), "****"));
}

struct BadSite {
    Args args;
    const char* message;
};

TEST_F(Sites, BadSitesAreRefusedAndChangeNothing)
{
    addShop();
    const std::vector<BadSite> table{
        {{"add", "shop", "--address", "10.0.0.1"}, "a site named 'shop' is already in the book"},
        {{"add", "b", "--address", "10.0.0"}, "address: expected an IPv4 address"},
        {{"add", "b", "--address", "nowhere.test"}, "could not be resolved"},
        {{"add", "b", "--address", "10.0.0.1", "--port", "65536"}, "expected a port number from 1 to 65535"},
        {{"add", "b", "--address", "10.0.0.1", "--panel-id", "12G4"}, "panel-id: expected four hexadecimal digits"},
        {{"add", "b", "--address", "10.0.0.1", "--pc-id", "123"}, "pc-id: expected four hexadecimal digits"},
        {{"edit", "shop", "--address", "10.0.0.300"}, "address: expected an IPv4 address"},
    };
    for (const BadSite& row : table) {
        Args args = row.args;
        args.insert(args.begin(), "sites");
        const CliRun r = sites(args);
        EXPECT_NE(r.status, kExitSuccess) << row.message;
        EXPECT_TRUE(contains(r.err, row.message)) << r.err;
    }
    EXPECT_EQ(siteCount(), 1);
    EXPECT_TRUE(contains(sites({"sites", "show", "shop"}).line("Address:"), "127.0.0.1"));
}

struct BadLine {
    std::string line;
    const char* message;
};

TEST_F(Sites, ImportRefusesEachBadLineByNumberAndImportsNothing)
{
    const std::vector<BadLine> table{
        {"a,10.0.0.1,51069,direct,,,,,", "9 columns where the header has 10 (a column is missing)"},
        {"a,10.0.0.1,51069,direct,,,,,,,", "11 columns where the header has 10 (an extra column)"},
        {"a,10.0.0.1,0,direct,,,,,,", "port: expected a port number"},
        {"a,nowhere.test,51069,direct,,,,,,", "address: the host name 'nowhere.test' could not be resolved"},
        {"a,10.0.0.1,51069,dial,,,,,,", "mode: expected direct, callback or wait"},
        {"a,10.0.0.1,51069,direct,,,ABCDE,,,", "panel-id: expected four hexadecimal digits"},
        {"a,10.0.0.1,51069,direct,,,,,,caf\xE9", "bytes that are not UTF-8"},
        {"good,10.0.0.1,51069,direct,,,,,,", "the name 'good' is given on an earlier line"},
    };
    for (const BadLine& row : table) {
        const fs::path file = csv(std::string(kHeader) + "good,panel.test,51069,direct,,,,,,\n" + row.line + "\n");
        const CliRun r = sites({"sites", "import", file.string()});
        EXPECT_EQ(r.status, kExitFailure) << row.line;
        EXPECT_TRUE(contains(r.err, file.string() + ":3: " + row.message)) << r.err;
        EXPECT_TRUE(contains(r.err, "nothing was imported")) << r.err;
        EXPECT_EQ(siteCount(), 0);
    }
    const fs::path file = csv(std::string(kHeader) + "good,panel.test,51069,direct,,,,,,\n" + table[0].line + "\n");
    const CliRun skipped = sites({"sites", "import", file.string(), "--skip-bad"});
    EXPECT_EQ(skipped.status, kExitSuccess) << skipped.err;
    EXPECT_EQ(siteCount(), 1);
}

TEST_F(Sites, DbChoosesAnotherBook)
{
    addShop();
    const fs::path other = dir() / "other.db";
    EXPECT_EQ(sites({"--db", other.string(), "sites", "list"}).outLines().size(), 1u) << "the header only";
    EXPECT_TRUE(fs::exists(other));
    EXPECT_EQ(siteCount(), 1) << "the home folder's book is untouched";
}

TEST_F(Sites, ExportReadsBackAsTheSameSites)
{
    addShop();
    const fs::path file = dir() / "out.csv";
    ASSERT_EQ(sites({"sites", "export", file.string()}).status, kExitSuccess);
    ASSERT_EQ(sites({"sites", "rm", "shop", "--yes", "--purge"}).status, kExitSuccess);
    const CliRun imported = sites({"sites", "import", file.string()});
    ASSERT_EQ(imported.status, kExitSuccess) << imported.err;
    EXPECT_TRUE(contains(sites({"sites", "list", "--tag", "north"}).out, "shop"));
}

} // namespace

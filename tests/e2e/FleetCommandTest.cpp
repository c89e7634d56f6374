// qarvoip-cli fleet over a simulated fleet in this process and a real book
// in the test's folder: each site of a fault mix ends with its own outcome,
// and the book keeps what each run brought exactly once.
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sites/SiteBook.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace qarvo {
namespace {

using testing::runCommandLine;

// The outcome a site's profile must come to.
std::string expectedOutcome(sim::SiteProfile profile)
{
    switch (profile) {
    case sim::SiteProfile::Offline: return "failed";
    case sim::SiteProfile::WrongPassword: return "refused";
    default: return "done";
    }
}

class FleetCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim::FleetSetup setup;
        setup.sites = 12;
        // A lossy line needs the real time-outs (tens of seconds a site): the
        // long-running lossy-link tests cover it.
        setup.mix = *sim::parseProfileMix("healthy=9,offline=1,wrong-password=1,slow=1");
        setup.seed = 7;
        setup.eventEvery = std::chrono::milliseconds(0);
        fleet = std::make_unique<sim::SimFleet>(setup);
        ASSERT_TRUE(fleet->start()) << fleet->error();
        const auto list = dir.file("sites.csv");
        ASSERT_EQ(sim::writeSiteList(list, fleet->sites()), "");
        ASSERT_EQ(cli({"sites", "import", list.string()}).status, 0);
    }

    testing::CliRun cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", dir.path().string(), "--db", dir.file("sites.db").string()});
        return runCommandLine(args);
    }

    // The outcome of each site, by name, from the run's JSON.
    std::map<std::string, std::string> outcomes(const testing::CliRun& run)
    {
        std::map<std::string, std::string> byName;
        const auto sites = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object()["sites"].toArray();
        for (const auto& value : sites) {
            const QJsonObject site = value.toObject();
            byName[site["site"].toString().toStdString()] = site["outcome"].toString().toStdString();
        }
        return byName;
    }

    int storedEvents()
    {
        std::string why;
        auto book = sites::SiteBook::open(dir.file("sites.db"), why);
        int count = 0;
        for (const auto& site : book->sites())
            count += book->eventCount(site.id);
        return count;
    }

    testing::TempDir dir;
    std::unique_ptr<sim::SimFleet> fleet;
};

TEST_F(FleetCommand, EachSiteOfAFaultMixEndsWithItsOwnOutcome)
{
    const auto run = cli({"fleet", "backup", "--jobs", "6", "--retries", "0", "--json"});
    EXPECT_EQ(run.status, 1) << run.err;
    const auto byName = outcomes(run);
    ASSERT_EQ(byName.size(), fleet->sites().size()) << run.out;
    for (const sim::FleetSite& site : fleet->sites())
        EXPECT_EQ(byName.at(site.name), expectedOutcome(site.profile))
            << site.name << " (" << sim::profileInfo(site.profile).name << ")\n" << run.err;
    std::string why;
    auto book = sites::SiteBook::open(dir.file("sites.db"), why);
    for (const auto& site : book->sites())
        for (const auto& run : book->runs(site.id))
            EXPECT_NE(run.outcome, sites::kRunning) << site.name;
}

TEST_F(FleetCommand, ASecondEventsRunKeepsNothingNewWhenNothingHappened)
{
    cli({"fleet", "events", "--jobs", "6", "--retries", "0"});
    const int first = storedEvents();
    EXPECT_GT(first, 0);
    cli({"fleet", "events", "--jobs", "6", "--retries", "0"});
    EXPECT_EQ(storedEvents(), first);
}

} // namespace
} // namespace qarvo

// A site job over a simulated fleet and a real book in the test's folder:
// each fault profile comes to its own attempt (a site that does not answer
// is worth another attempt, a refused password never is), a stop ends the
// attempt as interrupted, and every run is kept in the book with the
// command's outcome word.
#include "fleet/SiteJobs.h"
#include "fleet/SiteRecord.h"
#include "session/JobResult.h"
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sites/SitePasswords.h"
#include "support/Eventually.h"
#include "support/TempDir.h"
#include "support/Timing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <numeric>

namespace qarvo::fleet {
namespace {

class SiteJobs : public ::testing::Test {
protected:
    // Starts a fleet of the mix, one site a profile, and keeps its sites in the book.
    void start(const std::string& mix)
    {
        sim::FleetSetup setup;
        setup.mix = *sim::parseProfileMix(mix);
        setup.sites = std::accumulate(setup.mix.begin(), setup.mix.end(), 0u);
        setup.eventEvery = std::chrono::milliseconds(0);
        fleet = std::make_unique<sim::SimFleet>(setup);
        ASSERT_TRUE(fleet->start()) << fleet->error();
        std::string why;
        book = sites::SiteBook::open(dir.file("sites.db"), why);
        ASSERT_TRUE(book) << why;
        for (const sim::FleetSite& simulated : fleet->sites()) {
            sites::Site site = sim::bookSite(simulated);
            ASSERT_EQ(book->addSite(site), "");
            ASSERT_EQ(sites::placePassword(*book, site, simulated.password), "");
            ASSERT_EQ(book->updateSite(site), "");
        }
    }

    std::vector<sites::JobRun> runs(const std::string& site) { return book->runs(book->findSite(site)->id); }

    testing::TempDir dir;
    std::unique_ptr<sim::SimFleet> fleet;
    std::unique_ptr<sites::SiteBook> book;
    const SiteJobSettings settings{dir.file("sites.db"), {}, testing::fastTiming()};
};

struct Expected {
    sim::SiteProfile profile;
    Outcome outcome;
    bool transient;
    int exitStatus; // what the book's run outcome word stands for
};
constexpr Expected kExpected[] = {
    {sim::SiteProfile::Healthy, Outcome::Done, false, session::exit_status::kSuccess},
    {sim::SiteProfile::Offline, Outcome::Failed, true, session::exit_status::kConnection},
    {sim::SiteProfile::WrongPassword, Outcome::Refused, false, session::exit_status::kRefused},
};

TEST_F(SiteJobs, EachProfileComesToItsOwnAttemptAndRun)
{
    start("healthy=1,offline=1,wrong-password=1");
    for (const sim::FleetSite& site : fleet->sites()) {
        const Expected& expected = *std::ranges::find(kExpected, site.profile, &Expected::profile);
        const Attempt attempt = runSiteJob(SiteJob::Status, site.name, settings, {});
        EXPECT_EQ(attempt.outcome, expected.outcome) << site.name << ": " << attempt.message;
        EXPECT_EQ(attempt.transient, expected.transient) << site.name;
        EXPECT_EQ(attempt.message.empty(), expected.outcome == Outcome::Done) << site.name << ": " << attempt.message;
        const auto kept = runs(site.name);
        ASSERT_EQ(kept.size(), 1u) << site.name;
        EXPECT_EQ(kept.front().kind, "status");
        EXPECT_EQ(kept.front().outcome, runOutcomeOf(expected.exitStatus)) << site.name;
    }
}

TEST_F(SiteJobs, AStopEndsTheAttemptAsInterrupted)
{
    start("slow=1");
    const std::string site = fleet->sites().front().name;
    std::stop_source stop;
    auto attempt = std::async(std::launch::async,
                              [&] { return runSiteJob(SiteJob::Backup, site, settings, stop.get_token()); });
    ASSERT_TRUE(testing::eventually([&] { return !runs(site).empty(); }));
    stop.request_stop();
    const Attempt ended = attempt.get();
    EXPECT_EQ(ended.outcome, Outcome::Interrupted) << ended.message;
    EXPECT_EQ(runs(site).front().outcome, runOutcomeOf(session::exit_status::kInterrupted));
}

} // namespace
} // namespace qarvo::fleet

// A site job over a simulated fleet and a real book in the test's folder:
// each fault profile comes to its own attempt (a site that does not answer
// is worth another attempt, a refused password never is), and the run is
// kept in the book with the command's outcome word.
#include "fleet/SiteJobs.h"
#include "fleet/SiteRecord.h"
#include "session/JobResult.h"
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sites/SitePasswords.h"
#include "support/TempDir.h"
#include "support/Timing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qarvo::fleet {
namespace {

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

TEST(SiteJobs, EachProfileComesToItsOwnAttemptAndRun)
{
    sim::FleetSetup setup;
    setup.sites = std::size(kExpected);
    setup.mix = *sim::parseProfileMix("healthy=1,offline=1,wrong-password=1");
    setup.eventEvery = std::chrono::milliseconds(0);
    sim::SimFleet fleet(setup);
    ASSERT_TRUE(fleet.start()) << fleet.error();
    testing::TempDir dir;
    std::string why;
    auto book = sites::SiteBook::open(dir.file("sites.db"), why);
    ASSERT_TRUE(book) << why;
    for (const sim::FleetSite& simulated : fleet.sites()) {
        sites::Site site = sim::bookSite(simulated);
        ASSERT_EQ(book->addSite(site), "");
        ASSERT_EQ(sites::placePassword(*book, site, simulated.password), "");
        ASSERT_EQ(book->updateSite(site), "");
    }
    const SiteJobSettings settings{dir.file("sites.db"), {}, testing::fastTiming()};
    for (const sim::FleetSite& site : fleet.sites()) {
        const Expected& expected = *std::ranges::find(kExpected, site.profile, &Expected::profile);
        const Attempt attempt = runSiteJob(SiteJob::Status, site.name, settings, {});
        EXPECT_EQ(attempt.outcome, expected.outcome) << site.name << ": " << attempt.message;
        EXPECT_EQ(attempt.transient, expected.transient) << site.name;
        EXPECT_EQ(attempt.message.empty(), expected.outcome == Outcome::Done) << site.name << ": " << attempt.message;
        const auto runs = book->runs(book->findSite(site.name)->id);
        ASSERT_EQ(runs.size(), 1u) << site.name;
        EXPECT_EQ(runs.front().kind, "status");
        EXPECT_EQ(runs.front().outcome, runOutcomeOf(expected.exitStatus)) << site.name;
    }
}

} // namespace
} // namespace qarvo::fleet

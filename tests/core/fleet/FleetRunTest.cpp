#include "fleet/FleetRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <map>

namespace qarvo::fleet {
namespace {

using namespace std::chrono_literals;

// Each site's attempts in turn; the last one repeats.
using Script = std::vector<Attempt>;
const Attempt kDone{Outcome::Done, false, {}};
const Attempt kNoAnswer{Outcome::Failed, true, "no answer"};
const Attempt kWrongPassword{Outcome::Refused, false, "wrong password"};
const Attempt kBroken{Outcome::Failed, false, "document refused"};

struct Case {
    Script script;
    Outcome outcome;
    int attempts; // with two retries
};

TEST(FleetRun, RetriesOnlyPassingFailuresAndKeepsTheLastMessage)
{
    const std::map<std::string, Case> cases{
        {"healthy", {{kDone}, Outcome::Done, 1}},
        {"lossy", {{kNoAnswer, kDone}, Outcome::Done, 2}},
        {"offline", {{kNoAnswer}, Outcome::Failed, 3}},
        {"password", {{kWrongPassword}, Outcome::Refused, 1}},
        {"broken", {{kBroken}, Outcome::Failed, 1}},
    };
    std::vector<std::string> sites;
    for (const auto& [name, c] : cases)
        sites.push_back(name);
    std::mutex mutex;
    std::map<std::string, std::size_t> tries;
    FleetRun run(sites, {.jobs = 2, .retries = 2, .backoff = 1ms}, [&](const std::string& site, std::stop_token) {
        std::lock_guard lock(mutex);
        const Script& script = cases.at(site).script;
        return script[std::min(tries[site]++, script.size() - 1)];
    });
    FleetCounts last;
    FleetRun::Listener listener;
    listener.finished = [&](const SiteResult&, const FleetCounts& c) { last = c; };
    const auto results = run.run(listener);
    ASSERT_EQ(results.size(), sites.size());
    for (const SiteResult& r : results) {
        SCOPED_TRACE(r.site);
        const Case& c = cases.at(r.site);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.attempts, c.attempts);
        EXPECT_EQ(r.message, c.script[std::size_t(c.attempts - 1) % c.script.size()].message);
    }
    EXPECT_EQ(last.done, 2);
    EXPECT_EQ(last.failed, 3);
    EXPECT_EQ(last.running, 0);
}

TEST(FleetRun, NeverRunsMoreSitesAtOnceThanAsked)
{
    std::atomic<int> running{0}, most{0};
    FleetRun run(std::vector<std::string>(24, "site"), {.jobs = 4}, [&](const std::string&, std::stop_token) {
        const int now = ++running;
        for (int seen = most; now > seen && !most.compare_exchange_weak(seen, now);)
            ;
        std::this_thread::yield();
        --running;
        return kDone;
    });
    const auto results = run.run();
    EXPECT_EQ(std::ranges::count(results, Outcome::Done, &SiteResult::outcome), 24);
    EXPECT_LE(most.load(), 4);
}

TEST(FleetRun, StopEndsTheRunningSitesAndStartsNoOtherAllComeBackInterrupted)
{
    std::latch bothRunning(2);
    std::atomic<int> started{0};
    FleetRun* self = nullptr;
    FleetRun run(std::vector<std::string>(6, "site"), {.jobs = 2, .retries = 5, .backoff = 1h},
                 [&](const std::string&, std::stop_token stop) {
                     ++started;
                     bothRunning.count_down();
                     bothRunning.wait();
                     self->stop();
                     while (!stop.stop_requested())
                         std::this_thread::yield();
                     return kNoAnswer; // a transient failure would otherwise wait an hour and try again
                 });
    self = &run;
    const auto results = run.run();
    EXPECT_EQ(started.load(), 2);
    EXPECT_EQ(std::ranges::count(results, Outcome::Interrupted, &SiteResult::outcome), 6);
}

} // namespace
} // namespace qarvo::fleet

// The queue's claims over a real server: two runs that both name a site
// never have it worked on at once; a job whose worker no longer holds it
// keeps no outcome from that worker.
#include "sites/JobQueue.h"
#include "support/PgServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qarvo {
namespace {

using namespace std::chrono_literals;

class JobQueueOnAServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        QARVO_NEED_PG_SERVER(server);
        std::string why;
        book = sites::SiteBook::open(server.url(), why, sites::kBusyTimeout, dir.path());
        ASSERT_TRUE(book) << why;
        site.name = "shop";
        site.address = "127.0.0.1";
        ASSERT_EQ(book->addSite(site), "");
        queue = std::make_unique<sites::JobQueue>(*book);
    }

    std::int64_t enqueue(const std::string& kind)
    {
        std::string why;
        const auto run = queue->enqueue(kind, 0, {site}, why);
        EXPECT_TRUE(run) << why;
        return run.value_or(0);
    }

    testing::PgServer server;
    testing::TempDir dir;
    std::unique_ptr<sites::SiteBook> book;
    std::unique_ptr<sites::JobQueue> queue;
    sites::Site site;
};

TEST_F(JobQueueOnAServer, ASiteOfTwoRunsIsWorkedOnByOneWorkerAtATime)
{
    enqueue("backup");
    const std::int64_t second = enqueue("status");
    std::string why;
    const auto first = queue->claim("a", 120s, why);
    ASSERT_TRUE(first) << why;
    EXPECT_FALSE(queue->claim("b", 120s, why)) << "the site is being worked on";
    EXPECT_EQ(why, "");
    ASSERT_EQ(queue->finish(*first, "a", {site.name, fleet::Outcome::Done, {}, 1, {}}), "");
    const auto next = queue->claim("b", 120s, why);
    ASSERT_TRUE(next) << why;
    EXPECT_EQ(next->runId, second);
}

TEST_F(JobQueueOnAServer, AWorkerThatNoLongerHoldsAJobKeepsNoOutcome)
{
    enqueue("backup");
    std::string why;
    const auto job = queue->claim("a", 120s, why);
    ASSERT_TRUE(job) << why;
    EXPECT_NE(queue->finish(*job, "b", {site.name, fleet::Outcome::Done, {}, 1, {}}), "");
    ASSERT_EQ(queue->release(*job, "a"), "");
    EXPECT_NE(queue->finish(*job, "a", {site.name, fleet::Outcome::Done, {}, 1, {}}), "");
}

} // namespace
} // namespace qarvo

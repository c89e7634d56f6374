// A fleet run queued in a shared book on a real PostgreSQL server, taken by
// qarvoip-cli worker processes from a simulated fleet: every site is done
// exactly once whatever happens to a worker or to the server meanwhile.
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sites/SiteBook.h"
#include "support/CliRun.h"
#include "support/Eventually.h"
#include "support/PgServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <csignal>

namespace qarvo {
namespace {

using namespace std::chrono_literals;

constexpr int kWorkerMilliseconds = 100000;
constexpr auto kClaimWait = 30000ms;

struct QueueCase {
    const char* name;
    std::size_t sites;
    int workers;
    const char* jobs;
    const char* lease;
};

class FleetQueue : public ::testing::Test {
protected:
    void start(std::size_t sites, std::chrono::milliseconds lineDelay = 0ms)
    {
        QARVO_NEED_PG_SERVER(server);
        sim::FleetSetup setup;
        setup.sites = sites;
        setup.mix = *sim::parseProfileMix("healthy=1");
        setup.eventEvery = 0ms;
        setup.lineDelay = lineDelay;
        fleet = std::make_unique<sim::SimFleet>(setup);
        ASSERT_TRUE(fleet->start()) << fleet->error();
        const auto list = dir.file("sites.csv");
        ASSERT_EQ(sim::writeSiteList(list, fleet->sites()), "");
        const auto imported = cli({"sites", "import", list.string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
        std::string why;
        book = sites::SiteBook::open(server.url(), why);
        ASSERT_TRUE(book) << why;
    }

    testing::CliRun cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", dir.path().string(), "--db", server.url()});
        return testing::runCommandLine(args);
    }

    std::string queueBackup()
    {
        const auto queued = cli({"fleet", "backup", "--queue"});
        EXPECT_EQ(queued.status, 0) << queued.err;
        return queued.outLines().empty() ? "" : queued.outLines().front();
    }

    std::unique_ptr<QProcess> worker(const std::string& jobs, const std::string& lease)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::MergedChannels);
        QStringList args{"--home", QString::fromStdString(dir.path().string()), "--db",
                         QString::fromStdString(server.url()), "fleet", "worker", "--until-idle", "--jobs",
                         QString::fromStdString(jobs), "--lease", QString::fromStdString(lease)};
        process->start(QStringLiteral(QARVOIP_CLI), args);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    static std::string ended(QProcess& process, int& status)
    {
        const bool finished = process.waitForFinished(kWorkerMilliseconds);
        status = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return process.readAll().toStdString();
    }

    static void expectEachEndsWell(std::vector<std::unique_ptr<QProcess>>& workers)
    {
        for (auto& process : workers) {
            int status = -1;
            const std::string output = ended(*process, status);
            EXPECT_EQ(status, 0) << output;
        }
    }

    long long scalar(const std::string& sql)
    {
        QSqlQuery query(book->database());
        EXPECT_TRUE(query.exec(QString::fromStdString(sql)) && query.next()) << sql;
        return query.value(0).toLongLong();
    }

    // Every site queued once and done once, none left running.
    void expectEverySiteDoneOnce()
    {
        const auto sites = static_cast<long long>(fleet->sites().size());
        EXPECT_EQ(scalar("SELECT count(DISTINCT site_id) FROM fleet_jobs WHERE state = 'done' AND outcome = 'done'"),
                  sites);
        EXPECT_EQ(scalar("SELECT count(*) FROM fleet_jobs"), sites);
        EXPECT_EQ(scalar("SELECT count(*) FROM job_runs WHERE outcome = 'running'"), 0);
    }

    testing::PgServer server;
    testing::TempDir dir;
    std::unique_ptr<sim::SimFleet> fleet;
    std::unique_ptr<sites::SiteBook> book;
};

class WorkersTogether : public FleetQueue, public ::testing::WithParamInterface<QueueCase> {};

// Three workers on sixty sites; two workers started at the same instant.
// No job is ever claimed twice: each is claimed once, and its site backed up once.
TEST_P(WorkersTogether, DoEverySiteExactlyOnce)
{
    const QueueCase& c = GetParam();
    start(c.sites);
    if (HasFatalFailure() || IsSkipped())
        return;
    const std::string run = queueBackup();
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < c.workers; ++i)
        workers.push_back(worker(c.jobs, c.lease));
    const auto waited = cli({"fleet", "wait", run});
    EXPECT_EQ(waited.status, 0) << waited.err;
    expectEachEndsWell(workers);
    expectEverySiteDoneOnce();
    EXPECT_EQ(scalar("SELECT max(claims) FROM fleet_jobs"), 1);
    EXPECT_EQ(scalar("SELECT count(*) FROM backups WHERE outcome = 'ok'"), static_cast<long long>(c.sites));
    EXPECT_EQ(scalar("SELECT count(*) FROM backups b WHERE NOT EXISTS "
                     "(SELECT 1 FROM documents d WHERE d.digest = b.document)"),
              0);
}

constexpr QueueCase kTogether[] = {
    {"ThreeWorkersOnSixtySites", 60, 3, "4", "120"},
    {"TwoWorkersStartedAtOnce", 20, 2, "8", "120"},
};
INSTANTIATE_TEST_SUITE_P(Pg, WorkersTogether, ::testing::ValuesIn(kTogether),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FleetQueue, AKilledWorkersJobIsTakenAgainAfterItsLease)
{
    start(6, 15ms);
    if (HasFatalFailure() || IsSkipped())
        return;
    const std::string run = queueBackup();
    auto doomed = worker("6", "2");
    const std::string mine = ":" + std::to_string(doomed->processId());
    ASSERT_TRUE(testing::eventually(
        [&] {
            return scalar("SELECT count(*) FROM fleet_jobs WHERE state = 'running' AND worker LIKE '%" + mine + "'") > 0;
        },
        kClaimWait));
    ::kill(pid_t(doomed->processId()), SIGKILL);
    doomed->waitForFinished(kWorkerMilliseconds);
    auto survivor = worker("6", "2");
    const auto waited = cli({"fleet", "wait", run});
    EXPECT_EQ(waited.status, 0) << waited.err;
    int status = -1;
    const std::string output = ended(*survivor, status);
    EXPECT_EQ(status, 0) << output;
    expectEverySiteDoneOnce();
    EXPECT_GT(scalar("SELECT max(claims) FROM fleet_jobs"), 1);
    EXPECT_EQ(scalar("SELECT count(*) FROM backups WHERE outcome = 'ok'"), 6);
}

TEST_F(FleetQueue, WorkersGoOnAfterTheServerRestarts)
{
    start(24, 5ms);
    if (HasFatalFailure() || IsSkipped())
        return;
    const std::string run = queueBackup();
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < 2; ++i)
        workers.push_back(worker("3", "5"));
    ASSERT_TRUE(testing::eventually([&] { return scalar("SELECT count(*) FROM fleet_jobs WHERE state = 'done'") >= 3; },
                                    kClaimWait));
    const long long before = scalar("SELECT count(*) FROM fleet_jobs WHERE state = 'done'");
    book.reset();
    ASSERT_TRUE(server.restart()) << server.error();
    std::string why;
    book = sites::SiteBook::open(server.url(), why);
    ASSERT_TRUE(book) << why;
    EXPECT_GE(scalar("SELECT count(*) FROM fleet_jobs WHERE state = 'done'"), before);
    const auto waited = cli({"fleet", "wait", run});
    EXPECT_EQ(waited.status, 0) << waited.err;
    expectEachEndsWell(workers);
    EXPECT_EQ(scalar("SELECT count(*) FROM fleet_jobs WHERE state = 'done' AND outcome = 'done'"), 24);
}

} // namespace
} // namespace qarvo

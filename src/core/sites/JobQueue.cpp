#include "sites/JobQueue.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>

namespace qarvo::sites {

namespace {

constexpr std::array kOutcomes{fleet::Outcome::Done, fleet::Outcome::Failed, fleet::Outcome::Refused,
                               fleet::Outcome::Interrupted};

fleet::Outcome outcomeNamed(const std::string& name)
{
    for (fleet::Outcome outcome : kOutcomes)
        if (fleet::outcomeName(outcome) == name)
            return outcome;
    return fleet::Outcome::Failed;
}

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QVariant& value) { return value.toString().toStdString(); }

// The first free job: queued, or running under a lapsed lease, of a site
// no other job is running for. The unique index on the running jobs' sites
// stops two claims of one site that race past this test.
constexpr const char* kClaim = R"(
UPDATE fleet_jobs SET state = 'running', worker = ?, claims = claims + 1,
       lease_until = now() + make_interval(secs => ?), started_at = coalesce(started_at, now())
WHERE id = (SELECT j.id FROM fleet_jobs j
            WHERE (j.state = 'queued' OR (j.state = 'running' AND j.lease_until < now()))
              AND NOT EXISTS (SELECT 1 FROM fleet_jobs o
                              WHERE o.site_id = j.site_id AND o.state = 'running' AND o.id <> j.id)
            ORDER BY j.id LIMIT 1 FOR UPDATE SKIP LOCKED)
RETURNING id, run_id, site, claims, site_id,
          (SELECT kind FROM fleet_runs r WHERE r.id = run_id), (SELECT retries FROM fleet_runs r WHERE r.id = run_id)
)";

class Transaction {
public:
    explicit Transaction(QSqlDatabase db) : db_(std::move(db)) { open_ = db_.transaction(); }
    ~Transaction()
    {
        if (open_)
            db_.rollback();
    }
    bool open() const { return open_; }
    std::string commit()
    {
        open_ = false;
        return db_.commit() ? std::string() : db_.lastError().text().toStdString();
    }
    std::string problem() const { return db_.lastError().text().toStdString(); }

private:
    QSqlDatabase db_;
    bool open_ = false;
};

std::string problemOf(const QSqlQuery& query) { return query.lastError().text().toStdString(); }

} // namespace

std::optional<std::int64_t> JobQueue::enqueue(const std::string& kind, int retries, const std::vector<Site>& sites,
                                              std::string& why)
{
    Transaction transaction(book_.database());
    if (!transaction.open()) {
        why = transaction.problem();
        return std::nullopt;
    }
    QSqlQuery run(book_.database());
    run.prepare("INSERT INTO fleet_runs (kind, retries, created_at) VALUES (?, ?, ?) RETURNING id");
    run.addBindValue(q(kind));
    run.addBindValue(retries);
    run.addBindValue(q(bookTime()));
    if (!run.exec() || !run.next()) {
        why = problemOf(run);
        return std::nullopt;
    }
    const std::int64_t runId = run.value(0).toLongLong();
    for (const Site& site : sites) {
        QSqlQuery job(book_.database());
        job.prepare("INSERT INTO fleet_jobs (run_id, site_id, site) VALUES (?, ?, ?)");
        job.addBindValue(QVariant::fromValue(runId));
        job.addBindValue(QVariant::fromValue(site.id));
        job.addBindValue(q(site.name));
        if (!job.exec()) {
            why = problemOf(job);
            return std::nullopt;
        }
    }
    if (why = transaction.commit(); !why.empty())
        return std::nullopt;
    return runId;
}

std::optional<ClaimedJob> JobQueue::claim(const std::string& worker, std::chrono::seconds lease, std::string& why)
{
    why.clear();
    Transaction transaction(book_.database());
    if (!transaction.open()) {
        why = transaction.problem();
        return std::nullopt;
    }
    QSqlQuery claim(book_.database());
    claim.prepare(QString::fromLatin1(kClaim));
    claim.addBindValue(q(worker));
    claim.addBindValue(qint64(lease.count()));
    if (!claim.exec()) {
        why = problemOf(claim);
        return std::nullopt;
    }
    if (!claim.next())
        return std::nullopt;
    ClaimedJob job{claim.value(0).toLongLong(), claim.value(1).toLongLong(), s(claim.value(2)), s(claim.value(5)),
                   claim.value(6).toInt(), claim.value(3).toInt()};
    if (job.claims > 1)
        why = closeAbandonedRuns(job);
    if (why.empty())
        why = transaction.commit();
    return why.empty() ? std::optional(job) : std::nullopt;
}

// A job claimed again was left by a worker that died: the site's run it
// had started stays "running" in the history unless it is ended here.
std::string JobQueue::closeAbandonedRuns(const ClaimedJob& job)
{
    QSqlQuery close(book_.database());
    close.prepare("UPDATE job_runs SET ended_at = ?, outcome = 'interrupted', "
                  "message = 'its worker stopped; the job was taken again' "
                  "WHERE outcome = 'running' AND site_id = (SELECT site_id FROM fleet_jobs WHERE id = ?)");
    close.addBindValue(q(bookTime()));
    close.addBindValue(QVariant::fromValue(job.id));
    return close.exec() ? std::string() : problemOf(close);
}

std::string JobQueue::renew(const std::string& worker, std::chrono::seconds lease)
{
    QSqlQuery renew(book_.database());
    renew.prepare("UPDATE fleet_jobs SET lease_until = now() + make_interval(secs => ?) "
                  "WHERE worker = ? AND state = 'running'");
    renew.addBindValue(qint64(lease.count()));
    renew.addBindValue(q(worker));
    return renew.exec() ? std::string() : problemOf(renew);
}

std::string JobQueue::finish(const ClaimedJob& job, const std::string& worker, const fleet::SiteResult& result)
{
    QSqlQuery finish(book_.database());
    finish.prepare("UPDATE fleet_jobs SET state = 'done', outcome = ?, message = ?, attempts = ?, ended_at = now(), "
                   "lease_until = NULL WHERE id = ? AND worker = ? AND claims = ? AND state = 'running'");
    finish.addBindValue(QString::fromLatin1(fleet::outcomeName(result.outcome).data()));
    finish.addBindValue(q(result.message));
    finish.addBindValue(result.attempts);
    finish.addBindValue(QVariant::fromValue(job.id));
    finish.addBindValue(q(worker));
    finish.addBindValue(job.claims);
    if (!finish.exec())
        return problemOf(finish);
    if (finish.numRowsAffected() == 0)
        return "the lease of site '" + job.site + "' lapsed and another worker took it; its outcome here was not kept";
    return {};
}

std::string JobQueue::release(const ClaimedJob& job, const std::string& worker)
{
    QSqlQuery release(book_.database());
    release.prepare("UPDATE fleet_jobs SET state = 'queued', worker = '', lease_until = NULL "
                    "WHERE id = ? AND worker = ? AND claims = ? AND state = 'running'");
    release.addBindValue(QVariant::fromValue(job.id));
    release.addBindValue(q(worker));
    release.addBindValue(job.claims);
    return release.exec() ? std::string() : problemOf(release);
}

bool JobQueue::reachable()
{
    QSqlQuery probe(book_.database());
    return probe.exec(QStringLiteral("SELECT 1"));
}

std::optional<bool> JobQueue::pending(std::string& why)
{
    QSqlQuery count(book_.database());
    if (!count.exec("SELECT count(*) FROM fleet_jobs WHERE state <> 'done'") || !count.next()) {
        why = problemOf(count);
        return std::nullopt;
    }
    return count.value(0).toLongLong() > 0;
}

std::optional<std::string> JobQueue::runKind(std::int64_t runId, std::string& why)
{
    QSqlQuery kind(book_.database());
    kind.prepare("SELECT kind FROM fleet_runs WHERE id = ?");
    kind.addBindValue(QVariant::fromValue(runId));
    if (!kind.exec()) {
        why = problemOf(kind);
        return std::nullopt;
    }
    if (!kind.next()) {
        why = "no queued run " + std::to_string(runId) + " in the book " + book_.file().string();
        return std::nullopt;
    }
    return s(kind.value(0));
}

std::optional<std::vector<JobState>> JobQueue::jobs(std::int64_t runId, std::string& why)
{
    QSqlQuery list(book_.database());
    list.prepare("SELECT id, site, state, outcome, message, attempts, "
                 "coalesce(extract(epoch FROM ended_at - started_at) * 1000, 0)::bigint "
                 "FROM fleet_jobs WHERE run_id = ? ORDER BY id");
    list.addBindValue(QVariant::fromValue(runId));
    if (!list.exec()) {
        why = problemOf(list);
        return std::nullopt;
    }
    std::vector<JobState> jobs;
    while (list.next()) {
        JobState job{list.value(0).toLongLong(), s(list.value(1)), s(list.value(2)) == "running",
                     s(list.value(2)) == "done", {}};
        job.result = {job.site, job.ended ? outcomeNamed(s(list.value(3))) : fleet::Outcome::Interrupted,
                      s(list.value(4)), list.value(5).toInt(), std::chrono::milliseconds(list.value(6).toLongLong())};
        jobs.push_back(std::move(job));
    }
    return jobs;
}

} // namespace qarvo::sites

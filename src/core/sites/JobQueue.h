#pragma once
// A fleet run queued in a shared site book for workers on other machines:
// the run is a row, each of its sites a job row. A worker claims the first
// job it may take (FOR UPDATE SKIP LOCKED: workers claiming at once take
// different jobs) under a lease, a time the database's clock ends, that it
// renews while it works. A job whose lease lapsed — its worker died or lost
// the book — is claimed again; the book runs at most one job a site at a
// time. The outcome is kept with the job only while its claim is still the
// worker's own.
#include "fleet/FleetRun.h"
#include "sites/SiteBook.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qarvo::sites {

inline constexpr std::chrono::seconds kDefaultLease{120};

struct ClaimedJob {
    std::int64_t id = 0;
    std::int64_t runId = 0;
    std::string site;
    std::string kind; // "backup", "events", "status"
    int retries = 0;  // further attempts after a passing failure
    int claims = 0;   // this claim's number: the worker's proof it still holds the job
};

// A job as `fleet wait` follows it.
struct JobState {
    std::int64_t id = 0;
    std::string site;
    bool running = false;
    bool ended = false;
    fleet::SiteResult result;
};

class JobQueue {
public:
    // Over the book's own connection: one queue a thread.
    explicit JobQueue(SiteBook& book) : book_(book) {}

    // A run of the kind over the sites; its id, or nothing and why.
    std::optional<std::int64_t> enqueue(const std::string& kind, int retries, const std::vector<Site>& sites,
                                        std::string& why);
    // The next job this worker may take, or nothing (why says when the book failed).
    std::optional<ClaimedJob> claim(const std::string& worker, std::chrono::seconds lease, std::string& why);
    // Renews the lease of every job the worker holds.
    std::string renew(const std::string& worker, std::chrono::seconds lease);
    // Keeps the outcome of a job the worker still holds; why when it no longer did.
    std::string finish(const ClaimedJob& job, const std::string& worker, const fleet::SiteResult& result);
    // Gives a job back unfinished, for another worker to take at once.
    std::string release(const ClaimedJob& job, const std::string& worker);
    // Whether the book still answers on this connection.
    bool reachable();
    // Whether any job is queued or running, of any run.
    std::optional<bool> pending(std::string& why);

    // The run's kind and its jobs in the order queued; nothing and why
    // when there is no such run.
    std::optional<std::string> runKind(std::int64_t runId, std::string& why);
    std::optional<std::vector<JobState>> jobs(std::int64_t runId, std::string& why);

private:
    std::string closeAbandonedRuns(const ClaimedJob& job);

    SiteBook& book_;
};

} // namespace qarvo::sites

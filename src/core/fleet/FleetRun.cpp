#include "fleet/FleetRun.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace qarvo::fleet {

FleetRun::FleetRun(std::vector<std::string> sites, FleetOptions options, Job job)
    : sites_(std::move(sites)), options_(options), job_(std::move(job))
{
    options_.jobs = std::max(1, options_.jobs);
    options_.retries = std::max(0, options_.retries);
    counts_.total = int(sites_.size());
}

void FleetRun::stop()
{
    stop_.request_stop();
    std::lock_guard lock(mutex_);
    wake_.notify_all();
}

bool FleetRun::stopped() const { return stop_.stop_requested(); }

std::vector<SiteResult> FleetRun::run(const Listener& listener)
{
    std::vector<SiteResult> results(sites_.size());
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < sites_.size(); i = next++) {
            if (stopped()) {
                results[i] = {sites_[i], Outcome::Interrupted, {}, 0, {}};
                report(listener, &results[i], sites_[i]);
                continue;
            }
            results[i] = work(sites_[i], stop_.get_token(), listener);
        }
    };
    {
        std::vector<std::jthread> threads;
        const std::size_t count = std::min<std::size_t>(std::size_t(options_.jobs), sites_.size());
        for (std::size_t t = 0; t < count; ++t)
            threads.emplace_back(worker);
    }
    return results;
}

SiteResult FleetRun::work(const std::string& site, std::stop_token stop, const Listener& listener)
{
    const auto start = std::chrono::steady_clock::now();
    {
        std::lock_guard lock(mutex_);
        ++counts_.running;
    }
    report(listener, nullptr, site);
    SiteResult result{site, Outcome::Interrupted, {}, 0, {}};
    for (auto wait = options_.backoff;; wait *= 2) {
        const Attempt attempt = job_(site, stop);
        ++result.attempts;
        result.outcome = stop.stop_requested() && attempt.outcome != Outcome::Done ? Outcome::Interrupted
                                                                                   : attempt.outcome;
        result.message = attempt.message;
        const bool again = result.outcome == Outcome::Failed && attempt.transient &&
                           result.attempts <= options_.retries;
        if (!again || !pause(wait, stop))
            break;
    }
    if (stop.stop_requested() && result.outcome == Outcome::Failed)
        result.outcome = Outcome::Interrupted;
    result.duration = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    {
        std::lock_guard lock(mutex_);
        --counts_.running;
    }
    report(listener, &result, site);
    return result;
}

// False when the run was stopped during the pause.
bool FleetRun::pause(std::chrono::milliseconds length, std::stop_token stop)
{
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, stop, length, [] { return false; });
    return !stop.stop_requested();
}

void FleetRun::report(const Listener& listener, const SiteResult* finished, const std::string& site)
{
    std::lock_guard lock(mutex_);
    if (finished)
        ++(finished->outcome == Outcome::Done ? counts_.done : counts_.failed);
    if (finished && listener.finished)
        listener.finished(*finished, counts_);
    else if (!finished && listener.started)
        listener.started(site, counts_);
}

std::string_view outcomeName(Outcome outcome)
{
    static constexpr std::string_view kNames[] = {"done", "failed", "refused", "interrupted"};
    return kNames[static_cast<int>(outcome)];
}

} // namespace qarvo::fleet

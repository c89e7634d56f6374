#pragma once
// One kind of job over many sites: at most `jobs` sites at once, a site whose
// attempt failed for a passing reason (no answer, a lost connection) tried
// again after a growing pause, a refusal (wrong password, wrong identity
// codes, another model) never. stop() — Ctrl-C, the window's Stop — starts
// no further site and asks the running ones to end; they come back as
// interrupted, and so does every site never started.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <vector>

namespace qarvo::fleet {

enum class Outcome { Done, Failed, Refused, Interrupted };

// What one attempt on one site came to.
struct Attempt {
    Outcome outcome = Outcome::Done;
    bool transient = false; // a failure worth another attempt
    std::string message;    // the user's words, empty when done
};

struct SiteResult {
    std::string site;
    Outcome outcome = Outcome::Interrupted;
    std::string message;
    int attempts = 0;
    std::chrono::milliseconds duration{0};
};

struct FleetOptions {
    int jobs = 16;
    int retries = 2; // further attempts after a passing failure
    std::chrono::milliseconds backoff{1000}; // the first pause; doubled for each further one
};

// Progress of a run, as the listener sees it.
struct FleetCounts {
    int total = 0;
    int done = 0;
    int failed = 0; // failed, refused or interrupted
    int running = 0;
};

class FleetRun {
public:
    // Runs on one of the run's threads; returns when the attempt ended or,
    // soon after, once the token asks it to stop.
    using Job = std::function<Attempt(const std::string& site, std::stop_token stop)>;
    struct Listener {
        std::function<void(const std::string& site, const FleetCounts&)> started;
        std::function<void(const SiteResult&, const FleetCounts&)> finished;
    };

    FleetRun(std::vector<std::string> sites, FleetOptions options, Job job);

    // Blocks until every site has its one result, in the order of the sites
    // given. The listener is called from the run's threads, one call at a time.
    std::vector<SiteResult> run(const Listener& listener = {});
    // From any thread, before or during run().
    void stop();
    bool stopped() const;

private:
    SiteResult work(const std::string& site, std::stop_token stop, const Listener& listener);
    bool pause(std::chrono::milliseconds length, std::stop_token stop);
    void report(const Listener& listener, const SiteResult* finished, const std::string& site);

    std::vector<std::string> sites_;
    FleetOptions options_;
    Job job_;
    std::stop_source stop_;
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    FleetCounts counts_;
};

std::string_view outcomeName(Outcome outcome);

} // namespace qarvo::fleet

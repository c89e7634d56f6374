#include "cli/FleetQueue.h"

#include "cli/CliApp.h"
#include "cli/FleetCommands.h"
#include "cli/FleetOptions.h"
#include "cli/FleetProgress.h"
#include "sites/JobQueue.h"

#include <QSysInfo>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace qarvo::cli {

namespace {

using namespace std::chrono_literals;
using sites::ClaimedJob;
using sites::JobQueue;
using sites::SiteBook;
using namespace fleet_options;

constexpr std::string_view kLease = "--lease";
constexpr std::string_view kUntilIdle = "--until-idle";
constexpr long kLongestLease = 3600;
// How often a worker with nothing to do looks for a job, and `fleet wait`
// for news; how long both try to reach a book that went away.
constexpr auto kPoll = 250ms;
constexpr auto kReconnectEvery = 1s;
constexpr auto kGiveUpAfter = 60s;

void say(const Session& s, const std::string& text) { s.env.err << kProgramName << ": " << text << std::endl; }

bool askedToStop(const Session& s) { return s.env.interrupt && *s.env.interrupt; }

std::string needsSharedBook(const SiteBook& book)
{
    return "the book " + book.file().string() +
           " is a file on this machine: queued runs need a shared book (--db postgresql://USER@HOST/DBNAME)";
}

// Opens the book again after it went away, every second until it answers,
// the stop is asked or a minute passed.
std::unique_ptr<SiteBook> reopen(const std::filesystem::path& address, std::string& why,
                                 const std::function<bool()>& stopped)
{
    const auto until = std::chrono::steady_clock::now() + kGiveUpAfter;
    while (!stopped() && std::chrono::steady_clock::now() < until) {
        if (auto book = SiteBook::open(address, why))
            return book;
        std::this_thread::sleep_for(kReconnectEvery);
    }
    return nullptr;
}

// A book that answers again, or why it did not within the time given.
class BookLink {
public:
    BookLink(std::filesystem::path address, std::function<bool()> stopped)
        : address_(std::move(address)), stopped_(std::move(stopped))
    {
    }
    JobQueue* queue() { return queue_.get(); }
    // Drops the connection and makes a new one; false when none came.
    bool reconnect(std::string& why)
    {
        queue_.reset();
        book_.reset();
        book_ = reopen(address_, why, stopped_);
        if (book_)
            queue_ = std::make_unique<JobQueue>(*book_);
        return book_ != nullptr;
    }

private:
    std::filesystem::path address_;
    std::function<bool()> stopped_;
    std::unique_ptr<SiteBook> book_;
    std::unique_ptr<JobQueue> queue_;
};

struct WorkerOptions {
    int jobs = kDefaultJobs;
    std::chrono::seconds lease = sites::kDefaultLease;
    bool untilIdle = false;
};

// One worker process: `jobs` slots, each with a connection of its own,
// taking jobs one after the other, and one more connection renewing the
// leases of the jobs the slots hold.
class Worker {
public:
    Worker(const Session& s, std::filesystem::path address, WorkerOptions options)
        : s_(s), address_(std::move(address)), options_(options),
          name_(QSysInfo::machineHostName().toStdString() + ":" + std::to_string(::getpid()))
    {
    }

    int run()
    {
        {
            std::vector<std::jthread> slotThreads;
            for (int i = 0; i < options_.jobs; ++i)
                slotThreads.emplace_back([this] { slot(); });
            std::jthread renewer([this] { renew(); });
            std::jthread watch([this](std::stop_token stop) {
                while (!stop.stop_requested() && !stopped()) {
                    if (askedToStop(s_))
                        stop_.request_stop();
                    std::this_thread::sleep_for(50ms);
                }
            });
            for (std::jthread& slot : slotThreads)
                slot.join();
            stop_.request_stop();
        }
        return lostBook_ ? kExitFailure : (askedToStop(s_) ? kExitInterrupted : kExitSuccess);
    }

private:
    bool stopped() const { return stop_.stop_requested(); }

    void pause(std::chrono::milliseconds length)
    {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, stop_.get_token(), length, [] { return false; });
    }

    void tell(const std::string& text)
    {
        std::lock_guard lock(outputMutex_);
        say(s_, text);
    }

    // A job's outcome, as a local run's progress lines show it.
    void done(const ClaimedJob& job, const fleet::SiteResult& result)
    {
        std::lock_guard lock(outputMutex_);
        s_.env.err << "run " << job.runId << ": " << siteLine(result) << std::endl;
    }

    bool reconnect(BookLink& link, bool quiet)
    {
        std::string why;
        if (link.reconnect(why))
            return true;
        if (!stopped()) {
            if (!quiet)
                tell("the site book " + address_.string() + " could not be reached for " +
                     std::to_string(kGiveUpAfter.count()) + " s: " + why +
                     ". This worker stops; the outcomes kept stay kept, and its unfinished jobs go to another "
                     "worker once their lease lapses.");
            lostBook_ = true;
            stop_.request_stop();
        }
        return false;
    }

    void slot()
    {
        BookLink link(address_, [this] { return stopped(); });
        if (!reconnect(link, false))
            return;
        while (!stopped()) {
            std::string why;
            const auto job = link.queue()->claim(name_, options_.lease, why);
            if (job) {
                work(link, *job);
            } else if (!why.empty()) {
                // The book went away, or another worker took the site first.
                if (!reconnect(link, false))
                    return;
            } else if (options_.untilIdle && !link.queue()->pending(why).value_or(true)) {
                return;
            } else {
                pause(kPoll);
            }
        }
    }

    void work(BookLink& link, const ClaimedJob& job)
    {
        const std::string_view command = fleetCommandOf(job.kind).value_or(job.kind);
        fleet::FleetRun run({job.site}, {.jobs = 1, .retries = job.retries},
                            [&](const std::string& site, std::stop_token stop) {
                                return runForSite(s_, address_, command, site, stop);
                            });
        std::vector<fleet::SiteResult> results;
        {
            std::stop_callback onStop(stop_.get_token(), [&] { run.stop(); });
            results = run.run();
        }
        const fleet::SiteResult& result = results.front();
        // A job left by a stop, or failed while the book itself went away
        // (a server restart ends every connection to it, this slot's too),
        // is given back for a worker to take again.
        const bool again = result.outcome != fleet::Outcome::Done &&
                           (run.stopped() || !link.queue()->reachable());
        std::string why = again ? link.queue()->release(job, name_) : link.queue()->finish(job, name_, result);
        if (why.empty() && !again)
            done(job, result);
        else if (!why.empty() && reconnect(link, false))
            why = again ? link.queue()->release(job, name_) : link.queue()->finish(job, name_, result);
        if (!why.empty() && !stopped())
            tell("run " + std::to_string(job.runId) + ": " + why);
    }

    void renew()
    {
        BookLink link(address_, [this] { return stopped(); });
        if (!reconnect(link, true))
            return;
        const auto every = std::max<std::chrono::milliseconds>(options_.lease / 3, 200ms);
        while (!stopped()) {
            pause(every);
            if (!link.queue()->renew(name_, options_.lease).empty() && !reconnect(link, true))
                return;
        }
    }

    const Session& s_;
    std::filesystem::path address_;
    WorkerOptions options_;
    std::string name_;
    std::stop_source stop_;
    std::mutex mutex_;
    std::mutex outputMutex_;
    std::condition_variable_any wake_;
    std::atomic<bool> lostBook_{false};
};

// The counts of a run as its jobs stand, and the listener told of each
// job that started or ended since the last look.
class RunFollower {
public:
    explicit RunFollower(const fleet::FleetRun::Listener& listener) : listener_(listener) {}

    bool update(const std::vector<sites::JobState>& jobs)
    {
        counts_.total = int(jobs.size());
        bool all = true;
        for (const sites::JobState& job : jobs) {
            Seen& seen = seen_[job.id];
            if ((job.running || job.ended) && !seen.started) {
                seen.started = true;
                ++counts_.running;
                if (listener_.started)
                    listener_.started(job.site, counts_);
            }
            if (job.ended && !seen.ended) {
                seen.ended = true;
                --counts_.running;
                ++(job.result.outcome == fleet::Outcome::Done ? counts_.done : counts_.failed);
                if (listener_.finished)
                    listener_.finished(job.result, counts_);
            }
            all = all && job.ended;
        }
        return all;
    }

private:
    struct Seen {
        bool started = false;
        bool ended = false;
    };
    fleet::FleetRun::Listener listener_;
    fleet::FleetCounts counts_;
    std::map<std::int64_t, Seen> seen_;
};

} // namespace

std::vector<SubcommandOption> workerOptions() { return {{kJobs, "N"}, {kLease, "SECONDS"}, {kUntilIdle, ""}}; }

int queueRun(Session& s, SiteBook& book, const std::vector<std::string>& names, const std::string& kind, int retries)
{
    if (!book.shared()) {
        say(s, needsSharedBook(book));
        return kExitUsage;
    }
    std::vector<sites::Site> chosen;
    for (const std::string& name : names)
        if (auto site = book.findSite(name))
            chosen.push_back(std::move(*site));
    if (chosen.empty()) {
        say(s, "no site to run: the book " + book.file().string() + " holds none of those");
        return kExitFailure;
    }
    std::string why;
    JobQueue queue(book);
    const auto run = queue.enqueue(kind, retries, chosen, why);
    if (!run) {
        say(s, "the run could not be queued: " + why);
        return kExitFailure;
    }
    s.env.out << *run << std::endl;
    if (!s.commandLine.options.quiet)
        s.env.err << "Queued run " << *run << ": " << kind << " of " << chosen.size()
                  << " site(s); fleet workers take it, and `fleet wait " << *run << "` follows it." << std::endl;
    return kExitSuccess;
}

int runWorker(Session& s, SiteBook& book, const BookArgs& args)
{
    if (!book.shared()) {
        say(s, needsSharedBook(book));
        return kExitUsage;
    }
    const auto jobs = numberOption(s, args, kJobs, kDefaultJobs, 1, kMostJobs);
    const auto lease = jobs ? numberOption(s, args, kLease, sites::kDefaultLease.count(), 1, kLongestLease) : std::nullopt;
    if (!jobs || !lease)
        return kExitUsage;
    Worker worker(s, book.file(), {int(*jobs), std::chrono::seconds(*lease), args.has(kUntilIdle)});
    return worker.run();
}

int runWait(Session& s, SiteBook& book, const BookArgs& args)
{
    if (args.has(kJson) && args.has(kCsv))
        return usageError(s.env.err, "--json and --csv: choose one");
    if (!book.shared()) {
        say(s, needsSharedBook(book));
        return kExitUsage;
    }
    const auto runId = parseDecimal(args.words[0], 1, std::numeric_limits<long>::max());
    if (!runId)
        return usageError(s.env.err, "RUN is the number `fleet backup … --queue` printed");
    std::string why;
    std::unique_ptr<SiteBook> again;
    auto queue = std::make_unique<JobQueue>(book);
    const auto kind = queue->runKind(*runId, why);
    if (!kind) {
        say(s, why);
        return kExitFailure;
    }
    FleetProgress progress(s.env.err, s.env.errIsTerminal, *kind);
    RunFollower follower(progress.listener());
    std::vector<sites::JobState> jobs;
    for (;;) {
        auto now = queue->jobs(*runId, why);
        if (!now) {
            queue.reset();
            again = reopen(book.file(), why, [&] { return askedToStop(s); });
            if (!again) {
                say(s, "the site book " + book.file().string() + " could not be reached: " + why);
                return kExitFailure;
            }
            queue = std::make_unique<JobQueue>(*again);
            continue;
        }
        jobs = std::move(*now);
        if (follower.update(jobs) || askedToStop(s))
            break;
        std::this_thread::sleep_for(kPoll);
    }
    std::vector<fleet::SiteResult> results;
    for (const sites::JobState& job : jobs)
        results.push_back(job.result);
    progress.summary(results);
    if (args.has(kJson))
        printFleetJson(s.env.out, *kind, results);
    else if (args.has(kCsv))
        printFleetCsv(s.env.out, results);
    return fleetExitStatus(results, askedToStop(s));
}

} // namespace qarvo::cli

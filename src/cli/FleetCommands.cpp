#include "cli/FleetCommands.h"

#include "cli/BookSubcommands.h"
#include "cli/CliApp.h"
#include "cli/FleetOptions.h"
#include "cli/FleetProgress.h"
#include "cli/FleetQueue.h"
#include "cli/FleetReport.h"
#include "fleet/FleetRun.h"
#include "fleet/SiteJobs.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <set>
#include <thread>

namespace qarvo::cli {

namespace {

using namespace std::chrono_literals;
using namespace fleet_options;

constexpr std::string_view kTag = "--tag";
constexpr std::string_view kRetries = "--retries";
constexpr std::string_view kReport = "--report";
constexpr std::string_view kSince = "--since";
constexpr std::string_view kHtml = "--html";
constexpr std::string_view kQueue = "--queue";
constexpr int kDefaultRetries = 2;

} // namespace

// Runs the command for one site in this process, as `qarvoip-cli --site
// NAME COMMAND` would, through the site's job in core.
fleet::Attempt runForSite(const Session& s, const std::filesystem::path& book, std::string_view command,
                          const std::string& site, std::stop_token stop)
{
    const auto* job = std::ranges::find(fleet::kSiteJobs, command, &fleet::SiteJobInfo::runKind);
    if (job == std::end(fleet::kSiteJobs))
        return {fleet::Outcome::Failed, false, "no site job runs '" + std::string(command) + "'"};
    return fleet::runSiteJob(job->job, site, {book, s.settings, s.env.timing, s.env.clock}, stop);
}

std::optional<std::string_view> fleetCommandOf(std::string_view kind)
{
    const auto it = std::ranges::find(fleet::kSiteJobs, kind, &fleet::SiteJobInfo::name);
    return it == std::end(fleet::kSiteJobs) ? std::nullopt : std::optional(it->runKind);
}

namespace {

// The sites chosen: the names given, else those of the tag, else all.
std::optional<std::vector<std::string>> chosenSites(Session& s, sites::SiteBook& book, const BookArgs& args)
{
    std::vector<std::string> names;
    if (!args.words.empty()) {
        std::set<std::string> known;
        for (const sites::Site& site : book.sites())
            known.insert(site.name);
        for (const std::string& name : args.words) {
            if (!known.contains(name)) {
                usageError(s.env.err, "no site named '" + name + "' in the book " + book.file().string());
                return std::nullopt;
            }
            names.push_back(name);
        }
        return names;
    }
    for (const sites::Site& site : book.sites(args.last(kTag).value_or("")))
        names.push_back(site.name);
    return names;
}

// Stops the run when Ctrl-C raises the flag.
class InterruptWatch {
public:
    InterruptWatch(const std::atomic<bool>* flag, fleet::FleetRun& run)
        : thread_([flag, &run](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  if (flag && *flag) {
                      run.stop();
                      return;
                  }
                  std::this_thread::sleep_for(50ms);
              }
          })
    {
    }

private:
    std::jthread thread_;
};

int runKind(Session& s, sites::SiteBook& book, const BookArgs& args, fleet::SiteJob job)
{
    if (args.has(kJson) && args.has(kCsv))
        return usageError(s.env.err, "--json and --csv: choose one");
    const fleet::SiteJobInfo& kind = fleet::siteJobInfo(job);
    const auto jobs = numberOption(s, args, kJobs, kDefaultJobs, 1, kMostJobs);
    const auto retries = numberOption(s, args, kRetries, kDefaultRetries, 0, kMostJobs);
    const auto names = jobs && retries ? chosenSites(s, book, args) : std::nullopt;
    if (!names)
        return kExitUsage;
    if (args.has(kQueue))
        return queueRun(s, book, *names, std::string(kind.name), int(*retries));
    if (names->empty()) {
        s.env.err << kProgramName << ": no site to run: the book " << book.file().string() << " holds none"
                  << (args.has(kTag) ? " with that tag" : "") << "." << std::endl;
        return kExitFailure;
    }
    const std::filesystem::path file = book.file();
    fleet::FleetRun run(*names, {.jobs = int(*jobs), .retries = int(*retries)},
                        [&](const std::string& site, std::stop_token stop) {
                            return runForSite(s, file, kind.runKind, site, stop);
                        });
    FleetProgress progress(s.env.err, s.env.errIsTerminal, std::string(kind.name));
    std::vector<fleet::SiteResult> results;
    {
        InterruptWatch watch(s.env.interrupt, run);
        results = run.run(progress.listener());
    }
    progress.summary(results);
    if (args.has(kJson))
        printFleetJson(s.env.out, kind.name, results);
    else if (args.has(kCsv))
        printFleetCsv(s.env.out, results);
    if (const auto html = args.last(kReport); html && !writeFleetReport(s, book, {}, *html))
        return kExitFailure;
    return fleetExitStatus(results, run.stopped());
}

int runBackup(Session& s, sites::SiteBook& book, const BookArgs& args) { return runKind(s, book, args, fleet::SiteJob::Backup); }
int runEvents(Session& s, sites::SiteBook& book, const BookArgs& args) { return runKind(s, book, args, fleet::SiteJob::Events); }
int runStatus(Session& s, sites::SiteBook& book, const BookArgs& args) { return runKind(s, book, args, fleet::SiteJob::Status); }

int runReport(Session& s, sites::SiteBook& book, const BookArgs& args)
{
    const auto since = args.last(kSince);
    if (since && !validReportDate(*since))
        return usageError(s.env.err, "--since takes a date as YYYY-MM-DD");
    printFleetReport(s, book, since.value_or(""));
    if (const auto html = args.last(kHtml); html && !writeFleetReport(s, book, since.value_or(""), *html))
        return kExitFailure;
    return kExitSuccess;
}

const std::vector<BookSubcommand>& subcommands()
{
    const std::vector<SubcommandOption> runOptions{{kTag, "T"}, {kJobs, "N"}, {kRetries, "R"},
                                             {kJson, ""}, {kCsv, ""},   {kReport, "FILE.html"},
                                             {kQueue, ""}};
    constexpr std::string_view words = "[--tag T | NAMES...] [--jobs N] [--retries R] [--json | --csv] "
                                       "[--report FILE.html] [--queue]";
    constexpr std::size_t any = std::numeric_limits<std::size_t>::max();
    static const std::vector<BookSubcommand> table{
        {"backup", words, runOptions, runBackup, 0, any,
         "read every chosen site's pages and keep them in its history, with the settings changed; --queue: "
         "queue the run in a shared book for fleet workers and print its number"},
        {"events", words, runOptions, runEvents, 0, any, "collect the event records not kept before"},
        {"status", words, runOptions, runStatus, 0, any, "keep a status snapshot; troubles and open zones"},
        {"worker", "[--jobs N] [--lease SECONDS] [--until-idle]", workerOptions(), runWorker, 0, 0,
         "take the jobs of queued runs from a shared book, N at once, until Ctrl-C (or none is left)"},
        {"wait", "RUN [--json | --csv]", {{kJson, ""}, {kCsv, ""}}, runWait, 1, 1,
         "follow a queued run to its end, as a local run shows itself"},
        {"report", "[--since YYYY-MM-DD] [--html FILE]", {{kSince, "YYYY-MM-DD"}, {kHtml, "FILE"}}, runReport, 0, 0,
         "what the last runs found: failed sites, changed settings, new alarms, troubles"},
    };
    return table;
}

} // namespace

int runFleet(Session& session) { return runBookSubcommand(session, "fleet", subcommands()); }

std::string fleetHelp()
{
    return subcommandsHelp("fleet", subcommands()) +
           "\nExit status: 0 every site succeeded, 1 some failed (listed in the summary), 2 usage, 130 Ctrl-C.\n";
}

} // namespace qarvo::cli

#pragma once
// The work a fleet run does on one site of the book, through a panel job
// on the site's connection with its stored password:
//   backup — both pages, the event log and the communicator options into
//            one document, kept in the book's store with the settings
//            changed since the site's previous backup;
//   events — the event records the book does not hold yet;
//   status — a status snapshot with the troubles and open zones.
// Each attempt opens the book for itself (the run's threads share no
// connection), is kept in it as a job run, and ends as an Attempt: no
// connection is a passing failure, a refused password or identity codes a
// refusal, a stop an interruption.
#include "base/Clock.h"
#include "base/Timing.h"
#include "fleet/FleetRun.h"
#include "link/ConnectionSettings.h"

#include <filesystem>
#include <stop_token>
#include <string>
#include <string_view>

namespace qarvo::fleet {

enum class SiteJob { Backup, Events, Status };

struct SiteJobInfo {
    SiteJob job;
    std::string_view name;    // the fleet's word for it
    std::string_view runKind; // the kind its runs are kept under, the command's name
};
inline constexpr SiteJobInfo kSiteJobs[] = {
    {SiteJob::Backup, "backup", "backup"},
    {SiteJob::Events, "events", "read-events"},
    {SiteJob::Status, "status", "status"},
};
const SiteJobInfo& siteJobInfo(SiteJob job);

// What every site's attempt of a run shares.
struct SiteJobSettings {
    std::filesystem::path book;
    // The program's own connection settings (ports, default password),
    // which each site's connection fills in.
    link::ConnectionSettings base;
    Timing timing;
    const Clock* clock = &systemClock();
};

// One attempt of the job on the site; returns soon after stop is asked.
Attempt runSiteJob(SiteJob job, const std::string& site, const SiteJobSettings& settings, std::stop_token stop);

} // namespace qarvo::fleet

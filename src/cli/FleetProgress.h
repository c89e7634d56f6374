#pragma once
// How a fleet run shows itself: on a terminal one progress bar with the
// counts, redrawn in place, and a line above it for each site that ended; on
// a pipe only the lines. Afterwards a summary naming every site that did not
// succeed, and the results as JSON or CSV for scripts.
#include "fleet/FleetRun.h"

#include <mutex>
#include <ostream>
#include <span>

namespace qarvo::cli {

class FleetProgress {
public:
    FleetProgress(std::ostream& err, bool terminal, std::string what);

    // The listener a FleetRun calls; the run calls it one call at a time.
    fleet::FleetRun::Listener listener();
    // Clears the bar and prints the summary lines.
    void summary(std::span<const fleet::SiteResult> results);

private:
    void line(const fleet::SiteResult& result);
    void bar(const fleet::FleetCounts& counts);
    void clearBar();

    std::ostream& err_;
    bool terminal_;
    std::string what_; // "backup", "events", "status"
    bool barShown_ = false;
};

// One line of a site's result: "NAME  OUTCOME  [message]".
std::string siteLine(const fleet::SiteResult& result);
// The exit status of a run: 0 every site done, 130 stopped, 1 otherwise.
int fleetExitStatus(std::span<const fleet::SiteResult> results, bool stopped);

void printFleetJson(std::ostream& out, std::string_view what, std::span<const fleet::SiteResult> results);
void printFleetCsv(std::ostream& out, std::span<const fleet::SiteResult> results);

} // namespace qarvo::cli

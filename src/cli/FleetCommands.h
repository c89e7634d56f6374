#pragma once
// qarvoip-cli fleet: one job over many sites of the book. backup, events
// and status run the site's command for each site chosen (all, --tag or
// names), a bounded number at once, and keep each outcome in the book;
// report tells what the last runs found.
#include "cli/Session.h"
#include "fleet/FleetRun.h"

#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

namespace qarvo::cli {

int runFleet(Session& session);
std::string fleetHelp();

// One site's work of a fleet run of the kind ("backup", "events",
// "status"), the same whether the run is local or queued for workers.
std::optional<std::string_view> fleetCommandOf(std::string_view kind);
fleet::Attempt runForSite(const Session& s, const std::filesystem::path& book, std::string_view command,
                          const std::string& site, std::stop_token stop);

} // namespace qarvo::cli

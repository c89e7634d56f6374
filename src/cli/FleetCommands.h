#pragma once
// qarvoip-cli fleet: one job over many sites of the book. backup, events
// and status run the site's command for each site chosen (all, --tag or
// names), a bounded number at once, and keep each outcome in the book;
// report tells what the last runs found.
#include "cli/Session.h"

#include <string>

namespace qarvo::cli {

int runFleet(Session& session);
std::string fleetHelp();

} // namespace qarvo::cli

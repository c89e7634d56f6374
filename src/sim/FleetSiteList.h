#pragma once
// A fleet's sites as a site list for the site book's import (sites import
// FILE): the book's own CSV, each site tagged "sim" and with its profile's
// name. The book's lists carry no passwords: a second file beside the list,
// FILE.passwords, gives each site's password as "name,password" lines
// under a header, the one the list means (for a wrong-password site, not
// the one its communicator takes).
#include "sim/SimFleet.h"
#include "sites/Site.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qarvo::sim {

// The site as the book keeps it.
sites::Site bookSite(const FleetSite& site);

// Where the passwords of a site list go.
std::filesystem::path passwordsFileOf(const std::filesystem::path& siteList);

// Writes the list and its passwords; an empty text when both are written,
// else why not.
std::string writeSiteList(const std::filesystem::path& file, const std::vector<FleetSite>& sites);

} // namespace qarvo::sim

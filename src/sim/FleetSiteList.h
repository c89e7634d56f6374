#pragma once
// A fleet's sites as a site list for the site book's import (sites import
// FILE): the book's own CSV with the import's password column, each site
// tagged "sim" and with its profile's name. A wrong-password site's list
// gives the password the list means, not the one its communicator takes.
#include "sim/SimFleet.h"
#include "sites/Site.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qarvo::sim {

// The site as the book keeps it.
sites::Site bookSite(const FleetSite& site);

// Writes the list; an empty text when it is written, else why not.
std::string writeSiteList(const std::filesystem::path& file, const std::vector<FleetSite>& sites);

} // namespace qarvo::sim

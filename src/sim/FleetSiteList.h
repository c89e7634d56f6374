#pragma once
// A fleet's sites as a site list to import into the site book: one CSV row
// per site under a header line, each site tagged "sim" and with its
// profile's name.
#include "sim/SimFleet.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace qarvo::sim {

inline constexpr const char* kSiteListHeader = "name,address,port,password,mode,callback,account,panel_id,pc_id,tags,notes";

void writeSiteList(std::ostream& out, const std::vector<FleetSite>& sites);
// Writes the list to a file; an empty text when it is written, else why not.
std::string writeSiteList(const std::filesystem::path& file, const std::vector<FleetSite>& sites);

} // namespace qarvo::sim

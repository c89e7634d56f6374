#include "sim/FleetSiteList.h"

#include <cstdio>
#include <fstream>

namespace qarvo::sim {

namespace {

constexpr const char* kAddress = "127.0.0.1";
constexpr const char* kMode = "direct";
constexpr const char* kSimTag = "sim";

// Accounts and identification codes as the command line takes them: four
// hexadecimal digits.
std::string hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

std::string notesOf(const FleetSite& site)
{
    if (site.profile == SiteProfile::WrongPassword)
        return "simulated; the communicator takes " + site.acceptedPassword;
    return "simulated";
}

} // namespace

void writeSiteList(std::ostream& out, const std::vector<FleetSite>& sites)
{
    out << kSiteListHeader << '\n';
    for (const FleetSite& s : sites)
        out << s.name << ',' << kAddress << ',' << s.port << ',' << s.password << ',' << kMode << ',' << kAddress << ':'
            << s.callbackPort << ',' << hex4(s.account) << ',' << hex4(s.panelId) << ',' << hex4(s.pcId) << ','
            << kSimTag << ';' << profileInfo(s.profile).name << ',' << notesOf(s) << '\n';
}

std::string writeSiteList(const std::filesystem::path& file, const std::vector<FleetSite>& sites)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out)
        writeSiteList(out, sites);
    out.flush();
    return out ? std::string() : "cannot write " + file.string();
}

} // namespace qarvo::sim

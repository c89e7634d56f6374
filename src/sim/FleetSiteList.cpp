#include "sim/FleetSiteList.h"

#include "sites/SiteCsv.h"

#include <cstdio>
#include <fstream>

namespace qarvo::sim {

namespace {

constexpr const char* kAddress = "127.0.0.1";
constexpr const char* kSimTag = "sim";

// Accounts and identification codes as the book keeps them: four
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
        return "simulated; the communicator takes another password";
    return "simulated";
}

bool writeText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

sites::Site bookSite(const FleetSite& site)
{
    sites::Site s;
    s.name = site.name;
    s.address = kAddress;
    s.port = site.port;
    s.callback = std::string(kAddress) + ":" + std::to_string(site.callbackPort);
    s.account = hex4(site.account);
    s.panelId = hex4(site.panelId);
    s.pcId = hex4(site.pcId);
    s.tags = {kSimTag, std::string(profileInfo(site.profile).name)};
    s.notes = notesOf(site);
    return s;
}

std::string writeSiteList(const std::filesystem::path& file, const std::vector<FleetSite>& sites)
{
    std::vector<sites::Site> book;
    std::vector<std::string> passwords;
    for (const FleetSite& s : sites) {
        book.push_back(bookSite(s));
        passwords.push_back(s.password);
    }
    if (!writeText(file, sites::sitesCsv(book, passwords)))
        return "cannot write " + file.string();
    return {};
}

} // namespace qarvo::sim

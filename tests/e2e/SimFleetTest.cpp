// A fleet of simulated sites served in-process, each read with qarvoip-cli
// as its site list gives it: a healthy site answers with its own password
// and holds its own programming, an offline site never answers, and a
// wrong-password site refuses the password the list gives.
#include "cli/ExitStatus.h"
#include "panel/Setting.h"
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sites/SiteCsv.h"
#include "support/CliFixture.h"
#include "support/Documents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace qarvo;
using namespace qarvo::testing;
using sim::SiteProfile;

namespace {

constexpr const char* kMix = "healthy=8,offline=1,wrong-password=1,lossy=1,slow=1";
constexpr std::size_t kSites = 12;
constexpr std::uint32_t kSeed = 7;

// How a read of a site with each profile ends. Lossy and slow sites answer
// too, but a page read over them takes tens of seconds: fleet runs and
// their benchmark read them.
const std::map<SiteProfile, int> kReadStatus{
    {SiteProfile::Healthy, cli::kExitSuccess},
    {SiteProfile::Offline, cli::kExitConnection},
    {SiteProfile::WrongPassword, cli::kExitRefused},
};

std::string hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

// The global options that reach a site as the site list gives it.
Args siteOptions(const sim::FleetSite& site)
{
    return {"--address", "127.0.0.1", "--port", std::to_string(site.port), "--password", site.password,
            "--panel-id", hex4(site.panelId), "--pc-id", hex4(site.pcId)};
}

class SimFleetTest : public CliTest {
protected:
    sim::SimFleet fleet_{{.sites = kSites, .mix = *sim::parseProfileMix(kMix), .seed = kSeed,
                          .eventEvery = std::chrono::milliseconds(0)}};
};

// The document read holds what the site's panel was given.
void expectOwnProgramming(const panel::CUploadDoc& doc, const sim::FleetSite& site)
{
    for (std::size_t z = 0; z < site.programming.zoneNames.size(); ++z)
        EXPECT_EQ(zoneName(doc, static_cast<int>(z + 1)), site.programming.zoneNames[z]) << site.name;
    EXPECT_EQ(doc.bytes(panel::Setting::Entry1Delay)[0], *site.programming.entryDelay) << site.name;
}

} // namespace

TEST_F(SimFleetTest, EachSiteAnswersAsItsProfileSays)
{
    ASSERT_TRUE(fleet_.start()) << fleet_.error();
    const auto& sites = fleet_.sites();
    ASSERT_EQ(sites.size(), kSites);
    for (std::size_t i = 0; i < sites.size(); ++i) {
        const sim::FleetSite& site = sites[i];
        const auto expected = kReadStatus.find(site.profile);
        if (expected == kReadStatus.end())
            continue;
        const std::string doc = file(site.name + ".rps").string();
        Args args = siteOptions(site);
        args.insert(args.end(), {"--home", dir().string(), "read-installer", doc});
        const CliRun read = run(args);
        EXPECT_EQ(read.status, expected->second) << site.name << ": " << read.err;
        if (expected->second == cli::kExitSuccess)
            expectOwnProgramming(openDocument(doc), site);
        if (site.profile == SiteProfile::WrongPassword) {
            EXPECT_EQ(fleet_.peers(i).communicator().lastPassword(), site.password) << site.name;
            EXPECT_NE(site.acceptedPassword, site.password) << site.name;
        }
    }
    const sim::ProfileMix mix = *sim::parseProfileMix(kMix);
    for (const sim::ProfileInfo& p : sim::profiles())
        EXPECT_EQ(std::ranges::count(sites, p.profile, &sim::FleetSite::profile), mix[static_cast<std::size_t>(p.profile)])
            << p.name;
}

TEST_F(SimFleetTest, TheSiteListIsOneTheBookImports)
{
    ASSERT_TRUE(fleet_.start()) << fleet_.error();
    const auto list = file("fleet.csv");
    ASSERT_EQ(sim::writeSiteList(list, fleet_.sites()), "");
    const auto text = [](const std::filesystem::path& path) {
        const auto bytes = fileBytes(path);
        return std::string(bytes.begin(), bytes.end());
    };
    const auto read = sites::readSitesCsv(text(list), [](const std::string&) { return std::nullopt; });
    EXPECT_TRUE(read.refused.empty()) << read.refused.front().why;
    ASSERT_EQ(read.sites.size(), kSites);
    for (std::size_t i = 0; i < kSites; ++i) {
        const sim::FleetSite& site = fleet_.sites()[i];
        EXPECT_EQ(read.sites[i].site.port, site.port) << site.name;
        EXPECT_EQ(read.sites[i].site.tags.back(), sim::profileInfo(site.profile).name) << site.name;
        EXPECT_EQ(read.sites[i].password, site.password) << site.name;
    }
}

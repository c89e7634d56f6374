// The fleet's profile mix as --profile writes it: what it accepts and what
// it refuses, and the share of the sites each profile gets.
#include "sim/FleetProfile.h"

#include <gtest/gtest.h>


using namespace qarvo::sim;

namespace {

struct MixCase {
    const char* text;
    std::optional<ProfileMix> mix;
};

const MixCase kMixes[] = {
    {"all-healthy", ProfileMix{1, 0, 0, 0, 0}},
    {"healthy=8,offline=1,wrong-password=1,lossy=1,slow=1", ProfileMix{8, 1, 1, 1, 1}},
    {"slow=3", ProfileMix{0, 0, 0, 0, 3}},
    {"", std::nullopt},
    {"healthy=0", std::nullopt},
    {"healthy=8,", std::nullopt},
    {"healthy", std::nullopt},
    {"healthy=-1", std::nullopt},
    {"healthy=8x", std::nullopt},
    {"sleepy=1", std::nullopt},
};

} // namespace

TEST(FleetProfile, TheMixTakesNamedWeightsAndRefusesAnythingElse)
{
    for (const MixCase& c : kMixes)
        EXPECT_EQ(parseProfileMix(c.text), c.mix) << c.text;
}

// A mix of 2:1:1 over a few fleet sizes: whole shares first, a site left
// over goes to the earlier profile of equal remainders.
struct ShareCase {
    std::size_t sites;
    ProfileMix counts;
};

TEST(FleetProfile, EachProfileGetsItsShareOfTheSites)
{
    const ProfileMix mix{2, 1, 1, 0, 0};
    for (const ShareCase& c : {ShareCase{4, {2, 1, 1, 0, 0}}, ShareCase{10, {5, 3, 2, 0, 0}}, ShareCase{1, {1, 0, 0, 0, 0}}}) {
        const auto drawn = drawProfiles(mix, c.sites, 1);
        ProfileMix counts{};
        for (SiteProfile p : drawn)
            ++counts[static_cast<std::size_t>(p)];
        EXPECT_EQ(counts, c.counts) << c.sites << " sites";
    }
}

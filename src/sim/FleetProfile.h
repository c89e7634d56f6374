#pragma once
// How a simulated site of a fleet behaves on the line: a healthy site, one
// that never answers, one that takes another password than the site list
// gives, one on a lossy line, one on a slow line. A fleet draws its sites'
// profiles from a mix, written as "healthy=8,offline=1,wrong-password=1,
// lossy=1,slow=1" (weights; with N sites each profile gets its share of N,
// exactly the weight when the weights add up to N) or "all-healthy".
#include "sim/FaultInjection.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::sim {

enum class SiteProfile { Healthy, Offline, WrongPassword, Lossy, Slow };
inline constexpr std::size_t kProfileCount = 5;

struct ProfileInfo {
    SiteProfile profile;
    std::string_view name; // as the mix and the site list's tags write it
    std::string_view help; // what the site does, for the usage text
    Faults faults;         // on the datagrams of both directions
    bool answers;          // false: every datagram it receives is lost
};

const ProfileInfo& profileInfo(SiteProfile profile);
std::span<const ProfileInfo> profiles();

// A weight per profile, in the order of SiteProfile.
using ProfileMix = std::array<unsigned, kProfileCount>;

inline constexpr std::string_view kAllHealthy = "all-healthy";
// Mostly healthy sites, a few of each trouble.
inline constexpr std::string_view kDefaultMix = "healthy=16,offline=1,wrong-password=1,lossy=1,slow=1";

// The mix a text writes; none when the text is not a valid mix (an unknown
// profile, a weight that is not a number, all weights zero).
std::optional<ProfileMix> parseProfileMix(std::string_view text);

// The profiles of count sites drawn from the mix, in an order the seed
// shuffles: the same for the same mix, count and seed.
std::vector<SiteProfile> drawProfiles(const ProfileMix& mix, std::size_t count, std::uint32_t seed);

} // namespace qarvo::sim

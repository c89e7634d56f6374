#include "sim/FleetProfile.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <random>

namespace qarvo::sim {

namespace {

// One line in ten loses or repeats a datagram; a slow line takes 50 ms
// each way.
constexpr double kLossyShare = 0.10;
constexpr std::chrono::milliseconds kSlowDelay{50};
constexpr unsigned kMostWeight = 100000;

constexpr Faults kClean{};
constexpr Faults kLossy{.loss = kLossyShare, .duplicate = kLossyShare};
constexpr Faults kSlow{.delay = kSlowDelay};

const std::array<ProfileInfo, kProfileCount> kProfiles{{
    {SiteProfile::Healthy, "healthy", "answers on a clean line", kClean, true},
    {SiteProfile::Offline, "offline", "never answers", kClean, false},
    {SiteProfile::WrongPassword, "wrong-password", "takes another password than the site list gives", kClean, true},
    {SiteProfile::Lossy, "lossy", "a lossy line", kLossy, true},
    {SiteProfile::Slow, "slow", "a slow line", kSlow, true},
}};

std::optional<unsigned> weight(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > kMostWeight)
        return std::nullopt;
    return value;
}

// Sets one "name=weight" item; false when it is not one.
bool setItem(ProfileMix& mix, std::string_view item)
{
    const auto equals = item.find('=');
    if (equals == std::string_view::npos)
        return false;
    const auto name = item.substr(0, equals);
    const auto it = std::ranges::find(kProfiles, name, &ProfileInfo::name);
    const auto value = weight(item.substr(equals + 1));
    if (it == kProfiles.end() || !value)
        return false;
    mix[static_cast<std::size_t>(it->profile)] = *value;
    return true;
}

} // namespace

const ProfileInfo& profileInfo(SiteProfile profile) { return kProfiles[static_cast<std::size_t>(profile)]; }

std::span<const ProfileInfo> profiles() { return kProfiles; }

std::optional<ProfileMix> parseProfileMix(std::string_view text)
{
    ProfileMix mix{};
    if (text == kAllHealthy) {
        mix[static_cast<std::size_t>(SiteProfile::Healthy)] = 1;
        return mix;
    }
    for (std::size_t start = 0; start <= text.size();) {
        const auto comma = std::min(text.find(',', start), text.size());
        if (!setItem(mix, text.substr(start, comma - start)))
            return std::nullopt;
        start = comma + 1;
    }
    if (std::reduce(mix.begin(), mix.end(), 0u) == 0)
        return std::nullopt;
    return mix;
}

std::vector<SiteProfile> drawProfiles(const ProfileMix& mix, std::size_t count, std::uint32_t seed)
{
    // Each profile's whole share of count first, then the sites left over
    // to the largest remainders (the earlier profile on a tie).
    const std::size_t total = std::reduce(mix.begin(), mix.end(), std::size_t{0});
    std::array<std::size_t, kProfileCount> counts{};
    std::array<std::size_t, kProfileCount> remainders{};
    std::size_t given = 0;
    for (std::size_t p = 0; p < kProfileCount; ++p) {
        counts[p] = count * mix[p] / total;
        remainders[p] = count * mix[p] % total;
        given += counts[p];
    }
    for (; given < count; ++given) {
        const auto largest = std::ranges::max_element(remainders) - remainders.begin();
        ++counts[static_cast<std::size_t>(largest)];
        remainders[static_cast<std::size_t>(largest)] = 0;
    }
    std::vector<SiteProfile> drawn;
    drawn.reserve(count);
    for (std::size_t p = 0; p < kProfileCount; ++p)
        drawn.insert(drawn.end(), counts[p], kProfiles[p].profile);
    std::shuffle(drawn.begin(), drawn.end(), std::mt19937(seed));
    return drawn;
}

} // namespace qarvo::sim

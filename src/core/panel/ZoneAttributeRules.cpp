#include "panel/ZoneAttributeRules.h"

#include "panel/TypeLists.h"

#include <algorithm>
#include <string_view>

namespace qarvo::panel {

namespace {

using Z = ZoneAttribute;

// The locks of each zone type: one character per position, '.' free, 'x'
// cleared and locked, '+' set and locked. Positions 0-14 are A to O; the last
// four are P, Q, R, S on later models and Q, R and two unused positions on
// the oldest model.
struct TypeRule {
    std::uint8_t type;
    std::string_view later;
    std::string_view oldest;
};

constexpr TypeRule kTypeRules[] = {
    {0, "xxxxxxxxxxxxxxx" "x+xx", "xxxxxxxxxxxxxxx" "+x.."},
    {1, "........xx....." "x...", "........xx....." "...."},
    {2, "........xx....." "x...", "........xx....." "...."},
    {3, "..............." "x...", "..............." "...."},
    {4, "..............." "....", "..............." "...."},
    {5, "....xxx........" "....", "....xxx........" "...."},
    {6, "....xxx........" "x...", "....xxx........" "...."},
    {10, "....xxx....x..." "x...", "....xxx....x..." "...."},
    {11, "....xxx........" "x...", "....xxx........" "...."},
    {12, "+x..xxx........" "x...", "+x..xxx........" "...."},
    {13, "....xxx........" "x...", "....xxx........" "...."},
    {14, "..x..xx.xx.x..." "x...", "..x..xx.xx.x..." "...."},
    {15, "..x..xx.xx.x..." "x...", "..x..xx.xx.x..." "...."},
    {16, ".+.x+xx.xx.x..." "x++.", ".+.x+xx.xx.x..." "++.."},
};

constexpr int kLetterPositions = 15; // A to O
constexpr std::array<Z, 4> kLaterTail{Z::P, Z::Q, Z::R, Z::S};
constexpr std::array<Z, 2> kOldestTail{Z::Q, Z::R};

// Zone types whose EOL attribute M is locked cleared while doubling is on.
constexpr std::uint8_t kNoEolWhileDoubled[] = {10, 14, 15, 16};

int at(ZoneAttribute a) { return attributeIndex(a); }

std::optional<std::uint8_t> typeCode(const ZoneRow& row)
{
    const auto list = zoneTypeList();
    if (row.type < 0 || std::size_t(row.type) >= list.size())
        return std::nullopt;
    return list[std::size_t(row.type)].code;
}

std::optional<bool> lockOf(char c)
{
    if (c == 'x') return false;
    if (c == '+') return true;
    return std::nullopt;
}

void applyTypeRule(std::uint8_t type, const PanelModel& model, AttributeLocks& locks)
{
    const auto rule = std::ranges::find(kTypeRules, type, &TypeRule::type);
    if (rule == std::end(kTypeRules))
        return;
    const bool oldest = model.typeCode == kFirstTypeCode;
    const std::string_view text = oldest ? rule->oldest : rule->later;
    for (int i = 0; i < kLetterPositions; ++i)
        locks[std::size_t(i)] = lockOf(text[std::size_t(i)]);
    const std::span<const Z> tail = oldest ? std::span<const Z>(kOldestTail) : std::span<const Z>(kLaterTail);
    for (std::size_t i = 0; i < tail.size(); ++i)
        locks[std::size_t(at(tail[i]))] = lockOf(text[kLetterPositions + i]);
}

} // namespace

std::vector<ZoneAttribute> zoneAttributeColumns(const PanelModel& model)
{
    std::vector<ZoneAttribute> columns;
    for (int a = at(Z::A); a <= at(Z::O); ++a)
        columns.push_back(static_cast<ZoneAttribute>(a));
    if (model.hasZoneAttributeP())
        columns.push_back(Z::P);
    columns.push_back(Z::Q);
    columns.push_back(Z::R);
    if (model.hasWirelessZones())
        columns.push_back(Z::S);
    return columns;
}

AttributeLocks zoneAttributeLocks(std::span<const ZoneRow> zones, std::size_t z, const PanelModel& model)
{
    AttributeLocks locks{};
    if (z >= zones.size())
        return locks;
    const ZoneRow& zone = zones[z];
    const auto type = typeCode(zone);
    if (type)
        applyTypeRule(*type, model, locks);

    const std::size_t half = zones.size() / 2;
    const bool doubled = zone.attributes[std::size_t(at(Z::N))];
    if (z >= half) {
        locks[std::size_t(at(Z::N))] = false;
        locks[std::size_t(at(Z::O))] = false;
        const ZoneRow& lower = zones[z - half];
        if (lower.attributes[std::size_t(at(Z::N))])
            for (Z a : {Z::K, Z::L, Z::M})
                locks[std::size_t(at(a))] = lower.attributes[std::size_t(at(a))];
        return locks;
    }
    if (doubled && type && std::ranges::find(kNoEolWhileDoubled, *type) != std::end(kNoEolWhileDoubled))
        locks[std::size_t(at(Z::M))] = false;
    if (!doubled)
        locks[std::size_t(at(Z::O))] = false;
    return locks;
}

void applyZoneAttributeRules(std::span<ZoneRow> zones, const PanelModel& model)
{
    for (std::size_t z = 0; z < zones.size(); ++z) {
        const AttributeLocks locks = zoneAttributeLocks(zones, z, model);
        for (std::size_t a = 0; a < locks.size(); ++a)
            if (locks[a])
                zones[z].attributes[a] = *locks[a];
    }
}

} // namespace qarvo::panel

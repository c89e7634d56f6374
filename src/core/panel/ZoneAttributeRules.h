#pragma once
// Which zone attributes a zone's type and its place among the doubled zones
// leave free, and which it fixes: cleared and locked, set and locked, or
// locked to the values of the zone it doubles.
#include "panel/PanelModels.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qarvo::panel {

// Attributes A to S of a zone record, by letter.
enum class ZoneAttribute : int { A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S };
inline constexpr int kZoneAttributeCount = 19;
using ZoneAttributes = std::array<bool, kZoneAttributeCount>;

constexpr int attributeIndex(ZoneAttribute a) { return static_cast<int>(a); }

// The attributes of the zone grid's columns from column 4 on, in column
// order: A to O, then P (not on the oldest model), the partition attributes
// Q and R, and S on the V3 models. A column's header letter follows its
// position ("A" for the first), so on the oldest model Q and R head "P", "Q".
std::vector<ZoneAttribute> zoneAttributeColumns(const PanelModel& model);

// nullopt: the user may change the attribute; a value: locked at it.
using AttributeLocks = std::array<std::optional<bool>, kZoneAttributeCount>;

// One row of the zone grid.
struct ZoneRow {
    int type = -1;    // index into zoneTypeList(); -1 while none is selected
    std::string name; // up to 16 characters
    ZoneAttributes attributes{};

    friend bool operator==(const ZoneRow&, const ZoneRow&) = default;
};

// The locks of zone index z (from 0) among zones of the model: first those of
// its type, then those of zone doubling (the upper half doubles the lower).
AttributeLocks zoneAttributeLocks(std::span<const ZoneRow> zones, std::size_t z, const PanelModel& model);

// Sets every locked attribute of every zone to its locked value, lower zones
// first so the doubled zones copy their final values.
void applyZoneAttributeRules(std::span<ZoneRow> zones, const PanelModel& model);

} // namespace qarvo::panel

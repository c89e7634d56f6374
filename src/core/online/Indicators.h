#pragma once
// The six state indicators of a zone row. Each owns four bits of the row's
// 32-bit indicator word: A (partition A or the system), B (partition B),
// P (the last report came in partitioned mode) and R (a report has arrived).
#include <cstdint>
#include <optional>

namespace qarvo::online {

// In the order of the zone list's columns 2 to 7.
enum class Indicator { ZoneOpen, TamperOpen, Burglary, TamperAlarm, Bypass, Stay };
inline constexpr int kIndicatorCount = 6;
inline constexpr int kFirstIndicatorColumn = 2;

struct IndicatorBits {
    std::uint32_t a;
    std::uint32_t b;
    std::uint32_t partitioned;
    std::uint32_t received;
};

IndicatorBits indicatorBits(Indicator indicator);
constexpr int indicatorColumn(Indicator indicator) { return kFirstIndicatorColumn + static_cast<int>(indicator); }

// The indicator a zone map report (kinds 6 to 11) drives.
std::optional<Indicator> indicatorOfReport(int kind);

// The word after one zone map report: P follows the partitioned flag, the
// bit of the reported partition follows the zone's map bit, R is set.
std::uint32_t applyZoneReport(std::uint32_t word, Indicator indicator, bool partitioned, std::uint8_t partition,
                              bool zoneBit);

// The image (0 to 8) that shows an indicator of a word.
int indicatorIcon(std::uint32_t word, Indicator indicator);

} // namespace qarvo::online

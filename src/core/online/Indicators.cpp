#include "online/Indicators.h"

#include "operations/StatusDecoder.h"

#include <array>

namespace qarvo::online {
namespace {

constexpr std::array<IndicatorBits, kIndicatorCount> kBits{{
    {0x1, 0x2, 0x100, 0x1000},            // Zone open
    {0x4, 0x8, 0x200, 0x2000},            // Tamp. open
    {0x10000, 0x20000, 0x100000, 0x400000}, // Burglary
    {0x40000, 0x80000, 0x200000, 0x800000}, // Tamp. alrm
    {0x10, 0x20, 0x400, 0x4000},          // Bypass
    {0x40, 0x80, 0x800, 0x8000},          // Stay
}};

struct ReportIndicator {
    int kind;
    Indicator indicator;
};
constexpr ReportIndicator kReportIndicators[] = {
    {report_kind::kZonesOpen, Indicator::ZoneOpen},     {report_kind::kZonesTamperOpen, Indicator::TamperOpen},
    {report_kind::kZonesStay, Indicator::Stay},         {report_kind::kZonesBypassed, Indicator::Bypass},
    {report_kind::kZonesBurglary, Indicator::Burglary}, {report_kind::kZonesTamperAlarm, Indicator::TamperAlarm},
};

// Icon by [P][R][A,B as two bits: A = 2, B = 1].
constexpr int kIcons[2][2][4] = {
    {{0, 2, 0, 2},  // P clear, R clear: B shows image 2
     {0, 0, 1, 1}}, // P clear, R set: A shows image 1
    {{0, 8, 6, 7},  // P set, R clear
     {0, 5, 3, 4}}, // P set, R set
};

void setBit(std::uint32_t& word, std::uint32_t bit, bool on)
{
    word = on ? (word | bit) : (word & ~bit);
}

} // namespace

IndicatorBits indicatorBits(Indicator indicator)
{
    return kBits[static_cast<std::size_t>(indicator)];
}

std::optional<Indicator> indicatorOfReport(int kind)
{
    for (const ReportIndicator& r : kReportIndicators)
        if (r.kind == kind)
            return r.indicator;
    return std::nullopt;
}

std::uint32_t applyZoneReport(std::uint32_t word, Indicator indicator, bool partitioned, std::uint8_t partition,
                              bool zoneBit)
{
    const IndicatorBits bits = indicatorBits(indicator);
    setBit(word, bits.partitioned, partitioned);
    // Every indicator, burglary included, keeps partition A's state apart
    // from partition B's.
    const bool partitionB = partitioned && partition == operations::kPartitionB;
    setBit(word, partitionB ? bits.b : bits.a, zoneBit);
    return word | bits.received;
}

int indicatorIcon(std::uint32_t word, Indicator indicator)
{
    const IndicatorBits bits = indicatorBits(indicator);
    const int p = (word & bits.partitioned) ? 1 : 0;
    const int r = (word & bits.received) ? 1 : 0;
    const int ab = ((word & bits.a) ? 2 : 0) | ((word & bits.b) ? 1 : 0);
    return kIcons[p][r][ab];
}

} // namespace qarvo::online

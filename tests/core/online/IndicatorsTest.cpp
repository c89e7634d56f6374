#include "online/Indicators.h"

#include "operations/StatusDecoder.h"

#include <gtest/gtest.h>

#include <set>

using namespace qarvo;
using namespace qarvo::online;

namespace {
constexpr Indicator kAll[] = {Indicator::ZoneOpen, Indicator::TamperOpen, Indicator::Burglary,
                              Indicator::TamperAlarm, Indicator::Bypass, Indicator::Stay};
}

TEST(IndicatorWord, EveryIndicatorOwnsFourDistinctBits)
{
    std::set<std::uint32_t> seen;
    for (Indicator i : kAll) {
        const IndicatorBits b = indicatorBits(i);
        for (std::uint32_t bit : {b.a, b.b, b.partitioned, b.received}) {
            EXPECT_EQ(bit & (bit - 1), 0u) << "one bit each";
            EXPECT_TRUE(seen.insert(bit).second) << "no bit shared";
        }
    }
    EXPECT_EQ(indicatorBits(Indicator::Burglary).received, 0x400000u);
    EXPECT_EQ(indicatorBits(Indicator::Stay).partitioned, 0x800u);
    EXPECT_EQ(indicatorColumn(Indicator::ZoneOpen), 2);
    EXPECT_EQ(indicatorColumn(Indicator::Stay), 7);
}

TEST(IndicatorWord, ReportKindsMapToTheirIndicators)
{
    EXPECT_EQ(indicatorOfReport(report_kind::kZonesOpen), Indicator::ZoneOpen);
    EXPECT_EQ(indicatorOfReport(report_kind::kZonesTamperOpen), Indicator::TamperOpen);
    EXPECT_EQ(indicatorOfReport(report_kind::kZonesStay), Indicator::Stay);
    EXPECT_EQ(indicatorOfReport(report_kind::kZonesBypassed), Indicator::Bypass);
    EXPECT_EQ(indicatorOfReport(report_kind::kZonesBurglary), Indicator::Burglary);
    EXPECT_EQ(indicatorOfReport(report_kind::kZonesTamperAlarm), Indicator::TamperAlarm);
    EXPECT_FALSE(indicatorOfReport(report_kind::kPgmStatus).has_value());
}

TEST(IndicatorIcon, AllSixteenCombinations)
{
    struct Case {
        bool p, r, a, b;
        int icon;
    };
    const Case cases[] = {
        {1, 1, 1, 1, 4}, {1, 1, 1, 0, 3}, {1, 1, 0, 1, 5}, {1, 1, 0, 0, 0},
        {1, 0, 1, 1, 7}, {1, 0, 1, 0, 6}, {1, 0, 0, 1, 8}, {1, 0, 0, 0, 0},
        {0, 1, 1, 1, 1}, {0, 1, 1, 0, 1}, {0, 1, 0, 1, 0}, {0, 1, 0, 0, 0},
        {0, 0, 1, 1, 2}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 2}, {0, 0, 0, 0, 0},
    };
    for (Indicator i : kAll) {
        const IndicatorBits bits = indicatorBits(i);
        for (const Case& c : cases) {
            const std::uint32_t word = (c.p ? bits.partitioned : 0) | (c.r ? bits.received : 0) | (c.a ? bits.a : 0)
                | (c.b ? bits.b : 0);
            EXPECT_EQ(indicatorIcon(word, i), c.icon) << static_cast<int>(i) << " word " << word;
            // The other indicators' bits do not leak into this one.
            EXPECT_EQ(indicatorIcon(~bits.a & ~bits.b & ~bits.partitioned & ~bits.received, i), 0);
        }
    }
}

TEST(IndicatorUpdate, PartitionedFlagAndPartitionChooseTheBit)
{
    const IndicatorBits bits = indicatorBits(Indicator::Bypass);
    EXPECT_EQ(applyZoneReport(0, Indicator::Bypass, false, 2, true), bits.a | bits.received);
    EXPECT_EQ(applyZoneReport(0, Indicator::Bypass, true, 2, true), bits.b | bits.partitioned | bits.received);
    EXPECT_EQ(applyZoneReport(0, Indicator::Bypass, true, 1, true), bits.a | bits.partitioned | bits.received);
    // Clearing leaves the other partition's bit and drops P when unpartitioned.
    const std::uint32_t both = bits.a | bits.b | bits.partitioned | bits.received;
    EXPECT_EQ(applyZoneReport(both, Indicator::Bypass, true, 2, false), bits.a | bits.partitioned | bits.received);
    EXPECT_EQ(applyZoneReport(both, Indicator::Bypass, false, 1, false), bits.b | bits.received);
    // Other indicators stay as they were.
    const std::uint32_t open = indicatorBits(Indicator::ZoneOpen).a;
    EXPECT_EQ(applyZoneReport(open, Indicator::Bypass, false, 1, false), open | bits.received);
}

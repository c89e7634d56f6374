#include "eventlog/LogClock.h"

#include <gtest/gtest.h>

using qarvo::eventlog::LogClock;

namespace {

LogClock clockAt(int year, int monthIndex, std::uint16_t minuteOfMonth)
{
    LogClock clock;
    clock.set(year, monthIndex, minuteOfMonth);
    return clock;
}

} // namespace

TEST(LogClock, SplitsTheMinuteOfMonthIntoDayHourAndMinute)
{
    // 44639 = 30·1440 + 23·60 + 59: the last minute of a 31-day month.
    const LogClock clock = clockAt(2026, 6, 44639);
    EXPECT_EQ(clock.day(), 31);
    EXPECT_EQ(clock.hour(), 23);
    EXPECT_EQ(clock.minute(), 59);
}

TEST(LogClock, StepsBackWithinTheMonthWhenTheGapFits)
{
    LogClock clock = clockAt(2026, 3, 1000);
    clock.stepBack(1000);
    EXPECT_EQ(clock.monthIndex(), 3);
    EXPECT_EQ(clock.minuteOfMonth(), 0);
}

TEST(LogClock, FebruaryHas29DaysInYearsDivisibleByFour)
{
    LogClock leap = clockAt(2024, 2, 0);   // 1 March 2024, 00:00
    leap.stepBack(60);
    EXPECT_EQ(leap.year(), 2024);
    EXPECT_EQ(leap.monthIndex(), 1);
    EXPECT_EQ(leap.minuteOfMonth(), 41760 - 60);

    LogClock common = clockAt(2025, 2, 0);
    common.stepBack(60);
    EXPECT_EQ(common.year(), 2025);
    EXPECT_EQ(common.monthIndex(), 1);
    EXPECT_EQ(common.minuteOfMonth(), 40320 - 60);
}

TEST(LogClock, JanuaryStepsBackToDecemberOfThePreviousYear)
{
    LogClock clock = clockAt(2026, 0, 30);
    clock.stepBack(60);
    EXPECT_EQ(clock.year(), 2025);
    EXPECT_EQ(clock.monthIndex(), 11);
    EXPECT_EQ(clock.minuteOfMonth(), 30 + 44640 - 60);
}

TEST(LogClock, ThirtyDayMonthsAddTheirOwnLength)
{
    LogClock clock = clockAt(2026, 4, 10);   // May; April has 30 days
    clock.stepBack(20);
    EXPECT_EQ(clock.monthIndex(), 3);
    EXPECT_EQ(clock.minuteOfMonth(), 43200 - 10);
}

TEST(LogClock, AGapLongerThanAMonthKeepsSteppingInsteadOfWrapping)
{
    LogClock clock = clockAt(2026, 0, 0);
    clock.stepBack(60000);   // December (44640) is not enough; November (43200) too
    EXPECT_EQ(clock.year(), 2025);
    EXPECT_EQ(clock.monthIndex(), 10);
    EXPECT_EQ(clock.minuteOfMonth(), 44640 + 43200 - 60000);
}

TEST(LogClock, AnUnknownMonthCountsAsThirtyOneDaysAndStepsTowardsDecember)
{
    LogClock clock = clockAt(2026, 12, 0);
    clock.stepBack(60);
    EXPECT_EQ(clock.year(), 2026);
    EXPECT_EQ(clock.monthIndex(), 11);
    EXPECT_EQ(clock.minuteOfMonth(), 44640 - 60);

    LogClock farOut = clockAt(2026, 200, 0);
    farOut.stepBack(1);
    EXPECT_EQ(farOut.monthIndex(), 199);
    EXPECT_EQ(farOut.minuteOfMonth(), 44639);
}

TEST(LogClock, ClockRecordSettersChangeOnlyTheirOwnFields)
{
    LogClock clock = clockAt(2026, 3, 500);
    clock.setYearAndMonth(2030, 7);
    EXPECT_EQ(clock.minuteOfMonth(), 500);
    clock.setMinuteOfMonth(65535);
    EXPECT_EQ(clock.year(), 2030);
    EXPECT_EQ(clock.monthIndex(), 7);
    EXPECT_EQ(clock.minuteOfMonth(), 65535);
}

#include "eventlog/EventDecoder.h"

#include <gtest/gtest.h>

using namespace qarvo::eventlog;

namespace {

constexpr PanelCounts kSirus{.typeCode = 0x24, .zones = 16, .users = 46, .keypads = 8};
constexpr PanelCounts kOrin{.typeCode = 0x22, .zones = 12, .users = 46, .keypads = 8};

std::uint16_t word(int eventClass, int gap = 0)
{
    return static_cast<std::uint16_t>(eventClass << 12 | gap);
}

LogClock clockAt(int year, int monthIndex, std::uint16_t minuteOfMonth)
{
    LogClock clock;
    clock.set(year, monthIndex, minuteOfMonth);
    return clock;
}

// The line of one record decoded at 1 January 2026, 00:00.
std::string lineAtNewYear(const PanelCounts& counts, int code, std::uint16_t eventWord)
{
    LogClock clock = clockAt(2026, 0, 0);
    return decodeEventRecord(counts, clock, static_cast<std::uint8_t>(code), eventWord).toStdString();
}

// The stamp of 1 January 2026, 00:00, followed by the format's own space.
const std::string kNewYear = " 00:00  01.Jan.2026 ";
const std::string kUnknown = "Unknown event. CALL INSTALLER!";

} // namespace

TEST(EventWordSplit, ClassAndGapComeFromTheWordExceptForClockRecords)
{
    const EventWord event = splitEventWord(5, 0xA123);
    EXPECT_EQ(event.eventClass, 10);
    EXPECT_EQ(event.gapMinutes, 0x123);

    const EventWord clockRecord = splitEventWord(255, 0xA123);
    EXPECT_EQ(clockRecord.eventClass, 0);
    EXPECT_EQ(clockRecord.gapMinutes, 0xA123);
}

TEST(EventLine, FirstMinuteOfJanuary2026)
{
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(0)), " 00:00  01.Jan.2026  Arming by installer's maintenance code");
}

TEST(EventLine, StampShowsDayHourMinuteMonthAndYear)
{
    // 10000 = 6·1440 + 22·60 + 40.
    LogClock clock = clockAt(2027, 8, 10000);
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 1, word(0)).toStdString(),
              " 22:40  07.Sept.2027  Arming by master user");
}

TEST(EventLine, MonthOutsideTheYearShowsQuestionMarks)
{
    LogClock clock = clockAt(2026, 12, 0);
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 1, word(0)).toStdString(),
              " 00:00  01.???.2026  Arming by master user");
    EXPECT_EQ(shortMonthName(-1).toStdString(), "???");
    EXPECT_EQ(shortMonthName(11).toStdString(), "Dec");
}

TEST(PartitionLabels, ClassesNameTheirPartitionWithAlignedLabels)
{
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(8)),
              kNewYear + "Partition A     Arming by installer's maintenance code");
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(4)),
              kNewYear + "Partition     B Arming by installer's maintenance code");
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(9)), kNewYear + "Partition A     Maintenance request keypad 1");
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(5)), kNewYear + "Partition     B Maintenance request keypad 1");
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(6)), kNewYear + "Partition A&B AC power loss");
    EXPECT_EQ(lineAtNewYear(kSirus, 1, word(14)), kNewYear + "Partition A&B PGM on by time");
    EXPECT_EQ(lineAtNewYear(kSirus, 1, word(10)), kNewYear + " PGM on by time");
    EXPECT_EQ(lineAtNewYear(kSirus, 0, word(2)), kNewYear + " AC power loss");
}

TEST(EventClasses, ClassesWithoutATableAreUnknownWhateverTheCode)
{
    for (int eventClass : {3, 7, 11, 13, 15}) {
        for (int code : {0, 1, 100, 252})
            EXPECT_EQ(lineAtNewYear(kSirus, code, word(eventClass)), kNewYear + kUnknown)
                << "class " << eventClass << " code " << code;
    }
}

TEST(EventClasses, AnUnknownEventStillMovesTheClock)
{
    LogClock clock = clockAt(2026, 0, 1000);
    EXPECT_FALSE(decodeEventRecord(kSirus, clock, 9, word(3, 100)).isEmpty());
    EXPECT_EQ(clock.minuteOfMonth(), 900);
}

TEST(ClockSteps, EachLineShowsTheClockBeforeItsOwnGap)
{
    LogClock clock = clockAt(2026, 0, 120);
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 0, word(0, 90)).toStdString(),
              " 02:00  01.Jan.2026  Arming by installer's maintenance code");
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 1, word(0, 0)).toStdString(),
              " 00:30  01.Jan.2026  Arming by master user");
}

TEST(ClockSteps, LeapFebruaryFromFirstOfMarch)
{
    LogClock clock = clockAt(2024, 2, 0);
    decodeEventRecord(kSirus, clock, 0, word(0, 60));
    // 41760 − 60 = 41700 = 28·1440 + 23·60.
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 1, word(0)).toStdString(),
              " 23:00  29.Feb.2024  Arming by master user");
}

TEST(ClockSteps, CommonFebruaryFromFirstOfMarch)
{
    LogClock clock = clockAt(2025, 2, 0);
    decodeEventRecord(kSirus, clock, 0, word(0, 60));
    // 40320 − 60 = 40260 = 27·1440 + 23·60.
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 1, word(0)).toStdString(),
              " 23:00  28.Feb.2025  Arming by master user");
}

TEST(ClockSteps, JanuaryToDecemberOfThePreviousYear)
{
    LogClock clock = clockAt(2026, 0, 30);
    decodeEventRecord(kSirus, clock, 0, word(0, 60));
    // 30 + 44640 − 60 = 44610 = 30·1440 + 23·60 + 30.
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 1, word(0)).toStdString(),
              " 23:30  31.Dec.2025  Arming by master user");
}

TEST(ClockRecords, YearAndMonthRecordSetsTheClockWithoutLineOrGap)
{
    LogClock clock = clockAt(2025, 0, 100);
    EXPECT_TRUE(decodeEventRecord(kSirus, clock, 253, 0x1A05).isEmpty());
    EXPECT_EQ(clock.year(), 2026);
    EXPECT_EQ(clock.monthIndex(), 5);
    EXPECT_EQ(clock.minuteOfMonth(), 100) << "the word 0x1A05 must not be taken as a gap";
}

TEST(ClockRecords, MinuteRecordSetsTheMinuteWithoutLineOrGap)
{
    LogClock clock = clockAt(2026, 5, 100);
    EXPECT_TRUE(decodeEventRecord(kSirus, clock, 254, 5000).isEmpty());
    EXPECT_EQ(clock.year(), 2026);
    EXPECT_EQ(clock.monthIndex(), 5) << "a gap of 5000 would have stepped into May";
    EXPECT_EQ(clock.minuteOfMonth(), 5000);
}

TEST(ClockRecords, TimeSetRecordShowsALineThenStepsByItsWordAndTakesItAsMinute)
{
    LogClock clock = clockAt(2026, 0, 100);
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 255, 5000).toStdString(),
              " 01:40  01.Jan.2026  Time/date is set");
    // Stepping back 5000 minutes from 100 crosses into December 2025.
    EXPECT_EQ(clock.year(), 2025);
    EXPECT_EQ(clock.monthIndex(), 11);
    EXPECT_EQ(clock.minuteOfMonth(), 5000);
}

TEST(ClockRecords, ClockRecordsIgnoreTheClassBits)
{
    LogClock clock = clockAt(2026, 0, 0);
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 255, 0x8000).toStdString(),
              " 00:00  01.Jan.2026  Time/date is set");
}

TEST(ClockRecords, StayClockRecordsWithManyUserRecords)
{
    // With 64 user records the autoarming range would reach code 253.
    const PanelCounts manyUsers{.typeCode = 0x24, .zones = 16, .users = 64, .keypads = 8};
    LogClock clock = clockAt(2026, 0, 100);
    EXPECT_TRUE(decodeEventRecord(manyUsers, clock, 253, 0x1A05).isEmpty());
    EXPECT_EQ(clock.monthIndex(), 5);
    EXPECT_EQ(clock.minuteOfMonth(), 100);
}

TEST(ArmingTable, UserRangesFollowTheUserRecordCount)
{
    const auto text = [](int code) { return lineAtNewYear(kSirus, code, word(0)).substr(kNewYear.size()); };
    EXPECT_EQ(text(2), " Arming by user 2");
    EXPECT_EQ(text(45), " Arming by user 45");
    EXPECT_EQ(text(46), " Stay arming by installer's maintenance code");
    EXPECT_EQ(text(47), " Stay arming by master user");
    EXPECT_EQ(text(48), " Stay arming by user 2");
    EXPECT_EQ(text(92), " Disarming by installer's maintenance code");
    EXPECT_EQ(text(94), " Disarming by user 2");
    EXPECT_EQ(text(138), " Autoarming stopped by maintenance code");
    EXPECT_EQ(text(183), " Autoarming stopped by user 45");
    EXPECT_EQ(text(184), " Installer under duress (ambush)");
    EXPECT_EQ(text(186), " User 2 under duress (ambush)");
    EXPECT_EQ(text(231), " Arming by keyswitch");
    EXPECT_EQ(text(237), " Disarming by keyswitch");
    EXPECT_EQ(text(239), " Timed autodisarm");
    EXPECT_EQ(text(242), " Stay arming by keyswitch");
    EXPECT_EQ(text(245), " Autoarming failed");
    EXPECT_EQ(text(250), " Autoarming stopped by autodisarm");
    EXPECT_EQ(text(252), " Autoarming stopped by PC");
}

TEST(ArmingTable, GapsBetweenEntriesAreUnknown)
{
    for (int code : {230, 236, 240, 241, 246, 249})
        EXPECT_EQ(lineAtNewYear(kSirus, code, word(0)), kNewYear + " " + kUnknown) << "code " << code;
}

TEST(ArmingTable, FewerUsersMoveTheRanges)
{
    const PanelCounts tenUsers{.typeCode = 0x24, .zones = 16, .users = 10, .keypads = 8};
    EXPECT_EQ(lineAtNewYear(tenUsers, 10, word(0)), kNewYear + " Stay arming by installer's maintenance code");
    EXPECT_EQ(lineAtNewYear(tenUsers, 51, word(0)), kNewYear + " Arming by keyswitch");
}

TEST(AlarmsTable, ZoneRangesStartAfterTheKeypadEvents)
{
    EXPECT_EQ(lineAtNewYear(kSirus, 64, word(1)), kNewYear + " Zone 1 bypassed from swinger shutdown");
    EXPECT_EQ(lineAtNewYear(kSirus, 96, word(1)), kNewYear + " Burglary alarm on zone 1");
    EXPECT_EQ(lineAtNewYear(kSirus, 79, word(1)), kNewYear + " Zone 16 bypassed from swinger shutdown");
    EXPECT_EQ(lineAtNewYear(kSirus, 80, word(1)), kNewYear + " Zone 1 bypassed");
    EXPECT_EQ(lineAtNewYear(kSirus, 207, word(1)), kNewYear + " Tamper restore on zone 16");
    EXPECT_EQ(lineAtNewYear(kSirus, 208, word(1)), kNewYear + " " + kUnknown);
}

TEST(AlarmsTable, KeypadAndDeviceEvents)
{
    const auto text = [](int code) { return lineAtNewYear(kSirus, code, word(1)).substr(kNewYear.size()); };
    EXPECT_EQ(text(7), " Maintenance request keypad 8");
    EXPECT_EQ(text(8), " Panic alarm triggered from keypad 1");
    EXPECT_EQ(text(16), " Fire alarm triggered from keypad 1");
    EXPECT_EQ(text(24), " Medical emergency alarm triggered from keypad 1");
    EXPECT_EQ(text(39), " Keypad 8 tamper");
    EXPECT_EQ(text(40), " Tamper alarm from device 9");
    EXPECT_EQ(text(45), " Tamper alarm from device 14");
    EXPECT_EQ(text(46), " Tamper alarm from keyfob");
    EXPECT_EQ(text(47), " Tamper alarm from card reader");
    EXPECT_EQ(text(48), " Keypad 1 tamper restore");
    EXPECT_EQ(text(55), " Keypad 8 tamper restore");
    EXPECT_EQ(text(56), " Tamper alarm restore on device 9");
    EXPECT_EQ(text(61), " Tamper alarm restore on device 14");
    EXPECT_EQ(text(62), " Tamper alarm restore on keyfob");
    EXPECT_EQ(text(63), " Tamper alarm restore on card reader");
}

TEST(SystemTable, FixedAndZoneRoundEvents)
{
    const auto text = [](int code) { return lineAtNewYear(kSirus, code, word(2)).substr(kNewYear.size()); };
    EXPECT_EQ(text(10), " Installer enters programming mode");
    EXPECT_EQ(text(20), " Master user exits programming mode");
    EXPECT_EQ(text(21), " " + kUnknown);
    EXPECT_EQ(text(26), " Master user changed programming values");
    EXPECT_EQ(text(30), " Round effectuated on zone 1");
    EXPECT_EQ(text(45), " Round effectuated on zone 16");
    EXPECT_EQ(text(46), " Round failed on zone 1");
    EXPECT_EQ(text(62), " Ambush round on zone 1");
    EXPECT_EQ(text(244), " All events have been marked as read.");
}

TEST(SystemTable, BusChangesOnModelsAboveTheFirst)
{
    const auto text = [](const PanelCounts& counts, int code) {
        return lineAtNewYear(counts, code, word(2)).substr(kNewYear.size());
    };
    // 16 zones: removals from 78, additions from 94.
    EXPECT_EQ(text(kSirus, 78), " Keypad 1 removed from bus");
    EXPECT_EQ(text(kSirus, 85), " Keypad 8 removed from bus");
    EXPECT_EQ(text(kSirus, 86), " Module 9 removed from bus");
    EXPECT_EQ(text(kSirus, 87), " Zone Expander removed from bus");
    EXPECT_EQ(text(kSirus, 92), " Card reader removed from bus");
    EXPECT_EQ(text(kSirus, 93), " " + kUnknown);
    EXPECT_EQ(text(kSirus, 94), " Keypad 1 added to bus");
    EXPECT_EQ(text(kSirus, 102), " Module 9 added to bus");
    EXPECT_EQ(text(kSirus, 108), " Card reader added to bus");
    EXPECT_EQ(text(kSirus, 109), " " + kUnknown);

    const PanelCounts firstModel{.typeCode = 0x21, .zones = 16, .users = 46, .keypads = 8};
    EXPECT_EQ(text(firstModel, 78), " " + kUnknown);
    EXPECT_EQ(text(firstModel, 94), " " + kUnknown);
}

TEST(SystemTable, RfEventsOnlyOnWirelessModels)
{
    EXPECT_EQ(lineAtNewYear(kSirus, 110, word(2)), kNewYear + " RF Supervision Loss Zone 01");
    EXPECT_EQ(lineAtNewYear(kSirus, 125, word(2)), kNewYear + " RF Supervision Loss Zone 16");
    EXPECT_EQ(lineAtNewYear(kSirus, 126, word(2)), kNewYear + " RF Supervision Restored Zone 01");
    EXPECT_EQ(lineAtNewYear(kSirus, 142, word(2)), kNewYear + " RF Sensor Battery Low Zone 01");
    EXPECT_EQ(lineAtNewYear(kSirus, 173, word(2)), kNewYear + " RF Sensor Battery Restored Zone 16");

    // The same codes and the Orin's own RF range (62 + 3·12 = 98 on) are unknown.
    const PanelCounts orinWithSixteenZones{.typeCode = 0x22, .zones = 16, .users = 46, .keypads = 8};
    EXPECT_EQ(lineAtNewYear(orinWithSixteenZones, 110, word(2)), kNewYear + " " + kUnknown);
    EXPECT_EQ(lineAtNewYear(kOrin, 98, word(2)), kNewYear + " " + kUnknown);
    EXPECT_EQ(lineAtNewYear(kOrin, 97, word(2)), kNewYear + " " + kUnknown);   // addition i = 16
    EXPECT_EQ(lineAtNewYear(kOrin, 96, word(2)), kNewYear + " Card reader added to bus");

    const PanelCounts sirusIp{.typeCode = 0x29, .zones = 16, .users = 46, .keypads = 8};
    EXPECT_EQ(lineAtNewYear(sirusIp, 110, word(2)), kNewYear + " RF Supervision Loss Zone 01");
}

TEST(SystemTable, LogMarkedReadShowsOnlyTheStampAndStepsBack4096Minutes)
{
    LogClock clock = clockAt(2026, 0, 10000);
    EXPECT_EQ(decodeEventRecord(kSirus, clock, 245, word(2, 5)).toStdString(), " 22:40  07.Jan.2026  ");
    EXPECT_EQ(clock.minuteOfMonth(), 10000 - 4096);

    LogClock partitions = clockAt(2026, 0, 10000);
    EXPECT_EQ(decodeEventRecord(kSirus, partitions, 245, word(6)).toStdString(),
              " 22:40  07.Jan.2026 Partition A&B ");
    EXPECT_EQ(partitions.minuteOfMonth(), 10000 - 4096);
}

TEST(OutputsTable, PgmRoundAndCardRanges)
{
    const auto text = [](int code) { return lineAtNewYear(kSirus, code, word(10)).substr(kNewYear.size()); };
    EXPECT_EQ(text(0), " PGM activation by PC");
    EXPECT_EQ(text(3), " PGM activation by master user");
    EXPECT_EQ(text(4), " PGM activation by user 2");
    EXPECT_EQ(text(47), " PGM activation by user 45");
    EXPECT_EQ(text(48), " PGM deactivation by PC");
    EXPECT_EQ(text(49), " PGM off by time");
    EXPECT_EQ(text(52), " PGM deactivation by user 2");
    EXPECT_EQ(text(96), " Rounds started by PC");
    EXPECT_EQ(text(100), " Rounds started by user 2");
    EXPECT_EQ(text(144), " Rounds finished by PC");
    EXPECT_EQ(text(148), " Rounds finished by user 2");
    EXPECT_EQ(text(191), " Rounds finished by user 45");
    EXPECT_EQ(text(192), " Card not confirmed by PC");
    EXPECT_EQ(text(193), " Card not confirmed by time");
    EXPECT_EQ(text(194), " Card not confirmed by maintenance user");
    EXPECT_EQ(text(196), " Card not confirmed by user 2");
    EXPECT_EQ(text(239), " Card not confirmed by user 45");
    EXPECT_EQ(text(240), " " + kUnknown);
}

TEST(SensorTestTable, LabelsComeFromTheTableWithoutALeadingSpace)
{
    const auto text = [](int code) { return lineAtNewYear(kSirus, code, word(12)).substr(kNewYear.size()); };
    EXPECT_EQ(text(0), "Sensors under test opened on zone 1");
    EXPECT_EQ(text(15), "Sensors under test opened on zone 16");
    EXPECT_EQ(text(16), "Partition A     Sensors under test opened on zone 1");
    EXPECT_EQ(text(32), "Partition     B Sensors under test opened on zone 1");
    EXPECT_EQ(text(48), "Sensors under test closed back on zone 1");
    EXPECT_EQ(text(64), "Partition A     Sensors under test closed back on zone 1");
    EXPECT_EQ(text(95), "Partition     B Sensors under test closed back on zone 16");
    EXPECT_EQ(text(96), kUnknown);
}

TEST(CodeTables, EveryCodeOfEveryClassDecodesWithoutFailingForOddCounts)
{
    // Counts come from the panel's reply; none of them may upset the tables.
    const PanelCounts odd[] = {{.typeCode = 0, .zones = 0, .users = 0, .keypads = 0},
                               {.typeCode = 0xFF, .zones = 255, .users = 255, .keypads = 255},
                               {.typeCode = 0x24, .zones = 1, .users = 1, .keypads = 1}};
    for (const PanelCounts& counts : odd) {
        for (int eventClass = 0; eventClass < 16; ++eventClass) {
            for (int code = 0; code < 256; ++code) {
                LogClock clock = clockAt(2026, 0, 0);
                const QString line =
                    decodeEventRecord(counts, clock, static_cast<std::uint8_t>(code), word(eventClass, 4095));
                EXPECT_EQ(line.isEmpty(), code == 253 || code == 254) << eventClass << "/" << code;
                EXPECT_FALSE(line.contains(QLatin1String("%d")) || line.contains(QLatin1String("%02d"))) << line.toStdString();
            }
        }
    }
}

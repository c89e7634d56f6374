#include "eventlog/EventCodeTables.h"

#include <algorithm>
#include <array>

namespace qarvo::eventlog {

namespace {

constexpr CountTerm fixed(int c)
{
    return {.c = c};
}
constexpr CountTerm users(int times, int plus = 0)
{
    return {.u = times, .c = plus};
}
constexpr CountTerm keypads(int times, int plus = 0)
{
    return {.k = times, .c = plus};
}
constexpr CountTerm zones(int times, int plus = 0)
{
    return {.z = times, .c = plus};
}
// The zone events of the alarms table start after the keypad and device
// events, at 6·keypads + 16.
constexpr CountTerm afterKeypadEvents(int zoneTimes, int plus = 0)
{
    return {.z = zoneTimes, .k = 6, .c = 16 + plus};
}

constexpr CodeEntry one(CountTerm code, int textId)
{
    return {.first = code, .last = code, .textId = textId};
}
constexpr CodeEntry numbered(CountTerm first, CountTerm last, int textId, CountTerm numberBase)
{
    return {.first = first, .last = last, .textId = textId, .numberBase = numberBase};
}
constexpr CodeEntry only(ModelGroup models, CodeEntry entry)
{
    entry.models = models;
    return entry;
}
constexpr CodeEntry labelled(int labelId, CodeEntry entry)
{
    entry.labelId = labelId;
    return entry;
}

constexpr int kLogMarkedRead = 245;
constexpr int kMarkedReadGapMinutes = 4096;

constexpr auto kArmingTable = std::to_array<CodeEntry>({
    // The clock records come first: whatever the user count, these codes
    // are never user events.
    one(fixed(kClockYearMonthCode), kNoLine),
    one(fixed(kClockMinuteCode), kNoLine),
    one(fixed(kClockTimeSetCode), 508),
    one(fixed(0), 256),
    one(fixed(1), 257),
    numbered(fixed(2), users(1, -1), 258, fixed(0)),
    one(users(1), 512),
    one(users(1, 1), 513),
    numbered(users(1, 2), users(2, -1), 514, users(1)),
    one(users(2), 302),
    one(users(2, 1), 303),
    numbered(users(2, 2), users(3, -1), 304, users(2)),
    one(users(3), 4757),
    one(users(3, 1), 4758),
    numbered(users(3, 2), users(4, -1), 4759, users(3)),
    one(users(4), 400),
    one(users(4, 1), 401),
    numbered(users(4, 2), users(5, -1), 402, users(4)),
    one(users(5, 1), 366),
    one(users(5, 2), 367),
    one(users(5, 3), 368),
    one(users(5, 4), 369),
    one(users(5, 5), 370),
    one(users(5, 7), 372),
    one(users(5, 8), 373),
    one(users(5, 9), 142),
    one(users(5, 12), 377),
    one(users(5, 13), 378),
    one(users(5, 14), 379),
    one(users(5, 15), 380),
    one(fixed(250), 141),
    one(fixed(251), 4764),
    one(fixed(252), 4765),
});

constexpr auto kAlarmsTable = std::to_array<CodeEntry>({
    numbered(fixed(0), keypads(1, -1), 504, fixed(-1)),
    numbered(keypads(1), keypads(2, -1), 458, keypads(1, -1)),
    numbered(keypads(2), keypads(3, -1), 466, keypads(2, -1)),
    numbered(keypads(3), keypads(4, -1), 473, keypads(3, -1)),
    numbered(keypads(4), keypads(5, -1), 250, keypads(4, -1)),
    numbered(keypads(5), keypads(5, 5), 259, keypads(5, -9)),   // devices 9 to 14
    one(keypads(5, 6), 254),
    one(keypads(5, 7), 252),
    numbered(keypads(5, 8), keypads(6, 7), 251, keypads(5, 7)),
    numbered(keypads(6, 8), keypads(6, 13), 260, keypads(6, -1)),   // devices 9 to 14
    one(keypads(6, 14), 255),
    one(keypads(6, 15), 253),
    numbered(afterKeypadEvents(0), afterKeypadEvents(1, -1), 348, afterKeypadEvents(0, -1)),
    numbered(afterKeypadEvents(1), afterKeypadEvents(2, -1), 354, afterKeypadEvents(1, -1)),
    numbered(afterKeypadEvents(2), afterKeypadEvents(3, -1), 718, afterKeypadEvents(2, -1)),
    numbered(afterKeypadEvents(3), afterKeypadEvents(4, -1), 480, afterKeypadEvents(3, -1)),
    numbered(afterKeypadEvents(4), afterKeypadEvents(5, -1), 459, afterKeypadEvents(4, -1)),
    numbered(afterKeypadEvents(5), afterKeypadEvents(6, -1), 467, afterKeypadEvents(5, -1)),
    numbered(afterKeypadEvents(6), afterKeypadEvents(7, -1), 474, afterKeypadEvents(6, -1)),
    numbered(afterKeypadEvents(7), afterKeypadEvents(8, -1), 452, afterKeypadEvents(7, -1)),
    numbered(afterKeypadEvents(8), afterKeypadEvents(9, -1), 475, afterKeypadEvents(8, -1)),
});

// Bus changes: the i-th code of each block (from 1) names the device.
constexpr CountTerm kBusRemovalBase = zones(3, 29);
constexpr CountTerm kBusAdditionBase = zones(3, 45);

constexpr auto kSystemTable = std::to_array<CodeEntry>({
    one(fixed(0), 486),
    one(fixed(1), 487),
    one(fixed(2), 488),
    one(fixed(3), 489),
    one(fixed(4), 490),
    one(fixed(5), 491),
    one(fixed(6), 492),
    one(fixed(7), 493),
    one(fixed(8), 494),
    one(fixed(9), 495),
    one(fixed(10), 1012),
    one(fixed(11), 1014),
    one(fixed(12), 498),
    one(fixed(13), 499),
    one(fixed(14), 500),
    one(fixed(15), 501),
    one(fixed(16), 502),
    one(fixed(17), 1016),
    one(fixed(18), 464),
    one(fixed(19), 1013),
    one(fixed(20), 1015),
    one(fixed(26), 1017),
    one(fixed(27), 711),
    one(fixed(28), 712),
    one(fixed(29), 713),
    numbered(fixed(30), zones(1, 29), 382, fixed(29)),
    numbered(zones(1, 30), zones(2, 29), 388, zones(1, 29)),
    numbered(zones(2, 30), zones(3, 29), 394, zones(2, 29)),

    only(ModelGroup::BusReporting, numbered(zones(3, 30), zones(3, 37), 42, kBusRemovalBase)),
    only(ModelGroup::BusReporting, numbered(zones(3, 38), zones(3, 38), 43, kBusRemovalBase)),
    only(ModelGroup::BusReporting, one(zones(3, 39), 44)),
    only(ModelGroup::BusReporting, one(zones(3, 40), 45)),
    only(ModelGroup::BusReporting, one(zones(3, 41), 46)),
    only(ModelGroup::BusReporting, one(zones(3, 42), 47)),
    only(ModelGroup::BusReporting, one(zones(3, 43), 48)),
    only(ModelGroup::BusReporting, one(zones(3, 44), 51)),
    only(ModelGroup::BusReporting, one(zones(3, 45), kUnknownEventText)),

    only(ModelGroup::BusReporting, numbered(zones(3, 46), zones(3, 53), 34, kBusAdditionBase)),
    only(ModelGroup::BusReporting, numbered(zones(3, 54), zones(3, 54), 35, kBusAdditionBase)),
    only(ModelGroup::BusReporting, one(zones(3, 55), 36)),
    only(ModelGroup::BusReporting, one(zones(3, 56), 37)),
    only(ModelGroup::BusReporting, one(zones(3, 57), 38)),
    only(ModelGroup::BusReporting, one(zones(3, 58), 39)),
    only(ModelGroup::BusReporting, one(zones(3, 59), 40)),
    only(ModelGroup::BusReporting, one(zones(3, 60), 41)),
    only(ModelGroup::BusReporting, one(zones(3, 61), kUnknownEventText)),

    only(ModelGroup::Wireless, numbered(zones(3, 62), zones(4, 61), 25, zones(3, 61))),
    only(ModelGroup::Wireless, numbered(zones(4, 62), zones(5, 61), 26, zones(4, 61))),
    only(ModelGroup::Wireless, numbered(zones(5, 62), zones(6, 61), 27, zones(5, 61))),
    only(ModelGroup::Wireless, numbered(zones(6, 62), zones(7, 61), 28, zones(6, 61))),

    one(fixed(240), 510),
    one(fixed(241), 511),
    one(fixed(242), 4766),
    one(fixed(243), 4767),
    one(fixed(244), 263),
    // The panel writes this when the log was marked as read; it stands for
    // a long pause rather than for a measured gap.
    {.first = fixed(kLogMarkedRead), .last = fixed(kLogMarkedRead), .textId = kBlankText,
     .gapMinutes = kMarkedReadGapMinutes},
});

constexpr auto kOutputsTable = std::to_array<CodeEntry>({
    one(fixed(0), 4760),
    one(fixed(1), 266),
    one(fixed(2), 4761),
    one(fixed(3), 4762),
    numbered(fixed(4), users(1, 1), 4763, fixed(2)),
    one(users(1, 2), 714),
    one(users(1, 3), 267),
    one(users(1, 4), 715),
    one(users(1, 5), 716),
    numbered(users(1, 6), users(2, 3), 717, users(1, 4)),
    one(users(2, 4), 4755),
    one(users(2, 5), 558),
    one(users(2, 6), 559),
    one(users(2, 7), 560),
    numbered(users(2, 8), users(3, 5), 561, users(2, 6)),
    one(users(3, 6), 4756),
    one(users(3, 7), 605),
    one(users(3, 8), 606),
    one(users(3, 9), 607),
    numbered(users(3, 10), users(4, 7), 608, users(3, 8)),
    one(users(4, 8), 268),
    one(users(4, 9), 272),
    one(users(4, 10), 269),
    one(users(4, 11), 270),
    numbered(users(4, 12), users(5, 9), 271, users(4, 10)),
});

constexpr int kSensorOpened = 652;
constexpr int kSensorClosed = 658;

constexpr auto kSensorTestTable = std::to_array<CodeEntry>({
    numbered(fixed(0), zones(1, -1), kSensorOpened, fixed(-1)),
    labelled(kPartitionALabel, numbered(zones(1), zones(2, -1), kSensorOpened, zones(1, -1))),
    labelled(kPartitionBLabel, numbered(zones(2), zones(3, -1), kSensorOpened, zones(2, -1))),
    numbered(zones(3), zones(4, -1), kSensorClosed, zones(3, -1)),
    labelled(kPartitionALabel, numbered(zones(4), zones(5, -1), kSensorClosed, zones(4, -1))),
    labelled(kPartitionBLabel, numbered(zones(5), zones(6, -1), kSensorClosed, zones(5, -1))),
});

constexpr int kLastTypeWithoutBusReports = 0x21;
constexpr std::array kWirelessTypeCodes{0x24, 0x25, 0x28, 0x29};

} // namespace

bool modelBelongsTo(ModelGroup group, int typeCode)
{
    switch (group) {
    case ModelGroup::All:
        return true;
    case ModelGroup::BusReporting:
        return typeCode > kLastTypeWithoutBusReports;
    case ModelGroup::Wireless:
        return std::ranges::find(kWirelessTypeCodes, typeCode) != kWirelessTypeCodes.end();
    }
    return false;
}

std::span<const CodeEntry> codeTable(CodeTable table)
{
    switch (table) {
    case CodeTable::Arming:
        return kArmingTable;
    case CodeTable::Alarms:
        return kAlarmsTable;
    case CodeTable::System:
        return kSystemTable;
    case CodeTable::Outputs:
        return kOutputsTable;
    case CodeTable::SensorTest:
        return kSensorTestTable;
    }
    return {};
}

const CodeEntry* findCodeEntry(CodeTable table, const PanelCounts& counts, int code)
{
    const auto entries = codeTable(table);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const CodeEntry& entry) { return entry.covers(code, counts); });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace qarvo::eventlog

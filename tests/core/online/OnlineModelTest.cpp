#include "online/OnlineModel.h"

#include "app/Strings.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::online;
using operations::PanelClock;
using operations::StatusCounts;

namespace {

constexpr std::uint8_t kA = operations::kPartitionA;
constexpr std::uint8_t kB = operations::kPartitionB;

// Partition state bits.
constexpr std::uint8_t kStay = 0x01;
constexpr std::uint8_t kNotReadyOrInstant = 0x02;
constexpr std::uint8_t kAutoarmPending = 0x04;
constexpr std::uint8_t kArmed = 0x08;
constexpr std::uint8_t kChime = 0x10;
constexpr std::uint8_t kEntry = 0x20;
constexpr std::uint8_t kExit = 0x40;
constexpr std::uint8_t kAutoarmRunning = 0x80;

struct Fixture {
    StatusCounts counts{16, 8};
    PanelClock clock{};
    QDateTime now{QDate(2026, 3, 5), QTime(9, 3, 41)};
    OnlineModel model{OnlineModel::Sources{[this] { return counts; }, [this] { return clock; },
                                           [this] { return now; }}};

    void status(std::uint8_t state, bool partitioned = false, std::uint8_t partition = kA, std::uint8_t troubles = 0)
    {
        ASSERT_TRUE(model.apply(operations::toReport(operations::PartitionStatus{troubles, state, partitioned,
                                                                                 partition})));
    }
    void zones(int kind, std::uint16_t map, bool partitioned = false, std::uint8_t partition = kA)
    {
        ASSERT_TRUE(model.apply(operations::toReport(operations::ZoneMapReport{kind, map, partitioned, partition})));
    }
    void descriptor(int index, std::uint8_t descriptor, bool partitioned)
    {
        ASSERT_TRUE(model.apply(operations::toReport(
            operations::ZoneDescriptor{static_cast<std::uint8_t>(index), descriptor, false, partitioned})));
    }
    void pgms(std::uint8_t states, std::vector<std::uint8_t> types)
    {
        ASSERT_TRUE(model.apply(operations::toReport(
            operations::PgmStatus{static_cast<std::uint8_t>(types.size()), states, std::move(types)})));
    }
    void report(int kind, long value = 0) { ASSERT_TRUE(model.apply(ReportNotice{kind, {}, value})); }
};

std::string s(const QString& q)
{
    return q.toStdString();
}

} // namespace

// ---- Partition status (kind 1) ----

TEST(OnlinePartitionStatus, ArmedAndStayInPartitionedModeShowsThePartitionWordAndStay)
{
    Fixture f;
    f.status(kArmed | kStay, true, kA);
    EXPECT_TRUE(f.model.partitionedMode());
    EXPECT_EQ(f.model.systemLabelId(), text_id::kPartitionAIs);
    EXPECT_EQ(s(f.model.systemRow().status), "ARMED, STAY ");
    EXPECT_EQ(f.model.systemRow().button.captionId, text_id::kDisarm);
    EXPECT_TRUE(f.model.systemRow().button.enabled);
    EXPECT_EQ(f.model.requestFor(Button::PartitionA), (OperationRequest{10, 1}));

    f.status(kArmed | kStay | kNotReadyOrInstant, true, kB);
    EXPECT_EQ(s(f.model.partitionBRow().status), "ARMED, STAY , INSTANT ");
    EXPECT_EQ(f.model.requestFor(Button::PartitionB), (OperationRequest{10, 2}));
    EXPECT_EQ(s(f.model.systemRow().status), "ARMED, STAY "); // partition A untouched
}

TEST(OnlinePartitionStatus, StatusTextsAndCaptions)
{
    struct Case {
        std::uint8_t state;
        const char* text;
        int caption;
        int operation;
    };
    const Case cases[] = {
        {0x00, "DISARMED", text_id::kArm, 8},
        {kAutoarmRunning | kExit, "EXIT TIME", text_id::kStopAutoarm, 9},
        {kAutoarmRunning | kExit | kAutoarmPending, "AUTOARMING, EXIT TIME", text_id::kStopAutoarm, 9},
        {kAutoarmRunning, "DISARMED", text_id::kStopAutoarm, 9},
        {kNotReadyOrInstant, "DISARMED, NOT READY", text_id::kArm, 8},
        {kStay, "DISARMED, READY FOR FORCED", text_id::kArm, 8},
        {kEntry, "DISARMED, ENTRY TIME", text_id::kArm, 8},
        {kExit | kEntry, "DISARMED, EXIT TIME", text_id::kDisarm, 10},
        {kAutoarmPending | kNotReadyOrInstant | kStay,
         "DISARMED, AUTOARMING, NOT READY, READY FOR FORCED", text_id::kArm, 8},
        {kArmed, "ARMED", text_id::kDisarm, 10},
        {kArmed | kNotReadyOrInstant, "ARMED, INSTANT ", text_id::kDisarm, 10},
        {kArmed | kEntry | kAutoarmPending, "ARMED, ENTRY TIME", text_id::kDisarm, 10},
        {kArmed | kAutoarmRunning | kExit, "ARMED, EXIT TIME", text_id::kStopAutoarm, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        Fixture f;
        f.status(c.state);
        EXPECT_FALSE(f.model.partitionedMode());
        EXPECT_EQ(s(f.model.systemRow().status), c.text);
        EXPECT_EQ(f.model.systemRow().button.captionId, c.caption);
        EXPECT_EQ(f.model.requestFor(Button::PartitionA), (OperationRequest{c.operation, 1}));
    }
}

TEST(OnlinePartitionStatus, SwitchingBackToUnpartitionedHidesPartitionB)
{
    Fixture f;
    EXPECT_EQ(f.model.systemLabelId(), 2416); // the page's own "System is:"
    f.status(0, true, kA);
    f.status(kArmed, true, kB);
    ASSERT_TRUE(f.model.partitionedMode());
    ASSERT_TRUE(f.model.requestFor(Button::PartitionB).has_value());

    f.status(kArmed, false, kA);
    EXPECT_FALSE(f.model.partitionedMode());
    EXPECT_EQ(f.model.systemLabelId(), text_id::kSystemIs);
    EXPECT_TRUE(f.model.partitionBRow().status.isEmpty());
    EXPECT_FALSE(f.model.partitionBRow().button.enabled);
    EXPECT_FALSE(f.model.requestFor(Button::PartitionB).has_value());
    EXPECT_EQ(s(f.model.systemRow().status), "ARMED");
    EXPECT_EQ(f.model.requestFor(Button::PartitionA), (OperationRequest{10, 1}));

    f.status(0, true, kA);
    EXPECT_EQ(f.model.systemLabelId(), text_id::kPartitionAIs);
    EXPECT_FALSE(f.model.requestFor(Button::PartitionB).has_value()); // until B reports
}

TEST(OnlinePartitionStatus, ChimeFollowsPartitionAOnly)
{
    Fixture f;
    EXPECT_FALSE(f.model.requestFor(Button::Chime).has_value());
    f.status(kChime, true, kA);
    EXPECT_EQ(s(f.model.chimeText()), "ON");
    EXPECT_EQ(f.model.chimeButton().captionId, text_id::kTurnChimeOff);
    EXPECT_EQ(f.model.requestFor(Button::Chime), (OperationRequest{12, 0}));

    f.status(0, true, kB);
    EXPECT_EQ(s(f.model.chimeText()), "ON");
    f.status(0, true, kA);
    EXPECT_EQ(s(f.model.chimeText()), "OFF");
    EXPECT_EQ(f.model.chimeButton().captionId, text_id::kTurnChimeOn);
}

TEST(OnlinePartitionStatus, TroublesInBitOrder)
{
    struct Case {
        std::uint8_t troubles;
        const char* text;
    };
    const Case cases[] = {
        {0x00, "No system troubles"},
        {0x02, "Tamper trouble"},
        {0xA5, "Low battery, Communication failure, TLM trouble, AUX trouble"},
        {0xFF, "Low battery, AC loss, Communication failure, Date & time loss, Bell trouble, TLM trouble, "
               "Tamper trouble, AUX trouble"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.status(0, false, kA, c.troubles);
        EXPECT_EQ(s(f.model.troubleText()), c.text);
    }
}

TEST(OnlinePartitionStatus, MalformedReportsChangeNothing)
{
    Fixture f;
    EXPECT_FALSE(f.model.apply(ReportNotice{1, {0xFF, 0x08}, 0}));
    EXPECT_FALSE(f.model.apply(ReportNotice{2, {}, 0}));
    EXPECT_FALSE(f.model.apply(ReportNotice{12, {}, 0}));
    EXPECT_FALSE(f.model.apply(ReportNotice{9, {1, 2}, 0}));
    EXPECT_TRUE(f.model.troubleText().isEmpty());
    EXPECT_EQ(f.model.systemRow().button.captionId, text_id::kArmOrDisarm);
    EXPECT_EQ(f.model.zone(0).indicators, 0u);
}

// ---- Zone indicators (kinds 6 to 11) ----

TEST(OnlineZoneIndicators, BypassInPartitionBOnlyShowsIconFiveAndBothShowIconFour)
{
    Fixture f;
    f.zones(report_kind::kZonesBypassed, 0x0004, true, kB); // zone 3 in B
    EXPECT_EQ(f.model.icon(2, Indicator::Bypass), 5);
    EXPECT_EQ(f.model.zone(2).indicators, 0x20u | 0x400u | 0x4000u);
    f.zones(report_kind::kZonesBypassed, 0x0005, true, kA); // zones 1 and 3 in A
    EXPECT_EQ(f.model.icon(2, Indicator::Bypass), 4);
    EXPECT_EQ(f.model.icon(0, Indicator::Bypass), 3);
    EXPECT_EQ(f.model.icon(1, Indicator::Bypass), 0);
    EXPECT_EQ(f.model.icon(2, Indicator::ZoneOpen), 0);
}

TEST(OnlineZoneIndicators, UnpartitionedReportsUseTheABit)
{
    Fixture f;
    f.zones(report_kind::kZonesOpen, 0x8001);
    EXPECT_EQ(f.model.icon(0, Indicator::ZoneOpen), 1);
    EXPECT_EQ(f.model.icon(15, Indicator::ZoneOpen), 1);
    EXPECT_EQ(f.model.icon(1, Indicator::ZoneOpen), 0);
    EXPECT_EQ(f.model.zone(0).indicators, 0x1u | 0x1000u);
    EXPECT_EQ(f.model.zone(1).indicators, 0x1000u);
    // A zone that closes again clears its bit.
    f.zones(report_kind::kZonesOpen, 0x8000);
    EXPECT_EQ(f.model.zone(0).indicators, 0x1000u);
}

TEST(OnlineZoneIndicators, EachKindDrivesItsOwnIndicator)
{
    Fixture f;
    f.zones(report_kind::kZonesTamperOpen, 0x0001);
    f.zones(report_kind::kZonesStay, 0x0002);
    f.zones(report_kind::kZonesBurglary, 0x0004);
    f.zones(report_kind::kZonesTamperAlarm, 0x0008);
    EXPECT_EQ(f.model.icon(0, Indicator::TamperOpen), 1);
    EXPECT_EQ(f.model.icon(1, Indicator::Stay), 1);
    EXPECT_EQ(f.model.icon(2, Indicator::Burglary), 1);
    EXPECT_EQ(f.model.icon(3, Indicator::TamperAlarm), 1);
    EXPECT_EQ(f.model.zone(0).indicators & 0xFFu, 0x4u);
    EXPECT_EQ(f.model.zone(2).indicators, 0x10000u | 0x400000u | 0x2000u | 0x8000u | 0x800000u);
    EXPECT_EQ(f.model.zone(3).indicators & 0xF0000u, 0x40000u);
}

TEST(OnlineZoneIndicators, TamperOpenArrivesAsAPackedValue)
{
    Fixture f;
    f.report(report_kind::kZonesTamperOpen, 0x02010010L); // zone 5, partitioned, partition B
    EXPECT_EQ(f.model.icon(4, Indicator::TamperOpen), 5);
}

TEST(OnlineZoneIndicators, BurglaryOfPartitionAStaysInPartitionA)
{
    Fixture f;
    f.zones(report_kind::kZonesBurglary, 0x0001, true, kA);
    EXPECT_EQ(f.model.icon(0, Indicator::Burglary), 3);
    f.zones(report_kind::kZonesBurglary, 0x0001, true, kB);
    EXPECT_EQ(f.model.icon(0, Indicator::Burglary), 4);
}

TEST(OnlineZoneIndicators, OnlyTheZonesOfThePanelAreTouched)
{
    Fixture f;
    f.counts = {12, 8};
    EXPECT_EQ(f.model.shownZones(), 12);
    f.zones(report_kind::kZonesOpen, 0xFFFF);
    EXPECT_EQ(f.model.icon(11, Indicator::ZoneOpen), 1);
    EXPECT_EQ(f.model.zone(12).indicators, 0u);
    EXPECT_EQ(f.model.zone(15).indicators, 0u);
}

// ---- Zone descriptions (kind 14) ----

TEST(OnlineZoneDescriptions, PartitionPartAndTypeName)
{
    Fixture f;
    f.descriptor(0, 0xC4, true);
    f.descriptor(1, 0x4A, true);
    f.descriptor(2, 0x81, true);
    f.descriptor(3, 0x06, true);
    f.descriptor(4, 0xC4, false);
    f.descriptor(5, 0x07, false);
    f.descriptor(6, 0xDF, true);
    f.descriptor(7, 0x10, false);
    EXPECT_EQ(s(f.model.zone(0).description), " A&B  04/instant");
    EXPECT_EQ(s(f.model.zone(1).description), " __B  10/24h tamper");
    EXPECT_EQ(s(f.model.zone(2).description), " A__  01/delayed 1");
    EXPECT_EQ(s(f.model.zone(3).description), " ___  06/24h utility");
    EXPECT_EQ(s(f.model.zone(4).description), " 04/instant");
    EXPECT_EQ(s(f.model.zone(5).description), " !!! 07/Invalid zone type");
    EXPECT_EQ(s(f.model.zone(6).description), " A&B  !!! 31/Invalid zone type");
    EXPECT_EQ(s(f.model.zone(7).description), " 16/round");
    EXPECT_EQ(OnlineModel::zoneNumberText(0).toStdString(), "Z01");
    EXPECT_EQ(OnlineModel::zoneNumberText(15).toStdString(), "Z16");
}

TEST(OnlineZoneDescriptions, TheDocumentsZoneNamesStandBesideTheNumbers)
{
    Fixture f;
    EXPECT_EQ(f.model.zoneLabel(1), OnlineModel::zoneNumberText(1)) << "no document names: the number alone";
    f.model.setZoneNames({QStringLiteral("Front door      "), QString(), QStringLiteral("  ")});
    EXPECT_EQ(s(f.model.zoneLabel(0)), s(OnlineModel::zoneNumberText(0)) + " Front door");
    for (int blank : {1, 2, 3})
        EXPECT_EQ(f.model.zoneLabel(blank), OnlineModel::zoneNumberText(blank)) << blank;
}

TEST(OnlineZoneDescriptions, IndexesBeyondTheRowsAreIgnored)
{
    Fixture f;
    f.descriptor(16, 0x01, false);
    f.descriptor(200, 0x01, false);
    for (int i = 0; i < kZoneRows; ++i)
        EXPECT_TRUE(f.model.zone(i).description.isEmpty());
}

// ---- Bypass actions (kind 9) ----

TEST(OnlineBypassActions, UnpartitionedFollowTheMapWhileTheSystemIsFree)
{
    Fixture f;
    f.status(0); // "Arm": free
    f.zones(report_kind::kZonesBypassed, 0x0002);
    EXPECT_EQ(f.model.zone(1).actionId, text_id::kUnbypass);
    EXPECT_TRUE(f.model.zone(1).actionEnabled);
    EXPECT_EQ(f.model.zone(0).actionId, text_id::kBypass);
    EXPECT_TRUE(f.model.zone(15).actionEnabled);

    EXPECT_FALSE(f.model.requestFor(Button::Bypass).has_value()); // nothing selected
    f.model.selectZone(1);
    EXPECT_EQ(f.model.zoneButton().captionId, text_id::kUnbypass);
    EXPECT_EQ(f.model.requestFor(Button::Bypass), (OperationRequest{14, 1}));
    f.model.selectZone(0);
    EXPECT_EQ(f.model.requestFor(Button::Bypass), (OperationRequest{13, 0}));

    f.status(kArmed);
    f.zones(report_kind::kZonesBypassed, 0x0002);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(f.model.zone(i).actionId, text_id::kUnOrBypass);
        EXPECT_FALSE(f.model.zone(i).actionEnabled);
    }
    EXPECT_EQ(f.model.zoneButton().captionId, text_id::kUnOrBypass);
    EXPECT_FALSE(f.model.requestFor(Button::Bypass).has_value());
}

TEST(OnlineBypassActions, PartitionedFollowTheZonesPartitions)
{
    Fixture f;
    f.descriptor(0, 0xC1, true); // A&B
    f.descriptor(1, 0x81, true); // A__
    f.descriptor(2, 0x41, true); // __B
    f.descriptor(3, 0x01, true); // ___
    f.status(0, true, kA);       // A free
    f.status(kArmed, true, kB);  // B busy
    f.zones(report_kind::kZonesBypassed, 0x0001, true, kA);

    EXPECT_EQ(f.model.zone(0).actionId, text_id::kUnbypass);
    EXPECT_TRUE(f.model.zone(0).actionEnabled);
    EXPECT_EQ(f.model.zone(1).actionId, text_id::kBypass);
    EXPECT_TRUE(f.model.zone(1).actionEnabled);
    EXPECT_EQ(f.model.zone(2).actionId, text_id::kUnOrBypass);
    EXPECT_FALSE(f.model.zone(2).actionEnabled);
    EXPECT_EQ(f.model.zone(3).actionId, text_id::kUnOrBypass);
    EXPECT_FALSE(f.model.zone(3).actionEnabled);

    // B becomes free and reports zone 3 bypassed.
    f.status(0, true, kB);
    f.zones(report_kind::kZonesBypassed, 0x0004, true, kB);
    EXPECT_EQ(f.model.zone(2).actionId, text_id::kUnbypass);
    EXPECT_TRUE(f.model.zone(2).actionEnabled);
    f.model.selectZone(2);
    EXPECT_EQ(f.model.requestFor(Button::Bypass), (OperationRequest{14, 2}));

    // Both busy: an A&B zone can no longer be changed.
    f.status(kArmed, true, kA);
    f.status(kExit, true, kB);
    f.zones(report_kind::kZonesBypassed, 0x0000, true, kA);
    EXPECT_FALSE(f.model.zone(0).actionEnabled);
    EXPECT_EQ(f.model.zone(0).actionId, text_id::kUnOrBypass);
}

TEST(OnlineBypassActions, AnAAndBZoneBypassedInBOnlyOffersUnbypassWhileAIsFree)
{
    Fixture f;
    f.descriptor(0, 0xC1, true);
    f.status(0, true, kA);
    f.status(kArmed, true, kB);
    f.zones(report_kind::kZonesBypassed, 0x0001, true, kB);
    f.zones(report_kind::kZonesBypassed, 0x0000, true, kA);
    EXPECT_EQ(f.model.zone(0).actionId, text_id::kUnbypass);
    EXPECT_TRUE(f.model.zone(0).actionEnabled);
}

// ---- PGM rows (kind 12) ----

TEST(OnlinePgms, ThreeReportedPgmsShowThreeRows)
{
    Fixture f;
    f.pgms(0xA0, {0x47, 0x48, 0x49}); // PGM 1 and 3 on
    ASSERT_EQ(f.model.pgms().size(), 3u);
    EXPECT_TRUE(f.model.pgmListReady());
    EXPECT_EQ(s(f.model.pgms()[0].number), "1");
    EXPECT_EQ(s(f.model.pgms()[2].number), "3");
    EXPECT_EQ(s(f.model.pgms()[0].state), " 47/retriggerable monostable = ON");
    EXPECT_EQ(s(f.model.pgms()[1].state), " 48/resettable monostable = OFF");
    EXPECT_EQ(s(f.model.pgms()[2].state), " 49/bistable = ON");
    EXPECT_EQ(f.model.pgms()[0].captionId, text_id::kStartPgm);
    EXPECT_EQ(f.model.pgms()[1].captionId, text_id::kStartPgm);
    EXPECT_EQ(f.model.pgms()[2].captionId, text_id::kTurnPgmOff);

    EXPECT_FALSE(f.model.requestFor(Button::Pgm).has_value());
    f.model.selectPgm(2);
    EXPECT_EQ(s(f.model.pgmButtonText()), "Turn PGM3 off");
    EXPECT_EQ(f.model.requestFor(Button::Pgm), (OperationRequest{15, 2}));
}

TEST(OnlinePgms, CaptionsByTypeAndState)
{
    struct Case {
        std::uint8_t type;
        bool on;
        int caption;
    };
    const Case cases[] = {
        {0x47, false, text_id::kStartPgm},  {0x47, true, text_id::kStartPgm},
        {0x48, false, text_id::kStartPgm},  {0x48, true, text_id::kStopPgm},
        {0x49, false, text_id::kTurnPgmOn}, {0x49, true, text_id::kTurnPgmOff},
        {0x20, false, text_id::kTurnPgmOn}, {0x20, true, text_id::kTurnPgmOff},
        {0x05, true, text_id::kPgmOnOrOff}, {0x4A, false, text_id::kPgmOnOrOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        Fixture f;
        f.pgms(c.on ? 0x80 : 0x7F, {c.type});
        EXPECT_EQ(f.model.pgms()[0].captionId, c.caption);
        f.model.selectPgm(0);
        EXPECT_EQ(f.model.pgmButtonEnabled(), c.caption != text_id::kPgmOnOrOff);
        EXPECT_EQ(f.model.requestFor(Button::Pgm).has_value(), c.caption != text_id::kPgmOnOrOff);
    }
}

TEST(OnlinePgms, UnknownTypesAndTheOldestModelsShorterList)
{
    Fixture f;
    f.pgms(0x00, {0x99, 0x09, 0x4A});
    EXPECT_EQ(s(f.model.pgms()[0].state), " !!! 99/Invalid PGM type = OFF");
    EXPECT_EQ(s(f.model.pgms()[1].state), " 09/auxiliary siren = OFF");
    EXPECT_EQ(s(f.model.pgms()[2].state), " 4A/pulse phone line trouble = OFF");

    f.report(report_kind::kPanelIdentified, 0x21);
    f.pgms(0x40, {0x99, 0x09, 0x4A});
    EXPECT_EQ(s(f.model.pgms()[1].state), " !!! 09/Invalid PGM type = ON");
    EXPECT_EQ(s(f.model.pgms()[2].state), " 4A/pulse phone line trouble = OFF");
}

TEST(OnlinePgms, RowsBeyondThePgmCountStayEmpty)
{
    Fixture f;
    f.counts = {12, 2};
    f.pgms(0xE0, {0x49, 0x49, 0x49});
    ASSERT_EQ(f.model.pgms().size(), 3u);
    EXPECT_EQ(s(f.model.pgms()[1].state), " 49/bistable = ON");
    EXPECT_TRUE(f.model.pgms()[2].state.isEmpty());
    EXPECT_EQ(f.model.pgms()[2].captionId, text_id::kPgmOnOrOff);
}

TEST(OnlinePgms, MoreThanEightPgmsHaveNoStateBitAndAShrinkingListDropsTheSelection)
{
    Fixture f;
    f.counts = {16, 10};
    f.pgms(0xFF, std::vector<std::uint8_t>(10, 0x49));
    ASSERT_EQ(f.model.pgms().size(), 10u);
    EXPECT_EQ(s(f.model.pgms()[7].state), " 49/bistable = ON");
    EXPECT_EQ(s(f.model.pgms()[8].state), " 49/bistable = OFF");
    EXPECT_EQ(s(f.model.pgms()[9].state), " 49/bistable = OFF");

    f.model.selectPgm(9);
    f.pgms(0x00, {0x49, 0x49});
    EXPECT_EQ(f.model.pgms().size(), 2u);
    EXPECT_FALSE(f.model.selectedPgm().has_value());
    EXPECT_FALSE(f.model.requestFor(Button::Pgm).has_value());
}

TEST(OnlinePgms, ReportThatAnnouncesMoreTypesThanItCarries)
{
    Fixture f;
    ASSERT_TRUE(f.model.apply(ReportNotice{report_kind::kPgmStatus, {4, 0x80, 0x49}, 0}));
    ASSERT_EQ(f.model.pgms().size(), 4u);
    EXPECT_EQ(s(f.model.pgms()[0].state), " 49/bistable = ON");
    EXPECT_TRUE(f.model.pgms()[1].state.isEmpty());
}

// ---- Clocks (kind 3), model (kind 13) ----

TEST(OnlineClocks, PanelAndComputerClockTexts)
{
    Fixture f;
    EXPECT_FALSE(f.model.requestFor(Button::SyncTime).has_value());
    f.clock = {8 * 1440 + 14 * 60 + 7, 2, 26};
    f.report(report_kind::kPanelClock);
    EXPECT_EQ(s(f.model.panelClockText()), " 14:07, 09 Mar 2026");
    EXPECT_EQ(s(f.model.pcClockText()), " 09:03, 05 Mar 2026");
    EXPECT_TRUE(f.model.clocksEnabled());
    EXPECT_EQ(f.model.requestFor(Button::SyncTime), (OperationRequest{11, 0}));

    f.clock = {30 * 1440 + 23 * 60 + 59, 12, 5};
    f.now = QDateTime(QDate(2027, 9, 30), QTime(23, 0));
    f.report(report_kind::kPanelClock);
    EXPECT_EQ(s(f.model.panelClockText()), " 23:59, 31 ??? 2005");
    EXPECT_EQ(s(f.model.pcClockText()), " 23:00, 30 Sept 2027");
}

TEST(OnlineModelText, NamesTheIdentifiedPanel)
{
    Fixture f;
    f.report(report_kind::kPanelIdentified, 0x24);
    EXPECT_EQ(s(f.model.modelText()), "Sirus (8 PGMs, 16 zones, wireless)");
    f.report(report_kind::kPanelIdentified, 0x3A);
    EXPECT_EQ(s(f.model.modelText()), "Unknown panel code: 3A");
}

// ---- Operation start (kind 5) and reset (kind 4) ----

TEST(OnlineCommands, AnOperationStartingDisablesEveryButton)
{
    Fixture f;
    f.status(0, true, kA);
    f.status(0, true, kB);
    f.report(report_kind::kPanelClock);
    f.zones(report_kind::kZonesBypassed, 0);
    f.pgms(0x80, {0x49});
    f.model.selectZone(0);
    f.model.selectPgm(0);
    for (Button b : {Button::SyncTime, Button::Chime, Button::PartitionA, Button::PartitionB, Button::Bypass,
                     Button::Pgm})
        EXPECT_TRUE(f.model.requestFor(b).has_value());

    f.report(report_kind::kOperationStarting);
    for (Button b : {Button::SyncTime, Button::Chime, Button::PartitionA, Button::PartitionB, Button::Bypass,
                     Button::Pgm})
        EXPECT_FALSE(f.model.requestFor(b).has_value());
    EXPECT_FALSE(f.model.pgmListReady());

    // The next status messages bring them back.
    f.status(0, true, kA);
    EXPECT_EQ(f.model.requestFor(Button::PartitionA), (OperationRequest{8, 1}));
    f.pgms(0x80, {0x49});
    EXPECT_EQ(f.model.requestFor(Button::Pgm), (OperationRequest{15, 0}));
}

TEST(OnlineCommands, WorkerEndResetsThePage)
{
    Fixture f;
    f.report(report_kind::kPanelIdentified, 0x22);
    f.status(kChime | kArmed, true, kA, 0x80);
    f.status(0, true, kB);
    f.report(report_kind::kPanelClock);
    f.descriptor(0, 0xC1, true);
    f.zones(report_kind::kZonesOpen, 0xFFFF, true, kA);
    f.pgms(0x80, {0x49, 0x20});
    f.model.selectPgm(0);

    f.report(report_kind::kWorkerEnded);
    EXPECT_FALSE(f.model.partitionedMode());
    EXPECT_EQ(f.model.systemLabelId(), text_id::kSystemIs);
    EXPECT_TRUE(f.model.systemRow().status.isEmpty());
    EXPECT_EQ(f.model.systemRow().button.captionId, text_id::kArmOrDisarm);
    EXPECT_EQ(f.model.partitionBRow().button.captionId, text_id::kArmOrDisarm);
    EXPECT_TRUE(f.model.chimeText().isEmpty());
    EXPECT_EQ(f.model.chimeButton().captionId, text_id::kChimeOnOrOff);
    EXPECT_TRUE(f.model.troubleText().isEmpty());
    EXPECT_TRUE(f.model.panelClockText().isEmpty());
    EXPECT_TRUE(f.model.pcClockText().isEmpty());
    EXPECT_FALSE(f.model.clocksEnabled());
    EXPECT_EQ(f.model.zoneButton().captionId, text_id::kUnOrBypass);
    EXPECT_EQ(f.model.zone(0).indicators, 0u);
    EXPECT_TRUE(f.model.zone(0).description.isEmpty());
    ASSERT_EQ(f.model.pgms().size(), 2u);
    EXPECT_TRUE(f.model.pgms()[0].state.isEmpty());
    EXPECT_EQ(f.model.pgms()[0].captionId, text_id::kPgmOnOrOff);
    EXPECT_EQ(s(f.model.pgmButtonText()), "PGM1 on / off");
    for (Button b : {Button::SyncTime, Button::Chime, Button::PartitionA, Button::PartitionB, Button::Bypass,
                     Button::Pgm})
        EXPECT_FALSE(f.model.requestFor(b).has_value());
    EXPECT_EQ(s(f.model.modelText()), "Orin (8 PGMs, 12 zones)");
}

TEST(OnlineCommands, ZoneSelectionOutsideTheShownRowsSelectsNothing)
{
    Fixture f;
    f.counts = {12, 8};
    f.status(0);
    f.zones(report_kind::kZonesBypassed, 0);
    f.model.selectZone(12);
    EXPECT_FALSE(f.model.selectedZone().has_value());
    EXPECT_FALSE(f.model.zoneButton().enabled);
    f.model.selectZone(-1);
    EXPECT_FALSE(f.model.selectedZone().has_value());
    f.model.selectZone(11);
    EXPECT_EQ(f.model.requestFor(Button::Bypass), (OperationRequest{13, 11}));
}

// ---- Open zones before arming ----

TEST(OnlineArming, ArmingNamesTheOpenZonesThatAreNotBypassed)
{
    struct Case {
        std::uint8_t state;      // the system's state: disarmed arms, armed disarms
        std::uint16_t open;
        std::uint16_t bypassed;
        std::vector<int> named;
    };
    const std::vector<Case> cases{
        {0, 0x0000, 0x0000, {}},
        {0, 0x0006, 0x0000, {1, 2}},
        {0, 0x0006, 0x0004, {1}},
        {kArmed, 0x0006, 0x0000, {}}, // the button disarms
    };
    for (const Case& c : cases) {
        Fixture f;
        f.status(c.state);
        f.zones(report_kind::kZonesOpen, c.open);
        f.zones(report_kind::kZonesBypassed, c.bypassed);
        EXPECT_EQ(f.model.openZonesArmedBy(Button::PartitionA), c.named) << c.open << "/" << c.bypassed;
    }
}

TEST(OnlineArming, EachPartitionNamesItsOwnOpenZones)
{
    Fixture f;
    f.status(0, true, kA);
    f.status(0, true, kB);
    f.zones(report_kind::kZonesOpen, 0x0001, true, kA);
    f.zones(report_kind::kZonesOpen, 0x0100, true, kB);
    EXPECT_EQ(f.model.openZonesArmedBy(Button::PartitionA), std::vector<int>{0});
    EXPECT_EQ(f.model.openZonesArmedBy(Button::PartitionB), std::vector<int>{8});
}

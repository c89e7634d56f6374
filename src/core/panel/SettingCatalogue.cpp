#include "panel/SettingCatalogue.h"

#include "panel/InstallerForm.h"
#include "panel/MasterForm.h"
#include "panel/ReportForm.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

using S = Setting;
using P = Placement;
using V = Presence;
using E = Encoding;
using I = InstallerForm;
using M = MasterForm;
using R = ReportForm;
namespace ic = installer_control;
namespace mc = master_control;
namespace rc = report_control;

// setting, name, length, placement, fixed offset, presence, encoding, min, max, default, control, label,
// digits, form member, default text
constexpr std::array<SettingInfo, kSettingCount> kCatalogue{{
    {S::AmbushDigit, "ambush.digit", 1, P::Fixed, 0x001, V::All, E::Digit, 0, 9, 0x0F, mc::kAmbushDigit, 2218, 0, &M::ambushDigit, ""},
    {S::Zone01, "zone.01", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone02, "zone.02", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone03, "zone.03", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone04, "zone.04", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone05, "zone.05", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone06, "zone.06", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone07, "zone.07", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone08, "zone.08", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone09, "zone.09", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone10, "zone.10", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone11, "zone.11", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone12, "zone.12", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone13, "zone.13", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone14, "zone.14", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone15, "zone.15", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Zone16, "zone.16", 4, P::Chain, 0, V::All, E::ZoneRecord, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::Entry1Delay, "delay.entry-1", 1, P::Chain, 0, V::All, E::Number, 1, 255, 30, ic::kEntry1Delay, 2086, 3, &I::entry1Delay, ""},
    {S::Entry2Delay, "delay.entry-2", 1, P::Chain, 0, V::All, E::Number, 1, 255, 30, ic::kEntry2Delay, 2087, 3, &I::entry2Delay, ""},
    {S::PartitionAExitDelay, "delay.exit-a", 1, P::Chain, 0, V::All, E::Number, 1, 255, 60, ic::kExitDelayA, 2104, 2, &I::exitDelayA, ""},
    {S::PartitionBExitDelay, "delay.exit-b", 1, P::Chain, 0, V::All, E::Number, 1, 255, 60, ic::kExitDelayB, 2104, 2, &I::exitDelayB, ""},
    {S::BellCutOffTime, "time.bell-cut-off", 1, P::Chain, 0, V::All, E::Number, 1, 255, 3, ic::kBellCutOff, 2088, 2, &I::bellCutOff, ""},
    {S::FireCutOffTime, "time.fire-cut-off", 1, P::Chain, 0, V::All, E::Number, 1, 255, 10, ic::kFireCutOff, 2089, 2, &I::fireCutOff, ""},
    {S::AcLossDelay, "delay.ac-loss", 1, P::Chain, 0, V::All, E::Number, 1, 255, 2, ic::kAcLossDelay, 2090, 2, &I::acLossDelay, ""},
    {S::NumberOfRings, "phone.rings", 1, P::Chain, 0, V::All, E::Number, 0, 20, 15, ic::kNumberOfRings, 2099, 2, &I::numberOfRings, ""},
    {S::IntellizoneWindow, "time.intellizone-window", 1, P::Chain, 0, V::All, E::Number, 1, 255, 50, ic::kIntellizoneWindow, 2091, 3, &I::intellizoneWindow, ""},
    {S::DingTimeAndPause, "time.ding", 1, P::Chain, 0, V::All, E::NibblePair, 0, 15, 0xFF, ic::kDingTime, 2092, 0, {}, ""},
    {S::SwingerShutdownCounter, "count.swinger", 1, P::Chain, 0, V::All, E::LowNibbleCounter, 1, 15, 3, ic::kSwingerCounter, 2094, 2, &I::swingerCounter, ""},
    {S::KeypadLockoutCount, "count.wrong-codes", 1, P::Chain, 0, V::All, E::Number, 1, 255, 10, ic::kWrongCodes, 2066, 2, &I::wrongCodes, ""},
    {S::GeneralOptions1, "options.general-1", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x13, 0, 0, 0, {}, ""},
    {S::GeneralOptions2, "options.general-2", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::PgmTimeUnitMap, "pgm.unit-map", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::ExpanderTamperOptions, "options.expander-tamper", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::KeypadMap1, "keypad.map-1", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::KeypadMap2, "keypad.map-2", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::KeypadMap3, "keypad.map-3", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::PartitionAKeypadAlarms, "options.partition-a.keypad-alarms", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xF0, 0, 0, 0, {}, ""},
    {S::PartitionBKeypadAlarms, "options.partition-b.keypad-alarms", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xF0, 0, 0, 0, {}, ""},
    {S::PartitionAArmingOptions, "options.partition-a.arming", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xF0, 0, 0, 0, {}, ""},
    {S::PartitionBArmingOptions, "options.partition-b.arming", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xF0, 0, 0, 0, {}, ""},
    {S::PgmMap1, "pgm.partition-a-map", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xFF, 0, 0, 0, {}, ""},
    {S::PgmMap2, "pgm.partition-b-map", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::KeypadMap4, "keypad.map-4", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xFF, 0, 0, 0, {}, ""},
    {S::KeypadMap5, "keypad.map-5", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xFF, 0, 0, 0, {}, ""},
    {S::PartitionAAutoarmingOptions, "options.partition-a.autoarming", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x20, 0, 0, 0, {}, ""},
    {S::PartitionBAutoarmingOptions, "options.partition-b.autoarming", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x20, 0, 0, 0, {}, ""},
    {S::PhoneLineOptions, "options.phone-line", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::CommunicatorOptions1, "options.communicator-1", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xE6, 0, 0, 0, {}, ""},
    {S::CommunicatorOptions2, "options.communicator-2", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0xFF, 0, 0, 0, {}, ""},
    {S::VoiceModuleOptions, "options.voice-module", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x00, 0, 0, 0, {}, ""},
    {S::ReportingOptions, "options.reporting", 1, P::Chain, 0, V::All, E::Bits, 0, 255, 0x60, 0, 0, 0, {}, ""},
    {S::CommunicationFormat1, "station.1.format", 1, P::Chain, 0, V::All, E::FormatCode, 0, 255, 0x90, rc::kFormat1, 0, 0, {}, ""},
    {S::CommunicationFormat2, "station.2.format", 1, P::Chain, 0, V::All, E::FormatCode, 0, 255, 0x90, rc::kFormat2, 0, 0, {}, ""},
    {S::Pgm1Type, "pgm.01.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm2Type, "pgm.02.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm3Type, "pgm.03.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm4Type, "pgm.04.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm5Type, "pgm.05.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm6Type, "pgm.06.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm7Type, "pgm.07.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm8Type, "pgm.08.type", 1, P::Chain, 0, V::All, E::HexCode, 0, 255, 0x48, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm1Delay, "pgm.01.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm2Delay, "pgm.02.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm3Delay, "pgm.03.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm4Delay, "pgm.04.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm5Delay, "pgm.05.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm6Delay, "pgm.06.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm7Delay, "pgm.07.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::Pgm8Delay, "pgm.08.delay", 1, P::Chain, 0, V::All, E::Number, 0, 255, 2, ic::kPgmGrid, 2095, 0, {}, ""},
    {S::VoiceDialingSequences, "voice.dialing-sequences", 1, P::Chain, 0, V::All, E::Number, 0, 99, 2, mc::kVoiceDialingSequences, 0, 2, &M::voiceDialingSequences, ""},
    {S::VoiceReportingTime, "voice.reporting-time", 1, P::Chain, 0, V::All, E::Number, 0, 99, 30, mc::kVoiceReportingTime, 0, 2, &M::voiceReportingTime, ""},
    {S::PeriodicalTestInterval, "test.interval", 1, P::ChainSkippingOne, 0, V::All, E::Number, 1, 255, 24, ic::kPeriodicalTestInterval, 2100, 3, &I::periodicalTestInterval, ""},
    {S::RoundPeriod, "rounds.period", 1, P::Chain, 0, V::All, E::Number, 1, 255, 60, mc::kRoundPeriod, 0, 3, &M::roundPeriod, ""},
    {S::RoundWarningTime, "rounds.warning-time", 1, P::Chain, 0, V::All, E::Number, 1, 255, 5, mc::kWarningTime, 0, 3, &M::warningTime, ""},
    {S::PartitionAAutoarmHour, "partition.a.autoarm", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPartitionAAutoarm, 0, 0, &M::partitionAAutoarm, ""},
    {S::PartitionAAutoarmMinute, "partition.a.autoarm.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::PartitionAAutodisarmHour, "partition.a.autodisarm", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPartitionAAutodisarm, 0, 0, &M::partitionAAutodisarm, ""},
    {S::PartitionAAutodisarmMinute, "partition.a.autodisarm.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::PartitionBAutoarmHour, "partition.b.autoarm", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPartitionBAutoarm, 0, 0, &M::partitionBAutoarm, ""},
    {S::PartitionBAutoarmMinute, "partition.b.autoarm.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::PartitionBAutodisarmHour, "partition.b.autodisarm", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPartitionBAutodisarm, 0, 0, &M::partitionBAutodisarm, ""},
    {S::PartitionBAutodisarmMinute, "partition.b.autodisarm.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::RoundsStartHour, "rounds.start", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kRoundsStart, 0, 0, &M::roundsStart, ""},
    {S::RoundsStartMinute, "rounds.start.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::RoundsFinishHour, "rounds.finish", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kRoundsFinish, 0, 0, &M::roundsFinish, ""},
    {S::RoundsFinishMinute, "rounds.finish.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm1OnHour, "pgm.01.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm1OnMinute, "pgm.01.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm1OffHour, "pgm.01.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm1OffMinute, "pgm.01.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm2OnHour, "pgm.02.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm2OnMinute, "pgm.02.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm2OffHour, "pgm.02.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm2OffMinute, "pgm.02.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm3OnHour, "pgm.03.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm3OnMinute, "pgm.03.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm3OffHour, "pgm.03.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm3OffMinute, "pgm.03.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm4OnHour, "pgm.04.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm4OnMinute, "pgm.04.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm4OffHour, "pgm.04.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm4OffMinute, "pgm.04.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm5OnHour, "pgm.05.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm5OnMinute, "pgm.05.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm5OffHour, "pgm.05.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm5OffMinute, "pgm.05.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm6OnHour, "pgm.06.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm6OnMinute, "pgm.06.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm6OffHour, "pgm.06.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm6OffMinute, "pgm.06.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm7OnHour, "pgm.07.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm7OnMinute, "pgm.07.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm7OffHour, "pgm.07.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm7OffMinute, "pgm.07.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm8OnHour, "pgm.08.on-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm8OnMinute, "pgm.08.on-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::Pgm8OffHour, "pgm.08.off-time", 1, P::Chain, 0, V::All, E::Hour, 0, 23, kErased, mc::kPgmGrid, 0, 0, {}, ""},
    {S::Pgm8OffMinute, "pgm.08.off-time.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, kErased, 0, 0, 0, {}, ""},
    {S::FirstPeriodicalTestHour, "test.first", 1, P::Chain, 0, V::All, E::Hour, 0, 23, 1, ic::kFirstPeriodicalTest, 2101, 0, &I::firstPeriodicalTest, ""},
    {S::FirstPeriodicalTestMinute, "test.first.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, 0, 0, 0, 0, {}, ""},
    {S::PartitionAInactivityHour, "partition.a.inactivity", 1, P::Chain, 0, V::All, E::Hour, 0, 23, 3, mc::kPartitionAInactivity, 2113, 0, &M::partitionAInactivity, ""},
    {S::PartitionAInactivityMinute, "partition.a.inactivity.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, 0, 0, 0, 0, {}, ""},
    {S::PartitionBInactivityHour, "partition.b.inactivity", 1, P::Chain, 0, V::All, E::Hour, 0, 23, 3, mc::kPartitionBInactivity, 2113, 0, &M::partitionBInactivity, ""},
    {S::PartitionBInactivityMinute, "partition.b.inactivity.minute", 1, P::Chain, 0, V::All, E::Minute, 0, 59, 0, 0, 0, 0, {}, ""},
    {S::SpareByte, "spare", 1, P::Chain, 0, V::All, E::Unedited, 0, 0, 0xFF, 0, 0, 0, {}, ""},
    {S::ReportStart, "report.start", 1, P::Fixed, 0x100, V::All, E::ReportMarker, 0, 0, kErased, 0, 0, 0, {}, ""},
    {S::ReportEntry01, "report-entry.01", 2, P::Fixed, 0x101, V::All, E::ReportEntry, 0, 0, 0x01C0, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry02, "report-entry.02", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0900, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry03, "report-entry.03", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0700, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry04, "report-entry.04", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0300, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry05, "report-entry.05", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0400, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry06, "report-entry.06", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0800, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry07, "report-entry.07", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x01B0, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry08, "report-entry.08", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0900, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry09, "report-entry.09", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0700, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry10, "report-entry.10", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0300, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry11, "report-entry.11", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0500, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry12, "report-entry.12", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x41C0, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry13, "report-entry.13", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x4200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry14, "report-entry.14", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0800, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry15, "report-entry.15", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x5600, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry16, "report-entry.16", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x5500, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry17, "report-entry.17", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2900, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry18, "report-entry.18", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x3000, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry19, "report-entry.19", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x1100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry20, "report-entry.20", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x1200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry21, "report-entry.21", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2300, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry22, "report-entry.22", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x7560, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry23, "report-entry.23", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x7060, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry24, "report-entry.24", 2, P::Chain, 0, V::V2AndV3, E::ReportEntry, 0, 0, 0x3200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry25, "report-entry.25", 2, P::Chain, 0, V::V2AndV3, E::ReportEntry, 0, 0, 0x3100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry26, "report-entry.26", 2, P::Chain, 0, V::V3, E::ReportEntry, 0, 0, 0x8100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry27, "report-entry.27", 2, P::Chain, 0, V::V3, E::ReportEntry, 0, 0, 0x8100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry28, "report-entry.28", 2, P::Chain, 0, V::V3, E::ReportEntry, 0, 0, 0x8400, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry29, "report-entry.29", 2, P::Chain, 0, V::V3, E::ReportEntry, 0, 0, 0x8400, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry30, "report-entry.30", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x3030, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry31, "report-entry.31", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x4450, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry32, "report-entry.32", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2020, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry33, "report-entry.33", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x1010, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry34, "report-entry.34", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0xAA40, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry35, "report-entry.35", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry36, "report-entry.36", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2150, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry37, "report-entry.37", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x30E0, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry38, "report-entry.38", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x44E0, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry39, "report-entry.39", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x4550, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry40, "report-entry.40", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x45E0, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry41, "report-entry.41", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x01F7, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry42, "report-entry.42", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x02F8, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry43, "report-entry.43", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry44, "report-entry.44", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0xAA00, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry45, "report-entry.45", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2600, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry46, "report-entry.46", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x01E7, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry47, "report-entry.47", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x02E8, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry48, "report-entry.48", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2100, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry49, "report-entry.49", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0xAA00, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry50, "report-entry.50", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2600, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry51, "report-entry.51", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2700, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry52, "report-entry.52", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2800, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry53, "report-entry.53", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x1200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry54, "report-entry.54", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x1200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry55, "report-entry.55", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2300, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry56, "report-entry.56", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2400, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry57, "report-entry.57", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0290, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry58, "report-entry.58", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x0600, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry59, "report-entry.59", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x1600, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry60, "report-entry.60", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry61, "report-entry.61", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x2200, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEntry62, "report-entry.62", 2, P::Chain, 0, V::All, E::ReportEntry, 0, 0, 0x5400, rc::kCodesGrid, 0, 0, {}, ""},
    {S::ReportEnd, "report.end", 1, P::ReportEnd, 0, V::All, E::ReportMarker, 0, 0, kErased, 0, 0, 0, {}, ""},
    {S::CommunicatorPhone1, "station.1.phone", 8, P::FirstPhone, 0, V::All, E::PhoneNumber, 0, 0, kErased, rc::kPhone1, 0, 0, &R::phone1, ""},
    {S::CommunicatorPhone2, "station.2.phone", 8, P::Chain, 0, V::All, E::PhoneNumber, 0, 0, kErased, rc::kPhone2, 0, 0, &R::phone2, ""},
    {S::FollowMe04, "followme.04", 8, P::Chain, 0, V::All, E::PhoneNumber, 0, 0, kErased, mc::kFollowMe01 + 3, 2229, 0, {}, ""},
    {S::FollowMe03, "followme.03", 8, P::Chain, 0, V::All, E::PhoneNumber, 0, 0, kErased, mc::kFollowMe01 + 2, 2228, 0, {}, ""},
    {S::FollowMe02, "followme.02", 8, P::Chain, 0, V::All, E::PhoneNumber, 0, 0, kErased, mc::kFollowMe01 + 1, 2227, 0, {}, ""},
    {S::FollowMe01, "followme.01", 8, P::Chain, 0, V::All, E::PhoneNumber, 0, 0, kErased, mc::kFollowMe01, 2226, 0, {}, ""},
    {S::CallbackPhone, "phone.callback", 8, P::Chain, 0, V::All, E::PhoneNumber, 0, 0, kErased, ic::kCallbackPhone, 2106, 0, &I::callbackPhone, ""},
    {S::AfterPhonesA, "after-phones.a", 1, P::Chain, 0, V::All, E::Unedited, 0, 0, kErased, 0, 0, 0, {}, ""},
    {S::AfterPhonesB, "after-phones.b", 1, P::SameAsPrevious, 0, V::All, E::Unedited, 0, 0, kErased, 0, 0, 0, {}, ""},
    {S::ZoneName01, "zone.01.name", 16, P::Fixed, 0x300, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName02, "zone.02.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName03, "zone.03.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName04, "zone.04.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName05, "zone.05.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName06, "zone.06.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName07, "zone.07.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName08, "zone.08.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName09, "zone.09.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName10, "zone.10.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName11, "zone.11.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName12, "zone.12.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName13, "zone.13.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName14, "zone.14.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName15, "zone.15.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::ZoneName16, "zone.16.name", 16, P::Chain, 0, V::All, E::Text16, 0, 0, kErased, ic::kZoneGrid, 2054, 0, {}, ""},
    {S::WelcomeMessage, "welcome-message", 16, P::WelcomeMessage, 0, V::V2AndV3, E::Text16, 0, 0, kErased, ic::kWelcomeMessage, 2105, 0, &I::welcomeMessage, " "},
}};

constexpr bool rowsFollowTheSettings()
{
    for (std::size_t i = 0; i < kCatalogue.size(); ++i)
        if (indexOf(kCatalogue[i].setting) != i)
            return false;
    return true;
}
static_assert(rowsFollowTheSettings(), "catalogue rows must be in layout record order");

} // namespace

std::span<const SettingInfo> settingCatalogue()
{
    return kCatalogue;
}

const SettingInfo& settingInfo(Setting s)
{
    return kCatalogue[indexOf(s)];
}

const SettingInfo* findSetting(std::string_view name)
{
    const auto found = std::ranges::find(kCatalogue, name, &SettingInfo::name);
    return found == kCatalogue.end() ? nullptr : &*found;
}

} // namespace qarvo::panel

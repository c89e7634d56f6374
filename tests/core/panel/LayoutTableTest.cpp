#include "panel/LayoutTable.h"
#include "panel/SettingCatalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace qarvo::panel;

namespace {

struct Built {
    PanelImage image;
    LayoutTable layout;
};

Built buildFor(std::uint8_t typeCode, int users = 46)
{
    Built b;
    const PanelModel* model = findPanelModel(typeCode);
    EXPECT_NE(model, nullptr);
    if (model)
        b.layout.build(*model, users, b.image);
    return b;
}

// First-byte address of report entry n as the report block lists it: V1 lacks
// entries 24-29, V2 lacks 26-29.
int entryAddress(LayoutVariant variant, int n)
{
    const int missingBefore = n < 30 ? 0 : variant == LayoutVariant::V1 ? 6 : variant == LayoutVariant::V2 ? 4 : 0;
    return 0x100 + 2 * (n - 1 - missingBefore);
}

bool entryPresent(LayoutVariant variant, int n)
{
    if (variant == LayoutVariant::V1)
        return n < 24 || n > 29;
    if (variant == LayoutVariant::V2)
        return n < 26 || n > 29;
    return true;
}

} // namespace

TEST(LayoutTable, PageZeroIsTheSameForEveryModel)
{
    for (const PanelModel& model : kPanelModels) {
        SCOPED_TRACE(int(model.typeCode));
        const auto b = buildFor(model.typeCode);
        const auto& l = b.layout;
        EXPECT_EQ(l[Setting::AmbushDigit], (eeloc_t{0x001, 1}));
        EXPECT_EQ(l[Setting::Zone01], (eeloc_t{0x002, 4}));
        EXPECT_EQ(l[Setting::Zone16], (eeloc_t{0x03E, 4}));
        EXPECT_EQ(l[Setting::Entry1Delay].offset, 0x042);
        EXPECT_EQ(l[Setting::GeneralOptions1].offset, 0x04E);
        EXPECT_EQ(l[Setting::PgmMap1].offset, 0x059);
        EXPECT_EQ(l[Setting::CommunicatorOptions1].offset, 0x060);
        EXPECT_EQ(l[Setting::CommunicationFormat2].offset, 0x065);
        EXPECT_EQ(l[pgmType(1)].offset, 0x066);
        EXPECT_EQ(l[pgmType(8)].offset, 0x06D);
        EXPECT_EQ(l[pgmDelay(1)].offset, 0x06E);
        EXPECT_EQ(l[pgmDelay(8)].offset, 0x075);
        EXPECT_EQ(l[Setting::VoiceDialingSequences].offset, 0x076);
        EXPECT_EQ(l[Setting::VoiceReportingTime].offset, 0x077);
        EXPECT_EQ(l[Setting::PeriodicalTestInterval].offset, 0x079) << "0x078 is skipped";
        EXPECT_EQ(l[Setting::RoundPeriod].offset, 0x07A);
        EXPECT_EQ(l[Setting::RoundWarningTime].offset, 0x07B);
        EXPECT_EQ(l[Setting::PartitionAAutoarmHour].offset, 0x07C);
        EXPECT_EQ(l[Setting::PartitionAAutoarmMinute].offset, 0x07D);
        EXPECT_EQ(l[Setting::PartitionBAutodisarmHour].offset, 0x082);
        EXPECT_EQ(l[Setting::RoundsFinishMinute].offset, 0x087);
        EXPECT_EQ(l[pgmOnHour(1)].offset, 0x088);
        EXPECT_EQ(l[pgmOffHour(1)].offset, 0x08A);
        EXPECT_EQ(l[pgmOnHour(8)].offset, 0x0A4);
        EXPECT_EQ(l[Setting::Pgm8OffMinute].offset, 0x0A7);
        EXPECT_EQ(l[Setting::FirstPeriodicalTestHour].offset, 0x0A8);
        EXPECT_EQ(l[Setting::PartitionAInactivityHour].offset, 0x0AA);
        EXPECT_EQ(l[Setting::PartitionBInactivityMinute].offset, 0x0AD);
        EXPECT_EQ(l[Setting::SpareByte], (eeloc_t{0x0AE, 1}));
    }
}

TEST(LayoutTable, PageZeroRecordsCoverEveryByteButTheUnusedOne)
{
    const auto b = buildFor(0x24);
    std::set<int> covered;
    for (const SettingInfo& info : settingCatalogue()) {
        const eeloc_t loc = b.layout[info.setting];
        if (!loc.present() || loc.offset >= 0x100)
            continue;
        for (int a = loc.offset; a < loc.offset + loc.length; ++a)
            EXPECT_TRUE(covered.insert(a).second) << "address " << a << " located twice";
    }
    for (int a = 1; a <= 0xAE; ++a)
        EXPECT_EQ(covered.count(a), a == 0x78 ? 0u : 1u) << "address " << a;
}

TEST(LayoutTable, ReportBlockFollowsTheVariant)
{
    struct Case {
        std::uint8_t code;
        LayoutVariant variant;
        int end;
        int entries;
    };
    for (const Case c : {Case{0x21, LayoutVariant::V1, 0x170, 56}, Case{0x22, LayoutVariant::V2, 0x174, 58},
                         Case{0x27, LayoutVariant::V2, 0x174, 58}, Case{0x24, LayoutVariant::V3, 0x17C, 62},
                         Case{0x29, LayoutVariant::V3, 0x17C, 62}}) {
        SCOPED_TRACE(int(c.code));
        const auto b = buildFor(c.code);
        const auto& l = b.layout;
        EXPECT_EQ(l[Setting::ReportStart], (eeloc_t{0x100, 1}));
        EXPECT_EQ(l[Setting::ReportEnd], (eeloc_t{static_cast<std::uint16_t>(c.end), 1}));
        EXPECT_EQ(l.reportEntryCount(), c.entries);
        for (int n = 1; n <= 62; ++n) {
            const eeloc_t loc = l[reportEntry(n)];
            if (!entryPresent(c.variant, n)) {
                EXPECT_EQ(loc, eeloc_t{}) << "entry " << n << " must be absent";
                continue;
            }
            EXPECT_EQ(loc.offset, entryAddress(c.variant, n) + 1) << "entry " << n << " names its second byte";
            EXPECT_EQ(loc.length, 2);
        }
    }
}

TEST(LayoutTable, ReportEntryAddressesMatchTheBlockListing)
{
    // A few first-byte addresses exactly as the report block lists them.
    EXPECT_EQ(buildFor(0x21).layout[reportEntry(30)].offset - 1, 0x12E);
    EXPECT_EQ(buildFor(0x21).layout[reportEntry(62)].offset - 1, 0x16E);
    EXPECT_EQ(buildFor(0x22).layout[reportEntry(25)].offset - 1, 0x130);
    EXPECT_EQ(buildFor(0x22).layout[reportEntry(30)].offset - 1, 0x132);
    EXPECT_EQ(buildFor(0x22).layout[reportEntry(62)].offset - 1, 0x172);
    EXPECT_EQ(buildFor(0x24).layout[reportEntry(29)].offset - 1, 0x138);
    EXPECT_EQ(buildFor(0x24).layout[reportEntry(62)].offset - 1, 0x17A);
}

TEST(LayoutTable, PhoneNumbersFollowTheReportBlock)
{
    for (std::uint8_t code : {0x21, 0x23, 0x28}) {
        SCOPED_TRACE(int(code));
        const auto b = buildFor(code);
        const auto& l = b.layout;
        const int end = l[Setting::ReportEnd].offset;
        const Setting phones[] = {Setting::CommunicatorPhone1, Setting::CommunicatorPhone2, Setting::FollowMe04,
                                  Setting::FollowMe03,         Setting::FollowMe02,         Setting::FollowMe01,
                                  Setting::CallbackPhone};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(l[phones[i]], (eeloc_t{static_cast<std::uint16_t>(end + 8 * i), 8})) << "phone " << i;
        EXPECT_EQ(l[Setting::AfterPhonesA], (eeloc_t{static_cast<std::uint16_t>(end + 0x38), 1}));
        EXPECT_EQ(l[Setting::AfterPhonesB], l[Setting::AfterPhonesA]);
    }
}

TEST(LayoutTable, ZoneNamesAndWelcomeMessage)
{
    const auto v3 = buildFor(0x24);
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(v3.layout[zoneName(k)], (eeloc_t{static_cast<std::uint16_t>(0x300 + 16 * (k - 1)), 16}));
    EXPECT_EQ(v3.layout[Setting::WelcomeMessage], (eeloc_t{0x524, 16})) << "over the last of 46 user records";
    EXPECT_EQ(buildFor(0x22).layout[Setting::WelcomeMessage], (eeloc_t{0x524, 16}));
    EXPECT_EQ(buildFor(0x24, 10).layout[Setting::WelcomeMessage], (eeloc_t{0x416 + 6 * 9, 16}));
    EXPECT_EQ(buildFor(0x21).layout[Setting::WelcomeMessage], eeloc_t{}) << "V1 has no welcome message";
    EXPECT_EQ(buildFor(0x24, 0).layout[Setting::WelcomeMessage], (eeloc_t{0x416, 16}))
        << "never over the maintenance record";
}

TEST(LayoutTable, HighNibbleEntriesInReportOrder)
{
    const int high[] = {1, 7, 12, 22, 23, 30, 31, 32, 33, 34, 35, 37, 38, 39, 40, 59, 60, 61};
    for (std::uint8_t code : {0x21, 0x26, 0x25}) {
        auto b = buildFor(code);
        const auto& list = b.layout.highNibbleEntries();
        ASSERT_EQ(list.size(), std::size(high));
        for (std::size_t i = 0; i < list.size(); ++i)
            EXPECT_EQ(list[i], b.layout[reportEntry(high[i])]) << "position " << i;
        // Rebuilding replaces the list rather than growing it.
        b.layout.build(*findPanelModel(code), 46, b.image);
        EXPECT_EQ(b.layout.highNibbleEntries().size(), std::size(high));
    }
    EXPECT_EQ(buildFor(0x21).layout.highNibbleEntries()[5].offset, 0x12F);
}

TEST(LayoutTable, RebuildForAnotherModelDropsItsSettingsAndWritesTheModelByte)
{
    auto b = buildFor(0x24);
    EXPECT_EQ(b.image[0], 0xAE);
    EXPECT_EQ(b.layout.typeCode(), 0x24);
    b.layout.build(*findPanelModel(0x21), 46, b.image);
    EXPECT_EQ(b.image[0], 0xAB);
    EXPECT_EQ(b.layout.typeCode(), 0x21);
    EXPECT_FALSE(b.layout[reportEntry(26)].present());
    EXPECT_FALSE(b.layout[Setting::WelcomeMessage].present());
    for (const PanelModel& m : kPanelModels) {
        b.layout.build(m, 46, b.image);
        EXPECT_EQ(b.image[0], m.modelByte);
    }
}

TEST(LayoutTable, RamLocationTable)
{
    const auto b = buildFor(0x24);
    const RamLocationTable& ram = b.layout.ramLocations();
    EXPECT_EQ(ram[0], 0x07);
    EXPECT_EQ(ram[5], 0x05);
    EXPECT_EQ(ram[10], 0x23);
    EXPECT_EQ(ram[17], 0x30);
    EXPECT_EQ(ram[39], 0x11);
    EXPECT_EQ(ram[48], 0x49);
    EXPECT_EQ(ram[52], 0x5C) << "the end-of-link command location";
    EXPECT_EQ(ram[54], 0x6E);
    for (int unused : {6, 7, 8, 9, 14, 15, 16, 21, 24})
        EXPECT_EQ(ram[unused], 0xFF) << unused;
    EXPECT_EQ(std::count(ram.begin(), ram.end(), 0xFF), 9);
}

TEST(LayoutTable, SettingBytesOfAReportEntryStartAtItsFirstByte)
{
    auto b = buildFor(0x24);
    b.image[0x100] = 0x11;
    b.image[0x101] = 0x22;
    const auto entry = b.layout.bytes(b.image, reportEntry(1));
    ASSERT_EQ(entry.size(), 2u);
    EXPECT_EQ(entry[0], 0x11);
    EXPECT_EQ(entry[1], 0x22);
    EXPECT_EQ(b.layout.bytes(b.image, Setting::Zone02).data(), &b.image.bytes()[6]);
    EXPECT_TRUE(buildFor(0x21).layout.bytes(b.image, reportEntry(27)).empty());
}

TEST(SettingCatalogue, NamesAreUniqueAndFindable)
{
    std::set<std::string_view> names;
    for (const SettingInfo& info : settingCatalogue()) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_EQ(findSetting(info.name), &info);
    }
    EXPECT_EQ(names.size(), kSettingCount);
    EXPECT_EQ(findSetting("NoSuchSetting"), nullptr);
    EXPECT_EQ(settingInfo(Setting::NumberOfRings).max, 20);
    EXPECT_EQ(settingInfo(Setting::Entry1Delay).min, 1);
    EXPECT_EQ(settingInfo(Setting::FirstPeriodicalTestHour).encoding, Encoding::Hour);
    EXPECT_EQ(settingInfo(Setting::FirstPeriodicalTestMinute).encoding, Encoding::Minute);
}

TEST(SettingCatalogue, DefaultsLieInTheirRangesAndControlsAreThePagesOwn)
{
    for (const SettingInfo& info : settingCatalogue()) {
        if (info.encoding != Encoding::Number && info.encoding != Encoding::LowNibbleCounter)
            continue;
        EXPECT_LE(info.min, info.defaultValue) << info.name;
        EXPECT_LE(info.defaultValue, info.max) << info.name;
    }
    EXPECT_EQ(settingInfo(Setting::Entry1Delay).control, 2007);
    EXPECT_EQ(settingInfo(Setting::PartitionBExitDelay).control, 2157);
    EXPECT_EQ(settingInfo(Setting::FollowMe01).control, 2202);
    EXPECT_EQ(settingInfo(Setting::FollowMe04).control, 2205);
    EXPECT_EQ(settingInfo(Setting::CallbackPhone).control, 2036);
    EXPECT_EQ(settingInfo(Setting::WelcomeMessage).control, 2018);
    EXPECT_EQ(settingInfo(Setting::WelcomeMessage).defaultText, " ");
    EXPECT_EQ(settingInfo(Setting::GeneralOptions1).control, 0) << "option bits have one control per bit";
}

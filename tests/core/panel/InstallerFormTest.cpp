#include "FormsTestSupport.h"

#include "panel/FixedRegion.h"
#include "panel/TypeLists.h"

#include <algorithm>

using namespace qarvo;
using namespace qarvo::panel;
using namespace qarvo::panel::test;
namespace ic = installer_control;
using Z = ZoneAttribute;

namespace {

int zoneTypeIndex(std::uint8_t code)
{
    const auto list = zoneTypeList();
    return int(std::ranges::find(list, code, &TypeName::code) - list.begin());
}

std::size_t at(Z a) { return std::size_t(attributeIndex(a)); }

// The locked attributes of a zone as letters, with their values: "A+Bx" ...
std::string lockText(const AttributeLocks& locks)
{
    std::string text;
    for (std::size_t a = 0; a < locks.size(); ++a)
        if (locks[a])
            text += std::string(1, char('A' + a)) + (*locks[a] ? "+" : "x");
    return text;
}

} // namespace

TEST(ZoneAttributeRules, TypesLockTheirAttributes)
{
    struct Case {
        std::uint8_t model;
        std::uint8_t type;
        bool doubling; // N set on the (lower) zone
        const char* locks;
    };
    const Case cases[] = {
        {0x24, 12, false, "A+BxExFxGxOxPx"},                    // 12/24h fire
        {0x24, 0, false, "AxBxCxDxExFxGxHxIxJxKxLxMxNxOxPxQ+RxSx"}, // unused: partition A only
        {0x21, 0, false, "AxBxCxDxExFxGxHxIxJxKxLxMxNxOxQ+Rx"},
        {0x24, 4, false, "Ox"},
        {0x24, 4, true, ""},                                    // O is free while doubling
        {0x24, 10, true, "ExFxGxLxMxPx"},                       // no EOL while doubled
        {0x24, 16, false, "B+DxE+FxGxIxJxLxOxPxQ+R+"},
        {0x21, 16, false, "B+DxE+FxGxIxJxLxOxQ+R+"},
    };
    for (const Case& c : cases) {
        std::vector<ZoneRow> zones(16);
        zones[0].type = zoneTypeIndex(c.type);
        zones[0].attributes[at(Z::N)] = c.doubling;
        EXPECT_EQ(lockText(zoneAttributeLocks(zones, 0, *findPanelModel(c.model))), c.locks)
            << std::hex << int(c.model) << " type " << std::dec << int(c.type);
    }
}

TEST(ZoneAttributeRules, FireZoneOnThePageSetsAAndClearsItsLockedAttributes)
{
    FormsDoc f;
    ZoneRow& zone = f.forms.installer.zones[2];
    zone.type = zoneTypeIndex(12);
    zone.attributes.fill(true);
    applyZoneAttributeRules(f.forms.installer.zones, f.model());
    EXPECT_TRUE(zone.attributes[at(Z::A)]);
    for (Z a : {Z::B, Z::E, Z::F, Z::G})
        EXPECT_FALSE(zone.attributes[at(a)]);
    EXPECT_TRUE(zone.attributes[at(Z::C)]) << "free attributes keep their value";
}

TEST(ZoneAttributeRules, DoublingCopiesKLMToTheUpperZoneAndLocksThem)
{
    FormsDoc f;
    auto& zones = f.forms.installer.zones;
    ASSERT_EQ(zones.size(), 16u);
    zones[2].attributes[at(Z::K)] = true;
    zones[2].attributes[at(Z::L)] = false;
    zones[2].attributes[at(Z::M)] = true;
    zones[10].attributes[at(Z::L)] = true;
    EXPECT_FALSE(zoneAttributeLocks(zones, 10, f.model())[at(Z::L)] == std::optional<bool>(true));

    zones[2].attributes[at(Z::N)] = true;
    applyZoneAttributeRules(zones, f.model());
    const AttributeLocks locks = zoneAttributeLocks(zones, 10, f.model());
    for (Z a : {Z::K, Z::L, Z::M}) {
        ASSERT_TRUE(locks[at(a)].has_value());
        EXPECT_EQ(zones[10].attributes[at(a)], zones[2].attributes[at(a)]);
    }
    EXPECT_EQ(locks[at(Z::N)], std::optional<bool>(false));
    EXPECT_EQ(locks[at(Z::O)], std::optional<bool>(false));
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(zoneRecord(11))[2], 0x28) << "K and M of zone 3, L cleared";
}

TEST(ZoneAttributeRules, GridColumnsPerVariant)
{
    EXPECT_EQ(zoneAttributeColumns(*findPanelModel(0x21)).size(), 17u);
    EXPECT_EQ(zoneAttributeColumns(*findPanelModel(0x22)).size(), 18u);
    EXPECT_EQ(zoneAttributeColumns(*findPanelModel(0x29)).size(), 19u);
    EXPECT_EQ(zoneAttributeColumns(*findPanelModel(0x21))[15], Z::Q) << "partition A under the letter P";
}

TEST(InstallerForm, ZoneRecordsAndNames)
{
    FormsDoc f(0x22); // 12 zones, attribute P but no S
    f.put(0x002 + 4 * 12, {0x12, 0x34, 0x56, 0x78}); // zone 13: no row on this model
    f.show();
    ASSERT_EQ(f.forms.installer.zones.size(), 12u);
    ZoneRow& zone = f.forms.installer.zones[1];
    zone.type = zoneTypeIndex(5); // leaves P free
    zone.name = "Back door";
    zone.attributes = {};
    for (Z a : {Z::A, Z::H, Z::K, Z::P, Z::R, Z::S}) // S: no such bit on V2
        zone.attributes[at(a)] = true;
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(zoneRecord(2)), (Bytes{0x05, 0x81, 0x21, 0x40}));
    EXPECT_EQ(f.setting(zoneName(2))[0], 'B');
    EXPECT_EQ(f.at(0x002 + 4 * 12, 4), (Bytes{0x12, 0x34, 0x56, 0x78}));

    f.forms.installer.zones[4].type = -1;
    EXPECT_EQ(f.refusal(), error(text_id::kCheckSelectedValue, {}, ic::kZoneGrid, 4, zone_column::kType));
}

TEST(InstallerForm, TimersAndCounters)
{
    struct Case {
        std::string InstallerForm::*field;
        const char* text;
        Setting setting;
        std::optional<std::uint8_t> stored;
        FormError refusal;
    };
    const Case cases[] = {
        {&InstallerForm::dingTime, "F", Setting::DingTimeAndPause, {}, {}}, // with pause "2" below
        {&InstallerForm::dingPause, "G", Setting::DingTimeAndPause, {}, error(text_id::kHexDigitCode, 1, ic::kDingPause)},
        {&InstallerForm::dingTime, "1F", Setting::DingTimeAndPause, {}, error(text_id::kHexDigitCode, 1, ic::kDingTime)},
        {&InstallerForm::swingerCounter, "16", Setting::SwingerShutdownCounter, 3, {}},
        {&InstallerForm::swingerCounter, "5", Setting::SwingerShutdownCounter, 5, {}},
        {&InstallerForm::swingerCounter, "0", Setting::SwingerShutdownCounter, {},
         error(text_id::kHasToHaveNonZeroValue, {}, ic::kSwingerCounter)},
        {&InstallerForm::exitDelayB, "", Setting::PartitionBExitDelay, {},
         error(text_id::kHasToHaveValue, {}, ic::kExitDelayB)}, // partitions are off
        {&InstallerForm::entry1Delay, "256", Setting::Entry1Delay, {},
         error(text_id::kEnterNumberFromOneUpTo, 255, ic::kEntry1Delay)},
        {&InstallerForm::intellizoneWindow, "256", Setting::IntellizoneWindow, {},
         error(text_id::kEnterNumberFromOneUpTo, 255, ic::kIntellizoneWindow)},
        {&InstallerForm::periodicalTestInterval, "300", Setting::PeriodicalTestInterval, {},
         error(text_id::kEnterNumberFromOneUpTo, 255, ic::kPeriodicalTestInterval)},
        {&InstallerForm::numberOfRings, "21", Setting::NumberOfRings, {}, error(text_id::kEnterNumberUpTo, 20, ic::kNumberOfRings)},
        {&InstallerForm::numberOfRings, "0", Setting::NumberOfRings, 0, {}},
        {&InstallerForm::entry2Delay, "255", Setting::Entry2Delay, 255, {}},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        ASSERT_EQ(f.forms.installer.exitDelayB, "60");
        f.forms.installer.dingPause = "2";
        f.forms.installer.*c.field = c.text;
        if (c.refusal.textId) {
            EXPECT_EQ(f.refusal(), c.refusal) << c.text;
            continue;
        }
        ASSERT_FALSE(f.store()) << c.text;
        const std::uint8_t expected = c.stored ? *c.stored : 0xF2;
        EXPECT_EQ(f.setting(c.setting), Bytes{expected}) << c.text;
    }
}

TEST(InstallerForm, PgmRows)
{
    FormsDoc f(0x21); // 6 PGMs, the short type list
    f.putSetting(Setting::Pgm2Type, {0x5F}); // not offered on this model
    f.putSetting(Setting::Pgm7Type, {0x33}); // no row on this model
    f.putSetting(Setting::PgmMap1, {0x03});
    f.show();
    ASSERT_EQ(f.forms.installer.pgms.size(), 6u);
    EXPECT_EQ(f.forms.installer.pgms[1].type, -1);
    EXPECT_EQ(f.refusal(), error(text_id::kSetPgmType, 2, ic::kPgmGrid, 1, pgm_column::kType));

    const auto items = pgmTypeItems(0x21);
    f.forms.installer.pgms[1].type = int(std::ranges::find(items, 0x49, &TypeName::code) - items.begin());
    f.forms.installer.pgms[0] = PgmRow{0, "255", pgm_unit::kMinutes, true, false};
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(Setting::Pgm1Type), Bytes{0x00});
    EXPECT_EQ(f.setting(Setting::Pgm2Type), Bytes{0x49});
    EXPECT_EQ(f.setting(Setting::Pgm7Type), Bytes{0x33});
    EXPECT_EQ(f.setting(Setting::Pgm1Delay), Bytes{255});
    EXPECT_EQ(f.setting(Setting::PgmTimeUnitMap), Bytes{0x80});
    EXPECT_EQ(f.setting(Setting::PgmMap1), (Bytes{0x83})) << "PGM 1 ticked, PGMs 7 and 8 kept";

    f.forms.installer.pgms[5].delay = "256";
    EXPECT_EQ(f.refusal(), error(text_id::kEnterNumberUpTo, 255, ic::kPgmGrid, 5, pgm_column::kDelay));
}

TEST(InstallerForm, KeypadRows)
{
    FormsDoc f;
    ASSERT_EQ(f.forms.installer.keypads.size(), 8u);
    EXPECT_EQ(f.forms.installer.keypads[7], (KeypadRow{false, false, false, true, true}));
    f.forms.installer.keypads[0] = {true, false, true, false, true};
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(Setting::KeypadMap1), Bytes{0x80});
    EXPECT_EQ(f.setting(Setting::KeypadMap3), Bytes{0x80});
    EXPECT_EQ(f.setting(Setting::KeypadMap4), Bytes{0x7F});
    EXPECT_EQ(f.setting(Setting::KeypadMap5), Bytes{0xFF});
}

TEST(InstallerForm, DtmfPrefixAndAutoarmingBitOneReadBackAsWritten)
{
    struct Case {
        std::uint8_t type;
        int index;
        std::uint8_t stored;
    };
    for (const Case& c : {Case{0x24, 0, 0x00}, Case{0x24, 1, 0x02}, Case{0x24, 2, 0x03}, Case{0x21, 2, 0x00}}) {
        FormsDoc f(c.type);
        f.forms.installer.options[ic::kDtmfPrefix] = c.index;
        ASSERT_FALSE(f.store());
        EXPECT_EQ(f.setting(Setting::PhoneLineOptions), Bytes{c.stored});
        f.show();
        EXPECT_EQ(f.forms.installer.options[ic::kDtmfPrefix], c.type > 0x21 ? c.index : 0);
    }
    FormsDoc f;
    f.putSetting(Setting::PhoneLineOptions, {0x01});
    f.show();
    EXPECT_EQ(f.forms.installer.options[ic::kDtmfPrefix], 0) << "1 reads as none";

    f.forms.installer.options[2143] = 1; // "No beep/dings when stay arming"
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(Setting::PartitionAAutoarmingOptions), Bytes{0x22});
    f.show();
    EXPECT_EQ(f.forms.installer.options[2143], 1);
}

TEST(InstallerForm, IdsCodesAndWelcomeMessage)
{
    struct Case {
        std::string InstallerForm::*field;
        const char* text;
        FormError refusal;
    };
    const Case cases[] = {
        {&InstallerForm::panelIdCode, "12A", error(text_id::kHexDigitCode, 4, ic::kPanelIdCode)},
        {&InstallerForm::pcIdCode, "12G4", error(text_id::kHexDigitCode, 4, ic::kPcIdCode)},
        {&InstallerForm::installerCode, "58070", error(text_id::kUserCodeDigits, {}, ic::kInstallerCode)},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        f.forms.installer.*c.field = c.text;
        EXPECT_EQ(f.refusal(), c.refusal) << c.text;
    }

    FormsDoc f;
    EXPECT_EQ(f.forms.installer.installerCode, "5807");
    EXPECT_EQ(f.forms.installer.welcomeMessage, " ");
    f.forms.installer.panelIdCode = "a1B2";
    f.forms.installer.pcIdCode = "0FF0";
    f.forms.installer.welcomeMessage = "Hi\tthere";
    f.forms.installer.maintenance.code = "246810";
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.at(fixed::kPanelIdCode, 4), (Bytes{0xA1, 0xB2, 0x0F, 0xF0}));
    EXPECT_EQ(f.at(fixed::kMaintenanceCode, 3), (Bytes{0x24, 0x68, 0x10}));
    EXPECT_EQ(f.setting(Setting::WelcomeMessage)[2], ' ');
    f.show();
    EXPECT_EQ(f.forms.installer.panelIdCode, "A1B2");
    EXPECT_EQ(f.forms.installer.welcomeMessage, "Hi there");
}

TEST(InstallerForm, Enables)
{
    FormsDoc f(0x25);
    EXPECT_EQ(installerEnables(f.forms.installer, f.model()),
              (InstallerEnables{false, false, false, false, false, false, false, false, false, true, true}));
    f.forms.installer.options[ic::kPartitions] = 1;
    f.forms.installer.options[ic::kBTimedAutodisarming] = 1;
    f.forms.installer.options[ic::kATimedAutoarming] = 1;
    EXPECT_EQ(installerEnables(f.forms.installer, *findPanelModel(0x21)),
              (InstallerEnables{true, true, false, false, true, true, true, true, false, false, false}));
}

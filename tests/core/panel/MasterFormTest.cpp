#include "FormsTestSupport.h"

#include "panel/FixedRegion.h"

using namespace qarvo;
using namespace qarvo::panel;
using namespace qarvo::panel::test;
namespace mc = master_control;

namespace {

constexpr int kAttributeC = 2;
constexpr int kPartitionsControl = installer_control::kPartitions;

std::size_t userRecord(int r) { return fixed::userRecordOffset(r); }

} // namespace

TEST(MasterForm, UserCodesAreFourOrSixDigitsOrEmpty)
{
    struct Case {
        const char* code;
        std::optional<Bytes> stored; // nullopt: refused with 249 at the code cell
    };
    const Case cases[] = {
        {"", Bytes{0xFF, 0xFF, 0xFF}},       {"1234", Bytes{0x12, 0x34, 0x00}},
        {"123456", Bytes{0x12, 0x34, 0x56}}, {"12345", std::nullopt},
        {"123", std::nullopt},               {"12a4", std::nullopt},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        f.forms.master.users[3].code = c.code;
        if (!c.stored) {
            EXPECT_EQ(f.refusal(), error(text_id::kUserCodeDigits, std::nullopt, mc::kUserGrid, 3, code_column::kCode))
                << c.code;
            continue;
        }
        ASSERT_FALSE(f.store()) << c.code;
        EXPECT_EQ(f.at(userRecord(3), 3), *c.stored) << c.code;
    }
}

TEST(MasterForm, FourDigitModeShowsTheFirstFourDigitsOfASixDigitCode)
{
    FormsDoc f;
    f.put(userRecord(1), {0x12, 0x34, 0x56});
    const std::uint8_t options1 = f.setting(Setting::GeneralOptions1)[0];
    f.putSetting(Setting::GeneralOptions1, {static_cast<std::uint8_t>(options1 | 0x10)});
    f.show();
    EXPECT_EQ(f.forms.master.users[1].code, "1234");
    f.putSetting(Setting::GeneralOptions1, {static_cast<std::uint8_t>(options1 & ~0x10)});
    f.show();
    EXPECT_EQ(f.forms.master.users[1].code, "123456");
    f.put(userRecord(1), {0x12, 0x3A, 0x56});
    f.show();
    EXPECT_EQ(f.forms.master.users[1].code, "") << "a code with a nibble that is no digit shows empty";
}

TEST(MasterForm, AmbushDigit)
{
    FormsDoc f;
    f.putSetting(Setting::AmbushDigit, {0xA5});
    f.show();
    EXPECT_EQ(f.forms.master.ambushDigit, "0");
    f.putSetting(Setting::AmbushDigit, {0x7F});
    f.show();
    EXPECT_EQ(f.forms.master.ambushDigit, "7");

    struct Case {
        const char* text;
        std::optional<FormError> refusal;
    };
    const Case cases[] = {
        {"9", std::nullopt},
        {"", error(text_id::kHasToHaveValue, std::nullopt, mc::kAmbushDigit)},
        {"A", error(text_id::kEnterNumberUpTo, 9, mc::kAmbushDigit)},
        {"12", error(text_id::kEnterNumberUpTo, 9, mc::kAmbushDigit)},
    };
    for (const Case& c : cases) {
        f.forms.master.ambushDigit = c.text;
        if (c.refusal)
            EXPECT_EQ(f.refusal(), *c.refusal) << c.text;
        else
            EXPECT_FALSE(f.store()) << c.text;
    }
    EXPECT_EQ(f.setting(Setting::AmbushDigit), Bytes{0x9F});
}

TEST(MasterForm, RoundPeriodAndWarningTimeStayWithinTheirRange)
{
    struct Case {
        const char* text;
        std::optional<int> stored;
        int textId;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"001", 1, 0, {}},
        {"255", 255, 0, {}},
        {"", {}, text_id::kHasToHaveValue, {}},
        {"0", {}, text_id::kHasToHaveNonZeroValue, {}},
        {"1x", {}, text_id::kHasToHaveNonZeroValue, {}},
        {"256", {}, text_id::kEnterNumberFromOneUpTo, 255},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        f.forms.master.warningTime = c.text;
        if (!c.stored) {
            EXPECT_EQ(f.refusal(), error(c.textId, c.number, mc::kWarningTime)) << c.text;
            continue;
        }
        ASSERT_FALSE(f.store()) << c.text;
        EXPECT_EQ(f.setting(Setting::RoundWarningTime), Bytes{static_cast<std::uint8_t>(*c.stored)});
    }
}

TEST(MasterForm, TimesAreNeededAsThePartitionOptionsSay)
{
    struct Case {
        std::string MasterForm::*field;
        std::vector<int> enables; // installer options set
        const char* text;
        std::optional<FormError> refusal;
        Bytes stored; // when accepted
        Setting hour;
    };
    const Case cases[] = {
        {&MasterForm::partitionBInactivity, {}, "", {}, {0xFF, 0xFF}, Setting::PartitionBInactivityHour},
        {&MasterForm::partitionBInactivity, {kPartitionsControl}, "",
         error(text_id::kEnterHourMin, {}, mc::kPartitionBInactivity), {}, Setting::PartitionBInactivityHour},
        {&MasterForm::partitionAInactivity, {}, "24:00", error(text_id::kIncorrectHourMin, {}, mc::kPartitionAInactivity),
         {}, Setting::PartitionAInactivityHour},
        {&MasterForm::partitionAAutoarm, {}, "", {}, {0xFF, 0xFF}, Setting::PartitionAAutoarmHour},
        {&MasterForm::partitionAAutoarm, {2134}, "", error(text_id::kEnterHourMin, {}, mc::kPartitionAAutoarm), {},
         Setting::PartitionAAutoarmHour},
        {&MasterForm::partitionAAutodisarm, {2137}, "7:05", {}, {7, 5}, Setting::PartitionAAutodisarmHour},
        {&MasterForm::partitionBAutoarm, {2166}, "", {}, {0xFF, 0xFF}, Setting::PartitionBAutoarmHour},
        {&MasterForm::partitionBAutodisarm, {2169, kPartitionsControl}, "23:60",
         error(text_id::kIncorrectHourMin, {}, mc::kPartitionBAutodisarm), {}, Setting::PartitionBAutodisarmHour},
        {&MasterForm::roundsStart, {}, "99:99", {}, {0xFF, 0xFF}, Setting::RoundsStartHour},
        {&MasterForm::roundsFinish, {}, "18:30", {}, {18, 30}, Setting::RoundsFinishHour},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        for (int control : c.enables)
            f.forms.installer.options[control] = 1;
        f.forms.master.*c.field = c.text;
        if (c.refusal) {
            EXPECT_EQ(f.refusal(), *c.refusal) << c.text;
            continue;
        }
        ASSERT_FALSE(f.store()) << c.text;
        EXPECT_EQ(f.setting(c.hour), Bytes{c.stored[0]}) << c.text;
        EXPECT_EQ(f.setting(nth(c.hour, 2)), Bytes{c.stored[1]}) << c.text;
    }
}

TEST(MasterForm, HeaderClickSetsTheColumnToTheOppositeOfTheFirstRow)
{
    FormsDoc f;
    auto& users = f.forms.master.users;
    ASSERT_EQ(users.size(), std::size_t(kUserGridRows));
    ASSERT_TRUE(users[0].attributes[kAttributeC]) << "the default master may stay arm";
    users[5].attributes[kAttributeC] = true;
    toggleCodeColumn(users, kAttributeC, 8);
    for (const CodeRow& row : users)
        EXPECT_FALSE(row.attributes[kAttributeC]);
    ASSERT_TRUE(users[0].pgms[7]) << "the default master may toggle every PGM";
    toggleCodeColumn(users, kCodeAttributeCount + 7, 8); // P8
    for (const CodeRow& row : users)
        EXPECT_FALSE(row.pgms[7]);
    toggleCodeColumn(users, kCodeAttributeCount + 7, 8);
    for (const CodeRow& row : users)
        EXPECT_TRUE(row.pgms[7]);
    const auto before = users;
    toggleCodeColumn(users, kCodeAttributeCount + 6, 6); // P7 on a panel with 6 PGMs: no column
    EXPECT_EQ(users, before);
}

TEST(MasterForm, RecordsWithoutAGridRowAndPgmBitsWithoutAColumnKeepTheirBytes)
{
    FormsDoc f(0x21); // 46 user records, 6 PGMs, no welcome message over the last record
    const Bytes lastRecord{0x12, 0x34, 0x56, 0xAB, 0xCD, 0xEF};
    f.put(userRecord(kUserGridRows), lastRecord);
    f.put(userRecord(2) + 4, {0x03}); // P7 and P8
    f.show();
    f.forms.master.users[2].pgms = {true, false, false, false, false, false, false, false};
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.at(userRecord(kUserGridRows), 6), lastRecord);
    EXPECT_EQ(f.at(userRecord(2) + 4, 1), Bytes{0x83});
}

TEST(MasterForm, UserNamesAndAttributesReachTheirRecords)
{
    FormsDoc f;
    CodeRow& row = f.forms.master.users[44];
    row = CodeRow{"654321", "Night guard", {}, {}};
    row.attributes[0] = row.attributes[7] = row.attributes[8] = row.attributes[10] = true; // A, H, I, K
    row.pgms[0] = row.pgms[7] = true;
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.at(userRecord(44), 6), (Bytes{0x65, 0x43, 0x21, 0x81, 0x81, 0xA0}));
    EXPECT_EQ(f.doc.userNames()[44], "Night guard");
    EXPECT_TRUE(f.doc.isModified());
}

TEST(MasterForm, VoiceOptionBitsFollowTheModel)
{
    struct Case {
        std::uint8_t type;
        std::uint8_t stored; // every box ticked
    };
    const Case cases[] = {{0x24, 0xFF}, {0x25, 0xF1}, {0x22, 0xFF}, {0x21, 0xFD}, {0x23, 0xF1}};
    for (const Case& c : cases) {
        FormsDoc f(c.type);
        for (const OptionBit& bit : optionBits())
            if (bit.setting == Setting::VoiceModuleOptions)
                f.forms.master.voiceOptions[bit.control] = 1;
        ASSERT_FALSE(f.store());
        EXPECT_EQ(f.setting(Setting::VoiceModuleOptions), Bytes{c.stored}) << std::hex << int(c.type);
    }
}

TEST(MasterForm, EnablesFollowThePartitionOptionsAndTheModel)
{
    const PartitionSwitches none{};
    const PartitionSwitches timedBWithoutPartitions{false, true, false, true, true};
    const PartitionSwitches all{true, true, true, true, true};
    const auto& full = *findPanelModel(0x24);
    const auto& limited = *findPanelModel(0x25);
    EXPECT_EQ(masterEnables(none, full, 8), (MasterEnables{false, false, false, false, false, true, true, true, 8}));
    EXPECT_EQ(masterEnables(timedBWithoutPartitions, limited, 8),
              (MasterEnables{true, false, false, false, false, false, false, false, 8}));
    EXPECT_EQ(masterEnables(all, full, 6), (MasterEnables{true, true, true, true, true, true, true, true, 6}));
}

TEST(MasterForm, SharedValuesAreOneFieldFocusedOnEitherPage)
{
    FormsDoc f;
    f.forms.master.roundPeriod = "0";
    const FormError onMaster = f.refusal();
    EXPECT_EQ(onMaster, error(text_id::kHasToHaveNonZeroValue, {}, mc::kRoundPeriod));
    EXPECT_EQ(onInstallerPage(onMaster), error(text_id::kHasToHaveNonZeroValue, {}, 2028));

    f.forms.master.roundPeriod = "045";
    f.forms.master.pgmTimes[2].deactivation = {true, "25:00"};
    const FormError pgm = f.refusal();
    EXPECT_EQ(pgm, error(text_id::kIncorrectHourMin, {}, mc::kPgmGrid, 2, master_pgm_column::kDeactivation));
    EXPECT_EQ(onInstallerPage(pgm),
              error(text_id::kIncorrectHourMin, {}, installer_control::kPgmGrid, 2, pgm_column::kDeactivation));

    f.forms.master.pgmTimes[2].deactivation = {false, "25:00"};
    f.forms.master.users[0].code = "12";
    EXPECT_EQ(onInstallerPage(f.refusal()),
              error(text_id::kUserCodeDigits, {}, installer_control::kCodesGrid, codes_row::kMaster, code_column::kCode));
    f.forms.master.users[0].code = "4391";
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(Setting::RoundPeriod), Bytes{45});
    EXPECT_EQ(f.setting(Setting::Pgm3OffHour), Bytes{0xFF}) << "a switched-off cell stores unset";
}

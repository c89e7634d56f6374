#include "base/CellEditRules.h"
#include "base/TabularText.h"

#include <gtest/gtest.h>

using namespace qarvo::cells;

namespace {

CellRule ruleOf(CellKind kind, int length = 0, bool pad = false, bool blankZero = false)
{
    CellRule rule;
    rule.kind = kind;
    rule.length = length;
    rule.pad = pad;
    rule.blankZero = blankZero;
    return rule;
}

struct EndOfEditCase {
    const char* name;
    CellRule rule;
    std::optional<std::string_view> typed;
    std::optional<std::string> stored; // nullopt: the cell keeps its text
};

class EndOfEdit : public testing::TestWithParam<EndOfEditCase> {};

TEST_P(EndOfEdit, StoresWhatTheRulesGive)
{
    const auto& c = GetParam();
    EXPECT_EQ(endOfEdit(c.rule, c.typed), c.stored);
}

const CellRule kZoneTypes = [] {
    CellRule rule = ruleOf(CellKind::List);
    rule.items = {"00/unused", "01/delayed 1"};
    return rule;
}();

INSTANTIATE_TEST_SUITE_P(
    Cells, EndOfEdit,
    testing::Values(
        EndOfEditCase{"CancelledKeepsText", ruleOf(CellKind::Text), std::nullopt, std::nullopt},
        EndOfEditCase{"TextTaken", ruleOf(CellKind::Text, 16), "Front door", "Front door"},
        EndOfEditCase{"TextOverLengthRefused", ruleOf(CellKind::Text, 4), "12345", std::nullopt},
        EndOfEditCase{"LengthCountsCharactersNotBytes", ruleOf(CellKind::Text, 4), "K\xC3\xBC" "che", std::nullopt},
        EndOfEditCase{"FourLettersWithUmlautFit", ruleOf(CellKind::Text, 4), "T\xC3\xBCr", "T\xC3\xBCr"},
        EndOfEditCase{"PadToCellLength", ruleOf(CellKind::Decimal, 4, true), "12", "0012"},
        EndOfEditCase{"PadLeavesFullText", ruleOf(CellKind::Decimal, 4, true), "1234", "1234"},
        EndOfEditCase{"BlankZeroEmpties", ruleOf(CellKind::Decimal, 3, false, true), "000", ""},
        EndOfEditCase{"BlankZeroKeepsOtherNumbers", ruleOf(CellKind::Decimal, 3, false, true), "010", "010"},
        EndOfEditCase{"PadThenBlankZero", ruleOf(CellKind::Hex, 2, true, true), "0", ""},
        EndOfEditCase{"EmptyPaddedHexBlanked", ruleOf(CellKind::Hex, 2, true, true), "", ""},
        EndOfEditCase{"DecimalRefusesLetters", ruleOf(CellKind::Decimal, 3), "1a", std::nullopt},
        EndOfEditCase{"HexStoredUpperCase", ruleOf(CellKind::Hex, 2), "af", "AF"},
        EndOfEditCase{"HexRefusesG", ruleOf(CellKind::Hex, 2), "G1", std::nullopt},
        EndOfEditCase{"TypedTimePadded", ruleOf(CellKind::TimeText), "7:5", "07:05"},
        EndOfEditCase{"TypedTimeBadHourOff", ruleOf(CellKind::TimeText), "25:00", "--:--"},
        EndOfEditCase{"TypedTimeBadMinuteOff", ruleOf(CellKind::TimeText), "10:60", "--:--"},
        EndOfEditCase{"TypedTimeEmptyOff", ruleOf(CellKind::TimeText), "", "--:--"},
        EndOfEditCase{"KeepKindBadHourKeepsOld", ruleOf(CellKind::TimeTextKeep), "25:00", std::nullopt},
        EndOfEditCase{"KeepKindGoodTime", ruleOf(CellKind::TimeTextKeep), "23:59", "23:59"},
        EndOfEditCase{"TypedTimeTooLongRefused", ruleOf(CellKind::TimeText), "007:05", std::nullopt},
        EndOfEditCase{"PickerTime", ruleOf(CellKind::TimePicker), "08:30", "08:30"},
        EndOfEditCase{"PickerCannotBeOff", ruleOf(CellKind::TimePicker), "--:--", std::nullopt},
        EndOfEditCase{"OnOffPickerOff", ruleOf(CellKind::TimePickerOnOff), "--:--", "--:--"},
        EndOfEditCase{"ListItem", kZoneTypes, "01/delayed 1", "01/delayed 1"},
        EndOfEditCase{"ListRefusesOtherText", kZoneTypes, "07/nothing", std::nullopt},
        EndOfEditCase{"CheckCellsTakeNoText", ruleOf(CellKind::Check), "1", std::nullopt},
        EndOfEditCase{"UntypedColumnTakesNothing", ruleOf(CellKind::None), "x", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCell, ZeroAndOneToggleOtherStatesAreFixed)
{
    const std::pair<int, int> cases[] = {{0, 1}, {1, 0}, {2, 2}, {-1, -1}, {7, 7}};
    for (const auto& [state, after] : cases) {
        EXPECT_EQ(toggledCheck(state), after) << state;
        EXPECT_EQ(isFixedCheck(state), state == after) << state;
    }
}

TEST(CheckCell, ClickNoticeCarriesColumnAboveRow)
{
    EXPECT_EQ(checkClickParam(5, 3), 0x50003);
    EXPECT_EQ(checkClickParam(22, 44), (22 << 16) | 44);
}

TEST(TimeText, ParsesOnlyHourZeroToTwentyThreeAndMinuteZeroToFiftyNine)
{
    const std::pair<std::string_view, std::optional<HourMinute>> cases[] = {
        {"0:0", HourMinute{0, 0}}, {"23:59", HourMinute{23, 59}}, {"7:05", HourMinute{7, 5}},
        {"24:00", std::nullopt},   {"12:60", std::nullopt},       {"1200", std::nullopt},
        {":30", std::nullopt},     {"12:", std::nullopt},         {"1a:30", std::nullopt},
        {"--:--", std::nullopt},   {"123:4", std::nullopt}};
    for (const auto& [text, time] : cases)
        EXPECT_EQ(parseHourMinute(text), time) << text;
}

TEST(TimePicker, OpensAtCellTimeWithOutOfRangePartsAsZero)
{
    const std::pair<std::string_view, std::optional<HourMinute>> cases[] = {
        {"--:--", std::nullopt}, {"08:15", HourMinute{8, 15}}, {"25:15", HourMinute{0, 15}},
        {"12:75", HourMinute{12, 0}}, {"", HourMinute{0, 0}}};
    for (const auto& [text, time] : cases)
        EXPECT_EQ(pickerTime(text), time) << text;
}

TEST(Editors, TypedTimeOpensEmptyWhenOffAndIsFiveCharactersLong)
{
    EXPECT_EQ(editorText(CellKind::TimeText, "--:--"), "");
    EXPECT_EQ(editorText(CellKind::TimeText, "07:05"), "07:05");
    EXPECT_EQ(editorText(CellKind::Text, "--:--"), "--:--");
    EXPECT_EQ(editorLength(ruleOf(CellKind::TimeTextKeep, 16)), 5);
    EXPECT_EQ(editorLength(ruleOf(CellKind::Text, 16)), 16);
}

TEST(Editors, CharacterFilters)
{
    struct Case {
        CellKind kind;
        std::string_view accepted;
        std::string_view refused;
    };
    const Case cases[] = {{CellKind::Decimal, "0123456789", "aA:- \x7F"},
                          {CellKind::Hex, "0123456789abcdefABCDEF", "gG:- "},
                          {CellKind::TimeText, "0123456789:", "a- "},
                          {CellKind::Text, "aZ 0-:", "\t\n"}};
    for (const auto& c : cases) {
        for (char ch : c.accepted)
            EXPECT_TRUE(acceptsChar(c.kind, ch)) << int(c.kind) << " " << ch;
        for (char ch : c.refused)
            EXPECT_FALSE(acceptsChar(c.kind, ch)) << int(c.kind) << " " << int(ch);
    }
}

TEST(Editors, PhoneNumbersTakeDigitsAndDOnly)
{
    for (char c : std::string_view("0123456789Dd"))
        EXPECT_TRUE(isPhoneChar(c)) << c;
    for (char c : std::string_view("ABCEabc*#+ -"))
        EXPECT_FALSE(isPhoneChar(c)) << c;
}

TEST(CellColours, LockWinsThenTypeThenEditableFlag)
{
    EXPECT_EQ(cellLook(CellKind::Text, true, true), CellLook::Locked);
    EXPECT_EQ(cellLook(CellKind::None, true, true), CellLook::Locked);
    EXPECT_EQ(cellLook(CellKind::None, true, false), CellLook::Untyped);
    EXPECT_EQ(cellLook(CellKind::Check, true, false), CellLook::Editable);
    EXPECT_EQ(cellLook(CellKind::Check, false, false), CellLook::ReadOnly);
}

TEST(TabularText, ParsesRowsAndCellsAndFormatsBack)
{
    const Table table = parseTabular("a\tb\tc\r\n1\t\t3\n");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0], (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"1", "", "3"}));
    EXPECT_EQ(formatTabular(table), "a\tb\tc\n1\t\t3\n");
    EXPECT_TRUE(parseTabular("").empty());
    EXPECT_EQ(parseTabular("x").size(), 1u);
    EXPECT_EQ(parseTabular("\n\n").size(), 2u) << "an empty line is an empty row";
}

} // namespace

#include "FormsTestSupport.h"

#include "app/Strings.h"
#include "panel/FixedRegion.h"

#include <cstdio>
#include <functional>

using namespace qarvo;
using namespace qarvo::panel;
using namespace qarvo::panel::test;
namespace rc = report_control;

TEST(ReportForm, OneRowPerReportEntryOfTheModel)
{
    for (const auto& [type, rows] : {std::pair{0x21, 56u}, {0x23, 58u}, {0x28, 62u}}) {
        FormsDoc f(static_cast<std::uint8_t>(type));
        EXPECT_EQ(f.forms.report.codes.size(), rows);
    }
    FormsDoc f;
    EXPECT_EQ(f.forms.report.codes[0], (ReportCodeRow{"01", "C"})) << "one-digit 4x2 code from the high nibble";
    EXPECT_EQ(f.forms.report.codes[1], (ReportCodeRow{"09", "00"}));
}

TEST(ReportForm, CodeCells)
{
    struct Case {
        int row;
        const char* cid;
        const char* code4x2;
        std::optional<Bytes> stored;
        int refusedColumn;
        int digits;
    };
    const Case cases[] = {
        {0, "01", "C", Bytes{0x01, 0xC0}, 0, 0},
        {1, "09", "09", Bytes{0x09, 0x09}, 0, 0},
        {1, "", "", Bytes{0x00, 0x00}, 0, 0},
        {1, "aa", "f", Bytes{0xAA, 0x0F}, 0, 0},
        {0, "01", "C1", std::nullopt, report_column::k4x2, 1}, // one-digit events take one digit
        {1, "123", "", std::nullopt, report_column::kCid, 2},
        {1, "1", "G", std::nullopt, report_column::k4x2, 2},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        f.forms.report.codes[std::size_t(c.row)] = {c.cid, c.code4x2};
        if (!c.stored) {
            EXPECT_EQ(f.refusal(), error(text_id::kHexDigitCode, c.digits, rc::kCodesGrid, c.row, c.refusedColumn))
                << c.cid << " " << c.code4x2;
            continue;
        }
        ASSERT_FALSE(f.store());
        EXPECT_EQ(f.at(0x100 + 2 * std::size_t(c.row), 2), *c.stored) << c.cid << " " << c.code4x2;
    }
}

TEST(ReportForm, UnknownFormatShowsTheMarkerItemAndCannotBeStored)
{
    FormsDoc f;
    f.putSetting(Setting::CommunicationFormat2, {0x55});
    f.show();
    const FormatField& format = f.forms.report.format2;
    ASSERT_TRUE(format.invalidCode.has_value());
    EXPECT_EQ(format.index, int(formatList().size()));
    EXPECT_EQ(formatItemCount(format), int(formatList().size()) + 1);
    EXPECT_EQ(formatMarkerPrefix(*format.invalidCode), "!!! 55");
    EXPECT_EQ(f.refusal(), error(text_id::kCheckSelectedValue, {}, rc::kFormat2));

    f.forms.report.format2.index = 8; // "20/20PPS, 4x2 parity, 1400Hz"
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.setting(Setting::CommunicationFormat2), Bytes{0x20});
    f.show();
    EXPECT_EQ(f.forms.report.format2, (FormatField{8, std::nullopt})) << "the marker item is gone";
}

TEST(ReportForm, AccountsAndPhoneNumbers)
{
    FormsDoc f;
    EXPECT_EQ(f.forms.report.account1, "FFFF");
    f.forms.report.account2 = "12A";
    EXPECT_EQ(f.refusal(), error(text_id::kHexDigitCode, 4, rc::kAccount2));
    f.forms.report.account2 = "12ab";
    f.forms.report.phone1 = "0123D456789012345";
    ASSERT_FALSE(f.store());
    EXPECT_EQ(f.at(fixed::kSecondAccountCode, 2), (Bytes{0x12, 0xAB}));
    EXPECT_EQ(f.setting(Setting::CommunicatorPhone1),
              (Bytes{0x01, 0x23, 0xD4, 0x56, 0x78, 0x90, 0x12, 0x34}));
}

TEST(ReportForm, Enables)
{
    ReportForm form;
    form.options = {{rc::kEnableDigitalCommunication, 1}, {rc::kMethod, report_item::kMethodAlternate}};
    EXPECT_EQ(reportEnables(form), (ReportEnables{true, true, false, true, false, true}));
    form.options = {{rc::kEnableDigitalCommunication, 1}, {rc::kZoneRestore, 1}};
    form.allowProgrammingOf = report_item::kAllow4x2;
    EXPECT_EQ(reportEnables(form), (ReportEnables{false, true, true, false, true, false}));
    form.options = {};
    EXPECT_EQ(reportEnables(form), (ReportEnables{true, false, false, false, true, false}));
}

TEST(ReportForm, ListItemsAndEventsHaveTheirTexts)
{
    for (const FormatItem& item : formatList()) {
        ASSERT_NE(strings::english(item.textId), nullptr) << item.textId;
        char code[4];
        std::snprintf(code, sizeof code, "%02X/", unsigned(item.code));
        EXPECT_TRUE(std::string(strings::english(item.textId)).starts_with(code)) << item.textId;
    }
    for (const ReportEvent& event : reportEvents())
        EXPECT_NE(strings::english(event.textId), nullptr) << event.textId;
    for (int id : {text_id::kHasToHaveValue, text_id::kHasToHaveNonZeroValue, text_id::kHexDigitCode,
                   text_id::kCheckSelectedValue, text_id::kSetPgmType, text_id::kUserCodeDigits,
                   text_id::kIncorrectHourMin, text_id::kEnterHourMin, text_id::kEnterNumberUpTo,
                   text_id::kEnterNumberFromOneUpTo, text_id::kInvalidCommunicationFormat})
        EXPECT_NE(strings::english(id), nullptr) << id;
}

TEST(ReportForm, CheckFindsTheFirstRefusalAndLeavesTheImage)
{
    struct Case {
        const char* name;
        std::function<void(ReportForm&)> edit;
        std::optional<FormError> expected;
    };
    const Case cases[] = {
        {"as read", [](ReportForm&) {}, std::nullopt},
        {"marker format", [](ReportForm& r) { r.format1 = showFormat(0x55); },
         error(text_id::kCheckSelectedValue, {}, rc::kFormat1)},
        {"account before nothing else", [](ReportForm& r) { r.account1 = "12A"; },
         error(text_id::kHexDigitCode, 4, rc::kAccount1)},
        {"format before account", [](ReportForm& r) {
             r.account1 = "12A";
             r.format2.index = -1;
         },
         error(text_id::kCheckSelectedValue, {}, rc::kFormat2)},
    };
    for (const Case& c : cases) {
        FormsDoc f;
        c.edit(f.forms.report);
        const PanelImage before = f.doc.image();
        EXPECT_EQ(checkReport(f.forms.report, formContext(f.doc), f.doc.image()), c.expected) << c.name;
        EXPECT_TRUE(f.doc.image() == before) << c.name;
    }
}

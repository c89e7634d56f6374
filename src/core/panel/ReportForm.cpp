#include "panel/ReportForm.h"

#include "base/TextIds.h"
#include "panel/FixedRegion.h"
#include "panel/SettingCatalogue.h"

#include <algorithm>

#include <charconv>
#include <cstdio>

namespace qarvo::panel {

namespace {

namespace rc = report_control;

constexpr std::uint16_t kAccountBytes = 2;
constexpr int kPairDigits = 2;
constexpr int kOneDigit = 1;
constexpr int kHighNibble = 4;

// A station's account code lies outside the layout; its phone and format
// are settings of their own.
struct StationFields {
    std::string ReportForm::*account;
    FormatField ReportForm::*format;
    std::uint16_t accountAddress;
    Setting phoneSetting;
    Setting formatSetting;
    int accountControl;

    std::string ReportForm::*phone() const { return formMember<ReportForm>(phoneSetting); }
};

constexpr StationFields kStations[] = {
    {&ReportForm::account1, &ReportForm::format1, fixed::kFirstAccountCode, Setting::CommunicatorPhone1,
     Setting::CommunicationFormat1, rc::kAccount1},
    {&ReportForm::account2, &ReportForm::format2, fixed::kSecondAccountCode, Setting::CommunicatorPhone2,
     Setting::CommunicationFormat2, rc::kAccount2},
};

constexpr Setting kOptionBytes[] = {Setting::CommunicatorOptions1, Setting::CommunicatorOptions2};

std::string hex(int value, int digits)
{
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, unsigned(value));
    return text;
}

// Up to maxDigits hex digits; empty reads as 0.
std::optional<int> parseHex(std::string_view text, int maxDigits)
{
    if (text.empty())
        return 0;
    if (text.size() > std::size_t(maxDigits))
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

void showReport(const FormContext& c, const PanelImage& image, ReportForm& form)
{
    for (Setting s : kOptionBytes)
        if (const auto b = c.layout.bytes(image, s); !b.empty())
            showOptionByte(s, b[0], form.options);
    for (const StationFields& st : kStations) {
        form.*st.account = decodeHex4(image.range(st.accountAddress, kAccountBytes));
        form.*st.phone() = decodePhone(c.layout.bytes(image, st.phoneSetting));
        if (const auto b = c.layout.bytes(image, st.formatSetting); !b.empty())
            form.*st.format = showFormat(b[0]);
    }
    form.codes.clear();
    for (int entry : reportRowEntries(c.layout)) {
        const auto pair = c.layout.bytes(image, reportEntry(entry));
        const bool one = isOneDigitEntry(c.layout, entry);
        form.codes.push_back({hex(pair[0], kPairDigits),
                              one ? hex(pair[1] >> kHighNibble, kOneDigit) : hex(pair[1], kPairDigits)});
    }
}

void storeReportSettings(const ReportForm& form, const FormContext& c, FormWriter& w)
{
    for (Setting s : kOptionBytes)
        w.setByte(s, optionByte(s, form.options, c.model));
    for (const StationFields& st : kStations) {
        const auto code = selectedFormat(form.*st.format);
        if (!code)
            w.fail(text_id::kCheckSelectedValue, std::nullopt, {settingInfo(st.formatSetting).control});
        else
            w.setByte(st.formatSetting, *code);
    }
    const std::vector<int> entries = reportRowEntries(c.layout);
    for (std::size_t row = 0; row < entries.size() && row < form.codes.size(); ++row) {
        const bool one = isOneDigitEntry(c.layout, entries[row]);
        const auto cid = parseHex(form.codes[row].cid, kPairDigits);
        if (!cid)
            w.fail(text_id::kHexDigitCode, kPairDigits, {rc::kCodesGrid, int(row), report_column::kCid});
        const auto code = parseHex(form.codes[row].code4x2, one ? kOneDigit : kPairDigits);
        if (!code)
            w.fail(text_id::kHexDigitCode, one ? kOneDigit : kPairDigits,
                   {rc::kCodesGrid, int(row), report_column::k4x2});
        if (const auto pair = w.bytes(reportEntry(entries[row])); pair.size() == 2) {
            pair[0] = static_cast<std::uint8_t>(*cid);
            pair[1] = static_cast<std::uint8_t>(one ? *code << kHighNibble : *code);
        }
    }
    for (const StationFields& st : kStations)
        w.setBytes(st.phoneSetting, encodePhone(form.*st.phone()));
}

void storeAccountCodes(const ReportForm& form, FormWriter& w)
{
    for (const StationFields& st : kStations) {
        const auto code = encodeHex4(form.*st.account);
        if (!code) {
            w.fail(text_id::kHexDigitCode, 4, {st.accountControl});
            return;
        }
        if (w.ok())
            std::ranges::copy(*code, w.image().range(st.accountAddress, kAccountBytes).begin());
    }
}

std::optional<FormError> checkReport(const ReportForm& form, const FormContext& c, const PanelImage& image)
{
    PanelImage scratch = image;
    FormWriter w(c.layout, scratch);
    storeReportSettings(form, c, w);
    storeAccountCodes(form, w);
    return w.error();
}

ReportEnables reportEnables(const ReportForm& form)
{
    ReportEnables e;
    const bool enabled = optionValue(form.options, rc::kEnableDigitalCommunication) != 0;
    e.firstZoneAlarmOnly = optionValue(form.options, rc::kZoneRestore) == report_item::kRestoreWhenSirenTimeExpires;
    e.stations = enabled;
    e.cs2Group = enabled && optionValue(form.options, rc::kMethod) == report_item::kMethodSplit;
    e.cidEditable = form.allowProgrammingOf == report_item::kAllowContactId;
    e.code4x2Editable = form.allowProgrammingOf == report_item::kAllow4x2;
    e.noteVisible = e.cidEditable;
    return e;
}

} // namespace qarvo::panel

#include "panel/InstallerForm.h"

#include "base/TextIds.h"
#include "panel/FixedRegion.h"
#include "panel/SettingCatalogue.h"
#include "panel/TypeLists.h"

#include <algorithm>
#include <charconv>

namespace qarvo::panel {

namespace {

namespace ic = installer_control;
using Z = ZoneAttribute;

// The option bytes of this page, written in this order.
constexpr Setting kOptionBytes[] = {
    Setting::GeneralOptions1,         Setting::GeneralOptions2,         Setting::ExpanderTamperOptions,
    Setting::PartitionAKeypadAlarms,  Setting::PartitionBKeypadAlarms,  Setting::PartitionAArmingOptions,
    Setting::PartitionBArmingOptions, Setting::PartitionAAutoarmingOptions, Setting::PartitionBAutoarmingOptions,
    Setting::PhoneLineOptions,        Setting::ReportingOptions,
};

// Keypad grid columns 2-6: tamper, zone 1, zone 2, partition A, partition B.
constexpr std::array<Setting, kKeypadColumns> kKeypadMaps{Setting::KeypadMap1, Setting::KeypadMap2,
                                                          Setting::KeypadMap3, Setting::KeypadMap4,
                                                          Setting::KeypadMap5};

// Where each zone attribute sits in the zone record: byte, bit.
struct AttributeBit {
    int byte;
    int bit;
};
constexpr std::array<AttributeBit, kZoneAttributeCount> kZoneBits{{
    {1, 7}, {1, 6}, {1, 5}, {1, 4}, {1, 3}, {1, 2}, {1, 1}, {1, 0}, // A-H
    {2, 7}, {2, 6}, {2, 5}, {2, 4}, {2, 3}, {2, 2}, {2, 1}, {2, 0}, // I-P
    {3, 7}, {3, 6}, {3, 5},                                         // Q-S
}};
constexpr int kZoneTypeByte = 0;
constexpr std::uint8_t kSpaceBelow = 0x20; // welcome message characters below it show as spaces
constexpr int kDingDigits = 1;

constexpr int bitOf(int index) { return 7 - index; } // PGM and keypad k + 1 in bit 7 - k

std::uint8_t byteOf(const FormContext& c, const PanelImage& image, Setting s)
{
    const auto b = c.layout.bytes(image, s);
    return b.empty() ? PanelImage::kErased : b[0];
}

bool attributeStored(ZoneAttribute a, const PanelModel& model)
{
    if (a == Z::P)
        return model.hasZoneAttributeP();
    if (a == Z::S)
        return model.hasWirelessZones();
    return true;
}

std::string dingDigit(int value)
{
    if (value == 0)
        return {};
    const char digits[] = "0123456789ABCDEF";
    return std::string(1, digits[value & 0x0F]);
}

std::optional<int> parseDingDigit(std::string_view text)
{
    if (text.empty())
        return 0;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 1 || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string printable(std::string text)
{
    for (char& ch : text)
        if (static_cast<unsigned char>(ch) < kSpaceBelow)
            ch = ' ';
    return text;
}

std::span<std::uint8_t> zoneRecordBytes(FormWriter& w, int zone) { return w.bytes(zoneRecord(zone)); }

void storeZones(const InstallerForm& form, const FormContext& c, FormWriter& w)
{
    std::vector<ZoneRow> zones(form.zones.begin(),
                               form.zones.begin() + std::min<std::ptrdiff_t>(form.zones.size(), c.zoneRows()));
    applyZoneAttributeRules(zones, c.model); // what the grid shows is what the locks allow
    const auto types = zoneTypeList();
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (zones[z].type < 0 || std::size_t(zones[z].type) >= types.size()) {
            w.fail(text_id::kCheckSelectedValue, std::nullopt, {ic::kZoneGrid, int(z), zone_column::kType});
            return;
        }
        const auto record = zoneRecordBytes(w, int(z) + 1);
        if (record.size() < 4)
            continue;
        record[kZoneTypeByte] = types[std::size_t(zones[z].type)].code;
        record[1] = record[2] = record[3] = 0;
        for (int a = 0; a < kZoneAttributeCount; ++a)
            if (zones[z].attributes[std::size_t(a)] && attributeStored(static_cast<Z>(a), c.model))
                record[std::size_t(kZoneBits[std::size_t(a)].byte)] |=
                    static_cast<std::uint8_t>(1 << kZoneBits[std::size_t(a)].bit);
    }
}

void storeDing(const InstallerForm& form, FormWriter& w)
{
    const auto time = parseDingDigit(form.dingTime);
    if (!time)
        return w.fail(text_id::kHexDigitCode, kDingDigits, {ic::kDingTime});
    const auto pause = parseDingDigit(form.dingPause);
    if (!pause)
        return w.fail(text_id::kHexDigitCode, kDingDigits, {ic::kDingPause});
    w.setByte(Setting::DingTimeAndPause, static_cast<std::uint8_t>(*time << 4 | *pause));
}

void storeSwinger(const InstallerForm& form, FormWriter& w)
{
    const FormPlace place{ic::kSwingerCounter};
    if (form.swingerCounter.empty())
        return w.fail(text_id::kHasToHaveValue, std::nullopt, place);
    const auto value = parseDecimal(form.swingerCounter);
    if (!value || *value == 0)
        return w.fail(text_id::kHasToHaveNonZeroValue, std::nullopt, place);
    w.setByte(Setting::SwingerShutdownCounter, encodeSwingerCounter(*value));
}

// A count in an edit of its own: the setting's row names the field and the
// control.
void storeCount(const InstallerForm& form, Setting s, FormWriter& w)
{
    w.storeCount(form.*formMember<InstallerForm>(s), s, {settingInfo(s).control});
}

// The delays, times and counts from the entry delay to the keypad lockout
// count, checked in the layout's order.
void storeTimersAndCounts(const InstallerForm& form, FormWriter& w)
{
    for (auto i = indexOf(Setting::Entry1Delay); i <= indexOf(Setting::KeypadLockoutCount); ++i) {
        const auto s = static_cast<Setting>(i);
        switch (settingInfo(s).encoding) {
        case Encoding::NibblePair: storeDing(form, w); break;
        case Encoding::LowNibbleCounter: storeSwinger(form, w); break;
        default: storeCount(form, s, w);
        }
    }
}

// A bit per PGM or keypad row; rows beyond the model's keep their bit.
void storeRowBits(Setting s, std::size_t rows, const auto& isSet, FormWriter& w)
{
    const auto b = w.bytes(s);
    if (b.empty())
        return;
    for (std::size_t i = 0; i < rows; ++i) {
        const int bit = 1 << bitOf(int(i));
        b[0] = static_cast<std::uint8_t>(isSet(i) ? b[0] | bit : b[0] & ~bit);
    }
}

void storeOptionBytes(const InstallerForm& form, const FormContext& c, FormWriter& w)
{
    for (Setting s : kOptionBytes)
        w.setByte(s, optionByte(s, form.options, c.model));
    const std::size_t pgms = std::min(form.pgms.size(), std::size_t(c.pgmRows()));
    storeRowBits(Setting::PgmTimeUnitMap, pgms, [&](std::size_t i) { return form.pgms[i].unit == pgm_unit::kMinutes; }, w);
    storeRowBits(Setting::PgmMap1, pgms, [&](std::size_t i) { return form.pgms[i].partitionA; }, w);
    storeRowBits(Setting::PgmMap2, pgms, [&](std::size_t i) { return form.pgms[i].partitionB; }, w);
    const std::size_t keypads = std::min(form.keypads.size(), std::size_t(c.keypadRows()));
    for (std::size_t col = 0; col < kKeypadMaps.size(); ++col)
        storeRowBits(kKeypadMaps[col], keypads, [&](std::size_t i) { return form.keypads[i][col]; }, w);
}

void storePgmTypesAndDelays(const InstallerForm& form, const FormContext& c, FormWriter& w)
{
    const auto items = pgmTypeItems(c.model.typeCode);
    const std::size_t pgms = std::min(form.pgms.size(), std::size_t(c.pgmRows()));
    for (std::size_t i = 0; i < pgms; ++i) {
        const int type = form.pgms[i].type;
        if (type < 0 || std::size_t(type) >= items.size())
            return w.fail(text_id::kSetPgmType, int(i) + 1, {ic::kPgmGrid, int(i), pgm_column::kType});
        w.setByte(pgmType(int(i) + 1), items[std::size_t(type)].code);
    }
    for (std::size_t i = 0; i < pgms; ++i)
        w.storeCount(form.pgms[i].delay, pgmDelay(int(i) + 1), {ic::kPgmGrid, int(i), pgm_column::kDelay});
}

void storeFirstPeriodicalTest(const InstallerForm& form, FormWriter& w)
{
    // The picker always holds a time; one that cannot be read stores unset.
    w.storeTime(form.firstPeriodicalTest, Setting::FirstPeriodicalTestHour, false, {ic::kFirstPeriodicalTest});
}

void storeIdCodes(const InstallerForm& form, FormWriter& w)
{
    const std::pair<const std::string*, std::pair<std::uint16_t, int>> codes[] = {
        {&form.panelIdCode, {fixed::kPanelIdCode, ic::kPanelIdCode}},
        {&form.pcIdCode, {fixed::kPcIdCode, ic::kPcIdCode}},
    };
    for (const auto& [text, where] : codes) {
        const auto bytes = encodeHex4(*text);
        if (!bytes)
            return w.fail(text_id::kHexDigitCode, 4, {where.second});
        if (w.ok())
            std::ranges::copy(*bytes, w.image().range(where.first, bytes->size()).begin());
    }
}

void storeInstallerCode(const InstallerForm& form, FormWriter& w)
{
    const auto code = encodeCode(form.installerCode);
    if (!code)
        return w.fail(text_id::kUserCodeDigits, std::nullopt, {ic::kInstallerCode});
    if (w.ok())
        std::ranges::copy(*code, w.image().range(fixed::kInstallerCode, code->size()).begin());
}

} // namespace

void showInstaller(const FormContext& c, const PanelImage& image, InstallerForm& form)
{
    for (Setting s : kOptionBytes)
        showOptionByte(s, byteOf(c, image, s), form.options);

    const std::uint8_t options1 = byteOf(c, image, Setting::GeneralOptions1);
    form.installerCode = decodeCode(image.range(fixed::kInstallerCode, fixed::kCodeBytes), codeDigitCount(options1));
    form.panelIdCode = decodeHex4(image.range(fixed::kPanelIdCode, 2));
    form.pcIdCode = decodeHex4(image.range(fixed::kPcIdCode, 2));
    showCodeRow(image.range(fixed::kMaintenanceCode, fixed::kCodeRecordSize), codeDigitCount(options1),
                form.maintenance);

    const auto types = zoneTypeList();
    form.zones.assign(std::size_t(c.zoneRows()), ZoneRow{});
    for (int k = 1; k <= c.zoneRows(); ++k) {
        ZoneRow& row = form.zones[std::size_t(k - 1)];
        const auto record = c.layout.bytes(image, zoneRecord(k));
        const auto type = std::ranges::find(types, record[kZoneTypeByte], &TypeName::code);
        row.type = type == types.end() ? -1 : int(type - types.begin());
        row.name = decodeText16(c.layout.bytes(image, zoneName(k)));
        for (int a = 0; a < kZoneAttributeCount; ++a)
            row.attributes[std::size_t(a)] =
                (record[std::size_t(kZoneBits[std::size_t(a)].byte)] >> kZoneBits[std::size_t(a)].bit) & 1;
    }
    applyZoneAttributeRules(form.zones, c.model);

    const auto items = pgmTypeItems(c.model.typeCode);
    form.pgms.assign(std::size_t(c.pgmRows()), PgmRow{});
    for (int k = 1; k <= c.pgmRows(); ++k) {
        PgmRow& row = form.pgms[std::size_t(k - 1)];
        const auto type = std::ranges::find(items, byteOf(c, image, pgmType(k)), &TypeName::code);
        row.type = type == items.end() ? -1 : int(type - items.begin());
        row.delay = formatCount(byteOf(c, image, pgmDelay(k)), 0);
        const int bit = bitOf(k - 1);
        row.unit = (byteOf(c, image, Setting::PgmTimeUnitMap) >> bit) & 1 ? pgm_unit::kMinutes : pgm_unit::kSeconds;
        row.partitionA = (byteOf(c, image, Setting::PgmMap1) >> bit) & 1;
        row.partitionB = (byteOf(c, image, Setting::PgmMap2) >> bit) & 1;
    }
    form.keypads.assign(std::size_t(c.keypadRows()), KeypadRow{});
    for (std::size_t i = 0; i < form.keypads.size(); ++i)
        for (std::size_t col = 0; col < kKeypadMaps.size(); ++col)
            form.keypads[i][col] = (byteOf(c, image, kKeypadMaps[col]) >> bitOf(int(i))) & 1;

    for (const SettingInfo& info : settingCatalogue())
        if (const auto member = formMember<InstallerForm>(info.setting); member && info.encoding == Encoding::Number)
            form.*member = formatCount(byteOf(c, image, info.setting), info.digits);
    const std::uint8_t ding = byteOf(c, image, Setting::DingTimeAndPause);
    form.dingTime = dingDigit(ding >> 4);
    form.dingPause = dingDigit(ding & 0x0F);
    form.swingerCounter = std::to_string(decodeSwingerCounter(byteOf(c, image, Setting::SwingerShutdownCounter)));
    form.firstPeriodicalTest = showTime(c.layout, image, Setting::FirstPeriodicalTestHour);
    form.welcomeMessage = printable(decodeText16(c.layout.bytes(image, Setting::WelcomeMessage)));
    form.callbackPhone = decodePhone(c.layout.bytes(image, Setting::CallbackPhone));
}

void storeInstaller(const InstallerForm& form, const ReportForm& report, const FormContext& c, FormWriter& w)
{
    storeZones(form, c, w);
    storeTimersAndCounts(form, w);
    storeOptionBytes(form, c, w);
    storePgmTypesAndDelays(form, c, w);
    storeCount(form, Setting::PeriodicalTestInterval, w);
    storeFirstPeriodicalTest(form, w);
    storeReportSettings(report, c, w);
    w.setBytes(Setting::CallbackPhone, encodePhone(form.callbackPhone));
    for (int k = 1; k <= std::min<int>(int(form.zones.size()), c.zoneRows()); ++k)
        w.setBytes(zoneName(k), encodeText16(form.zones[std::size_t(k - 1)].name));
    storeIdCodes(form, w);
    storeInstallerCode(form, w);
    if (w.ok())
        storeCodeRow(form.maintenance, c.pgmRows(), w.image().range(fixed::kMaintenanceCode, fixed::kCodeRecordSize),
                     w, {ic::kCodesGrid, codes_row::kMaintenance});
    storeAccountCodes(report, w);
    if (c.model.hasWelcomeMessage())
        w.setBytes(Setting::WelcomeMessage, encodeText16(printable(form.welcomeMessage)));
}

InstallerEnables installerEnables(const InstallerForm& form, const PanelModel& model)
{
    const auto on = [&form](int control) { return optionValue(form.options, control) != 0; };
    InstallerEnables e;
    e.partitionBGroup = on(ic::kPartitions);
    e.aTimedAutoarm = on(ic::kATimedAutoarming);
    e.aTimedAutodisarm = on(ic::kATimedAutodisarming);
    e.bTimedAutoarm = e.partitionBGroup && on(ic::kBTimedAutoarming);
    e.bTimedAutodisarm = e.partitionBGroup && on(ic::kBTimedAutodisarming);
    e.lcdLanguage = bitPresent(BitPresence::NotLimited, model);
    e.enableVoiceModule = bitPresent(BitPresence::NotLimited, model);
    e.batteryVoiceReport = bitPresent(BitPresence::NotLimited, model);
    e.selectiveFollowMe = bitPresent(BitPresence::SelectiveFollowMe, model);
    e.dtmfPrefix = bitPresent(BitPresence::AfterOldest, model);
    e.welcomeMessage = model.hasWelcomeMessage();
    return e;
}

} // namespace qarvo::panel

#include "panel/NamedSettings.h"

#include "panel/OptionBits.h"
#include "panel/SettingCatalogue.h"
#include "panel/TypeLists.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>

namespace qarvo::panel {

namespace {

using Forms = ProgrammingForms;
using K = SettingKind;
template <typename T>
using Ref = std::function<T&(Forms&)>;

// Two digits for grid rows, so names sort as the rows do.
std::string two(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::optional<int> parseInt(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A reference into forms read through a const view; the setting only reads it.
template <typename T>
const T& peek(const Ref<T>& ref, const Forms& forms)
{
    return ref(const_cast<Forms&>(forms));
}

// The page form's text field of a setting with a form member.
std::string& memberText(Forms& f, const FormMember& member)
{
    if (const auto* m = std::get_if<std::string InstallerForm::*>(&member))
        return f.installer.**m;
    if (const auto* m = std::get_if<std::string MasterForm::*>(&member))
        return f.master.**m;
    return f.report.*std::get<std::string ReportForm::*>(member);
}

SettingKind kindOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Hour: return K::Time;
    case Encoding::NibblePair: return K::Hex;
    case Encoding::PhoneNumber:
    case Encoding::Text16: return K::Text;
    default: return K::Number;
    }
}

// The page form holding an option bit's control: the master page's voice
// options, the digital communicator's or the installer page's.
OptionValues& optionValuesOf(Forms& f, int control)
{
    switch (control / 100) {
    case master_control::kAmbushDigit / 100: return f.master.voiceOptions;
    case report_control::kZoneRestore / 100: return f.report.options;
    default: return f.installer.options;
    }
}

class Builder {
public:
    std::vector<NamedSetting> settings;

    // Labels the settings added since the first-th with the row's label.
    void labelFrom(std::size_t first, const SettingInfo& info)
    {
        for (std::size_t i = first; i < settings.size(); ++i)
            settings[i].labelId = info.labelId();
    }

    // Places the last setting added at a grid cell.
    void at(int row, int column)
    {
        settings.back().row = row;
        settings.back().column = column;
    }

    void text(std::string name, K kind, int control, Ref<std::string> ref)
    {
        settings.push_back({std::move(name), kind, control, control, 0, 0,
                            [ref](const Forms& f) { return peek(ref, f); },
                            [ref, kind](Forms& f, const std::string& v) {
                                // A number's edit box takes digits only.
                                if (kind == K::Number && !std::ranges::all_of(v, isDigit))
                                    return false;
                                ref(f) = v;
                                return true;
                            }});
    }

    // A setting of the catalogue shown in a text field of its own; the
    // ding byte's two digits have a field each.
    void field(Setting s)
    {
        const SettingInfo& info = settingInfo(s);
        if (info.encoding == Encoding::NibblePair) {
            namespace ic = installer_control;
            text(std::string(info.name), K::Hex, info.control, [](Forms& f) -> std::string& { return f.installer.dingTime; });
            text(std::string(info.name) + "-pause", K::Hex, ic::kDingPause,
                 [](Forms& f) -> std::string& { return f.installer.dingPause; });
            return;
        }
        text(std::string(info.name), kindOf(info.encoding), info.control,
             [s](Forms& f) -> std::string& { return memberText(f, settingInfo(s).member); });
        settings.back().labelId = info.labelId();
        rangeOf(info);
    }

    // A number's range as the panel takes it.
    void rangeOf(const SettingInfo& info)
    {
        if (settings.back().kind != K::Number)
            return;
        settings.back().min = info.min;
        settings.back().max = info.max;
    }

    void check(std::string name, int control, Ref<bool> ref)
    {
        settings.push_back({std::move(name), K::Check, control, control, 0, 1,
                            [ref](const Forms& f) { return std::string(peek(ref, f) ? "1" : "0"); },
                            [ref](Forms& f, const std::string& v) {
                                if (v != "0" && v != "1")
                                    return false;
                                ref(f) = v == "1";
                                return true;
                            }});
    }

    void list(std::string name, int control, int min, int max, Ref<int> ref)
    {
        settings.push_back({std::move(name), K::List, control, control, min, max,
                            [ref](const Forms& f) { return std::to_string(peek(ref, f)); },
                            [ref, min, max](Forms& f, const std::string& v) {
                                const auto n = parseInt(v);
                                if (!n || *n < min || *n > max)
                                    return false;
                                ref(f) = *n;
                                return true;
                            }});
    }

    // A PGM time cell: "off" or its time.
    void pgmTime(Setting hour, Ref<PgmTimeCell> ref)
    {
        const SettingInfo& info = settingInfo(hour);
        settings.push_back({std::string(info.name), K::Time, info.control, info.labelId(), 0, 0,
                            [ref](const Forms& f) {
                                const auto& cell = peek(ref, f);
                                return cell.on ? cell.time : std::string("off");
                            },
                            [ref](Forms& f, const std::string& v) {
                                auto& cell = ref(f);
                                cell.on = v != "off";
                                if (cell.on)
                                    cell.time = v;
                                return true;
                            }});
    }

    // The selected format's index; a byte no format has shows as "!" and
    // its two hex digits, which is kept only while it is given back as read.
    void format(Setting s, Ref<FormatField> ref)
    {
        const SettingInfo& info = settingInfo(s);
        settings.push_back({std::string(info.name), K::List, info.control, info.labelId(), -1, 0,
                            [ref](const Forms& f) {
                                const auto& field = peek(ref, f);
                                if (field.invalidCode && field.index == formatItemCount(field) - 1) {
                                    char text[4];
                                    std::snprintf(text, sizeof text, "!%02X", *field.invalidCode);
                                    return std::string(text);
                                }
                                return std::to_string(field.index);
                            },
                            [ref](Forms& f, const std::string& v) {
                                auto& field = ref(f);
                                const auto n = parseInt(v);
                                if (!n || *n < -1 || *n >= formatItemCount(field))
                                    return false;
                                field.index = *n;
                                return true;
                            }});
    }

    void codeRow(const std::string& prefix, int control, int row, Ref<CodeRow> ref, bool named)
    {
        text(prefix + ".code", K::Code, control, [ref](Forms& f) -> std::string& { return ref(f).code; });
        at(row, code_column::kCode);
        if (named)
            text(prefix + ".name", K::Text, control, [ref](Forms& f) -> std::string& { return ref(f).name; });
        for (int a = 0; a < kCodeAttributeCount; ++a)
            check(prefix + ".attr." + char('a' + a), control,
                  [ref, a](Forms& f) -> bool& { return ref(f).attributes[std::size_t(a)]; });
        for (int p = 0; p < kPgmOutputs; ++p)
            check(prefix + ".pgm." + std::to_string(p + 1), control,
                  [ref, p](Forms& f) -> bool& { return ref(f).pgms[std::size_t(p)]; });
    }

    // Every option bit's control, kept with the form of the page owning it.
    void options()
    {
        std::vector<int> seen;
        for (const OptionBit& bit : optionBits()) {
            if (std::ranges::find(seen, bit.control) != seen.end())
                continue;
            seen.push_back(bit.control);
            const int control = bit.control;
            const int max = bit.coding == BitCoding::DtmfPrefix ? 2 : (1 << bit.width) - 1;
            settings.push_back({std::string(bit.name), bit.width == 1 ? K::Check : K::List, control, control, 0, max,
                                [control](const Forms& f) {
                                    return std::to_string(optionValue(optionValuesOf(const_cast<Forms&>(f), control), control));
                                },
                                [control, max](Forms& f, const std::string& v) {
                                    const auto n = parseInt(v);
                                    if (!n || *n < 0 || *n > max)
                                        return false;
                                    optionValuesOf(f, control)[control] = *n;
                                    return true;
                                }});
        }
    }
};

// The master page's own fields after its grids, in the page's order.
constexpr Setting kMasterFields[] = {
    Setting::VoiceReportingTime,    Setting::VoiceDialingSequences,  Setting::RoundsStartHour,
    Setting::RoundsFinishHour,      Setting::RoundPeriod,            Setting::RoundWarningTime,
    Setting::PartitionAAutoarmHour, Setting::PartitionAAutodisarmHour, Setting::PartitionAInactivityHour,
    Setting::PartitionBAutoarmHour, Setting::PartitionBAutodisarmHour, Setting::PartitionBInactivityHour,
};

// The installer page's own fields after its grids, in the page's order.
constexpr Setting kInstallerFields[] = {
    Setting::Entry1Delay,         Setting::Entry2Delay,        Setting::PartitionAExitDelay,
    Setting::PartitionBExitDelay, Setting::BellCutOffTime,     Setting::FireCutOffTime,
    Setting::AcLossDelay,         Setting::NumberOfRings,      Setting::IntellizoneWindow,
    Setting::DingTimeAndPause,    Setting::SwingerShutdownCounter, Setting::KeypadLockoutCount,
    Setting::PeriodicalTestInterval, Setting::FirstPeriodicalTestHour, Setting::WelcomeMessage,
    Setting::CallbackPhone,
};

void masterSettings(Builder& b, const Forms& forms)
{
    b.field(Setting::AmbushDigit);
    for (std::size_t i = 0; i < forms.master.users.size(); ++i)
        b.codeRow(userRowName(int(i)), master_control::kUserGrid, int(i),
                  [i](Forms& f) -> CodeRow& { return f.master.users[i]; }, true);
    for (std::size_t i = 0; i < forms.master.followMe.size(); ++i) {
        const SettingInfo& info = settingInfo(followMe(int(i) + 1));
        b.text(std::string(info.name), K::Text, info.control,
               [i](Forms& f) -> std::string& { return f.master.followMe[i]; });
        b.labelFrom(b.settings.size() - 1, info);
    }
    for (Setting s : kMasterFields)
        b.field(s);
    for (std::size_t i = 0; i < forms.master.pgmTimes.size(); ++i) {
        const int k = int(i) + 1;
        b.pgmTime(pgmOnHour(k), [i](Forms& f) -> PgmTimeCell& { return f.master.pgmTimes[i].activation; });
        b.at(int(i), master_pgm_column::kActivation);
        b.pgmTime(pgmOffHour(k), [i](Forms& f) -> PgmTimeCell& { return f.master.pgmTimes[i].deactivation; });
        b.at(int(i), master_pgm_column::kDeactivation);
    }
}

void zoneSettings(Builder& b, const Forms& forms)
{
    const int zoneTypes = int(zoneTypeList().size());
    for (std::size_t z = 0; z < forms.installer.zones.size(); ++z) {
        const int k = int(z) + 1;
        const SettingInfo& record = settingInfo(zoneRecord(k));
        const std::string prefix(record.name);
        const std::size_t first = b.settings.size();
        b.list(prefix + ".type", record.control, -1, zoneTypes - 1,
               [z](Forms& f) -> int& { return f.installer.zones[z].type; });
        b.at(int(z), zone_column::kType);
        const SettingInfo& name = settingInfo(zoneName(k));
        b.text(std::string(name.name), K::Text, name.control,
               [z](Forms& f) -> std::string& { return f.installer.zones[z].name; });
        b.at(int(z), zone_column::kName);
        for (int a = 0; a < kZoneAttributeCount; ++a)
            b.check(prefix + ".attr." + two(a + 1), record.control,
                    [z, a](Forms& f) -> bool& { return f.installer.zones[z].attributes[std::size_t(a)]; });
        b.labelFrom(first, record);
    }
}

void pgmSettings(Builder& b, const Forms& forms, std::uint8_t typeCode)
{
    namespace ic = installer_control;
    const int pgmTypes = int(pgmTypeItems(typeCode).size());
    for (std::size_t p = 0; p < forms.installer.pgms.size(); ++p) {
        const int k = int(p) + 1;
        const std::string prefix = "pgm." + two(k);
        const std::size_t first = b.settings.size();
        b.list(std::string(settingInfo(pgmType(k)).name), settingInfo(pgmType(k)).control, -1, pgmTypes - 1,
               [p](Forms& f) -> int& { return f.installer.pgms[p].type; });
        b.at(int(p), pgm_column::kType);
        const SettingInfo& delay = settingInfo(pgmDelay(k));
        b.text(std::string(delay.name), K::Number, delay.control,
               [p](Forms& f) -> std::string& { return f.installer.pgms[p].delay; });
        b.at(int(p), pgm_column::kDelay);
        b.rangeOf(delay);
        b.list(prefix + ".unit", ic::kPgmGrid, pgm_unit::kMinutes, pgm_unit::kSeconds,
               [p](Forms& f) -> int& { return f.installer.pgms[p].unit; });
        b.check(prefix + ".partition-a", ic::kPgmGrid, [p](Forms& f) -> bool& { return f.installer.pgms[p].partitionA; });
        b.check(prefix + ".partition-b", ic::kPgmGrid, [p](Forms& f) -> bool& { return f.installer.pgms[p].partitionB; });
        b.labelFrom(first, delay);
    }
}

void installerSettings(Builder& b, const Forms& forms, std::uint8_t typeCode)
{
    namespace ic = installer_control;
    b.text(std::string(kInstallerCodeName), K::Code, ic::kInstallerCode,
           [](Forms& f) -> std::string& { return f.installer.installerCode; });
    b.text("code.panel-id", K::Hex, ic::kPanelIdCode, [](Forms& f) -> std::string& { return f.installer.panelIdCode; });
    b.text("code.pc-id", K::Hex, ic::kPcIdCode, [](Forms& f) -> std::string& { return f.installer.pcIdCode; });
    b.codeRow(std::string(kMaintenanceRowName), ic::kCodesGrid, codes_row::kMaintenance,
              [](Forms& f) -> CodeRow& { return f.installer.maintenance; }, false);
    zoneSettings(b, forms);
    pgmSettings(b, forms, typeCode);
    for (std::size_t k = 0; k < forms.installer.keypads.size(); ++k)
        for (int c = 0; c < kKeypadColumns; ++c)
            b.check("keypad." + two(int(k + 1)) + ".map." + std::to_string(c + 1), ic::kKeypadGrid,
                    [k, c](Forms& f) -> bool& { return f.installer.keypads[k][std::size_t(c)]; });
    for (Setting s : kInstallerFields)
        b.field(s);
}

void reportSettings(Builder& b, const Forms& forms)
{
    namespace rc = report_control;
    b.text("station.1.account", K::Hex, rc::kAccount1, [](Forms& f) -> std::string& { return f.report.account1; });
    b.field(Setting::CommunicatorPhone1);
    b.format(Setting::CommunicationFormat1, [](Forms& f) -> FormatField& { return f.report.format1; });
    b.text("station.2.account", K::Hex, rc::kAccount2, [](Forms& f) -> std::string& { return f.report.account2; });
    b.field(Setting::CommunicatorPhone2);
    b.format(Setting::CommunicationFormat2, [](Forms& f) -> FormatField& { return f.report.format2; });
    for (std::size_t r = 0; r < forms.report.codes.size(); ++r) {
        const std::string prefix = "report." + two(int(r + 1));
        b.text(prefix + ".cid", K::Hex, rc::kCodesGrid, [r](Forms& f) -> std::string& { return f.report.codes[r].cid; });
        b.at(int(r), report_column::kCid);
        b.text(prefix + ".4x2", K::Hex, rc::kCodesGrid,
               [r](Forms& f) -> std::string& { return f.report.codes[r].code4x2; });
        b.at(int(r), report_column::k4x2);
    }
}

// How the option bytes were named when their bits went by number
// ("option.generaloptions1.bit4"). The one table of former names.
struct FormerByteName {
    Setting setting;
    std::string_view name;
};
constexpr FormerByteName kFormerOptionBytes[] = {
    {Setting::GeneralOptions1, "generaloptions1"},
    {Setting::GeneralOptions2, "generaloptions2"},
    {Setting::ExpanderTamperOptions, "expandertamperoptions"},
    {Setting::PartitionAKeypadAlarms, "partitionakeypadalarms"},
    {Setting::PartitionBKeypadAlarms, "partitionbkeypadalarms"},
    {Setting::PartitionAArmingOptions, "partitionaarmingoptions"},
    {Setting::PartitionBArmingOptions, "partitionbarmingoptions"},
    {Setting::PartitionAAutoarmingOptions, "partitionaautoarmingoptions"},
    {Setting::PartitionBAutoarmingOptions, "partitionbautoarmingoptions"},
    {Setting::PhoneLineOptions, "phonelineoptions"},
    {Setting::ReportingOptions, "reportingoptions"},
    {Setting::VoiceModuleOptions, "voicemoduleoptions"},
    {Setting::CommunicatorOptions1, "communicatoroptions1"},
    {Setting::CommunicatorOptions2, "communicatoroptions2"},
};

std::map<std::string, std::string_view, std::less<>> formerNames()
{
    std::map<std::string, std::string_view, std::less<>> names;
    for (const OptionBit& bit : optionBits()) {
        const auto byte = std::ranges::find(kFormerOptionBytes, bit.setting, &FormerByteName::setting);
        if (byte != std::end(kFormerOptionBytes))
            names.emplace("option." + std::string(byte->name) + ".bit" + std::to_string(bit.lowBit), bit.name);
    }
    return names;
}

} // namespace

std::string_view kindName(SettingKind kind)
{
    static constexpr std::string_view kNames[] = {"text", "number", "check", "list", "time", "code", "hex"};
    return kNames[static_cast<int>(kind)];
}

std::string userRowName(int record)
{
    return record == 0 ? std::string("user.master") : "user." + two(record);
}

std::vector<NamedSetting> namedSettings(const ProgrammingForms& forms, std::uint8_t typeCode)
{
    Builder b;
    masterSettings(b, forms);
    installerSettings(b, forms, typeCode);
    reportSettings(b, forms);
    b.options();
    return std::move(b.settings);
}

const NamedSetting* findNamedSetting(const std::vector<NamedSetting>& settings, std::string_view name)
{
    const auto it = std::ranges::find(settings, name, &NamedSetting::name);
    return it == settings.end() ? nullptr : &*it;
}

const NamedSetting* settingOfError(const std::vector<NamedSetting>& settings, const FormError& error)
{
    const auto it = std::ranges::find_if(settings, [&](const NamedSetting& s) {
        return s.control == error.control && s.row == error.row && (error.column < 0 || s.column == error.column);
    });
    return it == settings.end() ? nullptr : &*it;
}

std::string errorSettingName(const std::vector<NamedSetting>& settings, const FormError& error)
{
    const NamedSetting* setting = settingOfError(settings, error);
    return setting ? setting->name : "control " + std::to_string(error.control);
}

std::optional<std::string_view> renamedSetting(std::string_view oldName)
{
    static const auto names = formerNames();
    const auto it = names.find(oldName);
    return it == names.end() ? std::nullopt : std::optional(it->second);
}

std::vector<SettingChange> changedSettings(const CUploadDoc& before, const CUploadDoc& after)
{
    ProgrammingForms a;
    ProgrammingForms b;
    imageToForms(before, a);
    imageToForms(after, b);
    const auto left = namedSettings(a, before.layout().typeCode());
    const auto right = namedSettings(b, after.layout().typeCode());
    std::map<std::string_view, const NamedSetting*, std::less<>> unmatched;
    for (const NamedSetting& s : right)
        unmatched.emplace(s.name, &s);
    std::vector<SettingChange> changes;
    for (const NamedSetting& s : left) {
        const std::string value = s.get(a);
        const auto it = unmatched.find(s.name);
        if (it == unmatched.end()) {
            changes.push_back({s.name, s.kind, value, std::nullopt});
            continue;
        }
        if (std::string now = it->second->get(b); now != value)
            changes.push_back({s.name, s.kind, value, std::move(now)});
        unmatched.erase(it);
    }
    for (const NamedSetting& s : right)
        if (unmatched.contains(s.name))
            changes.push_back({s.name, s.kind, std::nullopt, s.get(b)});
    return changes;
}

} // namespace qarvo::panel

#include "cli/SettingFields.h"

#include "app/Strings.h"
#include "panel/OptionBits.h"
#include "panel/SettingCatalogue.h"
#include "panel/TypeLists.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace qarvo::cli {

namespace {

using panel::ProgrammingForms;
using Forms = ProgrammingForms;
template <typename T>
using Ref = std::function<T&(Forms&)>;

// Two digits for grid rows, so names sort as the rows do.
std::string two(int n)
{
    char text[8];
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

// A reference into forms read through a const view; the field only reads it.
template <typename T>
const T& peek(const Ref<T>& ref, const Forms& forms)
{
    return ref(const_cast<Forms&>(forms));
}

class Builder {
public:
    std::vector<FormField> fields;

    // Places the last field added at a grid cell.
    void at(int row, int column)
    {
        fields.back().row = row;
        fields.back().column = column;
    }

    void text(std::string name, FieldKind kind, int label, Ref<std::string> ref)
    {
        fields.push_back({std::move(name), kind, label, 0, 0, [ref](const Forms& f) { return peek(ref, f); },
                          [ref, kind](Forms& f, const std::string& v) {
                              // A number's edit box takes digits only.
                              if (kind == FieldKind::Number && !std::ranges::all_of(v, isDigit))
                                  return false;
                              ref(f) = v;
                              return true;
                          }});
    }

    void check(std::string name, int label, Ref<bool> ref)
    {
        fields.push_back({std::move(name), FieldKind::Check, label, 0, 1,
                          [ref](const Forms& f) { return std::string(peek(ref, f) ? "1" : "0"); },
                          [ref](Forms& f, const std::string& v) {
                              if (v != "0" && v != "1")
                                  return false;
                              ref(f) = v == "1";
                              return true;
                          }});
    }

    void list(std::string name, int label, int min, int max, Ref<int> ref)
    {
        fields.push_back({std::move(name), FieldKind::List, label, min, max,
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
    void pgmTime(std::string name, int label, Ref<panel::PgmTimeCell> ref)
    {
        fields.push_back({std::move(name), FieldKind::Time, label, 0, 0,
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
    void format(std::string name, int label, Ref<panel::FormatField> ref)
    {
        fields.push_back({std::move(name), FieldKind::List, label, -1, 0,
                          [ref](const Forms& f) {
                              const auto& field = peek(ref, f);
                              if (field.invalidCode && field.index == panel::formatItemCount(field) - 1) {
                                  char text[4];
                                  std::snprintf(text, sizeof text, "!%02X", *field.invalidCode);
                                  return std::string(text);
                              }
                              return std::to_string(field.index);
                          },
                          [ref](Forms& f, const std::string& v) {
                              auto& field = ref(f);
                              const auto n = parseInt(v);
                              if (!n || *n < -1 || *n >= panel::formatItemCount(field))
                                  return false;
                              field.index = *n;
                              return true;
                          }});
    }

    void codeRow(const std::string& prefix, int label, int row, Ref<panel::CodeRow> ref, bool named)
    {
        text(prefix + ".code", FieldKind::Code, label, [ref](Forms& f) -> std::string& { return ref(f).code; });
        at(row, panel::code_column::kCode);
        if (named)
            text(prefix + ".name", FieldKind::Text, label, [ref](Forms& f) -> std::string& { return ref(f).name; });
        for (int a = 0; a < panel::kCodeAttributeCount; ++a)
            check(prefix + ".attr." + char('a' + a), label,
                  [ref, a](Forms& f) -> bool& { return ref(f).attributes[std::size_t(a)]; });
        for (int p = 0; p < panel::kPgmOutputs; ++p)
            check(prefix + ".pgm." + std::to_string(p + 1), label,
                  [ref, p](Forms& f) -> bool& { return ref(f).pgms[std::size_t(p)]; });
    }

    // Every option bit's control, kept with the form of the page owning it.
    void options()
    {
        std::vector<int> seen;
        for (const panel::OptionBit& bit : panel::optionBits()) {
            if (std::find(seen.begin(), seen.end(), bit.control) != seen.end())
                continue;
            seen.push_back(bit.control);
            std::string name(panel::settingInfo(bit.setting).name);
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            name = "option." + name + ".bit" + std::to_string(bit.lowBit);
            const int control = bit.control;
            const auto values = [control](Forms& f) -> panel::OptionValues& {
                switch (control / 100) {
                case 22: return f.master.voiceOptions;
                case 23: return f.report.options;
                default: return f.installer.options;
                }
            };
            const int max = bit.coding == panel::BitCoding::DtmfPrefix ? 2 : (1 << bit.width) - 1;
            fields.push_back({std::move(name), bit.width == 1 ? FieldKind::Check : FieldKind::List, control, 0, max,
                              [values, control](const Forms& f) {
                                  return std::to_string(panel::optionValue(peek<panel::OptionValues>(values, f), control));
                              },
                              [values, control, max](Forms& f, const std::string& v) {
                                  const auto n = parseInt(v);
                                  if (!n || *n < 0 || *n > max)
                                      return false;
                                  values(f)[control] = *n;
                                  return true;
                              }});
        }
    }
};

void masterFields(Builder& b, const Forms& forms)
{
    namespace mc = panel::master_control;
    using K = FieldKind;
    const auto m = [](auto member) {
        return [member](Forms& f) -> std::string& { return f.master.*member; };
    };
    using M = panel::MasterForm;
    b.text("ambush.digit", K::Number, mc::kAmbushDigit, m(&M::ambushDigit));
    for (std::size_t i = 0; i < forms.master.users.size(); ++i)
        b.codeRow(i == 0 ? std::string("user.master") : "user." + two(int(i)), mc::kUserGrid, int(i),
                  [i](Forms& f) -> panel::CodeRow& { return f.master.users[i]; }, true);
    for (std::size_t i = 0; i < forms.master.followMe.size(); ++i)
        b.text("followme." + two(int(i + 1)), K::Text, mc::kFollowMe01 + int(i),
               [i](Forms& f) -> std::string& { return f.master.followMe[i]; });
    b.text("voice.reporting-time", K::Number, mc::kVoiceReportingTime, m(&M::voiceReportingTime));
    b.text("voice.dialing-sequences", K::Number, mc::kVoiceDialingSequences, m(&M::voiceDialingSequences));
    b.text("rounds.start", K::Time, mc::kRoundsStart, m(&M::roundsStart));
    b.text("rounds.finish", K::Time, mc::kRoundsFinish, m(&M::roundsFinish));
    b.text("rounds.period", K::Number, mc::kRoundPeriod, m(&M::roundPeriod));
    b.text("rounds.warning-time", K::Number, mc::kWarningTime, m(&M::warningTime));
    b.text("partition.a.autoarm", K::Time, mc::kPartitionAAutoarm, m(&M::partitionAAutoarm));
    b.text("partition.a.autodisarm", K::Time, mc::kPartitionAAutodisarm, m(&M::partitionAAutodisarm));
    b.text("partition.a.inactivity", K::Number, mc::kPartitionAInactivity, m(&M::partitionAInactivity));
    b.text("partition.b.autoarm", K::Time, mc::kPartitionBAutoarm, m(&M::partitionBAutoarm));
    b.text("partition.b.autodisarm", K::Time, mc::kPartitionBAutodisarm, m(&M::partitionBAutodisarm));
    b.text("partition.b.inactivity", K::Number, mc::kPartitionBInactivity, m(&M::partitionBInactivity));
    for (std::size_t i = 0; i < forms.master.pgmTimes.size(); ++i) {
        const std::string prefix = "pgm." + two(int(i + 1));
        b.pgmTime(prefix + ".on-time", mc::kPgmGrid,
                  [i](Forms& f) -> panel::PgmTimeCell& { return f.master.pgmTimes[i].activation; });
        b.at(int(i), panel::master_pgm_column::kActivation);
        b.pgmTime(prefix + ".off-time", mc::kPgmGrid,
                  [i](Forms& f) -> panel::PgmTimeCell& { return f.master.pgmTimes[i].deactivation; });
        b.at(int(i), panel::master_pgm_column::kDeactivation);
    }
}

void installerFields(Builder& b, const Forms& forms, std::uint8_t typeCode)
{
    const int pgmTypes = int(panel::pgmTypeItems(typeCode).size());
    namespace ic = panel::installer_control;
    using K = FieldKind;
    using I = panel::InstallerForm;
    const auto m = [](auto member) {
        return [member](Forms& f) -> std::string& { return f.installer.*member; };
    };
    b.text("code.installer", K::Code, ic::kInstallerCode, m(&I::installerCode));
    b.text("code.panel-id", K::Hex, ic::kPanelIdCode, m(&I::panelIdCode));
    b.text("code.pc-id", K::Hex, ic::kPcIdCode, m(&I::pcIdCode));
    b.codeRow("user.maintenance", ic::kCodesGrid, panel::codes_row::kMaintenance, [](Forms& f) -> panel::CodeRow& { return f.installer.maintenance; },
              false);
    const int zoneTypes = int(panel::zoneTypeList().size());
    for (std::size_t z = 0; z < forms.installer.zones.size(); ++z) {
        const std::string prefix = "zone." + two(int(z + 1));
        b.list(prefix + ".type", ic::kZoneGrid, -1, zoneTypes - 1,
               [z](Forms& f) -> int& { return f.installer.zones[z].type; });
        b.at(int(z), panel::zone_column::kType);
        b.text(prefix + ".name", K::Text, ic::kZoneGrid,
               [z](Forms& f) -> std::string& { return f.installer.zones[z].name; });
        b.at(int(z), panel::zone_column::kName);
        for (int a = 0; a < panel::kZoneAttributeCount; ++a)
            b.check(prefix + ".attr." + two(a + 1), ic::kZoneGrid,
                    [z, a](Forms& f) -> bool& { return f.installer.zones[z].attributes[std::size_t(a)]; });
    }
    for (std::size_t p = 0; p < forms.installer.pgms.size(); ++p) {
        const std::string prefix = "pgm." + two(int(p + 1));
        b.list(prefix + ".type", ic::kPgmGrid, -1, pgmTypes - 1, [p](Forms& f) -> int& { return f.installer.pgms[p].type; });
        b.at(int(p), panel::pgm_column::kType);
        b.text(prefix + ".delay", K::Number, ic::kPgmGrid,
               [p](Forms& f) -> std::string& { return f.installer.pgms[p].delay; });
        b.at(int(p), panel::pgm_column::kDelay);
        b.list(prefix + ".unit", ic::kPgmGrid, panel::pgm_unit::kMinutes, panel::pgm_unit::kSeconds,
               [p](Forms& f) -> int& { return f.installer.pgms[p].unit; });
        b.check(prefix + ".partition-a", ic::kPgmGrid, [p](Forms& f) -> bool& { return f.installer.pgms[p].partitionA; });
        b.check(prefix + ".partition-b", ic::kPgmGrid, [p](Forms& f) -> bool& { return f.installer.pgms[p].partitionB; });
    }
    for (std::size_t k = 0; k < forms.installer.keypads.size(); ++k)
        for (int c = 0; c < panel::kKeypadColumns; ++c)
            b.check("keypad." + two(int(k + 1)) + ".map." + std::to_string(c + 1), ic::kKeypadGrid,
                    [k, c](Forms& f) -> bool& { return f.installer.keypads[k][std::size_t(c)]; });
    b.text("delay.entry-1", K::Number, ic::kEntry1Delay, m(&I::entry1Delay));
    b.text("delay.entry-2", K::Number, ic::kEntry2Delay, m(&I::entry2Delay));
    b.text("delay.exit-a", K::Number, ic::kExitDelayA, m(&I::exitDelayA));
    b.text("delay.exit-b", K::Number, ic::kExitDelayB, m(&I::exitDelayB));
    b.text("time.bell-cut-off", K::Number, ic::kBellCutOff, m(&I::bellCutOff));
    b.text("time.fire-cut-off", K::Number, ic::kFireCutOff, m(&I::fireCutOff));
    b.text("delay.ac-loss", K::Number, ic::kAcLossDelay, m(&I::acLossDelay));
    b.text("phone.rings", K::Number, ic::kNumberOfRings, m(&I::numberOfRings));
    b.text("time.intellizone-window", K::Number, ic::kIntellizoneWindow, m(&I::intellizoneWindow));
    b.text("time.ding", K::Hex, ic::kDingTime, m(&I::dingTime));
    b.text("time.ding-pause", K::Hex, ic::kDingPause, m(&I::dingPause));
    b.text("count.swinger", K::Number, ic::kSwingerCounter, m(&I::swingerCounter));
    b.text("count.wrong-codes", K::Number, ic::kWrongCodes, m(&I::wrongCodes));
    b.text("test.interval", K::Number, ic::kPeriodicalTestInterval, m(&I::periodicalTestInterval));
    b.text("test.first", K::Time, ic::kFirstPeriodicalTest, m(&I::firstPeriodicalTest));
    b.text("welcome-message", K::Text, ic::kWelcomeMessage, m(&I::welcomeMessage));
    b.text("phone.callback", K::Text, ic::kCallbackPhone, m(&I::callbackPhone));
}

void reportFields(Builder& b, const Forms& forms)
{
    namespace rc = panel::report_control;
    using K = FieldKind;
    using R = panel::ReportForm;
    const auto m = [](auto member) {
        return [member](Forms& f) -> std::string& { return f.report.*member; };
    };
    b.text("station.1.account", K::Hex, rc::kAccount1, m(&R::account1));
    b.text("station.1.phone", K::Text, rc::kPhone1, m(&R::phone1));
    b.format("station.1.format", rc::kFormat1, [](Forms& f) -> panel::FormatField& { return f.report.format1; });
    b.text("station.2.account", K::Hex, rc::kAccount2, m(&R::account2));
    b.text("station.2.phone", K::Text, rc::kPhone2, m(&R::phone2));
    b.format("station.2.format", rc::kFormat2, [](Forms& f) -> panel::FormatField& { return f.report.format2; });
    for (std::size_t r = 0; r < forms.report.codes.size(); ++r) {
        const std::string prefix = "report." + two(int(r + 1));
        b.text(prefix + ".cid", K::Hex, rc::kCodesGrid, [r](Forms& f) -> std::string& { return f.report.codes[r].cid; });
        b.at(int(r), panel::report_column::kCid);
        b.text(prefix + ".4x2", K::Hex, rc::kCodesGrid,
               [r](Forms& f) -> std::string& { return f.report.codes[r].code4x2; });
        b.at(int(r), panel::report_column::k4x2);
    }
}

} // namespace

std::string_view kindName(FieldKind kind)
{
    static constexpr std::string_view kNames[] = {"text", "number", "check", "list", "time", "code", "hex"};
    return kNames[static_cast<int>(kind)];
}

std::vector<FormField> formFields(const ProgrammingForms& forms, std::uint8_t typeCode)
{
    Builder b;
    masterFields(b, forms);
    installerFields(b, forms, typeCode);
    reportFields(b, forms);
    b.options();
    return std::move(b.fields);
}

const FormField* findField(const std::vector<FormField>& fields, std::string_view name)
{
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const FormField& f) { return f.name == name; });
    return it == fields.end() ? nullptr : &*it;
}

const FormField* fieldAt(const std::vector<FormField>& fields, const panel::FormError& error)
{
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const FormField& f) {
        return f.labelId == error.control && f.row == error.row && (error.column < 0 || f.column == error.column);
    });
    return it == fields.end() ? nullptr : &*it;
}

std::string formErrorText(const panel::FormError& error)
{
    return (error.number ? strings::format(error.textId, *error.number) : strings::text(error.textId)).toStdString();
}

std::string namedFormError(const panel::ProgrammingForms& forms, std::uint8_t typeCode, const panel::FormError& error)
{
    const auto fields = formFields(forms, typeCode);
    const FormField* field = fieldAt(fields, error);
    return (field ? field->name : "control " + std::to_string(error.control)) + ": " + formErrorText(error);
}

} // namespace qarvo::cli

#include "cli/WriteCheck.h"

#include "app/Strings.h"
#include "cli/FormErrorText.h"
#include "panel/FixedRegion.h"
#include "panel/NamedSettings.h"
#include "panel/ProgrammingForms.h"
#include "panel/SettingCatalogue.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

namespace qarvo::cli {

namespace {

using operations::firstDifference;
using operations::MemoryRange;
using operations::writtenRanges;
using operations::Transfer;

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t b : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X", b);
        text += (text.empty() ? "" : " ") + std::string(two);
    }
    return text;
}

std::string hexAddress(std::uint32_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", address);
    return text;
}

// The named setting whose bytes hold the address, or nullptr.
const panel::SettingInfo* settingAt(const panel::CUploadDoc& doc, std::uint32_t address)
{
    const std::uint8_t* base = doc.image().bytes().data();
    for (const panel::SettingInfo& info : panel::settingCatalogue()) {
        const auto bytes = doc.bytes(info.setting);
        if (!bytes.empty() && base + address >= bytes.data() && base + address < bytes.data() + bytes.size())
            return &info;
    }
    return nullptr;
}

// The code records of page 4 by the names of their settings: the
// installer's code, the maintenance row and the user rows (0 the master's),
// their code or their attributes.
std::string codeRecordAt(const panel::CUploadDoc& doc, std::uint32_t address)
{
    namespace fixed = panel::fixed;
    const auto within = [address](std::size_t start) {
        return address >= start && address < start + fixed::kCodeRecordSize;
    };
    const auto part = [address](std::size_t start) {
        return address - start < fixed::kCodeBytes ? ".code" : ".attr";
    };
    if (within(fixed::kInstallerCode))
        return std::string(panel::kInstallerCodeName);
    if (within(fixed::kMaintenanceCode))
        return std::string(panel::kMaintenanceRowName).append(part(fixed::kMaintenanceCode));
    for (int record = 0; record < doc.identity().userRecordCount; ++record)
        if (within(fixed::userRecordOffset(record)))
            return panel::userRowName(record).append(part(fixed::userRecordOffset(record)));
    return {};
}

// Groups of the options page's fields, in TaviControl order.
struct TaviGroup {
    TaviControl first;
    std::string_view name; // numbered from 1 when the group has several members
    int count;
};
constexpr std::array kTaviGroups{
    TaviGroup{TaviControl::Account, "account", 1},
    TaviGroup{TaviControl::Port, "port", 1},
    TaviGroup{TaviControl::PrimaryPort, "primary.port", 1},
    TaviGroup{TaviControl::PrimaryAddress, "primary.address", 1},
    TaviGroup{TaviControl::PrimaryKeepAlive, "primary.keep-alive", 1},
    TaviGroup{TaviControl::SecondaryPort, "secondary.port", 1},
    TaviGroup{TaviControl::SecondaryAddress, "secondary.address", 1},
    TaviGroup{TaviControl::SecondaryKeepAlive, "secondary.keep-alive", 1},
    TaviGroup{TaviControl::SettingsUser, "settings.user", 1},
    TaviGroup{TaviControl::SettingsPartition, "settings.partition", 1},
    TaviGroup{TaviControl::LocalEventFirst, "local-event.", 6},
    TaviGroup{TaviControl::Input1Event, "input.1.event", 1},
    TaviGroup{TaviControl::Input2Event, "input.2.event", 1},
    TaviGroup{TaviControl::TamperEvent, "tamper.event", 1},
    TaviGroup{TaviControl::PgmTimeFirst, "pgm.time.", 4},
    TaviGroup{TaviControl::PgmEventFirst, "pgm.event.", 4},
    TaviGroup{TaviControl::PrimaryGprsKeepAlive, "primary.gprs-keep-alive", 1},
    TaviGroup{TaviControl::SecondaryGprsKeepAlive, "secondary.gprs-keep-alive", 1},
    TaviGroup{TaviControl::GprsEventFirst, "gprs-event.", 7},
};

// One value of the options form by name; secret values are only compared.
struct TaviFormValue {
    std::string name;
    std::string value;
    bool secret = false;
};

std::string onOff(bool on) { return on ? "on" : "off"; }

std::string dotted(std::uint32_t address)
{
    return std::to_string(address >> 24) + "." + std::to_string(address >> 16 & 0xFF) + "." +
           std::to_string(address >> 8 & 0xFF) + "." + std::to_string(address & 0xFF);
}

constexpr std::array<std::string_view, tavi::kIpv4Count> kIpv4Names{"ip", "net-mask", "gateway", "dns.primary",
                                                                    "dns.secondary"};
constexpr std::array<std::string_view, tavi::kServerCount> kServerNames{"primary", "secondary"};
constexpr std::array<std::string_view, 3> kProtocolNames{"no report", "TaviCom", "DC-09"};
constexpr std::array<std::string_view, 2> kUnitNames{"s", "min"};

std::string itemName(std::span<const std::string_view> names, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < names.size() ? std::string(names[index])
                                                                         : std::to_string(index);
}

// Every value the options page shows, in the page's order.
std::vector<TaviFormValue> taviFormValues(const TaviOptionsForm& form)
{
    std::vector<TaviFormValue> values{{"password", form.password, true},
                                      {"account", form.account},
                                      {"port", form.port},
                                      {"encrypt", onOff(form.encrypt)},
                                      {"check-for-updates", onOff(form.checkForUpdates)},
                                      {"dhcp", onOff(form.dhcp)}};
    for (std::size_t i = 0; i < tavi::kIpv4Count; ++i)
        values.push_back({std::string(kIpv4Names[i]), dotted(form.ipv4[i])});
    for (std::size_t s = 0; s < tavi::kServerCount; ++s) {
        const TaviServerForm& server = form.servers[s];
        const std::string name(kServerNames[s]);
        if (s > 0)
            values.push_back({name + ".in-use", onOff(server.inUse)});
        values.push_back({name + ".protocol", itemName(kProtocolNames, server.protocol)});
        values.push_back({name + ".encrypt", onOff(server.encrypt)});
        values.push_back({name + ".static-key", onOff(server.staticKey)});
        values.push_back({name + ".port", server.port});
        values.push_back({name + ".address", server.address});
        values.push_back({name + ".keep-alive", server.keepAlive});
        values.push_back({name + ".gprs-keep-alive", server.gprsKeepAlive});
    }
    values.push_back({"settings.user", form.settingsUser});
    values.push_back({"settings.partition", form.settingsPartition});
    for (std::size_t e = 0; e < form.localEvents.size(); ++e)
        values.push_back({"local-event." + std::to_string(e + 1), form.localEvents[e]});
    for (std::size_t i = 0; i < form.inputEvents.size(); ++i)
        values.push_back({"input." + std::to_string(i + 1) + ".event", form.inputEvents[i]});
    values.push_back({"tamper.event", form.tamperEvent});
    for (std::size_t p = 0; p < form.pgm.size(); ++p) {
        const std::string n = std::to_string(p + 1);
        values.push_back({"pgm.latch." + n, onOff(form.pgm[p].latch)});
        values.push_back({"pgm.time." + n, form.pgm[p].time + " " + itemName(kUnitNames, form.pgm[p].unit)});
        values.push_back({"pgm.event." + n, form.pgm[p].eventCode});
    }
    values.push_back({"double-sim", onOff(form.doubleSim)});
    values.push_back({"pgm.1.if-blocked", onOff(form.pgm1IfBlocked)});
    values.push_back({"pgm.2.if-blocked", onOff(form.pgm2IfBlocked)});
    for (std::size_t s = 0; s < form.sims.size(); ++s) {
        const std::string name = "sim." + std::to_string(s + 1);
        values.push_back({name + ".apn", form.sims[s].apn});
        values.push_back({name + ".user", form.sims[s].user});
        values.push_back({name + ".password", form.sims[s].password, true});
    }
    for (std::size_t e = 0; e < form.gprsEvents.size(); ++e)
        values.push_back({"gprs-event." + std::to_string(e + 1), form.gprsEvents[e]});
    return values;
}

} // namespace

std::vector<std::string> taviDifferences(const TaviOptions& current, const TaviOptions& wanted,
                                         const TaviCapabilities& capabilities)
{
    TaviOptionsForm currentForm;
    TaviOptionsForm wantedForm;
    showTaviOptions(current, capabilities, currentForm);
    showTaviOptions(wanted, capabilities, wantedForm);
    const auto now = taviFormValues(currentForm);
    const auto next = taviFormValues(wantedForm);
    std::vector<std::string> differences;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i].value == next[i].value)
            continue;
        differences.push_back(now[i].secret ? now[i].name + ": changed"
                                            : now[i].name + ": '" + now[i].value + "' -> '" + next[i].value + "'");
    }
    if (differences.empty() && current.bytes != wanted.bytes)
        differences.push_back("bytes the options page does not show: changed");
    return differences;
}

std::optional<std::string> documentRefusal(const panel::CUploadDoc& doc, Transfer write)
{
    panel::CUploadDoc stored = doc;
    panel::ProgrammingForms forms;
    panel::imageToForms(stored, forms);
    if (const auto error = panel::formsToImage(forms, stored))
        return namedFormError(forms, doc.layout().typeCode(), *error);
    const auto address = firstDifference(doc.image(), stored.image(), writtenRanges(write, doc));
    if (!address)
        return std::nullopt;
    if (const std::string record = codeRecordAt(doc, *address); !record.empty()) {
        const std::size_t start = *address - (*address - panel::fixed::kInstallerCode) % panel::fixed::kCodeRecordSize;
        return record + " (address " + hexAddress(*address) + "): holds " +
               hexBytes(doc.image().range(start, panel::fixed::kCodeBytes)) + ", which the pages would store as " +
               hexBytes(stored.image().range(start, panel::fixed::kCodeBytes));
    }
    const panel::SettingInfo* info = settingAt(doc, *address);
    if (!info)
        return "address " + hexAddress(*address) + ": holds " + hexBytes(doc.image().range(*address, 1)) +
               ", which the pages would store as " + hexBytes(stored.image().range(*address, 1));
    return std::string(info->name) + " (address " + hexAddress(*address) + "): holds " +
           hexBytes(doc.bytes(info->setting)) + ", which the pages would store as " +
           hexBytes(stored.bytes(info->setting));
}

std::vector<std::string> settingDifferences(const panel::CUploadDoc& panel, const panel::CUploadDoc& document)
{
    std::vector<std::string> differences;
    for (const panel::SettingChange& c : panel::changedSettings(panel, document))
        if (c.after) // what the document would write; settings only the panel has stay as they are
            differences.push_back(c.name + ": '" + c.before.value_or("") + "' -> '" + *c.after + "'");
    return differences;
}

std::string taviFieldName(TaviControl control)
{
    const int index = static_cast<int>(control);
    for (const TaviGroup& group : kTaviGroups) {
        const int first = static_cast<int>(group.first);
        if (index >= first && index < first + group.count)
            return group.count == 1 ? std::string(group.name)
                                    : std::string(group.name) + std::to_string(index - first + 1);
    }
    return "field " + std::to_string(index);
}

std::optional<std::string> taviRefusal(const TaviOptions& record, const TaviCapabilities& capabilities)
{
    TaviOptionsForm form;
    showTaviOptions(record, capabilities, form);
    TaviOptions stored = record;
    if (const auto error = storeTaviOptions(form, capabilities, stored)) {
        const QString text = error->number ? strings::format(error->textId, *error->number)
                                           : strings::text(error->textId);
        return taviFieldName(error->control) + ": " + text.toStdString();
    }
    for (std::size_t i = 0; i < record.bytes.size(); ++i)
        if (record.bytes[i] != stored.bytes[i])
            return "byte " + std::to_string(i) + " of the record holds " + hexBytes(std::span(&record.bytes[i], 1)) +
                   ", which the options page would store as " + hexBytes(std::span(&stored.bytes[i], 1));
    return std::nullopt;
}

} // namespace qarvo::cli

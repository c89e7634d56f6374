#include "cli/WriteCheck.h"

#include "app/Strings.h"
#include "cli/SettingFields.h"
#include "panel/FixedRegion.h"
#include "panel/ProgrammingForms.h"
#include "panel/SettingCatalogue.h"

#include <array>
#include <cstdio>
#include <map>
#include <string_view>

namespace qarvo::cli {

namespace {

using operations::MemoryRange;
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

std::string two(std::size_t n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02zu", n);
    return text;
}

// The code records of page 4 by their names on the command line: the
// installer's, the maintenance code and the user records (0 the master's).
std::string codeRecordAt(const panel::CUploadDoc& doc, std::uint32_t address)
{
    namespace fixed = panel::fixed;
    const auto within = [address](std::size_t start) {
        return address >= start && address < start + fixed::kCodeRecordSize;
    };
    const auto part = [address](std::size_t start) {
        return address - start < fixed::kCodeBytes ? ".code" : ".attributes";
    };
    if (within(fixed::kInstallerCode))
        return std::string("user.installer") + part(fixed::kInstallerCode);
    if (within(fixed::kMaintenanceCode))
        return std::string("user.maintenance") + part(fixed::kMaintenanceCode);
    for (int record = 0; record < doc.identity().userRecordCount; ++record)
        if (within(fixed::userRecordOffset(record)))
            return (record == 0 ? std::string("user.master") : "user." + two(std::size_t(record))) +
                   part(fixed::userRecordOffset(record));
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

} // namespace

std::vector<MemoryRange> writtenRanges(Transfer write, const panel::CUploadDoc& doc)
{
    const auto plan = operations::planTransfer(write, doc, operations::masterItems(doc.layout()));
    std::vector<MemoryRange> ranges;
    for (const operations::Stage& stage : plan.stages)
        if (stage.kind == operations::StageKind::Write)
            ranges.push_back(stage.range);
    for (const operations::MemoryItem& item : plan.items)
        ranges.push_back({item.address, static_cast<std::uint32_t>(item.address + item.size)});
    return ranges;
}

std::optional<std::uint32_t> firstDifference(const panel::PanelImage& a, const panel::PanelImage& b,
                                             const std::vector<MemoryRange>& ranges)
{
    std::optional<std::uint32_t> first;
    for (const MemoryRange& range : ranges)
        for (std::uint32_t address = range.start; address < range.end && address < panel::PanelImage::kSize; ++address)
            if (a[address] != b[address] && (!first || address < *first))
                first = address;
    return first;
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
    panel::ProgrammingForms panelForms;
    panel::ProgrammingForms documentForms;
    panel::imageToForms(panel, panelForms);
    panel::imageToForms(document, documentForms);
    const auto panelFields = formFields(panelForms, panel.layout().typeCode());
    const auto documentFields = formFields(documentForms, document.layout().typeCode());
    std::map<std::string, std::string> onPanel;
    for (const FormField& f : panelFields)
        onPanel[f.name] = f.get(panelForms);
    std::vector<std::string> differences;
    for (const FormField& f : documentFields) {
        const std::string value = f.get(documentForms);
        const auto it = onPanel.find(f.name);
        if (it == onPanel.end() || it->second != value)
            differences.push_back(f.name + ": '" + (it == onPanel.end() ? "" : it->second) + "' -> '" + value + "'");
    }
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

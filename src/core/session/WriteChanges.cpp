#include "session/WriteChanges.h"

#include "operations/OperationCodes.h"
#include "operations/TransferPlan.h"

#include <algorithm>
#include <optional>

namespace qarvo::session {
namespace {

using operations::MemoryRange;

std::optional<operations::Transfer> writeOf(int operationCode)
{
    if (operationCode == operations::kWriteMaster)
        return operations::Transfer::WriteMaster;
    if (operationCode == operations::kWriteInstaller)
        return operations::Transfer::WriteInstaller;
    return std::nullopt;
}

// The memory a write moves: its write ranges and the items it writes.
std::vector<MemoryRange> writtenRanges(const panel::CUploadDoc& doc, operations::Transfer transfer)
{
    const auto items = operations::masterItems(doc.layout());
    const operations::TransferPlan plan = operations::planTransfer(transfer, doc, items);
    std::vector<MemoryRange> ranges;
    for (const operations::Stage& stage : plan.stages)
        if (stage.kind == operations::StageKind::Write)
            ranges.push_back(stage.range);
    const bool writesItems = std::ranges::any_of(
        plan.stages, [](const operations::Stage& s) { return s.kind == operations::StageKind::WriteItems; });
    if (writesItems)
        for (const operations::MemoryItem& item : plan.items)
            if (!item.readOnly)
                ranges.push_back({item.address, static_cast<std::uint32_t>(item.address + item.size)});
    return ranges;
}

bool written(const std::vector<MemoryRange>& ranges, std::size_t address)
{
    return std::ranges::any_of(ranges, [address](const MemoryRange& r) { return address >= r.start && address < r.end; });
}

} // namespace

std::vector<const panel::SettingInfo*> settingsChangedByWrite(const panel::CUploadDoc& doc,
                                                              const panel::PanelImage& panelImage, int operationCode)
{
    const auto transfer = writeOf(operationCode);
    if (!transfer)
        return {};
    const std::vector<MemoryRange> ranges = writtenRanges(doc, *transfer);
    const panel::PanelImage& image = doc.image();
    const std::uint8_t* base = image.range(0, panel::PanelImage::kSize).data();
    std::vector<const panel::SettingInfo*> changed;
    for (const panel::SettingInfo& info : panel::settingCatalogue()) {
        const auto now = doc.layout().bytes(image, info.setting);
        const auto before = doc.layout().bytes(panelImage, info.setting);
        if (now.empty() || before.size() != now.size())
            continue;
        const auto address = static_cast<std::size_t>(now.data() - base);
        bool differs = false;
        for (std::size_t i = 0; i < now.size() && !differs; ++i)
            differs = now[i] != before[i] && written(ranges, address + i);
        if (differs)
            changed.push_back(&info);
    }
    return changed;
}

} // namespace qarvo::session

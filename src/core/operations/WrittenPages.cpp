#include "operations/WrittenPages.h"

#include "panel/PanelIdentity.h"

namespace qarvo::operations {

std::vector<MemoryRange> writtenRanges(Transfer write, const panel::CUploadDoc& doc)
{
    const auto plan = planTransfer(write, doc, masterItems(doc.layout()));
    std::vector<MemoryRange> ranges;
    for (const Stage& stage : plan.stages)
        if (stage.kind == StageKind::Write)
            ranges.push_back(stage.range);
    for (const MemoryItem& item : plan.items)
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

bool alreadyWritten(Transfer write, const panel::CUploadDoc& doc, const panel::CUploadDoc& panelCopy)
{
    return !firstDifference(doc.image(), panelCopy.image(), writtenRanges(write, doc));
}

namespace {
// The document as a settings file holds it: what the file does not store
// is what opening it makes of it.
panel::CUploadDoc asStored(const panel::CUploadDoc& doc)
{
    panel::CUploadDoc stored = doc;
    stored.deserialize(doc.serialize());
    return stored;
}
} // namespace

// The programming memory a read of the page fills.
std::vector<bool> readCoverage(Transfer read, const panel::CUploadDoc& doc)
{
    std::vector<bool> covered(panel::PanelImage::kSize, false);
    const auto plan = planTransfer(read, doc, masterItems(doc.layout()));
    const auto cover = [&](std::uint32_t start, std::uint32_t end) {
        for (std::uint32_t address = start; address < end && address < covered.size(); ++address)
            covered[address] = true;
    };
    for (const Stage& stage : plan.stages)
        if (stage.kind == StageKind::Read)
            cover(stage.range.start, stage.range.end);
    for (const MemoryItem& item : plan.items)
        cover(item.address, item.address + item.size);
    return covered;
}

bool holdsPage(Transfer write, const panel::CUploadDoc& doc)
{
    panel::CUploadDoc defaults = doc;
    defaults.newDocument();
    panel::PanelIdentity model;
    model.setFromModel(doc.layout().typeCode());
    defaults.checkModel(model);
    const panel::CUploadDoc held = asStored(doc);
    const panel::CUploadDoc fresh = asStored(defaults);
    // Bytes the other page's read also fills (the identification block
    // among them) say nothing of this page.
    const Transfer otherRead = write == Transfer::WriteMaster ? Transfer::ReadInstaller : Transfer::ReadMaster;
    const std::vector<bool> other = readCoverage(otherRead, doc);
    for (const MemoryRange& range : writtenRanges(write, doc))
        for (std::uint32_t address = range.start; address < range.end && address < panel::PanelImage::kSize; ++address)
            if (!other[address] && held.image()[address] != fresh.image()[address])
                return true;
    return false;
}

} // namespace qarvo::operations

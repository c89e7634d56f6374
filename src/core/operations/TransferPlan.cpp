#include "operations/TransferPlan.h"

#include "panel/FixedRegion.h"
#include "panel/PanelModels.h"

#include <algorithm>
#include <array>

namespace qarvo::operations {

namespace {

using panel::Setting;

struct ItemRow {
    Setting setting;
    std::uint8_t size;
    bool readOnly;
};

// The master's settings in page 0, in transfer order. Each four-byte item
// is two time pairs; PGM 4's pair is moved like every other PGM's.
constexpr std::array kMasterItemRows{
    ItemRow{Setting::AmbushDigit, 1, false},
    ItemRow{Setting::VoiceModuleOptions, 1, false},
    ItemRow{Setting::VoiceDialingSequences, 1, false},
    ItemRow{Setting::VoiceReportingTime, 1, false},
    ItemRow{Setting::RoundPeriod, 1, false},
    ItemRow{Setting::RoundWarningTime, 1, false},
    ItemRow{Setting::PartitionAAutoarmHour, 4, false},
    ItemRow{Setting::PartitionBAutoarmHour, 4, false},
    ItemRow{Setting::RoundsStartHour, 4, false},
    ItemRow{panel::pgmOnHour(1), 4, false},
    ItemRow{panel::pgmOnHour(2), 4, false},
    ItemRow{panel::pgmOnHour(3), 4, false},
    ItemRow{panel::pgmOnHour(4), 4, false},
    ItemRow{panel::pgmOnHour(5), 4, false},
    ItemRow{panel::pgmOnHour(6), 4, false},
    ItemRow{panel::pgmOnHour(7), 4, false},
    ItemRow{panel::pgmOnHour(8), 4, false},
    ItemRow{Setting::FirstPeriodicalTestHour, 1, false},
    ItemRow{Setting::FirstPeriodicalTestMinute, 1, false},
    ItemRow{Setting::PartitionAInactivityHour, 4, false},
    ItemRow{Setting::GeneralOptions1, 1, true},
    ItemRow{Setting::PartitionAAutoarmingOptions, 1, true},
    ItemRow{Setting::PartitionBAutoarmingOptions, 1, true},
};

// Installer progress: the per cent a range adds over its base, and the step
// count used outside the ranges.
constexpr ProgressRule kReadInstallerProgress{false, 9, 22};
constexpr ProgressRule kWriteInstallerProgress{false, 8, 24};
constexpr ProgressRule kMasterProgress{true, 0, 0};

// The last setting of page 0 that a page edits (the spare byte after it is
// edited by none), and the first one the installer write sends.
constexpr Setting kLastPage0Setting = Setting::PartitionBInactivityMinute;
constexpr Setting kFirstInstallerPage0Setting = Setting::Zone01;
// Page 1: the installer's part ends with the callback number; the master's
// part is the four follow-me numbers before it.
constexpr Setting kLastPage1Setting = Setting::CallbackPhone;
constexpr Setting kFirstMasterPage1Setting = Setting::FollowMe04;

constexpr int kMaxUserRecords = 255;

std::uint32_t startOf(const panel::LayoutTable& layout, Setting s)
{
    const panel::eeloc_t loc = layout[s];
    return loc.present() ? loc.offset : 0;
}

std::uint32_t endOf(const panel::LayoutTable& layout, Setting s)
{
    const panel::eeloc_t loc = layout[s];
    return loc.present() ? static_cast<std::uint32_t>(loc.offset) + loc.length : 0;
}

MemoryRange rangeOf(std::uint32_t start, std::uint32_t end) { return {start, std::max(start, end)}; }

MemoryRange page0Range(const panel::CUploadDoc& doc, std::uint32_t start)
{
    return rangeOf(start, endOf(doc.layout(), kLastPage0Setting));
}

MemoryRange installerPage1(const panel::CUploadDoc& doc)
{
    return rangeOf(startOf(doc.layout(), Setting::ReportStart), endOf(doc.layout(), kLastPage1Setting));
}

MemoryRange masterPage1(const panel::CUploadDoc& doc)
{
    return rangeOf(startOf(doc.layout(), kFirstMasterPage1Setting), startOf(doc.layout(), kLastPage1Setting));
}

// The names of the zones the panel has; a zone count beyond the layout's
// names is taken as all of them.
MemoryRange zoneNames(const panel::CUploadDoc& doc)
{
    constexpr int kNames = static_cast<int>(panel::indexOf(Setting::WelcomeMessage) -
                                            panel::indexOf(Setting::ZoneName01));
    const int zones = std::clamp<int>(doc.identity().zoneCount, 0, kNames);
    const std::uint32_t start = startOf(doc.layout(), Setting::ZoneName01);
    return zones == 0 ? MemoryRange{start, start} : rangeOf(start, endOf(doc.layout(), panel::zoneName(zones)));
}

// The user records the master page moves: from the master record up to the
// last record, which the extended block covers.
MemoryRange masterRecords(const panel::CUploadDoc& doc)
{
    const int records = std::clamp<int>(doc.identity().userRecordCount, 1, kMaxUserRecords);
    return rangeOf(panel::fixed::kUserCodes,
                   static_cast<std::uint32_t>(panel::fixed::userRecordOffset(records - 1)));
}

bool skipsExtendedBlockOnWrite(const panel::CUploadDoc& doc)
{
    const panel::PanelModel* model = panel::findPanelModel(doc.layout().typeCode());
    return model && model->limited;
}

class PlanBuilder {
public:
    explicit PlanBuilder(TransferPlan& plan) : plan_(plan) {}

    void select(std::uint8_t step, std::uint8_t page)
    {
        plan_.stages.push_back(Stage{StageKind::SelectPage, step, page, {}, WriteSource::Image, {}});
        selected_ = page;
    }

    // Moves a range in the selected page; the further pages it reaches are
    // selected at continueStep and moved at continueStep + 2.
    void move(StageKind kind, std::uint8_t step, MemoryRange range, WriteSource source = WriteSource::Image,
              std::optional<int> progressBase = {}, std::optional<std::uint8_t> continueStep = {})
    {
        const std::uint8_t nextSelect = continueStep.value_or(static_cast<std::uint8_t>(step - 2));
        std::uint32_t start = range.start;
        do {
            const std::uint32_t pageEnd = (start & ~0xFFu) + 0x100;
            const MemoryRange segment{start, std::min(range.end, pageEnd)};
            if (pageOf(start) != selected_) {
                select(nextSelect, pageOf(start));
                step = static_cast<std::uint8_t>(nextSelect + 2);
            }
            plan_.stages.push_back(Stage{kind, step, 0, segment, source, progressBase});
            start = segment.end;
        } while (start < range.end);
    }

    // The page select of a range's first page, then the range.
    void selectAndMove(std::uint8_t selectStep, StageKind kind, MemoryRange range,
                       WriteSource source = WriteSource::Image, std::optional<int> progressBase = {},
                       std::optional<std::uint8_t> continueStep = {})
    {
        select(selectStep, pageOf(range.start));
        move(kind, static_cast<std::uint8_t>(selectStep + 2), range, source, progressBase, continueStep);
    }

    void add(StageKind kind, std::uint8_t step)
    {
        plan_.stages.push_back(Stage{kind, step, 0, {}, WriteSource::Image, {}});
    }

private:
    TransferPlan& plan_;
    int selected_ = -1;
};

// The first four bytes of page 4, moved on their own before the whole block.
constexpr MemoryRange kIdentificationHead{kIdentificationBlock.start, kIdentificationBlock.start + 4};

void planReadInstaller(PlanBuilder& b, const panel::CUploadDoc& doc)
{
    b.select(1, pageOf(kIdentificationBlock.start));
    b.move(StageKind::Read, 3, kIdentificationHead);
    b.move(StageKind::Read, 5, kIdentificationBlock, WriteSource::Image, 16);
    b.selectAndMove(7, StageKind::Read, page0Range(doc, panel::PanelImage::kModelByteAddress), WriteSource::Image, 33);
    b.selectAndMove(11, StageKind::Read, installerPage1(doc), WriteSource::Image, 50);
    b.selectAndMove(15, StageKind::Read, zoneNames(doc), WriteSource::Image, 66);
    if (const auto block = extendedBlock(doc))
        b.selectAndMove(19, StageKind::Read, *block, WriteSource::Image, 83);
}

void planWriteInstaller(PlanBuilder& b, const panel::CUploadDoc& doc)
{
    constexpr auto kBuffer = WriteSource::WriteBuffer;
    b.select(1, pageOf(kIdentificationBlock.start));
    b.move(StageKind::Write, 3, kIdentificationHead);
    b.move(StageKind::Write, 5, {kIdentificationWriteStart, kIdentificationBlock.end}, WriteSource::Image, 15);
    b.selectAndMove(7, StageKind::Write, page0Range(doc, startOf(doc.layout(), kFirstInstallerPage0Setting)), kBuffer,
                    30);
    b.selectAndMove(11, StageKind::Write, installerPage1(doc), kBuffer, 46);
    b.selectAndMove(15, StageKind::Write, zoneNames(doc), kBuffer, 61);
    if (const auto block = extendedBlock(doc); block && !skipsExtendedBlockOnWrite(doc))
        b.selectAndMove(19, StageKind::Write, *block, kBuffer, 76);
    b.add(StageKind::Completion, 23);
}

void planMaster(PlanBuilder& b, const panel::CUploadDoc& doc, bool read)
{
    const StageKind kind = read ? StageKind::Read : StageKind::Write;
    b.selectAndMove(1, kind, masterRecords(doc), WriteSource::Image, {}, 5);
    b.selectAndMove(9, kind, masterPage1(doc));
    b.select(13, 0);
    b.add(read ? StageKind::ReadItems : StageKind::WriteItems, 15);
}

} // namespace

std::vector<MemoryItem> masterItems(const panel::LayoutTable& layout)
{
    std::vector<MemoryItem> items;
    for (const ItemRow& row : kMasterItemRows) {
        const panel::eeloc_t loc = layout[row.setting];
        if (loc.present())
            items.push_back(MemoryItem{loc.offset, row.size, row.readOnly});
    }
    return items;
}

std::optional<MemoryRange> extendedBlock(const panel::CUploadDoc& doc)
{
    const panel::eeloc_t loc = doc.layout()[Setting::WelcomeMessage];
    if (!loc.present())
        return std::nullopt;
    return MemoryRange{loc.offset, static_cast<std::uint32_t>(loc.offset) + loc.length};
}

std::uint32_t TransferPlan::totalBytes() const
{
    std::uint32_t total = 0;
    for (const Stage& s : stages)
        total += s.range.length();
    for (const MemoryItem& item : items)
        total += item.size;
    return total;
}

TransferPlan planTransfer(Transfer transfer, const panel::CUploadDoc& doc, const std::vector<MemoryItem>& items)
{
    TransferPlan plan;
    PlanBuilder builder(plan);
    switch (transfer) {
    case Transfer::ReadInstaller:
        planReadInstaller(builder, doc);
        plan.progress = kReadInstallerProgress;
        break;
    case Transfer::WriteInstaller:
        planWriteInstaller(builder, doc);
        plan.progress = kWriteInstallerProgress;
        break;
    case Transfer::ReadMaster:
    case Transfer::WriteMaster: {
        const bool read = transfer == Transfer::ReadMaster;
        planMaster(builder, doc, read);
        plan.progress = kMasterProgress;
        for (const MemoryItem& item : items)
            if (read || !item.readOnly)
                plan.items.push_back(item);
        break;
    }
    }
    return plan;
}

} // namespace qarvo::operations

#include "panel/LayoutTable.h"

#include "panel/FixedRegion.h"
#include "panel/SettingCatalogue.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

// Report entries (counted from 1) whose 4x2 code sits in the high nibble.
constexpr std::array kHighNibbleEntryNumbers{1,  7,  12, 22, 23, 30, 31, 32, 33,
                                             34, 35, 37, 38, 39, 40, 59, 60, 61};

bool presentIn(Presence presence, LayoutVariant variant)
{
    switch (presence) {
    case Presence::All: return true;
    case Presence::V2AndV3: return variant != LayoutVariant::V1;
    case Presence::V3: return variant == LayoutVariant::V3;
    }
    return false;
}

constexpr std::uint16_t lowByte(std::uint16_t v) { return v & 0xFF; }

// Walks the catalogue in chain order, each record placed after the last one
// placed. Absent settings are skipped and do not break the chain.
class ChainBuilder {
public:
    ChainBuilder(const PanelModel& model, int userRecordCount)
        : model_(model), userRecordCount_(userRecordCount)
    {
    }

    eeloc_t place(const SettingInfo& info)
    {
        if (!presentIn(info.presence, model_.variant))
            return {};
        const eeloc_t loc{offsetOf(info), info.length};
        if (info.encoding == Encoding::ReportEntry)
            lastReportEntry_ = loc;
        previous_ = loc;
        return loc;
    }

private:
    std::uint16_t offsetOf(const SettingInfo& info) const
    {
        switch (info.placement) {
        case Placement::Fixed: return info.fixedOffset;
        case Placement::Chain: return chained(0);
        case Placement::ChainSkippingOne: return chained(1);
        case Placement::SameAsPrevious: return previous_.offset;
        case Placement::ReportEnd:
            return lastReportEntry_.present() ? 0x101 + lowByte(lastReportEntry_.offset) : eeloc_t::kAbsent;
        case Placement::FirstPhone:
            return lastReportEntry_.present()
                       ? LayoutTable::kReportBlockStart + lowByte(lastReportEntry_.offset + 1)
                       : eeloc_t::kAbsent;
        case Placement::WelcomeMessage:
            // A panel reporting no user records still has its master record.
            return static_cast<std::uint16_t>(fixed::userRecordOffset(std::max(userRecordCount_, 1) - 1));
        }
        return eeloc_t::kAbsent;
    }

    std::uint16_t chained(int gap) const
    {
        if (!previous_.present())
            return eeloc_t::kAbsent;
        return static_cast<std::uint16_t>(previous_.offset + previous_.length + gap);
    }

    const PanelModel& model_;
    int userRecordCount_;
    eeloc_t previous_{};
    eeloc_t lastReportEntry_{};
};

} // namespace

void LayoutTable::build(const PanelModel& model, int userRecordCount, PanelImage& image)
{
    records_.fill(eeloc_t{});
    ChainBuilder chain(model, userRecordCount);
    for (const SettingInfo& info : settingCatalogue())
        records_[indexOf(info.setting)] = chain.place(info);

    highNibbleEntries_.clear();
    for (int n : kHighNibbleEntryNumbers)
        highNibbleEntries_.push_back((*this)[reportEntry(n)]);

    ramLocations_ = kRamLocations;
    typeCode_ = model.typeCode;
    image[PanelImage::kModelByteAddress] = model.modelByte;
}

int LayoutTable::reportEntryCount() const
{
    const eeloc_t start = (*this)[Setting::ReportStart];
    const eeloc_t end = (*this)[Setting::ReportEnd];
    if (!start.present() || !end.present())
        return 0;
    return (end.offset - start.offset) / 2;
}

std::span<std::uint8_t> LayoutTable::bytes(PanelImage& image, Setting s) const
{
    const Extent e = extent(s);
    return image.range(e.start, e.length);
}

std::span<const std::uint8_t> LayoutTable::bytes(const PanelImage& image, Setting s) const
{
    const Extent e = extent(s);
    return image.range(e.start, e.length);
}

LayoutTable::Extent LayoutTable::extent(Setting s) const
{
    const eeloc_t loc = (*this)[s];
    if (!loc.present())
        return {};
    if (settingInfo(s).encoding == Encoding::ReportEntry)
        return loc.offset == 0 ? Extent{} : Extent{loc.offset - 1u, 2};
    return {loc.offset, loc.length};
}

} // namespace qarvo::panel

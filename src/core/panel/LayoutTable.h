#pragma once
// Where every named setting lies in the panel memory image of the connected
// model. Rebuilt whenever the panel type code changes.
#include "panel/Eeloc.h"
#include "panel/PanelImage.h"
#include "panel/PanelModels.h"
#include "panel/RamLocations.h"
#include "panel/Setting.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qarvo::panel {

class LayoutTable {
public:
    static constexpr std::uint16_t kReportBlockStart = 0x100;

    // Lays the records out for the model, lists the report code entries that
    // carry their 4x2 code in the high nibble, fills the RAM location table
    // and writes the model byte at image address 0.
    void build(const PanelModel& model, int userRecordCount, PanelImage& image);

    const eeloc_t& operator[](Setting s) const { return records_[indexOf(s)]; }
    std::span<const eeloc_t> records() const { return records_; }

    // The code the table was last built for; 0 before the first build.
    std::uint8_t typeCode() const { return typeCode_; }

    // Number of report code entries between the start and end markers.
    int reportEntryCount() const;

    // The report code entries whose second byte carries the code in its high
    // nibble, in the order the report pages list them.
    const std::vector<eeloc_t>& highNibbleEntries() const { return highNibbleEntries_; }

    const RamLocationTable& ramLocations() const { return ramLocations_; }

    // The image bytes of a setting: a report entry's two bytes (offset − 1,
    // offset), otherwise offset .. offset + length − 1. Empty when absent.
    std::span<std::uint8_t> bytes(PanelImage& image, Setting s) const;
    std::span<const std::uint8_t> bytes(const PanelImage& image, Setting s) const;

private:
    struct Extent {
        std::size_t start = PanelImage::kSize; // an empty range: nothing fits past the end
        std::size_t length = 0;
    };
    Extent extent(Setting s) const;

    std::array<eeloc_t, kSettingCount> records_{};
    std::vector<eeloc_t> highNibbleEntries_;
    RamLocationTable ramLocations_{};
    std::uint8_t typeCode_ = 0;
};

} // namespace qarvo::panel

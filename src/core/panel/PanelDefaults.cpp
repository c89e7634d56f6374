#include "panel/PanelDefaults.h"

#include "panel/FieldCodecs.h"
#include "panel/FixedRegion.h"
#include "panel/SettingCatalogue.h"

#include <algorithm>
#include <array>

namespace qarvo::panel {

namespace {

using Record = std::array<std::uint8_t, fixed::kCodeRecordSize>;

constexpr std::array<std::uint8_t, 2> kAbsentAccountCode{0xFF, 0xFF};
constexpr std::array<std::uint8_t, 2> kIdCode{0x00, 0x00};
constexpr Record kInstallerRecord{0x58, 0x07, 0x00, 0xFF, 0xFF, 0xFF}; // code 5807
constexpr Record kMaintenanceRecord{0xFF, 0xFF, 0xFF, 0xFC, 0x00, 0x00};
constexpr Record kMasterRecord{0x43, 0x91, 0x00, 0xFF, 0xFF, 0xE0}; // code 4391
constexpr Record kUserRecord{0xFF, 0xFF, 0xFF, 0xC4, 0x00, 0x00};

using ZoneBytes = std::array<std::uint8_t, 4>;
constexpr ZoneBytes kFirstZone{0x01, 0xEC, 0x28, 0x80};  // delayed 1
constexpr ZoneBytes kSecondZone{0x03, 0xE2, 0x28, 0x80}; // follower
constexpr ZoneBytes kOtherZone{0x04, 0xE0, 0x28, 0x80};  // instant
constexpr ZoneBytes kUnusedZone{0x00, 0x00, 0x00, 0x80}; // unused, partition A only
constexpr int kZoneRecords = 16;

void put(PanelImage& image, std::size_t address, std::span<const std::uint8_t> bytes)
{
    std::ranges::copy(bytes, image.range(address, bytes.size()).begin());
}

void put(std::span<std::uint8_t> target, std::span<const std::uint8_t> bytes)
{
    std::copy_n(bytes.begin(), std::min(bytes.size(), target.size()), target.begin());
}

void writeFixedRegion(PanelImage& image, int userRecordCount)
{
    put(image, fixed::kFirstAccountCode, kAbsentAccountCode);
    put(image, fixed::kSecondAccountCode, kAbsentAccountCode);
    put(image, fixed::kPanelIdCode, kIdCode);
    put(image, fixed::kPcIdCode, kIdCode);
    put(image, fixed::kInstallerCode, kInstallerRecord);
    put(image, fixed::kMaintenanceCode, kMaintenanceRecord);
    put(image, fixed::userRecordOffset(0), kMasterRecord);
    for (int r = 1; r < userRecordCount; ++r)
        put(image, fixed::userRecordOffset(r), kUserRecord);
}

// Zones 1 and 2 are entry and follower zones, the rest instant; panels after
// the first model leave the upper half (the doubled zones) unused.
const ZoneBytes& zoneDefault(int j, const PanelIdentity& identity)
{
    if (identity.typeCode > kFirstTypeCode && j >= identity.zoneCount / 2)
        return kUnusedZone;
    return j == 0 ? kFirstZone : j == 1 ? kSecondZone : kOtherZone;
}

void writeSettingDefault(PanelImage& image, const LayoutTable& layout, const SettingInfo& info)
{
    const auto bytes = layout.bytes(image, info.setting);
    if (bytes.empty())
        return;
    if (info.encoding == Encoding::Text16) {
        put(bytes, encodeText16(info.defaultText));
        return;
    }
    if (info.defaultValue == kErased)
        return;
    if (info.encoding == Encoding::ReportEntry) {
        const std::array<std::uint8_t, 2> entry{static_cast<std::uint8_t>(info.defaultValue >> 8),
                                                static_cast<std::uint8_t>(info.defaultValue & 0xFF)};
        put(bytes, entry);
        return;
    }
    bytes[0] = static_cast<std::uint8_t>(info.defaultValue);
}

} // namespace

void loadImageDefaults(PanelImage& image, const LayoutTable& layout, const PanelIdentity& identity)
{
    image.erase();
    writeFixedRegion(image, identity.userRecordCount);
    image[PanelImage::kModelByteAddress] = kDefaultModelByte;

    const int zones = std::clamp(identity.zoneCount, 0, kZoneRecords);
    for (int j = 0; j < zones; ++j)
        put(layout.bytes(image, zoneRecord(j + 1)), zoneDefault(j, identity));

    // In layout order, so the welcome message, which lies over the last user
    // code record, comes after the code records and wins.
    for (const SettingInfo& info : settingCatalogue())
        writeSettingDefault(image, layout, info);
}

} // namespace qarvo::panel

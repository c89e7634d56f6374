#include "sim/SimSite.h"

#include "sim/SimPanel.h"

namespace qarvo::sim {
namespace {

constexpr int kWalkedZone = 4;
constexpr std::chrono::milliseconds kWalkClosed{6000};
constexpr std::chrono::milliseconds kWalkOpen{4000};
constexpr std::chrono::milliseconds kDemoExitTime{5000};

// A zone's descriptor: bypassable, delayed, and its partitions in bits 7, 6.
constexpr std::uint8_t kBypassable = 0x20;
constexpr std::uint8_t kDelayed = 0x01;
constexpr std::uint8_t kBypassableDelayed = kBypassable | kDelayed;
constexpr std::uint8_t kInA = 0x80;
constexpr std::uint8_t kInB = 0x40;
// Zone records in programming memory: four bytes each from here, the
// partition bits in the last byte.
constexpr std::uint16_t kZoneRecords = 0x002;
constexpr int kZoneRecordSize = 4;

} // namespace

ActivityScript demoActivity()
{
    ActivityScript script;
    script.exitTime = kDemoExitTime;
    script.walks.push_back({kWalkedZone, kWalkClosed, kWalkOpen});
    return script;
}

void splitIntoPartitions(SimPanel& panel)
{
    PanelStatus status = panel.status();
    const int zones = panel.zoneCount();
    status.partitioned = true;
    status.reportsPartitionB = false;
    status.zoneDescriptors.assign(static_cast<std::size_t>(zones), kBypassableDelayed);
    for (int z = 0; z < zones; ++z) {
        const std::uint8_t partitions = z == zones - 1 ? (kInA | kInB) : z < zones / 2 ? kInA : kInB;
        status.zoneDescriptors[static_cast<std::size_t>(z)] |= partitions;
        const std::uint8_t record[kZoneRecordSize] = {kDelayed, kBypassable, 0x00, partitions};
        panel.writeMemory(static_cast<std::uint16_t>(kZoneRecords + z * kZoneRecordSize), record);
    }
    panel.setStatus(status);
}

} // namespace qarvo::sim

#include "sim/SimPanelActivity.h"
#include "sim/SimPanel.h"
#include "sim/SimSite.h"

#include <gtest/gtest.h>

using namespace qarvo::sim;
using namespace std::chrono_literals;
using Clock = SimPanelActivity::Clock;

namespace {

const Clock::time_point kStart{};

struct WalkCase {
    std::chrono::milliseconds at;
    std::uint16_t open;
};

} // namespace

TEST(SimPanelActivity, WalkedZonesOpenAndCloseOnTheirOwn)
{
    // Zone 4: closed 3 s, open 2 s. Zone 16: closed 1 s, open 1 s.
    const SimPanelActivity activity({0ms, {{4, 3000ms, 2000ms}, {16, 1000ms, 1000ms}}}, kStart);
    const WalkCase cases[] = {
        {0ms, 0x0000},    {999ms, 0x0000},  {1000ms, 0x8000}, {2999ms, 0x0000},
        {3000ms, 0x8008}, {4999ms, 0x0008}, {5000ms, 0x8000}, {8000ms, 0x0008},
    };
    for (const WalkCase& c : cases)
        EXPECT_EQ(activity.openZones(kStart + c.at), c.open) << c.at.count() << " ms";
}

TEST(SimPanelActivity, WalksOfZonesThePanelCannotHaveAreLeftOut)
{
    const SimPanelActivity activity({0ms, {{0, 1ms, 1ms}, {17, 1ms, 1ms}, {2, 0ms, 0ms}}}, kStart);
    EXPECT_EQ(activity.openZones(kStart + 1ms), 0);
}

TEST(SimPanelActivity, ArmingWaitsForTheExitTimeAndDisarmingCancelsIt)
{
    SimPanelActivity activity({5000ms, {}}, kStart);
    SimPanelRam ram;
    const std::array<std::uint8_t, 2> disarmed{0, 0};
    ram.write(ramloc::kPartitionA, ramloc::kArmed | ramloc::kChime);
    activity.afterKeypadCommand(ram, disarmed, kStart);
    EXPECT_EQ(ram.read(ramloc::kPartitionA), ramloc::kExitTime | ramloc::kChime);
    activity.settle(ram, kStart + 4999ms);
    EXPECT_EQ(ram.read(ramloc::kPartitionA), ramloc::kExitTime | ramloc::kChime);
    activity.settle(ram, kStart + 5000ms);
    EXPECT_EQ(ram.read(ramloc::kPartitionA), ramloc::kArmed | ramloc::kChime);

    // Partition B armed, then disarmed within its exit time: it stays disarmed.
    ram.write(ramloc::kPartitionB, ramloc::kArmed);
    activity.afterKeypadCommand(ram, {ramloc::kArmed, 0}, kStart);
    EXPECT_EQ(ram.read(ramloc::kPartitionB), ramloc::kExitTime);
    EXPECT_EQ(ram.read(ramloc::kPartitionA), ramloc::kArmed | ramloc::kChime) << "A was armed already";
    ram.write(ramloc::kPartitionB, 0);
    activity.settle(ram, kStart + 10000ms);
    EXPECT_EQ(ram.read(ramloc::kPartitionB), 0);
}

TEST(SimPanelActivity, WithoutExitTimeArmingIsImmediate)
{
    SimPanelActivity activity;
    SimPanelRam ram;
    ram.write(ramloc::kPartitionA, ramloc::kArmed);
    activity.afterKeypadCommand(ram, {0, 0}, kStart);
    EXPECT_EQ(ram.read(ramloc::kPartitionA), ramloc::kArmed);
}

TEST(SimSite, SplitPanelReportsPartitionsPerZone)
{
    SimPanel panel;
    splitIntoPartitions(panel);
    const PanelStatus status = panel.status();
    ASSERT_TRUE(status.partitioned);
    ASSERT_EQ(status.zoneDescriptors.size(), 16u);
    EXPECT_EQ(status.zoneDescriptors[0] & 0xC0, 0x80);
    EXPECT_EQ(status.zoneDescriptors[8] & 0xC0, 0x40);
    EXPECT_EQ(status.zoneDescriptors[15] & 0xC0, 0xC0);
    EXPECT_EQ(panel.memoryByte(0x002 + 4 * 8 + 3), 0x40) << "zone 9's record names partition B";
}

TEST(SimSite, AWalkedZoneIsReportedOpenOnlyInItsPartition)
{
    SimPanel panel;
    splitIntoPartitions(panel);
    panel.setActivity({0ms, {{2, 0ms, 60000ms}, {16, 0ms, 60000ms}}}); // open from the start
    EXPECT_EQ(panel.status(false).openZones, 0x8002) << "zone 2 in A, zone 16 in both";
    EXPECT_EQ(panel.status(true).openZones, 0x8000);
}

#include "sim/SimPanelActivity.h"

namespace qarvo::sim {
namespace {

constexpr std::array<std::uint8_t, 2> kPartitionLocations{ramloc::kPartitionA, ramloc::kPartitionB};
constexpr int kMostZones = 16;

} // namespace

SimPanelActivity::SimPanelActivity(ActivityScript script, Clock::time_point start)
    : script_(std::move(script)), start_(start)
{
}

std::uint16_t SimPanelActivity::openZones(Clock::time_point now) const
{
    std::uint16_t open = 0;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - start_);
    for (const ZoneWalk& walk : script_.walks) {
        const auto period = walk.closed + walk.open;
        if (walk.zone < 1 || walk.zone > kMostZones || period.count() <= 0 || elapsed.count() < 0)
            continue;
        if (elapsed % period >= walk.closed)
            open |= static_cast<std::uint16_t>(1u << (walk.zone - 1));
    }
    return open;
}

void SimPanelActivity::afterKeypadCommand(SimPanelRam& ram, const std::array<std::uint8_t, 2>& before,
                                          Clock::time_point now)
{
    if (script_.exitTime.count() <= 0)
        return;
    for (std::size_t p = 0; p < kPartitionLocations.size(); ++p) {
        const std::uint8_t state = ram.read(kPartitionLocations[p]);
        const bool armedNow = (state & ramloc::kArmed) && !(before[p] & ramloc::kArmed);
        if (!armedNow)
            continue;
        ram.write(kPartitionLocations[p],
                  static_cast<std::uint8_t>((state & ~ramloc::kArmed) | ramloc::kExitTime));
        armsAt_[p] = now + script_.exitTime;
    }
}

void SimPanelActivity::settle(SimPanelRam& ram, Clock::time_point now)
{
    for (std::size_t p = 0; p < kPartitionLocations.size(); ++p) {
        if (!armsAt_[p])
            continue;
        const std::uint8_t state = ram.read(kPartitionLocations[p]);
        if (!(state & ramloc::kExitTime)) {
            armsAt_[p].reset(); // disarmed during the exit time
            continue;
        }
        if (now < *armsAt_[p])
            continue;
        ram.write(kPartitionLocations[p], static_cast<std::uint8_t>((state & ~ramloc::kExitTime) | ramloc::kArmed));
        armsAt_[p].reset();
    }
}

} // namespace qarvo::sim

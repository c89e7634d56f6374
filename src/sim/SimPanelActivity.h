#pragma once
// Life on a simulated site, for demonstrations and manual runs: zones that
// open and close on their own as people walk through, and an exit time
// between an arming request and the armed state. Everything is computed
// from the time given, so the same script gives the same states.
#include "sim/SimPanelRam.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace qarvo::sim {

struct ZoneWalk {
    int zone = 1;                          // 1-based
    std::chrono::milliseconds closed{3000}; // first closed this long,
    std::chrono::milliseconds open{2000};   // then open this long, and again
};

struct ActivityScript {
    // An arming request starts the exit time; the partition is armed when
    // it has run out. Zero arms at once.
    std::chrono::milliseconds exitTime{0};
    std::vector<ZoneWalk> walks;

    bool empty() const { return exitTime.count() == 0 && walks.empty(); }
};

class SimPanelActivity {
public:
    using Clock = std::chrono::steady_clock;

    explicit SimPanelActivity(ActivityScript script = {}, Clock::time_point start = Clock::now());

    const ActivityScript& script() const { return script_; }

    // The zones the walks hold open at now (bit 0 for zone 1).
    std::uint16_t openZones(Clock::time_point now) const;

    // After a keypad command: a partition that went from disarmed to armed
    // is put into its exit time instead.
    void afterKeypadCommand(SimPanelRam& ram, const std::array<std::uint8_t, 2>& before, Clock::time_point now);
    // Before a status message: a partition whose exit time has run out is
    // armed; one disarmed meanwhile is forgotten.
    void settle(SimPanelRam& ram, Clock::time_point now);

private:
    ActivityScript script_;
    Clock::time_point start_;
    std::array<std::optional<Clock::time_point>, 2> armsAt_{}; // partition A (or system), B
};

} // namespace qarvo::sim

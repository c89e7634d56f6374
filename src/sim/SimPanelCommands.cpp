#include "sim/SimPanelCommands.h"

#include <algorithm>

namespace qarvo::sim {

namespace {

using namespace ramloc;

// Disarming ends arming, exit and entry time and any autoarming countdown.
constexpr std::uint8_t kClearedByDisarm = kArmed | kExitTime | kEntryTime | kStay | kInstant | kAutoarming
                                          | kAutoarmingPending;
constexpr std::uint8_t kAutoarmingBits = kAutoarming | kAutoarmingPending;
// Armed, the low bits mean stay and instant; disarmed they mean not ready
// and ready for forced arming. Arming from the PC is a plain arming.
constexpr std::uint8_t kClearedByArm = kStay | kInstant;

// One command toggles the partition through its states, as the keypad's
// arm/disarm key does: armed or in exit time → disarmed; counting down to
// autoarming → autoarming stopped; otherwise → armed. There is no exit
// delay: the simulated panel arms at once.
void togglePartition(SimPanelRam& ram, std::uint8_t location)
{
    const std::uint8_t state = ram.read(location);
    if (state & (kArmed | kExitTime))
        ram.write(location, static_cast<std::uint8_t>(state & ~kClearedByDisarm));
    else if (state & kAutoarmingBits)
        ram.write(location, static_cast<std::uint8_t>(state & ~kAutoarmingBits));
    else
        ram.write(location, static_cast<std::uint8_t>((state & ~kClearedByArm) | kArmed));
}

// Leaving the keypad menus frees the keypads, which lets the clock be set.
void leaveMenus(SimPanelRam& ram)
{
    ram.write(kKeypadState, 0);
    ram.write(kKeypadState2, 0);
}

constexpr bool followsPc(std::uint8_t type)
{
    return type == pgmtype::kRetriggerableMonostable || type == pgmtype::kResettableMonostable
           || type == pgmtype::kBistable || type == pgmtype::kClock;
}

} // namespace

bool runKeypadRequest(SimPanelRam& ram, std::uint8_t command, std::uint8_t toggle)
{
    const std::uint8_t toggleMask = 1u << kToggleBit;
    const std::uint8_t control = ram.read(kToggleLocation);
    if ((control & toggleMask) == (toggle & toggleMask))
        return false;
    ram.write(kToggleLocation, static_cast<std::uint8_t>((control & ~toggleMask) | (toggle & toggleMask)));
    ram.write(kKeypadCommand, command);
    switch (command) {
    case keypad::kPartitionA:
        togglePartition(ram, kPartitionA);
        break;
    case keypad::kPartitionB:
        togglePartition(ram, kPartitionB);
        break;
    case keypad::kLeaveMenus:
        leaveMenus(ram);
        break;
    default:
        break; // a key the simulated panel does not act on
    }
    return true;
}

void runPgmChange(SimPanelRam& ram, std::uint8_t mask, int pgmCount)
{
    std::uint8_t states = ram.read(kPgmStates);
    for (int pgm = 0; pgm < std::min(pgmCount, 8); ++pgm) {
        const std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> pgm);
        const std::uint8_t type = ram.read(static_cast<std::uint8_t>(kPgmTypes + pgm));
        if (!(mask & bit) || !followsPc(type))
            continue;
        states = type == pgmtype::kRetriggerableMonostable ? states | bit : states ^ bit;
    }
    ram.write(kPgmStates, states);
}

} // namespace qarvo::sim

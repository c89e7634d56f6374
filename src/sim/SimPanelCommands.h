#pragma once
// What the panel does with the live commands the program writes into its
// RAM: keypad commands (arm, disarm, stop autoarming, leave the keypad
// menus) and PGM changes.
#include "sim/SimPanelRam.h"

#include <cstdint>

namespace qarvo::sim {

namespace keypad {
inline constexpr std::uint8_t kPartitionA = 0xCC; // the whole system when not partitioned
inline constexpr std::uint8_t kPartitionB = 0xAC;
inline constexpr std::uint8_t kLeaveMenus = 0x0B;
} // namespace keypad

// PGM types that follow a change request from the PC.
namespace pgmtype {
inline constexpr std::uint8_t kRetriggerableMonostable = 0x47;
inline constexpr std::uint8_t kResettableMonostable = 0x48;
inline constexpr std::uint8_t kBistable = 0x49;
inline constexpr std::uint8_t kClock = 0x20;
} // namespace pgmtype

// A keypad request: command to the keypad command location and the toggle
// bit into the control location. The panel carries a command out only when
// the toggle bit differs from the one it holds, so that a request repeated
// after a lost echo is not carried out twice. Returns true when it acted.
bool runKeypadRequest(SimPanelRam& ram, std::uint8_t command, std::uint8_t toggle);

// A PGM change request: mask has bit 7 for PGM 1. Bistable, clock and
// resettable monostable outputs toggle; a retriggerable monostable is
// (re)started and stays on, since the simulated panel keeps no time; an
// output of any other type ignores the request.
void runPgmChange(SimPanelRam& ram, std::uint8_t mask, int pgmCount);

} // namespace qarvo::sim

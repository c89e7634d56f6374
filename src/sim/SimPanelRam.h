#pragma once
// The simulated panel's 256-byte RAM, its named locations and the RAM
// operations the program sends (E5 op address value / E6 op address v1 v2).
#include "panel/RamLocations.h"

#include <array>
#include <cstdint>
#include <optional>

namespace qarvo::sim {

// Locations and bit numbers, taken from the panel RAM location table.
namespace ramloc {
using panel::kRamLocations;
inline constexpr std::uint8_t kKeypadState = kRamLocations[1];  // must read 0 before the clock is set
inline constexpr std::uint8_t kKeypadState2 = kRamLocations[2];
inline constexpr std::uint8_t kKeypadCommand = kRamLocations[10];
inline constexpr std::uint8_t kToggleLocation = kRamLocations[11];
inline constexpr std::uint8_t kToggleBit = kRamLocations[12];
inline constexpr std::uint8_t kPartitionA = kRamLocations[17];
inline constexpr std::uint8_t kPartitionB = kRamLocations[30];
inline constexpr std::uint8_t kPgmStates = kRamLocations[31];
inline constexpr std::uint8_t kBypassLowA = kRamLocations[35];
inline constexpr std::uint8_t kBypassHighA = kRamLocations[37];
inline constexpr std::uint8_t kClockDay = kRamLocations[42];
inline constexpr std::uint8_t kClockMonth = kRamLocations[43];
inline constexpr std::uint8_t kClockYear = kRamLocations[44];
inline constexpr std::uint8_t kClockHour = kRamLocations[45];
inline constexpr std::uint8_t kClockMinute = kRamLocations[46];
inline constexpr std::uint8_t kClockSecond = kRamLocations[47];
inline constexpr std::uint8_t kCondition = kRamLocations[48];
inline constexpr std::uint8_t kPgmTypes = kRamLocations[50];
inline constexpr std::uint8_t kCommandLocation = kRamLocations[52];
// The memory page register that the four-byte and one-byte transfers use.
inline constexpr std::uint8_t kPageRegister = 0x6F;

// Bits of a partition state byte.
inline constexpr std::uint8_t kArmed = 1u << kRamLocations[18];
inline constexpr std::uint8_t kAutoarming = 1u << kRamLocations[19];
inline constexpr std::uint8_t kExitTime = 1u << kRamLocations[20];
inline constexpr std::uint8_t kChime = 1u << kRamLocations[22];
inline constexpr std::uint8_t kInstant = 1u << kRamLocations[23];
inline constexpr std::uint8_t kStay = 1u << kRamLocations[25];
inline constexpr std::uint8_t kEntryTime = 1u << kRamLocations[26];
inline constexpr std::uint8_t kAutoarmingPending = 1u << kRamLocations[27];
} // namespace ramloc

// RAM operation codes.
namespace ramop {
inline constexpr std::uint8_t kPgmChange = 0x08;
inline constexpr std::uint8_t kKeypadCommand = 0x58;
inline constexpr std::uint8_t kWriteCommand = 0xB8;
} // namespace ramop

// The panel clock as it sits in the clock locations.
struct RamClock {
    std::uint8_t day = 1;   // 1-31
    std::uint8_t month = 1; // 1-12
    std::uint8_t year = 0;  // two digits
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
};

// Where a zone's bypass bit lives.
struct BypassBit {
    std::uint8_t location;
    std::uint8_t mask;
};

class SimPanelRam {
public:
    std::uint8_t read(std::uint8_t address) const { return bytes_[address]; }
    void write(std::uint8_t address, std::uint8_t value) { bytes_[address] = value; }
    bool test(std::uint8_t address, std::uint8_t mask) const { return (bytes_[address] & mask) != 0; }

    // Runs one of the plain RAM operations (read, clear, set, invert,
    // write) on one location. Returns the byte the reply carries: the
    // location's contents for a read, the request's own value for the others
    // (the panel echoes what it was asked to do); nullopt for an operation
    // that is not a plain one.
    std::optional<std::uint8_t> apply(std::uint8_t op, std::uint8_t address, std::uint8_t value);

    RamClock clock() const;
    void setClock(const RamClock& clock);

    // The bypass bit of zone index (0-based) for a panel with zoneCount
    // zones; nullopt for panels with 8 zones or fewer, which cannot bypass.
    static std::optional<BypassBit> bypassBit(int zone, int zoneCount, bool partitionB);
    // The bypassed zones of one partition, bit 0 for zone 1.
    std::uint16_t bypassedZones(int zoneCount, bool partitionB) const;
    void setBypassedZones(std::uint16_t zones, int zoneCount, bool partitionB);

private:
    std::array<std::uint8_t, 256> bytes_{};
};

} // namespace qarvo::sim

#pragma once
// The two status messages the panel sends in the idle exchange, built from
// a readable description: 0x1E (zones) and 0x1F (PGMs and clock). Both end
// with the same 15-byte status block for one partition. Messages are built
// without the check byte; the communicator adds it and its own two bytes.
#include "sim/PanelPeer.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qarvo::sim {

inline constexpr std::uint8_t kZoneStatusCode = 0x1E;
inline constexpr std::uint8_t kPgmStatusCode = 0x1F;

// The panel clock as the PGM status message carries it.
struct StatusClock {
    std::uint16_t minuteOfMonth = 0; // (day - 1) * 1440 + hour * 60 + minute
    std::uint8_t monthIndex = 0;     // 0 for January
    std::uint8_t year = 0;           // two digits
};

// Zone maps have bit 0 for zone 1.
struct PanelStatus {
    std::uint8_t troubles = 0;       // bit 7 low battery ... bit 0 AUX trouble
    std::uint8_t partitionState = 0; // state byte of the reported partition
    std::uint16_t stayZones = 0;
    std::uint16_t bypassedZones = 0;
    std::uint16_t openZones = 0;
    std::uint16_t tamperOpenZones = 0;
    std::uint16_t burglaryZones = 0;
    std::uint16_t tamperAlarmZones = 0;
    bool partitioned = false;
    bool reportsPartitionB = false;  // only meaningful when partitioned
    std::vector<std::uint8_t> zoneDescriptors; // zone 1 first; missing zones read 0
    StatusClock clock;
    std::uint8_t pgmStates = 0;      // bit 7 for PGM 1
    std::vector<std::uint8_t> pgmTypes;        // PGM 1 first; missing PGMs read 0
};

// 0x1E, the Z zone descriptors, the status block: 16 + Z bytes.
Message zoneStatusMessage(const PanelStatus& status, int zoneCount);
// 0x1F, the clock, the PGM state map, the n PGM types, the status block:
// 21 + n bytes.
Message pgmStatusMessage(const PanelStatus& status, int pgmCount);

// The wire form of a zone map: the little-endian word with the bit order
// reversed in each byte, so that zone 1 is bit 7 of the first byte.
std::array<std::uint8_t, 2> encodeZoneMap(std::uint16_t zones);
std::uint16_t decodeZoneMap(std::uint8_t first, std::uint8_t second);

} // namespace qarvo::sim

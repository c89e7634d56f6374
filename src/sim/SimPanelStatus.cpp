#include "sim/SimPanelStatus.h"

#include <algorithm>

namespace qarvo::sim {

namespace {

// Partition byte of the status block: bit 0 partitioned, bit 1 the block
// reports partition B (either bit set means partitioned).
constexpr std::uint8_t kPartitioned = 0x01;
constexpr std::uint8_t kReportsB = 0x02;
// The state byte bits that make the stay map meaningful.
constexpr std::uint8_t kArmedAndStay = 0x08 | 0x01;

std::uint8_t reverseBits(std::uint8_t b)
{
    std::uint8_t r = 0;
    for (int i = 0; i < 8; ++i)
        r = static_cast<std::uint8_t>(r | ((b >> i & 1u) << (7 - i)));
    return r;
}

void appendMap(Message& m, std::uint16_t zones)
{
    const auto bytes = encodeZoneMap(zones);
    m.insert(m.end(), bytes.begin(), bytes.end());
}

// n entries of values, zero-padded or cut.
void appendPadded(Message& m, const std::vector<std::uint8_t>& values, int n)
{
    for (int i = 0; i < n; ++i)
        m.push_back(static_cast<std::size_t>(i) < values.size() ? values[i] : 0);
}

void appendStatusBlock(Message& m, const PanelStatus& s)
{
    m.push_back(s.troubles);
    m.push_back(s.partitionState);
    // A panel that is not stay-armed reports no stay zones.
    appendMap(m, (s.partitionState & kArmedAndStay) == kArmedAndStay ? s.stayZones : 0);
    appendMap(m, s.bypassedZones);
    appendMap(m, s.openZones);
    appendMap(m, s.tamperOpenZones);
    appendMap(m, s.burglaryZones);
    appendMap(m, s.tamperAlarmZones);
    std::uint8_t partition = 0;
    if (s.partitioned)
        partition = s.reportsPartitionB ? kPartitioned | kReportsB : kPartitioned;
    m.push_back(partition);
}

int clampCount(int n)
{
    return std::clamp(n, 0, 64);
}

} // namespace

std::array<std::uint8_t, 2> encodeZoneMap(std::uint16_t zones)
{
    return {reverseBits(static_cast<std::uint8_t>(zones)), reverseBits(static_cast<std::uint8_t>(zones >> 8))};
}

std::uint16_t decodeZoneMap(std::uint8_t first, std::uint8_t second)
{
    return static_cast<std::uint16_t>(reverseBits(first) | reverseBits(second) << 8);
}

Message zoneStatusMessage(const PanelStatus& status, int zoneCount)
{
    Message m{kZoneStatusCode};
    appendPadded(m, status.zoneDescriptors, clampCount(zoneCount));
    appendStatusBlock(m, status);
    return m;
}

Message pgmStatusMessage(const PanelStatus& status, int pgmCount)
{
    Message m{kPgmStatusCode};
    m.push_back(static_cast<std::uint8_t>(status.clock.minuteOfMonth >> 8));
    m.push_back(static_cast<std::uint8_t>(status.clock.minuteOfMonth));
    m.push_back(status.clock.monthIndex);
    m.push_back(status.clock.year);
    m.push_back(status.pgmStates);
    appendPadded(m, status.pgmTypes, clampCount(pgmCount));
    appendStatusBlock(m, status);
    return m;
}

} // namespace qarvo::sim

#include "sim/SimPanelRam.h"

#include <algorithm>

namespace qarvo::sim {

namespace {

enum class RamAction { Read, KeepBits, SetBits, InvertBits, Write };

struct RamOperation {
    std::uint8_t op;
    RamAction action;
};

// The second forms (0x90, 0x81, 0x82, 0xB8) act exactly as the first ones.
constexpr RamOperation kRamOperations[] = {
    {0x10, RamAction::Read},       {0x90, RamAction::Read},     {0x01, RamAction::KeepBits},
    {0x81, RamAction::KeepBits},   {0x02, RamAction::SetBits},  {0x82, RamAction::SetBits},
    {0x04, RamAction::InvertBits}, {0x88, RamAction::Write},    {ramop::kWriteCommand, RamAction::Write},
};

constexpr int kZonesWithoutBypass = 8;

} // namespace

std::optional<std::uint8_t> SimPanelRam::apply(std::uint8_t op, std::uint8_t address, std::uint8_t value)
{
    const auto found = std::ranges::find(kRamOperations, op, &RamOperation::op);
    if (found == std::end(kRamOperations))
        return std::nullopt;
    std::uint8_t& cell = bytes_[address];
    switch (found->action) {
    case RamAction::Read:
        return cell;
    case RamAction::KeepBits:
        cell &= value;
        break;
    case RamAction::SetBits:
        cell |= value;
        break;
    case RamAction::InvertBits:
        cell ^= value;
        break;
    case RamAction::Write:
        cell = value;
        break;
    }
    return value;
}

RamClock SimPanelRam::clock() const
{
    using namespace ramloc;
    return {read(kClockDay), read(kClockMonth), read(kClockYear),
            read(kClockHour), read(kClockMinute), read(kClockSecond)};
}

void SimPanelRam::setClock(const RamClock& clock)
{
    using namespace ramloc;
    write(kClockDay, clock.day);
    write(kClockMonth, clock.month);
    write(kClockYear, clock.year);
    write(kClockHour, clock.hour);
    write(kClockMinute, clock.minute);
    write(kClockSecond, clock.second);
}

std::optional<BypassBit> SimPanelRam::bypassBit(int zone, int zoneCount, bool partitionB)
{
    if (zoneCount <= kZonesWithoutBypass || zone < 0 || zone >= zoneCount)
        return std::nullopt;
    // Partition B's byte follows partition A's.
    const int partition = partitionB ? 1 : 0;
    const int half = zoneCount / 2;
    if (zone < half)
        return BypassBit{static_cast<std::uint8_t>(ramloc::kBypassLowA + partition),
                         static_cast<std::uint8_t>(1u << (7 - zone))};
    return BypassBit{static_cast<std::uint8_t>(ramloc::kBypassHighA + partition),
                     static_cast<std::uint8_t>(1u << (half - zone + 7))};
}

std::uint16_t SimPanelRam::bypassedZones(int zoneCount, bool partitionB) const
{
    std::uint16_t zones = 0;
    for (int zone = 0; zone < zoneCount && zone < 16; ++zone) {
        const auto bit = bypassBit(zone, zoneCount, partitionB);
        if (bit && test(bit->location, bit->mask))
            zones = static_cast<std::uint16_t>(zones | 1u << zone);
    }
    return zones;
}

void SimPanelRam::setBypassedZones(std::uint16_t zones, int zoneCount, bool partitionB)
{
    for (int zone = 0; zone < zoneCount && zone < 16; ++zone) {
        const auto bit = bypassBit(zone, zoneCount, partitionB);
        if (!bit)
            continue;
        const bool on = (zones >> zone & 1u) != 0;
        const std::uint8_t cell = read(bit->location);
        write(bit->location, static_cast<std::uint8_t>(on ? cell | bit->mask : cell & ~bit->mask));
    }
}

} // namespace qarvo::sim

#pragma once
// CRC-16/ARC: reflected polynomial 0xA001, initial value 0, no final XOR.
// Every datagram carries it over its header and padded payload.
#include <cstdint>
#include <span>

namespace qarvo::link {

std::uint16_t crc16(std::span<const std::uint8_t> data, std::uint16_t crc = 0);

} // namespace qarvo::link

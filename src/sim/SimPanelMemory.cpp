#include "sim/SimPanelMemory.h"

#include <algorithm>

namespace qarvo::sim {

void SimPanelMemory::seed(std::span<const std::uint8_t> image)
{
    erase();
    const std::size_t n = std::min(image.size(), kSize);
    std::copy_n(image.begin(), n, bytes_.begin());
}

std::array<std::uint8_t, 4> SimPanelMemory::readFour(std::uint16_t address) const
{
    std::array<std::uint8_t, 4> data{};
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = read(static_cast<std::uint16_t>(address + i));
    return data;
}

void SimPanelMemory::write(std::uint16_t address, std::span<const std::uint8_t> data)
{
    for (std::size_t i = 0; i < data.size(); ++i)
        bytes_[static_cast<std::uint16_t>(address + i)] = data[i];
}

std::uint16_t SimPanelMemory::readWord(std::uint16_t address) const
{
    return static_cast<std::uint16_t>(read(address) << 8 | read(static_cast<std::uint16_t>(address + 1)));
}

void SimPanelMemory::writeWord(std::uint16_t address, std::uint16_t value)
{
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    write(address, data);
}

} // namespace qarvo::sim

#pragma once
// The simulated panel's 64 KiB programming memory. Erased memory reads 0xFF.
// Addresses run on linearly: a transfer that starts near the end of one
// 256-byte page goes on into the next page, and the top of memory wraps to 0.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qarvo::sim {

class SimPanelMemory {
public:
    static constexpr std::size_t kSize = 0x10000;
    static constexpr std::uint8_t kErased = 0xFF;

    SimPanelMemory() { erase(); }

    void erase() { bytes_.assign(kSize, kErased); }
    // Copies image into memory from address 0; memory beyond it is erased.
    // Bytes beyond 64 KiB are ignored.
    void seed(std::span<const std::uint8_t> image);

    std::uint8_t read(std::uint16_t address) const { return bytes_[address]; }
    std::array<std::uint8_t, 4> readFour(std::uint16_t address) const;
    void write(std::uint16_t address, std::span<const std::uint8_t> data);

    // 16-bit values kept high byte first, as the identification codes are.
    std::uint16_t readWord(std::uint16_t address) const;
    void writeWord(std::uint16_t address, std::uint16_t value);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace qarvo::sim

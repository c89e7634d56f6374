#pragma once
// The panel's whole programming memory as the program keeps it: byte N stands
// for panel address N, and 0xFF is what erased memory reads.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qarvo::panel {

class PanelImage {
public:
    static constexpr std::size_t kSize = 65536;
    static constexpr std::uint8_t kErased = 0xFF;
    static constexpr std::uint16_t kModelByteAddress = 0x000;

    PanelImage() { erase(); }

    void erase() { bytes_.fill(kErased); }

    std::uint8_t& operator[](std::size_t address) { return bytes_[address]; }
    std::uint8_t operator[](std::size_t address) const { return bytes_[address]; }

    // The bytes [offset, offset + length); empty when any of them lies
    // outside the image.
    std::span<std::uint8_t> range(std::size_t offset, std::size_t length)
    {
        return fits(offset, length) ? std::span(bytes_).subspan(offset, length) : std::span<std::uint8_t>();
    }
    std::span<const std::uint8_t> range(std::size_t offset, std::size_t length) const
    {
        return fits(offset, length) ? std::span(bytes_).subspan(offset, length)
                                    : std::span<const std::uint8_t>();
    }

    std::span<std::uint8_t, kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }

    friend bool operator==(const PanelImage&, const PanelImage&) = default;

private:
    static constexpr bool fits(std::size_t offset, std::size_t length)
    {
        return offset <= kSize && length <= kSize - offset;
    }

    std::array<std::uint8_t, kSize> bytes_;
};

} // namespace qarvo::panel

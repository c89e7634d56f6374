#pragma once
// One setting's place in the panel memory image.
#include <cstdint>

namespace qarvo::panel {

struct eeloc_t {
    static constexpr std::uint16_t kAbsent = 0xFFFF;

    // For a two-byte report code entry the offset names the entry's second
    // byte; for every other setting the first byte.
    std::uint16_t offset = kAbsent;
    std::uint16_t length = kAbsent;

    constexpr bool present() const { return offset != kAbsent; }
    friend constexpr bool operator==(const eeloc_t&, const eeloc_t&) = default;
};

} // namespace qarvo::panel

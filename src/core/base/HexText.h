#pragma once
// Numbers as the option pages show them in their edit fields: hex numbers
// of 8 or 4 digits, 16-bit decimal numbers, and the fixed 4-character text
// field of the communicator options. A text that does not hold such a
// number is refused (nullopt), never read as part of itself.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qarvo::hex {

inline constexpr std::size_t kMaxHexDigits = 8;

// Up to 8 hex digits, either case; an empty text reads 0. Longer texts and
// texts with any other character are refused.
std::optional<std::uint32_t> parseHex(std::string_view text);
// A 16-bit hex field: as parseHex, and 0x10000 or more is refused.
std::optional<std::uint16_t> parseHex16(std::string_view text);
// A 16-bit decimal field: digits only, at most 0xFFFF.
std::optional<std::uint16_t> parseDecimal16(std::string_view text);

std::string formatHex32(std::uint32_t value); // "%08X"
std::string formatHex16(std::uint16_t value); // "%04X"

using FixedText4 = std::array<char, 4>;
// The first 4 single-byte characters of the text, the rest of the field 0.
FixedText4 toFixedText4(std::string_view text);
// The field's characters up to its first 0 byte.
std::string fromFixedText4(const FixedText4& field);

} // namespace qarvo::hex

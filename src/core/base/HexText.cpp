#include "base/HexText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace qarvo::hex {

std::optional<std::uint32_t> parseHex(std::string_view text)
{
    if (text.size() > kMaxHexDigits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::optional<std::uint16_t> parseHex16(std::string_view text)
{
    const auto value = parseHex(text);
    if (!value || *value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(*value);
}

std::optional<std::uint16_t> parseDecimal16(std::string_view text)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::string formatHex32(std::uint32_t value)
{
    char text[12];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}

std::string formatHex16(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

FixedText4 toFixedText4(std::string_view text)
{
    FixedText4 field{};
    std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
    return field;
}

std::string fromFixedText4(const FixedText4& field)
{
    return {field.begin(), std::find(field.begin(), field.end(), '\0')};
}

} // namespace qarvo::hex

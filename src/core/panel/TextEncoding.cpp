#include "panel/TextEncoding.h"

#include <array>

namespace qarvo::panel {

namespace {

// 0x80-0x9F of Windows-1252. The five bytes the code page leaves undefined map
// to the C1 control of the same value, so every byte converts both ways.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kUnmappable = '?';

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

struct Utf8Lead {
    int length;       // bytes in the sequence
    char32_t bits;    // payload of the lead byte
    char32_t minimum; // smallest code point this length may carry
};

std::optional<Utf8Lead> utf8Lead(unsigned char b)
{
    if (b < 0x80) return Utf8Lead{1, b, 0};
    if ((b & 0xE0) == 0xC0) return Utf8Lead{2, b & 0x1Fu, 0x80};
    if ((b & 0xF0) == 0xE0) return Utf8Lead{3, b & 0x0Fu, 0x800};
    if ((b & 0xF8) == 0xF0) return Utf8Lead{4, b & 0x07u, 0x10000};
    return std::nullopt;
}

} // namespace

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = utf8Lead(static_cast<unsigned char>(text[i]));
        if (!lead) {
            out.push_back(kReplacementCharacter);
            ++i;
            continue;
        }
        char32_t c = lead->bits;
        int taken = 1;
        while (taken < lead->length && i + taken < text.size()
               && isContinuation(static_cast<unsigned char>(text[i + taken]))) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + taken]) & 0x3Fu);
            ++taken;
        }
        const bool whole = taken == lead->length;
        const bool valid = whole && c >= lead->minimum && c <= 0x10FFFF && !isSurrogate(c);
        out.push_back(valid ? c : kReplacementCharacter);
        i += static_cast<std::size_t>(taken);
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text) {
        if (c > 0x10FFFF || isSurrogate(c))
            c = kReplacementCharacter;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    for (char32_t c : decodeUtf8(text)) {
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text)
{
    std::u32string chars;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        const bool high = u >= 0xD800 && u <= 0xDBFF;
        const bool lowFollows = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (high && lowFollows) {
            chars.push_back(0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else {
            chars.push_back(isSurrogate(u) ? kReplacementCharacter : char32_t(u));
        }
    }
    return encodeUtf8(chars);
}

char32_t cp1252ToUnicode(std::uint8_t byte)
{
    return byte >= 0x80 && byte <= 0x9F ? char32_t(kCp1252High[byte - 0x80]) : char32_t(byte);
}

std::optional<std::uint8_t> unicodeToCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<std::uint8_t>(c);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == c)
            return static_cast<std::uint8_t>(0x80 + i);
    return std::nullopt;
}

std::string cp1252ToUtf8(std::span<const std::uint8_t> bytes)
{
    std::u32string chars;
    for (std::uint8_t b : bytes)
        chars.push_back(cp1252ToUnicode(b));
    return encodeUtf8(chars);
}

std::string utf8ToCp1252(std::string_view text)
{
    std::string out;
    for (char32_t c : decodeUtf8(text))
        out.push_back(static_cast<char>(unicodeToCp1252(c).value_or(kUnmappable)));
    return out;
}

} // namespace qarvo::panel

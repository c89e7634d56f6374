#include "base/BoundedText.h"

#include <algorithm>
#include <optional>
#include <string>

namespace qarvo::text {
namespace {

template <class Char>
CopyResult copyUnits(std::span<Char> dest, std::basic_string_view<Char> source, std::source_location where)
{
    if (dest.empty())
        return {CopyOutcome::Truncated, 0, where};
    const std::size_t length = std::min(source.size(), dest.size() - 1);
    std::copy_n(source.begin(), length, dest.begin());
    dest[length] = Char{};
    return {length == source.size() ? CopyOutcome::Whole : CopyOutcome::Truncated, length, where};
}

// One code point read from the front of the text, or nullopt when the text
// does not start with a well-formed one.
std::optional<char32_t> takeUtf8(std::string_view& text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t size = 0;
    char32_t point = 0;
    char32_t least = 0;
    if (lead < 0x80)
        size = 1, point = lead;
    else if ((lead & 0xE0) == 0xC0)
        size = 2, point = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        size = 3, point = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        size = 4, point = lead & 0x07, least = 0x10000;
    else
        return std::nullopt;
    if (text.size() < size)
        return std::nullopt;
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        point = (point << 6) | (next & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    text.remove_prefix(size);
    return point;
}

std::optional<char32_t> takeUtf16(std::u16string_view& text)
{
    const char16_t first = text[0];
    if (first < 0xD800 || first > 0xDFFF) {
        text.remove_prefix(1);
        return first;
    }
    if (first > 0xDBFF || text.size() < 2 || text[1] < 0xDC00 || text[1] > 0xDFFF)
        return std::nullopt;
    const char32_t point = 0x10000 + ((char32_t(first) - 0xD800) << 10) + (char32_t(text[1]) - 0xDC00);
    text.remove_prefix(2);
    return point;
}

std::u16string utf16Of(char32_t point)
{
    if (point < 0x10000)
        return std::u16string(1, static_cast<char16_t>(point));
    point -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (point >> 10)), static_cast<char16_t>(0xDC00 + (point & 0x3FF))};
}

std::string utf8Of(char32_t point)
{
    if (point < 0x80)
        return std::string(1, static_cast<char>(point));
    if (point < 0x800)
        return {static_cast<char>(0xC0 | (point >> 6)), static_cast<char>(0x80 | (point & 0x3F))};
    if (point < 0x10000)
        return {static_cast<char>(0xE0 | (point >> 12)), static_cast<char>(0x80 | ((point >> 6) & 0x3F)),
                static_cast<char>(0x80 | (point & 0x3F))};
    return {static_cast<char>(0xF0 | (point >> 18)), static_cast<char>(0x80 | ((point >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((point >> 6) & 0x3F)), static_cast<char>(0x80 | (point & 0x3F))};
}

// Converts whole code points while they fit with the terminator; the
// decoder and encoder pick the direction.
template <class In, class Out, class Take, class Encode>
CopyResult convert(std::span<Out> dest, std::basic_string_view<In> source, std::source_location where, Take take,
                   Encode encode)
{
    if (dest.empty())
        return {CopyOutcome::Truncated, 0, where};
    std::basic_string<Out> converted;
    bool cut = false;
    while (!source.empty()) {
        const auto point = take(source);
        if (!point) {
            dest[0] = Out{};
            return {CopyOutcome::Invalid, 0, where};
        }
        const auto units = encode(*point);
        if (cut || converted.size() + units.size() + 1 > dest.size()) {
            cut = true; // keep reading: a malformed tail is still refused
            continue;
        }
        converted += units;
    }
    std::copy(converted.begin(), converted.end(), dest.begin());
    dest[converted.size()] = Out{};
    return {cut ? CopyOutcome::Truncated : CopyOutcome::Whole, converted.size(), where};
}

} // namespace

CopyResult boundedCopy(std::span<char> dest, std::string_view source, std::source_location where)
{
    return copyUnits(dest, source, where);
}

CopyResult boundedCopy(std::span<char16_t> dest, std::u16string_view source, std::source_location where)
{
    return copyUnits(dest, source, where);
}

CopyResult utf8ToUtf16(std::span<char16_t> dest, std::string_view source, std::source_location where)
{
    return convert(dest, source, where, takeUtf8, utf16Of);
}

CopyResult utf16ToUtf8(std::span<char> dest, std::u16string_view source, std::source_location where)
{
    return convert(dest, source, where, takeUtf16, utf8Of);
}

} // namespace qarvo::text

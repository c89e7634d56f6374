#include "panel/FormatList.h"

#include <algorithm>
#include <cstdio>

namespace qarvo::panel {

namespace {

constexpr FormatItem kFormats[] = {
    {0x00, 2351}, {0x01, 2352}, {0x02, 2353}, {0x03, 2354}, {0x04, 2355}, {0x05, 2356}, {0x06, 2357},
    {0x07, 2358}, {0x20, 2359}, {0x21, 2360}, {0x22, 2361}, {0x23, 2362}, {0x24, 2363}, {0x25, 2364},
    {0x29, 2365}, {0x30, 2366}, {0x40, 2367}, {0x41, 2368}, {0x42, 2369}, {0x43, 2370}, {0x44, 2371},
    {0x45, 2372}, {0x46, 2373}, {0x47, 2374}, {0x10, 2375}, {0x90, 2376},
};

constexpr int kFormatCount = static_cast<int>(std::size(kFormats));

} // namespace

std::span<const FormatItem> formatList()
{
    return kFormats;
}

FormatField showFormat(std::uint8_t code)
{
    const auto found = std::ranges::find(kFormats, code, &FormatItem::code);
    if (found == std::end(kFormats))
        return {kFormatCount, code};
    return {static_cast<int>(found - std::begin(kFormats)), std::nullopt};
}

std::optional<std::uint8_t> selectedFormat(const FormatField& field)
{
    if (field.index < 0 || field.index >= kFormatCount)
        return std::nullopt;
    return kFormats[field.index].code;
}

int formatItemCount(const FormatField& field)
{
    return kFormatCount + (field.invalidCode ? 1 : 0);
}

std::string formatMarkerPrefix(std::uint8_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "!!! %02X", unsigned(code));
    return text;
}

} // namespace qarvo::panel

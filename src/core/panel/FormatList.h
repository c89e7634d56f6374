#pragma once
// The communication formats the two format lists offer. A format byte that
// matches none of them is shown as an extra marker item ("!!! " and its two
// hex digits, then "/Invalid communication format"), which cannot be stored.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qarvo::panel {

struct FormatItem {
    std::uint8_t code; // the hexadecimal number before the "/" of the text
    int textId;
};

std::span<const FormatItem> formatList();

// A format list's selection: an index into formatList(), or the marker item
// (index formatList().size()) when invalidCode holds the unknown byte.
struct FormatField {
    int index = -1; // -1: nothing selected
    std::optional<std::uint8_t> invalidCode;

    friend bool operator==(const FormatField&, const FormatField&) = default;
};

// The selection showing a format byte; any earlier marker item is dropped.
FormatField showFormat(std::uint8_t code);
// The byte of the selected item; nullopt for no selection or the marker item.
std::optional<std::uint8_t> selectedFormat(const FormatField& field);
// The number of items the list shows: the formats and the marker, if any.
int formatItemCount(const FormatField& field);
// The start of the marker item's text, "!!! " and the byte's two hex digits;
// the page appends the text of kInvalidCommunicationFormat.
std::string formatMarkerPrefix(std::uint8_t code);

} // namespace qarvo::panel

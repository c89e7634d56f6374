#pragma once
// The events the panel reports to the central stations, in the order of the
// report code block: the text naming each and the first two digits of its
// Contact ID code (event qualifier and group), which the panel fixes.
#include "panel/LayoutTable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qarvo::panel {

struct ReportEvent {
    int textId;
    std::uint8_t cidPrefix; // shown as two hex digits before the stored pair
};

inline constexpr int kReportEventCount = 62;

// Entry n (from 1) of the chain is element n - 1.
std::span<const ReportEvent> reportEvents();

// The chain entries (from 1) the layout holds, in block order: the rows of
// the codes grid.
std::vector<int> reportRowEntries(const LayoutTable& layout);

// Whether the entry's 4x2 code is one hex digit, kept in the high nibble of
// its second byte.
bool isOneDigitEntry(const LayoutTable& layout, int entry);

} // namespace qarvo::panel

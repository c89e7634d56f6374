#include "panel/ReportEvents.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

constexpr ReportEvent kEvents[kReportEventCount] = {
    {173, 0x34}, {174, 0x34}, {175, 0x34}, {178, 0x34}, {179, 0x34}, {180, 0x34}, {186, 0x14}, {187, 0x14},
    {188, 0x14}, {248, 0x14}, {189, 0x34}, {181, 0x34}, {182, 0x34}, {183, 0x34}, {184, 0x34}, {185, 0x14},
    {204, 0x14}, {205, 0x14}, {206, 0x16}, {207, 0x16}, {208, 0x14}, {190, 0x15}, {247, 0x15}, {12, 0x15},
    {29, 0x15},  {30, 0x13},  {31, 0x33},  {32, 0x13},  {33, 0x33},  {209, 0x11}, {210, 0x11}, {211, 0x11},
    {212, 0x11}, {213, 0x11}, {214, 0x11}, {215, 0x14}, {216, 0x31}, {217, 0x31}, {261, 0x11}, {262, 0x31},
    {218, 0x13}, {219, 0x13}, {220, 0x13}, {221, 0x13}, {222, 0x16}, {223, 0x33}, {224, 0x33}, {225, 0x33},
    {226, 0x33}, {227, 0x36}, {228, 0x16}, {229, 0x16}, {230, 0x14}, {231, 0x34}, {232, 0x16}, {233, 0x16},
    {234, 0x16}, {235, 0x13}, {236, 0x16}, {237, 0x14}, {238, 0x34}, {239, 0x13},
};

} // namespace

std::span<const ReportEvent> reportEvents()
{
    return kEvents;
}

std::vector<int> reportRowEntries(const LayoutTable& layout)
{
    std::vector<int> entries;
    for (int n = 1; n <= kReportEventCount; ++n)
        if (layout[reportEntry(n)].present())
            entries.push_back(n);
    return entries;
}

bool isOneDigitEntry(const LayoutTable& layout, int entry)
{
    const eeloc_t& loc = layout[reportEntry(entry)];
    return loc.present() && std::ranges::find(layout.highNibbleEntries(), loc) != layout.highNibbleEntries().end();
}

} // namespace qarvo::panel

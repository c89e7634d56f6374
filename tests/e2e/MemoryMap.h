#pragma once
// The panel's programming memory map, written down from the panel's memory
// map independently of the code under test: what each page transfer moves.
#include "panel/PanelModels.h"
#include "support/Documents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qarvo::testing {

// Programming memory addresses [start, end), written down from the panel's
// memory map independently of the code under test.
struct Span {
    std::uint32_t start;
    std::uint32_t end;
};
using Spans = std::vector<Span>;

inline bool inside(const Spans& spans, std::uint32_t a)
{
    return std::any_of(spans.begin(), spans.end(), [a](const Span& s) { return a >= s.start && a < s.end; });
}

inline Spans operator+(Spans a, const Spans& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Where the report code block ends: the phone numbers follow it.
inline std::uint32_t reportBlockEnd(const panel::PanelModel& m)
{
    switch (m.variant) {
    case panel::LayoutVariant::V1: return 0x170;
    case panel::LayoutVariant::V2: return 0x174;
    case panel::LayoutVariant::V3: return 0x17C;
    }
    return 0;
}

inline constexpr Span kExtendedBlock{0x524, 0x534}; // the last of 46 user records and the welcome message

inline Spans installerRead(const panel::PanelModel& m)
{
    Spans s{{0x402, 0x41C}, {0x000, 0x0AE}, {0x100, reportBlockEnd(m) + 0x38},
            {0x300, 0x300 + 16u * static_cast<std::uint32_t>(m.zoneCount)}};
    if (m.typeCode > 0x21)
        s.push_back(kExtendedBlock);
    return s;
}

inline Spans installerWrite(const panel::PanelModel& m)
{
    Spans s{{0x400, 0x41C}, {0x002, 0x0AE}, {0x100, reportBlockEnd(m) + 0x38},
            {0x300, 0x300 + 16u * static_cast<std::uint32_t>(m.zoneCount)}};
    if (m.typeCode > 0x21 && !m.limited)
        s.push_back(kExtendedBlock);
    return s;
}

// The master's items in page 0 that are written, and those only read.
inline const Spans kMasterItems{{0x001, 0x002}, {0x062, 0x063}, {0x076, 0x078}, {0x07A, 0x0AE}};
inline const Spans kMasterReadOnlyItems{{0x04E, 0x04F}, {0x05D, 0x05F}};

inline Spans masterWrite(const panel::PanelModel& m)
{
    return Spans{{0x416, 0x524}, {reportBlockEnd(m) + 0x10, reportBlockEnd(m) + 0x30}} + kMasterItems;
}

inline Spans masterRead(const panel::PanelModel& m) { return masterWrite(m) + kMasterReadOnlyItems; }

// Every address: inside the spans as `expected`, elsewhere as `otherwise`.
inline void expectMemory(const Bytes& actual, const Spans& spans, const Bytes& expected, const Bytes& otherwise)
{
    for (std::uint32_t a = 0; a < actual.size(); ++a)
        ASSERT_EQ(actual[a], inside(spans, a) ? expected[a] : otherwise[a])
            << "at 0x" << std::hex << a << (inside(spans, a) ? " (transferred)" : " (not transferred)");
}

} // namespace qarvo::testing

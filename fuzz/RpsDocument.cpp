// Settings documents (".rps"): any bytes are either refused with a reason
// or give a document that saves and opens again to the same document, byte
// for byte.
#include "FuzzCheck.h"

#include "panel/CUploadDoc.h"

#include <algorithm>
#include <cstdint>
#include <span>

using qarvo::panel::CUploadDoc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CUploadDoc opened("Current log");
    const std::string refusal = opened.deserialize(std::span(data, size));
    if (!refusal.empty())
        return 0;
    const std::vector<std::uint8_t> saved = opened.serialize();

    CUploadDoc reopened("Current log");
    FUZZ_CHECK(reopened.deserialize(saved).empty());
    FUZZ_CHECK(reopened.identity() == opened.identity());
    FUZZ_CHECK(std::ranges::equal(reopened.image().bytes(), opened.image().bytes()));
    FUZZ_CHECK(reopened.userNames() == opened.userNames());
    FUZZ_CHECK(reopened.panelNotes() == opened.panelNotes());
    FUZZ_CHECK(reopened.reservedText() == opened.reservedText());
    FUZZ_CHECK(reopened.logs() == opened.logs());
    FUZZ_CHECK(reopened.taviOptions() == opened.taviOptions());
    FUZZ_CHECK(reopened.serialize() == saved);
    return 0;
}

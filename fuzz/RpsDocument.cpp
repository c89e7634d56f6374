// Settings documents (".rps"): any bytes are either refused with a reason
// or give a document that saves and opens again to the same document, byte
// for byte.
#include "FuzzCheck.h"

#include "panel/CUploadDoc.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <span>

using qarvo::panel::CUploadDoc;
using qarvo::panel::EventLog;

namespace {

// The logs a save keeps: the file stores only logs that have lines, so an
// empty log (the "Current log" every open starts with, or an empty one in
// the file) is not written and does not come back. That is the format, not
// lost data.
std::vector<EventLog> logsWithLines(const std::vector<EventLog>& logs)
{
    std::vector<EventLog> kept;
    std::ranges::copy_if(logs, std::back_inserter(kept), [](const EventLog& log) { return !log.lines.empty(); });
    return kept;
}

} // namespace

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
    FUZZ_CHECK(logsWithLines(reopened.logs()) == logsWithLines(opened.logs()));
    FUZZ_CHECK(reopened.taviOptions() == opened.taviOptions());
    FUZZ_CHECK(reopened.serialize() == saved);
    return 0;
}

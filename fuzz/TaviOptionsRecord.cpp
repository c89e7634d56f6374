// The communicator's 328-byte options record as its read reply carries it,
// the accept reply's model information, and the options page's form: the
// record converts to its wire form and back unchanged, the model
// information encodes back to its bytes, and a form that stores without
// complaint shows the same form again and stores the same record again.
//
// Input: 328 record bytes, then the model information (43 bytes), then
// anything.
#include "FuzzCheck.h"

#include "communicator/TaviModelInfo.h"
#include "communicator/TaviOptions.h"
#include "communicator/TaviOptionsForm.h"

#include <algorithm>
#include <span>

using namespace qarvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < tavi::kOptionsSize)
        return 0;
    const std::span<const std::uint8_t, tavi::kOptionsSize> wire(data, tavi::kOptionsSize);
    const TaviOptions record = TaviOptions::fromWire(wire);
    FUZZ_CHECK(std::ranges::equal(record.toWire(), wire));

    TaviCapabilities capabilities;
    const auto infoBytes = std::span(data, size).subspan(tavi::kOptionsSize);
    TaviOptionsForm form;
    if (const auto info = TaviModelInfo::parse(infoBytes)) {
        FUZZ_CHECK(std::ranges::equal(info->encode(), infoBytes.first(TaviModelInfo::kSize)));
        capabilities = info->capabilities();
        FUZZ_CHECK(capabilities.pgmCount >= 0 && capabilities.pgmCount <= static_cast<int>(tavi::kPgmCount));
        showTaviModelInfo(*info, form);
    }

    showTaviOptions(record, capabilities, form);
    taviEnables(form, capabilities);
    TaviOptions stored = record;
    if (storeTaviOptions(form, capabilities, stored))
        return 0;
    TaviOptionsForm shown = form;
    showTaviOptions(stored, capabilities, shown);
    FUZZ_CHECK(shown == form);
    TaviOptions storedAgain = stored;
    FUZZ_CHECK(!storeTaviOptions(shown, capabilities, storedAgain));
    FUZZ_CHECK(storedAgain == stored);
    return 0;
}

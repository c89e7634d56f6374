// The communicator's 328-byte options record as its read reply carries it,
// the accept reply's model information, and the options page's form: the
// record converts to its wire form and back unchanged, the model
// information encodes to bytes that read back the same, and a form that stores without
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

namespace {

// A store trims the spaces around a server address, as a host name never
// has them: a record holding them shows them once, and the form shown after
// the store has the trimmed text. That is a correction of an invalid value,
// not lost data, so the forms are compared with the addresses trimmed.
TaviOptionsForm withTrimmedAddresses(TaviOptionsForm form)
{
    for (TaviServerForm& server : form.servers) {
        const auto first = server.address.find_first_not_of(' ');
        server.address = first == std::string::npos
                             ? std::string()
                             : server.address.substr(first, server.address.find_last_not_of(' ') - first + 1);
    }
    return form;
}

} // namespace

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
        // Each input and output state is a byte of its own that reads as set
        // when it is not 0, and encodes as 1: the encoding reads back as the
        // same information, not always as the same bytes.
        FUZZ_CHECK(TaviModelInfo::parse(info->encode()) == info);
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
    FUZZ_CHECK(shown == withTrimmedAddresses(form));
    TaviOptions storedAgain = stored;
    FUZZ_CHECK(!storeTaviOptions(shown, capabilities, storedAgain));
    FUZZ_CHECK(storedAgain == stored);
    return 0;
}

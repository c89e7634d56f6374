// "Tavi.def": any content is either refused (the caller then takes the
// built-in record) or gives a record that saves and reads back unchanged,
// but for the reserved items.
#include "FuzzCheck.h"

#include "communicator/TaviDefaultsFile.h"

#include <string_view>

using namespace qarvo;

namespace {

// The file always writes its reserved items as "0", whatever the record
// holds there: a file that has something else in those lines loads it, and
// its first save puts the "0" back. That is the format's own normal form, not
// lost data, so the reloaded record is compared with the loaded one as the
// "0" lines read.
TaviOptions withReservedAsWritten(TaviOptions record)
{
    for (std::size_t i = 0; i < 3; ++i)
        record.setU8(tavi::offset::kReserved7 + i, '0'); // read as raw bytes
    record.setU16(tavi::offset::kReserved12, 0);          // read as numbers
    record.setU16(tavi::offset::kReserved162, 0);
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TaviOptions current = TaviOptions::builtInDefaults();
    const auto loaded = TaviDefaultsFile::parse(std::string_view(reinterpret_cast<const char*>(data), size), current);
    if (!loaded)
        return 0;
    const std::string saved = TaviDefaultsFile::format(*loaded);
    const auto reloaded = TaviDefaultsFile::parse(saved, *loaded);
    FUZZ_CHECK(reloaded.has_value());
    FUZZ_CHECK(*reloaded == withReservedAsWritten(*loaded));
    FUZZ_CHECK(TaviDefaultsFile::format(*reloaded) == saved);
    return 0;
}

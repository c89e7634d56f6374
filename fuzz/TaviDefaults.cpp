// "Tavi.def": any content is either refused (the caller then takes the
// built-in record) or gives a record that saves and reads back unchanged.
#include "FuzzCheck.h"

#include "communicator/TaviDefaultsFile.h"

#include <string_view>

using namespace qarvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TaviOptions current = TaviOptions::builtInDefaults();
    const auto loaded = TaviDefaultsFile::parse(std::string_view(reinterpret_cast<const char*>(data), size), current);
    if (!loaded)
        return 0;
    const std::string saved = TaviDefaultsFile::format(*loaded);
    const auto reloaded = TaviDefaultsFile::parse(saved, *loaded);
    FUZZ_CHECK(reloaded.has_value());
    FUZZ_CHECK(*reloaded == *loaded);
    FUZZ_CHECK(TaviDefaultsFile::format(*reloaded) == saved);
    return 0;
}

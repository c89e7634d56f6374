// "PanelRPS.cfg": any content is either refused as a whole or gives
// settings whose every number fits its field; those settings save and load
// again to the same settings with nothing refused.
#include "FuzzCheck.h"

#include "link/ConnectionSettings.h"

#include <sstream>
#include <string>

using namespace qarvo::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
    ConnectionSettings loaded;
    std::vector<int> refused;
    if (readSettings(file, loaded, &refused) != SettingsLoad::Loaded)
        return 0;
    for (int line : refused)
        FUZZ_CHECK(line >= 1 && line <= 12);
    for (int port : {loaded.ownPort, loaded.callbackPort, loaded.updatePort})
        FUZZ_CHECK(port >= 0 && port <= 0xFFFF);
    FUZZ_CHECK(loaded.password.size() <= kPasswordLength);

    std::istringstream saved(formatSettings(loaded));
    ConnectionSettings reloaded;
    std::vector<int> refusedAgain;
    FUZZ_CHECK(readSettings(saved, reloaded, &refusedAgain) == SettingsLoad::Loaded);
    FUZZ_CHECK(refusedAgain.empty());
    FUZZ_CHECK(reloaded == loaded);
    return 0;
}

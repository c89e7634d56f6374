#pragma once
// Files of the source tree, found from wherever the test runs (__FILE__
// may be relative to a build directory that ccache has rewritten).
#include <filesystem>
#include <string>

namespace qarvo::testing {

inline std::filesystem::path sourcePath(const std::string& relative)
{
    return std::filesystem::path(QARVO_SOURCE_DIR) / relative;
}

} // namespace qarvo::testing

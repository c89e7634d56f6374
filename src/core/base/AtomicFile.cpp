#include "base/AtomicFile.h"

#include <fstream>
#include <system_error>

namespace qarvo {

bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::filesystem::path& file, std::span<const unsigned char> contents)
{
    return writeFileAtomically(file, std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()));
}

} // namespace qarvo

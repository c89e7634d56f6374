#include "base/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace qarvo {

namespace fs = std::filesystem;

namespace {

std::string describe(const std::string& what, const fs::path& path, const std::string& reason)
{
    return what + " " + path.string() + ": " + reason;
}

std::string lastSystemError()
{
    return errno ? std::strerror(errno) : "input/output error";
}

fs::path temporaryBeside(const fs::path& target)
{
    std::random_device random;
    const auto suffix = std::to_string(random()) + std::to_string(random());
    fs::path temp = target;
    temp += ".tmp-" + suffix;
    return temp;
}

} // namespace

bool readWholeFile(const fs::path& path, std::vector<std::uint8_t>& bytes, std::string& error)
{
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) {
        error = describe("Cannot open", path, ec.message());
        return false;
    }
    if (size > kMaxFileSize) {
        error = describe("Cannot open", path, "the file is too large (" + std::to_string(size) + " bytes)");
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = describe("Cannot open", path, lastSystemError());
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        error = describe("Cannot read", path, lastSystemError());
        return false;
    }
    return true;
}

std::string writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes)
{
    const fs::path temp = temporaryBeside(path);
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out)
        return describe("Cannot create", path, lastSystemError());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = out.good();
    out.close();
    std::error_code ignored;
    if (!written || out.fail()) {
        const std::string reason = lastSystemError();
        fs::remove(temp, ignored);
        return describe("Cannot write", path, reason);
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ignored);
        return describe("Cannot replace", path, ec.message());
    }
    return {};
}

std::string writeFileAtomically(const fs::path& path, std::string_view text)
{
    return writeFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace qarvo

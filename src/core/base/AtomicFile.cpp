#include "base/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

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

// The user's own group or one of the user's supplementary groups.
bool isInGroup(gid_t group)
{
    if (getegid() == group)
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, getgroups(0, nullptr))));
    groups.resize(static_cast<std::size_t>(std::max(0, getgroups(static_cast<int>(groups.size()), groups.data()))));
    return std::ranges::find(groups, group) != groups.end();
}

// A file's mode is the user's rule for whether it may be replaced: the
// owner's write bit for its owner, the group's for a member of its group,
// the others' otherwise. Asked of the mode, not of the system, so that an
// administrator's account, which may write anything, still keeps a file its
// user made read-only.
bool modeLetsUserWrite(const struct stat& info)
{
    if (geteuid() == info.st_uid)
        return info.st_mode & S_IWUSR;
    if (isInGroup(info.st_gid))
        return info.st_mode & S_IWGRP;
    return info.st_mode & S_IWOTH;
}

// Why an existing target may not be replaced ("" when it may), and its
// permissions, which the replacement keeps.
std::string checkReplaceable(const fs::path& target, std::optional<fs::perms>& keep)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return {}; // no file yet: the new one gets the usual mode
    if (S_ISREG(info.st_mode) && !modeLetsUserWrite(info))
        return describe("Cannot replace", target, "the file is read-only");
    keep = static_cast<fs::perms>(info.st_mode) & fs::perms::mask;
    return {};
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
    std::optional<fs::perms> keep;
    if (std::string refused = checkReplaceable(path, keep); !refused.empty())
        return refused;
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
    if (keep)
        fs::permissions(temp, *keep, ec);
    if (!ec)
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

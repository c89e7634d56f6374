// All-or-nothing writes: whatever stops a write, the folder holds exactly
// what it held before (the old file whole, its mode, no temporary file
// beside it), and a replaced file keeps the mode its user gave it.
#include "base/AtomicFile.h"

#include "support/Documents.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

using namespace qarvo;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

const std::string kOld = "the document saved before";
const std::string kNew = "the document saved now";

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string textOf(const fs::path& path)
{
    const auto bytes = fileBytes(path);
    return {bytes.begin(), bytes.end()};
}

// Every entry under the folder: its mode and, for a file, its contents.
std::map<fs::path, std::pair<fs::perms, std::string>> snapshot(const fs::path& folder)
{
    std::map<fs::path, std::pair<fs::perms, std::string>> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries[entry.path()] = {entry.status().permissions(), entry.is_regular_file() ? textOf(entry.path()) : ""};
    return entries;
}

fs::path document(const TempDir& dir, fs::perms mode)
{
    const fs::path path = dir.file("doc.rps");
    put(path, kOld);
    fs::permissions(path, mode);
    return path;
}

// The temporary file's name, the target's and a suffix, is longer than a
// folder entry may be, so it cannot be created.
fs::path temporaryCannotBeCreated(const TempDir& dir)
{
    std::string name(250, 'd');
    name += ".rps";
    const fs::path path = dir.file(name);
    put(path, kOld);
    return path;
}

// A folder with a file in it stands where the document goes: the
// temporary file is written, and renaming it over the folder fails.
fs::path renameFails(const TempDir& dir)
{
    const fs::path path = dir.file("doc.rps");
    fs::create_directory(path);
    put(path / "inside.rps", kOld);
    return path;
}

fs::path folderMissing(const TempDir& dir) { return dir.file("missing") / "doc.rps"; }
fs::path readOnly(const TempDir& dir) { return document(dir, fs::perms(0444)); }
fs::path ownerReadOnly(const TempDir& dir) { return document(dir, fs::perms(0400)); }

} // namespace

TEST(AtomicFile, AWriteThatCannotFinishLeavesTheFolderAsItWas)
{
    struct Case {
        const char* name;
        fs::path (*target)(const TempDir&);
        const char* said; // the message starts with this
    };
    const Case cases[] = {
        {"temporary file cannot be created", temporaryCannotBeCreated, "Cannot create"},
        {"rename fails", renameFails, "Cannot replace"},
        {"folder missing", folderMissing, "Cannot create"},
        // Refused by the file's mode, which holds for the administrator too.
        {"read-only for everyone", readOnly, "Cannot replace"},
        {"read-only for its owner", ownerReadOnly, "Cannot replace"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const fs::path target = c.target(dir);
        const auto before = snapshot(dir.path());
        const std::string error = writeFileAtomically(target, kNew);
        EXPECT_TRUE(error.starts_with(c.said)) << c.name << ": " << error;
        EXPECT_EQ(snapshot(dir.path()), before) << c.name;
    }
}

TEST(AtomicFile, AReplacedFileKeepsItsMode)
{
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664), fs::perms(0200)}) {
        TempDir dir;
        const fs::path target = document(dir, mode);
        EXPECT_EQ(writeFileAtomically(target, kNew), "") << static_cast<int>(mode);
        EXPECT_EQ(fs::status(target).permissions(), mode);
        fs::permissions(target, fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(textOf(target), kNew);
    }
}

TEST(AtomicFile, AFileOverTheSizeLimitIsNotRead)
{
    TempDir dir;
    const fs::path big = dir.file("big.rps");
    put(big, "");
    fs::resize_file(big, kMaxFileSize + 1); // sparse: no disk space taken
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(readWholeFile(big, bytes, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(bytes.empty());
}

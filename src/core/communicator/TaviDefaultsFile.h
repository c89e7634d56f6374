#pragma once
// "Tavi.def": the communicator options an installer keeps as his defaults,
// one item per line (54 lines, CR LF). The program ships one; the user's
// own copy, once saved, takes its place.
//
// Some items are single raw bytes (the password characters, the general
// flags, the GPRS keep-alive minutes). Those are read by their place in the
// line, not after skipping white space, so that values such as 10 minutes
// (a line feed) or flags 0x20 (a space) come back as they were saved. Texts
// are read as the whole line, so that a SIM user or password with a space in
// it does not shift the items after it.
#include "communicator/TaviOptions.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qarvo {

class TaviDefaultsFile {
public:
    static constexpr std::string_view kFileName = "Tavi.def";
    static constexpr std::size_t kLineCount = 54;

    // The file in one folder, which is both the user's and the shipped one.
    explicit TaviDefaultsFile(const std::filesystem::path& directory);
    // The user's copy in userDirectory, the shipped file in sharedDirectory.
    TaviDefaultsFile(const std::filesystem::path& userDirectory, const std::filesystem::path& sharedDirectory);

    // The user's copy: where saves go.
    const std::filesystem::path& path() const { return path_; }
    // The file a load reads: the user's copy when it exists, else the shipped one.
    std::filesystem::path sourcePath() const;

    // The file's record, read over current (text fields keep the bytes
    // behind the loaded text). A missing, unreadable or malformed file gives
    // the built-in default record; nothing is reported.
    TaviOptions load(const TaviOptions& current) const;

    // Why a save did not happen: text_id::kDefaultsFileMissing or
    // kDefaultsNotWritten with the system's reason; textId 0 when saved.
    struct SaveResult {
        int textId = 0;
        std::string reason;
        explicit operator bool() const { return textId == 0; }
    };

    // Writes the record over the user's copy, replacing its whole content.
    // Without a user's copy one is made when the program ships the file;
    // when neither exists nothing is created, and the result says so.
    SaveResult save(const TaviOptions& record) const;

    // The file's content for a record, and the record a content gives.
    static std::string format(const TaviOptions& record);
    static std::optional<TaviOptions> parse(std::string_view content, const TaviOptions& current);

private:
    std::filesystem::path path_;
    std::filesystem::path shipped_;
};

} // namespace qarvo

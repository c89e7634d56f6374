#pragma once
// Whole-file reads and all-or-nothing writes for documents and defaults files.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo {

// Files larger than this are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxFileSize = 256u * 1024 * 1024;

// The whole file in bytes. On failure returns false and says why in error.
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes, std::string& error);

// Writes a temporary file beside the target, flushes it and renames it over
// the target, so the target is either the old file or the whole new one.
// A target whose mode does not let the user write it is refused; a replaced
// target keeps its mode.
// Returns "" on success, otherwise why the target was left untouched.
std::string writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view text);

} // namespace qarvo

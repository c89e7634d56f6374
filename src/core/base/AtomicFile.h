#pragma once
// Writes a whole file or nothing: a temporary file beside the target is
// written and flushed, then renamed over it, so a failed save leaves the
// previous file untouched.
#include <filesystem>
#include <span>
#include <string_view>

namespace qarvo {

bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents);
bool writeFileAtomically(const std::filesystem::path& file, std::span<const unsigned char> contents);

} // namespace qarvo

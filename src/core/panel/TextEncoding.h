#pragma once
// Conversions between the program's UTF-8 text and the two encodings the
// panel data uses: UTF-16LE in settings documents, and the single-byte
// Windows-1252 code page in the panel's own texts and in older documents.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qarvo::panel {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Malformed UTF-8 (bad, overlong or truncated sequences, surrogates) decodes
// to U+FFFD, one per offending byte run.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

std::u16string utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

char32_t cp1252ToUnicode(std::uint8_t byte);
// nullopt for characters the code page lacks.
std::optional<std::uint8_t> unicodeToCp1252(char32_t c);

std::string cp1252ToUtf8(std::span<const std::uint8_t> bytes);
// Characters the code page lacks become '?'.
std::string utf8ToCp1252(std::string_view text);

} // namespace qarvo::panel

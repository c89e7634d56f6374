#pragma once
// Copies and UTF-8/UTF-16 conversions into fixed-size, 0-terminated
// buffers. A source that does not fit is cut at a whole character and
// reported as Truncated, with the caller's place, so the caller can say so;
// a source that is not well-formed UTF-8 or UTF-16 is refused and leaves an
// empty string. Nothing is ever written past the buffer.
#include <cstddef>
#include <source_location>
#include <span>
#include <string_view>

namespace qarvo::text {

enum class CopyOutcome { Whole, Truncated, Invalid };

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Whole;
    std::size_t length = 0; // code units written, without the terminator
    std::source_location where;
    bool whole() const { return outcome == CopyOutcome::Whole; }
};

CopyResult boundedCopy(std::span<char> dest, std::string_view source,
                       std::source_location where = std::source_location::current());
CopyResult boundedCopy(std::span<char16_t> dest, std::u16string_view source,
                       std::source_location where = std::source_location::current());
CopyResult utf8ToUtf16(std::span<char16_t> dest, std::string_view source,
                       std::source_location where = std::source_location::current());
CopyResult utf16ToUtf8(std::span<char> dest, std::u16string_view source,
                       std::source_location where = std::source_location::current());

} // namespace qarvo::text

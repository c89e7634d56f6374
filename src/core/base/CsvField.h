#pragma once
// One field of a CSV row: as it is, or in double quotes (a quote doubled)
// when it holds a comma, a quote or a line break.
#include <string>
#include <string_view>

namespace qarvo {

inline std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace qarvo

#pragma once
// Tab-separated lines, the form in which table editors and spreadsheets
// exchange a range of cells through the clipboard.
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::cells {

using Table = std::vector<std::vector<std::string>>;

// Rows end at "\n" or "\r\n"; one line end after the last row is not a row.
Table parseTabular(std::string_view text);
// Cells joined by tabs, rows ended by "\n".
std::string formatTabular(const Table& table);

} // namespace qarvo::cells

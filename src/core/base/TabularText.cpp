#include "base/TabularText.h"

namespace qarvo::cells {
namespace {

std::vector<std::string> splitCells(std::string_view line)
{
    std::vector<std::string> cells;
    for (std::size_t start = 0;;) {
        const auto tab = line.find('\t', start);
        cells.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return cells;
        start = tab + 1;
    }
}

} // namespace

Table parseTabular(std::string_view text)
{
    Table table;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        table.push_back(splitCells(line));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return table;
}

std::string formatTabular(const Table& table)
{
    std::string text;
    for (const auto& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += row[i];
        }
        text += '\n';
    }
    return text;
}

} // namespace qarvo::cells

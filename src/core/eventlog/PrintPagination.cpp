#include "eventlog/PrintPagination.h"

#include <algorithm>

namespace qarvo::eventlog {

PageLines PrintPagination::linesOnPage(int page, int lineCount) const
{
    const int first = std::max(0, (page - 1) * linesPerPage);
    const int count = std::clamp(lineCount - first, 0, linesPerPage);
    return {.first = first, .count = count};
}

PrintPagination paginate(int lineHeight, int printableHeight, int lineCount)
{
    PrintPagination result;
    result.lineHeight = std::max(1, lineHeight);
    const int t = result.lineHeight;
    result.ruleGap = t / 4;

    const int bodyHeight = printableHeight - 2 * t - 4 * result.ruleGap;
    result.linesPerPage = std::max(1, bodyHeight / t);
    const int remainder = bodyHeight > 0 ? bodyHeight % t : 0;
    result.footerOffset = t + remainder / 2;

    const int lines = std::max(0, lineCount);
    result.pageCount = lines == 0 ? 1 : (lines + result.linesPerPage - 1) / result.linesPerPage;
    return result;
}

} // namespace qarvo::eventlog

#include "eventlog/PrintedPages.h"

#include "app/Strings.h"
#include "base/TextIds.h"

namespace qarvo::eventlog {

std::vector<PrintedPage> printedPages(const PrintPagination& pagination, const QString& documentName, int lineCount)
{
    const QString header = strings::text(text_id::kPrintFileHeader) + documentName;
    std::vector<PrintedPage> pages;
    for (int page = 1; page <= pagination.pageCount; ++page)
        pages.push_back({header, pagination.linesOnPage(page, lineCount),
                         strings::formatNumbers(text_id::kPrintPageOfPages, {page, pagination.pageCount})});
    return pages;
}

} // namespace qarvo::eventlog

#include "eventlog/PrintedPages.h"

#include <gtest/gtest.h>

using namespace qarvo::eventlog;

TEST(PrintedPages, EveryPageNamesTheDocumentAndItsPlaceAmongThePages)
{
    const PrintPagination pagination = paginate(20, 1075, 101); // 50 lines a page
    const std::vector<PrintedPage> pages = printedPages(pagination, QStringLiteral("doc.rps"), 101);
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int page = static_cast<int>(i) + 1;
        EXPECT_EQ(pages[i].header, QStringLiteral("File: doc.rps"));
        EXPECT_EQ(pages[i].footer, QStringLiteral("Page: %1/3").arg(page));
        EXPECT_EQ(pages[i].body.first, pagination.linesOnPage(page, 101).first);
        EXPECT_EQ(pages[i].body.count, pagination.linesOnPage(page, 101).count);
    }
}

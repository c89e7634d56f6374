#pragma once
// What every page of a printed event log shows, the same on paper, in the
// print preview and in the PDF file: the header "File: " with the
// document's name, the page's share of the lines and the footer
// "Page: p/n". Where they stand on the page is the pagination's business.
#include "eventlog/PrintPagination.h"

#include <QString>

#include <vector>

namespace qarvo::eventlog {

// The size of the fixed-pitch font the log is printed in, in points.
inline constexpr int kPrintPointSize = 10;

struct PrintedPage {
    QString header;
    PageLines body;
    QString footer;
};

// The pages of a log of lineCount lines, first to last.
std::vector<PrintedPage> printedPages(const PrintPagination& pagination, const QString& documentName, int lineCount);

} // namespace qarvo::eventlog

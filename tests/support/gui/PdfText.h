#pragma once
// What a PDF file shows, read back with the poppler tools: its page count
// and the text lines of a page.
#include <QString>
#include <QStringList>

namespace qarvo::testing {

// The number of pages, -1 when the file cannot be read as a PDF.
int pdfPageCount(const QString& pdf);

// The text lines of page `page` (from 1) in reading order, blank lines left
// out. A PDF places words, not blanks, so each run of blanks comes back as
// one, as QString::simplified() gives it.
QStringList pdfPageText(const QString& pdf, int page);

} // namespace qarvo::testing

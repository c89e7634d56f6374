#pragma once
// Turns a text file into a PDF file whose text stays text: every line is
// drawn with a monospace font, so the columns of the event lines stay
// aligned, and a PDF reader can search and copy it. The page size follows
// the locale (Letter where the locale measures in inches, A4 elsewhere);
// a long file fills as many pages as it needs.
#include <QPageSize>
#include <QString>
#include <QStringList>

namespace qarvo::text2pdf {

// The lines of a text file: UTF-16 or UTF-8 as its byte-order mark says
// (UTF-8 without one), lines ended by CR LF or LF. Returns false with why.
bool readTextLines(const QString& path, QStringList& lines, QString& error);

// The page size of the system's locale.
QPageSize::PageSizeId localePageSize();

// Writes the lines as a PDF file. Returns false with why.
bool writePdf(const QStringList& lines, const QString& path, QPageSize::PageSizeId pageSize, QString& error);

} // namespace qarvo::text2pdf

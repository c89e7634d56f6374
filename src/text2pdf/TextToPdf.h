#pragma once
// Turns a text file into a PDF file whose text stays text, paged exactly as
// the event log's print preview pages it on a printer with the default
// settings: the same fixed-pitch font, the same lines on each page, the
// header "File: " with the document's name and the footer "Page: p/n",
// each with its rule. A PDF reader can search and copy the text.
#include <QString>
#include <QStringList>

namespace qarvo::text2pdf {

// The lines of a text file: UTF-16 or UTF-8 as its byte-order mark says
// (UTF-8 without one), lines ended by CR LF or LF. Returns false with why.
bool readTextLines(const QString& path, QStringList& lines, QString& error);

// The name the page headers show: the one the event log page hands over
// in the environment, else the input file's name.
QString documentName(const QString& inputPath);

// Writes the lines as a PDF file. Returns false with why.
bool writePdf(const QStringList& lines, const QString& documentName, const QString& path, QString& error);

} // namespace qarvo::text2pdf

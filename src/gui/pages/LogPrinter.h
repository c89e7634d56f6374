#pragma once
// Prints the viewed event log: on every page a header "File: " with the
// document's name and a rule below it, the page's lines, and a footer
// "Page: p/n" with a rule above it, at the places the core pagination
// computes from the font's line height and the printable height. Printing
// and the print preview both draw through print().
#include "eventlog/PrintPagination.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;

namespace qarvo::gui {

class LogPrinter {
public:
    // The font the log is printed in: fixed pitch, so the columns line up.
    static QFont font();
    // t: the height of one printed line on this printer, in its device units.
    static int lineHeight(QPrinter& printer);
    // How lineCount lines fall into pages on this printer.
    static eventlog::PrintPagination pagination(QPrinter& printer, int lineCount);

    // Prints every page. documentName follows "File: ". False when the
    // printer cannot be opened: nothing was printed.
    [[nodiscard]] static bool print(QPrinter& printer, const QString& documentName, const QStringList& lines);
};

} // namespace qarvo::gui

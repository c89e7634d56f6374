#include "gui/pages/LogPrinter.h"

#include "eventlog/PrintedPages.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <utility>

namespace qarvo::gui {

namespace {

int printableHeight(QPrinter& printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution()).height();
}

// Text is placed by its top edge, as the rules are measured from it.
void drawTextAt(QPainter& painter, int x, int top, const QString& text)
{
    painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), text);
}

} // namespace

QFont LogPrinter::font()
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(eventlog::kPrintPointSize);
    return f;
}

int LogPrinter::lineHeight(QPrinter& printer) { return QFontMetrics(font(), &printer).height(); }

eventlog::PrintPagination LogPrinter::pagination(QPrinter& printer, int lineCount)
{
    return eventlog::paginate(lineHeight(printer), printableHeight(printer), lineCount);
}

bool LogPrinter::print(QPrinter& printer, const QString& documentName, const QStringList& lines)
{
    // The lines are the caller's copy, taken when printing began.
    const int count = static_cast<int>(lines.size());
    const eventlog::PrintPagination pages = pagination(printer, count);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font());
    // The painter's origin is the printable area's top left corner.
    const int left = 0, top = 0, right = printer.width(), bottom = printableHeight(printer);
    const int t = pages.lineHeight;

    bool first = true;
    for (const eventlog::PrintedPage& page : eventlog::printedPages(pages, documentName, count)) {
        if (!std::exchange(first, false))
            printer.newPage();
        drawTextAt(painter, left, top, page.header);
        const int headerRule = top + pages.headerRuleOffset();
        painter.drawLine(left, headerRule, right, headerRule);

        for (int i = 0; i < page.body.count; ++i)
            drawTextAt(painter, left, top + pages.bodyOffset() + i * t, lines[page.body.first + i]);

        const int footer = bottom - pages.footerOffset;
        drawTextAt(painter, left, footer, page.footer);
        const int footerRule = bottom - pages.footerRuleOffset();
        painter.drawLine(left, footerRule, right, footerRule);
    }
    return painter.end();
}

} // namespace qarvo::gui

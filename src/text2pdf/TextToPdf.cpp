#include "text2pdf/TextToPdf.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "eventlog/PdfExport.h"
#include "eventlog/PrintedPages.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QStringDecoder>

#include <utility>

namespace qarvo::text2pdf {

namespace {

// The font the print preview prints the log in.
QFont printFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(eventlog::kPrintPointSize);
    return font;
}

int printableHeight(QPrinter& printer) { return printer.pageLayout().paintRectPixels(printer.resolution()).height(); }

// Text is placed by its top edge, as the rules are measured from it.
void drawTextAt(QPainter& painter, int top, const QString& text)
{
    painter.drawText(QPoint(0, top + painter.fontMetrics().ascent()), text);
}

void drawRule(QPainter& painter, int y, int width) { painter.drawLine(0, y, width, y); }

void drawPage(QPainter& painter, const eventlog::PrintPagination& pagination, const eventlog::PrintedPage& page,
              const QStringList& lines, QSize size)
{
    drawTextAt(painter, 0, page.header);
    drawRule(painter, pagination.headerRuleOffset(), size.width());
    for (int i = 0; i < page.body.count; ++i)
        drawTextAt(painter, pagination.bodyOffset() + i * pagination.lineHeight, lines[page.body.first + i]);
    drawTextAt(painter, size.height() - pagination.footerOffset, page.footer);
    drawRule(painter, size.height() - pagination.footerRuleOffset(), size.width());
}

} // namespace

bool readTextLines(const QString& path, QStringList& lines, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = strings::formatTexts(text_id::kConverterCannotRead, {path, file.errorString()});
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = strings::formatTexts(text_id::kConverterCannotRead, {path, file.errorString()});
        return false;
    }
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decode(encoding);
    QString text = decode(bytes);
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    return true;
}

QString documentName(const QString& inputPath)
{
    if (qEnvironmentVariableIsSet(eventlog::kDocumentNameVariable))
        return qEnvironmentVariable(eventlog::kDocumentNameVariable);
    return QFileInfo(inputPath).fileName();
}

bool writePdf(const QStringList& lines, const QString& documentName, const QString& path, QString& error)
{
    // A printer as the event log page's own starts out: the preview's page size, margins and resolution.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setCreator(QStringLiteral("Text2PDF"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = strings::formatTexts(text_id::kConverterCannotWrite, {path});
        return false;
    }
    const QFont font = printFont();
    painter.setFont(font);
    const int count = static_cast<int>(lines.size());
    const eventlog::PrintPagination pagination =
        eventlog::paginate(QFontMetrics(font, &printer).height(), printableHeight(printer), count);
    const QSize size(printer.width(), printableHeight(printer));
    bool first = true;
    for (const eventlog::PrintedPage& page : eventlog::printedPages(pagination, documentName, count)) {
        if (!std::exchange(first, false))
            printer.newPage();
        drawPage(painter, pagination, page, lines, size);
    }
    if (!painter.end()) {
        error = strings::formatTexts(text_id::kConverterCannotWrite, {path});
        return false;
    }
    return true;
}

} // namespace qarvo::text2pdf

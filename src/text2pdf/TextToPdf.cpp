#include "text2pdf/TextToPdf.h"

#include "app/Strings.h"
#include "base/TextIds.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace qarvo::text2pdf {

namespace {

constexpr qreal kMarginMillimetres = 15;
constexpr qreal kLargestPointSize = 10;
constexpr qreal kSmallestPointSize = 6;
constexpr int kResolution = 600;

QFont monospaceFont(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

// The largest size up to 10 pt at which the longest line fits the width;
// longer lines than fit at 6 pt are wrapped.
QFont fittingFont(const QStringList& lines, QPaintDevice& device, qreal width)
{
    qsizetype longest = 1;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    for (qreal size = kLargestPointSize; size > kSmallestPointSize; size -= 0.5) {
        const QFont font = monospaceFont(size);
        if (QFontMetricsF(font, &device).horizontalAdvance(QString(longest, u'M')) <= width)
            return font;
    }
    return monospaceFont(kSmallestPointSize);
}

QStringList wrapped(const QStringList& lines, int columns)
{
    QStringList out;
    for (const QString& line : lines) {
        if (line.size() <= columns) {
            out << line;
            continue;
        }
        for (qsizetype at = 0; at < line.size(); at += columns)
            out << line.mid(at, columns);
    }
    return out;
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

QPageSize::PageSizeId localePageSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

bool writePdf(const QStringList& lines, const QString& path, QPageSize::PageSizeId pageSize, QString& error)
{
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(pageSize));
    writer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                          QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("Text2PDF"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = strings::formatTexts(text_id::kConverterCannotWrite, {path});
        return false;
    }
    const QRectF page = QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    const QFont font = fittingFont(lines, writer, page.width());
    painter.setFont(font);
    const QFontMetricsF metrics(font, &writer);
    const int columns = std::max(1, static_cast<int>(page.width() / metrics.horizontalAdvance(u'M')));
    const QStringList body = wrapped(lines, columns);
    const int perPage = std::max(1, static_cast<int>(page.height() / metrics.lineSpacing()));

    for (qsizetype i = 0; i < body.size(); ++i) {
        if (i > 0 && i % perPage == 0)
            writer.newPage();
        const qreal y = (i % perPage) * metrics.lineSpacing() + metrics.ascent();
        painter.drawText(QPointF(0, y), body[i]);
    }
    if (!painter.end()) {
        error = strings::formatTexts(text_id::kConverterCannotWrite, {path});
        return false;
    }
    return true;
}

} // namespace qarvo::text2pdf

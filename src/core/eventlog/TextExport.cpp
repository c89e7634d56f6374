#include "eventlog/TextExport.h"

#include <QSaveFile>

namespace qarvo::eventlog {

namespace {

constexpr char16_t kByteOrderMark = u'\xFEFF';

void appendLittleEndian(QByteArray& bytes, char16_t unit)
{
    bytes.append(static_cast<char>(unit & 0xFF));
    bytes.append(static_cast<char>(unit >> 8));
}

void appendText(QByteArray& bytes, const QString& text)
{
    for (const QChar ch : text)
        appendLittleEndian(bytes, ch.unicode());
}

} // namespace

QByteArray textExportBytes(const QStringList& lines)
{
    QByteArray bytes;
    appendLittleEndian(bytes, kByteOrderMark);
    for (const QString& line : lines) {
        // Written as text, every line feed, also one inside a line, becomes CR LF.
        QString text = line + QLatin1Char('\n');
        appendText(bytes, text.replace(QLatin1Char('\n'), QLatin1String("\r\n")));
    }
    return bytes;
}

bool writeTextExport(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = textExportBytes(lines);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace qarvo::eventlog

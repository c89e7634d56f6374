#include "PdfText.h"

#include <QProcess>

namespace qarvo::testing {

namespace {

constexpr int kToolWait = 30000;

// Runs a poppler tool and returns its standard output, or why it failed.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(kToolWait) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(tool, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int pdfPageCount(const QString& pdf)
{
    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QStringList pdfPageText(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    const QString text = poppler(QStringLiteral("pdftotext"), {"-layout", "-f", number, "-l", number, pdf, "-"});
    QStringList lines;
    for (const QString& line : text.split(u'\n'))
        if (!line.trimmed().isEmpty() && line != u'\f')
            lines << line.simplified();
    return lines;
}

} // namespace qarvo::testing

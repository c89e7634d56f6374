// The Text2PDF converter as the event log page runs it: a decoded event
// log in, a PDF whose text is those lines out; bad input refused with a
// message and a failing exit status.
#include "eventlog/EventCodeTables.h"
#include "eventlog/EventDecoder.h"
#include "eventlog/EventLogReader.h"
#include "eventlog/LogClock.h"
#include "eventlog/TextExport.h"
#include "sim/DemoEventLog.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qarvo;

namespace {

struct Run {
    int exitCode = -1;
    QString errors;
};

Run convert(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QARVO_TEXT2PDF), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()).trimmed()};
}

// The PDF's text in reading order, line by line. A PDF places words, not
// blanks, so runs of blanks are compared as one.
QStringList pdfText(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-raw", pdf, "-"});
    process.waitForFinished(30000);
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).remove(u'\f').split(u'\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int pageCount(const QString& pdf)
{
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QStringList simplified(QStringList lines)
{
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

// 120 event lines as a reading makes them, newest first.
QStringList decodedEvents()
{
    constexpr std::uint8_t kTypeCode = 0x24;
    panel::PanelIdentity id;
    id.setFromModel(kTypeCode);
    const eventlog::PanelCounts counts{kTypeCode, id.zoneCount, id.userRecordCount, id.keypadCount};
    eventlog::LogClock clock;
    clock.set(2026, 2, 4 * 1440 + 14 * 60 + 7);
    const auto records = sim::demoEventLog(120, kTypeCode);
    QStringList lines;
    int number = static_cast<int>(records.size());
    for (auto it = records.rbegin(); it != records.rend(); ++it, --number)
        lines << eventlog::EventLogReader::eventLine(number, eventlog::decodeEventRecord(counts, clock, it->code, it->word));
    return lines;
}

} // namespace

class Text2PdfTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void eventLinesComeBackAsText()
    {
        const QStringList lines = decodedEvents();
        QCOMPARE(lines.size(), 120);
        const QString input = dir.filePath("events in.txt");
        const QString output = dir.filePath("events out.pdf");
        QVERIFY(eventlog::writeTextExport(input, lines));
        const Run run = convert({input, output});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QFile pdf(output);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(pdfText(output), simplified(lines));
        QVERIFY(pageCount(output) > 1); // a page holds fewer than 120 lines
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("missing file") << "no such file.txt";
        QTest::newRow("a folder, unreadable as a file") << ".";
    }

    void badInputIsRefused()
    {
        QFETCH(QString, input);
        const QString path = dir.filePath(input);
        const QString output = dir.filePath("refused.pdf");
        const Run run = convert({path, output});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.startsWith("Cannot read the text file '" + path + "'"), qPrintable(run.errors));
        QVERIFY(!QFile::exists(output));
    }

    void wrongCommandLineShowsTheUsage()
    {
        const Run run = convert({"only one"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.errors.startsWith("Usage: Text2PDF"));
    }
};

QTEST_GUILESS_MAIN(Text2PdfTest)
#include "Text2PdfTest.moc"

// The Text2PDF converter as the event log page runs it: a decoded event
// log in, a PDF whose text is those lines out, paged as the print preview
// pages them; bad input refused with a message and a failing exit status.
#include "PdfText.h"

#include "eventlog/EventCodeTables.h"
#include "eventlog/EventDecoder.h"
#include "eventlog/EventLogReader.h"
#include "eventlog/LogClock.h"
#include "eventlog/PdfExport.h"
#include "eventlog/PrintedPages.h"
#include "eventlog/TextExport.h"
#include "gui/pages/LogPrinter.h"
#include "sim/DemoEventLog.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace qarvo;

namespace {

struct Run {
    int exitCode = -1;
    QString errors;
};

// Runs the converter; a document name goes to it as the event log page hands it over.
Run convert(const QStringList& arguments, const std::optional<QString>& documentName = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QString::fromLatin1(eventlog::kDocumentNameVariable));
    if (documentName)
        environment.insert(QString::fromLatin1(eventlog::kDocumentNameVariable), *documentName);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QARVO_TEXT2PDF), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()).trimmed()};
}

QStringList simplified(QStringList lines)
{
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

// Event lines as a reading makes them, newest first.
QStringList decodedEvents(int count)
{
    constexpr std::uint8_t kTypeCode = 0x24;
    panel::PanelIdentity id;
    id.setFromModel(kTypeCode);
    const eventlog::PanelCounts counts{kTypeCode, id.zoneCount, id.userRecordCount, id.keypadCount};
    eventlog::LogClock clock;
    clock.set(2026, 2, 4 * 1440 + 14 * 60 + 7);
    const auto records = sim::demoEventLog(count, kTypeCode);
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
        const QStringList lines = decodedEvents(120);
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
        const int pages = testing::pdfPageCount(output);
        QVERIFY(pages > 1); // a page holds fewer than 120 lines
        QStringList body;
        for (int page = 1; page <= pages; ++page) {
            const QStringList text = testing::pdfPageText(output, page);
            // Run by hand, the converter names its input file in the header.
            QCOMPARE(text.first(), "File: events in.txt");
            body << text.mid(1, text.size() - 2);
        }
        QCOMPARE(body, simplified(lines));
    }

    // The PDF of a long log has the preview's pages: as many, each with the
    // preview's header and page number and as many lines.
    void pagesAsThePrintPreviewPagesThem()
    {
        const QStringList lines = decodedEvents(400);
        const QString name = QStringLiteral("/sites/north gate.rps");
        const QString input = dir.filePath("long log.txt");
        const QString output = dir.filePath("long log.pdf");
        QVERIFY(eventlog::writeTextExport(input, lines));
        QCOMPARE(convert({input, output}, name).exitCode, 0);

        QPrinter preview(QPrinter::HighResolution); // as the event log page's printer starts out
        const int count = static_cast<int>(lines.size());
        const eventlog::PrintPagination pagination = gui::LogPrinter::pagination(preview, count);
        QVERIFY(pagination.pageCount > 2);
        QCOMPARE(testing::pdfPageCount(output), pagination.pageCount);
        int number = 0;
        for (const eventlog::PrintedPage& page : eventlog::printedPages(pagination, name, count)) {
            const QStringList text = testing::pdfPageText(output, ++number);
            QCOMPARE(text.size(), page.body.count + 2);
            QCOMPARE(text.first(), page.header);
            QCOMPARE(text.last(), page.footer);
        }
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

QTEST_MAIN(Text2PdfTest)
#include "Text2PdfTest.moc"

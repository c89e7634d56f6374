// The event log page: its options rule, choosing a log, printing through
// a PDF printer read back with the poppler tools, the text and PDF exports
// with the converter's failures, and a whole reading from the demo panel.
#include "FrameTest.h"
#include "PdfText.h"

#include "app/Strings.h"
#include "eventlog/EventLogReader.h"
#include "eventlog/LogTableRow.h"
#include "eventlog/TextExport.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageLog.h"
#include "gui/shell/CUploadApp.h"
#include "gui/models/LogLinesModel.h"
#include "gui/pages/LogPrinter.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/StatusPanes.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTableView>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;

namespace {

// Reading the whole log of 800 events takes longer than one link step.
constexpr int kLogTimeout = 2 * testing::kLinkTimeout;

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines;
}

std::vector<std::string> utf8Lines(const QStringList& lines)
{
    std::vector<std::string> out;
    for (const QString& line : lines)
        out.push_back(line.toStdString());
    return out;
}

// A converter stand-in: a shell script with this body.
QString writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class LogPageTest : public testing::FrameTest {
    Q_OBJECT

    CPageLog& page() { return *frame->logPage(); }

    // The program with its embedded demo in place of the test's window,
    // once its panel link is in the idle poll; nullptr when it is not.
    std::unique_ptr<CUploadApp> startDemo()
    {
        frame.reset();
        auto app = testing::startProgram(home(), {"--demo"});
        const auto idle = [&] {
            const auto& worker = app->mainFrame()->session().worker;
            return worker.panelLinkUp() && worker.currentCode() == operations::kIdlePoll;
        };
        return app && QTest::qWaitFor(idle, kLogTimeout) ? std::move(app) : nullptr;
    }

    void setLogs(std::vector<panel::EventLog> logs)
    {
        frame->session().doc.logs() = std::move(logs);
        page().refreshFromDocument();
    }

    // A PDF printer whose page holds exactly linesPerPage lines.
    static void shapePrinter(QPrinter& printer, const QString& file, int linesPerPage)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setResolution(72);
        printer.setFullPage(false);
        const int t = LogPrinter::lineHeight(printer);
        const int height = (linesPerPage + 2) * t + 4 * (t / 4) + t / 2;
        printer.setPageSize(QPageSize(QSizeF(400, height), QPageSize::Point, {}, QPageSize::ExactMatch));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }

private slots:
    void entireLogRule_data()
    {
        QTest::addColumn<bool>("markBefore");
        QTest::addColumn<bool>("entire");
        QTest::addColumn<bool>("markAfter");
        QTest::addColumn<bool>("markEnabled");
        QTest::newRow("ticking unticks and disables") << true << true << false << false;
        QTest::newRow("unticking enables, leaves unticked") << true << false << false << true;
        QTest::newRow("untouched while unticked") << true << false << false << true;
    }

    void entireLogRule()
    {
        QFETCH(bool, markBefore);
        QFETCH(bool, entire);
        QFETCH(bool, markAfter);
        QFETCH(bool, markEnabled);
        page().markAsReadBox()->setChecked(markBefore);
        page().entireLogBox()->setChecked(true);
        page().entireLogBox()->setChecked(entire);
        QCOMPARE(page().markAsReadBox()->isChecked(), markAfter);
        QCOMPARE(page().markAsReadBox()->isEnabled(), markEnabled);
        // The reading takes the options as the boxes show them.
        const eventlog::EventLogOptions options = frame->session().eventLogReader().options();
        QCOMPARE(options.allEvents, entire);
        QCOMPARE(options.markAsRead, markAfter);
    }

    void markAsReadReachesTheReading()
    {
        page().markAsReadBox()->setChecked(true);
        QVERIFY(frame->session().eventLogReader().options().markAsRead);
    }

    void choosingALogShowsItsLinesAndAnIndexBeyondChangesNothing()
    {
        setLogs({{"Current log", {"a", "b"}}, {"LOG 0000 March 05, 2026 14:07:09", {"x", "y", "z"}}});
        QCOMPARE(page().logSelector()->count(), 2);
        QCOMPARE(page().viewedLines(), QStringList({"a", "b"}));
        page().logSelector()->setCurrentIndex(1);
        QCOMPARE(page().viewedLines(), QStringList({"x", "y", "z"}));
        for (int beyond : {2, 7, -1}) {
            page().chooseLog(beyond);
            QCOMPARE(page().viewedLog(), 1);
            QCOMPARE(page().viewedLines(), QStringList({"x", "y", "z"}));
        }
        frame->action(Act::New)->trigger(); // a new document: back to its one empty log
        QCOMPARE(page().logSelector()->count(), 1);
        QCOMPARE(page().viewedLines(), QStringList());
    }

    // Lines as a reading writes them: the table splits them in core's way,
    // the filter narrows the rows and Copy takes the selected ones.
    void tableFiltersAndCopiesTheSplitLines()
    {
        const QDateTime readAt(QDate(2026, 3, 5), QTime(14, 7, 9));
        const QStringList lines{eventlog::EventLogReader::readOnLine(readAt),
                                eventlog::EventLogReader::eventLine(2, " 14:07  05.Mar.2026  PC connected"),
                                eventlog::EventLogReader::eventLine(1, " 13:00  05.Mar.2026  AC power loss"),
                                strings::text(text_id::kReadingInterrupted)};
        setLogs({{"Current log", utf8Lines(lines)}});
        QTableView* table = page().lineTable();
        QCOMPARE(table->model()->rowCount(), lines.size());
        QCOMPARE(table->model()->columnCount(), int(eventlog::LogColumn::Count));
        const eventlog::LogTableRow second = eventlog::splitLogLine(lines[1]);
        for (int c = 0; c < int(eventlog::LogColumn::Count); ++c)
            QCOMPARE(table->model()->index(1, c).data().toString(),
                     eventlog::columnText(second, eventlog::LogColumn(c)));

        page().filterBox()->setText("ac POWER");
        QCOMPARE(table->model()->rowCount(), 1);
        table->selectAll();
        page().copySelection();
        QStringList cells;
        const eventlog::LogTableRow third = eventlog::splitLogLine(lines[2]);
        for (int c = 0; c < int(eventlog::LogColumn::Count); ++c)
            cells << eventlog::columnText(third, eventlog::LogColumn(c));
        QCOMPARE(QGuiApplication::clipboard()->text(), cells.join(u'\t'));
        QCOMPARE(page().viewedLines(), lines); // print and export keep every line as it is
        page().filterBox()->clear();
        QCOMPARE(table->model()->rowCount(), lines.size());
    }

    void printPreviewOpensLargeAndFittedToWidth()
    {
        setLogs({{"Current log", utf8Lines(numbered(10))}});
        QSize opened;
        int zoomMode = -1;
        prompter().answer([&](QDialog& dialog) {
            dialog.adjustSize();
            opened = dialog.size();
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
                zoomMode = int(preview->zoomMode());
            return int(QDialog::Rejected);
        });
        frame->action(Act::PrintPreview)->trigger();
        QCOMPARE(prompter().dialogs, QStringList{"printPreviewDialog"});
        QCOMPARE(zoomMode, int(QPrintPreviewWidget::FitToWidth));
        const QSize area = frame->screen()->availableGeometry().size();
        QVERIFY2(opened.width() >= area.width() / 2 && opened.height() >= area.height() / 2,
                 qPrintable(QStringLiteral("%1x%2").arg(opened.width()).arg(opened.height())));
    }

    void modelAnnouncesAnInsertedBlockAsAnInsertion()
    {
        LogLinesModel model;
        model.setLines({"read on", " "});
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setLines({"read on", "800", "799", " "});
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 1);
        QCOMPARE(inserted.at(0).at(2).toInt(), 2);
        model.setLines({"other"});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.lines(), QStringList{"other"});
    }

    void emptyLogPrintsOnePage()
    {
        setLogs({{"Current log", {}}});
        const QString pdf = home().file("empty.pdf");
        QPrinter& printer = page().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        prompter().answer([](QDialog&) { return int(QDialog::Accepted); });
        frame->action(Act::Print)->trigger();
        QCOMPARE(prompter().dialogs, QStringList{"printDialog"});
        QCOMPARE(testing::pdfPageCount(pdf), 1);
        const QStringList text = testing::pdfPageText(pdf, 1);
        QCOMPARE(text.size(), 2);
        QCOMPARE(text.first(), "File: " + templateField(TemplateField::Untitled));
        QCOMPARE(text.last(), QString("Page: 1/1"));
    }

    // A printer that cannot be opened (here a PDF file in a folder that is
    // not there) ends the print with the message, not silently.
    void aPrinterThatCannotBeOpenedSaysSo()
    {
        setLogs({{"Current log", {"one line"}}});
        const QString pdf = home().file("missing/log.pdf");
        QPrinter& printer = page().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        prompter().answer([](QDialog&) { return int(QDialog::Accepted); });
        frame->action(Act::Print)->trigger();
        QVERIFY(prompter().shown(text_id::kPrinterNotOpened));
        QVERIFY(!QFile::exists(pdf));
    }

    void linesFallIntoPagesOfL()
    {
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = home().file("long.pdf");
        shapePrinter(printer, pdf, 50);
        QCOMPARE(LogPrinter::pagination(printer, 101).linesPerPage, 50);
        QVERIFY(LogPrinter::print(printer, "doc.rps", numbered(101)));
        QCOMPARE(testing::pdfPageCount(pdf), 3);
        QCOMPARE(testing::pdfPageText(pdf, 1).size(), 52);
        QCOMPARE(testing::pdfPageText(pdf, 3), QStringList({"File: doc.rps", "line 101", "Page: 3/3"}));
    }

    void textExportWritesTheFileAndOpensIt()
    {
        setLogs({{"Current log", {"a", "b"}}});
        const QString path = home().file("my events");
        prompter().fileToSave = path;
        QTest::mouseClick(page().findChild<QPushButton*>("exportTxt"), Qt::LeftButton);
        QFile file(path + ".txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), eventlog::textExportBytes({"a", "b"}));
        QCOMPARE(prompter().opened, QStringList{path + ".txt"});
    }

    void textExportThatCannotWriteSaysSoAndOpensNothing()
    {
        const QString path = home().file("no such folder/Events.txt");
        prompter().fileToSave = path;
        page().exportTxt();
        QCOMPARE(prompter().messageTexts(), QStringList{"Error: Could not create file '" + path + "'"});
        QVERIFY(prompter().opened.isEmpty());
        prompter().fileToSave.clear(); // cancelled
        page().exportTxt();
        QCOMPARE(prompter().messages.size(), std::size_t(1));
    }

    void pdfExportRunsTheConverterWithPathsWithSpaces()
    {
        const QStringList lines = {"        002  10:00  05.Mar.2026 Partition A     Arming by user 2",
                                   "        001  09:40  05.Mar.2026  AC power loss"};
        setLogs({{"Current log", utf8Lines(lines)}});
        QDir(home().path()).mkpath("temp dir");
        page().setPdfExportSetup({QStringLiteral(QARVO_TEXT2PDF), eventlog::kConverterWait, home().file("temp dir")});
        const QString pdf = home().file("my exports/Event log.pdf");
        QDir(home().path()).mkpath("my exports");
        prompter().fileToSave = pdf;
        page().exportPdf();
        QCOMPARE(prompter().messageTexts(), QStringList());
        QCOMPARE(prompter().opened, QStringList{pdf});
        // Paged as the print preview pages it: the document's name above, the page number below.
        QCOMPARE(testing::pdfPageText(pdf, 1), QStringList({"File: " + templateField(TemplateField::Untitled),
                                                            lines[0].simplified(), lines[1].simplified(), "Page: 1/1"}));
        QVERIFY(QDir(home().file("temp dir")).isEmpty()); // the temporary file is gone
    }

    void failingConverterShowsItsMessageAndOpensNothing()
    {
        setLogs({{"Current log", {"a"}}});
        const QString pdf = home().file("Events.pdf");
        QFile stale(pdf);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("%PDF-1.4 an older export");
        stale.close();
        QDir(home().path()).mkpath("temp");
        const QString converter = writeScript(home().file("failing"), "echo 'No room left on the disk' >&2\nexit 1");
        page().setPdfExportSetup({converter, eventlog::kConverterWait, home().file("temp")});
        prompter().fileToSave = pdf;
        page().exportPdf();
        QCOMPARE(prompter().messageTexts(), QStringList{"Error: The PDF file was not made.\nNo room left on the disk"});
        QVERIFY(prompter().messages.front().kind == MessageKind::Error);
        QVERIFY(prompter().opened.isEmpty());
        QVERIFY(!QFile::exists(pdf)); // no older export left to be taken for this one
        QVERIFY(QDir(home().file("temp")).isEmpty());
    }

    void converterThatRunsTooLongIsEnded()
    {
        setLogs({{"Current log", {"a"}}});
        QDir(home().path()).mkpath("temp");
        const QString pidFile = home().file("converter.pid");
        const QString converter =
            writeScript(home().file("slow"), "echo $$ > '" + pidFile.toUtf8() + "'\nexec sleep 30");
        page().setPdfExportSetup({converter, std::chrono::milliseconds(500), home().file("temp")});
        prompter().fileToSave = home().file("Events.pdf");
        page().exportPdf();
        QCOMPARE(prompter().messageTexts(),
                 QStringList{"Error: The PDF converter did not finish within 1 seconds and was stopped. Nothing was "
                             "opened."});
        QVERIFY(prompter().opened.isEmpty());
        QVERIFY(QDir(home().file("temp")).isEmpty());
        QFile pid(pidFile);
        QVERIFY(pid.open(QIODevice::ReadOnly));
        const QByteArray number = pid.readAll().trimmed();
        QVERIFY(!number.isEmpty());
        QVERIFY(!QFile::exists("/proc/" + number)); // ended and reaped
    }

    void converterThatCannotStartIsReported()
    {
        setLogs({{"Current log", {"a"}}});
        page().setPdfExportSetup({home().file("missing converter"), eventlog::kConverterWait, {}});
        prompter().fileToSave = home().file("Events.pdf");
        page().exportPdf();
        QCOMPARE(prompter().messages.size(), std::size_t(1));
        QVERIFY(prompter().messages.front().text.startsWith("Error executing command: '" + home().file("missing converter")));
        QVERIFY(prompter().opened.isEmpty());
    }

    // The demo panel holds 1000 unread events, of which a reading takes the
    // newest 800; the list grows while they arrive.
    void demoReadingFillsTheListLive()
    {
        const auto app = startDemo();
        QVERIFY(app);
        CMainFrame& demo = *app->mainFrame();
        demo.setCurrentPage(kEventLogPage);
        CPageLog& log = *demo.logPage();
        QSignalSpy inserted(log.lineTable()->model(), &QAbstractItemModel::rowsInserted);
        QTRY_VERIFY_WITH_TIMEOUT(demo.action(Act::ReadEventLog)->isEnabled(), kLogTimeout);
        demo.action(Act::ReadEventLog)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(log.viewedLines().size() == 803, kLogTimeout);
        QVERIFY2(inserted.count() > 2, "the lines arrived in one piece, not while the reading ran");
        const QStringList lines = log.viewedLines();
        QVERIFY(lines.first().startsWith("Event log read on"));
        QVERIFY(lines[1].startsWith("        800 "));
        QVERIFY(lines[800].startsWith("        001 "));
        QCOMPARE(lines[801], strings::text(text_id::kEventLogRead));
        QCOMPARE(lines[802], QString(" "));
        QCOMPARE(log.logSelector()->count(), 1);
        QVERIFY(log.logSelector()->currentText().startsWith("LOG "));

        if (const QString dir = qEnvironmentVariable("QARVO_SCREENSHOT_DIR"); !dir.isEmpty()) {
            demo.resize(1100, 760);
            QVERIFY(demo.grab().save(QDir(dir).filePath("event-log-page.png")));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QDir(dir).filePath("event-log-print.pdf"));
            QVERIFY(LogPrinter::print(printer, "demo.rps", lines));
        }
        demo.action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!demo.session().worker.running(), kLogTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(demo.action(Act::Abort)->isEnabled(), kLogTimeout);
        demo.action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!demo.session().link.connection.isOpen(), kLogTimeout);
    }

    void breakEndsTheReadingAndKeepsItsLines()
    {
        const auto app = startDemo();
        QVERIFY(app);
        CMainFrame& demo = *app->mainFrame();
        CPageLog& log = *demo.logPage();
        log.breakButton()->click(); // no reading: nothing happens
        QCOMPARE(demo.session().worker.currentCode(), int(operations::kIdlePoll));
        QTRY_VERIFY_WITH_TIMEOUT(demo.action(Act::ReadEventLog)->isEnabled(), kLogTimeout);
        demo.action(Act::ReadEventLog)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(log.viewedLines().size() > 20, kLogTimeout);
        log.breakButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(demo.session().worker.currentCode() == operations::kIdlePoll, kLogTimeout);
        const qsizetype kept = log.viewedLines().size();
        QVERIFY(kept > 20 && kept < 803);
        QVERIFY(demo.session().worker.panelLinkUp());
        demo.action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!demo.session().worker.running(), kLogTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(demo.action(Act::Abort)->isEnabled(), kLogTimeout);
        demo.action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!demo.session().link.connection.isOpen(), kLogTimeout);
    }
};

QTEST_MAIN(LogPageTest)
#include "LogPageTest.moc"

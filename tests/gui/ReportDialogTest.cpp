// The digital communicator dialog over the main window's session: it edits
// a copy of the report form, OK checks and hands it over, Cancel drops it,
// and a refused report value on a save opens it at that value.
#include "FrameTest.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPage.h"
#include "gui/dialogs/CReportDlg.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CListCtrlEx.h"
#include "operations/OperationCodes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
namespace rc = qarvo::panel::report_control;
namespace column = qarvo::panel::report_column;

class ReportDialogTest : public testing::FrameTest {
    Q_OBJECT


    panel::ReportForm& form() { return frame->session().forms.report; }

    // Opens the dialog; the check runs while it is shown, then the dialog
    // ends the way the check returns.
    int withDialog(const std::function<int(CReportDlg&)>& check)
    {
        int result = -1;
        prompter().answer([&](QDialog& dialog) {
            dialog.show();
            result = check(static_cast<CReportDlg&>(dialog));
            return result;
        });
        frame->openReportDialog();
        return result;
    }

    // A document whose first format byte matches no format, opened in the frame.
    void openDocumentWithFormat(std::uint8_t format)
    {
        panel::CUploadDoc doc("Current log");
        doc.bytes(panel::Setting::CommunicationFormat1)[0] = format;
        const QString path = home().file("format.rps");
        QCOMPARE(doc.save(path.toStdString()), std::string());
        QVERIFY(frame->openDocument(path));
    }

private slots:
    void unknownFormatShowsTheMarkerAndOkRefusesIt()
    {
        openDocumentWithFormat(0x55);
        withDialog([&](CReportDlg& dialog) {
            auto* list = qobject_cast<QComboBox*>(dialog.control(rc::kFormat1));
            [&] {
                QCOMPARE(list->count(), int(panel::formatList().size()) + 1);
                QCOMPARE(list->currentText(), "!!! 55" + text(text_id::kInvalidCommunicationFormat));
            }();
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            [&] {
                QCOMPARE(prompter().count(text_id::kCheckSelectedValue), 1);
                QVERIFY(dialog.isVisible());
                QCOMPARE(dialog.focusWidget(), list);
            }();
            return int(QDialog::Rejected);
        });
        QVERIFY(form().format1.invalidCode.has_value());
    }

    void refusedFormatOnSaveOpensTheDialogAtIt()
    {
        openDocumentWithFormat(0x55);
        QWidget* focused = nullptr;
        QWidget* formatList = nullptr;
        prompter().answer([&](QDialog& dialog) {
            dialog.show();
            focused = dialog.focusWidget();
            formatList = static_cast<CReportDlg&>(dialog).control(rc::kFormat1);
            return int(QDialog::Rejected);
        });
        prompter().fileToSave = home().file("refused");
        frame->action(Act::SaveAs)->trigger();
        QCOMPARE(prompter().dialogs, QStringList{"reportDialog"});
        QVERIFY(formatList);
        QCOMPARE(focused, formatList);
        QCOMPARE(prompter().count(text_id::kCheckSelectedValue), 1);
        QVERIFY(!QFile::exists(home().file("refused.rps")));
        QCOMPARE(frame->currentPage(), int(kInstallerPage));
    }

    void refusedValueStopsThePageWriteAndOpensTheDialogAtIt_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("digits");
        QTest::newRow("account 2") << rc::kAccount2 << -1 << 4;
        QTest::newRow("Contact ID code, on the codes tab") << rc::kCodesGrid << 5 << 2;
    }

    void refusedValueStopsThePageWriteAndOpensTheDialogAtIt()
    {
        QFETCH(int, control);
        QFETCH(int, row);
        QFETCH(int, digits);
        if (row < 0)
            form().account2 = "12A";
        else
            form().codes[std::size_t(row)].cid = "1G2";
        QWidget* focused = nullptr;
        QWidget* expected = nullptr;
        QModelIndex cell;
        bool shown = false; // on the tab in front
        prompter().answer([&](QDialog& dialog) {
            dialog.show();
            focused = dialog.focusWidget();
            expected = static_cast<CReportDlg&>(dialog).control(control);
            shown = expected && expected->isVisible();
            cell = static_cast<CReportDlg&>(dialog).codesGrid()->currentIndex();
            return int(QDialog::Rejected);
        });
        QVERIFY(!frame->session().worker.startPageOperation(operations::kWriteInstaller));
        QVERIFY(!frame->session().worker.running());
        QCOMPARE(prompter().messageTexts(), QStringList{strings::format(text_id::kHexDigitCode, digits)});
        QVERIFY(expected);
        QCOMPARE(focused, expected);
        QVERIFY(shown);
        if (row >= 0)
            QCOMPARE(std::pair(cell.row(), cell.column()), std::pair(row, int(column::kCid)));
    }

    void theInstallerPageButtonOpensTheDialog()
    {
        frame->setCurrentPage(kInstallerPage);
        auto* button = frame->page(kInstallerPage)->findChild<QPushButton*>(QStringLiteral("digitalCommunicator"));
        QVERIFY(button);
        button->click();
        QCOMPARE(prompter().dialogs, QStringList{"reportDialog"});
    }

    void allowProgrammingOfChoosesTheEditableColumn_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("cidEditable");
        QTest::newRow("Contact ID codes") << panel::report_item::kAllowContactId << true;
        QTest::newRow("4x2 codes") << panel::report_item::kAllow4x2 << false;
    }

    void allowProgrammingOfChoosesTheEditableColumn()
    {
        QFETCH(int, item);
        QFETCH(bool, cidEditable);
        withDialog([&](CReportDlg& dialog) {
            auto* list = qobject_cast<QComboBox*>(dialog.control(rc::kAllowProgrammingOf));
            list->setCurrentIndex(1 - item);
            list->setCurrentIndex(item);
            GridModel& grid = dialog.codesGrid()->grid();
            [&] {
                QCOMPARE(grid.canEdit(1, column::kCid), cidEditable);
                QCOMPARE(grid.canEdit(1, column::k4x2), !cidEditable);
                // Entry 1 is a one-digit event, entry 2 is not.
                QCOMPARE(grid.rule(0, column::k4x2).length, 1);
                QCOMPARE(grid.rule(1, column::k4x2).length, 2);
            }();
            return int(QDialog::Rejected);
        });
    }

    void okHandsTheEditsOverAndCancelDropsThem_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void okHandsTheEditsOverAndCancelDropsThem()
    {
        QFETCH(bool, ok);
        const panel::ReportForm before = form();
        withDialog([&](CReportDlg& dialog) {
            auto* account = qobject_cast<QLineEdit*>(dialog.control(rc::kAccount1));
            account->clear();
            QTest::keyClicks(account, "12ab");
            auto* split = qobject_cast<QCheckBox*>(dialog.control(2326));
            split->click();
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            return dialog.result();
        });
        if (!ok) {
            QVERIFY(form() == before);
            QCOMPARE(frame->windowTitle(), QString("untitled - QarvoIP"));
            return;
        }
        QCOMPARE(form().account1, std::string("12AB"));
        QCOMPARE(panel::optionValue(form().options, 2326), 1 - panel::optionValue(before.options, 2326));
        QCOMPARE(frame->windowTitle(), QString("untitled* - QarvoIP"));
    }

    void methodAlternateDisablesTheSecondStation()
    {
        withDialog([&](CReportDlg& dialog) {
            qobject_cast<QCheckBox*>(dialog.control(rc::kEnableDigitalCommunication))->setChecked(true);
            auto* method = qobject_cast<QComboBox*>(dialog.control(rc::kMethod));
            method->setCurrentIndex(panel::report_item::kMethodAlternate);
            [&] {
                QVERIFY(dialog.control(rc::kFormat1)->isEnabled());
                QVERIFY(!dialog.control(rc::kFormat2)->isEnabled());
            }();
            method->setCurrentIndex(panel::report_item::kMethodSplit);
            [&] { QVERIFY(dialog.control(rc::kFormat2)->isEnabled()); }();
            return int(QDialog::Rejected);
        });
    }

    void openingSizeShowsTheSettingsWithoutScrollingSideways()
    {
        withDialog([&](CReportDlg& dialog) {
            dialog.resize(dialog.sizeHint()); // as the prompter opens it on a screen large enough
            auto* settings = dialog.findChild<QScrollArea*>(QStringLiteral("settingsScroll"));
            [&] {
                QVERIFY(settings);
                QTRY_COMPARE(settings->horizontalScrollBar()->maximum(), 0);
                // Two columns: the first station's group beside the options,
                // above the accounts rather than below them.
                const QWidget* format = dialog.control(rc::kFormat1);
                const QWidget* account = dialog.control(rc::kAccount1);
                QTRY_VERIFY(format->mapTo(&dialog, QPoint()).y() < account->mapTo(&dialog, QPoint()).y());
            }();
            return int(QDialog::Rejected);
        });
    }

    void tabOrderFollowsTheLayout()
    {
        const QList<int> visualOrder{2318, 2303, 2320, 2321, 2317, 2301, 2319, 2302, 2304, 2305, 2306, 2307, 2308,
                                     2326, 2327, 2328, 2329, 2309, 2332, 2333, 2334, 2335, 2310, 2340};
        QList<int> chain;
        withDialog([&](CReportDlg& dialog) {
            QWidget* first = dialog.control(visualOrder.first());
            QWidget* w = first;
            do {
                for (const int id : visualOrder)
                    if (dialog.control(id) == w)
                        chain << id;
                w = w->nextInFocusChain();
            } while (w != first);
            return int(QDialog::Rejected);
        });
        QCOMPARE(chain, visualOrder);
    }

    // For looking at the dialog: QARVO_GRAB_DIR names where its pictures go,
    // QARVO_GRAB_DOC a document to show there (one read from the demo panel).
    void grabTheDialog()
    {
        const QString dir = qEnvironmentVariable("QARVO_GRAB_DIR");
        if (dir.isEmpty())
            QSKIP("QARVO_GRAB_DIR is not set");
        if (const QString doc = qEnvironmentVariable("QARVO_GRAB_DOC"); !doc.isEmpty())
            QVERIFY(frame->openDocument(doc));
        form().options[rc::kEnableDigitalCommunication] = 1;
        form().account1 = "1234";
        form().phone1 = "0215551234";
        form().account2 = "5678";
        form().phone2 = "02155598D76";
        frame->resize(644, 436);
        withDialog([&](CReportDlg& dialog) {
            const struct {
                QSize size;
                int tab;
            } shots[] = {{QSize(644, 436), 0}, {QSize(644, 436), 1}, {QSize(1100, 800), 0}, {QSize(1100, 800), 1}};
            QCoreApplication::processEvents();
            dialog.grab().save(QStringLiteral("%1/report-opening.png").arg(dir));
            for (const auto& shot : shots) {
                dialog.resize(shot.size);
                dialog.findChild<QTabWidget*>()->setCurrentIndex(shot.tab);
                QCoreApplication::processEvents();
                dialog.grab().save(QStringLiteral("%1/report-%2x%3-%4.png")
                                       .arg(dir)
                                       .arg(shot.size.width())
                                       .arg(shot.size.height())
                                       .arg(shot.tab));
            }
            return int(QDialog::Rejected);
        });
    }
};

QTEST_MAIN(ReportDialogTest)
#include "ReportDialogTest.moc"

// The master functions page in the main window: edits land in the session's
// form, a refused value stops the save or the page write and gets the
// focus, a header click toggles a column.
#include "FrameTest.h"

#include "base/TextIds.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageMaster.h"
#include "gui/widgets/CListCtrlEx.h"
#include "operations/OperationCodes.h"
#include "support/Documents.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
namespace mc = qarvo::panel::master_control;

namespace {

constexpr int kUserCodeRefused = 249;
constexpr int kCodeColumn = 2;
constexpr int kAttributeC = 6; // grid column of attribute C

} // namespace

class MasterPageTest : public testing::FrameTest {
    Q_OBJECT

    CPageMaster& page() { return *frame->masterPage(); }
    panel::MasterForm& form() { return frame->session().forms.master; }

    // An edit of a user grid cell the way the in-place editor commits it.
    void typeUserCell(int row, int column, const QString& text)
    {
        CListCtrlEx& grid = *page().userGrid();
        QVERIFY(grid.model()->setData(grid.model()->index(row, column), text));
    }

private slots:
    void pageShowsTheFormOfANewDocument()
    {
        QVERIFY(!page().placeholder());
        QCOMPARE(page().userGrid()->rowCount(), int(form().users.size()));
        QCOMPARE(page().userGrid()->rowCount(), panel::kUserGridRows);
        QCOMPARE(page().userGrid()->text(0, 1), QString("Master"));
        QCOMPARE(page().userGrid()->text(44, 1), QString("User 44"));
        QCOMPARE(page().userGrid()->text(0, kCodeColumn), QString::fromStdString(form().users[0].code));
        QCOMPARE(page().pgmGrid()->rowCount(), int(form().pgmTimes.size()));
        QCOMPARE(static_cast<QLineEdit*>(page().control(mc::kRoundPeriod))->text(),
                 QString::fromStdString(form().roundPeriod));

        // For looking at the page: QARVO_GRAB_DIR names where its pictures go.
        if (const QString dir = qEnvironmentVariable("QARVO_GRAB_DIR"); !dir.isEmpty()) {
            frame->setCurrentPage(kMasterPage);
            frame->show();
            for (const QSize size : {QSize(644, 436), QSize(1100, 900)}) {
                frame->resize(size);
                QCoreApplication::processEvents();
                QVERIFY(frame->grab().save(QStringLiteral("%1/master-%2x%3.png").arg(dir).arg(size.width()).arg(size.height())));
            }
        }
    }

    void editsLandInTheForm_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("typed");
        QTest::newRow("ambush digit") << mc::kAmbushDigit << "7";
        QTest::newRow("follow me 03") << mc::kFollowMe01 + 2 << "0123D45";
        QTest::newRow("round period") << mc::kRoundPeriod << "42";
        QTest::newRow("inactivity A") << mc::kPartitionAInactivity << "01:30";
    }

    void editsLandInTheForm()
    {
        QFETCH(int, control);
        QFETCH(QString, typed);
        auto* edit = qobject_cast<QLineEdit*>(page().control(control));
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, typed);
        const panel::MasterForm& f = form();
        const std::string stored = control == mc::kAmbushDigit         ? f.ambushDigit
                                   : control == mc::kRoundPeriod       ? f.roundPeriod
                                   : control == mc::kPartitionAInactivity ? f.partitionAInactivity
                                                                       : f.followMe[2];
        QCOMPARE(QString::fromStdString(stored), typed);
    }

    void gridAndOptionEditsLandInTheForm()
    {
        typeUserCell(5, kCodeColumn, "4321");
        typeUserCell(5, 3, "Night guard");
        QCOMPARE(form().users[5].code, std::string("4321"));
        QCOMPARE(form().users[5].name, std::string("Night guard"));

        const bool before = form().users[5].attributes[1];
        QVERIFY(page().userGrid()->grid().toggleCheck(5, 5)); // attribute B
        QCOMPARE(form().users[5].attributes[1], !before);

        auto* box = qobject_cast<QCheckBox*>(page().control(2233));
        box->setChecked(!box->isChecked());
        QCOMPARE(panel::optionValue(form().voiceOptions, 2233) != 0, box->isChecked());

        CListCtrlEx& pgm = *page().pgmGrid();
        QVERIFY(pgm.model()->setData(pgm.model()->index(0, panel::master_pgm_column::kActivation), "07:45"));
        QVERIFY(form().pgmTimes[0].activation.on);
        QCOMPARE(form().pgmTimes[0].activation.time, std::string("07:45"));
    }

    void headerClickTogglesTheColumn()
    {
        frame->setCurrentPage(kMasterPage);
        frame->resize(900, 700);
        frame->show();
        const bool first = form().users[0].attributes[2];
        QHeaderView* header = page().userGrid()->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(kAttributeC) + header->sectionSize(kAttributeC) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
        for (std::size_t r = 0; r < form().users.size(); ++r)
            QCOMPARE(form().users[r].attributes[2], !first);
        QCOMPARE(page().userGrid()->checkState(44, kAttributeC), first ? 0 : 1);
    }

    void savingARefusedCodeWritesNoFileAndFocusesTheCell()
    {
        prompter().fileToSave = home().file("kept");
        frame->action(Act::SaveAs)->trigger();
        const QString path = home().file("kept.rps");
        const auto saved = testing::fileBytes(path.toStdString());
        QVERIFY(!saved.empty());
        QVERIFY(!prompter().shown(kUserCodeRefused));

        frame->show();
        frame->setCurrentPage(kOnlinePage);
        typeUserCell(3, kCodeColumn, "12345");
        typeUserCell(7, kCodeColumn, "123"); // a later row: the first refusal is reported
        frame->action(Act::Save)->trigger();
        QCOMPARE(prompter().count(kUserCodeRefused), 1);
        QVERIFY(testing::fileBytes(path.toStdString()) == saved);
        QCOMPARE(frame->currentPage(), int(kMasterPage));
        QCOMPARE(page().userGrid()->currentIndex().row(), 3);
        QCOMPARE(page().userGrid()->currentIndex().column(), kCodeColumn);

        prompter().fileToSave = home().file("other");
        frame->action(Act::SaveAs)->trigger();
        QVERIFY(!QFile::exists(home().file("other.rps")));
        QCOMPARE(prompter().count(kUserCodeRefused), 2);
    }

    void userCodesGoBesideTheRestOnAWidePage_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("beside");
        QTest::newRow("default size: one above the other") << QSize(644, 436) << false;
        QTest::newRow("large: side by side") << QSize(1600, 1000) << true;
    }

    void userCodesGoBesideTheRestOnAWidePage()
    {
        QFETCH(QSize, window);
        QFETCH(bool, beside);
        frame->setCurrentPage(kMasterPage);
        frame->resize(window);
        frame->show();
        const CListCtrlEx* grid = page().userGrid();
        const QWidget* followMe = page().control(mc::kFollowMe01);
        const auto right = [&] { return followMe->mapTo(&page(), QPoint()).x() > grid->mapTo(&page(), QPoint(grid->width(), 0)).x(); };
        QTRY_COMPARE(right(), beside);
        // Beside the rest, the grid takes the page's height: no page scrolling.
        const auto* scroll = page().findChild<QScrollArea*>();
        if (beside)
            QTRY_COMPARE(scroll->verticalScrollBar()->maximum(), 0);
    }

    void tabLeavesTheUserGridForTheNextControls()
    {
        frame->setCurrentPage(kMasterPage);
        frame->show();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        CListCtrlEx& grid = *page().userGrid();
        int last = grid.columnCount() - 1;
        while (grid.isColumnHidden(last))
            --last;
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(grid.rowCount() - 1, last));
        QTest::keyClick(&grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page().control(mc::kFollowMe01));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), &grid);
        grid.setCurrentIndex(grid.model()->index(0, 0));
        QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), page().control(mc::kAmbushDigit));
    }

    void aRefusedCodeStopsThePageWrite()
    {
        typeUserCell(2, kCodeColumn, "12345");
        QVERIFY(!frame->session().worker.startPageOperation(operations::kWriteMaster));
        QCOMPARE(prompter().count(kUserCodeRefused), 1);
        QVERIFY(!frame->session().worker.running());
    }
};

QTEST_MAIN(MasterPageTest)
#include "MasterPageTest.moc"

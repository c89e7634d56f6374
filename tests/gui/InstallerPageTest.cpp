// The installer functions page in the main window: the zone grid's locks
// follow the type and doubling edits, the grids follow the panel model,
// values both programming pages show are edited on either, and a refused
// value stops the save with the focus on it.
#include "FrameTest.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageInst.h"
#include "gui/pages/CPageMaster.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CListCtrlEx.h"
#include "panel/TypeLists.h"
#include "support/Documents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace qarvo;
using namespace qarvo::gui;
using panel::ZoneAttribute;
namespace mc = qarvo::panel::master_control;
namespace ic = qarvo::panel::installer_control;

namespace {

// Zone grid columns of a later model: attributes from column 4, A first.
int zoneColumn(ZoneAttribute a) { return panel::zone_column::kFirstAttribute + panel::attributeIndex(a); }

} // namespace

class InstallerPageTest : public testing::FrameTest {
    Q_OBJECT


    CPageInst& page() { return *frame->installerPage(); }
    panel::InstallerForm& form() { return frame->session().forms.installer; }

    // A cell edit the way the in-place editor commits it.
    void typeCell(CListCtrlEx& grid, int row, int column, const QString& text)
    {
        QVERIFY(grid.model()->setData(grid.model()->index(row, column), text));
    }

    void typeInto(QWidget* widget, const QString& typed)
    {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }

private slots:
    void pageShowsTheForms()
    {
        QVERIFY(!page().placeholder());
        QCOMPARE(page().zoneGrid()->rowCount(), int(form().zones.size()));
        QCOMPARE(page().pgmGrid()->rowCount(), int(form().pgms.size()));
        QCOMPARE(page().keypadGrid()->rowCount(), int(form().keypads.size()));
        QCOMPARE(page().codesGrid()->text(1, panel::code_column::kCode),
                 QString::fromStdString(frame->session().forms.master.users[0].code));
        QCOMPARE(static_cast<QLineEdit*>(page().control(ic::kEntry1Delay))->text(),
                 QString::fromStdString(form().entry1Delay));
        // Showing the forms leaves them as they are.
        frame->session().refreshForms();
        const panel::ProgrammingForms fresh = frame->session().forms;
        page().showImage();
        QVERIFY(frame->session().forms == fresh);

        // For looking at the page: QARVO_GRAB_DIR names where its pictures go.
        // QARVO_GRAB_DOC a document to show there (one read from the demo panel).
        if (const QString dir = qEnvironmentVariable("QARVO_GRAB_DIR"); !dir.isEmpty()) {
            prompter().fileToOpen = qEnvironmentVariable("QARVO_GRAB_DOC");
            if (!prompter().fileToOpen.isEmpty())
                frame->action(Act::Open)->trigger();
            frame->setCurrentPage(kInstallerPage);
            frame->show();
            for (const QSize size : {QSize(644, 436), QSize(1600, 1000)}) {
                frame->resize(size);
                for (int pass = 0; pass < 3; ++pass) // the page lays its groups out for the new width
                    QCoreApplication::processEvents();
                QVERIFY(frame->grab().save(QStringLiteral("%1/installer-%2x%3.png").arg(dir).arg(size.width()).arg(size.height())));
                QWidget* contents = page().findChild<QScrollArea*>()->widget();
                for (int top = 0; top < contents->height(); top += 800)
                    QVERIFY(contents->grab(QRect(0, top, contents->width(), 800))
                                .save(QStringLiteral("%1/installer-page-%2-%3.png").arg(dir).arg(size.width()).arg(top)));
            }
        }
    }

    void gridAndOptionEditsLandInTheForms()
    {
        CListCtrlEx& pgms = *page().pgmGrid();
        const QStringList types = pgms.grid().columnType(panel::pgm_column::kType)->items;
        typeCell(pgms, 1, panel::pgm_column::kType, types.at(3));
        typeCell(pgms, 1, panel::pgm_column::kDelay, "17");
        typeCell(pgms, 1, panel::pgm_column::kUnit, text(149)); // "min"
        typeCell(pgms, 1, panel::pgm_column::kActivation, "06:15");
        QVERIFY(pgms.grid().toggleCheck(1, panel::pgm_column::kPartitionB));
        const panel::PgmRow& pgm = form().pgms[1];
        QCOMPARE(pgm.type, 3);
        QCOMPARE(pgm.delay, std::string("17"));
        QCOMPARE(pgm.unit, panel::pgm_unit::kMinutes);
        QCOMPARE(pgm.partitionB, pgms.checkState(1, panel::pgm_column::kPartitionB) == 1);
        QCOMPARE(frame->session().forms.master.pgmTimes[1].activation, (panel::PgmTimeCell{true, "06:15"}));

        CListCtrlEx& keypads = *page().keypadGrid();
        const bool tamper = form().keypads[2][0];
        QVERIFY(keypads.grid().toggleCheck(2, 2));
        QCOMPARE(form().keypads[2][0], !tamper);

        auto* tlm = qobject_cast<QComboBox*>(page().control(2033));
        tlm->setCurrentIndex(2);
        QCOMPARE(panel::optionValue(form().options, 2033), 2);
        auto* doubleReporting = qobject_cast<QAbstractButton*>(page().control(2119));
        doubleReporting->setChecked(!doubleReporting->isChecked());
        QCOMPARE(panel::optionValue(frame->session().forms.master.voiceOptions, 2233) != 0,
                 doubleReporting->isChecked());
    }

    void zoneTypeSetsTheLocks_data()
    {
        QTest::addColumn<int>("type"); // zone type code
        QTest::addColumn<int>("attribute");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("state");
        QTest::newRow("fire sets A") << 12 << int(ZoneAttribute::A) << true << 1;
        QTest::newRow("fire clears G") << 12 << int(ZoneAttribute::G) << true << 0;
        QTest::newRow("unused clears K") << 0 << int(ZoneAttribute::K) << true << 0;
        QTest::newRow("unused sets partition A") << 0 << int(ZoneAttribute::Q) << true << 1;
        QTest::newRow("instant frees A") << 4 << int(ZoneAttribute::A) << false << -1;
    }

    void zoneTypeSetsTheLocks()
    {
        QFETCH(int, type);
        QFETCH(int, attribute);
        QFETCH(bool, locked);
        QFETCH(int, state);
        CListCtrlEx& grid = *page().zoneGrid();
        const int typeId = *panel::zoneTypeTextId(std::uint8_t(type));
        typeCell(grid, 1, panel::zone_column::kType, text(typeId));
        QCOMPARE(form().zones[1].type, grid.listIndex(1, panel::zone_column::kType));
        const int column = zoneColumn(ZoneAttribute(attribute));
        QCOMPARE(grid.isLocked(1, column), locked);
        if (state >= 0) {
            QCOMPARE(grid.checkState(1, column), state);
            QCOMPARE(form().zones[1].attributes[std::size_t(attribute)], state == 1);
        }
    }

    // Keyboard only: Enter opens the zone type list, Down picks the next
    // type and Enter takes it.
    void enterCommitsTheZoneTypeList()
    {
        frame->show();
        frame->setCurrentPage(kInstallerPage);
        QApplication::setActiveWindow(frame.get());
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        CListCtrlEx& grid = *page().zoneGrid();
        typeCell(grid, 1, panel::zone_column::kType, text(*panel::zoneTypeTextId(1)));
        const int before = form().zones[1].type;
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(1, panel::zone_column::kType));
        QTest::keyClick(&grid, Qt::Key_Return);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(form().zones[1].type, before + 1);
        QVERIFY(!qobject_cast<QComboBox*>(QApplication::focusWidget())); // the list closed
    }

    void doublingLocksTheUpperZone()
    {
        // Zone 3 doubles into zone 11 on a 16-zone panel.
        CListCtrlEx& grid = *page().zoneGrid();
        for (const int row : {2, 10})
            typeCell(grid, row, panel::zone_column::kType, text(*panel::zoneTypeTextId(4)));
        if (grid.checkState(2, zoneColumn(ZoneAttribute::K)) == 0)
            QVERIFY(grid.grid().toggleCheck(2, zoneColumn(ZoneAttribute::K)));
        QVERIFY(!grid.isLocked(10, zoneColumn(ZoneAttribute::K)));

        QVERIFY(grid.grid().toggleCheck(2, zoneColumn(ZoneAttribute::N)));
        for (const ZoneAttribute a : {ZoneAttribute::K, ZoneAttribute::L, ZoneAttribute::M}) {
            QVERIFY(grid.isLocked(10, zoneColumn(a)));
            QCOMPARE(grid.checkState(10, zoneColumn(a)), grid.checkState(2, zoneColumn(a)));
        }
        QVERIFY(form().zones[10].attributes[std::size_t(ZoneAttribute::K)]);

        QVERIFY(grid.grid().toggleCheck(2, zoneColumn(ZoneAttribute::N)));
        QVERIFY(!grid.isLocked(10, zoneColumn(ZoneAttribute::K)));
    }

    void panelModelRebuildsTheColumns_data()
    {
        QTest::addColumn<int>("typeCode");
        QTest::addColumn<int>("zoneColumns");
        QTest::addColumn<int>("pgmTypes");
        QTest::addColumn<QString>("lastZoneHeader");
        QTest::newRow("0x21") << 0x21 << 21 << 43 << "Q";
        QTest::newRow("0x22") << 0x22 << 22 << 51 << "R";
        QTest::newRow("0x24") << 0x24 << 23 << 51 << "S";
    }

    void panelModelRebuildsTheColumns()
    {
        QFETCH(int, typeCode);
        QFETCH(int, zoneColumns);
        QFETCH(int, pgmTypes);
        QFETCH(QString, lastZoneHeader);
        // Another model first, so that the document opened changes it.
        const QString other = home().file("other.rps");
        QVERIFY(testing::documentFor(typeCode == 0x21 ? 0x24 : 0x21).save(other.toStdString()).empty());
        const QString path = home().file("model.rps");
        QVERIFY(testing::documentFor(std::uint8_t(typeCode)).save(path.toStdString()).empty());
        for (const QString& file : {other, path}) {
            prompter().fileToOpen = file;
            frame->action(Act::Open)->trigger();
        }
        CListCtrlEx& zones = *page().zoneGrid();
        QCOMPARE(zones.columnCount(), zoneColumns);
        QCOMPARE(zones.model()->headerData(zoneColumns - 1, Qt::Horizontal, Qt::DisplayRole).toString(), lastZoneHeader);
        QCOMPARE(zones.grid().columnType(panel::zone_column::kType)->items.size(), 14);
        QCOMPARE(page().pgmGrid()->grid().columnType(panel::pgm_column::kType)->items.size(), pgmTypes);
        QCOMPARE(page().pgmGrid()->rowCount(), frame->session().doc.identity().pgmCount);
    }

    void sharedValuesShowOnTheOtherPage_data()
    {
        QTest::addColumn<int>("fromPage");
        QTest::addColumn<int>("fromControl");
        QTest::addColumn<int>("toControl");
        QTest::newRow("round period, master to installer") << int(kMasterPage) << mc::kRoundPeriod << 2028;
        QTest::newRow("voice time, installer to master") << int(kInstallerPage) << 2038 << mc::kVoiceReportingTime;
    }

    void sharedValuesShowOnTheOtherPage()
    {
        QFETCH(int, fromPage);
        QFETCH(int, fromControl);
        QFETCH(int, toControl);
        frame->show();
        frame->setCurrentPage(fromPage);
        const bool fromMaster = fromPage == kMasterPage;
        typeInto(fromMaster ? frame->masterPage()->control(fromControl) : page().control(fromControl), "42");
        frame->setCurrentPage(fromMaster ? kInstallerPage : kMasterPage);
        QWidget* shown = fromMaster ? page().control(toControl) : frame->masterPage()->control(toControl);
        QCOMPARE(static_cast<QLineEdit*>(shown)->text(), QString("42"));
    }

    void masterCodeRowIsShared_data()
    {
        QTest::addColumn<bool>("fromMaster");
        QTest::newRow("master page to installer page") << true;
        QTest::newRow("installer page to master page") << false;
    }

    void masterCodeRowIsShared()
    {
        QFETCH(bool, fromMaster);
        frame->show();
        frame->setCurrentPage(fromMaster ? kMasterPage : kInstallerPage);
        CListCtrlEx& users = *frame->masterPage()->userGrid();
        CListCtrlEx& codes = *page().codesGrid();
        typeCell(fromMaster ? users : codes, fromMaster ? 0 : panel::codes_row::kMaster, panel::code_column::kCode,
                 "2468");
        frame->setCurrentPage(fromMaster ? kInstallerPage : kMasterPage);
        QCOMPARE(users.text(0, panel::code_column::kCode), QString("2468"));
        QCOMPARE(codes.text(panel::codes_row::kMaster, panel::code_column::kCode), QString("2468"));
    }

    void refusedMasterCodeIsFocusedWhereItWasTyped()
    {
        constexpr int kUserCodeRefused = 249;
        prompter().fileToSave = home().file("kept");
        frame->show();
        frame->setCurrentPage(kInstallerPage);
        typeCell(*page().codesGrid(), panel::codes_row::kMaster, panel::code_column::kCode, "12345");
        frame->action(Act::SaveAs)->trigger();
        QCOMPARE(prompter().count(kUserCodeRefused), 1);
        QVERIFY(!QFile::exists(home().file("kept.rps")));
        QCOMPARE(frame->currentPage(), int(kInstallerPage));
        QCOMPARE(page().codesGrid()->currentIndex().row(), panel::codes_row::kMaster);
        QCOMPARE(page().codesGrid()->currentIndex().column(), panel::code_column::kCode);
    }

    void refusedValueStopsTheSave_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty entry delay") << ic::kEntry1Delay << "" << text(text_id::kHasToHaveValue);
        QTest::newRow("too many rings") << ic::kNumberOfRings << "25" << strings::format(text_id::kEnterNumberUpTo, 20);
        QTest::newRow("zero swinger counter") << ic::kSwingerCounter << "0" << text(text_id::kHasToHaveNonZeroValue);
        // Checked without partitions as well, so it is editable then too.
        QTest::newRow("empty exit delay B") << ic::kExitDelayB << "" << text(text_id::kHasToHaveValue);
    }

    void refusedValueStopsTheSave()
    {
        QFETCH(int, control);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        prompter().fileToSave = home().file("kept");
        frame->action(Act::SaveAs)->trigger();
        const QString path = home().file("kept.rps");
        const auto saved = testing::fileBytes(path.toStdString());
        QVERIFY(!saved.empty());

        frame->show();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        frame->setCurrentPage(kInstallerPage);
        QCOMPARE(panel::optionValue(form().options, ic::kPartitions), 0);
        typeInto(page().control(control), typed);
        frame->setCurrentPage(kOnlinePage);
        frame->action(Act::Save)->trigger();
        QCOMPARE(prompter().messageTexts(), QStringList{message});
        QVERIFY(testing::fileBytes(path.toStdString()) == saved);
        QCOMPARE(frame->currentPage(), int(kInstallerPage));
        QVERIFY(page().control(control)->hasFocus());
    }

    void partitionModeSwitchesPartitionB()
    {
        auto* partitions = qobject_cast<QAbstractButton*>(page().control(ic::kPartitions));
        for (const bool on : {true, false}) {
            partitions->setChecked(on);
            QCOMPARE(panel::optionValue(form().options, ic::kPartitions), on ? 1 : 0);
            QCOMPARE(page().control(2160)->isEnabled(), on); // partition B's quick arming
            QVERIFY(page().control(ic::kExitDelayB)->isEnabled());
        }
    }

    void tabOrderFollowsThePage()
    {
        // Group by group as the page shows them, top to bottom, left to right.
        const std::vector<int> visual{ic::kPartitions, ic::kInstallerCode, ic::kPcIdCode, ic::kCodesGrid, ic::kZoneGrid,
                                      ic::kKeypadGrid, 2026, ic::kPgmGrid, 2120, ic::kEntry1Delay, 2030, 2065, 2071,
                                      ic::kExitDelayA, 2131, ic::kExitDelayB};
        std::vector<int> chain;
        QWidget* first = page().control(visual.front());
        for (QWidget* w = first; chain.empty() || w != first; w = w->nextInFocusChain())
            for (const int id : visual)
                if (page().control(id) == w)
                    chain.push_back(id);
        QCOMPARE(chain, visual);
    }

    void digitalCommunicatorButtonAsksForTheDialog()
    {
        QSignalSpy requested(&page(), &CPageInst::reportDialogRequested);
        auto* button = page().findChild<QAbstractButton*>(QStringLiteral("digitalCommunicator"));
        QVERIFY(button);
        QCOMPARE(button->text(), text(2042));
        button->click();
        QCOMPARE(requested.count(), 1);
    }
};

QTEST_MAIN(InstallerPageTest)
#include "InstallerPageTest.moc"

// The programming grid driven as a user drives it, offscreen: clicks, keys,
// edits through the in-place editors, copy and paste, and what reaches the
// model and the signals.
#include "gui/widgets/CListCtrlEx.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QHeaderView>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using cells::CellKind;

namespace {

enum Column { Hidden, Label, Code, Time, Hex, Flag, Type, Note, Pgm, ColumnCount };
constexpr int kGridId = 2219;
constexpr int kRows = 30;

GridColumnType typed(CellKind kind, int length = 0)
{
    GridColumnType type;
    type.kind = kind;
    type.length = length;
    return type;
}

std::unique_ptr<CListCtrlEx> makeGrid()
{
    auto grid = std::make_unique<CListCtrlEx>(kGridId);
    grid->defineColumn(Hidden, {}, 0);
    grid->defineColumn(Label, "No", 70);
    grid->defineColumn(Code, "ID", 50, Qt::AlignRight | Qt::AlignVCenter, "User code");
    grid->defineColumn(Time, "On", 60);
    grid->defineColumn(Hex, "CID", 30);
    grid->defineColumn(Flag, "A", 25, Qt::AlignCenter, "User can zone bypass");
    grid->defineColumn(Type, "Type", 130);
    grid->defineColumn(Note, "Name", 80);
    grid->defineColumn(Pgm, "Activation", 100);
    GridColumnType code = typed(CellKind::Decimal, 4);
    code.pad = true;
    grid->setColumnType(Code, code);
    grid->setColumnType(Time, typed(CellKind::TimeText));
    GridColumnType hex = typed(CellKind::Hex, 2);
    hex.blankZero = true;
    grid->setColumnType(Hex, hex);
    GridColumnType flag = typed(CellKind::Check);
    flag.background = colourFromBgr(0xC0C0FF); // the users' attribute columns
    grid->setColumnType(Flag, flag);
    GridColumnType list = typed(CellKind::List);
    list.items = QStringList{"00/unused", "01/delayed 1", "04/instant"};
    grid->setColumnType(Type, list);
    GridColumnType note = typed(CellKind::Text, 16);
    note.editable = false;
    grid->setColumnType(Note, note);
    grid->setColumnType(Pgm, typed(CellKind::TimePickerOnOff));
    grid->setRowCount(kRows);
    for (int row = 0; row < kRows; ++row) {
        grid->setText(row, Label, QStringLiteral("User %1").arg(row, 2, 10, QLatin1Char('0')));
        grid->setText(row, Code, "1234");
        grid->setText(row, Time, "10:00");
        grid->setText(row, Hex, "1F");
        grid->setText(row, Type, "00/unused");
        grid->setText(row, Note, "note");
        grid->setText(row, Pgm, "--:--");
    }
    grid->resize(700, 300);
    return grid;
}

QWidget* editorOf(CListCtrlEx& grid, int row, int column)
{
    return grid.indexWidget(grid.model()->index(row, column));
}

} // namespace

class CListCtrlExTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CListCtrlEx> grid;

    void click(int row, int column)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // The click that selects the row, then the click that acts on the cell.
    void clickInSelectedRow(int row, int column)
    {
        click(row, column);
        click(row, column);
    }

    // Opens the cell's line editor, replaces its text and presses the key.
    void typeInto(int row, int column, const QString& text, Qt::Key end = Qt::Key_Return)
    {
        clickInSelectedRow(row, column);
        auto* edit = qobject_cast<QLineEdit*>(editorOf(*grid, row, column));
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, end);
        // The editor hands its text over from the event loop.
        QTRY_VERIFY(!editorOf(*grid, row, column));
    }

private slots:
    void init()
    {
        grid = makeGrid();
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    }
    void cleanup() { grid.reset(); }

    void clickOnUnselectedRowOnlySelectsIt()
    {
        click(2, Code);
        QVERIFY(grid->selectionModel()->isRowSelected(2, {}));
        QVERIFY(!editorOf(*grid, 2, Code));
        click(2, Code);
        QVERIFY(qobject_cast<QLineEdit*>(editorOf(*grid, 2, Code)));
    }

    void editThroughDelegateStoresRuledText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("pad") << int(Code) << "12" << "0012";
        QTest::newRow("filter drops letters") << int(Code) << "1a2b" << "0012";
        QTest::newRow("length limit") << int(Code) << "567890" << "5678";
        QTest::newRow("typed time") << int(Time) << "7:5" << "07:05";
        QTest::newRow("bad time off") << int(Time) << "25:00" << "--:--";
        QTest::newRow("hex upper case") << int(Hex) << "a9" << "A9";
        QTest::newRow("blank zero") << int(Hex) << "00" << "";
    }
    void editThroughDelegateStoresRuledText()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QSignalSpy edited(grid.get(), &CListCtrlEx::cellEdited);
        typeInto(3, column, typed);
        QCOMPARE(grid->text(3, column), stored);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0), (QVariantList{3, column}));
    }

    void escapeCancelsEdit()
    {
        QSignalSpy edited(grid.get(), &CListCtrlEx::cellEdited);
        typeInto(1, Code, "99", Qt::Key_Escape);
        QCOMPARE(grid->text(1, Code), QString("1234"));
        QVERIFY(!editorOf(*grid, 1, Code));
        QCOMPARE(edited.count(), 0);
    }

    void lockedReadOnlyAndUntypedCellsDoNotEdit_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("lock");
        QTest::newRow("locked") << int(Code) << true;
        QTest::newRow("read-only column") << int(Note) << false;
        QTest::newRow("untyped column") << int(Label) << false;
        QTest::newRow("locked check") << int(Flag) << true;
    }
    void lockedReadOnlyAndUntypedCellsDoNotEdit()
    {
        QFETCH(int, column);
        QFETCH(bool, lock);
        grid->setLocked(4, column, lock);
        const QString before = grid->text(4, column);
        QSignalSpy edited(grid.get(), &CListCtrlEx::cellEdited);
        clickInSelectedRow(4, column);
        QVERIFY(!editorOf(*grid, 4, column));
        for (const auto key : {Qt::Key_F2, Qt::Key_Return, Qt::Key_7}) {
            QTest::keyClick(grid.get(), key);
            QVERIFY(!editorOf(*grid, 4, column));
        }
        QTest::keyClick(grid.get(), Qt::Key_Space);
        QCOMPARE(grid->pasteText("1"), 0);
        QCOMPARE(grid->text(4, column), before);
        QCOMPARE(grid->checkState(4, column), 0);
        QCOMPARE(edited.count(), 0);
    }

    void enterAndF2StartEditing()
    {
        for (const auto key : {Qt::Key_Return, Qt::Key_F2}) {
            grid->setCurrentIndex(grid->model()->index(7, Code));
            QVERIFY(!editorOf(*grid, 7, Code));
            QTest::keyClick(grid.get(), key);
            auto* edit = qobject_cast<QLineEdit*>(editorOf(*grid, 7, Code));
            QVERIFY(edit);
            QCOMPARE(edit->text(), QString("1234"));
            QTest::keyClick(edit, Qt::Key_Escape);
            QTRY_VERIFY(!editorOf(*grid, 7, Code));
        }
    }

    void typingStartsEditReplacingText()
    {
        click(5, Code);
        grid->setCurrentIndex(grid->model()->index(5, Code));
        QTest::keyClick(grid.get(), Qt::Key_4);
        auto* edit = qobject_cast<QLineEdit*>(editorOf(*grid, 5, Code));
        QVERIFY(edit);
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_2);
        QCOMPARE(edit->text(), QString("42"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QTRY_VERIFY(!editorOf(*grid, 5, Code));
        QCOMPARE(grid->text(5, Code), QString("0042"));
        QCOMPARE(grid->currentIndex().column(), int(Time));
    }

    void tabMovesThroughTheCellsAndLeavesAtTheEnds_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("lastColumn"); // the columns after it are hidden
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("back");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toColumn");
        QTest::newRow("next cell") << 5 << int(Code) << int(Pgm) << false << false << "grid" << 5 << int(Time);
        QTest::newRow("row end to next row") << 5 << int(Pgm) << int(Pgm) << false << false << "grid" << 6 << int(Label);
        QTest::newRow("row start back to row above") << 6 << int(Label) << int(Pgm) << false << true << "grid" << 5
                                                     << int(Pgm);
        QTest::newRow("last cell leaves") << kRows - 1 << int(Pgm) << int(Pgm) << false << false << "after"
                                          << kRows - 1 << int(Pgm);
        QTest::newRow("first cell leaves backwards") << 0 << int(Label) << int(Pgm) << false << true << "before" << 0
                                                     << int(Label);
        QTest::newRow("open editor in the last cell leaves") << kRows - 1 << int(Code) << int(Code) << true << false
                                                             << "after" << kRows - 1 << int(Code);
    }

    void tabMovesThroughTheCellsAndLeavesAtTheEnds()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, lastColumn);
        QFETCH(bool, editing);
        QFETCH(bool, back);
        QFETCH(QString, focused);
        QFETCH(int, toRow);
        QFETCH(int, toColumn);
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* before = new QLineEdit;
        before->setObjectName("before");
        auto* after = new QLineEdit;
        after->setObjectName("after");
        grid->setObjectName("grid");
        const auto keep = qScopeGuard([this] { grid->setParent(nullptr); }); // the fixture owns it
        layout->addWidget(before);
        layout->addWidget(grid.get());
        layout->addWidget(after);
        for (int c = lastColumn + 1; c < ColumnCount; ++c)
            grid->setColumnHidden(c, true);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, column));
        QWidget* keyTarget = grid.get();
        if (editing) {
            QTest::keyClick(grid.get(), Qt::Key_F2);
            keyTarget = editorOf(*grid, row, column);
            QVERIFY(keyTarget);
            QTest::keyClicks(keyTarget, "9");
        }
        QTest::keyClick(keyTarget, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(grid->currentIndex(), grid->model()->index(toRow, toColumn));
        if (editing)
            QCOMPARE(grid->text(row, column), QString("0009"));
    }

    void checkClickTogglesAndSignalsColumnAndRow()
    {
        QSignalSpy clicked(grid.get(), &CListCtrlEx::checkClicked);
        clickInSelectedRow(3, Flag);
        QCOMPARE(grid->checkState(3, Flag), 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0), (QVariantList{kGridId, (int(Flag) << 16) | 3}));
        QTest::keyClick(grid.get(), Qt::Key_Space);
        QCOMPARE(grid->checkState(3, Flag), 0);
        QCOMPARE(clicked.count(), 2);
    }

    void fixedCheckStateIgnoresClicks()
    {
        grid->setCheckState(6, Flag, 2);
        QSignalSpy clicked(grid.get(), &CListCtrlEx::checkClicked);
        clickInSelectedRow(6, Flag);
        QTest::keyClick(grid.get(), Qt::Key_Space);
        QCOMPARE(grid->checkState(6, Flag), 2);
        QCOMPARE(clicked.count(), 0);
    }

    void listPicksItemAndTimePickerSwitchesOnAndOff()
    {
        grid->setText(2, Type, "01/delayed 1");
        clickInSelectedRow(2, Type);
        auto* combo = qobject_cast<QComboBox*>(editorOf(*grid, 2, Type));
        QVERIFY(combo);
        QCOMPARE(combo->currentIndex(), 1);
        QTRY_VERIFY2(combo->view()->isVisible(), "a click drops the list down");
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!editorOf(*grid, 2, Type));
        QCOMPARE(grid->text(2, Type), QString("04/instant"));
        QCOMPARE(grid->listIndex(2, Type), 2);

        click(2, Pgm);
        auto* picker = editorOf(*grid, 2, Pgm);
        QVERIFY(picker);
        auto* on = picker->findChild<QCheckBox*>();
        auto* time = picker->findChild<QTimeEdit*>();
        QVERIFY(on && time);
        QVERIFY2(!on->isChecked(), "a cell showing --:-- opens switched off");
        on->setChecked(true);
        time->setTime(QTime(6, 45));
        QTest::keyClick(time, Qt::Key_Return);
        QTRY_VERIFY(!editorOf(*grid, 2, Pgm));
        QCOMPARE(grid->text(2, Pgm), QString("06:45"));
        QCOMPARE(grid->time(2, Pgm), (cells::HourMinute{6, 45}));

        click(2, Pgm);
        time = editorOf(*grid, 2, Pgm)->findChild<QTimeEdit*>();
        QVERIFY(time);
        QTest::keyClick(time, Qt::Key_Space);
        QVERIFY(QApplication::focusWidget() && editorOf(*grid, 2, Pgm)->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!editorOf(*grid, 2, Pgm));
        QCOMPARE(grid->text(2, Pgm), QString("--:--"));
        QCOMPARE(grid->time(2, Pgm), std::nullopt);
        grid->setTime(2, Pgm, cells::HourMinute{23, 5});
        QCOMPARE(grid->text(2, Pgm), QString("23:05"));
    }

    void pasteFillsEditableCellsOnly()
    {
        grid->setLocked(1, Time, true);
        grid->setCurrentIndex(grid->model()->index(0, Code));
        QSignalSpy edited(grid.get(), &CListCtrlEx::cellEdited);
        // Two rows of three cells over ID, On and CID; row 1's time is locked.
        const int taken = grid->pasteText("7\t8:9\tff\n55\t11:11\tzz\n");
        QCOMPARE(taken, 4);
        QCOMPARE(grid->text(0, Code), QString("0007"));
        QCOMPARE(grid->text(0, Time), QString("08:09"));
        QCOMPARE(grid->text(0, Hex), QString("FF"));
        QCOMPARE(grid->text(1, Code), QString("0055"));
        QCOMPARE(grid->text(1, Time), QString("10:00"));
        QVERIFY2(grid->text(1, Hex) == "1F", "a value the editor refuses is not pasted");
        QCOMPARE(edited.count(), 4);
    }

    void editBoxWidensWithItsTextUpToTheGridsEdge()
    {
        grid->setColumnType(Note, typed(CellKind::Text, 60));
        clickInSelectedRow(0, Note);
        auto* edit = qobject_cast<QLineEdit*>(editorOf(*grid, 0, Note));
        QVERIFY(edit);
        const QRect cell = grid->visualRect(grid->model()->index(0, Note));
        QCOMPARE(edit->width(), cell.width());
        QTest::keyClicks(edit, "Front door and the long corridor");
        QVERIFY(edit->width() > cell.width());
        QTest::keyClicks(edit, QString(28, QLatin1Char('x')));
        QCOMPARE(edit->geometry().right(), grid->viewport()->width() - 1);
    }

    void fewerColumnsDropTheirCellsAndTypes()
    {
        grid->setCheckState(0, Flag, 1);
        grid->setColumnCount(Flag);
        QCOMPARE(grid->columnCount(), int(Flag));
        QCOMPARE(grid->text(0, Hex), QString("1F"));
        grid->defineColumn(Flag, "A", 25);
        QCOMPARE(grid->checkState(0, Flag), 0);
        QCOMPARE(grid->grid().kind(Flag), CellKind::None);
        QVERIFY(!grid->itemDelegateForColumn(Flag));
    }

    void copyGivesSelectedRangeAsTabSeparatedText()
    {
        grid->setCheckState(1, Flag, 1);
        const auto* model = grid->model();
        grid->selectionModel()->select(QItemSelection(model->index(0, Code), model->index(1, Flag)),
                                       QItemSelectionModel::ClearAndSelect);
        QCOMPARE(grid->selectionText(), QString("1234\t10:00\t1F\t0\n1234\t10:00\t1F\t1\n"));
        QTest::keySequence(grid.get(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), grid->selectionText());
    }

    void scrollingEndsOpenEditKeepingTypedValue()
    {
        clickInSelectedRow(0, Code);
        auto* edit = qobject_cast<QLineEdit*>(editorOf(*grid, 0, Code));
        QVERIFY(edit);
        edit->setText("77");
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        QVERIFY(!editorOf(*grid, 0, Code));
        QCOMPARE(grid->text(0, Code), QString("0077"));
    }

    void headerNamesColumnAndReportsClicks()
    {
        QCOMPARE(grid->model()->headerData(Flag, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QString("User can zone bypass"));
        QVERIFY(grid->isColumnHidden(Hidden));
        QSignalSpy header(grid.get(), &CListCtrlEx::headerClicked);
        auto* view = grid->horizontalHeader();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(view->sectionViewportPosition(Flag) + view->sectionSize(Flag) / 2, view->height() / 2));
        QCOMPARE(header.count(), 1);
        QCOMPARE(header.at(0).at(0).toInt(), int(Flag));
    }

    // Every column kind, a locked cell, a read-only column, check states 0,
    // 1 and fixed, rendered at 1x and 2x for a look; the colour rules are
    // checked on the pictures.
    void galleryRendersEveryKindAt1xAnd2x()
    {
        grid->setText(0, Time, "07:05");
        grid->setText(1, Time, "--:--");
        grid->setText(0, Type, "04/instant");
        grid->setText(0, Pgm, "18:30");
        grid->setCheckState(0, Flag, 1);
        grid->setCheckState(2, Flag, 2);
        grid->setLocked(1, Code, true);
        grid->setCurrentIndex({});
        grid->clearSelection();
        const QString dir = qEnvironmentVariable("QARVO_GALLERY_DIR", QDir::tempPath());
        const QModelIndex locked = grid->model()->index(1, Code);
        const QModelIndex flag = grid->model()->index(4, Flag);
        const QModelIndex note = grid->model()->index(4, Note);
        const QModelIndex open = grid->model()->index(4, Code);
        const QPalette palette = QGuiApplication::palette();
        for (const int ratio : {1, 2}) {
            QPixmap picture(grid->size() * ratio);
            picture.setDevicePixelRatio(ratio);
            grid->render(&picture);
            QVERIFY(picture.save(QStringLiteral("%1/grid-gallery-%2x.png").arg(dir).arg(ratio)));
            const QImage image = picture.toImage();
            const auto at = [&](const QModelIndex& index) {
                const QPoint corner = grid->viewport()->mapTo(grid.get(), grid->visualRect(index).topLeft());
                return image.pixelColor((corner + QPoint(2, 2)) * ratio);
            };
            QCOMPARE(at(locked), palette.color(QPalette::Button));
            QCOMPARE(at(note), palette.color(QPalette::Button));
            QCOMPARE(at(flag), QColor(0xFF, 0xC0, 0xC0));
            QCOMPARE(at(open), palette.color(QPalette::Base));
        }
        // An open picker with its on/off switch, and an edit box over its cell.
        clickInSelectedRow(3, Pgm);
        QVERIFY(editorOf(*grid, 3, Pgm));
        click(5, Hex);
        click(5, Hex);
        auto* edit = qobject_cast<QLineEdit*>(editorOf(*grid, 5, Hex));
        QVERIFY(edit);
        QTest::keyClicks(edit, "ab");
        QCOMPARE(edit->geometry(), grid->visualRect(grid->model()->index(5, Hex)));
        QCOMPARE(edit->text(), QString("AB"));
        QPixmap editing(grid->size() * 2);
        editing.setDevicePixelRatio(2);
        grid->render(&editing);
        QVERIFY(editing.save(dir + "/grid-gallery-editing-2x.png"));
    }
};

QTEST_MAIN(CListCtrlExTest)
#include "CListCtrlExTest.moc"

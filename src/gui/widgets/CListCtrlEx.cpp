#include "gui/widgets/CListCtrlEx.h"

#include "base/TabularText.h"
#include "gui/widgets/CInPlaceDateTime.h"
#include "gui/widgets/CInPlaceEdit.h"
#include "gui/widgets/CInPlaceList.h"
#include "gui/widgets/GridCheckDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace qarvo::gui {
namespace {

// The width hints are pixels of the panel software's dialog font, whose
// average character is about 6 pixels wide.
constexpr int kHintPixelsPerChar = 6;
// Columns narrower than this get no editor.
constexpr int kMinimumEditWidth = 5;

} // namespace

CListCtrlEx::CListCtrlEx(int gridId, QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), editDelegate_(new CInPlaceEdit(this)),
      listDelegate_(new CInPlaceList(this)), timeDelegate_(new CInPlaceDateTime(this)),
      checkDelegate_(new GridCheckDelegate(this)), gridId_(gridId)
{
    setModel(model_);
    setSelectionBehavior(SelectItems);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(EditKeyPressed | AnyKeyPressed);
    setWordWrap(false);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CListCtrlEx::headerClicked);
    connect(model_, &GridModel::cellEdited, this, &CListCtrlEx::cellEdited);
    connect(model_, &GridModel::checkToggled, this,
            [this](int row, int column) { emit checkClicked(gridId_, cells::checkClickParam(column, row)); });
}

void CListCtrlEx::defineColumn(int column, const QString& header, int widthHint, Qt::Alignment alignment,
                               const QString& fullName)
{
    model_->defineColumn(column, header, alignment, fullName);
    if (widthHint <= 0) {
        setColumnHidden(column, true);
        return;
    }
    setColumnHidden(column, false);
    const QFontMetrics metrics = fontMetrics();
    const int fromHint = widthHint * metrics.averageCharWidth() / kHintPixelsPerChar;
    const int forHeader = metrics.horizontalAdvance(header) + 2 * metrics.averageCharWidth() + 6;
    setColumnWidth(column, std::max(fromHint, forHeader));
}

void CListCtrlEx::fitColumnToContents(int column)
{
    setColumnWidth(column, std::max(columnWidth(column), sizeHintForColumn(column)));
}

int CListCtrlEx::columnsWidth() const
{
    int width = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        width += isColumnHidden(c) ? 0 : columnWidth(c);
    return width + 2 * frameWidth();
}

void CListCtrlEx::setColumnCount(int columns)
{
    for (int column = std::max(columns, 0); column < model_->columnCount(); ++column)
        setItemDelegateForColumn(column, nullptr);
    model_->setColumnCount(columns);
}

void CListCtrlEx::setColumnType(int column, const GridColumnType& type)
{
    model_->setColumnType(column, type);
    setDelegateFor(column, type.kind);
}

void CListCtrlEx::setDelegateFor(int column, cells::CellKind kind)
{
    QAbstractItemDelegate* delegate = nullptr;
    if (kind == cells::CellKind::List)
        delegate = listDelegate_;
    else if (kind == cells::CellKind::Check)
        delegate = checkDelegate_;
    else if (cells::isTimePicker(kind))
        delegate = timeDelegate_;
    else if (cells::isLineEdited(kind))
        delegate = editDelegate_;
    setItemDelegateForColumn(column, delegate);
}

int CListCtrlEx::listIndex(int row, int column) const
{
    const auto* type = model_->columnType(column);
    return type ? static_cast<int>(type->items.indexOf(model_->text(row, column))) : -1;
}

void CListCtrlEx::setListIndex(int row, int column, int item)
{
    const auto* type = model_->columnType(column);
    model_->setText(row, column, type && item >= 0 && item < type->items.size() ? type->items.at(item) : QString());
}

std::optional<cells::HourMinute> CListCtrlEx::time(int row, int column) const
{
    return cells::parseHourMinute(model_->text(row, column).toStdString());
}

void CListCtrlEx::setTime(int row, int column, const std::optional<cells::HourMinute>& time)
{
    const std::string text = time ? cells::formatHourMinute(*time) : std::string(cells::kTimeOff);
    model_->setText(row, column, QString::fromStdString(text));
}

bool CListCtrlEx::rowSelected(int row) const
{
    const auto selected = selectionModel()->selectedIndexes();
    return std::any_of(selected.begin(), selected.end(), [row](const QModelIndex& i) { return i.row() == row; });
}

void CListCtrlEx::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        QTableView::mousePressEvent(event);
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    setFocus(Qt::MouseFocusReason);
    if (!rowSelected(index.row())) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    activate(index, true);
}

void CListCtrlEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Each click of a double click is a click of its own: a second toggle
    // or a second edit request would undo or repeat the first.
    mousePressEvent(event);
}

void CListCtrlEx::activate(const QModelIndex& index, bool byMouse)
{
    if (!model_->canEdit(index.row(), index.column()) || columnWidth(index.column()) < kMinimumEditWidth)
        return;
    scrollTo(index);
    if (model_->kind(index.column()) == cells::CellKind::Check) {
        model_->toggleCheck(index.row(), index.column());
        return;
    }
    if (byMouse && model_->kind(index.column()) == cells::CellKind::List)
        listDelegate_->dropDownNext();
    QTableView::edit(index);
}

bool CListCtrlEx::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (index.isValid() && columnWidth(index.column()) < kMinimumEditWidth)
        return false;
    return QTableView::edit(index, trigger, event);
}

void CListCtrlEx::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectionText());
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        return;
    }
    const QModelIndex current = currentIndex();
    const bool check = current.isValid() && model_->kind(current.column()) == cells::CellKind::Check;
    const int key = event->key();
    if (state() != EditingState && current.isValid() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || (key == Qt::Key_Space && check))) {
        activate(current, false);
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CListCtrlEx::tabLeaves(bool next)
{
    // The table view wraps from the last cell to the first; the grid is left
    // instead, so that Tab reaches the rest of the page.
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return true;
    const QModelIndex target = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
    const auto place = [](const QModelIndex& index) { return std::pair(index.row(), index.column()); };
    return !target.isValid() || (next ? place(target) <= place(current) : place(target) >= place(current));
}

bool CListCtrlEx::focusNextPrevChild(bool next)
{
    return tabLeaves(next) ? QWidget::focusNextPrevChild(next) : QTableView::focusNextPrevChild(next);
}

void CListCtrlEx::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab in an open editor: the value is kept and the focus moves on.
    const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    if (tab && tabLeaves(next)) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(next);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void CListCtrlEx::scrollContentsBy(int dx, int dy)
{
    endOpenEdit();
    QTableView::scrollContentsBy(dx, dy);
}

void CListCtrlEx::endOpenEdit()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QString CListCtrlEx::selectionText() const
{
    const auto selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {};
    int top = model_->rowCount(), bottom = -1, left = model_->columnCount(), right = -1;
    for (const QModelIndex& i : selected) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    cells::Table table;
    for (int row = top; row <= bottom; ++row) {
        auto& line = table.emplace_back();
        for (int column = left; column <= right; ++column) {
            if (isColumnHidden(column))
                continue;
            line.push_back(model_->kind(column) == cells::CellKind::Check
                               ? std::to_string(model_->checkState(row, column))
                               : model_->text(row, column).toStdString());
        }
    }
    return QString::fromStdString(cells::formatTabular(table));
}

int CListCtrlEx::pasteText(const QString& text)
{
    QModelIndex anchor = currentIndex();
    const auto selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        anchor = *std::min_element(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) {
            return std::pair(a.row(), a.column()) < std::pair(b.row(), b.column());
        });
    if (!anchor.isValid())
        return 0;
    int taken = 0;
    const cells::Table table = cells::parseTabular(text.toStdString());
    for (std::size_t r = 0; r < table.size(); ++r) {
        const int row = anchor.row() + static_cast<int>(r);
        int column = anchor.column();
        for (const std::string& value : table[r]) {
            while (column < model_->columnCount() && isColumnHidden(column))
                ++column;
            if (row >= model_->rowCount() || column >= model_->columnCount())
                break;
            if (model_->setData(model_->index(row, column), QString::fromStdString(value), Qt::EditRole))
                ++taken;
            ++column;
        }
    }
    return taken;
}

} // namespace qarvo::gui

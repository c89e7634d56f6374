#pragma once
// The programming grid: a table of typed columns whose cells are edited in
// place (edit box, drop-down list, time picker) or toggled (check boxes).
//
// Mouse: a click on a row that is not selected only selects it; a click in
// a selected row edits the cell, or toggles a check cell, when the grid,
// the column and the cell allow it. Keyboard: arrows move between cells;
// Tab and Shift+Tab do too, and leave the grid for the next or previous
// control after its last or before its first cell; Enter or F2 edits (Enter and Space toggle a check
// cell); typing starts an edit of the current cell; Escape cancels it;
// Ctrl+C copies the selected range as tab-separated text and Ctrl+V pastes
// such text from the current cell on, into editable cells only, every value
// through the same end-of-edit rules as a typed one.
//
// Time cells hold "HH:MM", or "--:--" when off: setTime(row, column,
// std::nullopt) switches a cell off, time() reads nullopt for it. A time that
// can be switched off by the user is a kind-7 column (picker with an on/off
// switch) or a kind-8 column (typing no valid time switches it off).
#include "gui/models/GridModel.h"

#include <QTableView>

#include <optional>

namespace qarvo::gui {

class CInPlaceDateTime;
class CInPlaceEdit;
class CInPlaceList;
class GridCheckDelegate;

class CListCtrlEx : public QTableView {
    Q_OBJECT
public:
    explicit CListCtrlEx(int gridId = 0, QWidget* parent = nullptr);

    int gridId() const { return gridId_; }
    void setGridId(int id) { gridId_ = id; }

    // Widens the column to what its cells show (row labels in another
    // language, say); it never narrows.
    void fitColumnToContents(int column);
    // A column: its header, a width hint in the panel software's pixels (0
    // hides the column), the alignment of its cells and the full name its
    // header shows as a tooltip.
    void defineColumn(int column, const QString& header, int widthHint,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, const QString& fullName = {});
    void setColumnType(int column, const GridColumnType& type);
    void setRowCount(int rows) { model_->setRowCount(rows); }
    int rowCount() const { return model_->rowCount(); }
    int columnCount() const { return model_->columnCount(); }
    // The width the shown columns take, with the grid's frame.
    int columnsWidth() const;
    void setColumnCount(int columns);
    // Whether the grid allows edits at all.
    void setEditable(bool editable) { model_->setEditable(editable); }

    QString text(int row, int column) const { return model_->text(row, column); }
    void setText(int row, int column, const QString& text) { model_->setText(row, column, text); }
    int checkState(int row, int column) const { return model_->checkState(row, column); }
    void setCheckState(int row, int column, int state) { model_->setCheckState(row, column, state); }
    bool isLocked(int row, int column) const { return model_->isLocked(row, column); }
    void setLocked(int row, int column, bool locked) { model_->setLocked(row, column, locked); }
    void setCellLength(int row, int column, int length) { model_->setCellLength(row, column, length); }
    // A list cell's item index; -1 when its text is none of the items.
    int listIndex(int row, int column) const;
    void setListIndex(int row, int column, int item);
    std::optional<cells::HourMinute> time(int row, int column) const;
    void setTime(int row, int column, const std::optional<cells::HourMinute>& time);

    GridModel& grid() { return *model_; }
    // The selected range as tab-separated lines (check cells as their state).
    QString selectionText() const;
    // Pastes tab-separated lines from the current cell on; returns how many
    // cells took their value.
    int pasteText(const QString& text);

signals:
    void cellEdited(int row, int column);
    // A check cell changed by the user; param is (column << 16) | row.
    void checkClicked(int gridId, int param);
    void headerClicked(int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyboardSearch(const QString&) override {}

private:
    bool rowSelected(int row) const;
    // Whether Tab (next) or Shift+Tab from the current cell goes past the
    // grid's last or first cell.
    bool tabLeaves(bool next);
    // Edits or toggles a cell the way a click in a selected row does.
    void activate(const QModelIndex& index, bool byMouse);
    void endOpenEdit();
    void setDelegateFor(int column, cells::CellKind kind);

    GridModel* model_;
    CInPlaceEdit* editDelegate_;
    CInPlaceList* listDelegate_;
    CInPlaceDateTime* timeDelegate_;
    GridCheckDelegate* checkDelegate_;
    int gridId_;
};

} // namespace qarvo::gui

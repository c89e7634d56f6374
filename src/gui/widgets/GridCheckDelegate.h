#pragma once
// Draws a check cell: the box centred in the cell, ticked for state 1, a
// fixed state drawn as neither ticked nor clear. Clicks are the grid's, so
// the delegate never changes the state itself.
#include <QStyledItemDelegate>

namespace qarvo::gui {

class GridCheckDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

protected:
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override
    {
        return false;
    }
};

} // namespace qarvo::gui

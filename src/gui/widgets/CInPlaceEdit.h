#pragma once
// The in-place edit box of the text, decimal, hex and typed-time cells: it
// takes only the characters the cell's kind allows (hex shown in upper
// case), no more than the cell's length, opens with the cell's text (a
// switched-off time opens empty) and widens while typing, up to the grid's
// visible width.
#include <QStyledItemDelegate>

namespace qarvo::gui {

class CInPlaceEdit : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};

} // namespace qarvo::gui

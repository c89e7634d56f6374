#pragma once
// The in-place drop-down list of a list cell: the column's items, the item
// equal to the cell's text selected (else the first). Picking an item ends
// the edit at once, and so does Enter on the closed list. A list opened by a
// mouse click drops down by itself.
#include <QStyledItemDelegate>

namespace qarvo::gui {

class CInPlaceList : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The next editor opens with its list dropped down.
    void dropDownNext() { dropDownNext_ = true; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    mutable bool dropDownNext_ = false;
};

} // namespace qarvo::gui

#pragma once
// The in-place time picker of the time cells. It opens at the cell's time
// (hours above 23 and minutes above 59 read as 0). A kind-7 cell's picker
// carries an on/off switch (Space toggles it): off stores "--:--", and a
// cell showing "--:--" opens switched off.
#include <QStyledItemDelegate>

namespace qarvo::gui {

class CInPlaceDateTime : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

} // namespace qarvo::gui

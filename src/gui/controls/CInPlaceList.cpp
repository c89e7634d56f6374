#include "gui/controls/CInPlaceList.h"

#include "gui/controls/GridModel.h"

#include <QComboBox>
#include <QTimer>

#include <utility>

namespace qarvo::gui {

QWidget* CInPlaceList::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* model = gridModelOf(index);
    const auto* type = model ? model->columnType(index.column()) : nullptr;
    if (!type)
        return nullptr;
    auto* combo = new QComboBox(parent);
    combo->addItems(type->items);
    combo->setMaxVisibleItems(16);
    auto* self = const_cast<CInPlaceList*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    if (std::exchange(dropDownNext_, false))
        QTimer::singleShot(0, combo, &QComboBox::showPopup);
    return combo;
}

void CInPlaceList::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(std::max(combo->findText(index.data(Qt::EditRole).toString(), Qt::MatchExactly), 0));
}

void CInPlaceList::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->currentIndex() >= 0)
        model->setData(index, combo->currentText(), Qt::EditRole);
}

} // namespace qarvo::gui

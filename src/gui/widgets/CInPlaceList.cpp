#include "gui/widgets/CInPlaceList.h"

#include "gui/models/GridModel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>

#include <functional>
#include <utility>

namespace qarvo::gui {

namespace {

// Enter on the closed list commits the item shown, as a pick does.
class EnterCommits : public QObject {
public:
    EnterCommits(QComboBox* combo, std::function<void()> commit) : QObject(combo), commit_(std::move(commit))
    {
        combo->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        commit_();
        return true;
    }

private:
    std::function<void()> commit_;
};

} // namespace

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
    const auto commit = [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    };
    connect(combo, &QComboBox::activated, self, commit);
    new EnterCommits(combo, commit);
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

#include "gui/pages/FormControls.h"

#include "gui/widgets/CListCtrlEx.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>

namespace qarvo::gui {

namespace {

// Shows the tab that holds the widget and scrolls it into view, for every
// tab widget and scroll area between the widget and its owner.
void bringIntoView(QWidget* target, const QWidget* owner)
{
    for (QWidget* inner = target; inner && inner != owner; inner = inner->parentWidget()) {
        QWidget* parent = inner->parentWidget();
        if (auto* stack = qobject_cast<QStackedWidget*>(parent))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()); tabs && tabs != owner)
                tabs->setCurrentWidget(inner);
    }
    for (QWidget* outer = target->parentWidget(); outer && outer != owner; outer = outer->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(outer))
            scroll->ensureWidgetVisible(target);
}

} // namespace

QWidget* FormControls::find(int id) const
{
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

QWidget* FormControls::focus(const panel::FormPlace& place, const QWidget* owner) const
{
    QWidget* target = find(place.control);
    if (!target)
        return nullptr;
    bringIntoView(target, owner);
    if (auto* grid = qobject_cast<CListCtrlEx*>(target); grid && place.row >= 0) {
        const QModelIndex cell = grid->model()->index(place.row, std::max(place.column, 0));
        grid->setCurrentIndex(cell);
        grid->scrollTo(cell);
    }
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    return target;
}

} // namespace qarvo::gui

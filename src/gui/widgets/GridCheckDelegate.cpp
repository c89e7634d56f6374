#include "gui/widgets/GridCheckDelegate.h"

#include <QApplication>
#include <QPainter>

namespace qarvo::gui {

void GridCheckDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const auto state = static_cast<Qt::CheckState>(index.data(Qt::CheckStateRole).toInt());
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    cell.text.clear();
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    // Without a text the style highlights nothing; a selected row must show
    // across its check cells too.
    if (cell.state & QStyle::State_Selected) {
        const auto group = cell.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        painter->fillRect(cell.rect, cell.palette.brush(group, QPalette::Highlight));
    }

    QStyleOptionViewItem box = cell;
    box.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect indicator = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &box, cell.widget);
    box.rect = QStyle::alignedRect(cell.direction, Qt::AlignCenter, indicator.size(), cell.rect);
    box.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange);
    box.state |= state == Qt::Checked ? QStyle::State_On
                                      : state == Qt::Unchecked ? QStyle::State_Off : QStyle::State_NoChange;
    if (!(index.flags() & Qt::ItemIsEnabled) || state == Qt::PartiallyChecked)
        box.state &= ~QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, cell.widget);
}

} // namespace qarvo::gui

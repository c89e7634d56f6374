#include "gui/widgets/CListZones.h"

#include "gui/widgets/StatusImages.h"
#include "gui/models/ZoneStatusModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qarvo::gui {
namespace {

constexpr int kNumberColumn = 0;
constexpr int kDescriptionColumn = 1;
constexpr int kCellMargin = 6;

// Draws an indicator cell's image centred in the cell, over the row's
// selection and focus as the style draws them.
class IndicatorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QVariant image = index.data(ZoneStatusModel::kImageRole);
        const auto indicator = ZoneStatusModel::indicatorOfColumn(index.column());
        if (!image.isValid() || !indicator)
            return;
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap pixmap = statusImage(glyphOf(*indicator), image.toInt(), ratio);
        if (pixmap.isNull())
            return;
        const QSize size = kStatusImageSize;
        const QPoint topLeft(option.rect.center().x() - size.width() / 2 + 1,
                             option.rect.center().y() - size.height() / 2 + 1);
        painter->drawPixmap(topLeft, pixmap);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize text = QStyledItemDelegate::sizeHint(option, index);
        if (!ZoneStatusModel::indicatorOfColumn(index.column()))
            return text;
        return {kStatusImageSize.width() + kCellMargin, std::max(text.height(), kStatusImageSize.height() + 2)};
    }
};

} // namespace

CListZones::CListZones(const online::OnlineModel& model, QWidget* parent)
    : QTableView(parent), zones_(new ZoneStatusModel(model, this))
{
    setObjectName(QStringLiteral("zoneList"));
    setModel(zones_);
    setItemDelegate(new IndicatorDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, kStatusImageSize.height() + 3));

    // Number and indicator columns keep their width; the description takes
    // what the list has to spare, down to a readable minimum below which
    // the list scrolls sideways.
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setMinimumSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("Z00")) + 2 * kCellMargin);
    for (int c = 0; c < ZoneStatusModel::kColumnCount; ++c) {
        int widest = 0;
        for (const QString& line : zones_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().split(u'\n'))
            widest = std::max(widest, header->fontMetrics().horizontalAdvance(line));
        const bool images = ZoneStatusModel::indicatorOfColumn(c).has_value();
        header->resizeSection(c, std::max(widest + 2 * kCellMargin,
                                          images ? kStatusImageSize.width() + kCellMargin : 0));
    }
    fitDescription();

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const auto zone = selectedZone();
        emit zoneSelected(zone ? *zone : -1);
    });
    connect(zones_, &QAbstractItemModel::modelReset, this, [this] { emit zoneSelected(-1); });
}

std::optional<int> CListZones::selectedZone() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.front().row();
}

void CListZones::selectZone(int row)
{
    selectRow(row);
    setCurrentIndex(zones_->index(row, kNumberColumn));
}

int CListZones::refresh()
{
    const int changed = zones_->refresh();
    fitNumbers();
    return changed;
}

void CListZones::fitNumbers()
{
    QHeaderView* header = horizontalHeader();
    int widest = header->sectionSizeHint(kNumberColumn);
    for (int row = 0; row < zones_->rowCount(); ++row)
        widest = std::max(widest, fontMetrics().horizontalAdvance(zones_->index(row, kNumberColumn).data().toString()) +
                                      2 * kCellMargin);
    if (header->sectionSize(kNumberColumn) == widest)
        return;
    header->resizeSection(kNumberColumn, widest);
    fitDescription();
}

int CListZones::minimumDescriptionWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral(" A&B  01/delayed 1")) + 2 * kCellMargin;
}

void CListZones::fitDescription()
{
    const QHeaderView* header = horizontalHeader();
    int others = 0;
    for (int c = 0; c < ZoneStatusModel::kColumnCount; ++c)
        if (c != kDescriptionColumn)
            others += header->sectionSize(c);
    horizontalHeader()->resizeSection(kDescriptionColumn,
                                      std::max(minimumDescriptionWidth(), viewport()->width() - others));
}

void CListZones::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitDescription();
}

} // namespace qarvo::gui

#include "gui/models/ZoneStatusModel.h"

#include "gui/shell/ShellTexts.h"
#include "gui/widgets/StatusImages.h"

namespace qarvo::gui {
namespace {

using online::Indicator;

constexpr int kNumberHeader = 6000;
constexpr int kStatusHeader = 6001;

// Headers of the indicator columns, in column order.
constexpr std::pair<Indicator, int> kIndicatorHeaders[] = {
    {Indicator::ZoneOpen, 6002}, {Indicator::TamperOpen, 135}, {Indicator::Burglary, 6003},
    {Indicator::TamperAlarm, 136}, {Indicator::Bypass, 6004}, {Indicator::Stay, 6005},
};
static_assert(std::size(kIndicatorHeaders) == online::kIndicatorCount);

QString legend(int column)
{
    const int offset = column - online::kFirstIndicatorColumn;
    return text(shell_text::kIndicatorLegend)
        .arg(text(ZoneStatusModel::headerId(column)), text(shell_text::kIndicatorShapeFirst + offset));
}

} // namespace

ZoneStatusModel::ZoneStatusModel(const online::OnlineModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model)
{
    rows_ = model_.shownZones();
}

int ZoneStatusModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ZoneStatusModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

std::optional<Indicator> ZoneStatusModel::indicatorOfColumn(int column)
{
    const int offset = column - online::kFirstIndicatorColumn;
    if (offset < 0 || offset >= online::kIndicatorCount)
        return std::nullopt;
    return kIndicatorHeaders[offset].first;
}

int ZoneStatusModel::headerId(int column)
{
    if (column == 0)
        return kNumberHeader;
    if (column == 1)
        return kStatusHeader;
    const int offset = column - online::kFirstIndicatorColumn;
    return offset >= 0 && offset < online::kIndicatorCount ? kIndicatorHeaders[offset].second : 0;
}

QVariant ZoneStatusModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const int row = index.row();
    if (const auto indicator = indicatorOfColumn(index.column())) {
        const int image = model_.icon(row, *indicator);
        switch (role) {
        case kImageRole: return image;
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole: return imageMeaning(image);
        default: return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return index.column() == 0 ? model_.zoneLabel(row) : model_.zone(row).description;
}

QVariant ZoneStatusModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole) {
        // Indicator headers are set on two lines, so that the six columns
        // stay as narrow as their images.
        QString title = text(headerId(section));
        if (indicatorOfColumn(section))
            if (const qsizetype space = title.indexOf(u' '); space > 0)
                title[space] = u'\n';
        return title;
    }
    if (role == Qt::ToolTipRole && indicatorOfColumn(section))
        return legend(section);
    return {};
}

int ZoneStatusModel::refresh()
{
    const int rows = model_.shownZones();
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        for (int r = 0; r < rows_; ++r)
            seen_[static_cast<std::size_t>(r)] = {model_.zone(r).indicators, model_.zone(r).description};
        endResetModel();
        return rows_;
    }
    int announced = 0;
    for (int r = 0; r < rows_; ++r) {
        Seen& seen = seen_[static_cast<std::size_t>(r)];
        const online::ZoneStatusRow& row = model_.zone(r);
        if (seen.word == row.indicators && seen.description == row.description)
            continue;
        seen = {row.indicators, row.description};
        emit dataChanged(index(r, 0), index(r, kColumnCount - 1));
        ++announced;
    }
    return announced;
}

} // namespace qarvo::gui

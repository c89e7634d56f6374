#include "gui/models/PgmListModel.h"

#include "gui/shell/ShellTexts.h"

namespace qarvo::gui {
namespace {
constexpr int kNumberHeader = 138;
constexpr int kTypeHeader = 139;
constexpr int kColumns = 2;
} // namespace

PgmListModel::PgmListModel(const online::OnlineModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model)
{
}

int PgmListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int PgmListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant PgmListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.row() >= int(model_.pgms().size()))
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    const online::PgmRow& row = model_.pgms()[static_cast<std::size_t>(index.row())];
    return index.column() == 0 ? row.number : row.state;
}

QVariant PgmListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return text(section == 0 ? kNumberHeader : kTypeHeader);
}

void PgmListModel::refresh()
{
    const std::vector<online::PgmRow>& rows = model_.pgms();
    if (rows.size() != shown_.size()) {
        beginResetModel();
        shown_.clear();
        for (const online::PgmRow& row : rows)
            shown_.push_back(row.state);
        endResetModel();
        return;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (shown_[r] == rows[r].state)
            continue;
        shown_[r] = rows[r].state;
        emit dataChanged(index(int(r), 0), index(int(r), kColumns - 1));
    }
}

} // namespace qarvo::gui

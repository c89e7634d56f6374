#include "gui/LogLinesModel.h"

#include <algorithm>

namespace qarvo::gui {

int LogLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LogLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size() || role != Qt::DisplayRole)
        return {};
    return lines_[index.row()];
}

void LogLinesModel::setLines(const std::vector<std::string>& lines)
{
    QStringList next;
    next.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        next << QString::fromStdString(line);

    const qsizetype shown = lines_.size();
    const qsizetype added = next.size() - shown;
    if (added == 0 && next == lines_)
        return;
    // Common head and tail: what lies between them in the new list is one inserted block.
    qsizetype head = 0;
    while (head < shown && head < next.size() && lines_[head] == next[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shown - head && tail < next.size() - head && lines_[shown - 1 - tail] == next[next.size() - 1 - tail])
        ++tail;
    if (added > 0 && head + tail == shown) {
        beginInsertRows({}, static_cast<int>(head), static_cast<int>(head + added - 1));
        lines_ = std::move(next);
        endInsertRows();
        return;
    }
    beginResetModel();
    lines_ = std::move(next);
    endResetModel();
}

} // namespace qarvo::gui

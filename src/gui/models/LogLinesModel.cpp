#include "gui/models/LogLinesModel.h"

#include "gui/shell/ShellTexts.h"

#include <algorithm>

namespace qarvo::gui {

int LogLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int LogLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(eventlog::LogColumn::Count);
}

QVariant LogLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size())
        return {};
    if (role == kLineRole)
        return lines_[index.row()];
    if (role != Qt::DisplayRole)
        return {};
    return eventlog::columnText(rows_[static_cast<std::size_t>(index.row())],
                                static_cast<eventlog::LogColumn>(index.column()));
}

QVariant LogLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static constexpr int kHeaders[] = {text_id::kLogColumnNumber, text_id::kLogColumnDateTime,
                                       text_id::kLogColumnPartition, text_id::kLogColumnEvent};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= int(std::size(kHeaders)))
        return QAbstractTableModel::headerData(section, orientation, role);
    return text(kHeaders[section]);
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
        std::vector<eventlog::LogTableRow> inserted;
        for (qsizetype i = head; i < head + added; ++i)
            inserted.push_back(eventlog::splitLogLine(next[i]));
        rows_.insert(rows_.begin() + head, inserted.begin(), inserted.end());
        lines_ = std::move(next);
        endInsertRows();
        return;
    }
    beginResetModel();
    lines_ = std::move(next);
    rows_.clear();
    for (const QString& line : lines_)
        rows_.push_back(eventlog::splitLogLine(line));
    endResetModel();
}

} // namespace qarvo::gui

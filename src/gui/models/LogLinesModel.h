#pragma once
// The lines of the viewed event log as a table model: number, date and
// time, partition, event (split in core). The page hands it the log's lines
// whenever they may have changed; the model works out what was inserted and
// tells the view only that, so a log that grows line by line during a
// reading scrolls smoothly and keeps the selection.
#include "eventlog/LogTableRow.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

namespace qarvo::gui {

class LogLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Shows these lines: an insertion of one block of lines into what is
    // shown is announced as such, anything else as a new list.
    void setLines(const std::vector<std::string>& lines);
    const QStringList& lines() const { return lines_; }

    // The line a row shows, as the log holds it.
    static constexpr int kLineRole = Qt::UserRole;

private:
    QStringList lines_;
    std::vector<eventlog::LogTableRow> rows_; // the lines split, one per line
};

} // namespace qarvo::gui

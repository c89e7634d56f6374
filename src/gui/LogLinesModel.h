#pragma once
// The lines of the viewed event log as a list model. The page hands it the
// log's lines whenever they may have changed; the model works out what was
// inserted and tells the view only that, so a log that grows line by line
// during a reading scrolls smoothly and keeps the selection.
#include <QAbstractListModel>
#include <QStringList>

#include <string>
#include <vector>

namespace qarvo::gui {

class LogLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Shows these lines: an insertion of one block of lines into what is
    // shown is announced as such, anything else as a new list.
    void setLines(const std::vector<std::string>& lines);
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

} // namespace qarvo::gui

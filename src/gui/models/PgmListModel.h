#pragma once
// The PGM rows of the online status model as a two-column table: the PGM
// number and its type with its state.
#include "online/OnlineModel.h"

#include <QAbstractTableModel>

#include <vector>

namespace qarvo::gui {

class PgmListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PgmListModel(const online::OnlineModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Takes the model's rows again: a new row count resets the table,
    // otherwise only changed rows are announced.
    void refresh();

private:
    const online::OnlineModel& model_;
    std::vector<QString> shown_; // the state text of each row as last shown
};

} // namespace qarvo::gui

#pragma once
// The zone rows of the online status model as a table: number, description
// and the six indicator columns. The online model stays the truth; refresh()
// tells the views which rows changed since the last look.
#include "online/OnlineModel.h"

#include <QAbstractTableModel>

#include <array>

namespace qarvo::gui {

class ZoneStatusModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The image number (0 to 8) of an indicator cell.
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kColumnCount = online::kFirstIndicatorColumn + online::kIndicatorCount;

    explicit ZoneStatusModel(const online::OnlineModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The indicator of a column, none for the number and description.
    static std::optional<online::Indicator> indicatorOfColumn(int column);
    // Header text id of a column.
    static int headerId(int column);

    // Takes the model's rows again; only rows whose indicator word or
    // description changed are announced. Returns the number of rows announced.
    int refresh();

private:
    struct Seen {
        std::uint32_t word = 0;
        QString description;
    };
    const online::OnlineModel& model_;
    int rows_ = 0;
    std::array<Seen, online::kZoneRows> seen_{};
};

} // namespace qarvo::gui

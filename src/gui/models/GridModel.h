#pragma once
// The table behind a programming grid: column definitions and types, cell
// texts, check states, locks and lengths. Edits reach it through setData(),
// which runs the cell edit rules; the pages set values through the plain
// setters, which take the text as it is.
#include "base/CellEditRules.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <optional>
#include <vector>

namespace qarvo::gui {

// The pages give colours as 0xBBGGRR values.
inline QColor colourFromBgr(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

struct GridColumnType {
    cells::CellKind kind = cells::CellKind::Text;
    bool editable = true;
    std::optional<QColor> background;
    std::optional<QColor> textColour;
    int length = 0; // default text length of the editors; 0 = unlimited
    QStringList items; // kind 1
    bool pad = false;
    bool blankZero = false;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit: the text runs through the cell edit rules; a check cell takes 0 or 1.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void defineColumn(int column, const QString& header, Qt::Alignment alignment, const QString& fullName);
    void setColumnType(int column, const GridColumnType& type);
    const GridColumnType* columnType(int column) const;
    Qt::Alignment columnAlignment(int column) const;
    void setRowCount(int rows);
    // Drops the columns from the count on (a change of panel model
    // rebuilds the zone grid with fewer attribute columns).
    void setColumnCount(int columns);
    // The grid as a whole allows edits (a page can show a grid read-only).
    void setEditable(bool editable);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    int checkState(int row, int column) const;
    void setCheckState(int row, int column, int state);
    bool isLocked(int row, int column) const;
    void setLocked(int row, int column, bool locked);
    void setCellLength(int row, int column, int length);

    cells::CellKind kind(int column) const;
    cells::CellRule rule(int row, int column) const;
    // Whether the click and key rules let the user change the cell.
    bool canEdit(int row, int column) const;
    // A user's click on a check cell: toggles 0 and 1; fixed states and
    // cells the user cannot edit stay. True when the state changed.
    bool toggleCheck(int row, int column);

signals:
    // After a committed edit, paste or toggle of a cell.
    void cellEdited(int row, int column);
    // After a check cell changed by the user.
    void checkToggled(int row, int column);

private:
    struct Column {
        QString header;
        QString fullName;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        std::optional<GridColumnType> type;
    };
    struct Cell {
        QString text;
        int check = 0;
        bool locked = false;
        int length = 0; // 0 = the column's
    };

    bool valid(int row, int column) const;
    Cell& cell(int row, int column) { return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]; }
    const Cell& cell(int row, int column) const
    {
        return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    QVariant colour(const QModelIndex& index, int role) const;
    void changed(int row, int column);

    std::vector<Column> columns_;
    std::vector<std::vector<Cell>> cells_;
    bool editable_ = true;
};

// The grid model an index belongs to (the delegates read the cell rules there).
inline const GridModel* gridModelOf(const QModelIndex& index)
{
    return qobject_cast<const GridModel*>(index.model());
}

} // namespace qarvo::gui

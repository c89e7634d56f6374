#include "gui/models/GridModel.h"

#include <QGuiApplication>
#include <QPalette>

namespace qarvo::gui {

using cells::CellKind;

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool GridModel::valid(int row, int column) const
{
    return row >= 0 && column >= 0 && row < rowCount() && column < columnCount();
}

CellKind GridModel::kind(int column) const
{
    const auto* type = columnType(column);
    return type ? type->kind : CellKind::None;
}

const GridColumnType* GridModel::columnType(int column) const
{
    if (column < 0 || column >= columnCount() || !columns_[static_cast<std::size_t>(column)].type)
        return nullptr;
    return &*columns_[static_cast<std::size_t>(column)].type;
}

Qt::Alignment GridModel::columnAlignment(int column) const
{
    return column >= 0 && column < columnCount() ? columns_[static_cast<std::size_t>(column)].alignment
                                                 : Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !valid(index.row(), index.column()))
        return {};
    const Cell& c = cell(index.row(), index.column());
    const bool check = kind(index.column()) == CellKind::Check;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return check ? QVariant() : QVariant(c.text);
    case Qt::CheckStateRole:
        if (!check)
            return {};
        return c.check == 0 ? Qt::Unchecked : c.check == 1 ? Qt::Checked : Qt::PartiallyChecked;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(index.column()));
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        return colour(index, role);
    default:
        return {};
    }
}

QVariant GridModel::colour(const QModelIndex& index, int role) const
{
    const auto* type = columnType(index.column());
    const bool background = role == Qt::BackgroundRole;
    const QPalette palette = QGuiApplication::palette();
    const QColor window = palette.color(QPalette::Base);
    const QColor windowText = palette.color(QPalette::Text);
    const QColor buttonFace = palette.color(QPalette::Button);
    const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
    switch (cells::cellLook(kind(index.column()), type && type->editable, isLocked(index.row(), index.column()))) {
    case cells::CellLook::Locked:
    case cells::CellLook::ReadOnly:
        return background ? buttonFace : grey;
    case cells::CellLook::Untyped:
        return background ? window : windowText;
    case cells::CellLook::Editable:
        if (background)
            return type->background.value_or(window);
        return type->textColour.value_or(windowText);
    }
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const Column& column = columns_[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.header;
    case Qt::ToolTipRole:
        return column.fullName.isEmpty() ? QVariant() : QVariant(column.fullName);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (canEdit(index.row(), index.column()) && kind(index.column()) != CellKind::Check)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridModel::canEdit(int row, int column) const
{
    const auto* type = columnType(column);
    return editable_ && valid(row, column) && type && type->editable && type->kind != CellKind::None &&
           !cell(row, column).locked;
}

cells::CellRule GridModel::rule(int row, int column) const
{
    cells::CellRule rule;
    const auto* type = columnType(column);
    if (!type || !valid(row, column))
        return rule;
    rule.kind = type->kind;
    rule.length = cell(row, column).length > 0 ? cell(row, column).length : type->length;
    rule.pad = type->pad;
    rule.blankZero = type->blankZero;
    for (const QString& item : type->items)
        rule.items.push_back(item.toStdString());
    return rule;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !canEdit(index.row(), index.column()))
        return false;
    const int row = index.row();
    const int column = index.column();
    if (kind(column) == CellKind::Check) {
        bool number = false;
        const int wanted = value.toString().trimmed().toInt(&number);
        if (!number || (wanted != 0 && wanted != 1) || cells::isFixedCheck(cell(row, column).check))
            return false;
        if (wanted != cell(row, column).check)
            toggleCheck(row, column);
        return true;
    }
    const auto stored = cells::endOfEdit(rule(row, column), value.toString().toStdString());
    if (!stored)
        return false;
    const QString text = QString::fromStdString(*stored);
    if (text != cell(row, column).text) {
        cell(row, column).text = text;
        changed(row, column);
        emit cellEdited(row, column);
    }
    return true;
}

bool GridModel::toggleCheck(int row, int column)
{
    if (kind(column) != CellKind::Check || !canEdit(row, column) || cells::isFixedCheck(cell(row, column).check))
        return false;
    cell(row, column).check = cells::toggledCheck(cell(row, column).check);
    changed(row, column);
    emit checkToggled(row, column);
    emit cellEdited(row, column);
    return true;
}

void GridModel::defineColumn(int column, const QString& header, Qt::Alignment alignment, const QString& fullName)
{
    if (column < 0)
        return;
    if (column >= columnCount()) {
        beginInsertColumns({}, columnCount(), column);
        columns_.resize(static_cast<std::size_t>(column) + 1);
        for (auto& row : cells_)
            row.resize(columns_.size());
        endInsertColumns();
    }
    Column& c = columns_[static_cast<std::size_t>(column)];
    c.header = header;
    c.fullName = fullName;
    c.alignment = alignment;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::setColumnType(int column, const GridColumnType& type)
{
    if (column < 0 || column >= columnCount())
        return;
    columns_[static_cast<std::size_t>(column)].type = type;
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void GridModel::setRowCount(int rows)
{
    rows = std::max(rows, 0);
    if (rows > rowCount()) {
        beginInsertRows({}, rowCount(), rows - 1);
        cells_.resize(static_cast<std::size_t>(rows), std::vector<Cell>(columns_.size()));
        endInsertRows();
    } else if (rows < rowCount()) {
        beginRemoveRows({}, rows, rowCount() - 1);
        cells_.resize(static_cast<std::size_t>(rows));
        endRemoveRows();
    }
}

void GridModel::setColumnCount(int columns)
{
    columns = std::max(columns, 0);
    if (columns >= columnCount())
        return;
    beginRemoveColumns({}, columns, columnCount() - 1);
    columns_.resize(static_cast<std::size_t>(columns));
    for (auto& row : cells_)
        row.resize(columns_.size());
    endRemoveColumns();
}

void GridModel::setEditable(bool editable)
{
    editable_ = editable;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString GridModel::text(int row, int column) const { return valid(row, column) ? cell(row, column).text : QString(); }

void GridModel::setText(int row, int column, const QString& text)
{
    if (!valid(row, column) || cell(row, column).text == text)
        return;
    cell(row, column).text = text;
    changed(row, column);
}

int GridModel::checkState(int row, int column) const { return valid(row, column) ? cell(row, column).check : 0; }

void GridModel::setCheckState(int row, int column, int state)
{
    if (!valid(row, column) || cell(row, column).check == state)
        return;
    cell(row, column).check = state;
    changed(row, column);
}

bool GridModel::isLocked(int row, int column) const { return valid(row, column) && cell(row, column).locked; }

void GridModel::setLocked(int row, int column, bool locked)
{
    if (!valid(row, column) || cell(row, column).locked == locked)
        return;
    cell(row, column).locked = locked;
    changed(row, column);
}

void GridModel::setCellLength(int row, int column, int length)
{
    if (valid(row, column))
        cell(row, column).length = std::max(length, 0);
}

void GridModel::changed(int row, int column)
{
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at);
}

} // namespace qarvo::gui

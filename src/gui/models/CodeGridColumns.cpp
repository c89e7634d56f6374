#include "gui/models/CodeGridColumns.h"

#include "gui/shell/ShellTexts.h"
#include "panel/CodeRow.h"

#include <array>

namespace qarvo::gui {

namespace {

namespace cc = panel::code_column;

constexpr int kNumberHeader = 131;
constexpr int kIdHeader = 129;
constexpr int kNameHeader = 130;
constexpr int kCodeLength = 6;
// Column colours as 0xBBGGRR: the arming attributes, the rounds and card
// attributes, the PGMs.
constexpr quint32 kArmingColour = 0xC0C0FF;
constexpr quint32 kRoundsColour = 0xC0FFC0;
constexpr quint32 kPgmColour = 0xFFC0C0;
constexpr int kRoundsAttributes = 8; // I, J and K follow A to H
constexpr std::array kLegendColours{kArmingColour, kArmingColour, kRoundsColour, kPgmColour};

GridColumnType columnType(cells::CellKind kind, bool editable = true, std::optional<QColor> background = {},
                          int length = 0)
{
    GridColumnType type;
    type.kind = kind;
    type.editable = editable;
    type.background = background;
    type.length = length;
    return type;
}

GridColumn checkColumn(const QString& header, int width, quint32 colour)
{
    return {header, width, Qt::AlignCenter, columnType(cells::CellKind::Check, true, colourFromBgr(colour)), {}};
}

} // namespace

std::vector<GridColumn> codeGridColumns(CodeGridShape shape, int pgmColumns)
{
    constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    std::vector<GridColumn> columns(std::size_t(cc::firstAttribute(shape.names)));
    columns[cc::kLabel] = {text(kNumberHeader), shape.labelWidth, left, columnType(cells::CellKind::None, false), {}};
    columns[cc::kCode] = {text(kIdHeader), 50, left, columnType(cells::CellKind::Decimal, true, {}, kCodeLength), {}};
    if (shape.names)
        columns[cc::kName] = {text(kNameHeader), 80, left, columnType(cells::CellKind::Text), {}};
    for (int a = 0; a < panel::kCodeAttributeCount; ++a)
        columns.push_back(checkColumn(QString(QChar(u'A' + a)), 25, a < kRoundsAttributes ? kArmingColour : kRoundsColour));
    for (int p = 0; p < pgmColumns; ++p)
        columns.push_back(checkColumn(QStringLiteral("P%1").arg(p + 1), 28, kPgmColour));
    return columns;
}

QColor codeLegendColour(int legend) { return colourFromBgr(kLegendColours[std::size_t(legend)]); }

} // namespace qarvo::gui

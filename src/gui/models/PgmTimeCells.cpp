#include "gui/models/PgmTimeCells.h"

#include "gui/widgets/CListCtrlEx.h"

namespace qarvo::gui {

namespace {

std::optional<cells::HourMinute> cellTime(const panel::PgmTimeCell& cell)
{
    return cell.on ? cells::parseHourMinute(cell.time) : std::nullopt;
}

} // namespace

void showPgmTimeCells(CListCtrlEx& grid, int row, const panel::PgmTimesRow& times, PgmTimeColumns columns)
{
    grid.setTime(row, columns.activation, cellTime(times.activation));
    grid.setTime(row, columns.deactivation, cellTime(times.deactivation));
}

void takePgmTimeCell(const CListCtrlEx& grid, int row, int column, panel::PgmTimesRow& times, PgmTimeColumns columns)
{
    panel::PgmTimeCell& cell = column == columns.activation ? times.activation : times.deactivation;
    const auto time = grid.time(row, column);
    cell.on = time.has_value();
    if (time)
        cell.time = cells::formatHourMinute(*time);
}

} // namespace qarvo::gui

#include "gui/models/PgmTimeCells.h"

#include "base/CellEditRules.h"

namespace qarvo::gui {

PgmTimeCells::PgmTimeCells(RowAt<panel::PgmTimesRow> rows, PgmTimeColumns columns)
    : rows_(std::move(rows)), columns_(columns)
{
}

bool PgmTimeCells::holds(int column) const
{
    return column == columns_.activation || column == columns_.deactivation;
}

panel::PgmTimeCell* PgmTimeCells::cell(int row, int column) const
{
    panel::PgmTimesRow* times = holds(column) ? rows_(row) : nullptr;
    if (!times)
        return nullptr;
    return column == columns_.activation ? &times->activation : &times->deactivation;
}

QString PgmTimeCells::text(int row, int column) const
{
    const panel::PgmTimeCell* time = cell(row, column);
    if (!time)
        return {};
    const auto shown = time->on ? cells::parseHourMinute(time->time) : std::nullopt;
    return QString::fromStdString(shown ? cells::formatHourMinute(*shown) : std::string(cells::kTimeOff));
}

void PgmTimeCells::setText(int row, int column, const QString& text)
{
    panel::PgmTimeCell* time = cell(row, column);
    if (!time)
        return;
    const auto typed = cells::parseHourMinute(text.toStdString());
    time->on = typed.has_value();
    if (typed)
        time->time = cells::formatHourMinute(*typed);
}

} // namespace qarvo::gui

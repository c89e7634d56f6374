#include "gui/models/GridRows.h"

namespace qarvo::gui {

QString GridRows::text(int row, int column) const
{
    const std::string* field = textField(row, column);
    return field ? QString::fromStdString(*field) : QString();
}

void GridRows::setText(int row, int column, const QString& text)
{
    if (std::string* field = textField(row, column))
        *field = text.toStdString();
}

int GridRows::check(int row, int column) const
{
    const bool* on = flag(row, column);
    return on && *on ? 1 : 0;
}

void GridRows::setCheck(int row, int column, int state)
{
    if (bool* on = flag(row, column))
        *on = state == 1;
}

} // namespace qarvo::gui

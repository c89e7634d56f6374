#pragma once
// The PGM outputs' on/off times of the master form in two time columns of a
// grid: both programming pages show and edit them.
#include "gui/models/GridRows.h"
#include "panel/MasterForm.h"

namespace qarvo::gui {

struct PgmTimeColumns {
    int activation;
    int deactivation;
};

// A row's two times in place: a time switched off shows as "--:--", and
// "--:--" switches it off, keeping the time it held for when it is switched
// on again.
class PgmTimeCells : public GridRows {
public:
    PgmTimeCells(RowAt<panel::PgmTimesRow> rows, PgmTimeColumns columns);

    bool holds(int column) const override;
    QString text(int row, int column) const override;
    void setText(int row, int column, const QString& text) override;

private:
    panel::PgmTimeCell* cell(int row, int column) const;

    RowAt<panel::PgmTimesRow> rows_;
    PgmTimeColumns columns_;
};

} // namespace qarvo::gui

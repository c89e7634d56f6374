#pragma once
// The PGM outputs' on/off times of the master form in two time columns of a
// grid: both programming pages show and edit them.
#include "panel/MasterForm.h"

namespace qarvo::gui {

class CListCtrlEx;

struct PgmTimeColumns {
    int activation;
    int deactivation;
};

// Shows a row's two times; a time switched off shows as "--:--".
void showPgmTimeCells(CListCtrlEx& grid, int row, const panel::PgmTimesRow& times, PgmTimeColumns columns);

// The edited time cell into the row: "--:--" switches the time off and
// keeps the time it held for when it is switched on again.
void takePgmTimeCell(const CListCtrlEx& grid, int row, int column, panel::PgmTimesRow& times, PgmTimeColumns columns);

} // namespace qarvo::gui

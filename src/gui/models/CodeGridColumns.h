#pragma once
// The code grids' columns and colours, one definition for both programming
// pages: the master page's user grid (with the users' names) and the
// installer page's codes grid (the maintenance and master rows).
#include "gui/models/GridModel.h"

#include <vector>

namespace qarvo::gui {

struct CodeGridShape {
    bool names;     // a name column after the code
    int labelWidth; // width hint of the row labels' column
};
inline constexpr CodeGridShape kUserCodeGrid{true, 70};
inline constexpr CodeGridShape kInstallerCodeGrid{false, 100};

// Hidden, label, code, the name where the shape has one, attributes A to K,
// then P1 to P(pgmColumns).
std::vector<GridColumn> codeGridColumns(CodeGridShape shape, int pgmColumns);

// The colours of the four legends below a code grid, in the order of the
// columns they explain: arming (two), rounds and cards, PGMs.
QColor codeLegendColour(int legend);

} // namespace qarvo::gui

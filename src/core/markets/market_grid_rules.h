#pragma once

// How the calculator grids answer the window's grid events: which cells may
// become current, and where Enter goes. The window asks these before it lets a
// selection or a keystroke through; nothing here touches a cell.

#include "core/grid/text_grid.h"

namespace orvanta {

// The arbitrage and probability grids' shape: a column per outcome, headed
// "1", "2", ... in the one fixed row, `col_width` pixels wide.
void ShapeOutcomeGrid(TextGrid& grid, int col_width);

// The arbitrage and probability grids: only the odds row (row 1) may become
// current.
bool IsOddsRowCell(const TextGrid& grid, int col, int row);

// The odds page's records grid: only the six count cells (columns 1-3 of rows 1
// and 2).
bool IsTeamRecordCell(const TextGrid& grid, int col, int row);

// Enter in the arbitrage and probability grids walks along the current row:
// from a cell holding text to the next column, from the last column back to
// column 0; on an empty cell it stays. The window commits the editor's text to
// the cell before asking, so that what the user sees is what is tested.
int EnterMovesToColumn(const TextGrid& grid, int col, int row);

}  // namespace orvanta

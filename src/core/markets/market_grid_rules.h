#pragma once

// How the calculator grids answer the window's grid events: which cells may
// become current, and what a typed key does. The window asks these before it
// lets a selection or a keystroke through; nothing here touches a cell.

#include <optional>

#include "core/grid/text_grid.h"

namespace orvanta {

// Select-cell rule of the arbitrage and probability grids: only the odds row
// (row 1) may become current.
bool AdvProbabilitySelectCell(const TextGrid& grid, int col, int row);

// Select-cell rule of the odds result grid: it is display only, so no cell may
// become current.
bool AdvCalcArbitrageSelectCell(const TextGrid& grid, int col, int row);

// Select-cell rule of the odds input grid: only the six count cells
// (columns 1-3 of rows 1 and 2).
bool AdvOddsSelectCell(const TextGrid& grid, int col, int row);

// Enter in the arbitrage and probability grids walks along the current row:
// from a cell holding text to the next column, from the last column back to
// column 0; on an empty cell it stays. The window commits the editor's text to
// the cell before asking, so that what the user sees is what is tested.
int EnterMovesToColumn(const TextGrid& grid, int col, int row);

// A key typed into a grid: the character that reaches the cell (nothing when
// it is dropped) and the current column afterwards.
struct GridKeyResult {
    std::optional<char> key;
    int col = 0;
};

// The key filter followed by the row walk on Enter. Enter itself still reaches
// the grid afterwards.
GridKeyResult AdvCalcArbitrageKeyPress(const TextGrid& grid, int col, int row, char key,
                                       char separator);
GridKeyResult AdvProbabilityKeyPress(const TextGrid& grid, int col, int row, char key,
                                     char separator);

}  // namespace orvanta

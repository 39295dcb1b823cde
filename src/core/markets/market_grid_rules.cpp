#include "core/markets/market_grid_rules.h"

namespace orvanta {

bool IsOddsRowCell(const TextGrid& grid, int col, int row) {
    return grid.Contains(col, row) && row == 1;
}

bool IsTeamRecordCell(const TextGrid& grid, int col, int row) {
    return grid.Contains(col, row) && col >= 1 && col <= 3 && row >= 1 && row <= 2;
}

int EnterMovesToColumn(const TextGrid& grid, int col, int row) {
    if (!grid.Contains(col, row) || grid.Cell(col, row).empty()) {
        return col;
    }
    return col + 1 < grid.ColCount() ? col + 1 : 0;
}

}  // namespace orvanta

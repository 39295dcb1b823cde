#include "core/markets/market_grid_rules.h"

#include <string>

namespace orvanta {

void ShapeOutcomeGrid(TextGrid& grid, int col_width) {
    grid.SetDefaultSizes(col_width, 21);
    grid.SetFixedRows(1);
    for (int c = 0; c < grid.ColCount(); ++c) {
        grid.SetCell(c, 0, std::to_string(c + 1));
    }
}

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

#include "core/markets/market_grid_rules.h"

#include "core/numeric/key_filter.h"

namespace orvanta {

namespace {

GridKeyResult RowWalkingKeyPress(const TextGrid& grid, int col, int row, char key, char separator) {
    GridKeyResult result;
    result.key = FilterNumberKey(key, separator);
    result.col = col;
    if (result.key == kKeyEnter) {
        result.col = EnterMovesToColumn(grid, col, row);
    }
    return result;
}

}  // namespace

bool AdvProbabilitySelectCell(const TextGrid& grid, int col, int row) {
    return grid.Contains(col, row) && row == 1;
}

bool AdvCalcArbitrageSelectCell(const TextGrid& /*grid*/, int /*col*/, int /*row*/) {
    return false;
}

bool AdvOddsSelectCell(const TextGrid& grid, int col, int row) {
    return grid.Contains(col, row) && col >= 1 && col <= 3 && row >= 1 && row <= 2;
}

int EnterMovesToColumn(const TextGrid& grid, int col, int row) {
    if (!grid.Contains(col, row) || grid.Cell(col, row).empty()) {
        return col;
    }
    return col + 1 < grid.ColCount() ? col + 1 : 0;
}

GridKeyResult AdvCalcArbitrageKeyPress(const TextGrid& grid, int col, int row, char key,
                                       char separator) {
    return RowWalkingKeyPress(grid, col, row, key, separator);
}

GridKeyResult AdvProbabilityKeyPress(const TextGrid& grid, int col, int row, char key,
                                     char separator) {
    return RowWalkingKeyPress(grid, col, row, key, separator);
}

}  // namespace orvanta

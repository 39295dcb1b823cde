#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/grid/grid_headers.h"

namespace orvanta {
namespace {

// Two header rows over eight columns, "Buy" and "Sell" each merged over four,
// then a fixed column of row captions: the live sheet's shape, and the odds
// page's.
TextGrid TwoRowHeader() {
    TextGrid grid(9, 4);
    grid.SetFixedRows(2);
    grid.SetFixedCols(1);
    grid.SetCell(0, 0, "Result");
    grid.MergeCells(0, 0, 1, 2);
    grid.SetCell(1, 0, "Buy");
    grid.MergeCells(1, 0, 4, 1);
    grid.SetCell(5, 0, "Sell");
    grid.MergeCells(5, 0, 4, 1);
    const char* second[] = {"1", "X", "2", "Stake"};
    for (int col = 1; col < 9; ++col) {
        grid.SetCell(col, 1, second[(col - 1) % 4]);
    }
    grid.SetCell(0, 2, "Home");
    grid.SetCell(0, 3, "Away\n");
    return grid;
}

TEST(GridHeaders, MergedHeadersHeadEveryColumnTheyCover) {
    const TextGrid grid = TwoRowHeader();
    const std::pair<int, const char*> columns[] = {
        {1, "Buy 1"}, {4, "Buy Stake"}, {5, "Sell 1"}, {8, "Sell Stake"}};
    for (const auto& [col, header] : columns) {
        EXPECT_EQ(ColumnHeader(grid, col), header) << col;
    }
    EXPECT_EQ(RowHeader(grid, 2), "Home");
    EXPECT_EQ(RowHeader(grid, 3), "Away\n");
    // A text merged down both header rows is said once.
    EXPECT_EQ(CornerHeader(grid), "Result");
    EXPECT_EQ(ColumnHeader(grid, 0), "Result");
}

TEST(GridHeaders, EmptyAndMissingHeadersSayNothing) {
    TextGrid grid(3, 3);
    EXPECT_EQ(ColumnHeader(grid, 1), "");
    EXPECT_EQ(RowHeader(grid, 1), "");
    EXPECT_EQ(CornerHeader(grid), "");
    grid.SetFixedRows(2);
    grid.SetCell(1, 0, " ");
    grid.SetCell(1, 1, "Odds");
    EXPECT_EQ(ColumnHeader(grid, 1), "Odds");
    EXPECT_EQ(ColumnHeader(grid, 7), "");
}

// A merge read from a file may name an owner that does not cover the cell, or
// lies outside the grid: the cell then shows its own text.
TEST(GridHeaders, AMergeThatDoesNotCoverTheCellCountsAsNone) {
    TextGrid grid(4, 2);
    grid.SetFixedRows(1);
    grid.SetCell(0, 0, "Owner");
    grid.SetCell(2, 0, "Own");
    grid.MergeCells(0, 0, 2, 1);
    EXPECT_EQ(ShownCell(grid, 1, 0), std::make_pair(0, 0));
    const std::pair<int, int> owners[] = {{0, 0}, {9, 0}, {3, 0}, {-1, 0}};
    for (const auto& [owner_col, owner_row] : owners) {
        CellProps& props = grid.EditProps(2, 0);
        props.is_base_cell = false;
        props.owner_col = owner_col;
        props.owner_row = owner_row;
        EXPECT_EQ(ShownCell(grid, 2, 0), std::make_pair(2, 0)) << owner_col;
        EXPECT_EQ(ColumnHeader(grid, 2), "Own") << owner_col;
    }
}

}  // namespace
}  // namespace orvanta

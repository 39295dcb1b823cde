#pragma once

// What a grid's fixed cells say about the cells beside them. A grid draws its
// headers as cells of its own fixed rows and columns; a screen reader needs them
// as the headers of the columns and rows they stand over, in words: the live
// sheet's "Buy" over four columns and "1" under it head one column as "Buy 1".

#include <string>
#include <utility>

#include "core/grid/text_grid.h"

namespace orvanta {

// The cell whose text shows at (col, row): the base cell of the merge that
// covers it, or the cell itself. A merge a grid file describes wrongly (its
// owner outside the grid, or not covering the cell) counts as none.
std::pair<int, int> ShownCell(const TextGrid& grid, int col, int row);

// The texts of the fixed rows over a column, top first, joined by spaces; a
// merged text once, however many fixed rows it covers.
std::string ColumnHeader(const TextGrid& grid, int col);
// The texts of the fixed columns before a row, left first.
std::string RowHeader(const TextGrid& grid, int row);
// The texts where the fixed rows and columns meet: the caption of the row
// headers' column.
std::string CornerHeader(const TextGrid& grid);

}  // namespace orvanta

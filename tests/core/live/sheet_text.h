#pragma once

// Position rows written as one line of text, so that sheet tests read like the
// sheet: cells apart by "|", trailing empty cells left out, and "." standing for
// the separator under test.

#include <string>

#include "common/separators.h"
#include "core/live/position_sheet.h"

namespace orvanta::testing {

// Fills the eight input cells of `row` ("2|||10": buy odds on "1", amount 10).
void SetInputs(PositionSheet& sheet, int row, const std::string& cells, char separator);
// The eight input cells of `row`, trailing empty ones left out.
std::string Inputs(const PositionSheet& sheet, int row);
// The three status cells of `row`, always with both "|".
std::string Status(const PositionSheet& sheet, int row);
// Every position row's inputs, one a line.
std::string AllInputs(const PositionSheet& sheet);
// "Return / Game Wager / Result" as "a|b|c a|b|c a|b|c".
std::string Totals(const PositionSheet& sheet);

}  // namespace orvanta::testing

#pragma once

// The live position sheet: one row per position taken on a game's three
// outcomes "1", "X" and "2", either a buy (odds on one outcome and a stake) or a
// sell (odds on one outcome and the stake taken). Columns 0 to 7 are what the
// user types; columns 8 to 10 show what the row is worth if each outcome happens.
// The nine boxes below sum the sheet up per outcome: Return, Game Wager and
// Result (Return minus Game Wager), each rounded to 8 decimals.

#include <optional>
#include <string>

#include "core/grid/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"

namespace orvanta {

class Catalogue;

inline constexpr int kSheetCols = 11;
inline constexpr int kSheetHeaderRows = 2;
inline constexpr int kFirstPositionRow = 2;
inline constexpr int kBuyAmountCol = 3;
inline constexpr int kSellAmountCol = 7;
inline constexpr int kFirstStatusCol = 8;
inline constexpr int kInputCols = 8;

inline constexpr const char* kRowRuleMessage =
    "epitrepete mono 1 timi stis apodoseis (agora h polisi) kai poso ana grami";

struct PositionSheet {
    TextGrid AdvStringGrid2{kSheetCols, kSheetHeaderRows + 1};
    // Return of "1", "X", "2".
    TextBox Edit1, Edit2, Edit3;
    // Game Wager of "1", "X", "2".
    TextBox Edit4, Edit5, Edit6;
    // Result of "1", "X", "2".
    TextBox Edit7, Edit8, Edit9;
};

// An empty sheet: the two header rows and one empty position row.
void InitPositionSheet(PositionSheet& sheet, const Catalogue& catalogue);

// Drops every empty position row but the last, and makes sure the sheet ends
// with exactly one empty row.
void CompactRows(PositionSheet& sheet);
void CalcRowStatus(PositionSheet& sheet, Services& services);
void CalcReturn(PositionSheet& sheet, Services& services);
void CalcGameWager(PositionSheet& sheet, Services& services);
void CalcResult(PositionSheet& sheet, Services& services);
// CompactRows, CalcRowStatus, CalcReturn, CalcGameWager, CalcResult.
void RecalcSheet(PositionSheet& sheet, Services& services);

// Only the input cells of position rows may become current or be edited; the
// status columns and the header rows never.
bool CanSelectSheetCell(const PositionSheet& sheet, int col, int row);

// What a typed character becomes in the sheet (one decimal separator per value).
std::optional<char> FilterSheetKey(char typed, char separator, const std::string& current_text);

// Where Enter moves the current cell: from a filled odds cell to the amount of
// its side. Nothing in an empty cell or an amount cell.
std::optional<int> SheetEnterColumn(int col, const std::string& current_text);

// Whether the value now in (col, row) breaks the row rule: a value on the other
// side, or a second odds value on the same side. Looks only at the other cells.
bool BreaksRowRule(const PositionSheet& sheet, int col, int row);

// The check run when an edit of an input cell ended with a changed text. A
// refused entry is emptied and the rule's message shown; the row's status is
// recomputed either way. True when refused.
bool ValidateSheetEntry(PositionSheet& sheet, int col, int row, Services& services);

}  // namespace orvanta

#pragma once

// The live position sheet: one row per position taken on a game's three
// outcomes "1", "X" and "2", either a buy (odds on one outcome and a stake) or a
// sell (odds on one outcome and the stake taken). Columns 0 to 7 are what the
// user types; columns 8 to 10 show what the row is worth if each outcome happens.
// Nine totals sum the sheet up per outcome: Return, Game Wager and Result
// (Return minus Game Wager), each rounded to 8 decimals.

#include <optional>
#include <string>

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/live/live_captions.h"

namespace orvanta {

class Catalogue;

inline constexpr int kSheetCols = 11;
inline constexpr int kSheetHeaderRows = 2;
inline constexpr int kFirstPositionRow = 2;
inline constexpr int kBuyAmountCol = 3;
inline constexpr int kSellAmountCol = 7;
inline constexpr int kFirstStatusCol = 8;
inline constexpr int kInputCols = 8;

// The row rule's message as it reads without a catalogue.
inline constexpr const char* kRowRuleMessage = live_captions::kRowRule.fallback;

struct PositionSheet {
    TextGrid positions{kSheetCols, kSheetHeaderRows + 1};
    // The sum of the status column of "1", "X", "2".
    TextBox return_1, return_x, return_2;
    // Stake bought on the outcome minus stake sold on it.
    TextBox game_wager_1, game_wager_x, game_wager_2;
    // Return minus Game Wager: the game's net profit or loss if the outcome happens.
    TextBox result_1, result_x, result_2;
};

// An empty sheet: the two header rows and one empty position row. The totals
// are left as they are.
void ClearPositionSheet(PositionSheet& sheet, const Catalogue& catalogue);

// Drops every empty position row but the last, and makes sure the sheet ends
// with exactly one empty row.
void CompactRows(PositionSheet& sheet);
void CalculateRowStatus(PositionSheet& sheet, Services& services);
void CalculateReturns(PositionSheet& sheet, Services& services);
void CalculateGameWagers(PositionSheet& sheet, Services& services);
void CalculateResults(PositionSheet& sheet, Services& services);
// All of the above, in that order.
void RecalculateSheet(PositionSheet& sheet, Services& services);

// Only the input cells of position rows may become current or be edited; the
// status columns and the header rows never.
bool IsInputCell(const PositionSheet& sheet, int col, int row);

// What a typed character becomes in the sheet (one decimal separator per value).
std::optional<char> FilterSheetKey(char typed, char separator, const std::string& current_text);

// Where Enter moves the current cell: from a filled odds cell to the amount of
// its side. Nothing in an empty cell or an amount cell.
std::optional<int> SheetEnterColumn(int col, const std::string& current_text);

// The check run when an edit of an input cell ended with a changed text: the
// value now in (col, row) is refused when the row holds a value on the other
// side, or a second odds value on the same side (only the other cells are
// looked at). A refused entry is emptied and the rule's message shown; the
// row's status is recomputed either way. True when refused.
bool ValidateSheetEntry(PositionSheet& sheet, int col, int row, const Catalogue& catalogue,
                        Services& services);

}  // namespace orvanta

#pragma once

// The parlay page: a system-bet sheet and the file format it is kept in.
//
// ParlaySheet holds the grid AdvStringGrid1 and the three sum boxes. Every data
// row r (1 to 15) plays two parts: columns 0 to 2 are selection r (banker box,
// odds, WIN/LOST) and columns 3 to 8 are the system of size k = r (stake per
// combination in, then combinations, total stake, return and profit out).
// CalcParlaySheet reads the odds and stakes as text, enumerates every k-fold
// combination through CalcSystemReturn and writes the results back as text.
// The grid events below are what the window calls on clicks and keys.
//
// grid_file.h turns any TextGrid into the binary .bet records and back;
// parlay_files.h puts the page's Save, Load and Delete Files buttons on top.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"

namespace orvanta {

class Catalogue;
class Prompter;
struct Services;

inline constexpr int kParlayCols = 9;
inline constexpr int kParlayRows = 16;
inline constexpr int kParlayFirstRow = 1;
inline constexpr int kParlayLastRow = 15;
inline constexpr int kParlayRowHeight = 21;
inline constexpr int kParlayColWidths[kParlayCols] = {29, 90, 50, 60, 79, 70, 64, 80, 70};

enum ParlayColumn : int {
    kColBanker = 0,        // check box
    kColOdds = 1,          // typed
    kColResult = 2,        // "WIN" / "LOST", toggled by selecting the cell
    kColSystem = 3,        // the row number
    kColStake = 4,         // typed: stake per combination
    kColCombinations = 5,  // results from here on
    kColTotalStake = 6,
    kColReturn = 7,
    kColProfit = 8,
};

inline constexpr const char* kParlayWin = "WIN";
inline constexpr const char* kParlayLost = "LOST";
inline constexpr const char* kParlayGapMessage = "Warnig..fill with the odds from the first cell";

// How the window paints the sheet: header row lime, the grid's own background
// the system 3D-light colour, grid lines silver, Tahoma bold 8 point. Input
// cells carry the window colour as their cell background.
inline constexpr GridColour kParlayHeaderColour = kColourLime;
inline constexpr GridColour kParlayGridColour{static_cast<std::int32_t>(0xFF000016u)};
inline constexpr GridColour kParlayGridLineColour = GridColour::Rgb(192, 192, 192);

struct ParlaySheet {
    // The layout only (9 x 16, one fixed header row, the column widths, rows of
    // 21 pixels); InitParlaySheet gives the start content.
    ParlaySheet();

    TextGrid AdvStringGrid1;
    TextBox Edit1;  // sum of the total stakes (column 6)
    TextBox Edit2;  // sum of the returns (column 7)
    TextBox Edit3;  // sum of the profits (column 8)
};

// Back to the start state: every cell emptied, sums "0", every row "WIN" with
// an unchecked banker box and its system size, the input cells in the window
// colour, headers from the catalogue. Column widths stay as the user left them.
void InitParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue);

// The header row from the catalogue again (a change of language); the rest of
// the sheet stays.
void CaptionParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue);

// Shows the gap message and changes nothing when the odds do not fill rows 1 to
// N without a gap. Otherwise each row with odds and a stake gets its
// combinations, total stake, return and profit; a row without a stake loses
// columns 6 to 8 (and 5 too when it has no odds); then the three sums.
void CalcParlaySheet(ParlaySheet& sheet, Services& services);

struct SystemReturn {
    double total = 0;     // what the winning combinations pay per unit stake
    long long count = 0;  // how many combinations the system holds
};

// The system of size k over the odds rows from row 1 down to the first empty
// odds cell; bankers are in every combination, so a banker marked LOST makes
// every combination lose (the count stays, the return is 0). More bankers than
// k: (0, 0). Only bankers left to fill k: the one combination of the bankers
// alone.
SystemReturn CalcSystemReturn(const ParlaySheet& sheet, int k, Services& services);

// The enumeration on its own, over numbers already read: every m-subset of
// `others` in lexicographic order, each combination's product formed in index
// order (a product that is not positive is replaced by the next factor, not
// multiplied), times `banker_product` when that is positive. Lost selections
// make their combinations pay nothing. `others` is small (at most 15 on the
// sheet): the work grows as C(n, m).
struct Selection {
    double odds = 0;
    bool won = false;
};
SystemReturn SumCombinations(const std::vector<Selection>& others, int m, double banker_product);

// Grid events of AdvStringGrid1, for the window to call.

// Asked before (col, row) becomes the current cell. Columns 3 and 5 to 8 and the
// header row never do. A result cell (column 2) flips between "WIN" and "LOST"
// instead and the selection stays where it was; making a banker's result LOST
// shows the "StandartLost" message first.
bool AdvStringGrid1SelectCell(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
                              Services& services);

// The user types only into the banker, odds and stake columns of data rows.
bool AdvStringGrid1CanEditCell(int col, int row);

// A click on a check box: flips it (the widget must not), and when a box becomes
// checked on a row reading "LOST" shows the "StandartLost" message. The box
// stays checked.
void AdvStringGrid1CheckBoxClick(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
                                 Services& services);

struct ParlayKeyResult {
    std::optional<char> key;  // the character to pass on to the grid, or nothing
    int row = 0;              // the row the current cell moves to (unchanged when it stays)
};

// A typed character in the current cell (col, row), whose text (in the editor
// or not) is current_text: the number filter first, then Enter's row advance in
// the odds column (only on a non-empty cell) and the stake column, with row 15
// wrapping to row 1. Enter still goes on to the grid afterwards.
ParlayKeyResult AdvStringGrid1KeyPress(int col, int row, const std::string& current_text,
                                       char typed, char separator);

// The text of the "StandartLost" message from the catalogue.
std::string StandartLostText(const Catalogue& catalogue);

}  // namespace orvanta

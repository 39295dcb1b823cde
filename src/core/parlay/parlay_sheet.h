#pragma once

// The parlay page: a system-bet sheet and the file format it is kept in.
//
// ParlaySheet holds the selections grid and the three sums at its foot. Every
// data row r (1 to 15) plays two parts: its left columns are selection r
// (banker box, odds, WIN/LOST) and its right columns the system of size k = r
// (the stake per combination in; the combinations, total stake, return and
// profit out). CalculateParlaySheet reads the odds and stakes as text, has
// SystemReturn enumerate every k-fold combination and writes the results back
// as text. The grid rules below answer the window's clicks and keys.
//
// grid_file.h turns any TextGrid into the binary .bet records and back;
// parlay_files.h puts the page's Save, Load and Delete Files buttons on top.

#include <cstdint>
#include <string>
#include <vector>

#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

struct Services;

inline constexpr int kParlayColWidths[] = {29, 90, 50, 60, 79, 70, 64, 80, 70};
inline constexpr int kParlayRowHeight = 21;

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
    static constexpr int kCols = 9;
    static constexpr int kRows = 16;  // the header row, then one row per selection
    static constexpr int kFirstRow = 1;
    static constexpr int kLastRow = 15;

    // Selection r, on the left of row r.
    static constexpr int kBankerCol = 0;  // a check box
    static constexpr int kOddsCol = 1;    // typed
    static constexpr int kResultCol = 2;  // "WIN" or "LOST", flipped by a click or Space
    // The system of size k = r, on the right of row r.
    static constexpr int kSystemSizeCol = 3;    // the row number
    static constexpr int kStakeCol = 4;         // typed: the stake per combination
    static constexpr int kCombinationsCol = 5;  // worked out from here on
    static constexpr int kTotalStakeCol = 6;
    static constexpr int kReturnCol = 7;
    static constexpr int kProfitCol = 8;

    // The layout only (9 x 16, one fixed header row, the column widths, rows of
    // 21 pixels); ClearParlaySheet gives the start content.
    ParlaySheet();

    TextGrid selections;
    TextBox total_staked;    // the sum of the systems' total stakes
    TextBox total_returned;  // the sum of their returns
    TextBox total_profit;    // the sum of their profits
};

// What the page's header row, labels, buttons and messages say. The header
// texts have no fallback: without a catalogue the header row stays empty.
namespace parlay_captions {
inline constexpr CatalogueText kColumnHeaders[ParlaySheet::kCols] = {
    {"FrmMain", "ColumnHeaders_0", ""}, {"FrmMain", "ColumnHeaders_1", ""},
    {"FrmMain", "ColumnHeaders_2", ""}, {"FrmMain", "ColumnHeaders_3", ""},
    {"FrmMain", "ColumnHeaders_4", ""}, {"FrmMain", "ColumnHeaders_5", ""},
    {"FrmMain", "ColumnHeaders_6", ""}, {"FrmMain", "ColumnHeaders_7", ""},
    {"FrmMain", "ColumnHeaders_8", ""}};
inline constexpr CatalogueText kSum{"FrmMain", "LblSum", ""};
inline constexpr CatalogueText kSave{"FrmMain", "Save", "Save"};
inline constexpr CatalogueText kLoad{"FrmMain", "Load", "Load"};
inline constexpr CatalogueText kDeleteFiles{"FrmMain", "DeleteFiles", "Delete Files"};
// Shown when a banker is marked LOST.
inline constexpr CatalogueText kBankerLost{"Message", "StandartLost", "Standart Lost"};

// Texts the page first showed the same in every language; each catalogue now
// says them in its own words, and without one they read as they always did.
inline constexpr CatalogueText kSaveTip{"FrmMain", "SaveHint", "Σωσιμο του Παρολι"};
inline constexpr CatalogueText kLoadTip{"FrmMain", "LoadHint", "Ανοιγμα παιχνιδιου Παρολι"};
// What the file dialogs call a .bet file.
inline constexpr CatalogueText kParlayFiles{"FrmMain", "ParlayFiles", "ΑΡΧΕΙΑ ΠΑΡΟΛΙ"};
inline constexpr CatalogueText kGap{"Message", "FillFromFirstCell", kParlayGapMessage};
}  // namespace parlay_captions

// Back to the start state: every cell emptied, sums "0", every row "WIN" with
// an unchecked banker box and its system size, the input cells in the window
// colour, headers from the catalogue. Column widths stay as the user left them.
void ClearParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue);

// The header row from the catalogue again (a change of language); the rest of
// the sheet stays.
void CaptionParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue);

// Shows the gap message and changes nothing when the odds do not fill rows 1 to
// N without a gap. Otherwise each row with odds and a stake gets its
// combinations, total stake, return and profit; any other row loses its total
// stake, return and profit, and its combinations too when it has no odds; then
// the three sums. The gap message is read from `catalogue`.
void CalculateParlaySheet(ParlaySheet& sheet, Services& services,
                          const Catalogue& catalogue = Catalogue());

struct SystemPayout {
    double total = 0;     // what the winning combinations pay per unit stake
    long long count = 0;  // how many combinations the system holds
};

// The system of size k over the odds rows from row 1 down to the first empty
// odds cell; bankers are in every combination, so a banker marked LOST makes
// every combination lose (the count stays, the return is 0). More bankers than
// k: (0, 0). Only bankers left to fill k: the one combination of the bankers
// alone.
SystemPayout SystemReturn(const ParlaySheet& sheet, int k, Services& services);

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
SystemPayout SumCombinations(const std::vector<Selection>& others, int m, double banker_product);

// How the selections grid answers the window's clicks and keys. Typed keys go
// through the number key filter first, as in every calculator grid.

// The cells of the data rows the current cell may stand on: the banker box,
// the odds, the result and the stake. The keyboard reaches each of them.
bool MayBeCurrentCell(int col, int row);

// The odds and stake cells of the data rows: the only cells the user types
// into. The banker cell is a check box and holds no text.
bool IsTypedCell(int col, int row);

// Flips a data row's result between "WIN" and "LOST" (any text but "WIN"
// becomes "WIN"); a banker made LOST is pointed out first. Other rows are left
// alone.
void ToggleResult(ParlaySheet& sheet, int row, const Catalogue& catalogue, Services& services);

// A click on a cell or Space on the current one: a result cell flips, and
// true; any other cell is left to the grid, and false. Reaching a result cell
// by keyboard flips nothing.
bool PressCell(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
               Services& services);

// A click on a check box, or Space on its cell, flips it (the widget must
// not); a banker checked on a row reading "LOST" is pointed out, and stays
// checked. A cell without a box is left alone.
void ToggleCheckBox(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
                    Services& services);

// The row Enter moves the current cell (col, row) to, given the cell's text (in
// the editor or not): one down in the odds column (from a cell with text) and in
// the stake column, from row 15 round to row 1; anywhere else it stays.
int RowAfterEnter(int col, int row, const std::string& current_text);

}  // namespace orvanta

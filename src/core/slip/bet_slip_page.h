#pragma once

// The BET SLIP page: up to fifteen legs, each with its odds, result, dead
// heat, Rule 4 and place terms; the bet type, the stake per bet and each way;
// and what the slip pays. Calculate reads the texts, settles the slip exactly
// (bet_settlement.h) and writes the figures back to the cent.

#include <array>
#include <optional>
#include <string>

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "core/slip/bet_settlement.h"

namespace orvanta {

// What the result cell of a leg says; a click or Space moves it on, in this order.
enum class SlipResult { kWon, kPlaced, kLost, kVoid, kDeadHeat };
inline constexpr int kSlipResults = 5;

struct BetSlipPage {
    static constexpr int kCols = 7;
    static constexpr int kRows = 1 + kMaxSlipLegs;
    static constexpr int kLegCol = 0;  // the leg's number
    static constexpr int kOddsCol = 1;
    static constexpr int kResultCol = 2;
    static constexpr int kTiedCol = 3;
    static constexpr int kPlacesLeftCol = 4;
    static constexpr int kRule4Col = 5;
    static constexpr int kTermsCol = 6;

    BetSlipPage();

    TextGrid legs;
    // The result of each leg (row r holds leg r), shown in its result cell in
    // the words of the catalogue: kept as a choice, so that a change of
    // language says it again in the new words.
    std::array<SlipResult, kMaxSlipLegs> results{};
    int kind = 0;  // the bet type: SlipKinds()[kind], below PageSlipKindCount()
    bool each_way = false;
    TextBox stake;
    TextBox bets;
    TextBox total_stake;
    TextBox total_return;
    TextBox profit;
    TextBox win_return;
    TextBox place_return;
};

namespace bet_slip_captions {
inline constexpr CatalogueText kTitle{"BetSlip", "Title", "BET SLIP"};
inline constexpr CatalogueText kColumnHeaders[BetSlipPage::kCols] = {
    {"BetSlip", "ColumnLeg", "Leg"},
    {"BetSlip", "ColumnOdds", "Odds"},
    {"BetSlip", "ColumnResult", "Result"},
    {"BetSlip", "ColumnTied", "Tied"},
    {"BetSlip", "ColumnPlacesLeft", "Places left"},
    {"BetSlip", "ColumnRule4", "Rule 4 (p)"},
    {"BetSlip", "ColumnTerms", "Place terms"}};
inline constexpr CatalogueText kResults[kSlipResults] = {{"BetSlip", "Won", "Won"},
                                                         {"BetSlip", "Placed", "Placed"},
                                                         {"BetSlip", "Lost", "Lost"},
                                                         {"BetSlip", "Void", "Void"},
                                                         {"BetSlip", "DeadHeat", "Dead heat"}};
inline constexpr CatalogueText kKind{"BetSlip", "BetType", "Bet"};
inline constexpr CatalogueText kStake{"BetSlip", "Stake", "Stake per bet"};
inline constexpr CatalogueText kEachWay{"BetSlip", "EachWay", "Each way"};
inline constexpr CatalogueText kBets{"BetSlip", "Bets", "Bets"};
inline constexpr CatalogueText kTotalStake{"BetSlip", "TotalStake", "Total stake"};
inline constexpr CatalogueText kTotalReturn{"BetSlip", "Return", "Return"};
inline constexpr CatalogueText kProfit{"BetSlip", "Profit", "Profit"};
inline constexpr CatalogueText kWinReturn{"BetSlip", "WinReturn", "Win return"};
inline constexpr CatalogueText kPlaceReturn{"BetSlip", "PlaceReturn", "Place return"};
// "%d-folds": the N-folds' name, N in place of the %d.
inline constexpr CatalogueText kFolds{"BetSlip", "Folds", "%d-folds"};
}  // namespace bet_slip_captions

// A bet type's name in the catalogue's words: section "BetSlip", key "Kind_"
// and its key ("Kind_lucky15"), the name a bettor knows it by when none.
std::string SlipKindName(const SlipKind& kind, const Catalogue& catalogue);

// Every leg emptied and Won, the stake and figures emptied, Singles, not each way.
void ClearBetSlip(BetSlipPage& page, const Catalogue& catalogue);

// The headers and the results in the catalogue's words; the rest stays.
void CaptionBetSlip(BetSlipPage& page, const Catalogue& catalogue);

// The figures emptied, then the slip settled from every row with odds, in
// row order. What cannot be settled is shown as its reason, and no figure.
void CalculateBetSlip(BetSlipPage& page, Services& services, const Catalogue& catalogue);

// The cells the current cell may stand on, and the ones typed into.
bool SlipMayBeCurrentCell(int col, int row);
bool SlipIsTypedCell(int col, int row);

// A click on a result cell, or Space on it: the next result, and true; any
// other cell is left to the grid, and false.
bool PressSlipCell(BetSlipPage& page, int col, int row, const Catalogue& catalogue);

// What a typed key becomes in a cell of column `col`: digits everywhere;
// the decimal marks (as the user's separator) in the odds and the Rule 4;
// "/" in the odds and the terms; the letters of "evens" in the odds.
std::optional<char> FilterSlipKey(int col, char typed, char separator);

}  // namespace orvanta

#pragma once

// The ARBITRAGE page: money spread over up to 13 exclusive outcomes so that
// each pays back about the same, and the sure profit that leaves.

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "core/markets/lay_bet.h"

namespace orvanta {

struct ArbitragePage {
    static constexpr int kOutcomes = 13;
    static constexpr int kOddsRow = 1;
    static constexpr int kWagerRow = 2;
    static constexpr int kWinPayRow = 3;
    static constexpr int kCommissionRow = 4;  // per cent; empty is none

    // Sets the grid's shape: 13 outcome columns headed "1".."13" over the odds,
    // wager, Win Pay and commission rows.
    ArbitragePage();

    TextGrid outcomes;
    TextBox multiplier;      // scales the wagers when there is no target
    TextBox win_pay_target;  // what each outcome should pay back; "0" for none
    TextBox total_wager;
    TextBox sure_profit_percent;  // with its sign colour
    TextBox sure_profit;          // with its sign colour

    // Stakes a bookmaker takes: the step they are rounded to ("" for cents),
    // and what the worst outcome leaves after that rounding.
    TextBox round_to;
    TextBox worst_profit;  // the smallest payout less the total staked; sign colour
    TextBox worst_note;    // says so, in red, when rounding loses a sure profit

    // The outcome whose wager the user typed, -1 when none. Its stake stays as
    // typed and the others follow from it, while the multiplier and Win Pay
    // boxes show what it implies; what they held before comes back when the
    // stake is emptied.
    int fixed_outcome = -1;
    std::string multiplier_before_fixed;
    std::string multiplier_shown;
    std::string target_shown;

    // One bet backed at a bookmaker and laid at an exchange.
    LayMode lay_mode = LayMode::kQualifying;
    TextBox lay_back_stake;
    TextBox lay_back_odds;
    TextBox lay_odds;
    TextBox lay_commission;
    TextBox lay_refund;     // kRefund: empty means the back stake
    TextBox lay_retention;  // kRefund: per cent of the refund kept once laid
    TextBox lay_stake;
    TextBox lay_liability;
    TextBox lay_back_wins;
    TextBox lay_lay_wins;
};

// What the page's labels say.
namespace arbitrage_captions {
inline constexpr CatalogueText kTitle{"FrmMain", "OutComes", "Out Comes"};
inline constexpr CatalogueText kOddsRow{"FrmMain", "ODDS", "ODDS"};
inline constexpr CatalogueText kWagerRow{"FrmMain", "Wager", "Wager"};
inline constexpr CatalogueText kWinPayRow{"FrmMain", "WinPay", "Win Pay"};
inline constexpr CatalogueText kMultiplier{"FrmMain", "WagerMultiplay", "Wager Multiplay"};
inline constexpr CatalogueText kWinPayTarget{"FrmMain", "WinPay", "Win Pay"};
inline constexpr CatalogueText kTotalWager{"FrmMain", "TotalWager", "Total Wager"};
inline constexpr CatalogueText kSureProfitPercent{"FrmMain", "SureProfit%", "SureProfit %"};
inline constexpr CatalogueText kSureProfit{"FrmMain", "SureProfit", "SureProfit"};

// The stakes a bookmaker takes, and the back and lay group.
inline constexpr CatalogueText kCommissionRow{"FrmMain", "CommissionPct", "COMM. %"};
inline constexpr CatalogueText kRoundTo{"FrmMain", "RoundStakesTo", "Round stakes to"};
inline constexpr CatalogueText kWorstProfit{"FrmMain", "WorstCase", "Worst case"};
inline constexpr CatalogueText kRoundingLoss{"FrmMain", "RoundingLoss",
                                             "LOSS: the rounded stakes lose money"};
inline constexpr CatalogueText kBadCommission{
    "Message", "BadCommission", "A commission must be a number from 0 to 100 per cent"};
inline constexpr CatalogueText kBadFixedStake{
    "Message", "BadFixedStake", "A fixed stake must be a number above 0 on an outcome with odds"};
inline constexpr CatalogueText kBadRoundStep{"Message", "BadRoundStep",
                                             "Round stakes to: a step above 0 is needed"};
inline constexpr CatalogueText kRoundsToZero{
    "Message", "RoundsToZero", "Round stakes to: the step is so large that a stake rounds to 0"};
inline constexpr CatalogueText kLayGroup{"FrmMain", "BackLay", "Back and lay"};
inline constexpr CatalogueText kLayBackStake{"FrmMain", "BackStake", "Back stake"};
inline constexpr CatalogueText kLayBackOdds{"FrmMain", "BackOdds", "Back odds"};
inline constexpr CatalogueText kLayOdds{"FrmMain", "LayOdds", "Lay odds"};
inline constexpr CatalogueText kLayCommission{"FrmMain", "LayCommission", "Commission %"};
inline constexpr CatalogueText kLayMode{"FrmMain", "LayKind", "Kind"};
inline constexpr CatalogueText kLayQualifying{"FrmMain", "LayQualifying", "Qualifying bet"};
inline constexpr CatalogueText kLaySnr{"FrmMain", "LaySNR", "Free bet, stake not returned"};
inline constexpr CatalogueText kLaySr{"FrmMain", "LaySR", "Free bet, stake returned"};
inline constexpr CatalogueText kLayRefundMode{"FrmMain", "LayRefundKind", "Refund if it loses"};
inline constexpr CatalogueText kLayRefund{"FrmMain", "LayRefund", "Refund"};
inline constexpr CatalogueText kLayRetention{"FrmMain", "LayRetention", "Retention %"};
inline constexpr CatalogueText kLayStake{"FrmMain", "LayStake", "Lay stake"};
inline constexpr CatalogueText kLayLiability{"FrmMain", "Liability", "Liability"};
inline constexpr CatalogueText kLayBackWins{"FrmMain", "IfBackWins", "If back wins"};
inline constexpr CatalogueText kLayLayWins{"FrmMain", "IfLayWins", "If lay wins"};
inline constexpr CatalogueText kBadBackStake{"Message", "BadBackStake",
                                             "The back stake must be a number above 0"};
inline constexpr CatalogueText kBadBackOdds{"Message", "BadBackOdds",
                                            "The back odds must be a number above 1"};
inline constexpr CatalogueText kBadLayOdds{"Message", "BadLayOdds",
                                           "The lay odds must be a number above 1"};
inline constexpr CatalogueText kBadBreakEven{
    "Message", "BadLayBreakEven", "The lay odds must be above the commission's break-even"};
inline constexpr CatalogueText kBadRefund{"Message", "BadRefund",
                                          "The refund must be a number of 0 or more"};
inline constexpr CatalogueText kBadRetention{
    "Message", "BadRetention", "A refund needs its retention, a number from 0 to 100 per cent"};
}  // namespace arbitrage_captions

// Blank odds, wagers, payouts and commissions; boxes back to "1", "0", "0%",
// "0", "0"; no fixed stake, no rounding, an empty back and lay group.
void ClearArbitrage(ArbitragePage& page);

// The user typed a stake into the outcome's Wager cell: it is the fixed one
// from now on, marked apart from the computed stakes (white, not green). An empty cell fixes
// nothing.
void FixArbitrageStake(ArbitragePage& page, int outcome);

// Wagers and payouts for every outcome with odds, then the totals, the sure
// profit and the worst case. Each outcome pays 1 + (O - 1)(1 - commission) per
// unit; a fixed stake sets what every outcome pays; stakes other than the fixed
// one are rounded to the step. A commission, fixed stake or step that is no
// sound figure is said in a message, and nothing of the outcomes changes.
// A zero odds beside positive ones, or a total wager of 0, throws
// OperationError at the step that divides; what was written before stays.
// Then the back and lay group, when anything is typed in it.
void CalculateArbitrage(ArbitragePage& page, Services& services, const Catalogue& catalogue);
// With the default texts for messages.
void CalculateArbitrage(ArbitragePage& page, Services& services);

// The back and lay group alone: its four results, or, for input that is no
// sound bet, a message with the reason and the results left empty.
void CalculateBackLay(ArbitragePage& page, Services& services, const Catalogue& catalogue);

}  // namespace orvanta

#pragma once

// The ARBITRAGE page: money spread over up to 13 exclusive outcomes so that
// each pays back about the same, and the sure profit that leaves.

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

struct ArbitragePage {
    static constexpr int kOutcomes = 13;
    static constexpr int kOddsRow = 1;
    static constexpr int kWagerRow = 2;
    static constexpr int kWinPayRow = 3;

    // Sets the grid's shape: 13 outcome columns headed "1".."13" over the odds,
    // wager and Win Pay rows.
    ArbitragePage();

    TextGrid outcomes;
    TextBox multiplier;      // scales the wagers when there is no target
    TextBox win_pay_target;  // what each outcome should pay back; "0" for none
    TextBox total_wager;
    TextBox sure_profit_percent;  // with its sign colour
    TextBox sure_profit;          // with its sign colour
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
}  // namespace arbitrage_captions

// Blank odds, wagers and payouts; boxes back to "1", "0", "0%", "0", "0".
void ClearArbitrage(ArbitragePage& page);

// Wagers and payouts for every outcome with odds, then the totals and the sure
// profit. A zero odds beside positive ones, or a total wager of 0, throws
// OperationError at the step that divides; what was written before stays.
void CalculateArbitrage(ArbitragePage& page, Services& services);

}  // namespace orvanta

#pragma once

// The ARBITRAGE page: money spread over up to 13 exclusive outcomes so that
// each pays back about the same, and the sure profit that leaves.

#include "core/grid/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"

namespace orvanta {

struct ArbitragePage {
    static constexpr int kOutcomes = 13;
    static constexpr int kOddsRow = 1;
    static constexpr int kWagerRow = 2;
    static constexpr int kWinPayRow = 3;

    // Sets the grid's shape: 13 outcome columns headed "1".."13" over the odds,
    // wager and Win Pay rows.
    ArbitragePage();

    TextGrid AdvCalcArbitrage;
    TextBox Edit5;   // Wager Multiplay (scale mode's multiplier)
    TextBox Edit6;   // Win Pay target; "0" for none
    TextBox Edit7;   // SureProfit % (with its sign colour)
    TextBox Edit8;   // SureProfit (with its sign colour)
    TextBox Edit13;  // Total Wager
};

// Blank odds, wagers and payouts; boxes back to "1", "0", "0%", "0", "0".
void InitArbitragePage(ArbitragePage& page);

// Wagers and payouts for every outcome with odds, then the totals and the sure
// profit. A zero odds beside positive ones, or a total wager of 0, throws
// OperationError at the step that divides, and a figure beyond the double
// range at the step that reaches it; what was written before stays.
void CalcArbitragePage(ArbitragePage& page, Services& services);

}  // namespace orvanta

#pragma once

// The PROBABILITY page: from a book of up to 15 decimal odds, the margin, the
// share paid back, the bookmaker's cut and each outcome's fair probability.

#include "core/grid/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"

namespace orvanta {

struct ProbabilityPage {
    static constexpr int kOutcomes = 15;
    static constexpr int kOddsRow = 1;
    static constexpr int kProbabilityRow = 2;

    // Sets the grid's shape: 15 outcome columns headed "1".."15" over the odds
    // and PROBABILITY % rows.
    ProbabilityPage();

    TextGrid AdvProbability;
    TextBox Edit9;   // MARGIN
    TextBox Edit10;  // RETURN %
    TextBox Edit11;  // GANIOTA %
};

// Blank odds and probabilities; the three boxes back to "0".
void InitProbabilityPage(ProbabilityPage& page);

// The book's figures. A zero or unreadable odds throws OperationError before
// anything is written.
void CalcProbabilityPage(ProbabilityPage& page, Services& services);

}  // namespace orvanta

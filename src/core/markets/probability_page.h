#pragma once

// The PROBABILITY page: from a book of up to 15 decimal odds, the margin, the
// share paid back, the bookmaker's cut and each outcome's fair probability.

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "core/markets/arbitrage_page.h"

namespace orvanta {

struct ProbabilityPage {
    static constexpr int kOutcomes = 15;
    static constexpr int kOddsRow = 1;
    static constexpr int kProbabilityRow = 2;

    // Sets the grid's shape: 15 outcome columns headed "1".."15" over the odds
    // and PROBABILITY % rows.
    ProbabilityPage();

    TextGrid outcomes;
    TextBox margin;          // how far the book goes beyond 100 %
    TextBox return_percent;  // the share of the stakes the book pays back
    TextBox cut_percent;     // the share the bookmaker keeps
};

// What the page's labels say. The title and the odds row read as on the
// ARBITRAGE page, from the same catalogue keys.
namespace probability_captions {
inline constexpr const CatalogueText& kTitle = arbitrage_captions::kTitle;
inline constexpr const CatalogueText& kOddsRow = arbitrage_captions::kOddsRow;
inline constexpr CatalogueText kProbabilityRow{"FrmMain", "PROBABILITY%", "PROBABILITY %"};
inline constexpr CatalogueText kMargin{"FrmMain", "MARGIN", "MARGIN"};
inline constexpr CatalogueText kReturnPercent{"FrmMain", "RETURN%", "RETURN %"};
inline constexpr CatalogueText kCutPercent{"FrmMain", "GANIOTA%", "GANIOTA %"};
}  // namespace probability_captions

// Blank odds and probabilities; the three boxes back to "0".
void ClearProbability(ProbabilityPage& page);

// The book's figures. A zero or unreadable odds throws OperationError before
// anything is written.
void CalculateProbability(ProbabilityPage& page, Services& services);

}  // namespace orvanta

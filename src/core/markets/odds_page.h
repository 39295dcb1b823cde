#pragma once

// The ODDS page: a match priced from the two teams' win, draw and loss counts,
// for the results 1, X, 2 and the double chances 1X, 12, X2, each shown as
// decimal odds, a fraction, a US whole number and a probability.

#include <optional>
#include <string>
#include <utility>

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

struct OddsPage {
    // The records: counts in columns 1-3 (WINS, DRAWS, LOSSES), rows 1-2 (HOME
    // TEAM, AWAY TEAM).
    static constexpr int kHomeRow = 1;
    static constexpr int kAwayRow = 2;
    static constexpr int kWinsCol = 1;
    static constexpr int kDrawsCol = 2;
    static constexpr int kLossesCol = 3;
    // The prices: results in columns 1-6 ("1", "X", "2", "1X", "12", "X2").
    static constexpr int kResultCols = 6;
    static constexpr int kDecimalRow = 1;
    static constexpr int kFractionRow = 2;
    static constexpr int kUsRow = 3;
    static constexpr int kProbabilityRow = 4;

    // Sets both grids' shapes and the prices' column headers.
    OddsPage();

    TextGrid records;
    TextGrid prices;
    // The bookmaker's cut in per cent: the fair odds are shortened so that a
    // book of the three results pays back that much less than 100 % of the
    // stakes.
    TextBox cut_percent;
};

// What the page's labels say; the grids' headers are cells of the page,
// written by CaptionOdds. Each catalogue names the cut as the PROBABILITY page
// does; without one it reads as it always did.
namespace odds_captions {
inline constexpr CatalogueText kCutPercent{"FrmMain", "GANIOTA", "GANIOTA"};
}  // namespace odds_captions

// The ten header cells from the catalogue; counts and prices stay.
void CaptionOdds(OddsPage& page, const Catalogue& catalogue);

// Headers from the catalogue, counts and prices blank, the cut "0".
void ClearOdds(OddsPage& page, const Catalogue& catalogue);

// Prices the match. A blank count is named in a message and nothing else
// changes. Every division is guarded; only a price beyond the double range
// throws OperationError, when it is written, and what was written before stays.
void CalculateOdds(OddsPage& page, Services& services, const Catalogue& catalogue);

// The fraction n/d (both 1..20) whose value in hundredths is the largest not
// above t, t being decimal odds less 1; among equals the smallest n + d. (0, 0)
// when even 1/20 is above t. t is taken to the nearest hundredth first, so
// that floating noise cannot move it below a fraction it equals.
std::pair<int, int> FindFraction(double t);

// The US whole number of a fraction text "n/d": n/d x 100 from evens up,
// -100 x d/n below; nothing for 0/0 or text without a "/".
std::optional<double> FractionToUs(const std::string& fraction, Services& services);

}  // namespace orvanta

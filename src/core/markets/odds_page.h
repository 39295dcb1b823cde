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
#include "core/markets/odds_formats.h"

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

    // The converter: one price, typed in any of its boxes, in every format.
    TextBox price_decimal;
    TextBox price_fractional;
    TextBox price_american;
    TextBox price_hong_kong;
    TextBox price_malay;
    TextBox price_indonesian;
    TextBox price_percent;
    // Why the typed price gives no figures; empty when it gives them or when
    // nothing is typed.
    std::string price_problem;
};

// The converter's formats in the order its boxes stand, and the box of each.
inline constexpr OddsFormat kConverterFormats[] = {
    OddsFormat::kDecimal, OddsFormat::kFractional, OddsFormat::kAmerican, OddsFormat::kHongKong,
    OddsFormat::kMalay,   OddsFormat::kIndonesian, OddsFormat::kPercent};
TextBox OddsPage::*ConverterBox(OddsFormat format);

// What the page's labels say; the grids' headers are cells of the page,
// written by CaptionOdds. Each catalogue names the cut as the PROBABILITY page
// does; without one it reads as it always did.
namespace odds_captions {
inline constexpr CatalogueText kCutPercent{"FrmMain", "GANIOTA", "GANIOTA"};

inline constexpr CatalogueText kConverter{"FrmMain", "OddsConverter", "ODDS CONVERTER"};
inline constexpr CatalogueText kConverterDecimal{"FrmMain", "OddsConverterDecimal", "Decimal"};
inline constexpr CatalogueText kConverterFractional{"FrmMain", "OddsConverterFractional",
                                                    "Fractional"};
inline constexpr CatalogueText kConverterAmerican{"FrmMain", "OddsConverterAmerican", "American"};
inline constexpr CatalogueText kConverterHongKong{"FrmMain", "OddsConverterHongKong", "Hong Kong"};
inline constexpr CatalogueText kConverterMalay{"FrmMain", "OddsConverterMalay", "Malay"};
inline constexpr CatalogueText kConverterIndonesian{"FrmMain", "OddsConverterIndonesian",
                                                    "Indonesian"};
inline constexpr CatalogueText kConverterPercent{"FrmMain", "OddsConverterPercent", "Implied %"};
// Followed by the same price written in the box's format.
inline constexpr CatalogueText kNotAPrice{"Message", "NotAPrice",
                                          "Not a price in this format; for example"};
}  // namespace odds_captions

// The ten header cells from the catalogue; counts and prices stay.
void CaptionOdds(OddsPage& page, const Catalogue& catalogue);

// Headers from the catalogue, counts, prices and the converter blank, the cut
// "0".
void ClearOdds(OddsPage& page, const Catalogue& catalogue);

// Prices the match. A blank count is named in a message and nothing else
// changes. Every division is guarded; only a price beyond the double range
// throws OperationError, when it is written, and what was written before stays.
void CalculateOdds(OddsPage& page, Services& services, const Catalogue& catalogue);

// The price in the converter's box of `typed` written into each of its other
// boxes; the typed box keeps its text as it is. Nothing typed empties the
// others; a text that is no price in that format empties them too and says
// why in price_problem, with the same example price in that format.
void ConvertPrice(OddsPage& page, OddsFormat typed, char separator, const Catalogue& catalogue);

// What a typed character becomes in the converter's box of `format`: what a
// number box takes, and the signs of American, Malay and Indonesian prices,
// the slash and the letters of "evens" of a fraction, a percent sign.
std::optional<char> FilterPriceKey(char typed, OddsFormat format, char separator);

// The fraction n/d (both 1..20) whose value in hundredths is the largest not
// above t, t being decimal odds less 1; among equals the smallest n + d. (0, 0)
// when even 1/20 is above t. t is taken to the nearest hundredth first, so
// that floating noise cannot move it below a fraction it equals.
std::pair<int, int> FindFraction(double t);

// The US whole number of a fraction text "n/d": n/d x 100 from evens up,
// -100 x d/n below; nothing for 0/0 or text without a "/".
std::optional<double> FractionToUs(const std::string& fraction, Services& services);

}  // namespace orvanta

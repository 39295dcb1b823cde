#pragma once

// The PROBABILITY page: from a book of up to 15 decimal odds, the margin, the
// share paid back, the bookmaker's cut and each outcome's fair probability and
// fair odds, with the margin taken out by the method the user trusts; and, for
// the prices another bookmaker offers on the same outcomes, the edge and the
// Kelly stakes.

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "core/markets/arbitrage_page.h"
#include "core/markets/fair_odds.h"

namespace orvanta {

struct ProbabilityPage {
    static constexpr int kOutcomes = 15;
    static constexpr int kOddsRow = 1;
    static constexpr int kProbabilityRow = 2;
    static constexpr int kFairOddsRow = 3;
    static constexpr int kOfferedRow = 4;
    static constexpr int kEdgeRow = 5;
    static constexpr int kStakeRow = 6;
    static constexpr int kRows = 7;

    // Sets the grid's shape: 15 outcome columns headed "1".."15" over the odds,
    // PROBABILITY %, FAIR ODDS, OFFERED ODDS, EDGE % and KELLY STAKE rows.
    ProbabilityPage();

    TextGrid outcomes;
    TextBox margin;          // how far the book goes beyond 100 %
    TextBox return_percent;  // the share of the stakes the book pays back
    TextBox cut_percent;     // the share the bookmaker keeps

    // How the margin is taken out; a setting of the user's, not a figure.
    MarginMethod method = MarginMethod::kProportional;
    TextBox parameter;   // the method's parameter with its name ("k = 1.0345"); "" for Proportional
    TextBox range_note;  // names the outcomes whose probability is out of range; "" when none

    TextBox bankroll;             // what the Kelly stakes are shares of
    TextBox kelly_fraction;       // 1 = full Kelly, 0.5 = half
    TextBox total_stake_percent;  // the Kelly shares added up, in per cent of the bankroll
    TextBox growth_percent;       // the bankroll's expected log growth per bet, in per cent
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

inline constexpr CatalogueText kFairOddsRow{"FrmMain", "FAIRODDS", "FAIR ODDS"};
inline constexpr CatalogueText kOfferedRow{"FrmMain", "OFFEREDODDS", "OFFERED ODDS"};
inline constexpr CatalogueText kEdgeRow{"FrmMain", "EDGE%", "EDGE %"};
inline constexpr CatalogueText kStakeRow{"FrmMain", "KELLYSTAKE", "KELLY STAKE"};
inline constexpr CatalogueText kMethod{"FrmMain", "METHOD", "METHOD"};
inline constexpr CatalogueText kParameter{"FrmMain", "PARAMETER", "PARAMETER"};
inline constexpr CatalogueText kBankroll{"FrmMain", "BANKROLL", "BANKROLL"};
inline constexpr CatalogueText kKellyFraction{"FrmMain", "KELLYFRACTION", "KELLY FRACTION"};
inline constexpr CatalogueText kTotalStakePercent{"FrmMain", "TOTALSTAKE%", "TOTAL STAKE %"};
inline constexpr CatalogueText kGrowthPercent{"FrmMain", "GROWTH%", "GROWTH %"};
inline constexpr CatalogueText kOutOfRange{"FrmMain", "OutOfRange", "out of range"};
// The names of the methods as a choice lists them, and the word for the
// Additive method's parameter (the other parameters go by their letters).
inline constexpr CatalogueText kProportional{"FrmMain", "MethodProportional", "Proportional"};
inline constexpr CatalogueText kAdditive{"FrmMain", "MethodAdditive", "Additive"};
inline constexpr CatalogueText kPower{"FrmMain", "MethodPower", "Power"};
inline constexpr CatalogueText kShin{"FrmMain", "MethodShin", "Shin"};
inline constexpr CatalogueText kOddsRatio{"FrmMain", "MethodOddsRatio", "Odds ratio"};
inline constexpr CatalogueText kTaken{"FrmMain", "MethodTaken", "taken"};

// Messages for what the value rows cannot work with.
inline constexpr CatalogueText kBadBankroll{"Message", "BadBankroll",
                                            "The bankroll must be greater than 0."};
inline constexpr CatalogueText kBadFraction{
    "Message", "BadKellyFraction", "The Kelly fraction must be greater than 0 and at most 1."};
inline constexpr CatalogueText kBadOffered{"Message", "BadOfferedOdds",
                                           "Offered odds must be greater than 1."};
inline constexpr CatalogueText kOfferedWithoutOdds{
    "Message", "OfferedWithoutOdds", "An offered price needs the odds of its outcome in the book."};
}  // namespace probability_captions

// The caption of a method as a choice lists it.
const CatalogueText& MethodCaption(MarginMethod method);

// The method's parameter as the page shows it: "k = 1.0345", "taken = 0.0187";
// "" for Proportional.
std::string ParameterText(const FairBook& book, char separator, const Catalogue& catalogue);

// Blank odds, probabilities and value rows; the three boxes back to "0", the
// bankroll to "100" and the Kelly fraction to "1". The method stays.
void ClearProbability(ProbabilityPage& page);

// The book's figures. A zero or unreadable odds throws OperationError before
// anything is written, and so does a book the method has no answer for.
// Proportional keeps the page's own arithmetic; other methods show their
// probabilities to two decimals, and one out of range on red, named in the
// range note, with no fair odds. Then the value rows for the outcomes with an
// offered price: a bankroll, fraction or price that cannot be used is said
// through the prompter and leaves the value rows blank.
void CalculateProbability(ProbabilityPage& page, Services& services, const Catalogue& catalogue);
void CalculateProbability(ProbabilityPage& page, Services& services);

}  // namespace orvanta

#include "core/markets/probability_page.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/base/operation_error.h"
#include "core/markets/kelly.h"
#include "core/markets/market_grid_rules.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

namespace {

namespace captions = probability_captions;
using P = ProbabilityPage;

// Each outcome's probability as a fraction, unrounded, for the columns that
// hold odds; what the fair odds and the stakes are worked out from.
using Probabilities = std::array<std::optional<double>, P::kOutcomes>;

constexpr GridColour kValueColour = kColourLightCyan;

bool InRange(double p) {
    return p >= 0.0 && p <= 1.0;
}

// The page's own arithmetic: the shares come from the rounded RETURN % as
// shown, so that the figures on the page agree with each other.
void ShowProportional(P& page, const PageNumbers& value, char sep) {
    TextGrid& grid = page.outcomes;
    for (int c = 0; c < P::kOutcomes; ++c) {
        const std::string& odds = grid.Cell(c, P::kOddsRow);
        if (odds.empty()) {
            continue;
        }
        const double share = CheckedDivide(value(page.return_percent.text), value(odds));
        grid.SetCell(c, P::kProbabilityRow, NumberToText(Round2(share), sep));
    }
}

// Another method's probabilities to two decimals; one out of range on red.
void ShowByMethod(P& page, const Probabilities& probability, char sep) {
    for (int c = 0; c < P::kOutcomes; ++c) {
        if (probability[c]) {
            const double p = *probability[c];
            page.outcomes.SetCell(c, P::kProbabilityRow, NumberToText(Round2(p * 100.0), sep));
            page.outcomes.SetBackground(c, P::kProbabilityRow,
                                        InRange(p) ? kColourLightGreen : kColourRed);
        }
    }
}

// Each outcome's probability by the method, written to the PROBABILITY % row
// (by the page's own arithmetic for Proportional), and given back unrounded.
Probabilities ShowProbabilities(P& page, const std::optional<FairBook>& fair,
                                const std::vector<int>& columns, double book,
                                const PageNumbers& value, char sep) {
    TextGrid& grid = page.outcomes;
    Probabilities probability;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int c = columns[i];
        probability[c] = fair ? fair->probabilities[i]
                              : CheckedDivide(100.0, value(grid.Cell(c, P::kOddsRow))) / book;
    }
    for (int c = 0; c < P::kOutcomes; ++c) {
        // An outcome taken out of the book has no probability any more.
        if (!probability[c]) {
            grid.SetCell(c, P::kProbabilityRow, "");
        }
        grid.SetBackground(c, P::kProbabilityRow, kColourLightGreen);
    }
    if (fair) {
        ShowByMethod(page, probability, sep);
    } else {
        ShowProportional(page, value, sep);
    }
    return probability;
}

void ShowFairOdds(P& page, const Probabilities& probability, char sep, const Catalogue& catalogue) {
    std::string out_of_range;
    for (int c = 0; c < P::kOutcomes; ++c) {
        std::string fair;
        if (probability[c] && InRange(*probability[c])) {
            if (*probability[c] > 0.0) {
                fair = NumberToText(Round2(1.0 / *probability[c]), sep);
            }
        } else if (probability[c]) {
            out_of_range += (out_of_range.empty() ? "" : ", ") + page.outcomes.Cell(c, 0);
        }
        page.outcomes.SetCell(c, P::kFairOddsRow, fair);
    }
    page.range_note.text =
        out_of_range.empty() ? "" : catalogue.Read(captions::kOutOfRange) + ": " + out_of_range;
    page.range_note.colour = out_of_range.empty() ? std::nullopt : std::optional(kColourRed);
}

void ClearValueFigures(P& page) {
    for (int c = 0; c < P::kOutcomes; ++c) {
        page.outcomes.SetCell(c, P::kEdgeRow, "");
        page.outcomes.SetCell(c, P::kStakeRow, "");
    }
    page.total_stake_percent.text = "";
    page.growth_percent.text = "";
}

struct Offers {
    std::vector<int> columns;
    std::vector<KellyOutcome> outcomes;
};

// The outcomes with an offered price and a sound probability; nullopt after
// the message when a price cannot be used.
std::optional<Offers> ReadOffers(const P& page, const Probabilities& probability,
                                 const PageNumbers& value, Services& services,
                                 const Catalogue& catalogue) {
    Offers offers;
    for (int c = 0; c < P::kOutcomes; ++c) {
        const std::string& text = page.outcomes.Cell(c, P::kOfferedRow);
        if (text.empty()) {
            continue;
        }
        const double offered = value(text);
        if (!(offered > 1.0)) {
            services.prompter.ShowMessage(catalogue.Read(captions::kBadOffered));
            return std::nullopt;
        }
        if (!probability[c]) {
            services.prompter.ShowMessage(catalogue.Read(captions::kOfferedWithoutOdds));
            return std::nullopt;
        }
        // An outcome the method gives no sound probability is named in the
        // range note and staked on by nobody.
        if (*probability[c] > 0.0 && *probability[c] < 1.0) {
            offers.columns.push_back(c);
            offers.outcomes.push_back({*probability[c], offered});
        }
    }
    return offers;
}

// The bankroll and the Kelly fraction; false after the message when one
// cannot be used. An empty box is no figure to report as unreadable.
bool ReadStakeBoxes(const P& page, const PageNumbers& value, Services& services,
                    const Catalogue& catalogue, double& bankroll, double& fraction) {
    bankroll = page.bankroll.text.empty() ? 0.0 : value(page.bankroll.text);
    if (!(bankroll > 0.0)) {
        services.prompter.ShowMessage(catalogue.Read(captions::kBadBankroll));
        return false;
    }
    fraction = page.kelly_fraction.text.empty() ? 0.0 : value(page.kelly_fraction.text);
    if (!(fraction > 0.0 && fraction <= 1.0)) {
        services.prompter.ShowMessage(catalogue.Read(captions::kBadFraction));
        return false;
    }
    return true;
}

// The edges and the Kelly stakes of the outcomes with an offered price.
void ShowValue(P& page, const Probabilities& probability, Services& services,
               const Catalogue& catalogue) {
    ClearValueFigures(page);
    const PageNumbers value(services);
    const char sep = services.separator;
    bool offered = false;
    for (int c = 0; c < P::kOutcomes; ++c) {
        offered = offered || !page.outcomes.Cell(c, P::kOfferedRow).empty();
    }
    if (!offered) {
        return;
    }
    // An empty box is no figure to report as unreadable: it is no bankroll.
    double bankroll = 0.0;
    double fraction = 0.0;
    if (!ReadStakeBoxes(page, value, services, catalogue, bankroll, fraction)) {
        return;
    }
    const std::optional<Offers> offers = ReadOffers(page, probability, value, services, catalogue);
    if (!offers || offers->outcomes.empty()) {
        return;
    }
    const KellyStakes stakes = KellyStakesFor(offers->outcomes, fraction);
    for (std::size_t i = 0; i < offers->columns.size(); ++i) {
        const int c = offers->columns[i];
        page.outcomes.SetCell(c, P::kEdgeRow, NumberToText(Round2(stakes.edge[i] * 100.0), sep));
        page.outcomes.SetCell(c, P::kStakeRow,
                              NumberToText(Round2(stakes.stake[i] * bankroll), sep));
    }
    page.total_stake_percent.text = NumberToText(Round2(stakes.total * 100.0), sep);
    page.growth_percent.text = NumberToText(RoundDecimals(stakes.growth * 100.0, 4), sep);
}

// The book's odds by column, and the method's answer for them when it is not
// the page's own; throws before anything is written when there is none.
std::optional<FairBook> FairBookOf(const P& page, const PageNumbers& value,
                                   std::vector<int>& columns) {
    std::vector<double> odds;
    for (int c = 0; c < P::kOutcomes; ++c) {
        if (!page.outcomes.Cell(c, P::kOddsRow).empty()) {
            columns.push_back(c);
            odds.push_back(value(page.outcomes.Cell(c, P::kOddsRow)));
        }
    }
    if (page.method == MarginMethod::kProportional) {
        return std::nullopt;
    }
    return RemoveMargin(odds, page.method);
}

}  // namespace

ProbabilityPage::ProbabilityPage() : outcomes(kOutcomes, kRows) {
    ShapeOutcomeGrid(outcomes, 32);
}

const CatalogueText& MethodCaption(MarginMethod method) {
    switch (method) {
        case MarginMethod::kAdditive:
            return captions::kAdditive;
        case MarginMethod::kPower:
            return captions::kPower;
        case MarginMethod::kShin:
            return captions::kShin;
        case MarginMethod::kOddsRatio:
            return captions::kOddsRatio;
        case MarginMethod::kProportional:
            break;
    }
    return captions::kProportional;
}

std::string ParameterText(const FairBook& book, char separator, const Catalogue& catalogue) {
    if (book.method == MarginMethod::kProportional) {
        return "";
    }
    const std::string name = book.method == MarginMethod::kAdditive
                                 ? catalogue.Read(captions::kTaken)
                                 : std::string(ParameterName(book.method));
    return name + " = " + NumberToText(RoundDecimals(book.parameter, 4), separator);
}

void ClearProbability(ProbabilityPage& page) {
    page.margin.text = "0";
    page.return_percent.text = "0";
    page.cut_percent.text = "0";
    page.parameter.text = "";
    page.range_note = TextBox{};
    page.bankroll.text = "100";
    page.kelly_fraction.text = "1";
    page.total_stake_percent.text = "";
    page.growth_percent.text = "";
    TextGrid& grid = page.outcomes;
    for (int c = 0; c < P::kOutcomes; ++c) {
        for (int r = P::kOddsRow; r < P::kRows; ++r) {
            grid.SetCell(c, r, "");
        }
        grid.SetBackground(c, P::kProbabilityRow, kColourLightGreen);
        grid.SetBackground(c, P::kFairOddsRow, kColourLightGreen);
        grid.SetBackground(c, P::kEdgeRow, kValueColour);
        grid.SetBackground(c, P::kStakeRow, kValueColour);
    }
}

void CalculateProbability(ProbabilityPage& page, Services& services) {
    CalculateProbability(page, services, Catalogue());
}

void CalculateProbability(ProbabilityPage& page, Services& services, const Catalogue& catalogue) {
    TextGrid& grid = page.outcomes;
    const char sep = services.separator;
    const PageNumbers value(services);

    // The book in per cent: the implied probabilities added up.
    double book = 0.0;
    for (int c = 0; c < P::kOutcomes; ++c) {
        if (!grid.Cell(c, P::kOddsRow).empty()) {
            book += CheckedDivide(100.0, value(grid.Cell(c, P::kOddsRow)));
        }
    }
    if (!(book > 0.0)) {
        return;
    }
    std::vector<int> columns;
    const std::optional<FairBook> fair = FairBookOf(page, value, columns);

    page.margin.text = NumberToText(Round2(book - 100.0), sep);
    page.return_percent.text = NumberToText(Round2(CheckedDivide(10000.0, book)), sep);
    // The cut is the difference of two figures with two decimals, rounded again
    // so that it reads as one (100 - 97.93 is 2.0699999999999932 in double).
    page.cut_percent.text = NumberToText(Round2(100.0 - value(page.return_percent.text)), sep);

    const Probabilities probability = ShowProbabilities(page, fair, columns, book, value, sep);
    page.parameter.text = fair ? ParameterText(*fair, sep, catalogue) : "";
    ShowFairOdds(page, probability, sep, catalogue);
    ShowValue(page, probability, services, catalogue);
}

}  // namespace orvanta

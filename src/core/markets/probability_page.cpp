#include "core/markets/probability_page.h"

#include <string>

#include "core/base/operation_error.h"
#include "core/markets/market_grid_rules.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

ProbabilityPage::ProbabilityPage() : outcomes(kOutcomes, 3) {
    ShapeOutcomeGrid(outcomes, 32);
}

void ClearProbability(ProbabilityPage& page) {
    page.margin.text = "0";
    page.return_percent.text = "0";
    page.cut_percent.text = "0";
    TextGrid& grid = page.outcomes;
    for (int c = 0; c < ProbabilityPage::kOutcomes; ++c) {
        grid.SetCell(c, ProbabilityPage::kOddsRow, "");
        grid.SetCell(c, ProbabilityPage::kProbabilityRow, "");
        grid.SetBackground(c, ProbabilityPage::kProbabilityRow, kColourLightGreen);
    }
}

void CalculateProbability(ProbabilityPage& page, Services& services) {
    TextGrid& grid = page.outcomes;
    const char sep = services.separator;
    const PageNumbers value(services);
    auto odds_text = [&](int c) -> const std::string& {
        return grid.Cell(c, ProbabilityPage::kOddsRow);
    };

    // The book in per cent: the implied probabilities added up.
    double book = 0.0;
    for (int c = 0; c < ProbabilityPage::kOutcomes; ++c) {
        if (!odds_text(c).empty()) {
            book += CheckedDivide(100.0, value(odds_text(c)));
        }
    }
    if (!(book > 0.0)) {
        return;
    }

    page.margin.text = NumberToText(Round2(book - 100.0), sep);
    page.return_percent.text = NumberToText(Round2(CheckedDivide(10000.0, book)), sep);
    // The cut and the shares come from the rounded RETURN % as shown, so that
    // the figures on the page agree with each other. The cut is the difference
    // of two figures with two decimals, rounded again so that it reads as one
    // (100 - 97.93 is 2.0699999999999932 in double).
    page.cut_percent.text = NumberToText(Round2(100.0 - value(page.return_percent.text)), sep);
    for (int c = 0; c < ProbabilityPage::kOutcomes; ++c) {
        if (odds_text(c).empty()) {
            // An outcome taken out of the book has no probability any more.
            grid.SetCell(c, ProbabilityPage::kProbabilityRow, "");
            continue;
        }
        const double share = CheckedDivide(value(page.return_percent.text), value(odds_text(c)));
        grid.SetCell(c, ProbabilityPage::kProbabilityRow, NumberToText(Round2(share), sep));
    }
}

}  // namespace orvanta

#include "core/markets/arbitrage_page.h"

#include <string>

#include "core/base/operation_error.h"
#include "core/markets/market_grid_rules.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

ArbitragePage::ArbitragePage() : outcomes(kOutcomes, 4) {
    ShapeOutcomeGrid(outcomes, 39);
}

void ClearArbitrage(ArbitragePage& page) {
    page.multiplier.text = "1";
    page.win_pay_target.text = "0";
    page.sure_profit_percent.colour = kColourWhite;
    page.sure_profit_percent.text = "0%";
    page.sure_profit.colour = kColourWhite;
    page.sure_profit.text = "0";
    page.total_wager.text = "0";
    TextGrid& grid = page.outcomes;
    for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
        grid.SetCell(c, ArbitragePage::kOddsRow, "");
        grid.SetCell(c, ArbitragePage::kWagerRow, "");
        grid.SetCell(c, ArbitragePage::kWinPayRow, "");
        grid.SetBackground(c, ArbitragePage::kWagerRow, kColourLightGreen);
        grid.SetBackground(c, ArbitragePage::kWinPayRow, kColourLightYellow);
    }
}

namespace {

using A = ArbitragePage;

const std::string& OddsText(const TextGrid& grid, int c) {
    return grid.Cell(c, A::kOddsRow);
}

// A target is used once: any text but "0" counts as one, even "0.0".
double TakeWinPayTarget(ArbitragePage& page, const PageNumbers& value) {
    double target = 0.0;
    if (page.win_pay_target.text != "0") {
        target = value(page.win_pay_target.text);
        page.win_pay_target.text = "0";
    }
    return target;
}

double OddsSum(const TextGrid& grid, const PageNumbers& value) {
    double odds_sum = 0.0;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (!OddsText(grid, c).empty()) {
            odds_sum += value(OddsText(grid, c));
        }
    }
    return odds_sum;
}

// An outcome whose odds were taken away must not keep the wager and payout
// of an earlier calculation, or they would still count in the totals.
void ClearOutcomesWithoutOdds(TextGrid& grid) {
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (OddsText(grid, c).empty()) {
            grid.SetCell(c, A::kWagerRow, "");
            grid.SetCell(c, A::kWinPayRow, "");
        }
    }
}

// The wager and Win Pay of every outcome with odds: the target over the odds,
// or else the multiplier times the odds' sum over the odds.
void WriteWagers(ArbitragePage& page, double target, double odds_sum, const PageNumbers& value,
                 char sep) {
    TextGrid& grid = page.outcomes;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (OddsText(grid, c).empty()) {
            continue;
        }
        double wager = 0.0;
        if (target != 0.0) {
            wager = Round2(CheckedDivide(target, value(OddsText(grid, c))));
        } else {
            const double multiplier = value(page.multiplier.text);
            wager = Round2(multiplier * CheckedDivide(odds_sum, value(OddsText(grid, c))));
        }
        grid.SetCell(c, A::kWagerRow, NumberToText(wager, sep));
        // The payout is of the wager as written, so that it matches what is shown.
        const double win_pay = value(grid.Cell(c, A::kWagerRow)) * value(OddsText(grid, c));
        grid.SetCell(c, A::kWinPayRow, NumberToText(Round2(win_pay), sep));
    }
}

// The total wager, and the sure profit in money and per cent against the last
// outcome's Win Pay, coloured by their sign.
void WriteTotals(ArbitragePage& page, const PageNumbers& value, char sep) {
    const TextGrid& grid = page.outcomes;
    double total = 0.0;
    double last_win_pay = 0.0;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (!grid.Cell(c, A::kWagerRow).empty()) {
            total += value(grid.Cell(c, A::kWagerRow));
            last_win_pay = value(grid.Cell(c, A::kWinPayRow));
        }
    }

    // Each wager is finite as written, but their sum may not be, and an
    // infinite total would give a -100% coloured red before anything stopped.
    CheckedFinite(total);
    const double percent = CheckedDivide(last_win_pay * 100.0, total) - 100.0;
    page.sure_profit_percent.text = NumberToText(Round2(percent), sep) + "%";
    page.sure_profit.text = NumberToText(Round2(last_win_pay - total), sep);
    page.sure_profit_percent.colour = percent > 0.0 ? kColourLime : kColourRed;
    page.sure_profit.colour = value(page.sure_profit.text) > 0.0 ? kColourLime : kColourRed;
    page.total_wager.text = NumberToText(Round2(total), sep);
}

}  // namespace

void CalculateArbitrage(ArbitragePage& page, Services& services) {
    const PageNumbers value(services);
    const double target = TakeWinPayTarget(page, value);
    const double odds_sum = OddsSum(page.outcomes, value);
    if (!(odds_sum > 0.0)) {
        return;
    }
    ClearOutcomesWithoutOdds(page.outcomes);
    WriteWagers(page, target, odds_sum, value, services.separator);
    WriteTotals(page, value, services.separator);
}

}  // namespace orvanta

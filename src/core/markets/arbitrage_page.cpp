#include "core/markets/arbitrage_page.h"

#include <string>

#include "core/base/operation_error.h"
#include "core/numeric/number_text.h"

namespace orvanta {

ArbitragePage::ArbitragePage() : outcomes(kOutcomes, 4) {
    outcomes.SetDefaultSizes(39, 21);
    outcomes.SetFixedRows(1);
    for (int c = 0; c < kOutcomes; ++c) {
        outcomes.SetCell(c, 0, std::to_string(c + 1));
    }
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

void CalculateArbitrage(ArbitragePage& page, Services& services) {
    TextGrid& grid = page.outcomes;
    const char sep = services.separator;
    auto value = [&](const std::string& text) {
        return TextToNumber(text, sep, services.prompter);
    };
    auto odds_text = [&](int c) -> const std::string& {
        return grid.Cell(c, ArbitragePage::kOddsRow);
    };

    // A target is used once: any text but "0" counts as one, even "0.0".
    double target = 0.0;
    if (page.win_pay_target.text != "0") {
        target = value(page.win_pay_target.text);
        page.win_pay_target.text = "0";
    }

    double odds_sum = 0.0;
    for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
        if (!odds_text(c).empty()) {
            odds_sum += value(odds_text(c));
        }
    }
    if (!(odds_sum > 0.0)) {
        return;
    }

    // An outcome whose odds were taken away must not keep the wager and payout
    // of an earlier calculation, or they would still count in the totals.
    for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
        if (odds_text(c).empty()) {
            grid.SetCell(c, ArbitragePage::kWagerRow, "");
            grid.SetCell(c, ArbitragePage::kWinPayRow, "");
        }
    }

    for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
        if (odds_text(c).empty()) {
            continue;
        }
        double wager = 0.0;
        if (target != 0.0) {
            wager = Round2(CheckedDivide(target, value(odds_text(c))));
        } else {
            const double multiplier = value(page.multiplier.text);
            wager = Round2(multiplier * CheckedDivide(odds_sum, value(odds_text(c))));
        }
        grid.SetCell(c, ArbitragePage::kWagerRow, NumberToText(wager, sep));
        // The payout is of the wager as written, so that it matches what is shown.
        const double win_pay = value(grid.Cell(c, ArbitragePage::kWagerRow)) * value(odds_text(c));
        grid.SetCell(c, ArbitragePage::kWinPayRow, NumberToText(Round2(win_pay), sep));
    }

    double total = 0.0;
    double last_win_pay = 0.0;
    for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
        if (!grid.Cell(c, ArbitragePage::kWagerRow).empty()) {
            total += value(grid.Cell(c, ArbitragePage::kWagerRow));
            last_win_pay = value(grid.Cell(c, ArbitragePage::kWinPayRow));
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

}  // namespace orvanta

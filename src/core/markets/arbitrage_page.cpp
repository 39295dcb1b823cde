#include "core/markets/arbitrage_page.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/base/operation_error.h"
#include "core/markets/market_grid_rules.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

namespace captions = arbitrage_captions;

ArbitragePage::ArbitragePage() : outcomes(kOutcomes, 5) {
    ShapeOutcomeGrid(outcomes, 39);
}

namespace {

using A = ArbitragePage;

// The fixed stake stands apart from the computed ones: white, as the cells
// typed into are.
void MarkWager(TextGrid& grid, int c, bool fixed) {
    grid.SetBackground(c, A::kWagerRow, fixed ? kColourWhite : kColourLightGreen);
    // The background alone tells no listener; the cell's properties do.
    grid.SetProps(c, A::kWagerRow, *grid.Props(c, A::kWagerRow));
}

void ClearBackLay(ArbitragePage& page) {
    page.lay_mode = LayMode::kQualifying;
    for (TextBox A::*box : {&A::lay_back_stake, &A::lay_back_odds, &A::lay_odds, &A::lay_commission,
                            &A::lay_refund, &A::lay_retention, &A::lay_stake, &A::lay_liability,
                            &A::lay_back_wins, &A::lay_lay_wins}) {
        page.*box = TextBox{};
    }
}

}  // namespace

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
        grid.SetCell(c, ArbitragePage::kCommissionRow, "");
        MarkWager(grid, c, false);
        grid.SetBackground(c, ArbitragePage::kWinPayRow, kColourLightYellow);
    }
    page.round_to = TextBox{};
    page.worst_profit = TextBox{"0", kColourWhite};
    page.worst_note = TextBox{};
    page.fixed_outcome = -1;
    page.multiplier_before_fixed.clear();
    page.multiplier_shown.clear();
    page.target_shown.clear();
    ClearBackLay(page);
}

void FixArbitrageStake(ArbitragePage& page, int outcome) {
    TextGrid& grid = page.outcomes;
    if (!grid.Contains(outcome, A::kWagerRow) || grid.Cell(outcome, A::kWagerRow).empty()) {
        return;
    }
    if (page.fixed_outcome >= 0) {
        MarkWager(grid, page.fixed_outcome, false);
    }
    page.fixed_outcome = outcome;
    MarkWager(grid, outcome, true);
}

namespace {

const std::string& OddsText(const TextGrid& grid, int c) {
    return grid.Cell(c, A::kOddsRow);
}

// A figure the user typed for one of the new fields: read strictly, since a
// wrong commission or step must stop the page rather than count as 0.
std::optional<double> Strict(const std::string& text, char sep) {
    const std::optional<double> v = ParseNumberText(NormaliseDecimalMark(text, sep), sep);
    if (text.empty() || !v || !std::isfinite(*v)) {
        return std::nullopt;
    }
    return v;
}

// What the new fields ask for, read and checked before anything is written.
struct Terms {
    double commission[A::kOutcomes] = {};  // fractions
    double step = 0.0;                     // 0: cents
    int fixed = -1;                        // the fixed outcome, when its cell holds a stake
    double fixed_stake = 0.0;
};

// The message for a figure the page cannot use, naming the outcome it is of
// when there is one.
void Refuse(Services& services, const Catalogue& catalogue, const CatalogueText& text,
            const std::string& outcome = "") {
    services.prompter.ShowMessage(catalogue.Read(text) + (outcome.empty() ? "" : ": " + outcome) +
                                  ".");
}

// Nothing, after its message, when one of the new fields holds no sound figure.
std::optional<Terms> ReadTerms(const ArbitragePage& page, Services& services,
                               const Catalogue& catalogue) {
    const char sep = services.separator;
    Terms terms;
    const TextGrid& grid = page.outcomes;
    for (int c = 0; c < A::kOutcomes; ++c) {
        const std::string& text = grid.Cell(c, A::kCommissionRow);
        if (text.empty()) {
            continue;
        }
        const std::optional<double> percent = Strict(text, sep);
        if (!percent || *percent < 0.0 || *percent > 100.0) {
            Refuse(services, catalogue, captions::kBadCommission, grid.Cell(c, 0));
            return std::nullopt;
        }
        terms.commission[c] = *percent / 100.0;
    }
    if (!page.round_to.text.empty()) {
        const std::optional<double> step = Strict(page.round_to.text, sep);
        if (!step || !(*step > 0.0)) {
            Refuse(services, catalogue, captions::kBadRoundStep);
            return std::nullopt;
        }
        terms.step = *step;
    }
    const int f = page.fixed_outcome;
    if (f >= 0 && !grid.Cell(f, A::kWagerRow).empty()) {
        const std::optional<double> stake = Strict(grid.Cell(f, A::kWagerRow), sep);
        if (!stake || !(*stake > 0.0) || OddsText(grid, f).empty()) {
            Refuse(services, catalogue, captions::kBadFixedStake, grid.Cell(f, 0));
            return std::nullopt;
        }
        terms.fixed = f;
        terms.fixed_stake = *stake;
    }
    return terms;
}

// What a unit staked on the outcome pays once the exchange has taken its cut.
// No commission leaves the odds exactly as read.
double PayPerUnit(double odds, double commission) {
    return commission > 0.0 ? 1.0 + (odds - 1.0) * (1.0 - commission) : odds;
}

double Effective(const TextGrid& grid, int c, const Terms& terms, const PageNumbers& value) {
    return PayPerUnit(value(OddsText(grid, c)), terms.commission[c]);
}

// A stake as the bookmaker takes it: to the step, or to the cent.
double RoundStake(double stake, const Terms& terms) {
    if (terms.step > 0.0) {
        return Round2(std::nearbyint(stake / terms.step) * terms.step);
    }
    return Round2(stake);
}

// A target is used once: any text but "0" counts as one, even "0.0". It is
// given up only once the new fields have passed, so that a refused step
// leaves the page as it was.
double ReadWinPayTarget(const ArbitragePage& page, const PageNumbers& value) {
    return page.win_pay_target.text != "0" ? value(page.win_pay_target.text) : 0.0;
}

void UseWinPayTarget(ArbitragePage& page, const Terms& terms) {
    if (terms.fixed < 0) {
        page.win_pay_target.text = "0";
    }
}

double OddsSum(const TextGrid& grid, const Terms& terms, const PageNumbers& value) {
    double odds_sum = 0.0;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (!OddsText(grid, c).empty()) {
            odds_sum += Effective(grid, c, terms, value);
        }
    }
    return odds_sum;
}

// Emptying the fixed stake gives the boxes back what they held before it,
// unless the user has typed over what it showed there.
void LeaveFixedStake(ArbitragePage& page) {
    if (page.fixed_outcome < 0) {
        return;
    }
    MarkWager(page.outcomes, page.fixed_outcome, false);
    page.fixed_outcome = -1;
    if (!page.multiplier_shown.empty() && page.multiplier.text == page.multiplier_shown) {
        page.multiplier.text = page.multiplier_before_fixed;
    }
    if (!page.target_shown.empty() && page.win_pay_target.text == page.target_shown) {
        page.win_pay_target.text = "0";
    }
    page.multiplier_before_fixed.clear();
    page.multiplier_shown.clear();
    page.target_shown.clear();
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

// What every outcome is to pay back: the target, the fixed stake's payout, or
// 0 for the multiplier's scale.
struct Plan {
    bool fixed = false;
    double target = 0.0;
    double odds_sum = 0.0;
    double inverse_sum = 0.0;  // of the payouts per unit: below 1 is a sure profit
};

// The wager before rounding: the target over what the outcome pays per unit,
// or else the multiplier times the odds' sum over it.
double RawWager(const ArbitragePage& page, const Plan& plan, double pays,
                const PageNumbers& value) {
    if (plan.fixed || plan.target != 0.0) {
        return CheckedDivide(plan.target, pays);
    }
    const double multiplier = value(page.multiplier.text);
    return multiplier * CheckedDivide(plan.odds_sum, pays);
}

// A step must leave every stake it rounds above 0; checked before any stake is
// written, so that a refused step shows no figure.
bool StepKeepsStakes(const ArbitragePage& page, const Plan& plan, const Terms& terms,
                     const PageNumbers& value) {
    const TextGrid& grid = page.outcomes;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (OddsText(grid, c).empty() || c == terms.fixed) {
            continue;
        }
        const double raw = RawWager(page, plan, Effective(grid, c, terms, value), value);
        if (raw > 0.0 && !(RoundStake(raw, terms) > 0.0)) {
            return false;
        }
    }
    return true;
}

// The wager and Win Pay of every outcome with odds; a fixed stake stays as
// typed.
void WriteWagers(ArbitragePage& page, Plan& plan, const Terms& terms, const PageNumbers& value,
                 char sep) {
    TextGrid& grid = page.outcomes;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (OddsText(grid, c).empty()) {
            continue;
        }
        const double pays = Effective(grid, c, terms, value);
        if (c != terms.fixed) {
            const double wager = RoundStake(RawWager(page, plan, pays, value), terms);
            grid.SetCell(c, A::kWagerRow, NumberToText(wager, sep));
        }
        plan.inverse_sum += pays > 0.0 ? 1.0 / pays : HUGE_VAL;
        // The payout is of the wager as written, so that it matches what is shown.
        const double win_pay = value(grid.Cell(c, A::kWagerRow)) * Effective(grid, c, terms, value);
        grid.SetCell(c, A::kWinPayRow, NumberToText(Round2(win_pay), sep));
    }
}

// The total wager, and the sure profit in money and per cent against the last
// outcome's Win Pay, coloured by their sign; then the worst outcome's result.
void WriteTotals(ArbitragePage& page, const Plan& plan, const PageNumbers& value, char sep,
                 const Catalogue& catalogue) {
    const TextGrid& grid = page.outcomes;
    double total = 0.0;
    double last_win_pay = 0.0;
    double least_win_pay = 0.0;
    bool first = true;
    for (int c = 0; c < A::kOutcomes; ++c) {
        if (!grid.Cell(c, A::kWagerRow).empty()) {
            total += value(grid.Cell(c, A::kWagerRow));
            last_win_pay = value(grid.Cell(c, A::kWinPayRow));
            least_win_pay = first ? last_win_pay : std::min(least_win_pay, last_win_pay);
            first = false;
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

    const double worst = Round2(least_win_pay - total);
    page.worst_profit = TextBox{NumberToText(worst, sep), worst > 0.0 ? kColourLime : kColourRed};
    // Only a book that is a sure profit before rounding can be lost by it.
    const bool lost = plan.inverse_sum < 1.0 && worst < 0.0;
    page.worst_note =
        lost ? TextBox{catalogue.Read(captions::kRoundingLoss), kColourRed} : TextBox{};
}

// The boxes show what the fixed stake implies: what each outcome pays, and the
// multiplier that would give it.
void ShowFixedStake(ArbitragePage& page, const Plan& plan, char sep) {
    if (page.multiplier_shown.empty()) {
        page.multiplier_before_fixed = page.multiplier.text;
    }
    page.multiplier.text =
        NumberToText(std::round(CheckedDivide(plan.target, plan.odds_sum) * 1e4) / 1e4, sep);
    page.win_pay_target.text = NumberToText(Round2(plan.target), sep);
    page.multiplier_shown = page.multiplier.text;
    page.target_shown = page.win_pay_target.text;
}

bool BackLayTyped(const ArbitragePage& page) {
    for (const TextBox* box : {&page.lay_back_stake, &page.lay_back_odds, &page.lay_odds,
                               &page.lay_commission, &page.lay_refund, &page.lay_retention}) {
        if (!box->text.empty()) {
            return true;
        }
    }
    return false;
}

void CalculateOutcomes(ArbitragePage& page, Services& services, const Catalogue& catalogue) {
    const PageNumbers value(services);
    const char sep = services.separator;
    const std::optional<Terms> read = ReadTerms(page, services, catalogue);
    if (!read) {
        return;
    }
    const Terms& terms = *read;
    if (terms.fixed < 0) {
        LeaveFixedStake(page);
    }
    Plan plan;
    plan.target = terms.fixed < 0 ? ReadWinPayTarget(page, value) : 0.0;
    plan.odds_sum = OddsSum(page.outcomes, terms, value);
    if (!(plan.odds_sum > 0.0)) {
        UseWinPayTarget(page, terms);
        return;
    }
    if (terms.fixed >= 0) {
        plan.fixed = true;
        plan.target = terms.fixed_stake * Effective(page.outcomes, terms.fixed, terms, value);
        if (!(plan.target > 0.0)) {
            Refuse(services, catalogue, captions::kBadFixedStake,
                   page.outcomes.Cell(terms.fixed, 0));
            return;
        }
    }
    if (terms.step > 0.0 && !StepKeepsStakes(page, plan, terms, value)) {
        Refuse(services, catalogue, captions::kRoundsToZero);
        return;
    }
    UseWinPayTarget(page, terms);
    ClearOutcomesWithoutOdds(page.outcomes);
    WriteWagers(page, plan, terms, value, sep);
    WriteTotals(page, plan, value, sep, catalogue);
    if (terms.fixed >= 0) {
        ShowFixedStake(page, plan, sep);
    }
}

}  // namespace

void CalculateArbitrage(ArbitragePage& page, Services& services, const Catalogue& catalogue) {
    CalculateOutcomes(page, services, catalogue);
    if (BackLayTyped(page)) {
        CalculateBackLay(page, services, catalogue);
    }
}

void CalculateArbitrage(ArbitragePage& page, Services& services) {
    CalculateArbitrage(page, services, Catalogue());
}

}  // namespace orvanta

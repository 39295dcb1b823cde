// The ARBITRAGE page's back and lay group: its boxes read as one LayBet.

#include <cmath>
#include <optional>
#include <string>

#include "core/markets/arbitrage_page.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

namespace captions = arbitrage_captions;
using A = ArbitragePage;

// A box's figure, or nothing when it is empty or no number.
std::optional<double> Figure(const TextBox& box, char sep) {
    const std::optional<double> v = ParseNumberText(NormaliseDecimalMark(box.text, sep), sep);
    if (box.text.empty() || !v || !std::isfinite(*v)) {
        return std::nullopt;
    }
    return v;
}

const CatalogueText& ProblemText(LayProblem problem) {
    switch (problem) {
        case LayProblem::kBackStake:
            return captions::kBadBackStake;
        case LayProblem::kBackOdds:
            return captions::kBadBackOdds;
        case LayProblem::kLayOdds:
            return captions::kBadLayOdds;
        case LayProblem::kCommission:
            return captions::kBadCommission;
        case LayProblem::kBreakEven:
            return captions::kBadBreakEven;
        case LayProblem::kRefund:
            return captions::kBadRefund;
        case LayProblem::kRetention:
        case LayProblem::kNone:
            break;
    }
    return captions::kBadRetention;
}

// An unreadable box is refused with the message of the figure it was meant to
// be, as if it were out of range: -1 is outside every range checked.
LayBet ReadBet(const ArbitragePage& page, char sep, bool& has_retention) {
    constexpr double kUnreadable = -1.0;
    LayBet bet;
    bet.mode = page.lay_mode;
    bet.back_stake = Figure(page.lay_back_stake, sep).value_or(kUnreadable);
    bet.back_odds = Figure(page.lay_back_odds, sep).value_or(kUnreadable);
    bet.lay_odds = Figure(page.lay_odds, sep).value_or(kUnreadable);
    bet.commission_percent = page.lay_commission.text.empty()
                                 ? 0.0
                                 : Figure(page.lay_commission, sep).value_or(kUnreadable);
    // A refund of nothing typed is the stake itself, the usual money-back offer.
    bet.refund = page.lay_refund.text.empty() ? bet.back_stake
                                              : Figure(page.lay_refund, sep).value_or(kUnreadable);
    has_retention = !page.lay_retention.text.empty();
    bet.retention_percent = Figure(page.lay_retention, sep).value_or(kUnreadable);
    return bet;
}

}  // namespace

void CalculateBackLay(ArbitragePage& page, Services& services, const Catalogue& catalogue) {
    const char sep = services.separator;
    for (TextBox A::*box :
         {&A::lay_stake, &A::lay_liability, &A::lay_back_wins, &A::lay_lay_wins}) {
        page.*box = TextBox{};
    }
    bool has_retention = false;
    const LayBet bet = ReadBet(page, sep, has_retention);
    const LayProblem problem = CheckLay(bet, has_retention);
    if (problem != LayProblem::kNone) {
        services.prompter.ShowMessage(catalogue.Read(ProblemText(problem)) + ".");
        return;
    }
    const LayResult result = CalculateLay(bet);
    auto signed_box = [sep](double v) {
        return TextBox{NumberToText(v, sep), v >= 0.0 ? kColourLime : kColourRed};
    };
    page.lay_stake.text = NumberToText(result.lay_stake, sep);
    page.lay_liability.text = NumberToText(result.liability, sep);
    page.lay_back_wins = signed_box(result.back_wins);
    page.lay_lay_wins = signed_box(result.lay_wins);
}

}  // namespace orvanta

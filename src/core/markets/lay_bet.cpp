#include "core/markets/lay_bet.h"

#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

bool IsPercent(double value) {
    return value >= 0.0 && value <= 100.0;
}

// What the back side pays in all if it wins, and what is lost with it if it
// does not, counting a refund at what it is worth once laid.
struct BackSide {
    double wins = 0.0;
    double loses = 0.0;
};

BackSide BackSideOf(const LayBet& bet) {
    const double b = bet.back_odds;
    const double stake = bet.back_stake;
    switch (bet.mode) {
        case LayMode::kFreeBetSnr:
            return {stake * (b - 1.0), 0.0};
        case LayMode::kFreeBetSr:
            return {stake * b, 0.0};
        case LayMode::kRefund:
            return {stake * (b - 1.0), -stake + bet.refund * bet.retention_percent / 100.0};
        case LayMode::kQualifying:
            break;
    }
    return {stake * (b - 1.0), -stake};
}

}  // namespace

LayProblem CheckLay(const LayBet& bet, bool has_retention) {
    const double c = bet.commission_percent / 100.0;
    if (!(bet.back_stake > 0.0)) {
        return LayProblem::kBackStake;
    }
    if (!(bet.back_odds > 1.0)) {
        return LayProblem::kBackOdds;
    }
    if (!(bet.lay_odds > 1.0)) {
        return LayProblem::kLayOdds;
    }
    if (!IsPercent(bet.commission_percent)) {
        return LayProblem::kCommission;
    }
    if (!(bet.lay_odds - c > 0.0)) {
        return LayProblem::kBreakEven;
    }
    if (bet.mode == LayMode::kRefund) {
        if (!(bet.refund >= 0.0)) {
            return LayProblem::kRefund;
        }
        if (!has_retention || !IsPercent(bet.retention_percent)) {
            return LayProblem::kRetention;
        }
    }
    return LayProblem::kNone;
}

LayResult CalculateLay(const LayBet& bet) {
    const double c = bet.commission_percent / 100.0;
    const double l = bet.lay_odds;
    const BackSide back = BackSideOf(bet);
    // Even results: wins - L (l - 1) = loses + L (1 - c).
    LayResult result;
    result.lay_stake = Round2((back.wins - back.loses) / (l - c));
    const double liability = result.lay_stake * (l - 1.0);
    result.liability = Round2(liability);
    result.back_wins = Round2(back.wins - liability);
    result.lay_wins = Round2(back.loses + result.lay_stake * (1.0 - c));
    return result;
}

}  // namespace orvanta

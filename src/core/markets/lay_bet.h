#pragma once

// A bet backed at a bookmaker and laid at an exchange so that it pays the same
// whichever way the event goes: the lay stake, what the lay risks, and the two
// results. Pure arithmetic over figures already read.

#include <optional>

namespace orvanta {

enum class LayMode {
    kQualifying,  // a real-money bet placed to earn an offer
    kFreeBetSnr,  // a free bet whose stake is not paid back with a win
    kFreeBetSr,   // a free bet whose stake is paid back with a win
    kRefund,      // a real-money bet refunded, as a free bet, if it loses
};

struct LayBet {
    double back_stake = 0.0;
    double back_odds = 0.0;
    double lay_odds = 0.0;
    double commission_percent = 0.0;  // the exchange's cut of a winning lay
    LayMode mode = LayMode::kQualifying;
    double refund = 0.0;             // kRefund only
    double retention_percent = 0.0;  // kRefund only: what the refund is worth once laid
};

// What makes a bet impossible to lay; each has its own message.
enum class LayProblem {
    kNone,
    kBackStake,   // not above 0
    kBackOdds,    // 1 or less
    kLayOdds,     // 1 or less
    kCommission,  // outside 0 to 100
    kBreakEven,   // the lay odds do not beat the commission (lay - c at or below 0)
    kRefund,      // below 0
    kRetention,   // missing, or outside 0 to 100
};

LayProblem CheckLay(const LayBet& bet, bool has_retention);

struct LayResult {
    double lay_stake = 0.0;  // to the cent, as it is placed
    double liability = 0.0;
    double back_wins = 0.0;  // the whole result if the backed outcome wins
    double lay_wins = 0.0;   // ... and if it does not
};

// The lay stake that evens out the two results, rounded to the cent as it is
// placed; the liability and the results follow from that rounded stake, so that
// they are what the user will see. The bet must have passed CheckLay.
LayResult CalculateLay(const LayBet& bet);

}  // namespace orvanta

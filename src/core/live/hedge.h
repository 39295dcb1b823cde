#pragma once

// Trading out of a live position with back bets at the current odds. With R_k
// what the position gives if outcome k happens and backs at the current odds
// o_k, a back of s_k on k changes outcome k's result by s_k x e_k - S and every
// other outcome's by -S, S being the sum of the backs and e_k what a winning back
// pays per unit staked: o_k, or 1 + (o_k - 1)(1 - c) when the exchange keeps a
// commission c of the winnings.
//
// Stakes are rounded to the cent, and the results given are those of the
// rounded stakes, so that what is shown is what the bets would do.

#include <array>
#include <optional>

namespace orvanta {

using Outcomes = std::array<double, 3>;

// What a winning back pays per unit staked, stake included, when `commission`
// (a fraction from 0 to 1) is taken from its winnings.
double NetOdds(double odds, double commission);

struct Hedge {
    Outcomes stakes{};   // backs on "1", "X", "2", to the cent
    Outcomes results{};  // each outcome's result once the backs are placed
};

// Green up: the backs that make every outcome's result the same, the largest
// result W less the backs: s_k = (W - R_k) / e_k, none on the outcome that has
// W already. `net_odds` above 1. Throws OperationError("Floating point
// overflow") when a figure leaves the double range.
Hedge GreenUp(const Outcomes& results, const Outcomes& net_odds);

// Let `likely` (0, 1 or 2) run: the backs on the two other outcomes, of the
// smallest total, that leave each of them at zero or above; the likely outcome
// then gives what its result has left. Nothing when no backs at these odds can
// do it. Throws as GreenUp does.
std::optional<Hedge> LetRun(const Outcomes& results, const Outcomes& net_odds, int likely);

}  // namespace orvanta

#pragma once

// Stakes by the Kelly criterion for outcomes of one event, which exclude each
// other: the closed-form rule (sort by p x O, take outcomes while p x O exceeds
// the reserve rate R = (1 - sum p) / (1 - sum 1/O) over those taken, stake
// p - R / O on each), scaled by a fraction (1 = full Kelly).

#include <vector>

namespace orvanta {

struct KellyOutcome {
    double probability = 0.0;  // as a fraction, 0 < p < 1
    double odds = 0.0;         // decimal odds offered, > 1
};

struct KellyStakes {
    std::vector<double> edge;   // p x O - 1 for each outcome, as a fraction
    std::vector<double> stake;  // share of the bankroll for each outcome (0 when none)
    double total = 0.0;         // the shares added up
    double growth = 0.0;        // expected log growth of the bankroll per bet
};

// Throws OperationError with a clear English message on an empty set, a
// probability outside (0, 1), probabilities adding up to more than 1, odds of
// 1 or less, or a fraction outside (0, 1].
KellyStakes KellyStakesFor(const std::vector<KellyOutcome>& outcomes, double fraction);

}  // namespace orvanta

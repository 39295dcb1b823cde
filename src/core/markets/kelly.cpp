#include "core/markets/kelly.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/base/operation_error.h"

namespace orvanta {

namespace {

// Rounding in the caller's figures (three shares of 33.333...%) must not turn
// a whole book into one that adds up to more than 1.
constexpr double kWholeBookSlack = 1e-9;

void CheckOutcomes(const std::vector<KellyOutcome>& outcomes, double fraction) {
    if (outcomes.empty()) {
        throw OperationError("There are no outcomes to stake on");
    }
    double total = 0.0;
    for (const KellyOutcome& outcome : outcomes) {
        if (!(outcome.probability > 0.0 && outcome.probability < 1.0)) {
            throw OperationError("A probability must lie between 0 and 100%");
        }
        if (!std::isfinite(outcome.odds) || !(outcome.odds > 1.0)) {
            throw OperationError("Odds must be greater than 1");
        }
        total += outcome.probability;
    }
    if (total > 1.0 + kWholeBookSlack) {
        throw OperationError("The probabilities add up to more than 100%");
    }
    if (!(fraction > 0.0 && fraction <= 1.0)) {
        throw OperationError("The Kelly fraction must lie above 0 and at most 1");
    }
}

// The reserve rate R of the outcomes staked on: what the bankroll keeps per
// unit of the probability left uncovered. Outcomes are taken best p x O first
// while p x O beats the rate of those taken before them; the first that does
// not ends the set, since every later one has a lower p x O still.
double ReserveRate(const std::vector<KellyOutcome>& outcomes, std::vector<bool>& taken) {
    std::vector<std::size_t> order(outcomes.size());
    std::iota(order.begin(), order.end(), 0);
    auto expected = [&](std::size_t i) { return outcomes[i].probability * outcomes[i].odds; };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return expected(a) > expected(b); });
    double uncovered = 1.0;  // 1 - sum p over the outcomes taken
    double unpaid = 1.0;     // 1 - sum 1/O over them
    double rate = 1.0;
    for (std::size_t i : order) {
        if (!(expected(i) > rate)) {
            break;
        }
        const double left = std::max(0.0, uncovered - outcomes[i].probability);
        const double owed = unpaid - 1.0 / outcomes[i].odds;
        if (!(owed > 0.0)) {
            break;  // only rounding gets here: a whole book's mass is already taken
        }
        uncovered = left;
        unpaid = owed;
        rate = uncovered / unpaid;
        taken[i] = true;
    }
    return rate;
}

// sum p_i ln(1 - F + f_i O_i) + (1 - sum p) ln(1 - F): the bankroll after the
// event, for each outcome and for the probability the book does not list.
double Growth(const std::vector<KellyOutcome>& outcomes, const KellyStakes& stakes) {
    double growth = 0.0;
    double unlisted = 1.0;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const KellyOutcome& o = outcomes[i];
        growth += o.probability * std::log(1.0 - stakes.total + stakes.stake[i] * o.odds);
        unlisted -= o.probability;
    }
    // With every outcome listed nothing is left to lose on, and a full stake
    // would make 0 x ln 0 a NaN.
    if (unlisted > kWholeBookSlack) {
        growth += unlisted * std::log(1.0 - stakes.total);
    }
    return growth;
}

}  // namespace

KellyStakes KellyStakesFor(const std::vector<KellyOutcome>& outcomes, double fraction) {
    CheckOutcomes(outcomes, fraction);
    std::vector<bool> taken(outcomes.size(), false);
    const double rate = ReserveRate(outcomes, taken);
    KellyStakes stakes;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const KellyOutcome& o = outcomes[i];
        stakes.edge.push_back(o.probability * o.odds - 1.0);
        const double full = taken[i] ? std::max(0.0, o.probability - rate / o.odds) : 0.0;
        stakes.stake.push_back(fraction * full);
        stakes.total += stakes.stake.back();
    }
    stakes.growth = Growth(outcomes, stakes);
    return stakes;
}

}  // namespace orvanta

#include "core/live/hedge.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/base/operation_error.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

// A result counts as zero or above when it falls short of 0 by no more than
// the noise of the double arithmetic on figures of its size.
bool NotBelowZero(double value, double scale) {
    return value >= -1e-9 * std::max(1.0, scale);
}

Outcomes ResultsWith(const Outcomes& results, const Outcomes& net_odds, const Outcomes& stakes) {
    const double total = CheckedFinite(stakes[0] + stakes[1] + stakes[2]);
    Outcomes after{};
    for (std::size_t k = 0; k < after.size(); ++k) {
        after[k] = CheckedFinite(results[k] + stakes[k] * net_odds[k] - total);
    }
    return after;
}

// The two outcomes that must not lose, a and b: their results and what a
// winning back on each gains per unit beyond its stake (e - 1).
struct Pair {
    double result_a, result_b, gain_a, gain_b;

    bool CoversA(double stake_a, double stake_b) const {
        return NotBelowZero(result_a + gain_a * stake_a - stake_b,
                            std::max({std::fabs(result_a), stake_a * (1 + gain_a), stake_b}));
    }
    bool CoversB(double stake_a, double stake_b) const {
        return NotBelowZero(result_b + gain_b * stake_b - stake_a,
                            std::max({std::fabs(result_b), stake_b * (1 + gain_b), stake_a}));
    }
    bool Covers(double stake_a, double stake_b) const {
        return CoversA(stake_a, stake_b) && CoversB(stake_a, stake_b);
    }
};

// The cheapest backs in exact arithmetic: a linear programme in two stakes,
// whose optimum lies where two of its four bounds (each stake at 0, each
// outcome at 0) meet.
std::optional<std::pair<double, double>> CheapestCover(const Pair& p) {
    std::vector<std::pair<double, double>> corners = {
        {0.0, 0.0}, {0.0, p.result_a}, {p.result_b, 0.0}};
    if (p.gain_b > 0) {
        corners.emplace_back(0.0, -p.result_b / p.gain_b);
    }
    if (p.gain_a > 0) {
        corners.emplace_back(-p.result_a / p.gain_a, 0.0);
    }
    const double determinant = p.gain_a * p.gain_b - 1.0;
    if (determinant != 0.0) {
        corners.emplace_back(-(p.result_b + p.gain_b * p.result_a) / determinant,
                             -(p.result_a + p.gain_a * p.result_b) / determinant);
    }
    std::optional<std::pair<double, double>> best;
    for (auto [a, b] : corners) {
        a = CheckedFinite(std::max(a, 0.0));
        b = CheckedFinite(std::max(b, 0.0));
        if (p.Covers(a, b) && (!best || a + b < best->first + best->second)) {
            best = std::make_pair(a, b);
        }
    }
    return best;
}

// The same in whole cents. Rounding both exact stakes up can still leave an
// outcome a fraction of a cent short, so the cents near the exact optimum are
// tried: for each stake on a, the least stake on b that keeps b at zero or
// above, kept when a holds too. A bounded walk, whatever the figures' size.
std::pair<double, double> CheapestCoverInCents(const Pair& p, std::pair<double, double> exact) {
    constexpr int kCentsTried = 200;
    const double first = std::max(0.0, std::floor(CheckedFinite(exact.first * 100)) - 1);
    std::optional<std::pair<double, double>> best;
    for (int i = 0; i <= kCentsTried; ++i) {
        const double a = (first + i) / 100;
        double b_cents = 0;
        if (p.gain_b > 0) {
            b_cents = std::max(0.0, std::ceil((a - p.result_b) / p.gain_b * 100 - 1e-6));
        }
        // The quotient may land a hair under the cent that it needs.
        for (int extra = 0; extra < 2 && !p.CoversB(a, b_cents / 100); ++extra) {
            b_cents += 1;
        }
        const double b = b_cents / 100;
        if (p.Covers(a, b) && (!best || a + b < best->first + best->second)) {
            best = std::make_pair(a, b);
        }
    }
    if (best) {
        return *best;
    }
    return {std::ceil(exact.first * 100) / 100, std::ceil(exact.second * 100) / 100};
}

}  // namespace

double NetOdds(double odds, double commission) {
    // No commission leaves the price as it is, to the last bit.
    return commission == 0.0 ? odds : 1.0 + (odds - 1.0) * (1.0 - commission);
}

Hedge GreenUp(const Outcomes& results, const Outcomes& net_odds) {
    const double best = *std::max_element(results.begin(), results.end());
    Hedge hedge;
    for (std::size_t k = 0; k < results.size(); ++k) {
        hedge.stakes[k] = Round2(CheckedFinite((best - results[k]) / net_odds[k]));
    }
    hedge.results = ResultsWith(results, net_odds, hedge.stakes);
    return hedge;
}

std::optional<Hedge> LetRun(const Outcomes& results, const Outcomes& net_odds, int likely) {
    const std::size_t a = likely == 0 ? 1 : 0;
    const std::size_t b = likely == 2 ? 1 : 2;
    const Pair pair{results[a], results[b], net_odds[a] - 1.0, net_odds[b] - 1.0};
    const auto exact = CheapestCover(pair);
    if (!exact) {
        return std::nullopt;
    }
    const auto [stake_a, stake_b] = CheapestCoverInCents(pair, *exact);
    Hedge hedge;
    hedge.stakes[a] = stake_a;
    hedge.stakes[b] = stake_b;
    hedge.results = ResultsWith(results, net_odds, hedge.stakes);
    return hedge;
}

}  // namespace orvanta

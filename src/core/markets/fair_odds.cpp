#include "core/markets/fair_odds.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "core/base/operation_error.h"

namespace orvanta {

namespace {

struct MethodName {
    MarginMethod method;
    std::string_view key;
    std::string_view parameter;
};

constexpr MethodName kMethodNames[] = {
    {MarginMethod::kProportional, "proportional", ""},
    {MarginMethod::kAdditive, "additive", "taken"},
    {MarginMethod::kPower, "power", "k"},
    {MarginMethod::kShin, "shin", "z"},
    {MarginMethod::kOddsRatio, "odds-ratio", "c"},
};

const MethodName& NameOf(MarginMethod method) {
    for (const MethodName& name : kMethodNames) {
        if (name.method == method) {
            return name;
        }
    }
    return kMethodNames[0];
}

}  // namespace

const std::vector<MarginMethod>& MarginMethods() {
    static const std::vector<MarginMethod> methods = [] {
        std::vector<MarginMethod> all;
        for (const MethodName& name : kMethodNames) {
            all.push_back(name.method);
        }
        return all;
    }();
    return methods;
}

std::string_view MethodKey(MarginMethod method) {
    return NameOf(method).key;
}

std::optional<MarginMethod> MethodFromKey(std::string_view key) {
    for (const MethodName& name : kMethodNames) {
        if (name.key == key) {
            return name.method;
        }
    }
    return std::nullopt;
}

std::string_view ParameterName(MarginMethod method) {
    return NameOf(method).parameter;
}

namespace {

using Shares = std::vector<double>;
using Sum = std::function<double(double)>;

// Every search halves its bracket at least every other step, so this bounds it
// far beyond the 60-odd halvings a double's precision needs.
constexpr int kMaxSteps = 400;

double Total(const Shares& shares) {
    double total = 0.0;
    for (double s : shares) {
        total += s;
    }
    return total;
}

// The root of a decreasing `sum(x) - 1` between lo and hi (sum(lo) >= 1 >=
// sum(hi)). `propose` may offer a faster next point (Shin's fixed-point step);
// it is taken only while it lies inside the bracket and the bracket keeps
// shrinking, otherwise the midpoint is. `geometric` bisects positive
// brackets in ratio, for parameters that may span many orders of magnitude.
double BracketedRoot(const Sum& sum, double lo, double hi, bool geometric,
                     const Sum& propose = nullptr) {
    double x = lo;
    double width_before = hi - lo;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double mid = geometric ? std::sqrt(lo) * std::sqrt(hi) : lo + (hi - lo) / 2.0;
        if (!(mid > lo && mid < hi)) {
            break;  // the bracket is two neighbouring doubles
        }
        double next = propose ? propose(x) : mid;
        const bool stalled = step % 2 == 1 && hi - lo > width_before / 2.0;
        if (step % 2 == 1) {
            width_before = hi - lo;
        }
        if (stalled || !(next > lo && next < hi)) {
            next = mid;
        }
        const double excess = sum(next) - 1.0;
        if (excess == 0.0) {
            return next;
        }
        (excess > 0.0 ? lo : hi) = next;
        x = next;
    }
    return geometric ? std::sqrt(lo) * std::sqrt(hi) : lo + (hi - lo) / 2.0;
}

Shares PowerShares(const Shares& implied, double k) {
    Shares shares;
    for (double r : implied) {
        shares.push_back(std::pow(r, k));
    }
    return shares;
}

Shares OddsRatioShares(const Shares& implied, double c) {
    Shares shares;
    for (double r : implied) {
        shares.push_back(r / (c + r - c * r));
    }
    return shares;
}

// Shin's probabilities (sqrt(z^2 + 4(1-z)q) - z) / (2(1-z)), q = r^2 / sum r.
// For z above 0 they are written as 2q / (sqrt(z^2 + 4(1-z)q) + z), the same
// value without the difference of two close numbers, so that they stay exact
// as z nears 1; below 0 the first form has no such difference.
Shares ShinShares(const Shares& implied, double book, double z) {
    Shares shares;
    for (double r : implied) {
        const double q = r * r / book;
        const double root = std::sqrt(z * z + 4.0 * (1.0 - z) * q);
        shares.push_back(z >= 0.0 ? 2.0 * q / (root + z) : (root - z) / (2.0 * (1.0 - z)));
    }
    return shares;
}

// Both brackets hold every share at or above 1/n at one end and at or below
// 1/n at the other: for r^k the solution of r^k = 1/n for the smallest and the
// largest r, for the odds ratio that of r / (c + r - c r) = 1/n.
double PowerParameter(const Shares& implied) {
    const auto [low, high] = std::minmax_element(implied.begin(), implied.end());
    const double log_n = std::log(static_cast<double>(implied.size()));
    const double k_lo = log_n / -std::log(*low);
    const double k_hi = log_n / -std::log(*high);
    if (!(k_lo < k_hi)) {
        return k_lo;
    }
    return BracketedRoot([&](double k) { return Total(PowerShares(implied, k)); }, k_lo, k_hi,
                         true);
}

double OddsRatioParameter(const Shares& implied) {
    const double n1 = static_cast<double>(implied.size()) - 1.0;
    const auto [low, high] = std::minmax_element(implied.begin(), implied.end());
    const double c_lo = n1 * *low / (1.0 - *low);
    const double c_hi = n1 * *high / (1.0 - *high);
    if (!(c_lo < c_hi)) {
        return c_lo;
    }
    return BracketedRoot([&](double c) { return Total(OddsRatioShares(implied, c)); }, c_lo, c_hi,
                         true);
}

// z lies in [0, 1] for a book with a margin: the shares add up to sqrt(sum r)
// at z = 0 and to sum r^2 / sum r < 1 at z = 1. A book that pays more than it
// takes has its root below 0 (the model read backwards: money that knows less
// than the book); the shares near 1 each as z falls, so doubling finds a bracket.
double ShinParameter(const Shares& implied, double book) {
    const Sum sum = [&](double z) { return Total(ShinShares(implied, book, z)); };
    double lo = 0.0;
    double hi = 1.0;
    if (book < 1.0) {
        hi = 0.0;
        lo = -1.0;
        for (int doubling = 0; sum(lo) < 1.0; ++doubling) {
            if (doubling == 60) {
                throw OperationError("Shin's model has no answer for this book");
            }
            lo *= 2.0;
        }
    }
    const double n = static_cast<double>(implied.size());
    Sum fixed_point = nullptr;
    if (implied.size() > 2) {
        // z = (sum sqrt(z^2 + 4(1-z)q) - 2) / (n - 2): the step is undefined for a
        // two-way book, which the bisection alone then solves.
        fixed_point = [&](double z) {
            double roots = 0.0;
            for (double r : implied) {
                roots += std::sqrt(z * z + 4.0 * (1.0 - z) * r * r / book);
            }
            return (roots - 2.0) / (n - 2.0);
        };
    }
    return BracketedRoot(sum, lo, hi, false, fixed_point);
}

void CheckBook(const std::vector<double>& odds) {
    if (odds.size() < 2) {
        throw OperationError("A book needs at least two outcomes");
    }
    for (double o : odds) {
        if (!std::isfinite(o)) {
            throw OperationError("Odds must be finite numbers");
        }
        if (!(o > 1.0)) {
            throw OperationError("Odds must be greater than 1");
        }
    }
}

}  // namespace

FairBook RemoveMargin(const std::vector<double>& odds, MarginMethod method) {
    CheckBook(odds);
    Shares implied;
    for (double o : odds) {
        implied.push_back(1.0 / o);
    }
    const double book = Total(implied);
    FairBook fair;
    fair.method = method;
    fair.margin = book - 1.0;
    const double n = static_cast<double>(odds.size());
    switch (method) {
        case MarginMethod::kProportional:
            for (double r : implied) {
                fair.probabilities.push_back(r / book);
            }
            break;
        case MarginMethod::kAdditive:
            fair.parameter = fair.margin / n;
            for (double r : implied) {
                fair.probabilities.push_back(r - fair.parameter);
            }
            break;
        case MarginMethod::kPower:
            fair.parameter = PowerParameter(implied);
            fair.probabilities = PowerShares(implied, fair.parameter);
            break;
        case MarginMethod::kShin:
            fair.parameter = ShinParameter(implied, book);
            fair.probabilities = ShinShares(implied, book, fair.parameter);
            break;
        case MarginMethod::kOddsRatio:
            fair.parameter = OddsRatioParameter(implied);
            fair.probabilities = OddsRatioShares(implied, fair.parameter);
            break;
    }
    for (double p : fair.probabilities) {
        if (!std::isfinite(p)) {
            throw OperationError("The method has no answer for this book");
        }
        fair.in_range = fair.in_range && p > 0.0 && p < 1.0;
    }
    return fair;
}

}  // namespace orvanta

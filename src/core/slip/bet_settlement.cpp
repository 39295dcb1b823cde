#include "core/slip/bet_settlement.h"

#include <algorithm>

namespace orvanta {

namespace {

// An exact fraction whose denominator is kept as its factors too, each below
// 2^32, so that the one division at the end can be done factor by factor:
// floor(floor(x / a) / b) is floor(x / (a b)).
struct Ratio {
    ExactNatural num{1};
    ExactNatural den{1};
    std::vector<std::uint32_t> den_factors;

    Ratio& Times(std::uint64_t over, std::uint32_t under) {
        num = num * ExactNatural(over);
        den.MultiplySmall(under);
        den_factors.push_back(under);
        return *this;
    }
    // x + 1 = (num + den) / den.
    Ratio& PlusOne() {
        num += den;
        return *this;
    }
};

Ratio Zero() {
    Ratio zero;
    zero.num = ExactNatural();
    return zero;
}

// The stake's share left by a dead heat: places_left / tied when below 1.
void CutForDeadHeat(Ratio& factor, const SlipLeg& leg) {
    if (leg.places_left < leg.tied) {
        factor.Times(leg.places_left, leg.tied);
    }
}

// 1 + (odds - 1) x share x (1 - rule4 / 100): what one unit on the leg returns
// when the part pays, `share` being 1 for the win part and the terms for the
// place part. The odds are above 1 and the Rule 4 at most 90, so every
// difference here is positive.
Ratio PayingFactor(const SlipLeg& leg, SlipFraction share) {
    Ratio factor;
    factor.Times(leg.odds.num - leg.odds.den, leg.odds.den);
    factor.Times(share.num, share.den);
    factor.Times(100ull * leg.rule4.den - leg.rule4.num, leg.rule4.den);
    factor.Times(1, 100);
    factor.PlusOne();
    CutForDeadHeat(factor, leg);
    return factor;
}

Ratio LegFactor(const SlipLeg& leg, bool place_part) {
    switch (leg.result) {
        case LegResult::kVoid:
            return Ratio();  // a non-runner: the leg stands at odds 1
        case LegResult::kLost:
            return Zero();
        case LegResult::kPlaced:
            return place_part ? PayingFactor(leg, leg.terms) : Zero();
        case LegResult::kWon:
            break;
    }
    if (!place_part) {
        return PayingFactor(leg, {1, 1});
    }
    // A winner places too; its dead heat was for the win, within the places.
    SlipLeg placed = leg;
    placed.tied = 1;
    placed.places_left = 1;
    return PayingFactor(placed, leg.terms);
}

// The sum over every combination of each size in `folds` of the product of
// its legs' factors, as one fraction over the product of the legs'
// denominators: e[k] after leg j is e[k] q_j + e[k-1] p_j, the elementary
// symmetric sums, so 247 combinations cost 8 x 8 multiplications.
Ratio CombinationSum(const std::vector<Ratio>& factors, const std::vector<int>& folds) {
    const std::size_t n = factors.size();
    std::vector<ExactNatural> sums(n + 1);
    sums[0] = ExactNatural(1);
    Ratio total = Zero();
    total.den = ExactNatural(1);
    for (const Ratio& factor : factors) {
        for (std::size_t k = n; k >= 1; --k) {
            sums[k] = sums[k] * factor.den;
            sums[k] += sums[k - 1] * factor.num;
        }
        sums[0] = sums[0] * factor.den;
        total.den = total.den * factor.den;
        total.den_factors.insert(total.den_factors.end(), factor.den_factors.begin(),
                                 factor.den_factors.end());
    }
    for (int fold : folds) {
        total.num += sums[static_cast<std::size_t>(fold)];
    }
    return total;
}

// value x 100, to the nearest whole, halves to even: floor(200 v) is even
// below a half and odd from a half up, and the half is exact when no division
// left a remainder.
ExactNatural ToCents(const Ratio& value) {
    ExactNatural cents = value.num;
    cents.MultiplySmall(200);
    bool exact = true;
    for (std::uint32_t factor : value.den_factors) {
        exact = cents.DivideSmall(factor) == 0 && exact;
    }
    const bool half_or_more = cents.DivideSmall(2) == 1;  // cents is now floor(100 v)
    ExactNatural parity = cents;
    const bool odd = parity.DivideSmall(2) == 1;
    if (half_or_more && (!exact || odd)) {
        cents += ExactNatural(1);
    }
    return cents;
}

Ratio Sum(const Ratio& a, const Ratio& b) {
    Ratio sum;
    sum.num = a.num * b.den;
    sum.num += b.num * a.den;
    sum.den = a.den * b.den;
    sum.den_factors = a.den_factors;
    sum.den_factors.insert(sum.den_factors.end(), b.den_factors.begin(), b.den_factors.end());
    return sum;
}

Ratio Scaled(Ratio value, SlipFraction stake) {
    value.Times(stake.num, stake.den);
    return value;
}

SlipMoney Money(ExactNatural cents) {
    return SlipMoney{false, std::move(cents)};
}

SlipMoney Difference(const ExactNatural& a, const ExactNatural& b) {
    SlipMoney money;
    money.negative = a.Compare(b) < 0;
    money.cents = money.negative ? b : a;
    money.cents -= money.negative ? a : b;
    return money;
}

std::uint64_t Binomial(int n, int k) {
    std::uint64_t value = 1;
    for (int i = 1; i <= k; ++i) {
        value = value * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    }
    return value;
}

Ratio PartReturn(const std::vector<SlipLeg>& legs, const std::vector<int>& folds,
                 SlipFraction stake, bool place_part) {
    std::vector<Ratio> factors;
    for (const SlipLeg& leg : legs) {
        factors.push_back(LegFactor(leg, place_part));
    }
    return Scaled(CombinationSum(factors, folds), stake);
}

}  // namespace

const std::vector<SlipKind>& SlipKinds() {
    static const std::vector<SlipKind> kinds = [] {
        std::vector<SlipKind> table = {{"singles", "Singles", 0, 1, 1, 1},
                                       {"doubles", "Doubles", 0, 2, 2, 2},
                                       {"trebles", "Trebles", 0, 3, 3, 3}};
        static const char* const kFolds[] = {"4",  "5",  "6",  "7",  "8",  "9",
                                             "10", "11", "12", "13", "14", "15"};
        static std::string keys[12];
        static std::string names[12];
        for (int i = 0; i < 12; ++i) {
            keys[i] = std::string("folds-") + kFolds[i];
            names[i] = std::string(kFolds[i]) + "-folds";
            table.push_back({keys[i].c_str(), names[i].c_str(), 0, i + 4, i + 4, i + 4});
        }
        table.insert(table.end(), {{"accumulator", "Accumulator", 0, 2, 0, 0},
                                   {"trixie", "Trixie", 3, 3, 2, 3},
                                   {"patent", "Patent", 3, 3, 1, 3},
                                   {"yankee", "Yankee", 4, 4, 2, 4},
                                   {"lucky15", "Lucky 15", 4, 4, 1, 4},
                                   {"canadian", "Canadian", 5, 5, 2, 5},
                                   {"lucky31", "Lucky 31", 5, 5, 1, 5},
                                   {"heinz", "Heinz", 6, 6, 2, 6},
                                   {"lucky63", "Lucky 63", 6, 6, 1, 6},
                                   {"super-heinz", "Super Heinz", 7, 7, 2, 7},
                                   {"goliath", "Goliath", 8, 8, 2, 8},
                                   // Only orvanta-calc's: other words for the same bets.
                                   {"single", "Singles", 0, 1, 1, 1},
                                   {"super-yankee", "Super Yankee", 5, 5, 2, 5},
                                   {"double", "Double", 2, 2, 2, 2},
                                   {"treble", "Treble", 3, 3, 3, 3},
                                   {"folds-2", "Doubles", 0, 2, 2, 2},
                                   {"folds-3", "Trebles", 0, 3, 3, 3}});
        return table;
    }();
    return kinds;
}

int PageSlipKindCount() {
    return 3 + 12 + 1 + 10;
}

const SlipKind* FindSlipKind(const std::string& key) {
    for (const SlipKind& kind : SlipKinds()) {
        if (key == kind.key) {
            return &kind;
        }
    }
    return nullptr;
}

bool IsFullCover(const SlipKind& kind) {
    return kind.legs >= 3 && kind.first_fold < kind.last_fold;
}

std::vector<int> FoldsOf(const SlipKind& kind, int legs) {
    const bool fits = kind.legs != 0 ? legs == kind.legs : legs >= kind.min_legs;
    std::vector<int> folds;
    if (!fits || legs > kMaxSlipLegs) {
        return folds;
    }
    const int last = kind.last_fold == 0 ? legs : kind.last_fold;
    for (int fold = kind.first_fold == 0 ? legs : kind.first_fold; fold <= last; ++fold) {
        folds.push_back(fold);
    }
    return folds;
}

std::string MoneyText(const SlipMoney& money, char separator) {
    std::string digits = money.cents.ToDecimal();
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    digits.insert(digits.size() - 2, 1, separator);
    const bool zero = money.cents.IsZero();
    return (money.negative && !zero ? "-" : "") + digits;
}

SlipSettlement SettleSlip(const std::vector<SlipLeg>& legs, const std::vector<int>& folds,
                          SlipFraction stake, bool each_way) {
    SlipSettlement settlement;
    for (int fold : folds) {
        settlement.bets += Binomial(static_cast<int>(legs.size()), fold);
    }
    if (each_way) {
        settlement.bets *= 2;
    }
    Ratio staked;
    staked.Times(settlement.bets, 1);
    settlement.total_stake = Money(ToCents(Scaled(staked, stake)));
    // Each figure is rounded from its exact value; the stake is to the cent,
    // so the profit rounded is the return rounded less the stake.
    const Ratio win = PartReturn(legs, folds, stake, false);
    const Ratio place = each_way ? PartReturn(legs, folds, stake, true) : Zero();
    settlement.win_return = Money(ToCents(win));
    settlement.place_return = Money(ToCents(place));
    settlement.total_return = Money(ToCents(Sum(win, place)));
    settlement.profit = Difference(settlement.total_return.cents, settlement.total_stake.cents);
    return settlement;
}

}  // namespace orvanta

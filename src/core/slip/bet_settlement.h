#pragma once

// Settling a bet slip: legs with their odds and results, a bet type that
// makes combinations of them, a stake per combination, each way or not.
//
// Every figure a user types is an exact fraction (a decimal has a power of ten
// below it, "5/2" a 2, a Rule 4 a hundred), so a bet is settled in exact
// fractions of ExactNatural and turned into cents once, halves to even. No
// rounding happens between a leg and the total, and nothing overflows however
// long the odds.

#include <cstdint>
#include <string>
#include <vector>

#include "core/slip/exact_natural.h"

namespace orvanta {

// A positive fraction as typed: `num` / `den`.
struct SlipFraction {
    std::uint64_t num = 0;
    std::uint32_t den = 1;
};

enum class LegResult { kWon, kPlaced, kLost, kVoid };

struct SlipLeg {
    SlipFraction odds{2, 1};  // decimal odds, above 1
    LegResult result = LegResult::kWon;
    // A dead heat: `tied` runners shared the position the result names and
    // `places_left` places were left to them; the part of the bet that the
    // result pays (the win part for Won, the place part for Placed) keeps
    // places_left / tied of its stake when that is below 1. 1 and 1: none.
    std::uint32_t tied = 1;
    std::uint32_t places_left = 1;
    SlipFraction rule4{0, 1};  // pence in the pound taken off the winnings, 0 to 90
    SlipFraction terms{1, 4};  // the place part's share of the odds' winnings
};

// What a bet type combines: every combination of first_fold to last_fold
// legs (last_fold 0: all of them), over exactly `legs` legs (0: any number
// from min_legs).
struct SlipKind {
    const char* key;   // as orvanta-calc takes it: "lucky15"
    const char* name;  // as a user knows it: "Lucky 15"
    int legs;
    int min_legs;
    int first_fold;
    int last_fold;
};

inline constexpr int kMaxSlipLegs = 15;

// The bet types in the order the page offers them, then the ones orvanta-calc
// takes besides ("single", "double", "treble", "folds-2", "folds-3").
const std::vector<SlipKind>& SlipKinds();
// The kinds the page offers: SlipKinds() up to this count.
int PageSlipKindCount();
// Nothing when the key names no bet type.
const SlipKind* FindSlipKind(const std::string& key);
// The named full covers (Trixie to Goliath): they need an exact number of
// legs and combine every size from 1 or 2 up to all of them.
bool IsFullCover(const SlipKind& kind);

// The combination sizes of `kind` over `legs` legs; empty when it does not fit
// that many legs.
std::vector<int> FoldsOf(const SlipKind& kind, int legs);

// An amount of money to the cent, from an exact figure rounded once.
struct SlipMoney {
    bool negative = false;
    ExactNatural cents;
};
// "-12.50", with `separator` as the decimal mark.
std::string MoneyText(const SlipMoney& money, char separator);

struct SlipSettlement {
    std::uint64_t bets = 0;  // each way: the win and place bets together
    SlipMoney total_stake;
    SlipMoney win_return;
    SlipMoney place_return;  // 0 when not each way
    SlipMoney total_return;
    SlipMoney profit;
};

// Settles the slip. The inputs are taken as valid: the readers below refuse
// what is not. `stake` is the stake per bet; each way doubles the bets.
SlipSettlement SettleSlip(const std::vector<SlipLeg>& legs, const std::vector<int>& folds,
                          SlipFraction stake, bool each_way);

}  // namespace orvanta

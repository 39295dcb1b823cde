#include "core/slip/bet_settlement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta {
namespace {

SlipLeg Leg(SlipFraction odds, LegResult result = LegResult::kWon) {
    SlipLeg leg;
    leg.odds = odds;
    leg.result = result;
    return leg;
}

SlipLeg WithTerms(SlipLeg leg, SlipFraction terms) {
    leg.terms = terms;
    return leg;
}

// Fractional odds n/d as decimal odds.
SlipFraction Fractional(std::uint64_t n, std::uint32_t d) {
    return {n + d, d};
}

struct SlipCase {
    const char* name;
    const char* kind;
    std::vector<SlipLeg> legs;
    SlipFraction stake;
    bool each_way;
    // bets, total stake, win return, place return, total return, profit
    std::uint64_t bets;
    const char* figures[5];
};

SlipLeg DeadHeat(SlipLeg leg, std::uint32_t tied, std::uint32_t places_left) {
    leg.tied = tied;
    leg.places_left = places_left;
    return leg;
}

SlipLeg Rule4(SlipLeg leg, std::uint64_t pence) {
    leg.rule4 = {pence, 1};
    return leg;
}

const std::vector<SlipCase>& Cases() {
    using R = LegResult;
    static const std::vector<SlipCase> cases = {
        // Betfair's help on each-way terms (support.betfair.com, answer 6576):
        // 10 each way at 7/4, a quarter the odds: 41.88 won, 14.38 placed.
        {"each way single won",
         "singles",
         {Leg(Fractional(7, 4))},
         {10, 1},
         true,
         2,
         {"20.00", "27.50", "14.38", "41.88", "21.88"}},
        {"each way single placed",
         "singles",
         {Leg(Fractional(7, 4), R::kPlaced)},
         {10, 1},
         true,
         2,
         {"20.00", "0.00", "14.38", "14.38", "-5.62"}},
        // Paddy Power's help "Each Way Bet Calculation": 5 each way at 20/1, a
        // fifth the odds: 105 + 25 won, 25 placed.
        {"each way fifth won",
         "singles",
         {WithTerms(Leg(Fractional(20, 1)), {1, 5})},
         {5, 1},
         true,
         2,
         {"10.00", "105.00", "25.00", "130.00", "120.00"}},
        // Unibet's help "Horse Racing - Rule 4": 10 at 2.25, 80p off: 12.50.
        {"rule 4",
         "singles",
         {Rule4(Leg({225, 100}), 80)},
         {10, 1},
         false,
         1,
         {"10.00", "12.50", "0.00", "12.50", "2.50"}},
        // Betfair's help "Dead Heat in Horse Racing": 10 at 10/1, two tied
        // for first: half the stake at full odds, 55.
        {"dead heat",
         "singles",
         {DeadHeat(Leg(Fractional(10, 1)), 2, 1)},
         {10, 1},
         false,
         1,
         {"10.00", "55.00", "0.00", "55.00", "45.00"}},
        // The Lucky 15 calculator of calculator.city: 1 a bet on 2.50, 3.00,
        // 4.00 (lost) and 1.80: 38.20 back, 23.20 profit.
        {"lucky 15",
         "lucky15",
         {Leg({25, 10}), Leg({3, 1}), Leg({4, 1}, R::kLost), Leg({18, 10})},
         {1, 1},
         false,
         15,
         {"15.00", "38.20", "0.00", "38.20", "23.20"}},
        // By hand: a Canadian over five evens winners pays every double (4),
        // treble (8), four-fold (16) and the five-fold (32): 40 + 80 + 80 + 32.
        {"canadian",
         "canadian",
         std::vector<SlipLeg>(5, Leg({2, 1})),
         {1, 1},
         false,
         26,
         {"26.00", "232.00", "0.00", "232.00", "206.00"}},
        // By hand: a Patent on 2/1, 3/1 and a non-runner: singles 3 + 4 + 1,
        // doubles 12 + 3 + 4, the treble 12.
        {"patent with a void leg",
         "patent",
         {Leg(Fractional(2, 1)), Leg(Fractional(3, 1)), Leg({2, 1}, R::kVoid)},
         {1, 1},
         false,
         7,
         {"7.00", "39.00", "0.00", "39.00", "32.00"}},
        // By hand: an each-way double, 4/1 won at a fifth and 2/1 placed at a
        // quarter: the win double loses, the place double pays 1.8 x 1.5.
        {"each way double",
         "double",
         {WithTerms(Leg(Fractional(4, 1)), {1, 5}), Leg(Fractional(2, 1), R::kPlaced)},
         {1, 1},
         true,
         2,
         {"2.00", "0.00", "2.70", "2.70", "0.70"}},
        // A dead heat for third of three places, two tied for one place left:
        // the place part keeps half its stake: 10 at (1 + 8/4) / 2.
        {"dead heat for a place",
         "singles",
         {DeadHeat(Leg(Fractional(8, 1), R::kPlaced), 2, 1)},
         {10, 1},
         true,
         2,
         {"20.00", "0.00", "15.00", "15.00", "-5.00"}},
        // Halves go to the even cent: 0.05 at 2.5 is 0.125.
        {"half cent",
         "singles",
         {Leg({25, 10})},
         {5, 100},
         false,
         1,
         {"0.05", "0.12", "0.00", "0.12", "0.07"}},
        // Goliath over eight winners at 1000/1: the sum of C(8, k) 1001^k for
        // k from 2 is 1002^8 - 1 - 8 x 1001, some 10^24, to the cent.
        {"goliath of long shots",
         "goliath",
         std::vector<SlipLeg>(8, Leg(Fractional(1000, 1))),
         {1, 1},
         false,
         247,
         {"247.00", "1016112449121793793016247.00", "0.00", "1016112449121793793016247.00",
          "1016112449121793793016000.00"}},
    };
    return cases;
}

TEST(BetSettlementTest, SettlesPublishedAndHandWorkedSlips) {
    for (const SlipCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const SlipKind* kind = FindSlipKind(c.kind);
        ASSERT_NE(kind, nullptr);
        const auto folds = FoldsOf(*kind, static_cast<int>(c.legs.size()));
        const SlipSettlement s = SettleSlip(c.legs, folds, c.stake, c.each_way);
        EXPECT_EQ(s.bets, c.bets);
        EXPECT_EQ(MoneyText(s.total_stake, '.'), c.figures[0]);
        EXPECT_EQ(MoneyText(s.win_return, '.'), c.figures[1]);
        EXPECT_EQ(MoneyText(s.place_return, '.'), c.figures[2]);
        EXPECT_EQ(MoneyText(s.total_return, '.'), c.figures[3]);
        EXPECT_EQ(MoneyText(s.profit, '.'), c.figures[4]);
    }
}

TEST(BetSettlementTest, NamedCoversHoldTheirBetsAndRefuseOtherCounts) {
    const struct {
        const char* key;
        int legs;
        std::uint64_t bets;
    } covers[] = {{"trixie", 3, 4},        {"patent", 3, 7},    {"yankee", 4, 11},
                  {"lucky15", 4, 15},      {"canadian", 5, 26}, {"super-yankee", 5, 26},
                  {"lucky31", 5, 31},      {"heinz", 6, 57},    {"lucky63", 6, 63},
                  {"super-heinz", 7, 120}, {"goliath", 8, 247}};
    for (const auto& cover : covers) {
        SCOPED_TRACE(cover.key);
        const SlipKind& kind = *FindSlipKind(cover.key);
        EXPECT_TRUE(IsFullCover(kind));
        const std::vector<SlipLeg> legs(static_cast<std::size_t>(cover.legs));
        EXPECT_EQ(SettleSlip(legs, FoldsOf(kind, cover.legs), {1, 1}, false).bets, cover.bets);
        EXPECT_TRUE(FoldsOf(kind, cover.legs + 1).empty());
        EXPECT_TRUE(FoldsOf(kind, cover.legs - 1).empty());
    }
    // Combinations of one size over any number of legs.
    EXPECT_EQ(FoldsOf(*FindSlipKind("folds-4"), 6), std::vector<int>{4});
    EXPECT_EQ(SettleSlip(std::vector<SlipLeg>(6), {4}, {1, 1}, true).bets, 30u);
    EXPECT_TRUE(FoldsOf(*FindSlipKind("folds-4"), 3).empty());
    EXPECT_EQ(FoldsOf(*FindSlipKind("accumulator"), 7), std::vector<int>{7});
    EXPECT_TRUE(FoldsOf(*FindSlipKind("singles"), 16).empty());
    EXPECT_EQ(FindSlipKind("lucky 15"), nullptr);
}

}  // namespace
}  // namespace orvanta

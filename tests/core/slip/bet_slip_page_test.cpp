#include "core/slip/bet_slip_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "core/slip/slip_input.h"

namespace orvanta {
namespace {

using P = BetSlipPage;

class BetSlipPageTest : public ::testing::Test {
protected:
    BetSlipPageTest() { ClearBetSlip(page, catalogue); }

    void Leg(int row, const std::string& odds, int presses = 0) {
        page.legs.SetCell(P::kOddsCol, row, odds);
        for (int i = 0; i < presses; ++i) {
            EXPECT_TRUE(PressSlipCell(page, P::kResultCol, row, catalogue));
        }
    }
    void Kind(const char* key) {
        page.kind = static_cast<int>(FindSlipKind(key) - SlipKinds().data());
    }
    std::vector<std::string> Figures() const {
        return {page.bets.text,   page.total_stake.text, page.total_return.text,
                page.profit.text, page.win_return.text,  page.place_return.text};
    }

    testing::CoreScene scene;
    Catalogue catalogue;
    P page;
};

TEST_F(BetSlipPageTest, StartsAsAnEmptySlipOfSingles) {
    EXPECT_EQ(page.legs.Cell(P::kOddsCol, 0), "Odds");
    EXPECT_EQ(page.legs.Cell(P::kLegCol, 15), "15");
    EXPECT_EQ(page.legs.Cell(P::kResultCol, 1), "Won");
    EXPECT_EQ(SlipKinds()[static_cast<std::size_t>(page.kind)].key, std::string("singles"));
    EXPECT_FALSE(page.each_way);
    EXPECT_EQ(Figures(), std::vector<std::string>(6, ""));
}

// A click on a result cell goes Won, Placed, Lost, Void, Dead heat, Won.
TEST_F(BetSlipPageTest, AResultCellTakesEachResultInTurn) {
    const char* seen[] = {"Placed", "Lost", "Void", "Dead heat", "Won"};
    for (const char* result : seen) {
        EXPECT_TRUE(PressSlipCell(page, P::kResultCol, 3, catalogue));
        EXPECT_EQ(page.legs.Cell(P::kResultCol, 3), result);
    }
    EXPECT_FALSE(PressSlipCell(page, P::kOddsCol, 3, catalogue));
    EXPECT_FALSE(PressSlipCell(page, P::kResultCol, 0, catalogue));
}

// The Lucky 15 of calculator.city's example, typed as fractions and decimals,
// then each way with the third leg placed at a fifth. By hand, the place
// Lucky 15 over the legs' place odds f (1.375, 1.5, 1.6, 1.2) is every product
// of one to four of them: (1 + f1)(1 + f2)(1 + f3)(1 + f4) - 1 = 32.9625.
TEST_F(BetSlipPageTest, SettlesTheSlipTypedOnThePage) {
    Kind("lucky15");
    Leg(1, "3/2");
    Leg(2, "3");
    Leg(3, "4", 2);  // Lost
    Leg(4, "1.8");
    page.stake.text = "1";
    CalculateBetSlip(page, scene.services, catalogue);
    EXPECT_EQ(Figures(),
              (std::vector<std::string>{"15", "15.00", "38.20", "23.20", "38.20", "0.00"}));
    page.each_way = true;
    PressSlipCell(page, P::kResultCol, 3, catalogue);
    PressSlipCell(page, P::kResultCol, 3, catalogue);
    PressSlipCell(page, P::kResultCol, 3, catalogue);
    PressSlipCell(page, P::kResultCol, 3, catalogue);  // round to Placed
    page.legs.SetCell(P::kTermsCol, 3, "1/5");
    CalculateBetSlip(page, scene.services, catalogue);
    EXPECT_EQ(Figures(),
              (std::vector<std::string>{"30", "30.00", "71.16", "41.16", "38.20", "32.96"}));
}

TEST_F(BetSlipPageTest, DeadHeatAndRule4ComeFromTheirCells) {
    Leg(1, "11", 4);  // Dead heat: two tied for one place when left empty
    page.stake.text = "10";
    CalculateBetSlip(page, scene.services, catalogue);
    EXPECT_EQ(page.total_return.text, "55.00");
    page.legs.SetCell(P::kTiedCol, 1, "3");
    page.legs.SetCell(P::kRule4Col, 1, "10");
    CalculateBetSlip(page, scene.services, catalogue);
    EXPECT_EQ(page.total_return.text, "33.33");  // 10 / 3 x (1 + 10 x 0.9)
}

TEST_F(BetSlipPageTest, WhatCannotBeSettledIsSaidAndShowsNoFigure) {
    Leg(1, "2");
    page.stake.text = "1";
    CalculateBetSlip(page, scene.services, catalogue);
    ASSERT_EQ(page.total_return.text, "2.00");
    Kind("trixie");
    scene.prompter.ExpectMessage(std::string(slip_captions::kWrongLegs.fallback) + " (Trixie: 3)");
    CalculateBetSlip(page, scene.services, catalogue);
    EXPECT_EQ(Figures(), std::vector<std::string>(6, ""));
    Kind("singles");
    page.legs.SetCell(P::kRule4Col, 1, "95");
    scene.prompter.ExpectMessage(std::string("Leg 1: ") + slip_captions::kBadRule4.fallback);
    CalculateBetSlip(page, scene.services, catalogue);
    EXPECT_EQ(Figures(), std::vector<std::string>(6, ""));
}

TEST_F(BetSlipPageTest, KeysReachOnlyTheCellsThatTakeThem) {
    EXPECT_EQ(FilterSlipKey(P::kOddsCol, '/', '.'), '/');
    EXPECT_EQ(FilterSlipKey(P::kOddsCol, 'E', '.'), 'E');
    EXPECT_EQ(FilterSlipKey(P::kOddsCol, ',', '.'), '.');
    EXPECT_EQ(FilterSlipKey(P::kOddsCol, 'x', '.'), std::nullopt);
    EXPECT_EQ(FilterSlipKey(P::kTermsCol, '/', '.'), '/');
    EXPECT_EQ(FilterSlipKey(P::kTermsCol, '.', '.'), std::nullopt);
    EXPECT_EQ(FilterSlipKey(P::kTiedCol, '.', '.'), std::nullopt);
    EXPECT_EQ(FilterSlipKey(P::kRule4Col, '.', ','), ',');
    EXPECT_EQ(FilterSlipKey(P::kTiedCol, '7', '.'), '7');
    EXPECT_TRUE(SlipIsTypedCell(P::kTermsCol, 15));
    EXPECT_FALSE(SlipIsTypedCell(P::kResultCol, 1));
    EXPECT_FALSE(SlipIsTypedCell(P::kLegCol, 1));
    EXPECT_TRUE(SlipMayBeCurrentCell(P::kResultCol, 1));
}

}  // namespace
}  // namespace orvanta

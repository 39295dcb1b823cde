// The ARBITRAGE page at real books: an exchange's commission, a stake capped
// by one book, stakes rounded to what a book takes, and the worst case after it.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/markets/arbitrage_page.h"

namespace orvanta {
namespace {

using testing::CoreScene;
using A = ArbitragePage;

struct RealBookCase {
    const char* name;
    std::map<int, std::string> odds;
    std::map<int, std::string> commission;  // per cent
    const char* target;
    const char* round_to;
    std::map<int, std::string> fixed;                            // at most one
    std::map<int, std::pair<std::string, std::string>> columns;  // wager, Win Pay
    const char* total;
    const char* profit;
    const char* worst;
    GridColour worst_colour;
    bool rounding_lost;
};

class RealBooksTest : public testing::SeparatorTest {
protected:
    RealBooksTest() : scene(Sep()) { ClearArbitrage(page); }

    void Fill(const RealBookCase& c) {
        for (const auto& [col, text] : c.odds) {
            page.outcomes.SetCell(col, A::kOddsRow, S(text));
        }
        for (const auto& [col, text] : c.commission) {
            page.outcomes.SetCell(col, A::kCommissionRow, S(text));
        }
        for (const auto& [col, text] : c.fixed) {
            page.outcomes.SetCell(col, A::kWagerRow, S(text));
            FixArbitrageStake(page, col);
        }
        page.win_pay_target.text = S(c.target);
        page.round_to.text = S(c.round_to);
    }
    std::string Cell(int col, int row) const { return page.outcomes.Cell(col, row); }

    CoreScene scene;
    ArbitragePage page;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, RealBooksTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

// Figures by hand: an outcome with commission c pays 1 + (O - 1)(1 - c) a unit.
TEST_P(RealBooksTest, CommissionFixedStakeAndRounding) {
    const GridColour lime = kColourLime;
    const GridColour red = kColourRed;
    const RealBookCase cases[] = {
        // Empty new fields: the worst case sits beside the page's own figures.
        {"nothing new",
         {{0, "2.5"}, {1, "1.8"}},
         {},
         "0",
         "",
         {},
         {{0, {"1.72", "4.3"}}, {1, {"2.39", "4.3"}}},
         "4.11",
         "0.19",
         "0.19",
         lime,
         false},
        // 2.1 at 5 % pays 2.045: 100 / 2.045 = 48.9, paying 100.
        {"commission, target",
         {{0, "2.1"}, {1, "2"}},
         {{0, "5"}},
         "100",
         "",
         {},
         {{0, {"48.9", "100"}}, {1, {"50", "100"}}},
         "98.9",
         "1.1",
         "1.1",
         lime,
         false},
        // 2.5 at 2 % pays 2.47; the scale is the sum of what the outcomes pay.
        {"commission, scale",
         {{0, "2.5"}, {1, "1.8"}},
         {{0, "2"}},
         "0",
         "",
         {},
         {{0, {"1.73", "4.27"}}, {1, {"2.37", "4.27"}}},
         "4.1",
         "0.17",
         "0.17",
         lime,
         false},
        // A commission can also make a sure profit a loss.
        {"commission loses the edge",
         {{0, "2.1"}, {1, "1.95"}},
         {{0, "5"}},
         "100",
         "",
         {},
         {{0, {"48.9", "100"}}, {1, {"51.28", "100"}}},
         "100.18",
         "-0.18",
         "-0.18",
         red,
         false},
        // 50 on 1.8 pays 90, so 36 on 2.5; the typed target gives way.
        {"fixed stake",
         {{0, "2.5"}, {1, "1.8"}},
         {},
         "100",
         "",
         {{1, "50"}},
         {{0, {"36", "90"}}, {1, {"50", "90"}}},
         "86",
         "4",
         "4",
         lime,
         false},
        // 50 on 1.8 pays 90; 2.5 at 5 % pays 2.425: 37.11 pays 89.99.
        {"fixed stake and commission",
         {{0, "2.5"}, {1, "1.8"}},
         {{0, "5"}},
         "0",
         "",
         {{1, "50"}},
         {{0, {"37.11", "89.99"}}, {1, {"50", "90"}}},
         "87.11",
         "2.89",
         "2.88",
         lime,
         false},
        // 40 and 55.56 to the nearest 5: 40 and 55, paying 100 and 99.
        {"rounded to 5",
         {{0, "2.5"}, {1, "1.8"}},
         {},
         "100",
         "5",
         {},
         {{0, {"40", "100"}}, {1, {"55", "99"}}},
         "95",
         "4",
         "4",
         lime,
         false},
        // 14.29 and 15.38 make 0.32 for sure; to the nearest 5 both are 15,
        // and 1.95 pays back 29.25 of the 30 staked.
        {"rounding loses the profit",
         {{0, "2.1"}, {1, "1.95"}},
         {},
         "30",
         "5",
         {},
         {{0, {"15", "31.5"}}, {1, {"15", "29.25"}}},
         "30",
         "-0.75",
         "-0.75",
         red,
         true},
        {"the same in cents",
         {{0, "2.1"}, {1, "1.95"}},
         {},
         "30",
         "",
         {},
         {{0, {"14.29", "30.01"}}, {1, {"15.38", "29.99"}}},
         "29.67",
         "0.32",
         "0.32",
         lime,
         false},
        // The fixed stake is not rounded: 34 x 2.425 = 82.45 wanted, 46.85 on
        // 1.8 at 5 % (1.76) rounds to 47.
        {"all three",
         {{0, "2.5"}, {1, "1.8"}},
         {{0, "5"}, {1, "5"}},
         "0",
         "1",
         {{0, "34"}},
         {{0, {"34", "82.45"}}, {1, {"47", "82.72"}}},
         "81",
         "1.72",
         "1.45",
         lime,
         false},
    };
    for (const RealBookCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearArbitrage(page);
        Fill(c);
        CalculateArbitrage(page, scene.services);
        for (const auto& [col, figures] : c.columns) {
            EXPECT_EQ(Cell(col, A::kWagerRow), S(figures.first)) << "column " << col;
            EXPECT_EQ(Cell(col, A::kWinPayRow), S(figures.second)) << "column " << col;
        }
        EXPECT_EQ(page.total_wager.text, S(c.total));
        EXPECT_EQ(page.sure_profit.text, S(c.profit));
        EXPECT_EQ(page.worst_profit.text, S(c.worst));
        EXPECT_EQ(page.worst_profit.colour, c.worst_colour);
        EXPECT_EQ(!page.worst_note.text.empty(), c.rounding_lost);
        EXPECT_TRUE(scene.prompter.Messages().empty());
    }
}

TEST_P(RealBooksTest, FixedStakeMarksItsCellAndStepsBackOut) {
    page.outcomes.SetCell(0, A::kOddsRow, S("2.5"));
    page.outcomes.SetCell(1, A::kOddsRow, S("1.8"));
    page.multiplier.text = "1";
    page.outcomes.SetCell(1, A::kWagerRow, "50");
    FixArbitrageStake(page, 1);
    EXPECT_EQ(page.outcomes.Background(1, A::kWagerRow), kColourWhite);
    CalculateArbitrage(page, scene.services);
    // The boxes show what the stake implies: 90 back, 90 / 4.3 the multiplier.
    EXPECT_EQ(page.win_pay_target.text, "90");
    EXPECT_EQ(page.multiplier.text, S("20.9302"));
    // Calculating again keeps the stake and the figures.
    CalculateArbitrage(page, scene.services);
    EXPECT_EQ(Cell(0, A::kWagerRow), "36");
    EXPECT_EQ(page.win_pay_target.text, "90");

    // Emptied, the page is today's page again, with the multiplier it had.
    page.outcomes.SetCell(1, A::kWagerRow, "");
    CalculateArbitrage(page, scene.services);
    EXPECT_EQ(page.fixed_outcome, -1);
    EXPECT_EQ(page.multiplier.text, "1");
    EXPECT_EQ(page.win_pay_target.text, "0");
    EXPECT_EQ(Cell(0, A::kWagerRow), S("1.72"));
    EXPECT_EQ(Cell(1, A::kWagerRow), S("2.39"));
    EXPECT_EQ(page.outcomes.Background(1, A::kWagerRow), kColourLightGreen);
}

TEST_P(RealBooksTest, BadFiguresStopBeforeAnythingChanges) {
    const struct {
        const char* name;
        int commission_col;
        const char* commission;
        const char* fixed;
        const char* round_to;
        const char* target;
        std::string message;
    } cases[] = {
        {"commission above 100", 0, "101", "", "", "100",
         "A commission must be a number from 0 to 100 per cent: 1."},
        {"commission below 0", 1, "-1", "", "", "100",
         "A commission must be a number from 0 to 100 per cent: 2."},
        {"commission unreadable", 1, "5.5.5", "", "", "100",
         "A commission must be a number from 0 to 100 per cent: 2."},
        {"fixed stake of 0", -1, "", "0", "", "100",
         "A fixed stake must be a number above 0 on an outcome with odds: 2."},
        {"step of 0", -1, "", "", "0", "100", "Round stakes to: a step above 0 is needed."},
        {"step that rounds a stake to 0", -1, "", "", "100", "30",
         "Round stakes to: the step is so large that a stake rounds to 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearArbitrage(page);
        page.outcomes.SetCell(0, A::kOddsRow, S("2.1"));
        page.outcomes.SetCell(1, A::kOddsRow, S("1.95"));
        if (c.commission_col >= 0) {
            page.outcomes.SetCell(c.commission_col, A::kCommissionRow, S(c.commission));
        }
        if (*c.fixed) {
            page.outcomes.SetCell(1, A::kWagerRow, c.fixed);
            FixArbitrageStake(page, 1);
        }
        page.round_to.text = S(c.round_to);
        page.win_pay_target.text = c.target;
        scene.prompter.ExpectMessage(c.message);
        CalculateArbitrage(page, scene.services);
        scene.prompter.VerifyAndClear();
        // No figure and not even the used-once target has moved.
        EXPECT_EQ(Cell(0, A::kWagerRow), "");
        EXPECT_EQ(Cell(0, A::kWinPayRow), "");
        EXPECT_EQ(page.total_wager.text, "0");
        EXPECT_EQ(page.worst_profit.text, "0");
        EXPECT_EQ(page.win_pay_target.text, c.target);
    }
}

TEST_P(RealBooksTest, BackAndLayGroup) {
    // bettorstack.com/bonus-bet-calculator: a $50 free bet (SNR) at 3.00 laid
    // at 3.05 with 5 % commission.
    page.lay_mode = LayMode::kFreeBetSnr;
    page.lay_back_stake.text = "50";
    page.lay_back_odds.text = S("3.00");
    page.lay_odds.text = S("3.05");
    page.lay_commission.text = "5";
    CalculateArbitrage(page, scene.services);
    EXPECT_EQ(page.lay_stake.text, S("33.33"));
    EXPECT_EQ(page.lay_liability.text, S("68.33"));
    EXPECT_EQ(page.lay_back_wins.text, S("31.67"));
    EXPECT_EQ(page.lay_lay_wins.text, S("31.66"));
    EXPECT_EQ(page.lay_back_wins.colour, kColourLime);
    // With no odds in the grid the outcomes' figures stay as they were.
    EXPECT_EQ(page.total_wager.text, "0");

    // A refund without its retention shows no figure.
    page.lay_mode = LayMode::kRefund;
    scene.prompter.ExpectMessage("A refund needs its retention, a number from 0 to 100 per cent.");
    CalculateArbitrage(page, scene.services);
    scene.prompter.VerifyAndClear();
    EXPECT_EQ(page.lay_stake.text, "");
    EXPECT_EQ(page.lay_lay_wins.text, "");
}

}  // namespace
}  // namespace orvanta

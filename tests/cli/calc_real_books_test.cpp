// orvanta-calc arbitrage at real books (commission, a fixed stake, rounding)
// and orvanta-calc lay.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_test_util.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcTest;
using testing::GridRows;
using testing::ParseJson;
using testing::Slice;

using Texts = std::vector<std::string>;

class CalcRealBooksTest : public CalcTest {};

INSTANTIATE_TEST_SUITE_P(BothMarks, CalcRealBooksTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST_P(CalcRealBooksTest, ArbitrageCommissionFixedAndRound) {
    const struct {
        const char* name;
        Texts args;
        Texts commission;  // the grid's commission row, first three cells
        Texts wagers;
        Texts win_pays;
        Texts boxes;  // multiplier, win_pay_target, total_wager, sure_profit, worst_profit
        const char* worst_colour;
    } cases[] = {
        {"commission",
         {"arbitrage", "--win-pay", "100", "--commission", "1=5", "2.1", "2"},
         {"5", "", ""},
         {"48.9", "50"},
         {"100", "100"},
         {"1", "0", "98.9", "1.1", "1.1"},
         "#00FF00"},
        {"fixed stake",
         {"arbitrage", "--fixed", "2=50", "2.5", "1.8"},
         {"", "", ""},
         {"36", "50"},
         {"90", "90"},
         {"20.9302", "90", "86", "4", "4"},
         "#00FF00"},
        // 14.29 and 15.38 to the nearest 5: 15 and 15, and 1.95 pays 29.25.
        {"rounding turns the profit into a loss",
         {"arbitrage", "--win-pay", "30", "--round", "5", "2.1", "1.95"},
         {"", "", ""},
         {"15", "15"},
         {"31.5", "29.25"},
         {"1", "0", "30", "-0.75", "-0.75"},
         "#FF0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto json = Json(c.args);
        const auto rows = GridRows(json, "outcomes");
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(Slice(rows[4], 0, 2), S(c.commission));
        EXPECT_EQ(Slice(rows[2], 0, 1), S(c.wagers));
        EXPECT_EQ(Slice(rows[3], 0, 1), S(c.win_pays));
        EXPECT_EQ(BoxTexts(json, {"multiplier", "win_pay_target", "total_wager", "sure_profit",
                                  "worst_profit"}),
                  S(c.boxes));
        EXPECT_EQ(json["colours"]["worst_profit"].text, c.worst_colour);
    }
}

TEST_P(CalcRealBooksTest, LayKinds) {
    const struct {
        Texts args;
        Texts boxes;  // lay_stake, liability, result_back_wins, result_lay_wins
    } cases[] = {
        // mysidegig.co.uk/matched-betting-academy/chapter-2-lesson-1.
        {{"--back-stake", "10", "--back-odds", "1.5", "--lay-odds", "1.53"},
         {"9.8", "5.19", "-0.19", "-0.2"}},
        // bettorstack.com/bonus-bet-calculator (lay wins from the placed 33.33).
        {{"--back-stake", "50", "--back-odds", "3", "--lay-odds", "3,05", "--commission", "5",
          "--mode", "snr"},
         {"33.33", "68.33", "31.67", "31.66"}},
        // By hand: 10 x 4 / 4.15 = 9.64.
        {{"--back-stake", "10", "--back-odds", "4", "--lay-odds", "4.2", "--commission", "5",
          "--mode", "sr"},
         {"9.64", "30.85", "9.15", "9.16"}},
        // By hand: (30 - 10 x 70 %) / 3.08 = 7.47.
        {{"--back-stake", "10", "--back-odds", "3", "--lay-odds", "3.1", "--commission", "2",
          "--mode", "refund", "--refund", "10", "--retention", "70"},
         {"7.47", "15.69", "4.31", "4.32"}},
    };
    for (const auto& c : cases) {
        Texts args = {"lay"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto json = Json(args);
        EXPECT_EQ(json["schema"].number, 1);
        EXPECT_EQ(BoxTexts(json, {"lay_stake", "liability", "result_back_wins", "result_lay_wins"}),
                  S(c.boxes))
            << c.boxes[0];
    }
}

TEST_P(CalcRealBooksTest, BadInputShowsNoFigure) {
    const struct {
        Texts args;
        const char* error;
    } cases[] = {
        {{"arbitrage", "--commission", "1=120", "2.1", "2"},
         "A commission must be a number from 0 to 100 per cent: 1."},
        {{"arbitrage", "--commission", "2=abc", "2.1", "2"},
         "A commission must be a number from 0 to 100 per cent: 2."},
        {{"arbitrage", "--fixed", "1=0", "2.1", "2"},
         "A fixed stake must be a number above 0 on an outcome with odds: 1."},
        {{"arbitrage", "--fixed", "3=10", "2.1", "2"},
         "A fixed stake must be a number above 0 on an outcome with odds: 3."},
        {{"arbitrage", "--round", "0", "2.1", "2"}, "Round stakes to: a step above 0 is needed."},
        {{"arbitrage", "--round", "1000", "2.1", "2"},
         "Round stakes to: the step is so large that a stake rounds to 0."},
        {{"lay", "--back-stake", "10", "--back-odds", "2", "--lay-odds", "1"},
         "The lay odds must be a number above 1."},
        {{"lay", "--back-stake", "10", "--back-odds", "2", "--lay-odds", "2.1", "--commission",
          "101"},
         "A commission must be a number from 0 to 100 per cent."},
        {{"lay", "--back-stake", "10", "--back-odds", "2", "--lay-odds", "2.1", "--mode", "refund"},
         "A refund needs its retention, a number from 0 to 100 per cent."},
        {{"lay", "--back-odds", "2", "--lay-odds", "2.1"},
         "The back stake must be a number above 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        Texts args = c.args;
        args.push_back("--json");
        const auto output = Run(args);
        EXPECT_EQ(output.status, 1);
        EXPECT_EQ(output.ErrLines(), (Texts{c.error}));
        const auto json = ParseJson(output.out);
        // Said in a message, as the window says it, and still a failed run.
        EXPECT_TRUE(json["error"].IsNull());
        EXPECT_EQ(json["messages"].Texts(), (Texts{c.error}));
        // The arbitrage page keeps its cleared boxes; lay shows none.
        if (args[0] == "arbitrage") {
            EXPECT_EQ(BoxTexts(json, {"total_wager", "sure_profit", "worst_profit"}),
                      (Texts{"0", "0", "0"}));
        } else {
            EXPECT_TRUE(json["boxes"].Keys().empty());
        }
    }
}

TEST_P(CalcRealBooksTest, MalformedOptionsAreWrongUsage) {
    for (const Texts& args :
         {Texts{"arbitrage", "--commission", "14=5", "2", "2"},
          Texts{"arbitrage", "--fixed", "50", "2", "2"},
          Texts{"lay", "--mode", "double", "--back-stake", "10"}, Texts{"lay", "10"}}) {
        const auto output = Run(args);
        EXPECT_EQ(output.status, 2) << args[1];
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.ErrLines().size(), 1u);
    }
}

}  // namespace
}  // namespace orvanta

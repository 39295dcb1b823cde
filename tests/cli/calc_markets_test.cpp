#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_test_util.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcTest;
using testing::GridRows;
using testing::Slice;

using Texts = std::vector<std::string>;

class CalcMarketsTest : public CalcTest {};

INSTANTIATE_TEST_SUITE_P(BothMarks, CalcMarketsTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST_P(CalcMarketsTest, ArbitrageScaleAndTarget) {
    struct Case {
        const char* name;
        Texts args;
        Texts odds_shown;
        Texts wagers;
        Texts win_pays;
        Texts boxes;  // Edit5, Edit6, Edit13, Edit7, Edit8
        const char* colour;
    };
    // The odds are typed with either mark; the cells show the separator.
    const Case cases[] = {
        {"scale",
         {"arbitrage", "2.5", "1,8"},
         {"2.5", "1.8", ""},
         {"1.72", "2.39"},
         {"4.3", "4.3"},
         {"1", "0", "4.11", "4.62%", "0.19"},
         "#00FF00"},
        {"target",
         {"arbitrage", "--win-pay", "100", "2,5", "1.8"},
         {"2.5", "1.8", ""},
         {"40", "55.56"},
         {"100", "100.01"},
         {"1", "0", "95.56", "4.66%", "4.45"},
         "#00FF00"},
        {"loss",
         {"arbitrage", "--multiplier", "1", "1.9", "1.9"},
         {"1.9", "1.9", ""},
         {"2", "2"},
         {"3.8", "3.8"},
         {"1", "0", "4", "-5%", "-0.2"},
         "#FF0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto json = Json(c.args);
        const auto rows = GridRows(json, "outcomes");
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0],
                  (Texts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}));
        EXPECT_EQ(Slice(rows[1], 0, 2), S(c.odds_shown));
        EXPECT_EQ(Slice(rows[2], 0, 2), S({c.wagers[0], c.wagers[1], ""}));
        EXPECT_EQ(Slice(rows[3], 0, 2), S({c.win_pays[0], c.win_pays[1], ""}));
        EXPECT_EQ(BoxTexts(json, {"multiplier", "win_pay_target", "total_wager",
                                  "sure_profit_percent", "sure_profit"}),
                  S(c.boxes));
        EXPECT_EQ(json["colours"]["sure_profit_percent"].text, c.colour);
        EXPECT_EQ(json["colours"]["sure_profit"].text, c.colour);
    }
}

TEST_P(CalcMarketsTest, ArbitrageTable) {
    const auto output = Run({"arbitrage", "2.5", "1.8"});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(output.out, S("ARBITRAGE\n"
                            "         1     2\n"
                            "ODDS     2.5   1.8\n"
                            "Wager    1.72  2.39\n"
                            "Win Pay  4.3   4.3\n"
                            "\n"
                            "Wager Multiplay  1\n"
                            "Win Pay          0\n"
                            "Total Wager      4.11\n"
                            "SureProfit %     4.62%  [lime]\n"
                            "SureProfit       0.19   [lime]\n"));
}

TEST_P(CalcMarketsTest, Probability) {
    const auto json = Json({"probability", "2.10", "3.40", "3.50"});
    const auto rows = GridRows(json, "outcomes");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Slice(rows[0], 0, 3), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(Slice(rows[1], 0, 3), S({"2.10", "3.40", "3.50", ""}));
    EXPECT_EQ(Slice(rows[2], 0, 3), S({"45.09", "27.85", "27.05", ""}));
    EXPECT_EQ(BoxTexts(json, {"margin", "return_percent", "ganiota_percent"}),
              S({"5.6", "94.69", "5.31"}));

    const auto table = Run({"probability", "2.10", "3.40", "3.50"});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out, S("PROBABILITY\n"
                           "               1      2      3\n"
                           "ODDS           2.10   3.40   3.50\n"
                           "PROBABILITY %  45.09  27.85  27.05\n"
                           "\n"
                           "MARGIN     5.6\n"
                           "RETURN %   94.69\n"
                           "GANIOTA %  5.31\n"));
}

TEST_P(CalcMarketsTest, ProbabilityByAMethodWithOfferedPrices) {
    // As the window shows the page: Shin's probabilities, the fair odds, and
    // Kelly stakes of a bankroll of 1000 on the two offered prices.
    const auto json = Json({"probability", "--method", "shin", "--offered", "1:2,40", "--offered",
                            "3:4", "--bankroll", "1000", "2.10", "3.40", "3.50"});
    const auto rows = GridRows(json, "outcomes");
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(Slice(rows[2], 0, 2), S({"45.58", "27.62", "26.8"}));
    EXPECT_EQ(Slice(rows[3], 0, 2), S({"2.19", "3.62", "3.73"}));
    EXPECT_EQ(Slice(rows[4], 0, 2), S({"2.40", "", "4"}));
    EXPECT_EQ(Slice(rows[5], 0, 2), S({"9.4", "", "7.18"}));
    EXPECT_EQ(Slice(rows[6], 0, 2), S({"110.52", "", "60.77"}));
    EXPECT_EQ(BoxTexts(json, {"margin", "method", "parameter", "range_note", "bankroll",
                              "kelly_fraction", "total_stake_percent"}),
              S({"5.6", "shin", "z = 0.0281", "", "1000", "1", "17.13"}));

    // Proportional asked for by name prints the page's own figures in full.
    const auto own = Json({"probability", "--method", "proportional", "2.10", "3.40", "3.50"});
    EXPECT_EQ(Slice(GridRows(own, "outcomes")[2], 0, 2), S({"45.09", "27.85", "27.05"}));
    EXPECT_EQ(BoxTexts(own, {"method", "parameter"}), (Texts{"proportional", ""}));
}

TEST_P(CalcMarketsTest, ProbabilityRefusesWhatTheValueRowsCannotUse) {
    struct Case {
        Texts args;
        int status;
        const char* says;
    };
    // clang-format off
    const Case cases[] = {
        {{"probability", "--method", "fair", "2", "2"},                         2, "unknown method"},
        {{"probability", "--offered", "16:2", "2", "2"},                        2, "--offered takes K:ODDS"},
        {{"probability", "--offered", "2.5", "2", "2"},                         2, "--offered takes K:ODDS"},
        {{"probability", "--bankroll", "5x", "2", "2"},                         2, "--bankroll takes a number"},
        {{"probability", "--offered", "1:2.5", "--bankroll", "0", "2", "2"},    1, "The bankroll must be greater than 0."},
        {{"probability", "--offered", "1:2.5", "--fraction", "1.5", "2", "2"},  1, "The Kelly fraction must be greater than 0 and at most 1."},
        {{"probability", "--offered", "1:1", "2", "2"},                         1, "Offered odds must be greater than 1."},
        {{"probability", "--method", "shin", "1.5"},                            1, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[2]);
        const auto output = Run(c.args);
        EXPECT_EQ(output.status, c.status) << output.err;
        EXPECT_NE(output.err.find(c.says), std::string::npos) << output.err;
    }
}

TEST_P(CalcMarketsTest, OddsFromTheTeamsRecords) {
    struct Case {
        Texts args;
        Texts decimal, fraction, us, probability;
    };
    const Case cases[] = {
        {{"odds", "10", "5", "5", "6", "6", "8"},
         {"2.22", "3.64", "3.64", "1.38", "1.38", "1.82"},
         {"11/9", "13/5", "13/5", "3/8", "3/8", "9/11"},
         {"122", "260", "260", "-267", "-267", "-122"},
         {"45", "27", "27", "72", "72", "54"}},
        {{"odds", "--ganiota", "6", "10", "5", "5", "6", "6", "8"},
         {"2.09", "3.42", "3.42", "1.3", "1.3", "1.71"},
         {"12/11", "12/5", "12/5", "3/10", "3/10", "5/7"},
         {"109", "240", "240", "-333", "-333", "-140"},
         {"45", "28", "28", "73", "73", "56"}},
        {{"odds", "3", "2", "1", "2", "2", "2", "--ganiota", "10"},
         {"2.16", "2.7", "3.6", "1.2", "1.35", "1.54"},
         {"15/13", "17/10", "13/5", "1/5", "6/17", "7/13"},
         {"115", "170", "260", "-500", "-283", "-186"},
         {"42", "33", "25", "75", "67", "58"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[2]);
        const auto json = Json(c.args);
        const auto input = GridRows(json, "records");
        ASSERT_EQ(input.size(), 3u);
        EXPECT_EQ(input[0], (Texts{"RESULT", "WINS", "DRAWS", "LOSSES"}));
        EXPECT_EQ(input[1][0], "HOME TEAM");
        EXPECT_EQ(input[2][0], "AWAY TEAM");

        const auto results = GridRows(json, "prices");
        ASSERT_EQ(results.size(), 5u);
        EXPECT_EQ(results[0], (Texts{"", "1", "X", "2", "1X", "12", "X2"}));
        EXPECT_EQ(Slice(results[1], 1, 6), S(c.decimal));
        EXPECT_EQ(Slice(results[2], 1, 6), c.fraction);
        EXPECT_EQ(Slice(results[3], 1, 6), c.us);
        EXPECT_EQ(Slice(results[4], 1, 6), c.probability);
    }
}

TEST_P(CalcMarketsTest, OddsTable) {
    const auto output = Run({"odds", "--ganiota", "6", "10", "5", "5", "6", "6", "8"});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, S("ODDS: team records\n"
                            "RESULT     WINS  DRAWS  LOSSES\n"
                            "HOME TEAM  10    5      5\n"
                            "AWAY TEAM  6     6      8\n"
                            "\n"
                            "ODDS: prices\n"
                            "                1      X     2     1X    12    X2\n"
                            "EU DECIMAL      2.09   3.42  3.42  1.3   1.3   1.71\n"
                            "UK FRACTIONAL   12/11  12/5  12/5  3/10  3/10  5/7\n"
                            "US WHOLE +,-    109    240   240   -333  -333  -140\n"
                            "PROBABILITY(%)  45     28    28    73    73    56\n"
                            "\n"
                            "GANIOTA  6\n"));
}

}  // namespace
}  // namespace orvanta

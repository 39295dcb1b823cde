#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/markets/arbitrage_page.h"

namespace orvanta {
namespace {

using testing::CoreScene;

constexpr int kOdds = ArbitragePage::kOddsRow;
constexpr int kWager = ArbitragePage::kWagerRow;
constexpr int kWinPay = ArbitragePage::kWinPayRow;

class ArbitrageTest : public testing::SeparatorTest {
protected:
    ArbitrageTest() : scene(Sep()) { ClearArbitrage(page); }

    // Odds by column, texts with "." for the separator.
    void SetOdds(const std::map<int, std::string>& odds) {
        for (const auto& [col, text] : odds) {
            page.outcomes.SetCell(col, kOdds, S(text));
        }
    }
    std::string Cell(int col, int row) const { return page.outcomes.Cell(col, row); }
    void ExpectColumn(int col, const std::string& wager, const std::string& win_pay) const {
        EXPECT_EQ(Cell(col, kWager), S(wager)) << "column " << col;
        EXPECT_EQ(Cell(col, kWinPay), S(win_pay)) << "column " << col;
    }
    void ExpectTotals(const std::string& total, const std::string& percent,
                      GridColour percent_colour, const std::string& profit,
                      GridColour profit_colour) const {
        EXPECT_EQ(page.total_wager.text, S(total));
        EXPECT_EQ(page.sure_profit_percent.text, S(percent));
        EXPECT_EQ(page.sure_profit_percent.colour, percent_colour);
        EXPECT_EQ(page.sure_profit.text, S(profit));
        EXPECT_EQ(page.sure_profit.colour, profit_colour);
    }
    void ExpectResultBoxesUntouched() const {
        ExpectTotals("0", "0%", kColourWhite, "0", kColourWhite);
    }
    std::string CalcExpectingError() {
        try {
            CalculateArbitrage(page, scene.services);
        } catch (const OperationError& e) {
            return e.what();
        }
        return "no error";
    }

    CoreScene scene;
    ArbitragePage page;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, ArbitrageTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST(ArbitrageLayout, GridShapeAndInitialTexts) {
    ArbitragePage page;
    const TextGrid& grid = page.outcomes;
    EXPECT_EQ(grid.ColCount(), 13);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    for (int c = 0; c < 13; ++c) {
        EXPECT_EQ(grid.Cell(c, 0), std::to_string(c + 1));
        EXPECT_EQ(grid.ColWidth(c), 39);
    }
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(grid.RowHeight(r), 21);
    }

    // Clear after a calculation puts every text and colour back.
    CoreScene scene;
    ClearArbitrage(page);
    page.outcomes.SetCell(0, kOdds, "2.5");
    page.outcomes.SetCell(5, kOdds, "1.8");
    page.multiplier.text = "3";
    CalculateArbitrage(page, scene.services);
    ClearArbitrage(page);
    EXPECT_EQ(page.multiplier.text, "1");
    EXPECT_EQ(page.win_pay_target.text, "0");
    EXPECT_EQ(page.sure_profit_percent.text, "0%");
    EXPECT_EQ(page.sure_profit_percent.colour, kColourWhite);
    EXPECT_EQ(page.sure_profit.text, "0");
    EXPECT_EQ(page.sure_profit.colour, kColourWhite);
    EXPECT_EQ(page.total_wager.text, "0");
    for (int c = 0; c < 13; ++c) {
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(grid.Cell(c, r), "") << c << "," << r;
        }
        EXPECT_EQ(grid.Background(c, kWager), kColourLightGreen);
        EXPECT_EQ(grid.Background(c, kWinPay), kColourLightYellow);
        EXPECT_EQ(grid.Cell(c, 0), std::to_string(c + 1));
    }
}

struct ArbitrageCase {
    const char* name;
    std::map<int, std::string> odds;
    const char* multiplier;
    const char* target;
    std::map<int, std::pair<std::string, std::string>> columns;  // wager, Win Pay
    const char* total;
    const char* percent;
    GridColour percent_colour;
    const char* profit;
    GridColour profit_colour;
};

TEST_P(ArbitrageTest, Calculations) {
    const GridColour lime = kColourLime;
    const GridColour red = kColourRed;
    const ArbitrageCase cases[] = {
        {"scale",
         {{0, "2.5"}, {1, "1.8"}},
         "1",
         "0",
         {{0, {"1.72", "4.3"}}, {1, {"2.39", "4.3"}}},
         "4.11",
         "4.62%",
         lime,
         "0.19",
         lime},
        {"target",
         {{0, "2.5"}, {1, "1.8"}},
         "1",
         "100",
         {{0, {"40", "100"}}, {1, {"55.56", "100.01"}}},
         "95.56",
         "4.66%",
         lime,
         "4.45",
         lime},
        {"target ignores the multiplier",
         {{0, "2.5"}, {1, "1.8"}},
         "7",
         "100",
         {{0, {"40", "100"}}, {1, {"55.56", "100.01"}}},
         "95.56",
         "4.66%",
         lime,
         "4.45",
         lime},
        {"loss",
         {{0, "1.9"}, {1, "1.9"}},
         "1",
         "0",
         {{0, {"2", "3.8"}}, {1, {"2", "3.8"}}},
         "4",
         "-5%",
         red,
         "-0.2",
         red},
        {"outcomes 3 and 9 only",
         {{2, "2.5"}, {8, "1.8"}},
         "1",
         "0",
         {{2, {"1.72", "4.3"}}, {8, {"2.39", "4.3"}}},
         "4.11",
         "4.62%",
         lime,
         "0.19",
         lime},
        {"multiplier scales every wager",
         {{0, "2.5"}, {1, "1.8"}},
         "10",
         "0",
         {{0, {"17.2", "43"}}, {1, {"23.89", "43"}}},
         "41.09",
         "4.65%",
         lime,
         "1.91",
         lime},
        {"odds typed with the other mark",
         {{0, "2,5"}, {1, "1,8"}},
         "1",
         "0",
         {{0, {"1.72", "4.3"}}, {1, {"2.39", "4.3"}}},
         "4.11",
         "4.62%",
         lime,
         "0.19",
         lime},
        // W is the rightmost payout, not the smallest.
        {"three outcomes",
         {{0, "3"}, {3, "3.2"}, {7, "3.6"}},
         "1",
         "0",
         {{0, {"3.27", "9.81"}}, {3, {"3.06", "9.79"}}, {7, {"2.72", "9.79"}}},
         "9.05",
         "8.18%",
         lime,
         "0.74",
         lime},
        // A profit of a few ulps: the per cent box sees it, the money box does not.
        {"profit below a cent",
         {{0, "1.16"}, {1, "7.22"}},
         "1",
         "0",
         {{0, {"7.22", "8.38"}}, {1, {"1.16", "8.38"}}},
         "8.38",
         "0%",
         lime,
         "0",
         red},
    };
    for (const ArbitrageCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearArbitrage(page);
        SetOdds(c.odds);
        page.multiplier.text = S(c.multiplier);
        page.win_pay_target.text = S(c.target);
        CalculateArbitrage(page, scene.services);
        for (int col = 0; col < 13; ++col) {
            const auto it = c.columns.find(col);
            if (it == c.columns.end()) {
                ExpectColumn(col, "", "");
            } else {
                ExpectColumn(col, it->second.first, it->second.second);
            }
        }
        ExpectTotals(c.total, c.percent, c.percent_colour, c.profit, c.profit_colour);
        EXPECT_EQ(page.win_pay_target.text, "0");
        EXPECT_EQ(page.multiplier.text, S(c.multiplier));
    }
}

TEST_P(ArbitrageTest, TargetIsUsedOnceThenScaleModeAgain) {
    SetOdds({{0, "2.5"}, {1, "1.8"}});
    page.win_pay_target.text = "100";
    CalculateArbitrage(page, scene.services);
    ExpectColumn(1, "55.56", "100.01");
    EXPECT_EQ(page.win_pay_target.text, "0");
    CalculateArbitrage(page, scene.services);
    ExpectColumn(0, "1.72", "4.3");
    ExpectColumn(1, "2.39", "4.3");
    ExpectTotals("4.11", "4.62%", kColourLime, "0.19", kColourLime);
}

TEST_P(ArbitrageTest, ZeroValuedTargetTextsStillCountAsATarget) {
    struct Case {
        const char* target;
        int error_values;
    };
    const Case cases[] = {{"0.0", 0}, {"", 1}, {"none", 1}, {" 0 ", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ClearArbitrage(page);
        SetOdds({{0, "2.5"}, {1, "1.8"}});
        page.win_pay_target.text = S(c.target);
        scene.prompter.ExpectMessage("Error Value", c.error_values);
        CalculateArbitrage(page, scene.services);
        scene.prompter.VerifyAndClear();
        EXPECT_EQ(page.win_pay_target.text, "0");
        ExpectColumn(0, "1.72", "4.3");
        ExpectTotals("4.11", "4.62%", kColourLime, "0.19", kColourLime);
    }
}

TEST_P(ArbitrageTest, NoUsableOddsChangesNothingButTheTarget) {
    // A finished calculation, then every odds cell emptied (or summing to 0).
    SetOdds({{0, "2.5"}, {1, "1.8"}});
    CalculateArbitrage(page, scene.services);
    const ArbitragePage before = page;
    for (const std::map<int, std::string>& odds :
         std::vector<std::map<int, std::string>>{{{0, ""}, {1, ""}}, {{0, "0"}, {1, "0"}}}) {
        page = before;
        SetOdds(odds);
        page.win_pay_target.text = "100";
        CalculateArbitrage(page, scene.services);
        EXPECT_EQ(page.win_pay_target.text, "0");
        for (int col = 0; col < 2; ++col) {
            EXPECT_EQ(Cell(col, kWager), before.outcomes.Cell(col, kWager));
            EXPECT_EQ(Cell(col, kWinPay), before.outcomes.Cell(col, kWinPay));
        }
        ExpectTotals("4.11", "4.62%", kColourLime, "0.19", kColourLime);
    }
}

TEST_P(ArbitrageTest, OutcomeWithoutOddsLosesItsOldWagerAndPayout) {
    SetOdds({{0, "2.5"}, {1, "1.8"}, {2, "3"}});
    CalculateArbitrage(page, scene.services);
    ASSERT_NE(Cell(2, kWager), "");
    // The rightmost outcome goes: it must count neither in the total nor as W.
    SetOdds({{2, ""}});
    CalculateArbitrage(page, scene.services);
    ExpectColumn(0, "1.72", "4.3");
    ExpectColumn(1, "2.39", "4.3");
    ExpectColumn(2, "", "");
    ExpectTotals("4.11", "4.62%", kColourLime, "0.19", kColourLime);
}

TEST_P(ArbitrageTest, ZeroOddsBesidePositiveOddsStopsAfterTheEarlierColumns) {
    struct Case {
        const char* target;
        const char* wager;
        const char* win_pay;
    };
    const Case cases[] = {{"0", "1.72", "4.3"}, {"100", "40", "100"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ClearArbitrage(page);
        // Stale figures of an outcome without odds go before any division.
        page.outcomes.SetCell(5, kWager, "9");
        page.outcomes.SetCell(5, kWinPay, "9");
        SetOdds({{0, "2.5"}, {1, "0"}, {2, "1.8"}});
        page.win_pay_target.text = c.target;
        EXPECT_EQ(CalcExpectingError(), kDivisionByZero);
        ExpectColumn(0, c.wager, c.win_pay);
        ExpectColumn(1, "", "");
        ExpectColumn(2, "", "");
        ExpectColumn(5, "", "");
        EXPECT_EQ(page.win_pay_target.text, "0");
        ExpectResultBoxesUntouched();
    }
}

TEST_P(ArbitrageTest, ZeroMultiplierIsAnInvalidOperationAfterTheWagers) {
    SetOdds({{0, "2.5"}, {1, "1.8"}});
    page.multiplier.text = "0";
    EXPECT_EQ(CalcExpectingError(), kInvalidOperation);
    ExpectColumn(0, "0", "0");
    ExpectColumn(1, "0", "0");
    ExpectResultBoxesUntouched();
}

// Figures beyond the double range stop the calculation with the overflow
// report where they arise; what was written before stays, and no box is
// coloured from a figure that was never shown.
TEST_P(ArbitrageTest, FiguresBeyondTheRangeStopWithTheOverflowReport) {
    struct Case {
        const char* name;
        std::map<int, std::string> odds;
        const char* multiplier;
        std::map<int, std::pair<std::string, std::string>> columns;  // wager, Win Pay
    };
    const Case cases[] = {
        // Wagers and payouts are huge but finite; the per cent overflows.
        {"per cent",
         {{0, "2.5"}, {1, "1.8"}},
         "1e306",
         {{0, {"1.72E306", "4.3E306"}}, {1, {"2.38888888888889E306", "4.3E306"}}}},
        // Each wager is finite, their total is not.
        {"total wager",
         {{0, "0.5"}, {1, "0.5"}},
         "6e307",
         {{0, {"1.2E308", "6E307"}}, {1, {"1.2E308", "6E307"}}}},
        {"payout", {{0, "2.5"}, {1, "1.8"}}, "1e308", {{0, {"1.72E308", ""}}, {1, {"", ""}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearArbitrage(page);
        SetOdds(c.odds);
        page.multiplier.text = S(c.multiplier);
        EXPECT_EQ(CalcExpectingError(), kOverflow);
        for (const auto& [col, texts] : c.columns) {
            ExpectColumn(col, texts.first, texts.second);
        }
        ExpectResultBoxesUntouched();
    }
}

TEST_P(ArbitrageTest, UnreadableMultiplierIsReportedOncePerUsedColumn) {
    SetOdds({{0, "2.5"}, {4, "1.8"}, {6, "3"}});
    page.multiplier.text = "x";
    scene.prompter.ExpectMessage("Error Value", 3);
    EXPECT_EQ(CalcExpectingError(), kInvalidOperation);
}

TEST_P(ArbitrageTest, UnreadableOddsIsReportedAtEachConversionThenDividesByZero) {
    // Once in the sum, once for its wager, which then divides by zero.
    SetOdds({{0, "2.5"}, {1, "1..8"}});
    scene.prompter.ExpectMessage("Error Value", 2);
    EXPECT_EQ(CalcExpectingError(), kDivisionByZero);
    ExpectColumn(0, "1", "2.5");
    ExpectColumn(1, "", "");
}

}  // namespace
}  // namespace orvanta

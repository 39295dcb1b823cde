#include <gtest/gtest.h>

#include "core/markets/arbitrage_page.h"
#include "core/markets/market_grid_rules.h"
#include "core/markets/odds_page.h"
#include "core/markets/probability_page.h"
#include "core/numeric/key_filter.h"

namespace orvanta {
namespace {

TEST(MarketGridRules, WhichCellsMayBecomeCurrent) {
    const ArbitragePage arbitrage;
    const ProbabilityPage probability;
    const OddsPage odds;
    for (const TextGrid* grid : {&arbitrage.AdvCalcArbitrage, &probability.AdvProbability}) {
        for (int r = -1; r <= grid->RowCount(); ++r) {
            for (int c = -1; c <= grid->ColCount(); ++c) {
                const bool odds_cell = r == 1 && c >= 0 && c < grid->ColCount();
                EXPECT_EQ(AdvProbabilitySelectCell(*grid, c, r), odds_cell) << c << "," << r;
            }
        }
    }
    for (int r = -1; r <= 3; ++r) {
        for (int c = -1; c <= 4; ++c) {
            const bool count_cell = r >= 1 && r <= 2 && c >= 1 && c <= 3;
            EXPECT_EQ(AdvOddsSelectCell(odds.AdvOdds, c, r), count_cell) << c << "," << r;
        }
    }
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 7; ++c) {
            EXPECT_FALSE(AdvCalcArbitrageSelectCell(odds.AdvOdds1, c, r)) << c << "," << r;
        }
    }
}

TEST(MarketGridRules, EnterWalksAlongTheRowAndWraps) {
    ArbitragePage arbitrage;
    ProbabilityPage probability;
    struct Case {
        TextGrid* grid;
        GridKeyResult (*key_press)(const TextGrid&, int, int, char, char);
    };
    const Case grids[] = {{&arbitrage.AdvCalcArbitrage, AdvCalcArbitrageKeyPress},
                          {&probability.AdvProbability, AdvProbabilityKeyPress}};
    for (const Case& g : grids) {
        TextGrid& grid = *g.grid;
        const int last = grid.ColCount() - 1;
        grid.SetCell(0, 1, "2");
        grid.SetCell(5, 1, "1,5");
        grid.SetCell(last, 1, "3");
        EXPECT_EQ(EnterMovesToColumn(grid, 0, 1), 1);
        EXPECT_EQ(EnterMovesToColumn(grid, 5, 1), 6);
        EXPECT_EQ(EnterMovesToColumn(grid, last, 1), 0);
        EXPECT_EQ(EnterMovesToColumn(grid, 1, 1), 1);  // empty: stays
        EXPECT_EQ(EnterMovesToColumn(grid, last - 1, 1), last - 1);

        const GridKeyResult enter = g.key_press(grid, last, 1, kKeyEnter, ',');
        EXPECT_EQ(enter.key, kKeyEnter);  // still reaches the grid
        EXPECT_EQ(enter.col, 0);
        EXPECT_EQ(g.key_press(grid, 1, 1, kKeyEnter, ',').col, 1);
        // Other keys are filtered and never move.
        const GridKeyResult point = g.key_press(grid, 0, 1, '.', ',');
        EXPECT_EQ(point.key, ',');
        EXPECT_EQ(point.col, 0);
        EXPECT_EQ(g.key_press(grid, 0, 1, ',', '.').key, '.');
        EXPECT_EQ(g.key_press(grid, 0, 1, '7', '.').key, '7');
        for (char dropped : {'-', '+', 'a', ' ', 'e'}) {
            const GridKeyResult r = g.key_press(grid, 0, 1, dropped, '.');
            EXPECT_EQ(r.key, std::nullopt) << dropped;
            EXPECT_EQ(r.col, 0);
        }
        EXPECT_EQ(g.key_press(grid, 0, 1, kKeyTab, '.').col, 0);
    }
}

}  // namespace
}  // namespace orvanta

#include <gtest/gtest.h>

#include "core/markets/arbitrage_page.h"
#include "core/markets/market_grid_rules.h"
#include "core/markets/odds_page.h"
#include "core/markets/probability_page.h"

namespace orvanta {
namespace {

TEST(MarketGridRules, WhichCellsMayBecomeCurrent) {
    const ArbitragePage arbitrage;
    const ProbabilityPage probability;
    const OddsPage odds;
    for (const TextGrid* grid : {&arbitrage.outcomes, &probability.outcomes}) {
        for (int r = -1; r <= grid->RowCount(); ++r) {
            for (int c = -1; c <= grid->ColCount(); ++c) {
                const bool odds_cell = r == 1 && c >= 0 && c < grid->ColCount();
                EXPECT_EQ(IsOddsRowCell(*grid, c, r), odds_cell) << c << "," << r;
            }
        }
    }
    for (int r = -1; r <= 3; ++r) {
        for (int c = -1; c <= 4; ++c) {
            const bool count_cell = r >= 1 && r <= 2 && c >= 1 && c <= 3;
            EXPECT_EQ(IsTeamRecordCell(odds.records, c, r), count_cell) << c << "," << r;
        }
    }
}

TEST(MarketGridRules, EnterWalksAlongTheRowAndWraps) {
    ArbitragePage arbitrage;
    ProbabilityPage probability;
    for (TextGrid* grid : {&arbitrage.outcomes, &probability.outcomes}) {
        const int last = grid->ColCount() - 1;
        grid->SetCell(0, 1, "2");
        grid->SetCell(5, 1, "1,5");
        grid->SetCell(last, 1, "3");
        EXPECT_EQ(EnterMovesToColumn(*grid, 0, 1), 1);
        EXPECT_EQ(EnterMovesToColumn(*grid, 5, 1), 6);
        EXPECT_EQ(EnterMovesToColumn(*grid, last, 1), 0);
        EXPECT_EQ(EnterMovesToColumn(*grid, 1, 1), 1);  // empty: stays
        EXPECT_EQ(EnterMovesToColumn(*grid, last - 1, 1), last - 1);
    }
}

}  // namespace
}  // namespace orvanta

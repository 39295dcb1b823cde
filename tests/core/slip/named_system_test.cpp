#include "core/slip/named_system.h"

#include <gtest/gtest.h>

#include <string>

#include "common/core_fixture.h"

namespace orvanta {
namespace {

using P = ParlaySheet;

class NamedSystemTest : public ::testing::Test {
protected:
    NamedSystemTest() { ClearParlaySheet(sheet, catalogue); }

    void Selections(int count) {
        for (int row = 1; row <= count; ++row) {
            sheet.selections.SetCell(P::kOddsCol, row, "2");
        }
    }
    std::string StakedRows() const {
        std::string rows;
        for (int row = 1; row <= P::kLastRow; ++row) {
            const std::string& stake = sheet.selections.Cell(P::kStakeCol, row);
            if (!stake.empty()) {
                rows += std::to_string(row) + "=" + stake + " ";
            }
        }
        return rows;
    }

    testing::CoreScene scene;
    Catalogue catalogue;
    P sheet;
};

// Row k of the sheet is every k-fold: a cover is a stake in the rows of the
// sizes it combines, and the sheet then counts the cover's bets.
TEST_F(NamedSystemTest, EachCoverStakesTheRowsOfItsSizes) {
    const struct {
        const char* key;
        int selections;
        const char* rows;
        const char* staked;  // the sheet's sum: bets x 1.5
    } covers[] = {{"trixie", 3, "2=1.5 3=1.5 ", "6"},
                  {"patent", 3, "1=1.5 2=1.5 3=1.5 ", "10.5"},
                  {"yankee", 4, "2=1.5 3=1.5 4=1.5 ", "16.5"},
                  {"lucky15", 4, "1=1.5 2=1.5 3=1.5 4=1.5 ", "22.5"},
                  {"canadian", 5, "2=1.5 3=1.5 4=1.5 5=1.5 ", "39"},
                  {"lucky31", 5, "1=1.5 2=1.5 3=1.5 4=1.5 5=1.5 ", "46.5"},
                  {"heinz", 6, "2=1.5 3=1.5 4=1.5 5=1.5 6=1.5 ", "85.5"},
                  {"lucky63", 6, "1=1.5 2=1.5 3=1.5 4=1.5 5=1.5 6=1.5 ", "94.5"},
                  {"super-heinz", 7, "2=1.5 3=1.5 4=1.5 5=1.5 6=1.5 7=1.5 ", "180"},
                  {"goliath", 8, "2=1.5 3=1.5 4=1.5 5=1.5 6=1.5 7=1.5 8=1.5 ", "370.5"}};
    EXPECT_EQ(FullCovers().size(), std::size(covers));
    for (const auto& cover : covers) {
        SCOPED_TRACE(cover.key);
        ClearParlaySheet(sheet, catalogue);
        Selections(cover.selections);
        sheet.selections.SetCell(P::kStakeCol, 12, "9");  // a stake the cover does not hold
        EXPECT_EQ(
            FillNamedSystem(sheet, *FindSlipKind(cover.key), "1.5", scene.services, catalogue),
            std::nullopt);
        EXPECT_EQ(StakedRows(), cover.rows);
        EXPECT_EQ(sheet.total_staked.text, cover.staked);
    }
}

TEST_F(NamedSystemTest, ACoverThatDoesNotFitChangesNothing) {
    Selections(4);
    sheet.selections.SetCell(P::kStakeCol, 1, "3");
    const P before = sheet;
    EXPECT_EQ(FillNamedSystem(sheet, *FindSlipKind("trixie"), "1", scene.services, catalogue),
              std::string(slip_captions::kWrongSelections.fallback) + " (Trixie: 3)");
    for (const char* unit : {"", "0", "abc"}) {
        EXPECT_EQ(FillNamedSystem(sheet, *FindSlipKind("yankee"), unit, scene.services, catalogue),
                  std::string(slip_captions::kBadUnit.fallback));
    }
    for (int row = 0; row < P::kRows; ++row) {
        for (int col = 0; col < P::kCols; ++col) {
            EXPECT_EQ(sheet.selections.Cell(col, row), before.selections.Cell(col, row));
        }
    }
    EXPECT_EQ(sheet.total_staked.text, before.total_staked.text);
}

}  // namespace
}  // namespace orvanta

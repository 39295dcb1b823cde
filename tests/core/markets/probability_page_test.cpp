#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/markets/probability_page.h"

namespace orvanta {
namespace {

using testing::CoreScene;

constexpr int kOdds = ProbabilityPage::kOddsRow;
constexpr int kShare = ProbabilityPage::kProbabilityRow;

class ProbabilityTest : public testing::SeparatorTest {
protected:
    ProbabilityTest() : scene(Sep()) { ClearProbability(page); }

    void SetOdds(const std::map<int, std::string>& odds) {
        for (const auto& [col, text] : odds) {
            page.outcomes.SetCell(col, kOdds, S(text));
        }
    }
    std::string Share(int col) const { return page.outcomes.Cell(col, kShare); }
    void ExpectBoxes(const std::string& margin, const std::string& return_percent,
                     const std::string& cut_percent) const {
        EXPECT_EQ(page.margin.text, S(margin));
        EXPECT_EQ(page.return_percent.text, S(return_percent));
        EXPECT_EQ(page.cut_percent.text, S(cut_percent));
    }

    CoreScene scene;
    ProbabilityPage page;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, ProbabilityTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST(ProbabilityLayout, GridShapeAndInitialTexts) {
    ProbabilityPage page;
    const TextGrid& grid = page.outcomes;
    EXPECT_EQ(grid.ColCount(), 15);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    for (int c = 0; c < 15; ++c) {
        EXPECT_EQ(grid.Cell(c, 0), std::to_string(c + 1));
        EXPECT_EQ(grid.ColWidth(c), 32);
    }
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(grid.RowHeight(r), 21);
    }

    CoreScene scene;
    ClearProbability(page);
    page.outcomes.SetCell(3, kOdds, "2");
    page.outcomes.SetCell(4, kOdds, "2");
    CalculateProbability(page, scene.services);
    ClearProbability(page);
    EXPECT_EQ(page.margin.text, "0");
    EXPECT_EQ(page.return_percent.text, "0");
    EXPECT_EQ(page.cut_percent.text, "0");
    for (int c = 0; c < 15; ++c) {
        EXPECT_EQ(grid.Cell(c, kOdds), "");
        EXPECT_EQ(grid.Cell(c, kShare), "");
        EXPECT_EQ(grid.Background(c, kShare), kColourLightGreen);
    }
}

struct ProbabilityCase {
    const char* name;
    std::map<int, std::string> odds;    // by column
    std::map<int, std::string> shares;  // by column; every other column blank
    const char* margin;
    const char* return_percent;
    const char* cut_percent;
};

TEST_P(ProbabilityTest, Books) {
    // clang-format off
    const ProbabilityCase cases[] = {
        // name                              odds                                      shares                                        margin    return   cut
        {"three-way market",                {{0, "2.10"}, {1, "3.40"}, {2, "3.50"}},  {{0, "45.09"}, {1, "27.85"}, {2, "27.05"}},  "5.6",    "94.69", "5.31"},
        {"fair coin",                       {{0, "2"}, {1, "2"}},                     {{0, "50"}, {1, "50"}},                      "0",      "100",   "0"},
        {"single outcome",                  {{0, "1.5"}},                             {{0, "100"}},                                "-33.33", "150",   "-50"},
        // The cut is 100 less a two-decimal figure and reads as one:
        // 100 - 97.93 is 2.06999999999999 to fifteen digits in double.
        {"cut of two decimals",             {{0, "4.20"}, {1, "3.70"}, {2, "1.95"}},  {{0, "23.32"}, {1, "26.47"}, {2, "50.22"}},  "2.12",   "97.93", "2.07"},
        {"cut of one hundredth",            {{0, "2.02"}, {1, "1.98"}},               {{0, "49.5"}, {1, "50.5"}},                  "0.01",   "99.99", "0.01"},
        {"columns apart",                   {{1, "2.10"}, {7, "3.40"}, {14, "3.50"}}, {{1, "45.09"}, {7, "27.85"}, {14, "27.05"}}, "5.6",    "94.69", "5.31"},
        {"odds typed with the other mark",  {{0, "2,10"}, {1, "3,40"}, {2, "3.50"}},  {{0, "45.09"}, {1, "27.85"}, {2, "27.05"}},  "5.6",    "94.69", "5.31"},
    };
    // clang-format on
    for (const ProbabilityCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProbability(page);
        SetOdds(c.odds);
        CalculateProbability(page, scene.services);
        ExpectBoxes(c.margin, c.return_percent, c.cut_percent);
        for (int col = 0; col < 15; ++col) {
            const auto it = c.shares.find(col);
            EXPECT_EQ(Share(col), it == c.shares.end() ? "" : S(it->second)) << "column " << col;
        }
    }
}

TEST_P(ProbabilityTest, OutcomeTakenOutOfTheBookLosesItsProbability) {
    SetOdds({{0, "1.9"}, {1, "1.9"}, {2, "5"}});
    CalculateProbability(page, scene.services);
    ASSERT_NE(Share(2), "");
    SetOdds({{2, ""}});
    CalculateProbability(page, scene.services);
    ExpectBoxes("5.26", "95", "5");
    EXPECT_EQ(Share(0), "50");
    EXPECT_EQ(Share(1), "50");
    EXPECT_EQ(Share(2), "");
}

TEST_P(ProbabilityTest, NoOddsChangesNothing) {
    SetOdds({{0, "2"}, {1, "2"}});
    CalculateProbability(page, scene.services);
    SetOdds({{0, ""}, {1, ""}});
    CalculateProbability(page, scene.services);
    ExpectBoxes("0", "100", "0");
    EXPECT_EQ(Share(0), "50");
    EXPECT_EQ(Share(1), "50");
}

TEST_P(ProbabilityTest, ZeroOrUnreadableOddsDividesByZeroBeforeWriting) {
    struct Case {
        const char* bad;
        int error_values;
    };
    // clang-format off
    const Case cases[] = {
        // odds     "Error Value" shown
        {"0",       0},
        {"0.0",     0},
        {".",       0},
        {"x",       1},
        {"1.2.3",   1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bad);
        ClearProbability(page);
        page.outcomes.SetCell(9, kShare, "stale");
        SetOdds({{0, "2"}, {4, c.bad}, {6, "2"}});
        scene.prompter.ExpectMessage("Error Value", c.error_values);
        try {
            CalculateProbability(page, scene.services);
            ADD_FAILURE() << "no error";
        } catch (const OperationError& e) {
            EXPECT_STREQ(e.what(), kDivisionByZero);
        }
        scene.prompter.VerifyAndClear();
        ExpectBoxes("0", "0", "0");
        for (int col = 0; col < 15; ++col) {
            EXPECT_EQ(Share(col), col == 9 ? "stale" : "") << col;
        }
    }
}

TEST_P(ProbabilityTest, ABookBeyondTheRangeStopsBeforeWriting) {
    // 100 / 1E-307 leaves the double range; no box may show "INF".
    SetOdds({{0, "2"}, {1, "0." + std::string(306, '0') + "1"}});
    try {
        CalculateProbability(page, scene.services);
        ADD_FAILURE() << "no error";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), kOverflow);
    }
    ExpectBoxes("0", "0", "0");
    EXPECT_EQ(Share(0), "");
    EXPECT_EQ(Share(1), "");
}

}  // namespace
}  // namespace orvanta

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/markets/method_choice.h"
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
    // Odds and PROBABILITY %, then the rows the margin methods and the value
    // of another bookmaker's prices added.
    EXPECT_EQ(grid.RowCount(), 7);
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

// The margin methods on the page. The expected figures were worked out apart
// from the program, by each method's definition with its parameter found by
// bisection to 1e-15.
struct MethodCase {
    MarginMethod method;
    const char* parameter;
    std::vector<std::string> shares;
    std::vector<std::string> fair_odds;
};

TEST_P(ProbabilityTest, EachMethodOnABook) {
    // clang-format off
    const MethodCase cases[] = {
        // The page's own arithmetic: shares from the rounded RETURN %, so 27.05
        // where the exact share is 27.0557.
        {MarginMethod::kProportional, "",               {"45.09", "27.85", "27.05"}, {"2.22", "3.59", "3.7"}},
        {MarginMethod::kAdditive,     "taken = 0.0187", {"45.75", "27.54", "26.7"},  {"2.19", "3.63", "3.74"}},
        {MarginMethod::kPower,        "k = 1.0538",     {"45.75", "27.54", "26.71"}, {"2.19", "3.63", "3.74"}},
        {MarginMethod::kShin,         "z = 0.0281",     {"45.58", "27.62", "26.8"},  {"2.19", "3.62", "3.73"}},
        {MarginMethod::kOddsRatio,    "c = 1.0896",     {"45.48", "27.66", "26.85"}, {"2.2", "3.62", "3.72"}},
    };
    // clang-format on
    for (const MethodCase& c : cases) {
        SCOPED_TRACE(std::string(MethodKey(c.method)));
        ClearProbability(page);
        page.method = c.method;
        SetOdds({{0, "2.10"}, {1, "3.40"}, {2, "3.50"}});
        CalculateProbability(page, scene.services);
        // The book's own figures do not depend on the method.
        ExpectBoxes("5.6", "94.69", "5.31");
        EXPECT_EQ(page.parameter.text, S(c.parameter));
        EXPECT_EQ(page.range_note.text, "");
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(Share(col), S(c.shares[col])) << col;
            EXPECT_EQ(page.outcomes.Cell(col, ProbabilityPage::kFairOddsRow), S(c.fair_odds[col]));
            EXPECT_EQ(page.outcomes.Background(col, kShare), kColourLightGreen);
        }
        EXPECT_EQ(page.outcomes.Cell(3, ProbabilityPage::kFairOddsRow), "");
    }
}

TEST_P(ProbabilityTest, WithTwoOutcomesShinTakesTheSameFromEach) {
    std::vector<std::string> shown[2];
    const MarginMethod methods[] = {MarginMethod::kShin, MarginMethod::kAdditive};
    for (int m = 0; m < 2; ++m) {
        ClearProbability(page);
        page.method = methods[m];
        SetOdds({{0, "1.50"}, {1, "2.60"}});
        CalculateProbability(page, scene.services);
        shown[m] = {Share(0), Share(1), page.outcomes.Cell(0, ProbabilityPage::kFairOddsRow),
                    page.outcomes.Cell(1, ProbabilityPage::kFairOddsRow)};
    }
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(shown[0][0], S("64.1"));
}

TEST_P(ProbabilityTest, AProbabilityOutOfRangeIsNotShownAsSound) {
    // Additive takes 1.44 points from each outcome; the long shot has 1.
    page.method = MarginMethod::kAdditive;
    SetOdds({{0, "1.2"}, {1, "5"}, {2, "100"}});
    page.outcomes.SetCell(2, ProbabilityPage::kOfferedRow, S("150"));
    CalculateProbability(page, scene.services);
    EXPECT_EQ(Share(2), S("-0.44"));
    EXPECT_EQ(page.outcomes.Background(2, kShare), kColourRed);
    EXPECT_EQ(page.outcomes.Cell(2, ProbabilityPage::kFairOddsRow), "");
    EXPECT_EQ(page.range_note.text, "out of range: 3");
    EXPECT_EQ(page.range_note.colour, kColourRed);
    // Nobody stakes on a probability that is no probability.
    EXPECT_EQ(page.outcomes.Cell(2, ProbabilityPage::kEdgeRow), "");
    EXPECT_EQ(page.outcomes.Cell(2, ProbabilityPage::kStakeRow), "");
    EXPECT_EQ(Share(0), S("81.89"));

    // Back to a sound method, the mark goes.
    page.method = MarginMethod::kPower;
    CalculateProbability(page, scene.services);
    EXPECT_EQ(Share(2), S("0.66"));
    EXPECT_EQ(page.outcomes.Background(2, kShare), kColourLightGreen);
    EXPECT_EQ(page.range_note.text, "");
    EXPECT_FALSE(page.range_note.colour);
}

TEST_P(ProbabilityTest, ABookTheMethodCannotTakeStopsBeforeWriting) {
    // One outcome is no book to take a margin out of but by proportion.
    page.method = MarginMethod::kShin;
    SetOdds({{0, "1.5"}});
    EXPECT_THROW(CalculateProbability(page, scene.services), OperationError);
    ExpectBoxes("0", "0", "0");
    EXPECT_EQ(Share(0), "");
}

struct KellyCase {
    const char* name;
    std::map<int, std::string> offered;
    const char* fraction;
    std::map<int, std::string> edges;
    std::map<int, std::string> stakes;
    const char* total;
    const char* growth;
};

TEST_P(ProbabilityTest, OfferedPricesGetTheirEdgeAndKellyStakes) {
    // The book 2.10, 3.40, 3.50 by proportion, a bankroll of 1000. Worked out
    // apart by the closed-form rule: outcomes 1 and 3 are taken, R = 0.8354;
    // outcome 2 at 2.90 is below it and gets nothing.
    // clang-format off
    const KellyCase cases[] = {
        {"two with an edge",      {{0, "2.40"}, {2, "4"}},              "1",   {{0, "8.22"}, {2, "8.22"}},                  {{0, "102.79"}, {2, "61.67"}},             "16.45", "0.6972"},
        {"one without",           {{0, "2.40"}, {1, "2.90"}, {2, "4"}}, "1",   {{0, "8.22"}, {1, "-19.23"}, {2, "8.22"}},   {{0, "102.79"}, {1, "0"}, {2, "61.67"}},   "16.45", "0.6972"},
        {"half Kelly",            {{0, "2.40"}, {2, "4"}},              "0.5", {{0, "8.22"}, {2, "8.22"}},                  {{0, "51.39"}, {2, "30.84"}},              "8.22",  "0.5171"},
        {"nothing worth a stake", {{1, "2.90"}},                        "1",   {{1, "-19.23"}},                             {{1, "0"}},                                "0",     "0"},
    };
    // clang-format on
    for (const KellyCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProbability(page);
        SetOdds({{0, "2.10"}, {1, "3.40"}, {2, "3.50"}});
        for (const auto& [col, odds] : c.offered) {
            page.outcomes.SetCell(col, ProbabilityPage::kOfferedRow, S(odds));
        }
        page.bankroll.text = "1000";
        page.kelly_fraction.text = S(c.fraction);
        CalculateProbability(page, scene.services);
        for (int col = 0; col < 15; ++col) {
            const auto edge = c.edges.find(col);
            const auto stake = c.stakes.find(col);
            EXPECT_EQ(page.outcomes.Cell(col, ProbabilityPage::kEdgeRow),
                      edge == c.edges.end() ? "" : S(edge->second))
                << col;
            EXPECT_EQ(page.outcomes.Cell(col, ProbabilityPage::kStakeRow),
                      stake == c.stakes.end() ? "" : S(stake->second))
                << col;
        }
        EXPECT_EQ(page.total_stake_percent.text, S(c.total));
        EXPECT_EQ(page.growth_percent.text, S(c.growth));
        // The book's figures stay those of the page.
        EXPECT_EQ(Share(2), S("27.05"));
    }
}

TEST_P(ProbabilityTest, ValueRowsThatCannotBeWorkedOutSaySoAndStayBlank) {
    struct Case {
        const char* name;
        const char* bankroll;
        const char* fraction;
        int offered_col;
        const char* offered;
        const char* message;
    };
    // clang-format off
    const Case cases[] = {
        {"no bankroll",            "",     "1",   0, "2.40", "The bankroll must be greater than 0."},
        {"a bankroll of 0",        "0",    "1",   0, "2.40", "The bankroll must be greater than 0."},
        {"a fraction of 0",        "1000", "0",   0, "2.40", "The Kelly fraction must be greater than 0 and at most 1."},
        {"a fraction above 1",     "1000", "1.5", 0, "2.40", "The Kelly fraction must be greater than 0 and at most 1."},
        {"offered odds of 1",      "1000", "1",   0, "1",    "Offered odds must be greater than 1."},
        {"offered odds below 1",   "1000", "1",   0, "0.5",  "Offered odds must be greater than 1."},
        {"a price without odds",   "1000", "1",   5, "2.40", "An offered price needs the odds of its outcome in the book."},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProbability(page);
        SetOdds({{0, "2.10"}, {1, "3.40"}, {2, "3.50"}});
        // Figures of an earlier calculation would pass for this one's.
        page.outcomes.SetCell(2, ProbabilityPage::kOfferedRow, S("4"));
        CalculateProbability(page, scene.services);
        ASSERT_NE(page.outcomes.Cell(2, ProbabilityPage::kStakeRow), "");
        page.bankroll.text = S(c.bankroll);
        page.kelly_fraction.text = S(c.fraction);
        page.outcomes.SetCell(c.offered_col, ProbabilityPage::kOfferedRow, S(c.offered));
        scene.prompter.ExpectMessage(c.message);
        CalculateProbability(page, scene.services);
        scene.prompter.VerifyAndClear();
        for (int col = 0; col < 15; ++col) {
            EXPECT_EQ(page.outcomes.Cell(col, ProbabilityPage::kEdgeRow), "") << col;
            EXPECT_EQ(page.outcomes.Cell(col, ProbabilityPage::kStakeRow), "") << col;
        }
        EXPECT_EQ(page.total_stake_percent.text, "");
        EXPECT_EQ(page.growth_percent.text, "");
        // The book itself is still worked out.
        EXPECT_EQ(Share(0), S("45.09"));
    }
}

TEST(ProbabilityLayout, WithTheNewFieldsEmptyThePageIsWhatItWas) {
    CoreScene scene;
    ProbabilityPage page;
    ClearProbability(page);
    EXPECT_EQ(page.bankroll.text, "100");
    EXPECT_EQ(page.kelly_fraction.text, "1");
    page.outcomes.SetCell(0, kOdds, "2.10");
    page.outcomes.SetCell(1, kOdds, "3.40");
    CalculateProbability(page, scene.services);
    EXPECT_EQ(page.parameter.text, "");
    EXPECT_EQ(page.range_note.text, "");
    EXPECT_EQ(page.total_stake_percent.text, "");
    EXPECT_EQ(page.growth_percent.text, "");
    for (int c = 0; c < 15; ++c) {
        EXPECT_EQ(page.outcomes.Cell(c, ProbabilityPage::kEdgeRow), "");
        EXPECT_EQ(page.outcomes.Cell(c, ProbabilityPage::kStakeRow), "");
    }
}

TEST(MethodChoice, IsRememberedAndAnythingElseIsProportional) {
    CoreScene scene;
    const std::string folder = scene.folder.Path();
    EXPECT_EQ(RememberedMethod(folder), MarginMethod::kProportional);
    for (MarginMethod method : MarginMethods()) {
        RememberMethod(folder, method, nullptr);
        EXPECT_EQ(RememberedMethod(folder), method);
    }
    for (const std::string& bytes : std::vector<std::string>{
             "", "shin shin", std::string("shin\0", 5), std::string(100000, 'x'), "\xff\xfe"}) {
        scene.folder.Write(kMethodChoiceFile, bytes);
        EXPECT_EQ(RememberedMethod(folder), MarginMethod::kProportional) << bytes.size();
    }
    scene.folder.Write(kMethodChoiceFile, "odds-ratio\r\n");
    EXPECT_EQ(RememberedMethod(folder), MarginMethod::kOddsRatio);
}

}  // namespace
}  // namespace orvanta

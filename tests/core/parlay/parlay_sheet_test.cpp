#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {
namespace {

using testing::CoreScene;
using testing::WithSeparator;
using P = ParlaySheet;

// The texts of every cell, to show that an operation changed nothing.
std::vector<std::string> Texts(const TextGrid& grid) {
    std::vector<std::string> texts;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            texts.push_back(grid.Cell(col, row));
        }
    }
    return texts;
}

// Columns 5 to 8 of a row.
std::vector<std::string> Results(const ParlaySheet& sheet, int row) {
    std::vector<std::string> out;
    for (int col = P::kCombinationsCol; col <= P::kProfitCol; ++col) {
        out.push_back(sheet.selections.Cell(col, row));
    }
    return out;
}

using Row = std::vector<std::string>;

// A cleared sheet under one separator, filled in as the user would; number
// texts are written with "." for the separator.
class SheetScene {
protected:
    explicit SheetScene(char separator) : scene(separator) { ClearParlaySheet(sheet, Catalogue()); }

    TextGrid& Grid() { return sheet.selections; }
    std::string WithSep(const std::string& text) const {
        return WithSeparator(text, scene.services.separator);
    }
    void Odds(int row, const std::string& text) { Grid().SetCell(P::kOddsCol, row, WithSep(text)); }
    void Stake(int row, const std::string& text) {
        Grid().SetCell(P::kStakeCol, row, WithSep(text));
    }
    void Lost(int row) { Grid().SetCell(P::kResultCol, row, kParlayLost); }
    void Banker(int row) { Grid().SetChecked(P::kBankerCol, row, true); }
    Row Expect(Row texts) const {
        for (std::string& t : texts) {
            t = WithSep(t);
        }
        return texts;
    }
    Row Sums() const {
        return {sheet.total_staked.text, sheet.total_returned.text, sheet.total_profit.text};
    }

    CoreScene scene;
    ParlaySheet sheet;
};

class ParlaySheetTest : public testing::SeparatorTest, protected SheetScene {
protected:
    ParlaySheetTest() : SheetScene(Sep()) {}
};

INSTANTIATE_TEST_SUITE_P(BothMarks, ParlaySheetTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST_P(ParlaySheetTest, StartStateAndLayout) {
    const TextGrid& grid = sheet.selections;
    EXPECT_EQ(grid.ColCount(), 9);
    EXPECT_EQ(grid.RowCount(), 16);
    EXPECT_EQ(grid.FixedRows(), 1);
    const int widths[] = {29, 90, 50, 60, 79, 70, 64, 80, 70};
    for (int col = 0; col < 9; ++col) {
        EXPECT_EQ(grid.ColWidth(col), widths[col]);
        EXPECT_EQ(grid.Cell(col, 0), "");
    }
    for (int row = 0; row < 16; ++row) {
        EXPECT_EQ(grid.RowHeight(row), 21);
    }
    for (int row = 1; row <= 15; ++row) {
        EXPECT_TRUE(grid.HasCheckBox(P::kBankerCol, row));
        EXPECT_FALSE(grid.IsChecked(P::kBankerCol, row));
        EXPECT_EQ(grid.Cell(P::kResultCol, row), "WIN");
        EXPECT_EQ(grid.Cell(P::kSystemSizeCol, row), std::to_string(row));
        for (int col = 0; col < 9; ++col) {
            const bool input = col == P::kBankerCol || col == P::kOddsCol || col == P::kStakeCol;
            EXPECT_EQ(grid.Background(col, row).has_value(), input) << col << "," << row;
        }
    }
    EXPECT_EQ(Sums(), (Row{"0", "0", "0"}));
}

TEST_P(ParlaySheetTest, InitClearsEverythingAndReadsTheHeaders) {
    Odds(1, "2");
    Stake(3, "5");
    Lost(2);
    Banker(4);
    Grid().SetCell(P::kProfitCol, 6, "12");
    scene.folder.Write("Orvanta_EN.ini",
                       "[FrmMain]\nColumnHeaders_0=Banker\nColumnHeaders_8=Profit\n");
    ClearParlaySheet(sheet, Catalogue(scene.folder / "Orvanta_EN.ini"));
    EXPECT_EQ(Grid().Cell(0, 0), "Banker");
    EXPECT_EQ(Grid().Cell(8, 0), "Profit");
    EXPECT_EQ(Grid().Cell(1, 0), "");
    EXPECT_EQ(Grid().Cell(P::kOddsCol, 1), "");
    EXPECT_EQ(Grid().Cell(P::kStakeCol, 3), "");
    EXPECT_EQ(Grid().Cell(P::kResultCol, 2), "WIN");
    EXPECT_FALSE(Grid().IsChecked(P::kBankerCol, 4));
    EXPECT_EQ(Grid().Cell(P::kProfitCol, 6), "");
}

TEST_P(ParlaySheetTest, WorkedExample) {
    Odds(1, "2.00");
    Odds(2, "1.50");
    Odds(3, "3.00");
    Lost(3);
    Stake(1, "10");
    Stake(2, "10");
    Stake(3, "5");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 1), (Row{"3", "30", "35", "5"}));
    EXPECT_EQ(Results(sheet, 2), (Row{"3", "30", "30", "0"}));
    EXPECT_EQ(Results(sheet, 3), (Row{"1", "5", "0", "-5"}));
    EXPECT_EQ(Results(sheet, 4), (Row{"", "", "", ""}));
    EXPECT_EQ(Sums(), (Row{"65", "65", "0"}));
}

TEST_P(ParlaySheetTest, WorkedExampleWithABanker) {
    Odds(1, "2.00");
    Odds(2, "1.50");
    Odds(3, "3.00");
    Lost(3);
    Banker(1);
    Stake(1, "1");
    Stake(2, "1");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 1), (Row{"1", "1", "2", "1"}));
    EXPECT_EQ(Results(sheet, 2), (Row{"2", "2", "3", "1"}));
    EXPECT_EQ(Results(sheet, 3), (Row{"", "", "", ""}));
    EXPECT_EQ(Sums(), (Row{"3", "5", "2"}));

    const SystemPayout doubles = SystemReturn(sheet, 2, scene.services);
    EXPECT_EQ(doubles.total, 3.0);
    EXPECT_EQ(doubles.count, 2);
}

TEST_P(ParlaySheetTest, FractionalResultsUseTheSeparator) {
    Odds(1, "1.85");
    Odds(2, "2.10");
    Stake(2, "2.5");
    CalculateParlaySheet(sheet, scene.services);
    // 1.85 x 2.10 x 2.5 in double, cut to 15 significant digits.
    EXPECT_EQ(Results(sheet, 2), Expect({"1", "2.5", "9.7125", "7.2125"}));
}

TEST_P(ParlaySheetTest, EmptySheetClearsTheResultsAndZeroesTheSums) {
    for (int row = 1; row <= 15; ++row) {
        for (int col = P::kCombinationsCol; col <= P::kProfitCol; ++col) {
            Grid().SetCell(col, row, "7");
        }
    }
    sheet.total_staked.text = sheet.total_returned.text = sheet.total_profit.text = "99";
    CalculateParlaySheet(sheet, scene.services);
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(Results(sheet, row), (Row{"", "", "", ""})) << row;
    }
    EXPECT_EQ(Sums(), (Row{"0", "0", "0"}));
}

TEST_P(ParlaySheetTest, AGapInTheOddsShowsTheMessageAndChangesNothing) {
    Odds(1, "2");
    Odds(2, "3");
    Odds(4, "4");
    Stake(1, "1");
    Grid().SetCell(P::kCombinationsCol, 1, "old");
    Grid().SetCell(P::kProfitCol, 9, "old");
    sheet.total_returned.text = "old";
    const auto before = Texts(Grid());
    scene.prompter.ExpectMessage("Warnig..fill with the odds from the first cell");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Texts(Grid()), before);
    EXPECT_EQ(sheet.total_returned.text, "old");
}

TEST_P(ParlaySheetTest, AStakeBelowTheLastOddsRowClearsItsResults) {
    Odds(1, "2");
    Odds(2, "3");
    Stake(3, "10");
    for (int col = P::kCombinationsCol; col <= P::kProfitCol; ++col) {
        Grid().SetCell(col, 3, "old");
    }
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 3), (Row{"", "", "", ""}));
    EXPECT_EQ(Sums(), (Row{"0", "0", "0"}));
}

TEST_P(ParlaySheetTest, MoreBankersThanTheSystemSizeGiveZeros) {
    Odds(1, "2");
    Odds(2, "3");
    Odds(3, "4");
    Banker(1);
    Banker(2);
    Stake(1, "10");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 1), (Row{"0", "0", "0", "0"}));
}

TEST_P(ParlaySheetTest, AllBankersPayTheirProductWhenAllWon) {
    Odds(1, "2");
    Odds(2, "1.5");
    Odds(3, "3");
    Odds(4, "1.1");
    for (int row = 1; row <= 4; ++row) {
        Banker(row);
    }
    Stake(4, "1");
    CalculateParlaySheet(sheet, scene.services);
    const double product = 2.0 * 1.5 * 3.0 * 1.1;
    EXPECT_EQ(Grid().Cell(P::kCombinationsCol, 4), "1");
    EXPECT_EQ(Grid().Cell(P::kReturnCol, 4), NumberToText(product, Sep()));
    EXPECT_EQ(Grid().Cell(P::kTotalStakeCol, 4), "1");
}

// A banker is in every combination: when one is LOST, every combination of
// every system size loses, and only the counts and stakes are left.
struct LostBankerCase {
    const char* name;
    std::vector<const char*> odds;  // rows 1, 2, ...
    std::vector<int> bankers;
    std::vector<int> lost;
    std::vector<std::pair<int, const char*>> stakes;
    std::vector<std::pair<int, Row>> results;  // by row: combinations to profit
    Row sums;
};

void PrintTo(const LostBankerCase& c, std::ostream* out) {
    *out << c.name;
}

class LostBankerTest : public testing::SeparatorTableTest<LostBankerCase>, protected SheetScene {
protected:
    LostBankerTest() : SheetScene(Sep()) {}
};

TEST_P(LostBankerTest, LosesEveryCombination) {
    const LostBankerCase& c = TableCase();
    for (std::size_t i = 0; i < c.odds.size(); ++i) {
        Odds(static_cast<int>(i) + 1, c.odds[i]);
    }
    for (int row : c.bankers) {
        Banker(row);
    }
    for (int row : c.lost) {
        Lost(row);
    }
    for (const auto& [row, text] : c.stakes) {
        Stake(row, text);
    }
    CalculateParlaySheet(sheet, scene.services);
    for (const auto& [row, texts] : c.results) {
        EXPECT_EQ(Results(sheet, row), texts) << "row " << row;
    }
    EXPECT_EQ(Sums(), c.sums);
}

const LostBankerCase kLostBankerCases[] = {
    {"WorkedExample",
     {"2.00", "1.50", "3.00"},
     {1},
     {1},
     {{2, "1"}},
     {{2, {"2", "2", "0", "-2"}}},
     {"2", "0", "-2"}},
    // Everything else won: counting the banker as won, doubles and trebles
    // would show a profit on a sheet that lost every stake.
    {"FiveSelectionsDoublesAndTrebles",
     {"1.5", "2", "1.8", "2.2", "1.6"},
     {1},
     {1},
     {{2, "1"}, {3, "1"}},
     {{2, {"4", "4", "0", "-4"}}, {3, {"6", "6", "0", "-6"}}},
     {"10", "0", "-10"}},
    {"OneLostAmongTwoBankers",
     {"2", "3", "4", "5"},
     {1, 3},
     {3},
     {{1, "5"}, {2, "1"}, {3, "2"}, {4, "1"}},
     {{1, {"0", "0", "0", "0"}},
      {2, {"1", "1", "0", "-1"}},
      {3, {"2", "4", "0", "-4"}},
      {4, {"1", "1", "0", "-1"}}},
     {"6", "0", "-6"}},
    {"AllBankersOneLost",
     {"2", "1.5", "3", "1.1"},
     {1, 2, 3, 4},
     {4},
     {{4, "1"}},
     {{4, {"1", "1", "0", "-1"}}},
     {"1", "0", "-1"}},
};

INSTANTIATE_TEST_SUITE_P(Table, LostBankerTest, testing::BothSeparators(kLostBankerCases),
                         testing::SeparatorTableName<LostBankerCase>);

TEST_P(ParlaySheetTest, FifteenEvensWithAStakeOnTheSevenFolds) {
    for (int row = 1; row <= 15; ++row) {
        Odds(row, "2");
    }
    Stake(7, "1");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 7), (Row{"6435", "6435", "823680", "817245"}));
    EXPECT_EQ(6435 * 128, 823680);
    EXPECT_EQ(Sums(), (Row{"6435", "823680", "817245"}));
}

// Two odds of 1E200 make a double worth 1E400, beyond the double range: the
// calculation stops there with the overflow report, rather than showing "INF"
// and then counting it as 0 in the sums.
TEST_P(ParlaySheetTest, AReturnBeyondTheRangeStopsTheCalculation) {
    const std::string huge = "1" + std::string(200, '0');
    Odds(1, huge);
    Odds(2, huge);
    Stake(2, "1");
    for (int col = P::kCombinationsCol; col <= P::kProfitCol; ++col) {
        Grid().SetCell(col, 2, "old");
    }
    try {
        CalculateParlaySheet(sheet, scene.services);
        ADD_FAILURE() << "no error";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), kOverflow);
    }
    EXPECT_EQ(Results(sheet, 2), (Row{"old", "old", "old", "old"}));
    EXPECT_EQ(Sums(), (Row{"0", "0", "0"}));
}

TEST_P(ParlaySheetTest, RemovingAStakeKeepsTheOldCountOfCombinations) {
    Odds(1, "2");
    Odds(2, "3");
    Stake(1, "1");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 1), (Row{"2", "2", "5", "3"}));
    Stake(1, "");
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 1), (Row{"2", "", "", ""}));
}

TEST_P(ParlaySheetTest, ABadStakeShowsErrorValueTwiceAndCountsZero) {
    Odds(1, "2");
    Odds(2, "3");
    Grid().SetCell(P::kStakeCol, 1, "1.2.3");
    scene.prompter.ExpectMessage("Error Value", 2);
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(Results(sheet, 1), (Row{"2", "0", "0", "0"}));
}

TEST_P(ParlaySheetTest, BadOddsShowErrorValueOncePerCalculatedRowAndReplaceInTheProduct) {
    Grid().SetCell(P::kOddsCol, 1, "x");
    Odds(2, "3");
    Odds(3, "4");
    Stake(2, "1");
    Stake(3, "1");
    scene.prompter.ExpectMessage("Error Value", 2);
    CalculateParlaySheet(sheet, scene.services);
    // The odds read as 0, and a product that is not positive takes the next
    // factor instead of becoming 0: {x,3} pays 3, {x,4} pays 4, {3,4} pays 12.
    EXPECT_EQ(Results(sheet, 2), (Row{"3", "3", "19", "16"}));
    // {x,3,4}: 3 x 4.
    EXPECT_EQ(Results(sheet, 3), (Row{"1", "1", "12", "11"}));
}

TEST(SumCombinations, SmallCasesByHand) {
    struct Case {
        const char* name;
        std::vector<Selection> others;
        int m;
        double bankers;
        double total;
        long long count;
    };
    // clang-format off
    const Case cases[] = {
        // name                       others                                  m   bankers  total      count
        {"Singles",                   {{2, true}, {1.5, true}, {3, false}},   1,  0,       3.5,       3},
        {"Doubles",                   {{2, true}, {1.5, true}, {3, false}},   2,  0,       3,         3},
        {"BankerTimesEach",           {{1.5, true}, {3, false}},              1,  2,       3,         2},
        {"BankersAlone",              {{1.5, true}},                          0,  6,       6,         1},
        {"TooManyBankers",            {{1.5, true}},                          -1, 6,       0,         0},
        {"LargerThanTheList",         {{1.5, true}},                          2,  0,       0,         0},
        {"AllLost",                   {{2, false}, {3, false}},               1,  0,       0,         2},
        {"ZeroOddsAreReplaced",       {{0, true}, {2, true}, {3, true}},      2,  0,       2 + 3 + 6, 3},
        {"ZeroBankerIsNoBanker",      {{2, true}, {3, true}},                 1,  0,       5,         2},
        {"NegativeOddsAreReplaced",   {{2, true}, {-1, true}, {3, true}},     3,  0,       3,         1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SystemPayout r = SumCombinations(c.others, c.m, c.bankers);
        EXPECT_EQ(r.total, c.total);
        EXPECT_EQ(r.count, c.count);
    }
}

// The enumeration written the plain way: every combination by recursion in
// lexicographic order, its product formed from scratch in index order.
void Reference(const std::vector<Selection>& list, int m, double bankers, std::size_t from,
               std::vector<std::size_t>& chosen, SystemPayout& out) {
    if (static_cast<int>(chosen.size()) == m) {
        ++out.count;
        double q = 0;
        for (std::size_t i : chosen) {
            if (!list[i].won) {
                return;
            }
            q = q > 0 ? q * list[i].odds : list[i].odds;
        }
        out.total += bankers > 0 ? q * bankers : q;
        return;
    }
    for (std::size_t i = from; i < list.size(); ++i) {
        chosen.push_back(i);
        Reference(list, m, bankers, i + 1, chosen, out);
        chosen.pop_back();
    }
}

TEST(SystemReturn, MatchesThePlainEnumerationToTheLastBit) {
    std::mt19937 random(20080315);
    for (int trial = 0; trial < 60; ++trial) {
        CoreScene scene;
        ParlaySheet sheet;
        ClearParlaySheet(sheet, Catalogue());
        TextGrid& grid = sheet.selections;
        const int n = 1 + static_cast<int>(random() % 15);
        double bankers = 0;
        int banker_count = 0;
        bool banker_lost = false;
        std::vector<Selection> others;
        for (int row = 1; row <= n; ++row) {
            // Two decimals as typed, now and then a zero to exercise the
            // replace rule.
            const int hundredths = random() % 9 == 0 ? 0 : 101 + static_cast<int>(random() % 900);
            const std::string text = std::to_string(hundredths / 100) + "." +
                                     std::to_string(hundredths % 100 / 10) +
                                     std::to_string(hundredths % 10);
            grid.SetCell(P::kOddsCol, row, text);
            const double odds = ParseNumberText(text, '.').value();
            const bool won = random() % 4 != 0;
            grid.SetCell(P::kResultCol, row, won ? "WIN" : "LOST");
            if (random() % 5 == 0) {
                grid.SetChecked(P::kBankerCol, row, true);
                bankers = bankers > 0 ? bankers * odds : odds;
                ++banker_count;
                banker_lost = banker_lost || !won;
            } else {
                others.push_back({odds, won});
            }
        }
        for (int k = 1; k <= n; ++k) {
            SystemPayout expected;
            const int m = k - banker_count;
            if (m == 0) {
                expected = {bankers, 1};
            } else if (m > 0) {
                std::vector<std::size_t> chosen;
                Reference(others, m, bankers, 0, chosen, expected);
            }
            // A lost banker is in every combination: none of them pays.
            if (banker_lost) {
                expected.total = 0;
            }
            const SystemPayout got = SystemReturn(sheet, k, scene.services);
            EXPECT_EQ(got.total, expected.total) << "trial " << trial << " k " << k;
            EXPECT_EQ(got.count, expected.count) << "trial " << trial << " k " << k;
        }
    }
}

class ParlayEventsTest : public ::testing::Test {
protected:
    ParlayEventsTest() { ClearParlaySheet(sheet, catalogue); }

    CoreScene scene;
    Catalogue catalogue;
    ParlaySheet sheet;
};

// The keyboard reaches every cell the user acts on, the banker box and the
// result included; only the odds and the stakes take typing.
TEST_F(ParlayEventsTest, TheCellsTheCurrentCellReachesAndTheCellsTypedInto) {
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 9; ++col) {
            const bool data = row >= 1;
            EXPECT_EQ(MayBeCurrentCell(col, row),
                      data && (col == 0 || col == 1 || col == 2 || col == 4))
                << col << "," << row;
            EXPECT_EQ(IsTypedCell(col, row), data && (col == 1 || col == 4)) << col << "," << row;
        }
    }
    // The header row's result cell is no result: pressing it flips nothing.
    const auto before = Texts(sheet.selections);
    ToggleResult(sheet, 0, catalogue, scene.services);
    EXPECT_FALSE(PressCell(sheet, P::kResultCol, 0, catalogue, scene.services));
    EXPECT_EQ(Texts(sheet.selections), before);
}

TEST_F(ParlayEventsTest, PressingAResultFlipsItAndOtherCellsAreLeftToTheGrid) {
    TextGrid& grid = sheet.selections;
    EXPECT_TRUE(PressCell(sheet, P::kResultCol, 3, catalogue, scene.services));
    EXPECT_EQ(grid.Cell(P::kResultCol, 3), "LOST");
    ToggleResult(sheet, 3, catalogue, scene.services);
    EXPECT_EQ(grid.Cell(P::kResultCol, 3), "WIN");
    const auto before = Texts(grid);
    for (int col : {P::kBankerCol, P::kOddsCol, P::kStakeCol, P::kProfitCol}) {
        EXPECT_FALSE(PressCell(sheet, col, 3, catalogue, scene.services)) << col;
    }
    EXPECT_EQ(Texts(grid), before);
    // Anything but "WIN" becomes "WIN".
    grid.SetCell(P::kResultCol, 4, "");
    ToggleResult(sheet, 4, catalogue, scene.services);
    EXPECT_EQ(grid.Cell(P::kResultCol, 4), "WIN");
}

TEST_F(ParlayEventsTest, ABankerMadeLostIsPointedOut) {
    TextGrid& grid = sheet.selections;
    grid.SetChecked(P::kBankerCol, 2, true);
    scene.prompter.ExpectMessage("Standart Lost");
    ToggleResult(sheet, 2, catalogue, scene.services);
    EXPECT_EQ(grid.Cell(P::kResultCol, 2), "LOST");
    scene.prompter.VerifyAndClear();
    ToggleResult(sheet, 2, catalogue, scene.services);
    EXPECT_EQ(grid.Cell(P::kResultCol, 2), "WIN");

    // The text comes from the catalogue when there is one.
    scene.folder.Write("Orvanta_EN.ini", "[Message]\nStandartLost=Banker lost\n");
    const Catalogue english(scene.folder / "Orvanta_EN.ini");
    scene.prompter.ExpectMessage("Banker lost");
    ToggleResult(sheet, 2, english, scene.services);
}

TEST_F(ParlayEventsTest, CheckingALostRowShowsTheMessageAndStaysChecked) {
    TextGrid& grid = sheet.selections;
    grid.SetCell(P::kResultCol, 5, "LOST");
    scene.prompter.ExpectMessage("Standart Lost");
    ToggleCheckBox(sheet, P::kBankerCol, 5, catalogue, scene.services);
    EXPECT_TRUE(grid.IsChecked(P::kBankerCol, 5));
    scene.prompter.VerifyAndClear();
    // Unchecking, and checking a WIN row, say nothing.
    ToggleCheckBox(sheet, P::kBankerCol, 5, catalogue, scene.services);
    EXPECT_FALSE(grid.IsChecked(P::kBankerCol, 5));
    ToggleCheckBox(sheet, P::kBankerCol, 6, catalogue, scene.services);
    EXPECT_TRUE(grid.IsChecked(P::kBankerCol, 6));
    // A cell without a box is left alone.
    ToggleCheckBox(sheet, P::kOddsCol, 6, catalogue, scene.services);
    EXPECT_FALSE(grid.HasCheckBox(P::kOddsCol, 6));
}

// A key typed into the sheet as the grid handles it: the number key filter,
// then on Enter the sheet's rule for the row.
struct TypedKey {
    std::optional<char> key;
    int row;
};
TypedKey Type(int col, int row, const std::string& text, char typed, char separator) {
    const std::optional<char> key = FilterNumberKey(typed, separator);
    return {key, key == kKeyEnter ? RowAfterEnter(col, row, text) : row};
}

TEST(ParlayEvents, KeysAndTheEnterRule) {
    struct Case {
        const char* name;
        int col;
        int row;
        const char* text;
        char typed;
        char separator;
        std::optional<char> key;
        int new_row;
    };
    // clang-format off
    const Case cases[] = {
        // name                        col row  text   typed          sep  key            new row
        {"EnterInOdds",                1,  3,   "2.5", kKeyEnter,     '.', kKeyEnter,     4},
        {"EnterInEmptyOddsStays",      1,  3,   "",    kKeyEnter,     '.', kKeyEnter,     3},
        {"EnterInStake",               4,  3,   "10",  kKeyEnter,     '.', kKeyEnter,     4},
        {"EnterInEmptyStake",          4,  3,   "",    kKeyEnter,     '.', kKeyEnter,     4},
        {"StakeWrapsFromTheLastRow",   4,  15,  "",    kKeyEnter,     '.', kKeyEnter,     1},
        {"OddsWrapFromTheLastRow",     1,  15,  "3",   kKeyEnter,     '.', kKeyEnter,     1},
        {"EnterInBankerStays",         0,  3,   "x",   kKeyEnter,     '.', kKeyEnter,     3},
        {"DigitPasses",                1,  3,   "",    '7',           '.', '7',           3},
        {"PointBecomesComma",          1,  3,   "2",   '.',           ',', ',',           3},
        {"CommaBecomesPoint",          4,  3,   "2",   ',',           '.', '.',           3},
        {"LetterDropped",              1,  3,   "",    'a',           '.', std::nullopt,  3},
        {"MinusDropped",               4,  3,   "",    '-',           '.', std::nullopt,  3},
        {"BackspacePasses",            4,  3,   "1",   kKeyBackspace, '.', kKeyBackspace, 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TypedKey typed = Type(c.col, c.row, c.text, c.typed, c.separator);
        EXPECT_EQ(typed.key, c.key);
        EXPECT_EQ(typed.row, c.new_row);
    }
}

}  // namespace
}  // namespace orvanta

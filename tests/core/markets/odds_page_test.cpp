#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "common/temp_folder.h"
#include "core/base/operation_error.h"
#include "core/markets/odds_page.h"
#include "core/numeric/number_text.h"

namespace orvanta {
namespace {

using testing::CoreScene;
using Row = std::array<const char*, 6>;

class OddsTest : public testing::SeparatorTest {
protected:
    OddsTest() : scene(Sep()) { ClearOdds(page, catalogue); }

    // Home wins, draws, losses, then away wins, draws, losses.
    void SetCounts(const std::array<const char*, 6>& counts) {
        for (int i = 0; i < 6; ++i) {
            page.records.SetCell(1 + i % 3, 1 + i / 3, S(counts[static_cast<std::size_t>(i)]));
        }
    }
    void ExpectRow(int row, const Row& texts) const {
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(page.prices.Cell(c, row), S(texts[static_cast<std::size_t>(c - 1)]))
                << "column " << c << ", row " << row;
        }
    }

    Catalogue catalogue;
    CoreScene scene;
    OddsPage page;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, OddsTest, ::testing::Values('.', ','), testing::SeparatorName);

TEST(OddsLayout, GridShapesAndInitialTexts) {
    OddsPage page;
    EXPECT_EQ(page.records.ColCount(), 4);
    EXPECT_EQ(page.records.RowCount(), 3);
    EXPECT_EQ(page.records.FixedRows(), 1);
    EXPECT_EQ(page.records.FixedCols(), 1);
    const int widths[] = {120, 70, 100, 70};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(page.records.ColWidth(c), widths[c]);
    }
    EXPECT_EQ(page.prices.ColCount(), 7);
    EXPECT_EQ(page.prices.RowCount(), 5);
    EXPECT_EQ(page.prices.FixedRows(), 1);
    EXPECT_EQ(page.prices.FixedCols(), 1);
    EXPECT_EQ(page.prices.ColWidth(0), 120);
    const char* headers[] = {"1", "X", "2", "1X", "12", "X2"};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(page.prices.ColWidth(c), 50);
        EXPECT_EQ(page.prices.Cell(c, 0), headers[c - 1]);
    }
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(page.records.RowHeight(r), 21);
    }
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(page.prices.RowHeight(r), 21);
    }

    // Clear after a calculation.
    CoreScene scene;
    const Catalogue defaults;
    ClearOdds(page, defaults);
    for (int i = 0; i < 6; ++i) {
        page.records.SetCell(1 + i % 3, 1 + i / 3, "4");
    }
    page.cut_percent.text = "5";
    CalculateOdds(page, scene.services, defaults);
    ClearOdds(page, defaults);
    EXPECT_EQ(page.cut_percent.text, "0");
    const char* input_headers[3][4] = {{"RESULT", "WINS", "DRAWS", "LOSSES"},
                                       {"HOME TEAM", "", "", ""},
                                       {"AWAY TEAM", "", "", ""}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(page.records.Cell(c, r), input_headers[r][c]) << c << "," << r;
        }
    }
    const char* row_captions[] = {"EU DECIMAL", "UK FRACTIONAL", "US WHOLE +,-", "PROBABILITY(%)"};
    const GridColour colours[] = {kColourLightCyan, kColourLightGreen, kColourLightYellow,
                                  kColourLightCyan};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(page.prices.Cell(0, r), row_captions[r - 1]);
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(page.prices.Cell(c, r), "") << c << "," << r;
            EXPECT_EQ(page.prices.Background(c, r), colours[r - 1]) << c << "," << r;
        }
    }
}

TEST(OddsLayout, HeadersComeFromTheCatalogue) {
    testing::TempFolder folder;
    folder.Write("Orvanta_EN.ini",
                 "[FrmMain]\nAdvOddsColumnHeaders_2=TIES\nAdvOddsRowHeaders_2=GUESTS\n"
                 "AdvOdds1RowHeaders_3=US\n[Message]\nWriteValueFrom=Fill in\n");
    const Catalogue catalogue(folder / "Orvanta_EN.ini");
    OddsPage page;
    ClearOdds(page, catalogue);
    EXPECT_EQ(page.records.Cell(2, 0), "TIES");
    EXPECT_EQ(page.records.Cell(0, 2), "GUESTS");
    EXPECT_EQ(page.records.Cell(1, 0), "WINS");
    EXPECT_EQ(page.prices.Cell(0, 3), "US");

    // The message names the blank cell by the headers the grid shows.
    CoreScene scene;
    for (int i = 0; i < 6; ++i) {
        page.records.SetCell(1 + i % 3, 1 + i / 3, "1");
    }
    page.records.SetCell(2, 2, "");
    scene.prompter.ExpectMessage("Fill in  :GUESTS TIES");
    CalculateOdds(page, scene.services, catalogue);
}

struct PricingCase {
    const char* name;
    std::array<const char*, 6> counts;  // home W, D, L, away W, D, L
    const char* cut_percent;
    Row decimal, fraction, us, probability;
};

TEST_P(OddsTest, Pricing) {
    // Each case is laid out as the prices grid shows it: EU decimal, UK
    // fractional, US whole and probability rows under "1" "X" "2" "1X" "12" "X2".
    // clang-format off
    const PricingCase cases[] = {
        {"records without cut",          {"10", "5", "5", "6", "6", "8"}, "0",
            {"2.22",  "3.64", "3.64", "1.38", "1.38", "1.82"},
            {"11/9",  "13/5", "13/5", "3/8",  "3/8",  "9/11"},
            {"122",   "260",  "260",  "-267", "-267", "-122"},
            {"45",    "27",   "27",   "72",   "72",   "54"}},
        // The draw's share lands on exactly 27.5 and goes up to the even 28.
        {"cut 6",                        {"10", "5", "5", "6", "6", "8"}, "6",
            {"2.09",  "3.42", "3.42", "1.3",  "1.3",  "1.71"},
            {"12/11", "12/5", "12/5", "3/10", "3/10", "5/7"},
            {"109",   "240",  "240",  "-333", "-333", "-140"},
            {"45",    "28",   "28",   "73",   "73",   "56"}},
        {"cut 10",                       {"3", "2", "1", "2", "2", "2"},  "10",
            {"2.16",  "2.7",   "3.6",  "1.2",  "1.35", "1.54"},
            {"15/13", "17/10", "13/5", "1/5",  "6/17", "7/13"},
            {"115",   "170",   "260",  "-500", "-283", "-186"},
            {"42",    "33",    "25",   "75",   "67",   "58"}},
        {"no draws",                     {"5", "0", "5", "5", "0", "5"},  "0",
            {"2",     "0",    "2",    "0",    "1",    "0"},
            {"1/1",   "0/0",  "1/1",  "0/0",  "0/0",  "0/0"},
            {"100",   "",     "100",  "",     "",     ""},
            {"0",     "0",    "0",    "0",    "0",    "0"}},
        {"the whole stake kept",         {"10", "5", "5", "6", "6", "8"}, "100",
            {"0",     "0",    "0",    "0",    "0",    "0"},
            {"0/0",   "0/0",  "0/0",  "0/0",  "0/0",  "0/0"},
            {"",      "",     "",     "",     "",     ""},
            {"0",     "0",    "0",    "0",    "0",    "0"}},
        {"counts and cut with the other mark", {"10,0", "5", "5", "6", "6", "8.0"}, "6,0",
            {"2.09",  "3.42", "3.42", "1.3",  "1.3",  "1.71"},
            {"12/11", "12/5", "12/5", "3/10", "3/10", "5/7"},
            {"109",   "240",  "240",  "-333", "-333", "-140"},
            {"45",    "28",   "28",   "73",   "73",   "56"}},
    };
    // clang-format on
    for (const PricingCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Over the figures of another match: every result cell must be rewritten,
        // the US number of a 0/0 fraction included.
        ClearOdds(page, catalogue);
        SetCounts({"1", "1", "1", "1", "1", "1"});
        CalculateOdds(page, scene.services, catalogue);
        SetCounts(c.counts);
        page.cut_percent.text = S(c.cut_percent);
        CalculateOdds(page, scene.services, catalogue);
        ExpectRow(OddsPage::kDecimalRow, c.decimal);
        ExpectRow(OddsPage::kFractionRow, c.fraction);
        ExpectRow(OddsPage::kUsRow, c.us);
        ExpectRow(OddsPage::kProbabilityRow, c.probability);
        EXPECT_EQ(page.cut_percent.text, S(c.cut_percent));
    }
}

TEST_P(OddsTest, PricesBeyondTheRangeStopWithTheOverflowReport) {
    SetCounts({"10", "5", "5", "6", "6", "8"});
    // A cut of minus 1E308 lengthens the odds a hundredfold past 1E306: the
    // results are still finite, the double chances' products are not.
    page.cut_percent.text = "-1e308";
    try {
        CalculateOdds(page, scene.services, catalogue);
        ADD_FAILURE() << "no error";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), kOverflow);
    }
    ExpectRow(OddsPage::kDecimalRow,
              {"2.22222222222222E306", "3.63636363636364E306", "3.63636363636364E306", "", "", ""});
    for (int row = OddsPage::kFractionRow; row <= OddsPage::kProbabilityRow; ++row) {
        ExpectRow(row, {"", "", "", "", "", ""});
    }
}

TEST_P(OddsTest, EmptiedCutReadsZero) {
    SetCounts({"10", "5", "5", "6", "6", "8"});
    page.cut_percent.text = "";
    CalculateOdds(page, scene.services, catalogue);
    EXPECT_EQ(page.cut_percent.text, "0");
    ExpectRow(OddsPage::kDecimalRow, {"2.22", "3.64", "3.64", "1.38", "1.38", "1.82"});
}

TEST_P(OddsTest, BlankCountIsNamedAndNothingElseChanges) {
    struct Case {
        const char* name;
        std::array<const char*, 6> counts;
        const char* message;
    };
    // clang-format off
    const Case cases[] = {
        {"home wins",                      {"", "5", "5", "6", "6", "8"},  "WriteValueFrom  :HOME TEAM WINS"},
        {"away draws",                     {"10", "5", "5", "6", "", "8"}, "WriteValueFrom  :AWAY TEAM DRAWS"},
        // Wins of both teams come before anyone's draws.
        {"first of several",               {"10", "", "5", "", "6", ""},   "WriteValueFrom  :AWAY TEAM WINS"},
        {"home losses before away losses", {"10", "5", "", "6", "6", ""},  "WriteValueFrom  :HOME TEAM LOSSES"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearOdds(page, catalogue);
        SetCounts({"10", "5", "5", "6", "6", "8"});
        CalculateOdds(page, scene.services, catalogue);
        const TextGrid before = page.prices;
        SetCounts(c.counts);
        page.cut_percent.text = "";
        scene.prompter.ExpectMessage(c.message);
        CalculateOdds(page, scene.services, catalogue);
        scene.prompter.VerifyAndClear();
        EXPECT_EQ(page.cut_percent.text, "");
        for (int r = 1; r <= 4; ++r) {
            for (int col = 1; col <= 6; ++col) {
                EXPECT_EQ(page.prices.Cell(col, r), before.Cell(col, r));
            }
        }
    }
}

TEST_P(OddsTest, BlankCountMessageUsesTheCatalogueText) {
    const Catalogue english(std::string(ORVANTA_RESOURCES_DIR) + "/Orvanta_EN.ini");
    ClearOdds(page, english);
    SetCounts({"", "5", "5", "6", "6", "8"});
    scene.prompter.ExpectMessage("Enter a value in  :HOME TEAM WINS");
    CalculateOdds(page, scene.services, english);
}

TEST_P(OddsTest, UnreadableInputsAreReportedAtEachConversion) {
    struct Case {
        const char* name;
        std::array<const char*, 6> counts;
        const char* cut_percent;
        int error_values;
    };
    // clang-format off
    const Case cases[] = {
        // Read for the total, for the test of its result, and for the odds.
        {"count",                               {"x", "5", "5", "6", "6", "8"},  "0", 3},
        // Its result has no favourable count left, so no odds are worked out from it.
        {"count whose result has nothing else", {"10", "x", "5", "6", "0", "8"}, "0", 2},
        {"cut",                                 {"10", "5", "5", "6", "6", "8"}, "g", 3},
        {"cut with a result without odds",      {"5", "0", "5", "5", "0", "5"},  "g", 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearOdds(page, catalogue);
        SetCounts(c.counts);
        page.cut_percent.text = c.cut_percent;
        scene.prompter.ExpectMessage("Error Value", c.error_values);
        CalculateOdds(page, scene.services, catalogue);
        scene.prompter.VerifyAndClear();
    }
}

struct FractionCase {
    const char* odds;
    std::pair<int, int> fraction;
    const char* us;  // "" for none
};

TEST_P(OddsTest, FractionsAndUsNumbersOfDecimalOdds) {
    // clang-format off
    const FractionCase cases[] = {
        // odds     fraction    US
        {"0",       {0, 0},     ""},
        {"1.04",    {0, 0},     ""},
        {"1.05",    {1, 19},    "-1900"},
        {"1.12",    {1, 8},     "-800"},
        {"1.15",    {2, 13},    "-650"},
        {"1.36",    {4, 11},    "-275"},
        {"1.5",     {1, 2},     "-200"},
        {"1.9",     {9, 10},    "-111"},
        {"1.91",    {10, 11},   "-110"},
        {"1.95",    {18, 19},   "-106"},
        {"2",       {1, 1},     "100"},
        {"2.17",    {7, 6},     "117"},
        {"2.5",     {3, 2},     "150"},
        {"4.33",    {10, 3},    "333"},
        {"21",      {20, 1},    "2000"},
        {"35.5",    {20, 1},    "2000"},
        {"1E300",   {20, 1},    "2000"},
        {"-3",      {0, 0},     ""},
    };
    // clang-format on
    for (const FractionCase& c : cases) {
        SCOPED_TRACE(c.odds);
        const double odds = ParseNumberText(S(c.odds), Sep()).value();
        EXPECT_EQ(FindFraction(odds - 1.0), c.fraction);
        const std::string text =
            NumberToText(c.fraction.first, Sep()) + "/" + NumberToText(c.fraction.second, Sep());
        const std::optional<double> us = FractionToUs(text, scene.services);
        EXPECT_EQ(us ? NumberToText(*us, Sep()) : "", c.us);
    }
    EXPECT_EQ(FractionToUs("12", scene.services), std::nullopt);
}

// The fraction rule as the user reads it: the largest two-decimal value not
// above t, then the smallest n + d, then the smaller n. Checked against the
// search for every odds a page can show, computed the way a page computes t.
TEST(FindFraction, MatchesTheRuleForEveryHundredth) {
    auto hundredths = [](int n, int d) { return static_cast<int>(RoundWhole(100.0 * n / d)); };
    for (int odds_h = 0; odds_h <= 2300; ++odds_h) {
        const double t = odds_h / 100.0 - 1.0;
        const int target = odds_h - 100;
        std::pair<int, int> want{0, 0};
        int want_value = -1;
        for (int n = 1; n <= 20; ++n) {
            for (int d = 1; d <= 20; ++d) {
                const int v = hundredths(n, d);
                if (v > target) {
                    continue;
                }
                const int sum = n + d;
                const int want_sum = want.first + want.second;
                if (v > want_value ||
                    (v == want_value && (sum < want_sum || (sum == want_sum && n < want.first)))) {
                    want = {n, d};
                    want_value = v;
                }
            }
        }
        EXPECT_EQ(FindFraction(t), want) << "odds " << odds_h / 100.0;
    }
}

TEST(FindFraction, OutOfRangeValues) {
    EXPECT_EQ(FindFraction(-1e300), std::make_pair(0, 0));
    EXPECT_EQ(FindFraction(1e300), std::make_pair(20, 1));
    EXPECT_EQ(FindFraction(0.0499), std::make_pair(1, 19));  // taken as 0.05
    EXPECT_EQ(FindFraction(0.0449), std::make_pair(0, 0));
}

// The converter: the box typed in keeps its text, the others follow; nothing
// typed empties them, and so does a text that is no price, which is named.
TEST_P(OddsTest, ConverterShowsThePriceInEveryOtherFormat) {
    page.price_fractional.text = "5/2";
    ConvertPrice(page, OddsFormat::kFractional, Sep(), catalogue);
    const std::array<std::string, 7> shown = {page.price_decimal.text,  page.price_fractional.text,
                                              page.price_american.text, page.price_hong_kong.text,
                                              page.price_malay.text,    page.price_indonesian.text,
                                              page.price_percent.text};
    const std::array<std::string, 7> expected = {S("3.50"),  "5/2",     "+250",    S("2.50"),
                                                 S("-0.40"), S("2.50"), S("28.57")};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(page.price_problem, "");

    page.price_fractional.text = " ";
    ConvertPrice(page, OddsFormat::kFractional, Sep(), catalogue);
    EXPECT_EQ(page.price_decimal.text, "");
    EXPECT_EQ(page.price_percent.text, "");
    EXPECT_EQ(page.price_fractional.text, " ");
    EXPECT_EQ(page.price_problem, "");
}

TEST_P(OddsTest, ConverterNamesATextThatIsNoPriceAndShowsNoFigures) {
    const Catalogue english(std::string(ORVANTA_RESOURCES_DIR) + "/Orvanta_EN.ini");
    page.price_decimal.text = S("2.5");
    ConvertPrice(page, OddsFormat::kDecimal, Sep(), english);
    ASSERT_EQ(page.price_american.text, "+150");
    struct Case {
        OddsFormat format;
        const char* text;
        const char* example;
    };
    const Case cases[] = {
        {OddsFormat::kAmerican, "+0", "+150"},   {OddsFormat::kAmerican, "-50", "+150"},
        {OddsFormat::kDecimal, "1", "2.50"},     {OddsFormat::kFractional, "3/0", "3/2"},
        {OddsFormat::kFractional, "1/0", "3/2"}, {OddsFormat::kFractional, "abc", "3/2"},
        {OddsFormat::kPercent, "100", "40.00"},  {OddsFormat::kMalay, "2", "-0.67"}};
    for (const Case& c : cases) {
        page.*ConverterBox(c.format) = TextBox{c.text, std::nullopt};
        ConvertPrice(page, c.format, Sep(), english);
        for (const OddsFormat other : kConverterFormats) {
            EXPECT_EQ((page.*ConverterBox(other)).text, other == c.format ? c.text : "") << c.text;
        }
        EXPECT_EQ(page.price_problem, "Not a price in this format; for example " + S(c.example))
            << c.text;
    }
    ClearOdds(page, english);
    EXPECT_EQ(page.price_problem, "");
    EXPECT_EQ(page.price_american.text, "");
}

TEST(OddsConverter, EachBoxTakesTheKeysOfItsFormat) {
    struct Case {
        OddsFormat format;
        const char* takes;
        const char* drops;
    };
    const Case cases[] = {{OddsFormat::kDecimal, "0123456789", "+-/%e "},
                          {OddsFormat::kFractional, "0123456789/evensEVS", "+-% "},
                          {OddsFormat::kAmerican, "0123456789+-", "/%e "},
                          {OddsFormat::kHongKong, "0123456789", "+-/%e "},
                          {OddsFormat::kMalay, "0123456789+-", "/%e "},
                          {OddsFormat::kIndonesian, "0123456789+-", "/%e "},
                          {OddsFormat::kPercent, "0123456789%", "+-/e "}};
    for (const Case& c : cases) {
        for (const char* key = c.takes; *key; ++key) {
            EXPECT_EQ(FilterPriceKey(*key, c.format, ','), *key) << FormatKey(c.format);
        }
        for (const char* key = c.drops; *key; ++key) {
            EXPECT_EQ(FilterPriceKey(*key, c.format, ','), std::nullopt) << FormatKey(c.format);
        }
        // Either decimal mark becomes the user's.
        EXPECT_EQ(FilterPriceKey('.', c.format, ','), ',');
    }
}

}  // namespace
}  // namespace orvanta

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/live/hedge.h"
#include "core/live/live_captions.h"
#include "core/live/suggestions.h"
#include "sheet_text.h"

namespace orvanta {
namespace {

namespace captions = live_captions;
using testing::SetInputs;

struct Page : PositionSheet, CurrentOddsPanel, SuggestionPanel {};

// A position, the current odds and the commission; then both rows as
// "s1|sX|s2|result" (empty when the row shows no figures) and their notes.
// Every figure below was worked out by hand: backs s_k = (W - R_k) / e_k to the
// cent for the upper row; for the lower row the cheapest backs in cents that
// keep the two other outcomes at zero or above, checked one cent either side.
struct PositionCase {
    const char* name;
    std::vector<std::string> rows;  // sheet rows as "2|||10" ("." the separator)
    const char* odds;               // "1|X|2"
    const char* commission;
    const char* sure;
    const char* sure_note;
    const char* probable;
    const char* probable_note;
};

// clang-format off
const PositionCase kPositions[] = {
    // Backed "1" at 3 for 10 (results 20, -10, -10); "1" is 2 now. X: 30 / 3.6 =
    // 8.33, 2: 30 / 4 = 7.5; X then gives -10 + 29.988 - 15.83 = 4.158. Lower: X
    // 5.89 and 2 5.3 leave X +0.014 and 2 +0.01 (X 5.88 leaves X -0.012), and
    // "1" then gives 20 - 11.19.
    {"Shortened", {"3|||10"}, "2|3.6|4", "", "0|8.33|7.5|4.16", "", "0|5.89|5.3|8.81", ""},
    // The same net of 5 %: X pays 1 + 2.6 x 0.95 = 3.47, 2 pays 3.85. X 30 /
    // 3.47 = 8.65, 2 30 / 3.85 = 7.79; 2 then gives -10 + 29.9915 - 16.44.
    // Lower: X 6.38, 2 5.75 (X 6.37 leaves X -0.016); "1" gives 20 - 12.13.
    {"ShortenedNetOfCommission", {"3|||10"}, "2|3.6|4", "5", "0|8.65|7.79|3.55", "", "0|6.38|5.75|7.87", ""},
    // Backed "1" at 2 for 10 (10, -10, -10); "1" has drifted to 3. X 20 / 3.2 =
    // 6.25, 2 20 / 2.6 = 7.69; 2 then gives -10 + 19.994 - 13.94 = -3.946, the
    // least loss. Lower: "2" is the likeliest; "1" stays at 10 - 4.55, X needs
    // 10 / 2.2 = 4.55, and "2" then loses 10 + 4.55.
    {"Drifted", {"2|||10"}, "3|3.2|2.6", "", "0|6.25|7.69|-3.95", "LeastLoss", "0|4.55|0|-14.55", ""},
    // Backed "1" at 2.5 for 10 and laid "2" at 3 for 10: 25, 0, -30. X 25 / 3.3 =
    // 7.58, 2 55 / 3.6 = 15.28; "1" then gives 25 - 22.86. Lower: X 6.03, 2
    // 13.86 (X 6.02 and 6.01 leave X short; 6.04 costs 19.91); 25 - 19.89.
    {"BackAndLayOnDifferentOutcomes", {"2.5|||10", "||||||3|10"}, "2.2|3.3|3.6", "", "0|7.58|15.28|2.14", "", "0|6.03|13.86|5.11", ""},
    // A back and a lay of the same at the same price: every result 0.
    {"AlreadyLevel", {"2|||10", "||||2|||10"}, "1.8|3.5|4.5", "", "0|0|0|0", "PositionLevel", "0|0|0|0", "OthersCovered"},
    // Laid X at 3 for 10 (10, -20, 10): 30 / 3.2 = 9.375 goes to the even cent.
    // Lower: X 20 / 2.2 = 9.0909, so 9.1; "1" gives 10 - 9.1.
    {"OnlyLays", {"|||||3||10"}, "2|3.2|4.5", "", "0|9.38|0|0.62", "", "0|9.1|0|0.9", ""},
    // Backed "1" at 1.5 for 20 (10, -20, -20) in a book of 1.8, 1.9, 1.9: a back
    // on X or 2 wins 0.9 a unit, less than the other loses, so nothing covers
    // both; greening up loses 20 - 30.001 + 31.58.
    {"LowerRowImpossible", {"1.5|||20"}, "1.8|1.9|1.9", "", "0|15.79|15.79|-21.58", "LeastLoss", "", "CannotCover"},
    // Only the commission's word when it is no figure from 0 to 100.
    {"CommissionAbove100", {"3|||10"}, "2|3.6|4", "100.5", "", "CommissionRange", "", "CommissionRange"},
    {"CommissionNoFigure", {"3|||10"}, "2|3.6|4", "5.5.", "", "CommissionRange", "", "CommissionRange"},
    {"OddsOfOne", {"3|||10"}, "1|3.6|4", "", "", "OddsAboveOne", "", "OddsAboveOne"},
    {"OddsBelowOne", {"3|||10"}, "2|0.5|4", "", "", "OddsAboveOne", "", "OddsAboveOne"},
    // Empty while there is nothing to work from; no word either.
    {"OddsIncomplete", {"3|||10"}, "2||4", "", "", "", "", ""},
    {"SheetEmpty", {}, "2|3.6|4", "", "", "", "", ""},
};
// clang-format on

using PositionTest = testing::SeparatorTableTest<PositionCase>;

// A row's four boxes as "s1|sX|s2|result", "." for the separator; empty when
// all four are.
std::string Row(const TextBox& a, const TextBox& b, const TextBox& c, const TextBox& d) {
    std::string row = a.text + "|" + b.text + "|" + c.text + "|" + d.text;
    if (row == "|||") {
        return "";
    }
    for (char& ch : row) {
        if (ch == ',') {
            ch = '.';
        }
    }
    return row;
}

std::string Note(const TextBox& note) {
    // The table names notes by their catalogue key.
    for (const CatalogueText* text :
         {&captions::kLeastLoss, &captions::kPositionLevel, &captions::kOthersCovered,
          &captions::kCannotCover, &captions::kCommissionRange, &captions::kOddsAboveOne}) {
        if (note.text == text->fallback) {
            return text->key;
        }
    }
    return note.text;
}

TEST_P(PositionTest, BothRows) {
    const PositionCase& c = TableCase();
    testing::CoreScene scene(Sep());
    Page page;
    ClearPositionSheet(page, Catalogue());
    page.positions.SetRowCount(kFirstPositionRow + static_cast<int>(c.rows.size()) + 1);
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        SetInputs(page, kFirstPositionRow + static_cast<int>(i), c.rows[i], Sep());
    }
    RecalculateSheet(page, scene.services);
    const std::string odds = c.odds;
    const std::size_t bar1 = odds.find('|');
    const std::size_t bar2 = odds.find('|', bar1 + 1);
    page.odds_1.text = S(odds.substr(0, bar1));
    page.odds_x.text = S(odds.substr(bar1 + 1, bar2 - bar1 - 1));
    page.odds_2.text = S(odds.substr(bar2 + 1));
    if (HasAllCurrentOdds(page)) {
        CalculateProbabilities(page, scene.services);
    }
    page.commission.text = S(c.commission);

    CalculateSuggestions(page, page, page, Sep(), Catalogue());

    EXPECT_EQ(Row(page.sure_1, page.sure_x, page.sure_2, page.sure_result), c.sure);
    EXPECT_EQ(Note(page.sure_note), c.sure_note);
    EXPECT_EQ(Row(page.probable_1, page.probable_x, page.probable_2, page.probable_result),
              c.probable);
    EXPECT_EQ(Note(page.probable_note), c.probable_note);
    // A loss is red; nothing else is coloured.
    EXPECT_EQ(page.sure_result.colour.has_value(), page.sure_result.text.rfind('-', 0) == 0);
    EXPECT_EQ(page.probable_result.colour.has_value(),
              page.probable_result.text.rfind('-', 0) == 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PositionTest, testing::BothSeparators(kPositions),
                         testing::SeparatorTableName<PositionCase>);

// What is shown is what happens: placed at the current odds, the upper row's
// backs leave every outcome within a cent of its result box, none below it,
// and the lower row's leave no other outcome below zero.
TEST(Hedge, RoundedStakesGiveWhatIsShown) {
    const Outcomes results = {-5, 22, 5};
    const Outcomes odds = {1.85, 3.4, 4.2};
    const Hedge up = GreenUp(results, odds);
    EXPECT_EQ(up.stakes, (Outcomes{14.59, 0, 4.05}));
    for (double r : up.results) {
        EXPECT_GE(r, 3.3515 - 1e-9);
        EXPECT_LE(r, 3.3515 + 0.02);
    }
    for (int likely = 0; likely < 3; ++likely) {
        const auto run = LetRun(results, odds, likely);
        ASSERT_TRUE(run);
        for (int k = 0; k < 3; ++k) {
            if (k != likely) {
                EXPECT_GE(run->results[static_cast<std::size_t>(k)], -1e-9) << likely;
            }
        }
        EXPECT_EQ(run->stakes[static_cast<std::size_t>(likely)], 0);
    }
}

// Results at the edge of the double range stop with the program's overflow
// text, which the panel then shows instead of figures; never an infinity.
TEST(Hedge, HugeResultsOverflowInWords) {
    EXPECT_THROW(
        {
            try {
                GreenUp({1.7e308, -1.7e308, 0}, {2, 2, 2});
            } catch (const OperationError& e) {
                EXPECT_STREQ(e.what(), kOverflow);
                throw;
            }
        },
        OperationError);

    testing::CoreScene scene;
    Page page;
    ClearPositionSheet(page, Catalogue());
    SetInputs(page, kFirstPositionRow, "2|||10", '.');
    page.result_1.text = "1.7E308";
    page.result_x.text = "-1.7E308";
    page.result_2.text = "0";
    page.odds_1.text = "2";
    page.odds_x.text = "3";
    page.odds_2.text = "4";
    CalculateProbabilities(page, scene.services);
    CalculateSuggestions(page, page, page, '.', Catalogue());
    EXPECT_EQ(page.sure_result.text, "");
    EXPECT_EQ(page.sure_note.text, kOverflow);
}

TEST(Commission, RememberedAsAFigureFrom0To100) {
    testing::CoreScene scene;
    const std::string folder = scene.platform.UserFolder();
    EXPECT_EQ(RememberedCommission(folder, ','), "0");
    RememberCommission(folder, 2.5, nullptr);
    // Kept with "." and shown with the desktop's separator.
    EXPECT_EQ(RememberedCommission(folder, ','), "2,5");
    EXPECT_EQ(RememberedCommission(folder, '.'), "2.5");
    RememberCommission(folder, 250, nullptr);
    EXPECT_EQ(RememberedCommission(folder, '.'), "0");

    EXPECT_EQ(CommissionFraction("", '.'), 0.0);
    EXPECT_EQ(CommissionFraction("100", '.'), 1.0);
    EXPECT_EQ(CommissionFraction("2,5", ','), 0.025);
    EXPECT_FALSE(CommissionFraction("-1", '.'));
    EXPECT_FALSE(CommissionFraction("x", '.'));
    // No commission leaves the price as it is, to the last bit.
    EXPECT_EQ(NetOdds(1.85, 0), 1.85);
    EXPECT_DOUBLE_EQ(NetOdds(3, 0.05), 2.9);
}

}  // namespace
}  // namespace orvanta

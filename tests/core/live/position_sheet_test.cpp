#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/live/position_sheet.h"
#include "core/numeric/key_filter.h"
#include "sheet_text.h"

namespace orvanta {
namespace {

using testing::AllInputs;
using testing::CoreScene;
using testing::Inputs;
using testing::SetInputs;
using testing::Status;
using testing::Totals;

class SheetTest : public testing::SeparatorTest {
protected:
    SheetTest() : scene(Sep()) { ClearPositionSheet(sheet, Catalogue()); }

    // Rows from row 2 on.
    void Fill(const std::vector<std::string>& rows) {
        sheet.positions.SetRowCount(kFirstPositionRow + static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SetInputs(sheet, kFirstPositionRow + static_cast<int>(i), rows[i], Sep());
        }
    }

    CoreScene scene;
    PositionSheet sheet;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, SheetTest, ::testing::Values('.', ','), testing::SeparatorName);

TEST_P(SheetTest, WorkedExample) {
    Fill({"2|||10", "||||1.5|||20", "|3.4||5", ""});
    RecalculateSheet(sheet, scene.services);

    EXPECT_EQ(Status(sheet, 2), "20|-10|-10");
    EXPECT_EQ(Status(sheet, 3), "-30|20|20");
    EXPECT_EQ(Status(sheet, 4), "-5|17|-5");
    EXPECT_EQ(Status(sheet, 5), "||");
    // Return, Game Wager, Result.
    EXPECT_EQ(Totals(sheet), "-15|27|5 -10|5|0 -5|22|5");
}

struct OneRowCase {
    const char* name;
    const char* inputs;  // "." stands for the separator
    const char* status;
    const char* totals;  // Return, Game Wager, Result
};

TEST_P(SheetTest, SingleRows) {
    // clang-format off
    const OneRowCase cases[] = {
        {"buy",                          "1.85|||10",     "18.5|-10|-10",      "18.5|-10|-10 10|0|0 8.5|-10|-10"},
        // The amount's text stands in the other outcomes unchanged.
        {"sell",                         "||||||3|10.50", "10.50|10.50|-31.5", "10.5|10.5|-31.5 0|0|-10.5 10.5|10.5|-21"},
        {"odds only",                    "1.85",          "||",                "0|0|0 0|0|0 0|0|0"},
        {"amount only",                  "|||10",         "||",                "0|0|0 0|0|0 0|0|0"},
        {"amount first, then odds",      "|1.5||10",      "-10|15|-10",        "-10|15|-10 0|10|0 -10|5|-10"},
        // Only a hand-edited record holds these.
        {"amount, then a sell amount",   "|||10||||5",    "-5|-5|-5",          "-5|-5|-5 0|0|0 -5|-5|-5"},
        {"buy odds, then a sell amount", "2|||||||5",     "10|-5|-5",          "10|-5|-5 0|0|0 10|-5|-5"},
    };
    // clang-format on
    for (const OneRowCase& c : cases) {
        ClearPositionSheet(sheet, Catalogue());
        Fill({c.inputs});
        RecalculateSheet(sheet, scene.services);
        EXPECT_EQ(Status(sheet, 2), S(c.status)) << c.name;
        EXPECT_EQ(Totals(sheet), S(c.totals)) << c.name;
        EXPECT_EQ(sheet.positions.RowCount(), 4) << c.name;
    }
}

TEST_P(SheetTest, GameWagerIsBoughtMinusSoldPerOutcome) {
    Fill({"2|||0.1", "2|||0.2", "||||1.5|||0.3", "|3||4", "||||||2.5|7"});
    RecalculateSheet(sheet, scene.services);
    // Sold is taken from Bought as the box shows it: 0.1 + 0.2 reads back as
    // 0.3, so nothing is left over in the last binary digit.
    EXPECT_EQ(sheet.game_wager_1.text, "0");
    EXPECT_EQ(sheet.game_wager_x.text, "4");
    EXPECT_EQ(sheet.game_wager_2.text, "-7");
}

// Return, Game Wager and Result are sums in which large terms cancel; they are
// written to 8 decimals, so the noise of the last binary digits never shows.
TEST_P(SheetTest, TotalsAreWrittenToEightDecimals) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        const char* totals;  // Return, Game Wager, Result
    };
    // clang-format off
    const Case cases[] = {
        // Return 1 is 470 - 469.983 = 0.0169999999999959 in double.
        {"back and lay on 1",   {"4.7|||100", "||||4.1|||114.63"},     "0.017|14.63|14.63 -14.63|0|0 14.647|14.63|14.63"},
        // Return X and 2 are -0.1 - 0.2 + 0.3 = -5.55111512312578E-17.
        {"cancelling tenths",   {"2|||0.1", "3|||0.2", "||||2|||0.3"}, "0.2|0|0 0|0|0 0.2|0|0"},
        {"eighth decimal kept", {"1.00000001|||1"},                    "1.00000001|-1|-1 1|0|0 1E-8|-1|-1"},
        // An exact half of the eighth decimal in double goes to the even one.
        {"half to even",        {"1.000000005|||1"},                   "1|-1|-1 1|0|0 0|-1|-1"},
    };
    // clang-format on
    for (const Case& c : cases) {
        ClearPositionSheet(sheet, Catalogue());
        Fill(c.rows);
        RecalculateSheet(sheet, scene.services);
        EXPECT_EQ(Totals(sheet), S(c.totals)) << c.name;
    }
}

// A figure beyond the double range stops the recalculation with the general
// error report; what was written before it stays, and nothing shows "INF".
TEST_P(SheetTest, AFigureBeyondTheRangeStopsTheRecalculation) {
    const std::string huge = "1" + std::string(200, '0');
    Fill({"2|||10", huge + "|||" + huge, ""});
    sheet.return_1.text = "old";
    sheet.game_wager_1.text = "old";
    sheet.result_1.text = "old";
    try {
        RecalculateSheet(sheet, scene.services);
        ADD_FAILURE() << "no error";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), kOverflow);
    }
    EXPECT_EQ(Status(sheet, 2), "20|-10|-10");
    EXPECT_EQ(Status(sheet, 3), "||");
    EXPECT_EQ(Totals(sheet), "old|| old|| old||");
}

struct CompactCase {
    const char* name;
    std::vector<std::string> before;
    const char* after;  // inputs of every position row, one a line
};

TEST_P(SheetTest, CompactionLeavesOneEmptyRowAtTheEnd) {
    // clang-format off
    const CompactCase cases[] = {
        {"new sheet",          {""},                                            "\n"},
        {"first value typed",  {"1.5"},                                         "1.5\n\n"},
        {"middle row cleared", {"2|||10", "", "|3||5", ""},                     "2|||10\n|3||5\n\n"},
        {"odds-only row kept", {"2|||10", "|3", ""},                            "2|||10\n|3\n\n"},
        {"runs of empty rows", {"", "", "2|||10", "", "", "", "|3||5", "", ""}, "2|||10\n|3||5\n\n"},
        {"last row filled",    {"2|||10", "|3||5"},                             "2|||10\n|3||5\n\n"},
    };
    // clang-format on
    for (const CompactCase& c : cases) {
        ClearPositionSheet(sheet, Catalogue());
        Fill(c.before);
        CompactRows(sheet);
        EXPECT_EQ(AllInputs(sheet), S(c.after)) << c.name;
    }
}

TEST_P(SheetTest, ClearingOnlyTheOddsKeepsTheRowAndEmptiesItsStatus) {
    Fill({"2|||10", "|3||5", ""});
    RecalculateSheet(sheet, scene.services);
    sheet.positions.SetCell(0, 2, "");
    RecalculateSheet(sheet, scene.services);
    EXPECT_EQ(Inputs(sheet, 2), "|||10");
    EXPECT_EQ(Status(sheet, 2), "||");
    EXPECT_EQ(Status(sheet, 3), "-5|15|-5");
}

TEST_P(SheetTest, ABadAmountReportsOncePerConversion) {
    Fill({"2|||1.2.3"});
    // Two other outcomes, its own outcome, and Game Wager.
    scene.prompter.ExpectMessage("Error Value", 4);
    RecalculateSheet(sheet, scene.services);
    EXPECT_EQ(Status(sheet, 2), "0|0|0");
}

struct RuleCase {
    const char* name;
    const char* row;  // the row with the new entry already in it
    int col;          // the cell just edited
    bool refused;
    const char* status_after;
};

TEST_P(SheetTest, RowRule) {
    // clang-format off
    const RuleCase cases[] = {
        {"amount after buy odds",       "2|||10",       3, false, "20|-10|-10"},
        {"odds after a buy amount",     "|3||10",       1, false, "-10|30|-10"},
        {"sell amount after sell odds", "|||||4||5",    7, false, "5|-20|5"},
        {"sell odds beside a buy",      "2|||10|1.5",   4, true,  "20|-10|-10"},
        {"sell amount beside buy odds", "2|||||||5",    7, true,  "||"},
        {"buy odds beside a sell",      "1.2||||||3|5", 0, true,  "5|5|-15"},
        {"second buy odds",             "2|3",          1, true,  "||"},
        {"second sell odds",            "||||2||3|5",   6, true,  "-10|5|5"},
        {"a lone first value",          "||||||2.5",    6, false, "||"},
    };
    // clang-format on
    for (const RuleCase& c : cases) {
        CoreScene local(Sep());
        ClearPositionSheet(sheet, Catalogue());
        Fill({c.row, ""});
        if (c.refused) {
            local.prompter.ExpectMessage(kRowRuleMessage);
        }
        const std::string others_before = Inputs(sheet, 2);
        EXPECT_EQ(ValidateSheetEntry(sheet, c.col, 2, Catalogue(), local.services), c.refused)
            << c.name;
        if (c.refused) {
            EXPECT_EQ(sheet.positions.Cell(c.col, 2), "") << c.name;
        } else {
            EXPECT_EQ(Inputs(sheet, 2), others_before) << c.name;
        }
        EXPECT_EQ(Status(sheet, 2), S(c.status_after)) << c.name;
    }
}

TEST_P(SheetTest, KeysAndEnter) {
    EXPECT_EQ(FilterSheetKey('.', Sep(), S("1.2")), std::nullopt);
    EXPECT_EQ(FilterSheetKey(',', Sep(), "12"), Sep());
    EXPECT_EQ(FilterSheetKey('-', Sep(), ""), std::nullopt);
    EXPECT_EQ(FilterSheetKey(kKeyEnter, Sep(), "1"), kKeyEnter);

    struct EnterCase {
        int col;
        const char* text;
        std::optional<int> to;
    };
    // clang-format off
    const EnterCase cases[] = {
        {0, "1.5", 3},
        {2, "2",   3},
        {4, "1.5", 7},
        {6, "3",   7},
        {0, "",    std::nullopt},
        {5, "",    std::nullopt},
        {3, "10",  std::nullopt},
        {7, "10",  std::nullopt},
    };
    // clang-format on
    for (const EnterCase& c : cases) {
        EXPECT_EQ(SheetEnterColumn(c.col, c.text), c.to) << c.col << " '" << c.text << "'";
    }
}

TEST(PositionSheet, OnlyInputCellsOfPositionRowsCanBeSelected) {
    PositionSheet sheet;
    ClearPositionSheet(sheet, Catalogue());
    for (int c = 0; c < kSheetCols; ++c) {
        EXPECT_FALSE(IsInputCell(sheet, c, 0));
        EXPECT_FALSE(IsInputCell(sheet, c, 1));
        EXPECT_EQ(IsInputCell(sheet, c, 2), c < 8) << c;
        EXPECT_FALSE(IsInputCell(sheet, c, 3));  // no such row yet
    }
}

TEST(PositionSheet, HeadersComeFromTheCatalogue) {
    testing::TempFolder folder;
    folder.Write("Orvanta_EN.ini", "[FrmLiveOrvanta]\nBuy=Back\nPoso=Stake\n");
    PositionSheet sheet;
    ClearPositionSheet(sheet, Catalogue(folder / "Orvanta_EN.ini"));
    EXPECT_EQ(sheet.positions.Cell(0, 0), "Back");
    EXPECT_EQ(sheet.positions.Cell(7, 1), "Stake");
    EXPECT_EQ(sheet.positions.Cell(4, 0), "Sell");
}

TEST(PositionSheet, ClearingLeavesHeadersAndOneEmptyRow) {
    PositionSheet sheet;
    sheet.positions.SetRowCount(6);
    sheet.positions.SetCell(0, 4, "2");
    sheet.return_1.text = "kept";
    ClearPositionSheet(sheet, Catalogue());

    const TextGrid& grid = sheet.positions;
    EXPECT_EQ(grid.ColCount(), 11);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.FixedRows(), 2);
    const char* row0[] = {"Agora", "", "", "", "Sell", "", "", "", "Status", "", ""};
    const char* row1[] = {"1", "X", "2", "Poso", "1", "X", "2", "Poso", "1", "X", "2"};
    const int widths[] = {35, 35, 35, 55, 35, 35, 35, 55, 55, 55, 55};
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(grid.Cell(c, 0), row0[c]) << c;
        EXPECT_EQ(grid.Cell(c, 1), row1[c]) << c;
        EXPECT_EQ(grid.Cell(c, 2), "") << c;
        EXPECT_EQ(grid.ColWidth(c), widths[c]) << c;
        EXPECT_EQ(grid.Alignment(c, 1), HAlign::kCenter) << c;
    }
    EXPECT_EQ(grid.MergeSpan(0, 0), std::make_pair(3, 0));
    EXPECT_EQ(grid.MergeSpan(4, 0), std::make_pair(3, 0));
    EXPECT_EQ(grid.MergeSpan(8, 0), std::make_pair(2, 0));
    EXPECT_EQ(grid.Alignment(8, 0), HAlign::kCenter);
    EXPECT_EQ(grid.RowHeight(2), 21);
    // The boxes below the sheet are not the sheet's to reset.
    EXPECT_EQ(sheet.return_1.text, "kept");
}

}  // namespace
}  // namespace orvanta

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_test_util.h"
#include "common/core_fixture.h"
#include "core/i18n/catalogue.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcTest;
using testing::CoreScene;
using testing::GridRows;
using testing::JsonValue;
using testing::ParseJson;
using testing::Slice;

using Texts = std::vector<std::string>;

// The worked example: 2.00, 1.50 and a lost 3.00, stakes 10, 10 and 5.
const Texts kExampleArgs = {"parlay", "2.00",    "1.50", "3.00/L",     "--stake",
                            "1=10",   "--stake", "2=10", "--stake=3=5"};

class CalcParlayTest : public CalcTest {
protected:
    CalcParlayTest() : scene(Sep()) {}

    // The example as a user fills it in the window: typed odds and stakes (the
    // key filter makes the marks the separator), a click on row 3's result.
    ParlaySheet WindowExample() {
        ParlaySheet sheet;
        ClearParlaySheet(sheet, catalogue);
        TextGrid& grid = sheet.selections;
        grid.SetCell(ParlaySheet::kOddsCol, 1, S("2.00"));
        grid.SetCell(ParlaySheet::kOddsCol, 2, S("1.50"));
        grid.SetCell(ParlaySheet::kOddsCol, 3, S("3.00"));
        ToggleResult(sheet, 3, catalogue, scene.services);
        grid.SetCell(ParlaySheet::kStakeCol, 1, "10");
        grid.SetCell(ParlaySheet::kStakeCol, 2, "10");
        grid.SetCell(ParlaySheet::kStakeCol, 3, "5");
        CalculateParlaySheet(sheet, scene.services);
        return sheet;
    }

    // The Save button's write, with the window's identifier.
    std::string SaveFromWindow(const ParlaySheet& sheet, const std::string& name) {
        const std::string path = scene.folder.Path() + "Arxeia/" + name;
        scene.prompter.ExpectSaveFile(path);
        EXPECT_EQ(SaveParlaySheet(sheet, scene.services, 0x3A0007), path);
        return path;
    }

    void ExpectExampleFigures(const JsonValue& json) const {
        const auto rows = GridRows(json, "selections");
        ASSERT_EQ(rows.size(), 16u);
        EXPECT_EQ(rows[0], Texts(9, ""));
        EXPECT_EQ(rows[1], S({"", "2.00", "WIN", "1", "10", "3", "30", "35", "5"}));
        EXPECT_EQ(rows[2], S({"", "1.50", "WIN", "2", "10", "3", "30", "30", "0"}));
        EXPECT_EQ(rows[3], S({"", "3.00", "LOST", "3", "5", "1", "5", "0", "-5"}));
        EXPECT_EQ(rows[15], (Texts{"", "", "WIN", "15", "", "", "", "", ""}));
        EXPECT_EQ(BoxTexts(json, {"total_staked", "total_returned", "total_profit"}),
                  (Texts{"65", "65", "0"}));
        EXPECT_TRUE(json["checked"]["selections"].items.empty());
    }

    CoreScene scene;
    Catalogue catalogue;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, CalcParlayTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST_P(CalcParlayTest, SelectionsFromTheArguments) {
    ExpectExampleFigures(Json(kExampleArgs));

    // Row 1 a banker instead: the banker alone pays 2, the doubles 1.5 x 2.
    const auto json = Json({"parlay", "2/B", "1,5", "3/L", "--stake", "1=1", "--stake", "2=1"});
    const auto rows = GridRows(json, "selections");
    EXPECT_EQ(Slice(rows[1], 4, 8), (Texts{"1", "1", "1", "2", "1"}));
    EXPECT_EQ(Slice(rows[2], 4, 8), (Texts{"1", "2", "2", "3", "1"}));
    EXPECT_EQ(rows[2][1], S("1.5"));
    EXPECT_EQ(json["checked"]["selections"].items.size(), 1u);
    EXPECT_EQ(json["checked"]["selections"][0][0].number, 0);
    EXPECT_EQ(json["checked"]["selections"][0][1].number, 1);
}

TEST_P(CalcParlayTest, ALostBankerLosesEveryCombination) {
    // The banker 2.00 marked LOST: the doubles keep their two combinations and
    // pay nothing. The message still points it out.
    const auto output =
        Run({"parlay", "2.00/B/L", "1.50", "3.00", "--stake", "2=1", "--stake", "3=1", "--json"});
    EXPECT_EQ(output.status, 0) << output.err;
    EXPECT_EQ(output.ErrLines(), (Texts{"Standart Lost"}));
    const auto json = ParseJson(output.out);
    const auto rows = GridRows(json, "selections");
    EXPECT_EQ(Slice(rows[2], 4, 8), (Texts{"1", "2", "2", "0", "-2"}));
    EXPECT_EQ(Slice(rows[3], 4, 8), (Texts{"1", "1", "1", "0", "-1"}));
    EXPECT_EQ(BoxTexts(json, {"total_staked", "total_returned", "total_profit"}),
              (Texts{"3", "0", "-3"}));
}

TEST_P(CalcParlayTest, ASheetSavedByTheWindowGivesTheSameFigures) {
    const std::string path = SaveFromWindow(WindowExample(), "week.bet");
    const auto from_file = Json({"parlay", path});
    ExpectExampleFigures(from_file);

    const auto from_args = Json(kExampleArgs);
    EXPECT_EQ(GridRows(from_file, "selections"), GridRows(from_args, "selections"));
    EXPECT_EQ(BoxTexts(from_file, {"total_staked", "total_returned", "total_profit"}),
              BoxTexts(from_args, {"total_staked", "total_returned", "total_profit"}));

    // A stake given after the file replaces the file's and the sheet is
    // calculated again.
    const auto changed = Json({"parlay", path, "--stake", "3=10"});
    const auto rows = GridRows(changed, "selections");
    EXPECT_EQ(Slice(rows[3], 4, 8), (Texts{"10", "1", "10", "0", "-10"}));
    EXPECT_EQ(BoxTexts(changed, {"total_staked", "total_returned", "total_profit"}),
              (Texts{"70", "65", "-5"}));
}

TEST_P(CalcParlayTest, SaveWritesWhatTheSaveButtonWrites) {
    std::vector<std::string> args = kExampleArgs;
    const std::string out_file = scene.folder.Path() + "out.bet";
    args.insert(args.end(), {"--save", out_file});
    const auto output = Run(args);
    EXPECT_EQ(output.status, 0) << output.err;
    EXPECT_EQ(scene.folder.Read("out.bet"), SaveGridToBytes(WindowExample().selections, 0));

    // A save over a file replaces it.
    EXPECT_EQ(Run(args).status, 0);
    EXPECT_EQ(scene.folder.Read("out.bet"), SaveGridToBytes(WindowExample().selections, 0));
}

TEST_P(CalcParlayTest, Table) {
    const auto output = Run({"parlay", "2.00", "1.50", "3.00/L", "--stake", "1=10"});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, S("PARLAY BETTING\n"
                            "Banker  Odds  Result  System  Stake  Bets  Staked  Return  Profit\n"
                            "[ ]     2.00  WIN     1       10     3     30      35      5\n"
                            "[ ]     1.50  WIN     2\n"
                            "[ ]     3.00  LOST    3\n"
                            "[ ]           WIN     4\n"
                            "[ ]           WIN     5\n"
                            "[ ]           WIN     6\n"
                            "[ ]           WIN     7\n"
                            "[ ]           WIN     8\n"
                            "[ ]           WIN     9\n"
                            "[ ]           WIN     10\n"
                            "[ ]           WIN     11\n"
                            "[ ]           WIN     12\n"
                            "[ ]           WIN     13\n"
                            "[ ]           WIN     14\n"
                            "[ ]           WIN     15\n"
                            "\n"
                            "Sum staked      30\n"
                            "Sum returned    35\n"
                            "Sum of profits  5\n"));
}

}  // namespace
}  // namespace orvanta

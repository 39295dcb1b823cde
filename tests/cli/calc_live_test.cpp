#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calc_test_util.h"
#include "common/core_fixture.h"
#include "common/temp_folder.h"
#include "core/base/handler_guard.h"
#include "core/i18n/catalogue.h"
#include "core/live/live_ledger.h"
#include "core/live/record_folder.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcTest;
using testing::CoreScene;
using testing::GridRows;
using testing::TempFolder;

using Texts = std::vector<std::string>;

constexpr const char* kGame = "2008_03_15;20-45;Home - Away.lvo";

const Texts kTotalBoxes = {"game_wager_1",  "game_wager_x",   "game_wager_2",   "return_1",
                           "return_x",      "return_2",       "result_1",       "result_x",
                           "result_2",      "current_odds_1", "current_odds_x", "current_odds_2",
                           "probability_1", "probability_x",  "probability_2",  "ganiota"};

class CalcLiveTest : public CalcTest {
protected:
    CalcLiveTest()
        : scene(Sep()), ledger(scene.services, catalogue, RecordFolderPath(scene.folder.Path())) {}

    // The game of the worked example, made and filled in the live window: New,
    // select the game, type three positions and the current odds. Every ended
    // edit saves the record.
    std::string RecordFromWindow() {
        ledger.Open();
        EXPECT_TRUE(ledger.CreateGame({2008, 3, 15}, "20:45", "Home - Away"));
        ledger.FillGameList();
        RunEachGuarded(scene.prompter, ledger.LoadGame(1));
        Type(0, 2, "2");
        Type(3, 2, "10");
        Type(4, 3, "1.5");
        Type(7, 3, "20");
        Type(1, 4, "3.4");
        Type(3, 4, "5");
        TypeOdds(&LivePage::odds_1, "1.85");
        TypeOdds(&LivePage::odds_x, "3.40");
        TypeOdds(&LivePage::odds_2, "4.20");
        return ledger.CurrentGameFile();
    }

    void Type(int col, int row, const std::string& text) {
        TextGrid& grid = ledger.Page().positions;
        const std::string before = grid.Cell(col, row);
        grid.SetCell(col, row, S(text));
        ledger.CheckSheetEntry(col, row, before);
        ledger.SheetEditEnded();
    }
    void TypeOdds(TextBox LivePage::*box, const std::string& text) {
        (ledger.Page().*box).text = S(text);
        RunEachGuarded(scene.prompter, ledger.CurrentOddsChanged());
    }

    // What the window shows, in the order of kTotalBoxes.
    Texts WindowBoxes() {
        const LivePage& p = ledger.Page();
        return {
            p.game_wager_1.text,  p.game_wager_x.text,  p.game_wager_2.text,  p.return_1.text,
            p.return_x.text,      p.return_2.text,      p.result_1.text,      p.result_x.text,
            p.result_2.text,      p.odds_1.text,        p.odds_x.text,        p.odds_2.text,
            p.probability_1.text, p.probability_x.text, p.probability_2.text, p.bookmaker_cut.text};
    }
    std::vector<Texts> WindowSheet() {
        const TextGrid& grid = ledger.Page().positions;
        std::vector<Texts> rows;
        for (int r = 0; r < grid.RowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < grid.ColCount(); ++c) {
                rows.back().push_back(grid.Cell(c, r));
            }
        }
        return rows;
    }

    CoreScene scene;
    Catalogue catalogue;
    LiveLedger ledger;
};

INSTANTIATE_TEST_SUITE_P(BothMarks, CalcLiveTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

TEST_P(CalcLiveTest, ARecordSavedByTheWindowShowsWhatTheWindowShowed) {
    const std::string record = RecordFromWindow();
    ASSERT_EQ(record, scene.folder.Path() + kRecordFolderName + "/" + kGame);
    const std::string bytes = scene.folder.Read(std::string(kRecordFolderName) + "/" + kGame);

    // Nothing is made in the temporary folder either.
    TempFolder scratch;
    auto output = Run({"live", record, "--json"}, {"TMPDIR=" + scratch.Path()});
    ASSERT_EQ(output.status, 0) << output.err;
    EXPECT_EQ(output.err, "");
    const auto json = testing::ParseJson(output.out);

    const auto rows = GridRows(json, "positions");
    EXPECT_EQ(rows, WindowSheet());
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (Texts{"Agora", "", "", "", "Sell", "", "", "", "Status", "", ""}));
    EXPECT_EQ(rows[1], (Texts{"1", "X", "2", "Poso", "1", "X", "2", "Poso", "1", "X", "2"}));
    EXPECT_EQ(rows[2], S({"2", "", "", "10", "", "", "", "", "20", "-10", "-10"}));
    EXPECT_EQ(rows[3], S({"", "", "", "", "1.5", "", "", "20", "-30", "20", "20"}));
    EXPECT_EQ(rows[4], S({"", "3.4", "", "5", "", "", "", "", "-5", "17", "-5"}));
    EXPECT_EQ(rows[5], Texts(11, ""));

    EXPECT_EQ(BoxTexts(json, kTotalBoxes), WindowBoxes());
    EXPECT_EQ(BoxTexts(json, kTotalBoxes),
              S({"-10", "5", "0", "-15", "27", "5", "-5", "22", "5", "1.85", "3.40", "4.20",
                 "50.39", "27.42", "22.2", "6.78"}));

    // Loading never writes the record, and nothing is left behind.
    EXPECT_EQ(scene.folder.Read(std::string(kRecordFolderName) + "/" + kGame), bytes);
    EXPECT_TRUE(std::filesystem::is_empty(scratch.Path()));
}

// The record is read where it lies, among the other games of its folder.
TEST_P(CalcLiveTest, TheNamedRecordIsTheOneLoaded) {
    TempFolder folder;
    folder.Write("2008_03_15;20-45;A.lvo", "3;3;3;\r\n");
    folder.Write("2008_03_15;20-45;b.lvo", "2;4;4;\r\n2;;;10;;;;;\r\n");
    folder.Write("2008_03_16;18-00;C.lvo", "4;4;2;\r\n");
    folder.Write(".hidden.lvo", "1;1;1;\r\n");
    folder.Write("notes.txt", "");
    struct Case {
        const char* name;
        Texts boxes;  // Edit13, Edit10, Edit11, Edit12
        const char* first_status;
    };
    // clang-format off
    const Case cases[] = {
        {"2008_03_15;20-45;A.lvo", {"3", "33.33", "33.33", "33.33"}, ""},
        {"2008_03_15;20-45;b.lvo", {"2", "50",    "25",    "25"},    "20"},
        {"2008_03_16;18-00;C.lvo", {"4", "25",    "25",    "50"},    ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto json = Json({"live", folder / c.name});
        EXPECT_EQ(
            BoxTexts(json, {"current_odds_1", "probability_1", "probability_x", "probability_2"}),
            S(c.boxes))
            << c.name;
        EXPECT_EQ(GridRows(json, "positions")[2][8], c.first_status) << c.name;
    }
    EXPECT_EQ(folder.Read("2008_03_15;20-45;b.lvo"), "2;4;4;\r\n2;;;10;;;;;\r\n");
}

TEST_P(CalcLiveTest, Table) {
    const std::string record = RecordFromWindow();
    const auto output = Run({"live", record});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, S("Live positions\n"
                            "Agora                Sell              Status\n"
                            "1      X    2  Poso  1     X  2  Poso  1       X    2\n"
                            "2              10                      20      -10  -10\n"
                            "                     1.5         20    -30     20   20\n"
                            "       3.4     5                       -5      17   -5\n"
                            "\n"
                            "Game Wager 1     -10\n"
                            "Game Wager X     5\n"
                            "Game Wager 2     0\n"
                            "Return 1         -15\n"
                            "Return X         27\n"
                            "Return 2         5\n"
                            "Result 1         -5\n"
                            "Result X         22\n"
                            "Result 2         5\n"
                            "Current odds 1   1.85\n"
                            "Current odds X   3.40\n"
                            "Current odds 2   4.20\n"
                            "Probability 1    50.39\n"
                            "Probability X    27.42\n"
                            "Probability 2    22.2\n"
                            "Ganiota          6.78\n"
                            "Green up 1       14.59\n"
                            "Green up X       0\n"
                            "Green up 2       4.05\n"
                            "Green up result  3.35\n"
                            "Let run 1        0\n"
                            "Let run X        0\n"
                            "Let run 2        0\n"
                            "Let run result   -5     [red]\n"));
}

// The suggestion panel's rows as boxes, net of the commission given; a row
// that cannot be worked out is empty and says why among the messages.
TEST_P(CalcLiveTest, Suggestions) {
    TempFolder folder;
    const std::string game = folder / "2008_03_15;20-45;G.lvo";
    folder.Write("2008_03_15;20-45;G.lvo", "2;3.6;4;\r\n3;;;10;;;;;\r\n");
    const Texts boxes = {"hedge_sure_1",      "hedge_sure_x",         "hedge_sure_2",
                         "hedge_sure_result", "hedge_probable_1",     "hedge_probable_x",
                         "hedge_probable_2",  "hedge_probable_result"};
    struct Case {
        Texts options;
        Texts figures;
        Texts messages;
    };
    // clang-format off
    const Case cases[] = {
        {{},                       {"0", "8.33", "7.5", "4.16", "0", "5.89", "5.3", "8.81"}, {}},
        {{"--commission", "5"},    {"0", "8.65", "7.79", "3.55", "0", "6.38", "5.75", "7.87"}, {}},
        {{"--commission", "0.0"},  {"0", "8.33", "7.5", "4.16", "0", "5.89", "5.3", "8.81"}, {}},
        {{"--commission", "100.5"}, Texts(8, ""), {"The commission is a figure from 0 to 100"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        Texts args = {"live"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(game);
        args.push_back("--json");
        const auto output = Run(args);
        EXPECT_EQ(output.status, 0) << output.err;
        const auto json = testing::ParseJson(output.out);
        EXPECT_EQ(BoxTexts(json, boxes), S(c.figures)) << ::testing::PrintToString(c.options);
        EXPECT_EQ(json["messages"].Texts(), c.messages);
    }
    EXPECT_EQ(folder.Read("2008_03_15;20-45;G.lvo"), "2;3.6;4;\r\n3;;;10;;;;;\r\n");

    const auto refused = Run({"live", "--commission", "five", game});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--commission takes a percentage"), std::string::npos);
}

}  // namespace
}  // namespace orvanta

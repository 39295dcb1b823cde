// Exit statuses, messages, usage and the options every subcommand shares.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc_test_util.h"
#include "common/temp_folder.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcOutput;
using testing::GridRows;
using testing::ParseJson;
using testing::RunCalcProgram;
using testing::TempFolder;

using Texts = std::vector<std::string>;

// 1E200, typed as a grid takes it.
const std::string kHuge = "1" + std::string(200, '0');

// Files for the cases below, made once.
class CalcStatusTest : public ::testing::Test {
protected:
    CalcStatusTest() {
        folder.Write("broken.bet", "TPF0 this is no grid file");
        try {
            TextGrid grid(ParlaySheet::kCols, ParlaySheet::kRows);
            LoadGridFromFile(grid, folder / "broken.bet",
                             GridShape{ParlaySheet::kCols, ParlaySheet::kRows});
        } catch (const OperationError& e) {
            broken_report = ErrorReportText(e.what());
        }
        folder.Write("zero.lvo", "0;2;3;\r\n2;;;10;;;;;\r\n");
        // A buy whose status, 1E200 times 1E200, leaves the double range.
        folder.Write("huge.lvo", "2;3;4;\r\n2;;;10;;;;;\r\n" + kHuge + ";;;" + kHuge + ";\r\n");
        // A buy whose amount is no number: read twice for the other outcomes,
        // once for its own, once for the game wager.
        folder.Write("bad.lvo", "1;2;3;\r\n2;;;1..5;;;;;\r\n");
        mkfifo((folder / "pipe.bet").c_str(), 0600);
    }
    TempFolder folder;
    // What the Load button reports for broken.bet.
    std::string broken_report = "no error";
};

TEST_F(CalcStatusTest, WrongUsageAndUnreadableFilesEndWithTwoAndOneLine) {
    struct Case {
        Texts args;
        const char* says;
    };
    const Case cases[] = {
        {{}, "no subcommand"},
        {{"arbitrag", "2"}, "unknown subcommand"},
        {{"arbitrage", "--multiplyer", "2", "2"}, "unknown option"},
        {{"--multiplier", "2", "arbitrage", "2"}, "belongs after the subcommand arbitrage"},
        {{"probability", "--separator"}, "needs a value"},
        {{"--separator", ";", "probability", "2"}, "--separator takes"},
        {{"arbitrage", "-2", "3"}, "unknown option \"-2\""},
        {{"arbitrage", "2 ", "3"}, "a grid cell takes only digits"},
        {{"arbitrage", "1", "2", "3", "4", "5", "6", "7", "8", "9", "1", "2", "3", "4", "5"},
         "at most 13"},
        {{"odds", "1", "2", "3", "4", "5"}, "exactly six counts"},
        {{"parlay", "2", "x.bet"}, "is no selection"},
        {{"parlay", "2", "2/L/L"}, "is no selection"},
        {{"parlay", "2", "--stake", "16=1"}, "--stake takes K=TEXT"},
        {{"parlay", "2", "--stake", "1=-1"}, "a stake cell takes only digits"},
        {{"live"}, "live takes one record file"},
        {{"parlay", folder / "missing.bet"}, "File not found"},
        {{"parlay", folder.Path()}, "Invalid filename"},
        {{"parlay", folder / "pipe.bet"}, "Not a plain file"},
        {{"live", folder / "missing.lvo"}, "File not found"},
    };
    for (const Case& c : cases) {
        const CalcOutput output = RunCalcProgram(c.args);
        const std::string trace = c.args.empty() ? "(none)" : c.args.front() + " " + c.says;
        EXPECT_EQ(output.status, 2) << trace;
        EXPECT_EQ(output.out, "") << trace;
        ASSERT_EQ(output.ErrLines().size(), 1u) << trace << "\n" << output.err;
        EXPECT_EQ(output.err.rfind("orvanta-calc: ", 0), 0u) << output.err;
        EXPECT_NE(output.err.find(c.says), std::string::npos) << output.err;
    }
}

TEST_F(CalcStatusTest, TheGeneralErrorReportEndsWithOneAndKeepsWhatWasWritten) {
    struct Case {
        Texts args;
        const char* error;
        Texts messages;
        // Said after the report: why the live suggestions stay empty.
        Texts later = {};
    };
    const Case cases[] = {
        // The first column is written before the zero odds divides.
        {{"arbitrage", "2", "0"}, "Floating point division by zero.", {}},
        {{"arbitrage", "2", "--multiplier", "0"}, "Invalid floating point operation.", {}},
        {{"probability", "2", "1..5"}, "Floating point division by zero.", {"Error Value"}},
        {{"parlay", folder / "broken.bet"}, broken_report.c_str(), {}},
        // The load reports the current odds and goes on with the positions.
        {{"live", folder / "zero.lvo"},
         "Floating point division by zero.",
         {},
         {"The current odds must be figures above 1"}},
        // A figure beyond the double range, on every page.
        {{"arbitrage", "--multiplier", "1e306", "2.5", "1.8"}, "Floating point overflow.", {}},
        {{"probability", "2", "0." + std::string(306, '0') + "1"}, "Floating point overflow.", {}},
        {{"odds", "--ganiota", "-1e308", "10", "5", "5", "6", "6", "8"},
         "Floating point overflow.",
         {}},
        {{"parlay", kHuge, kHuge, "--stake", "2=1"}, "Floating point overflow.", {}},
        {{"live", folder / "huge.lvo"}, "Floating point overflow.", {}},
    };
    for (const Case& c : cases) {
        Texts args = c.args;
        args.push_back("--json");
        const CalcOutput output = RunCalcProgram(args);
        EXPECT_EQ(output.status, 1) << c.args.front();
        Texts shown = c.messages;
        shown.push_back(c.error);
        shown.insert(shown.end(), c.later.begin(), c.later.end());
        EXPECT_EQ(output.ErrLines(), shown);
        const auto json = ParseJson(output.out);
        EXPECT_EQ(json["error"].text, c.error);
        Texts messages = c.messages;
        messages.insert(messages.end(), c.later.begin(), c.later.end());
        EXPECT_EQ(json["messages"].Texts(), messages);

        // Neither the JSON nor the tables ever show a figure that is no number.
        const CalcOutput table = RunCalcProgram(c.args);
        EXPECT_EQ(table.status, 1) << "table: " << c.args.front();
        for (const std::string& text : {output.out, table.out}) {
            EXPECT_EQ(text.find("INF"), std::string::npos) << text;
            EXPECT_EQ(text.find("NAN"), std::string::npos) << text;
        }
    }

    const auto arbitrage = ParseJson(RunCalcProgram({"arbitrage", "2", "0", "--json"}).out);
    EXPECT_EQ(GridRows(arbitrage, "outcomes")[2][0], "1");
    EXPECT_EQ(GridRows(arbitrage, "outcomes")[3][0], "2");
    // The wagers and payouts stand; the per cent overflowed and its boxes did not change.
    const auto overflow = ParseJson(
        RunCalcProgram({"arbitrage", "--multiplier", "1e306", "2.5", "1.8", "--json"}).out);
    EXPECT_EQ(GridRows(overflow, "outcomes")[2][0], "1.72E306");
    EXPECT_EQ(GridRows(overflow, "outcomes")[3][1], "4.3E306");
    EXPECT_EQ(BoxTexts(overflow, {"total_wager", "sure_profit_percent", "sure_profit"}),
              (Texts{"0", "0%", "0"}));
    const auto live = ParseJson(RunCalcProgram({"live", folder / "zero.lvo", "--json"}).out);
    EXPECT_EQ(GridRows(live, "positions")[2][8], "20");
    EXPECT_EQ(BoxTexts(live, {"current_odds_1", "probability_1", "ganiota"}), (Texts{"0", "", ""}));
}

TEST_F(CalcStatusTest, MessagesGoToStandardErrorInTheOrderShown) {
    struct Case {
        Texts args;
        Texts messages;
    };
    const Case cases[] = {
        {{"arbitrage", "1..5"}, {"Error Value"}},
        {{"arbitrage", "--win-pay", "", "2"}, {"Error Value"}},
        {{"parlay", "2", "", "3"}, {"Warnig..fill with the odds from the first cell"}},
        {{"parlay", "2/B/L", "3/L/B"}, {"Standart Lost", "Standart Lost"}},
        {{"odds", "10", "5", "5", "", "6", "8"}, {"WriteValueFrom  :AWAY TEAM WINS"}},
        {{"live", folder / "bad.lvo"},
         {"Error Value", "Error Value", "Error Value", "Error Value",
          "The current odds must be figures above 1"}},
    };
    for (const Case& c : cases) {
        Texts args = c.args;
        args.push_back("--json");
        const CalcOutput output = RunCalcProgram(args);
        EXPECT_EQ(output.status, 0) << c.args.front() << "\n" << output.err;
        EXPECT_EQ(output.ErrLines(), c.messages);
        const auto json = ParseJson(output.out);
        EXPECT_EQ(json["messages"].Texts(), c.messages);
        EXPECT_TRUE(json["error"].IsNull());
    }
}

TEST_F(CalcStatusTest, CommonOptionsGoBeforeOrAfterTheSubcommand) {
    const CalcOutput first =
        RunCalcProgram({"--json", "--separator", ",", "arbitrage", "2.5", "1.8"});
    const CalcOutput last = RunCalcProgram({"arbitrage", "2.5", "--separator=,", "1.8", "--json"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, last.out);
    EXPECT_EQ(ParseJson(first.out)["boxes"]["total_wager"].text, "4,11");
}

TEST_F(CalcStatusTest, TheSeparatorComesFromTheRegionalSettings) {
    // The machines this runs on have no locale with a decimal comma; the C
    // locales give ".".
    for (const char* locale : {"C", "C.UTF-8", "POSIX"}) {
        const CalcOutput output = RunCalcProgram({"--json", "arbitrage", "2,5", "1,8"},
                                                 {std::string("LC_ALL=") + locale});
        EXPECT_EQ(output.status, 0);
        const auto json = ParseJson(output.out);
        EXPECT_EQ(GridRows(json, "outcomes")[1][0], "2.5") << locale;
        EXPECT_EQ(json["boxes"]["total_wager"].text, "4.11") << locale;
    }
}

TEST_F(CalcStatusTest, JsonCarriesAnyTextALoadedSheetHolds) {
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    const std::string odd = "\"q\" \\ \x01\t\nΑΠΟΔΟΣΗ €";
    sheet.selections.SetCell(ParlaySheet::kOddsCol, 0, odd);
    SaveGridToFile(sheet.selections, folder / "odd.bet", 0);

    const CalcOutput output = RunCalcProgram({"parlay", folder / "odd.bet", "--json"});
    EXPECT_EQ(output.status, 0) << output.err;
    EXPECT_EQ(GridRows(ParseJson(output.out), "selections")[0][ParlaySheet::kOddsCol], odd);
}

// Scripts read the output by these names: a change to any is a new schema.
TEST_F(CalcStatusTest, JsonNamesThePageItsSchemaAndEveryGridAndBox) {
    struct Case {
        Texts args;
        Texts grids;
        Texts boxes;
    };
    const Case cases[] = {
        {{"arbitrage", "2.5", "1.8"},
         {"outcomes"},
         {"multiplier", "win_pay_target", "total_wager", "sure_profit_percent", "sure_profit"}},
        {{"probability", "2", "2"}, {"outcomes"}, {"margin", "return_percent", "ganiota_percent"}},
        {{"odds", "10", "5", "5", "6", "6", "8"}, {"records", "prices"}, {"ganiota"}},
        {{"parlay", "2", "3"}, {"selections"}, {"total_staked", "total_returned", "total_profit"}},
        {{"live", folder / "zero.lvo"},
         {"positions"},
         {"game_wager_1",     "game_wager_x",     "game_wager_2",     "return_1",
          "return_x",         "return_2",         "result_1",         "result_x",
          "result_2",         "current_odds_1",   "current_odds_x",   "current_odds_2",
          "probability_1",    "probability_x",    "probability_2",    "ganiota",
          "hedge_sure_1",     "hedge_sure_x",     "hedge_sure_2",     "hedge_sure_result",
          "hedge_probable_1", "hedge_probable_x", "hedge_probable_2", "hedge_probable_result"}},
    };
    for (const Case& c : cases) {
        Texts args = c.args;
        args.push_back("--json");
        const auto json = ParseJson(RunCalcProgram(args).out);
        EXPECT_EQ(json.Keys(), (Texts{"schema", "page", "grids", "boxes", "colours", "checked",
                                      "messages", "error"}));
        EXPECT_EQ(json["schema"].number, 1);
        EXPECT_EQ(json["page"].text, c.args.front());
        EXPECT_EQ(json["grids"].Keys(), c.grids);
        EXPECT_EQ(json["checked"].Keys(), c.grids);
        EXPECT_EQ(json["boxes"].Keys(), c.boxes);
        for (const std::string& coloured : json["colours"].Keys()) {
            EXPECT_NE(std::find(c.boxes.begin(), c.boxes.end(), coloured), c.boxes.end());
        }
    }
}

TEST(CalcProgram, VersionAndHelp) {
    const CalcOutput version = RunCalcProgram({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("orvanta-calc ") + ORVANTA_VERSION_TEXT + "\n");

    const CalcOutput help = RunCalcProgram({"live", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("parlay [FILE.bet | SELECTION...]"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

}  // namespace
}  // namespace orvanta

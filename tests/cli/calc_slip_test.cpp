// orvanta-calc slip and parlay --system: a bet slip settled, a named system
// filled into the parlay sheet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_test_util.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcTest;
using testing::GridRows;
using testing::ParseJson;

using Texts = std::vector<std::string>;

class CalcSlipTest : public CalcTest {};

INSTANTIATE_TEST_SUITE_P(BothMarks, CalcSlipTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

const Texts kBoxes = {"bets",   "total_stake", "total_return",
                      "profit", "win_return",  "place_return"};

TEST_P(CalcSlipTest, SettlesSlipsFromTheirLegs) {
    const struct {
        Texts args;
        Texts boxes;
    } cases[] = {
        // Betfair's each-way help: 10 each way at 7/4, a quarter the odds.
        {{"--type", "single", "--stake", "10", "--each-way", "7/4"},
         {"2", "20.00", "41.88", "21.88", "27.50", "14.38"}},
        // Paddy Power's each-way help: 5 each way at 20/1 placed, a fifth.
        {{"--type", "single", "--stake", "5", "--each-way", "20/1:placed:terms=1/5"},
         {"2", "10.00", "25.00", "15.00", "0.00", "25.00"}},
        // Unibet's Rule 4 help and Betfair's dead-heat help, as two singles.
        {{"--type", "singles", "--stake", "10", "2.25:r4=80", "10/1:dh=2"},
         {"2", "20.00", "67.50", "47.50", "67.50", "0.00"}},
        // calculator.city's Lucky 15 example.
        {{"--type", "lucky15", "--stake", "1", "2.5", "3", "4:lost", "1.8"},
         {"15", "15.00", "38.20", "23.20", "38.20", "0.00"}},
        // A Patent with a non-runner, by hand; decimal marks of either kind.
        {{"--type", "patent", "--stake", "1", "2/1", "4,0", "evens:void"},
         {"7", "7.00", "39.00", "32.00", "39.00", "0.00"}},
        {{"--type", "folds-4", "--stake", "0.5", "2", "2", "2", "2", "2:lost"},
         {"5", "2.50", "8.00", "5.50", "8.00", "0.00"}},
        {{"--type", "double", "--stake", "1", "--each-way", "4/1:terms=1/5", "2/1:placed"},
         {"2", "2.00", "2.70", "0.70", "0.00", "2.70"}},
    };
    for (const auto& c : cases) {
        Texts args = {"slip"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(args.back());
        EXPECT_EQ(BoxTexts(Json(args), kBoxes), S(c.boxes));
    }
}

TEST_P(CalcSlipTest, BadInputIsAClearErrorAndNoFigure) {
    const struct {
        Texts args;
        std::string error;
    } cases[] = {
        {{"--type", "single", "--stake", "1", "1"},
         "Leg 1: Odds are a number above 1, a fraction such as 5/2, or evens."},
        {{"--type", "single", "--stake", "1", "2", "5/0"},
         "Leg 2: A fraction cannot have 0 below the line."},
        {{"--type", "single", "--stake", "1", "2:dh=0"},
         "Leg 1: A dead heat needs 1 or more runners tied and 1 or more places left."},
        {{"--type", "single", "--stake", "1", "2:r4=95"},
         "Leg 1: A Rule 4 deduction is 0 to 90 pence in the pound."},
        {{"--type", "single", "--stake", "1", "2:terms=3/2"},
         "Leg 1: Place terms are a fraction above 0 and at most 1, such as 1/4."},
        {{"--type", "yankee", "--stake", "1", "2", "2", "2"},
         "This bet does not fit the number of legs entered (Yankee: 4)"},
        {{"--type", "single", "--stake", "0", "2"},
         "The stake per bet is an amount above 0, to the cent."},
        {{"--type", "single", "--stake", "1", "2:won:half"},
         "Leg 1: \"half\" is no part of a leg: write "
         "ODDS[:won|placed|lost|void][:dh=TIED[/PLACES_LEFT]][:r4=PENCE][:terms=N/D]."},
        {{"--type", "single", "--stake", "1", "2", "2", "2", "2", "2", "2",
          "2",      "2",      "2",       "2", "2", "2", "2", "2", "2", "2"},
         "A slip holds at most 15 legs."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        Texts args = {"slip"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back("--json");
        const auto output = Run(args);
        EXPECT_EQ(output.status, 1);
        EXPECT_EQ(output.ErrLines(), Texts{c.error});
        EXPECT_TRUE(ParseJson(output.out)["boxes"].Keys().empty());
    }
    const auto unknown = Run({"slip", "--type", "lucky16", "--stake", "1", "2"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("\"lucky16\" is no bet type"), std::string::npos) << unknown.err;
    EXPECT_EQ(Run({"slip", "--each-way=yes", "--type", "single", "--stake", "1", "2"}).status, 2);
}

// The named system fills the stakes a user would type; the sheet is the same.
TEST_P(CalcSlipTest, ParlaySystemFillsTheStakesAsTyped) {
    const struct {
        const char* system;
        Texts selections;
        Texts rows;
    } cases[] = {{"lucky15", {"2", "3/L", "1.5", "4"}, {"1", "2", "3", "4"}},
                 {"yankee", {"2", "3", "1.5", "4"}, {"2", "3", "4"}},
                 {"trixie", {"2", "3/L", "1.5"}, {"2", "3"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.system);
        Texts named = {"parlay", "--system", c.system, "--unit", S("2.5")};
        Texts typed = {"parlay"};
        named.insert(named.end(), c.selections.begin(), c.selections.end());
        typed.insert(typed.end(), c.selections.begin(), c.selections.end());
        for (const std::string& row : c.rows) {
            typed.insert(typed.end(), {"--stake", row + "=" + S("2.5")});
        }
        const auto by_name = Json(named);
        const auto by_hand = Json(typed);
        EXPECT_EQ(GridRows(by_name, "selections"), GridRows(by_hand, "selections"));
        EXPECT_EQ(BoxTexts(by_name, {"total_staked", "total_returned", "total_profit"}),
                  BoxTexts(by_hand, {"total_staked", "total_returned", "total_profit"}));
    }
}

TEST_P(CalcSlipTest, ParlaySystemOverAnotherCountChangesNothing) {
    const auto output =
        Run({"parlay", "--system", "yankee", "--unit", "1", "2", "3", "4", "5", "6", "--json"});
    EXPECT_EQ(output.status, 1);
    EXPECT_EQ(output.ErrLines(),
              Texts{"This system needs another number of selections (Yankee: 4)"});
    for (const auto& row : GridRows(ParseJson(output.out), "selections")) {
        if (row[3] != "System" && !row[3].empty()) {
            EXPECT_EQ(row[4], "") << row[3];
        }
    }
    EXPECT_EQ(Run({"parlay", "--system", "goliath", "--json", "2"}).status, 1);
    EXPECT_EQ(Run({"parlay", "--system", "singles", "--unit", "1", "2"}).status, 1);
}

}  // namespace
}  // namespace orvanta

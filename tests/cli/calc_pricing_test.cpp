// orvanta-calc fair, kelly and convert: figures that no page holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_test_util.h"

namespace orvanta {
namespace {

using testing::BoxTexts;
using testing::CalcTest;
using testing::JsonValue;
using testing::ParseJson;

using Texts = std::vector<std::string>;

class CalcPricingTest : public CalcTest {
protected:
    // A box's figure read back, whichever the decimal mark.
    static double Figure(const JsonValue& json, const std::string& name) {
        std::string text = json["boxes"][name].text;
        for (char& c : text) {
            c = c == ',' ? '.' : c;
        }
        return std::stod(text);
    }
};

INSTANTIATE_TEST_SUITE_P(BothMarks, CalcPricingTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

// penaltyblog's implied odds worked example ([2.7, 2.3, 4.4]), as in the core's
// own test; here the boxes and their fifteen digits.
TEST_P(CalcPricingTest, FairOddsByEveryMethod) {
    struct Case {
        const char* method;
        const char* parameter_name;
        double parameter;
        std::vector<double> probabilities;
    };
    const Case cases[] = {
        {"proportional", "", 0.0, {0.35873804, 0.42112726, 0.2201347}},
        {"additive", "taken", 0.03242570633874986 / 3, {0.3595618, 0.42397404, 0.21646416}},
        {"power", "k", 1.0309132393169356, {0.3591711, 0.42373075, 0.21709815}},
        {"shin", "z", 0.016236442857291165, {0.35934392, 0.42324385, 0.21741223}},
        {"odds-ratio", "c", 1.05116912729218, {0.35881036, 0.42256142, 0.21862822}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        const auto json = Json({"fair", "--method", c.method, "2.7", "2,3", "4.4"});
        EXPECT_EQ(json["boxes"].Keys(),
                  (Texts{"method", "parameter", "margin_percent", "probability_1", "fair_odds_1",
                         "probability_2", "fair_odds_2", "probability_3", "fair_odds_3"}));
        EXPECT_EQ(json["boxes"]["method"].text, c.method);
        if (*c.parameter_name) {
            EXPECT_NEAR(Figure(json, "parameter"), c.parameter, 1e-9);
        } else {
            EXPECT_EQ(json["boxes"]["parameter"].text, "");
        }
        EXPECT_EQ(json["boxes"]["margin_percent"].text, S("3.24257063387499"));
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string k = std::to_string(i + 1);
            EXPECT_NEAR(Figure(json, "probability_" + k), 100 * c.probabilities[i], 5e-7);
            EXPECT_NEAR(Figure(json, "fair_odds_" + k) * Figure(json, "probability_" + k), 100,
                        1e-10);
        }
    }
    // Proportional is the default, to fifteen digits.
    EXPECT_EQ(
        BoxTexts(Json({"fair", "2.7", "2.3", "4.4"}), {"method", "probability_1", "fair_odds_1"}),
        S({"proportional", "35.8738036157391", "2.78754940711462"}));
}

TEST_P(CalcPricingTest, AdditiveOnLongShotsSaysSoAndShowsNoOdds) {
    const auto output =
        Run({"fair", "--method", "additive", "1.15", "5", "10", "20", "100", "--json"});
    EXPECT_EQ(output.status, 0);
    const auto json = ParseJson(output.out);
    EXPECT_LT(Figure(json, "probability_5"), 0.0);
    EXPECT_EQ(json["boxes"]["fair_odds_5"].text, "");
    EXPECT_NE(json["boxes"]["fair_odds_4"].text, "");
    EXPECT_EQ(json["messages"].Texts(),
              (Texts{"The additive method gives outcome 5 a probability outside 0 to 100%: it "
                     "has no fair odds"}));
    EXPECT_EQ(output.ErrLines(), json["messages"].Texts());
}

// PainStaking (hex.pm "painstaking"), its test "many horses": stakes in per cent
// of the bankroll to two decimals, here on a bankroll of 1000 and at half Kelly.
TEST_P(CalcPricingTest, KellyStakesOnOneRace) {
    const auto json = Json({"kelly", "--bankroll", "1000", "75@1.6", "4@31", "1@101"});
    EXPECT_EQ(json["boxes"].Keys(),
              (Texts{"edge_percent_1", "stake_percent_1", "stake_1", "edge_percent_2",
                     "stake_percent_2", "stake_2", "edge_percent_3", "stake_percent_3", "stake_3",
                     "total_stake_percent", "growth_percent"}));
    const double published[] = {37.44, 2.06, 0.41};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string k = std::to_string(i + 1);
        EXPECT_NEAR(Figure(json, "stake_percent_" + k), published[i], 0.005);
        EXPECT_NEAR(Figure(json, "stake_" + k), 10 * Figure(json, "stake_percent_" + k), 1e-9);
    }
    EXPECT_EQ(BoxTexts(json, {"edge_percent_1", "edge_percent_2", "edge_percent_3"}),
              S({"20", "24", "1"}));
    EXPECT_GT(Figure(json, "growth_percent"), 0.0);

    const auto half = Json({"kelly", "--fraction", "0,5", "75%@1.6", "4@31", "1@101"});
    EXPECT_NEAR(Figure(half, "stake_percent_1"), 37.44 / 2, 0.005);
    EXPECT_NEAR(Figure(half, "total_stake_percent"), Figure(json, "total_stake_percent") / 2,
                1e-12);
    EXPECT_THROW(half["boxes"]["stake_1"], std::exception);
}

// R package odds.converter 1.4.8, tests/testthat/test.DecimalConversions.R
// (1.9 is -111.11111 American, 0.9 Hong Kong, -1.111111 Indonesian, 0.9 Malay,
// 0.5263157895 as a probability) and its odds.malay2dec example (-0.6 is
// 2.666667); the npm odds-converter README (American -125 is 4/5).
TEST_P(CalcPricingTest, ConvertGivesEveryFormat) {
    const std::vector<std::string> names = {"decimal", "fractional", "american", "hong_kong",
                                            "malay",   "indonesian", "percent"};
    struct Case {
        Texts args;
        Texts boxes;
    };
    const Case cases[] = {
        {{"convert", "1.9"},
         {"1.9", "9/10", "-111.111111111111", "0.9", "0.9", "-1.11111111111111",
          "52.6315789473684"}},
        {{"convert", "--from", "malay", "-0.6"},
         {"2.66666666666667", "5/3", "+166.666666666667", "1.66666666666667", "-0.6",
          "1.66666666666667", "37.5"}},
        {{"convert", "--from", "american", "-125"},
         {"1.8", "4/5", "-125", "0.8", "0.8", "-1.25", "55.5555555555556"}},
        {{"convert", "2.33"},
         {"2.33", "133/100", "+133", "1.33", "-0.75187969924812", "1.33", "42.9184549356223"}},
        {{"convert", "--from", "fractional", "evens"}, {"2", "1/1", "+100", "1", "1", "1", "50"}},
        {{"convert", "--from", "indonesian", "-5"},
         {"1.2", "1/5", "-500", "0.2", "0.2", "-5", "83.3333333333333"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(BoxTexts(Json(c.args), names), S(c.boxes));
    }
    const auto table = Run({"convert", "--from", "hong-kong", "0.5"});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out, S("Decimal     1.5\n"
                           "Fractional  1/2\n"
                           "American    -200\n"
                           "Hong Kong   0.5\n"
                           "Malay       0.5\n"
                           "Indonesian  -2\n"
                           "Implied %   66.6666666666667\n"));
}

// Input that is no book, no stake or no price: one line saying why, status 1,
// and no figure shown.
TEST_P(CalcPricingTest, BadInputIsReportedAndShowsNoFigure) {
    struct Case {
        Texts args;
        const char* error;
    };
    const Case cases[] = {
        {{"fair", "2", "1"}, "Decimal odds must be greater than 1."},
        {{"fair", "2", "0.5"}, "Decimal odds must be greater than 1."},
        {{"fair"}, "A book needs at least two outcomes."},
        {{"fair", "2"}, "A book needs at least two outcomes."},
        {{"fair", "2", "abc"}, "\"abc\" is not a price in decimal odds."},
        {{"fair", "--method", "shin", "2", "-50"}, "Decimal odds must be greater than 1."},
        {{"kelly"}, "There are no outcomes to stake on."},
        {{"kelly", "--bankroll", "0", "50@2.2"}, "The bankroll must be greater than 0."},
        {{"kelly", "--bankroll", "-100", "50@2.2"}, "The bankroll must be greater than 0."},
        {{"kelly", "--fraction", "0", "50@2.2"},
         "The Kelly fraction must lie above 0 and at most 1."},
        {{"kelly", "--fraction", "1.5", "50@2.2"},
         "The Kelly fraction must lie above 0 and at most 1."},
        {{"kelly", "50@1"}, "Decimal odds must be greater than 1."},
        {{"kelly", "60@2", "50@3"}, "The probabilities add up to more than 100%"},
        {{"kelly", "abc"},
         "\"abc\" is no outcome: write P@O, the probability in per cent and the decimal odds "
         "(45@2.5)"},
        {{"convert", "--from", "american", "+0"},
         "American odds are +100 or more, or -100 or less."},
        {{"convert", "-50"}, "Decimal odds must be greater than 1."},
        {{"convert", "--from", "fractional", "3/0"}, "A fraction cannot have 0 below the line."},
        {{"convert", "--from", "fractional", "1/0"}, "A fraction cannot have 0 below the line."},
        {{"convert", "abc"}, "\"abc\" is not a price in decimal odds."},
        {{"convert", "2", "3"}, "Convert one price at a time."},
        {{"convert"}, "Convert one price at a time."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        Texts args = c.args;
        args.push_back("--json");
        const auto output = Run(args);
        EXPECT_EQ(output.status, 1);
        EXPECT_EQ(output.ErrLines(), (Texts{c.error}));
        const auto json = ParseJson(output.out);
        EXPECT_EQ(json["error"].text, c.error);
        const Texts left = json["boxes"].Keys();
        EXPECT_TRUE(left.empty() || left == Texts{"method"}) << left.size();
    }
}

TEST_P(CalcPricingTest, UnknownMethodOrFormatIsWrongUsage) {
    for (const Texts& args : {Texts{"fair", "--method", "basic", "2", "2"},
                              Texts{"convert", "--from", "moneyline", "-110"},
                              Texts{"kelly", "--method", "shin", "50@2.2"}}) {
        const auto output = Run(args);
        EXPECT_EQ(output.status, 2) << args[2];
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.ErrLines().size(), 1u);
    }
}

}  // namespace
}  // namespace orvanta

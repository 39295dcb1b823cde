#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/live/current_odds.h"
#include "core/numeric/key_filter.h"

namespace orvanta {
namespace {

using testing::CoreScene;

class OddsTest : public testing::SeparatorTest {
protected:
    CurrentOddsPanel Panel(const char* o1, const char* ox, const char* o2) const {
        CurrentOddsPanel panel;
        panel.odds_1.text = S(o1);
        panel.odds_x.text = S(ox);
        panel.odds_2.text = S(o2);
        return panel;
    }
    static std::string Results(const CurrentOddsPanel& p) {
        return p.probability_1.text + "|" + p.probability_x.text + "|" + p.probability_2.text +
               " " + p.bookmaker_cut.text;
    }
};

INSTANTIATE_TEST_SUITE_P(BothMarks, OddsTest, ::testing::Values('.', ','), testing::SeparatorName);

TEST_P(OddsTest, WorkedExamples) {
    struct Case {
        const char* o1;
        const char* ox;
        const char* o2;
        const char* results;  // probabilities, then the bookmaker's cut
    };
    // clang-format off
    const Case cases[] = {
        {"1.85", "3.40", "4.20", "50.39|27.42|22.2 6.78"},
        {"2",    "4",    "4",    "50|25|25 0"},
        // The margin is 100 - 100.18, read as the two-decimal figure it is.
        {"2.02", "3.5",  "4.6",  "49.59|28.62|21.78 -0.18"},
        // The other mark typed in a hand-edited record reads the same.
        {"1,85", "3,40", "4,20", "50.39|27.42|22.2 6.78"},
    };
    // clang-format on
    for (const Case& c : cases) {
        CoreScene scene(Sep());
        CurrentOddsPanel panel = Panel(c.o1, c.ox, c.o2);
        CalculateProbabilities(panel, scene.services);
        EXPECT_EQ(Results(panel), S(c.results)) << c.o1;
        EXPECT_EQ(panel.odds_1.text, S(c.o1));
    }
}

TEST_P(OddsTest, ProbabilitiesByTheChosenMethod) {
    // Worked out apart from the program by each method's definition; the cut
    // is the book's and the same for every method.
    struct Case {
        MarginMethod method;
        const char* results;
        const char* parameter;
    };
    // clang-format off
    const Case cases[] = {
        {MarginMethod::kProportional, "50.39|27.42|22.2 6.78",   ""},
        {MarginMethod::kAdditive,     "51.63|26.99|21.38 6.78",  "taken = 0.0243"},
        {MarginMethod::kPower,        "51.67|26.89|21.44 6.78",  "k = 1.0732"},
        {MarginMethod::kShin,         "51.31|27.09|21.6 6.78",   "z = 0.0366"},
        {MarginMethod::kOddsRatio,    "51.17|27.06|21.77 6.78",  "c = 1.1229"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(MethodKey(c.method)));
        CoreScene scene(Sep());
        CurrentOddsPanel panel = Panel("1.85", "3.40", "4.20");
        panel.method = c.method;
        CalculateProbabilities(panel, scene.services);
        EXPECT_EQ(Results(panel), S(c.results));
        EXPECT_EQ(panel.method_parameter.text, S(c.parameter));
        EXPECT_FALSE(panel.probability_1.colour);
    }
}

TEST_P(OddsTest, AProbabilityOutOfRangeIsMarked) {
    CoreScene scene(Sep());
    CurrentOddsPanel panel = Panel("1.2", "5", "100");
    panel.method = MarginMethod::kAdditive;
    CalculateProbabilities(panel, scene.services);
    EXPECT_EQ(panel.probability_2.text, S("-0.44"));
    EXPECT_EQ(panel.probability_2.colour, kColourRed);
    EXPECT_FALSE(panel.probability_1.colour);
    EXPECT_EQ(panel.method_parameter.text, S("taken = 0.0144") + "; out of range");
}

TEST_P(OddsTest, AZeroOddsFailsAndKeepsTheResults) {
    // Odds so small that 100 / odds leaves the double range: the payout would
    // come out as 0 and the margin as 100 if the book's overflow went unseen.
    const std::string tiny = "0." + std::string(306, '0') + "1";  // 1E-307
    struct Case {
        std::string o1;
        const char* ox;
        const char* o2;
        int error_values;
        const char* error;
    };
    // clang-format off
    const Case cases[] = {
        {"1.85",  "0",   "4.2", 0, kDivisionByZero},
        {"0",     "3.4", "4.2", 0, kDivisionByZero},
        {".",     "3.4", "4.2", 0, kDivisionByZero},  // a lone separator is 0 without a message
        {"1.2.3", "3.4", "4.2", 1, kDivisionByZero},  // no number: "Error Value", then 0
        {tiny,    "3.4", "4.2", 0, kOverflow},
    };
    // clang-format on
    for (const Case& c : cases) {
        CoreScene scene(Sep());
        CurrentOddsPanel panel = Panel(c.o1.c_str(), c.ox, c.o2);
        panel.probability_1.text = "a";
        panel.probability_x.text = "b";
        panel.probability_2.text = "c";
        panel.bookmaker_cut.text = "d";
        scene.prompter.ExpectMessage("Error Value", c.error_values);
        try {
            CalculateProbabilities(panel, scene.services);
            ADD_FAILURE() << "no failure for " << c.o1 << " " << c.ox;
        } catch (const OperationError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(Results(panel), "a|b|c d") << c.o1 << " " << c.ox;
    }
}

TEST_P(OddsTest, NegativeOddsFromAHandEditedRecordChangeNothing) {
    CoreScene scene(Sep());
    CurrentOddsPanel panel = Panel("-2", "-4", "-4");
    panel.bookmaker_cut.text = "kept";
    CalculateProbabilities(panel, scene.services);
    EXPECT_EQ(Results(panel), "|| kept");
}

TEST_P(OddsTest, KeysAndTheEnterCycle) {
    // One separator per value, as on the sheet: "2,5.5" cannot be typed, and
    // neither mark comes in twice.
    struct Case {
        char typed;
        const char* current;
        std::optional<char> lands;
    };
    const Case cases[] = {
        {'.', "", Sep()},
        {',', "2", Sep()},
        {'5', "2.", '5'},
        {'.', "2.5", std::nullopt},
        {',', "2.5", std::nullopt},
        {'a', "2", std::nullopt},
        {kKeyEnter, "2.5", kKeyEnter},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilterOddsKey(c.typed, Sep(), S(c.current)), c.lands)
            << c.typed << " after " << c.current;
    }

    EXPECT_EQ(NextOddsBox(1, "1.5"), 2);
    EXPECT_EQ(NextOddsBox(2, "3"), 3);
    EXPECT_EQ(NextOddsBox(3, "4"), 1);
    EXPECT_EQ(NextOddsBox(3, ""), std::nullopt);
    EXPECT_EQ(NextOddsBox(1, ""), std::nullopt);
}

}  // namespace
}  // namespace orvanta

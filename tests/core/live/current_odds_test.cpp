#include <gtest/gtest.h>

#include <string>

#include "common/core_fixture.h"
#include "core/grid/operation_error.h"
#include "core/live/current_odds.h"
#include "core/numeric/key_filter.h"
#include "sheet_text.h"

namespace orvanta {
namespace {

using testing::CoreScene;
using testing::WithSeparator;

class OddsTest : public ::testing::TestWithParam<char> {
protected:
    char Sep() const { return GetParam(); }
    std::string S(const std::string& text) const { return WithSeparator(text, Sep()); }

    CurrentOddsPanel Panel(const char* o1, const char* ox, const char* o2) const {
        CurrentOddsPanel panel;
        panel.Edit13.text = S(o1);
        panel.Edit14.text = S(ox);
        panel.Edit15.text = S(o2);
        return panel;
    }
    static std::string Results(const CurrentOddsPanel& p) {
        return p.Edit10.text + "|" + p.Edit11.text + "|" + p.Edit12.text + " " + p.edtGaniota.text;
    }
};

INSTANTIATE_TEST_SUITE_P(BothMarks, OddsTest, ::testing::Values('.', ','), [](const auto& info) {
    return std::string(info.param == '.' ? "Point" : "Comma");
});

TEST_P(OddsTest, WorkedExamples) {
    struct Case {
        const char* o1;
        const char* ox;
        const char* o2;
        const char* results;  // probabilities, then Ganiota
    };
    const Case cases[] = {
        {"1.85", "3.40", "4.20", "50.39|27.42|22.2 6.78"},
        {"2", "4", "4", "50|25|25 0"},
        // The margin is 100 - 100.18, read as the two-decimal figure it is.
        {"2.02", "3.5", "4.6", "49.59|28.62|21.78 -0.18"},
        // The other mark typed in a hand-edited record reads the same.
        {"1,85", "3,40", "4,20", "50.39|27.42|22.2 6.78"},
    };
    for (const Case& c : cases) {
        CoreScene scene(Sep());
        CurrentOddsPanel panel = Panel(c.o1, c.ox, c.o2);
        CalcProbability(panel, scene.services);
        EXPECT_EQ(Results(panel), S(c.results)) << c.o1;
        EXPECT_EQ(panel.Edit13.text, S(c.o1));
    }
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
    const Case cases[] = {
        {"1.85", "0", "4.2", 0, kDivisionByZero},    {"0", "3.4", "4.2", 0, kDivisionByZero},
        {".", "3.4", "4.2", 0, kDivisionByZero},      // a lone separator is 0 without a message
        {"1.2.3", "3.4", "4.2", 1, kDivisionByZero},  // no number: "Error Value", then 0
        {tiny, "3.4", "4.2", 0, kOverflow},
    };
    for (const Case& c : cases) {
        CoreScene scene(Sep());
        CurrentOddsPanel panel = Panel(c.o1.c_str(), c.ox, c.o2);
        panel.Edit10.text = "a";
        panel.Edit11.text = "b";
        panel.Edit12.text = "c";
        panel.edtGaniota.text = "d";
        scene.prompter.ExpectMessage("Error Value", c.error_values);
        try {
            CalcProbability(panel, scene.services);
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
    panel.edtGaniota.text = "kept";
    CalcProbability(panel, scene.services);
    EXPECT_EQ(Results(panel), "|| kept");
}

TEST_P(OddsTest, KeysAndTheEnterCycle) {
    // A second separator passes here, unlike on the sheet.
    EXPECT_EQ(FilterOddsKey('.', Sep()), Sep());
    EXPECT_EQ(FilterOddsKey(',', Sep()), Sep());
    EXPECT_EQ(FilterOddsKey('a', Sep()), std::nullopt);
    EXPECT_EQ(FilterOddsKey(kKeyEnter, Sep()), kKeyEnter);

    EXPECT_EQ(NextOddsTag(1, "1.5"), 2);
    EXPECT_EQ(NextOddsTag(2, "3"), 3);
    EXPECT_EQ(NextOddsTag(3, "4"), 1);
    EXPECT_EQ(NextOddsTag(3, ""), std::nullopt);
    EXPECT_EQ(NextOddsTag(1, ""), std::nullopt);
}

}  // namespace
}  // namespace orvanta

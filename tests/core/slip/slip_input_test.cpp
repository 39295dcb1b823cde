#include "core/slip/slip_input.h"

#include <gtest/gtest.h>

#include <string>

#include "core/base/operation_error.h"

namespace orvanta {
namespace {

std::string Refusal(void (*read)(const std::string&), const std::string& text) {
    try {
        read(text);
    } catch (const OperationError& error) {
        return error.what();
    }
    return "";
}

TEST(SlipInputTest, ReadsOddsAsDecimalsFractionsAndEvens) {
    const Catalogue none;
    const struct {
        const char* text;
        std::uint64_t num;
        std::uint32_t den;
    } odds[] = {{"2.5", 25, 10},     {"2,5", 25, 10},    {"5/2", 7, 2},
                {"evens", 2, 1},     {"Evs", 2, 1},      {"1/2", 3, 2},
                {" 11/10 ", 21, 10}, {"1.01", 101, 100}, {"1000000", 1000000, 1}};
    for (const auto& o : odds) {
        SCOPED_TRACE(o.text);
        const SlipFraction read = ReadSlipOdds(o.text, ',', none);
        EXPECT_EQ(read.num, o.num);
        EXPECT_EQ(read.den, o.den);
    }
}

TEST(SlipInputTest, RefusesWhatCannotBeSettledWithItsReason) {
    const Catalogue none;
    const std::string odds = slip_captions::kBadOdds.fallback;
    const std::string below = slip_captions::kZeroBelow.fallback;
    const struct {
        void (*read)(const std::string&);
        const char* text;
        std::string message;
    } refusals[] = {
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "1", odds},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "0.5", odds},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "", odds},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "two", odds},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "0/1", odds},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "1000001", odds},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "5/0", below},
        {[](const std::string& t) { ReadSlipOdds(t, '.', Catalogue()); }, "1234567890123456", odds},
        {[](const std::string& t) { ReadSlipRule4(t, '.', Catalogue()); }, "91",
         slip_captions::kBadRule4.fallback},
        {[](const std::string& t) { ReadSlipRule4(t, '.', Catalogue()); }, "-5",
         slip_captions::kBadRule4.fallback},
        {[](const std::string& t) { ReadSlipTerms(t, '.', Catalogue()); }, "0",
         slip_captions::kBadTerms.fallback},
        {[](const std::string& t) { ReadSlipTerms(t, '.', Catalogue()); }, "5/4",
         slip_captions::kBadTerms.fallback},
        {[](const std::string& t) { ReadSlipTerms(t, '.', Catalogue()); }, "1/0", below},
        {[](const std::string& t) { ReadSlipStake(t, '.', Catalogue()); }, "0",
         slip_captions::kBadStake.fallback},
        {[](const std::string& t) { ReadSlipStake(t, '.', Catalogue()); }, "0.005",
         slip_captions::kBadStake.fallback},
        {[](const std::string& t) { ReadSlipStake(t, '.', Catalogue()); }, "-1",
         slip_captions::kBadStake.fallback},
        {[](const std::string& t) { ReadSlipCount(t, Catalogue()); }, "0",
         slip_captions::kBadDeadHeat.fallback},
        {[](const std::string& t) { ReadSlipCount(t, Catalogue()); }, "1.5",
         slip_captions::kBadDeadHeat.fallback},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(Refusal(r.read, r.text), r.message);
    }
    // Rule 4 and the terms have their usual values when left empty.
    EXPECT_EQ(ReadSlipRule4("", '.', none).num, 0u);
    EXPECT_EQ(ReadSlipTerms("", '.', none).den, 4u);
    EXPECT_EQ(ReadSlipRule4("90", '.', none).num, 90u);
    EXPECT_EQ(ReadSlipTerms("1", '.', none).num, 1u);
}

TEST(SlipInputTest, ANamedBetOverTheWrongLegsSaysSoAndALegSaysWhichItIs) {
    const Catalogue none;
    EXPECT_EQ(
        Refusal([](const std::string&) { SlipFolds(*FindSlipKind("trixie"), 4, Catalogue()); }, ""),
        std::string(slip_captions::kWrongLegs.fallback) + " (Trixie: 3)");
    EXPECT_EQ(
        Refusal([](const std::string&) { SlipFolds(*FindSlipKind("singles"), 16, Catalogue()); },
                ""),
        slip_captions::kTooManyLegs.fallback);
    EXPECT_EQ(
        Refusal([](const std::string&) { SlipFolds(*FindSlipKind("singles"), 0, Catalogue()); },
                ""),
        slip_captions::kNoLegs.fallback);
    EXPECT_EQ(Refusal(
                  [](const std::string&) {
                      ForLeg(3, Catalogue(), [] { return ReadSlipOdds("1", '.', Catalogue()); });
                  },
                  ""),
              std::string("Leg 3: ") + slip_captions::kBadOdds.fallback);
    EXPECT_EQ(SlipFolds(*FindSlipKind("yankee"), 4, none), (std::vector<int>{2, 3, 4}));
}

}  // namespace
}  // namespace orvanta

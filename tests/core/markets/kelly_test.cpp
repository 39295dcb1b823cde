#include "core/markets/kelly.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/base/operation_error.h"

namespace orvanta {
namespace {

struct Published {
    const char* case_name;
    std::vector<KellyOutcome> outcomes;
    std::vector<double> stake_percent;  // as published, to two decimals
};

// The PainStaking package (hex.pm "painstaking"), its tests "single kelly_size"
// and "many horses": a favourite at 3/5, a stalking horse at 7/2 with no edge of
// its own, and two outsiders at 30/1 and 100/1, staked together.
const std::vector<Published>& PublishedExamples() {
    static const KellyOutcome chalk{0.75, 1.6}, stalk{0.20, 4.5}, dark{0.04, 31.0},
        glue{0.01, 101.0};
    static const std::vector<Published> examples = {
        {"decent edge at -110", {{0.55, 1.0 + 100.0 / 110.0}}, {5.50}},
        {"small edge at -120", {{0.55, 1.0 + 100.0 / 120.0}}, {1.00}},
        {"no edge at -110", {{0.50, 1.0 + 100.0 / 110.0}}, {0.00}},
        {"all four horses", {chalk, stalk, dark, glue}, {75.00, 20.00, 4.00, 1.00}},
        {"stalking horse left off", {chalk, dark, glue}, {37.44, 2.06, 0.41}},
        {"unlikely winner left off", {chalk, stalk, dark}, {69.81, 18.16, 3.73}},
    };
    return examples;
}

TEST(KellyTest, AgreesWithPublishedWorkedExamples) {
    for (const Published& example : PublishedExamples()) {
        SCOPED_TRACE(example.case_name);
        const KellyStakes stakes = KellyStakesFor(example.outcomes, 1.0);
        ASSERT_EQ(stakes.stake.size(), example.stake_percent.size());
        double total = 0.0;
        for (std::size_t i = 0; i < stakes.stake.size(); ++i) {
            EXPECT_NEAR(100.0 * stakes.stake[i], example.stake_percent[i], 0.005) << i;
            total += stakes.stake[i];
        }
        EXPECT_DOUBLE_EQ(stakes.total, total);
    }
}

double GrowthAt(const std::vector<KellyOutcome>& outcomes, const std::vector<double>& stakes) {
    double total = 0.0;
    double listed = 0.0;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        total += stakes[i];
        listed += outcomes[i].probability;
    }
    double growth = (1.0 - listed) * std::log(1.0 - total);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        growth += outcomes[i].probability * std::log(1.0 - total + stakes[i] * outcomes[i].odds);
    }
    return growth;
}

// The stakes maximise the expected log growth: moving any one of them a little
// either way only loses, and the growth reported is the growth at the stakes.
TEST(KellyTest, StakesMaximiseTheGrowthTheyReport) {
    const std::vector<KellyOutcome> race = {
        {0.45, 2.6}, {0.30, 3.6}, {0.15, 5.0}, {0.05, 26.0}};  // 5% left unlisted
    const KellyStakes stakes = KellyStakesFor(race, 1.0);
    EXPECT_NEAR(stakes.growth, GrowthAt(race, stakes.stake), 1e-15);
    EXPECT_GT(stakes.growth, 0.0);
    for (std::size_t i = 0; i < race.size(); ++i) {
        for (double step : {-1e-4, 1e-4}) {
            std::vector<double> moved = stakes.stake;
            moved[i] = std::max(0.0, moved[i] + step);
            EXPECT_LE(GrowthAt(race, moved), stakes.growth + 1e-15) << i << " " << step;
        }
    }
}

TEST(KellyTest, AFractionScalesEveryStakeAndGrowsLess) {
    const std::vector<KellyOutcome> race = {{0.45, 2.6}, {0.30, 3.6}, {0.15, 5.0}};
    const KellyStakes full = KellyStakesFor(race, 1.0);
    const KellyStakes half = KellyStakesFor(race, 0.5);
    for (std::size_t i = 0; i < race.size(); ++i) {
        EXPECT_DOUBLE_EQ(half.stake[i], 0.5 * full.stake[i]);
        EXPECT_DOUBLE_EQ(half.edge[i], full.edge[i]);
    }
    EXPECT_DOUBLE_EQ(half.total, 0.5 * full.total);
    EXPECT_NEAR(half.growth, GrowthAt(race, half.stake), 1e-15);
    EXPECT_LT(half.growth, full.growth);
    EXPECT_NEAR(full.edge[0], 0.45 * 2.6 - 1.0, 1e-15);
}

TEST(KellyTest, NoEdgeMeansNoStakeAndNoGrowth) {
    const KellyStakes stakes = KellyStakesFor({{0.5, 1.9}, {0.5, 1.9}}, 1.0);
    EXPECT_EQ(stakes.total, 0.0);
    EXPECT_EQ(stakes.growth, 0.0);
    EXPECT_NEAR(stakes.edge[1], -0.05, 1e-15);
}

// A whole book priced above its probabilities is a sure thing: full Kelly
// stakes everything in proportion, and nothing is left to lose on.
TEST(KellyTest, AWholeBookOfValueStakesTheBankrollWithoutNaN) {
    const std::vector<KellyOutcome> book = {{0.5, 2.1}, {0.5, 2.1}};
    const KellyStakes stakes = KellyStakesFor(book, 1.0);
    EXPECT_NEAR(stakes.total, 1.0, 1e-15);
    EXPECT_NEAR(stakes.growth, std::log(1.05), 1e-15);
    const KellyStakes third = KellyStakesFor({{1 / 3.0, 3.2}, {1 / 3.0, 3.2}, {1 / 3.0, 3.2}}, 1.0);
    EXPECT_TRUE(std::isfinite(third.growth));
}

TEST(KellyTest, RefusesWhatCannotBeStaked) {
    const std::vector<std::pair<std::vector<KellyOutcome>, double>> bad = {
        {{}, 1.0},
        {{{0.0, 2.0}}, 1.0},
        {{{1.0, 2.0}}, 1.0},
        {{{-0.2, 2.0}}, 1.0},
        {{{NAN, 2.0}}, 1.0},
        {{{0.5, 1.0}}, 1.0},
        {{{0.5, 0.8}}, 1.0},
        {{{0.5, INFINITY}}, 1.0},
        {{{0.6, 2.0}, {0.6, 2.0}}, 1.0},
        {{{0.5, 2.2}}, 0.0},
        {{{0.5, 2.2}}, -0.5},
        {{{0.5, 2.2}}, 1.5},
        {{{0.5, 2.2}}, NAN},
    };
    const std::vector<std::string> messages = {
        "There are no outcomes to stake on",
        "A probability must lie between 0 and 100%",
        "A probability must lie between 0 and 100%",
        "A probability must lie between 0 and 100%",
        "A probability must lie between 0 and 100%",
        "Odds must be greater than 1",
        "Odds must be greater than 1",
        "Odds must be greater than 1",
        "The probabilities add up to more than 100%",
        "The Kelly fraction must lie above 0 and at most 1",
        "The Kelly fraction must lie above 0 and at most 1",
        "The Kelly fraction must lie above 0 and at most 1",
        "The Kelly fraction must lie above 0 and at most 1",
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        try {
            KellyStakesFor(bad[i].first, bad[i].second);
            ADD_FAILURE() << "accepted case " << i;
        } catch (const OperationError& e) {
            EXPECT_EQ(e.what(), messages[i]) << i;
        }
    }
}

}  // namespace
}  // namespace orvanta

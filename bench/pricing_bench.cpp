// Margin removal by every method and Kelly stakes, over the PROBABILITY page's
// full thirteen outcomes: a race with a short favourite and long outsiders, the
// book where the searches (Shin's above all) take the most steps. Each runs
// once per keystroke in the window, so it must stay far under a millisecond.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/markets/fair_odds.h"
#include "core/markets/kelly.h"

namespace {

using namespace orvanta;

const std::vector<double> kRace = {2.5,  4.0,  6.0,  8.0,  11.0,  15.0, 21.0,
                                   26.0, 34.0, 51.0, 67.0, 101.0, 201.0};

void BM_RemoveMargin(benchmark::State& state) {
    const MarginMethod method = MarginMethods()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(MethodKey(method)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(RemoveMargin(kRace, method));
    }
}
BENCHMARK(BM_RemoveMargin)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_KellyStakes(benchmark::State& state) {
    // Fair probabilities by Shin, staked at prices a little above the book's.
    const FairBook fair = RemoveMargin(kRace, MarginMethod::kShin);
    std::vector<KellyOutcome> outcomes;
    for (std::size_t i = 0; i < kRace.size(); ++i) {
        outcomes.push_back({fair.probabilities[i], kRace[i] * (i % 2 == 0 ? 1.08 : 0.98)});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(KellyStakesFor(outcomes, 0.5));
    }
}
BENCHMARK(BM_KellyStakes)->Unit(benchmark::kMicrosecond);

}  // namespace

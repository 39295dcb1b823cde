// Number text on a table of typical odds and amounts: every calculation reads
// each cell through TextToNumber and writes through NumberToText.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/base/quiet_services.h"
#include "core/numeric/number_text.h"

namespace {

const std::vector<std::string> kOddsTexts = {
    "1.85", "3.40", "4.20", "2,10", "1.5",  "21",   "1.04", "2",   "3.5",   "10.50",
    "1.91", "4.33", "1.12", "7",    "15.0", "1,72", "2.39", "100", "55.56", "0.19"};

const std::vector<double> kValues = {1.85,  3.4,  4.2,   2.1,   1.5,  21,   1.04,   2,      3.5,
                                     10.5,  1.91, 4.33,  1.12,  7,    15,   1.72,   2.39,   100.01,
                                     55.56, 0.19, 94.69, 27.85, 4.62, -0.2, 823680, 1.0 / 3};

void BM_TextToNumber(benchmark::State& state) {
    orvanta::QuietPrompter prompter;
    for (auto _ : state) {
        for (const std::string& text : kOddsTexts) {
            benchmark::DoNotOptimize(orvanta::TextToNumber(text, '.', prompter));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kOddsTexts.size()));
}
BENCHMARK(BM_TextToNumber);

void BM_NumberToText(benchmark::State& state) {
    for (auto _ : state) {
        for (double value : kValues) {
            benchmark::DoNotOptimize(orvanta::NumberToText(value, ','));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kValues.size()));
}
BENCHMARK(BM_NumberToText);

}  // namespace

BENCHMARK_MAIN();

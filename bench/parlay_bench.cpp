// The parlay sheet at its worst: fifteen selections, all won, no banker, a
// stake on every system size, so that Calculate enumerates all 32,767
// combinations. The floor runs the same enumeration over odds already held as
// numbers, with no text and no grid: the gap between the two is what reading
// and writing the sheet costs. Saving and loading a full sheet are timed too.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/quiet_services.h"
#include "core/i18n/catalogue.h"
#include "core/numeric/number_text.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_sheet.h"

namespace {

using namespace orvanta;

const char* const kOdds[15] = {"1.85", "2.10", "1.50", "3.40", "1.72", "2.25", "1.91", "4.33",
                               "1.33", "2.05", "1.60", "2.80", "1.44", "3.10", "1.95"};

void FillWorstSheet(ParlaySheet& sheet) {
    ClearParlaySheet(sheet, Catalogue());
    for (int row = 1; row <= 15; ++row) {
        sheet.selections.SetCell(ParlaySheet::kOddsCol, row, kOdds[row - 1]);
        sheet.selections.SetCell(ParlaySheet::kStakeCol, row, "2.5");
    }
}

void BM_ParlayCalcSheet(benchmark::State& state) {
    QuietPrompter prompter;
    QuietPlatform platform;
    Services services{prompter, platform, '.'};
    ParlaySheet sheet;
    FillWorstSheet(sheet);
    for (auto _ : state) {
        CalculateParlaySheet(sheet, services);
        benchmark::DoNotOptimize(sheet.total_returned.text.data());
    }
    if (sheet.selections.Cell(ParlaySheet::kCombinationsCol, 7) != "6435") {
        state.SkipWithError("wrong count of combinations");
    }
    state.SetItemsProcessed(state.iterations() * 32767);
}
BENCHMARK(BM_ParlayCalcSheet);

void BM_ParlayEnumerationFloor(benchmark::State& state) {
    std::vector<Selection> odds;
    for (const char* text : kOdds) {
        odds.push_back({*ParseNumberText(text, '.'), true});
    }
    for (auto _ : state) {
        double total = 0;
        for (int k = 1; k <= 15; ++k) {
            total += SumCombinations(odds, k, 0).total * 2.5;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * 32767);
}
BENCHMARK(BM_ParlayEnumerationFloor);

void BM_ParlaySaveAndLoadFile(benchmark::State& state) {
    QuietPrompter prompter;
    QuietPlatform platform;
    Services services{prompter, platform, '.'};
    ParlaySheet sheet;
    FillWorstSheet(sheet);
    CalculateParlaySheet(sheet, services);
    const std::string path =
        (std::filesystem::temp_directory_path() / "orvanta-parlay-bench.bet").string();
    ParlaySheet loaded;
    for (auto _ : state) {
        SaveGridToFile(sheet.selections, path, 0);
        LoadGridFromFile(loaded.selections, path,
                         GridShape{ParlaySheet::kCols, ParlaySheet::kRows});
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<long>(SaveGridToBytes(sheet.selections, 0).size()));
    std::remove(path.c_str());
}
BENCHMARK(BM_ParlaySaveAndLoadFile);

// The same without the disk: building and parsing the bytes.
void BM_ParlaySaveAndLoadBytes(benchmark::State& state) {
    QuietPrompter prompter;
    QuietPlatform platform;
    Services services{prompter, platform, '.'};
    ParlaySheet sheet;
    FillWorstSheet(sheet);
    CalculateParlaySheet(sheet, services);
    ParlaySheet loaded;
    for (auto _ : state) {
        const std::string bytes = SaveGridToBytes(sheet.selections, 0);
        LoadGridFromBytes(loaded.selections, bytes,
                          GridShape{ParlaySheet::kCols, ParlaySheet::kRows});
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ParlaySaveAndLoadBytes);

}  // namespace

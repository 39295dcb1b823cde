// The update check over a list of a million lines, as the comparison's thread
// runs it: the list kept on disk, then every line split and compared with the
// program folder. Two lists: the release's six files named over and over, and
// a million names of which none is there.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/base/quiet_services.h"
#include "core/i18n/catalogue.h"
#include "core/update/update_check.h"

namespace {

using namespace orvanta;
namespace fs = std::filesystem;

constexpr int kLines = 1'000'000;

// A program folder with a few release files, and a connected platform whose
// download answers with the list.
class ListPlatform : public QuietPlatform {
public:
    ListPlatform(std::string folder, const std::string* list)
        : QuietPlatform(std::move(folder)), m_list(list) {}
    bool IsInternetConnected() override { return true; }
    std::unique_ptr<Job> StartDownload(
        const std::string&, std::function<void(std::optional<std::string>)> done) override {
        return AnsweredAtOnce(*m_list, done);
    }

private:
    const std::string* m_list;
};

std::string ProgramFolder() {
    static const std::string folder = [] {
        const fs::path path = fs::temp_directory_path() / "orvanta_update_bench";
        fs::create_directories(path);
        for (const char* name : {"Orvanta_EN.ini", "Orvanta_GR.ini", "Orvanta_ENHelp.htm",
                                 "Orvanta_GRHelp.htm", "Orvanta_UpDate.exe"}) {
            std::ofstream(path / name) << "0123456789";
        }
        return path.string() + "/";
    }();
    return folder;
}

std::string RepeatedList() {
    std::string list;
    const char* const lines[] = {"Orvanta_EN.ini;;10\r\n", "Orvanta_GR.ini;;10\r\n",
                                 "Orvanta_ENHelp.htm;;10\r\n", "Orvanta_GRHelp.htm;;10\r\n",
                                 "Orvanta_UpDate.exe;;10\r\n"};
    for (int i = 0; i < kLines; ++i) {
        list += lines[i % 5];
    }
    return list;
}

std::string MissingNamesList() {
    std::string list;
    char line[64];
    for (int i = 0; i < kLines; ++i) {
        std::snprintf(line, sizeof line, "Missing%07d.dat;;%d\r\n", i, i);
        list += line;
    }
    return list;
}

void RunCheck(benchmark::State& state, const std::string& list) {
    QuietPrompter prompter;
    ListPlatform platform(ProgramFolder(), &list);
    Services services{prompter, platform, '.'};
    const Catalogue catalogue;
    for (auto _ : state) {
        bool finished = false;
        UpdateCheck check(services, catalogue, [&](bool) { finished = true; });
        check.Start();
        if (!finished) {
            state.SkipWithError("the check did not come to its end");
        }
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_UpdateCheckRepeatedNames(benchmark::State& state) {
    static const std::string list = RepeatedList();
    RunCheck(state, list);
}
BENCHMARK(BM_UpdateCheckRepeatedNames)->Unit(benchmark::kMillisecond);

void BM_UpdateCheckMissingNames(benchmark::State& state) {
    static const std::string list = MissingNamesList();
    RunCheck(state, list);
}
BENCHMARK(BM_UpdateCheckMissingNames)->Unit(benchmark::kMillisecond);

}  // namespace

// A live game record of any bytes, loaded by the ledger exactly as the window
// loads a selected game, then saved and loaded again: the second load shows
// the same odds, rows, status and totals as the first, and no figure the
// program wrote reads "INF" or "NAN".

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/base/file_io.h"
#include "core/base/handler_guard.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/live/live_ledger.h"
#include "fuzz/fuzz_support.h"

using orvanta::fuzz::Check;

namespace {

std::string ProgramFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("orvanta-fuzz-live-" + std::to_string(getpid()));
        std::filesystem::create_directories(path / "LiveGameRecords");
        return path.string() + "/";
    }();
    return folder;
}

std::string Snapshot(const orvanta::LiveLedger& ledger) {
    std::string out;
    const orvanta::LivePage& page = ledger.Page();
    const orvanta::TextGrid& grid = page.positions;
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            out += grid.Cell(c, r);
            out += '\x1f';
        }
        out += '\n';
    }
    for (const auto* box :
         {&page.odds_1, &page.odds_x, &page.odds_2, &page.probability_1, &page.probability_x,
          &page.probability_2, &page.bookmaker_cut, &page.return_1, &page.return_x, &page.return_2,
          &page.game_wager_1, &page.game_wager_x, &page.game_wager_2, &page.result_1,
          &page.result_x, &page.result_2}) {
        out += box->text + "\x1f";
    }
    return out;
}

// Whether a figure the program wrote (a status cell, a total, a probability or
// the margin) reads as no number; the typed values are the record's own.
bool ShowsANonNumber(const orvanta::LiveLedger& ledger) {
    auto bad = [](const std::string& text) {
        return text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos;
    };
    const orvanta::LivePage& page = ledger.Page();
    const orvanta::TextGrid& grid = page.positions;
    for (int r = orvanta::kFirstPositionRow; r < grid.RowCount(); ++r) {
        for (int c = orvanta::kFirstStatusCol; c < grid.ColCount(); ++c) {
            // A sell row's status repeats its amount as typed.
            if (bad(grid.Cell(c, r)) && grid.Cell(c, r) != grid.Cell(orvanta::kSellAmountCol, r)) {
                return true;
            }
        }
    }
    for (const auto* box :
         {&page.probability_1, &page.probability_x, &page.probability_2, &page.bookmaker_cut,
          &page.return_1, &page.return_x, &page.return_2, &page.game_wager_1, &page.game_wager_x,
          &page.game_wager_2, &page.result_1, &page.result_x, &page.result_2}) {
        if (bad(box->text)) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = ProgramFolder();
    const std::string record = folder + "LiveGameRecords/2008_03_15;20-45;game.lvo";
    {
        std::FILE* file = std::fopen(record.c_str(), "wb");
        if (!file) {
            return 0;
        }
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    orvanta::QuietPrompter prompter;
    orvanta::QuietPlatform platform(folder);
    orvanta::Services services{prompter, platform, (size & 1) ? ',' : '.'};
    const orvanta::Catalogue catalogue;
    orvanta::LiveLedger ledger(services, catalogue, folder + "LiveGameRecords/");
    ledger.FillGameList();
    // The window's handler edge, around each part of the load: reading the
    // record (which may refuse it, or find current odds that cannot be worked
    // out), then the sheet's recalculation, which only a figure beyond the
    // double range stops. The same stops come at the same places after a save
    // and reload.
    auto load = [&ledger] {
        std::string stops;
        const orvanta::EventParts parts = ledger.LoadGame(1);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            try {
                parts[i]();
            } catch (const orvanta::OperationError& e) {
                Check(i == 0 || std::string(e.what()) == orvanta::kOverflow,
                      "a recalculation failed otherwise");
                stops += std::to_string(i) + ": " + e.what() + "\n";
            }
        }
        return stops;
    };
    const std::string first_stop = load();
    Check(ledger.SaveEnabled(), "a load left saving off");
    if (ledger.CurrentGameFile().empty()) {
        return 0;  // refused (too large): nothing bound
    }
    const std::string first = Snapshot(ledger);
    Check(!ShowsANonNumber(ledger), "a figure beyond the range was shown");
    orvanta::RunGuarded(prompter, [&ledger] { ledger.SaveGame(); });
    Check(load() == first_stop, "save and reload stopped elsewhere");
    Check(Snapshot(ledger) == first, "save and reload changed the game");
    return 0;
}

// A live game record of any bytes, loaded by the ledger exactly as the window
// loads a selected game, then saved and loaded again: the second load shows
// the same odds, rows, status and totals as the first, and no figure the
// program wrote reads "INF" or "NAN".

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/grid/file_io.h"
#include "core/grid/operation_error.h"
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
    const orvanta::TextGrid& grid = ledger.Sheet().AdvStringGrid2;
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            out += grid.Cell(c, r);
            out += '\x1f';
        }
        out += '\n';
    }
    const auto& odds = ledger.Odds();
    for (const auto* box : {&odds.Edit13, &odds.Edit14, &odds.Edit15, &odds.Edit10, &odds.Edit11,
                            &odds.Edit12, &odds.edtGaniota}) {
        out += box->text + "\x1f";
    }
    const auto& sheet = ledger.Sheet();
    for (const auto* box : {&sheet.Edit1, &sheet.Edit2, &sheet.Edit3, &sheet.Edit4, &sheet.Edit5,
                            &sheet.Edit6, &sheet.Edit7, &sheet.Edit8, &sheet.Edit9}) {
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
    const orvanta::TextGrid& grid = ledger.Sheet().AdvStringGrid2;
    for (int r = orvanta::kFirstPositionRow; r < grid.RowCount(); ++r) {
        for (int c = orvanta::kFirstStatusCol; c < grid.ColCount(); ++c) {
            // A sell row's status repeats its amount as typed.
            if (bad(grid.Cell(c, r)) && grid.Cell(c, r) != grid.Cell(orvanta::kSellAmountCol, r)) {
                return true;
            }
        }
    }
    const auto& odds = ledger.Odds();
    const auto& sheet = ledger.Sheet();
    for (const auto* box : {&odds.Edit10, &odds.Edit11, &odds.Edit12, &odds.edtGaniota,
                            &sheet.Edit1, &sheet.Edit2, &sheet.Edit3, &sheet.Edit4, &sheet.Edit5,
                            &sheet.Edit6, &sheet.Edit7, &sheet.Edit8, &sheet.Edit9}) {
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
    orvanta::LiveLedger ledger(services, catalogue);
    ledger.FillGameList();
    // The window's handler edge: a figure beyond the double range ends the
    // load's recalculation with the general error report. The same stop comes
    // at the same place after a save and reload.
    auto load = [&ledger] {
        try {
            ledger.LoadGame(1);
        } catch (const orvanta::OperationError& e) {
            Check(std::string(e.what()) == orvanta::kOverflow, "a load failed otherwise");
            return std::string("overflow");
        }
        return std::string();
    };
    const std::string first_stop = load();
    Check(ledger.SaveEnabled(), "a load left saving off");
    if (ledger.CurrentGameFile().empty()) {
        return 0;  // refused (too large): nothing bound
    }
    const std::string first = Snapshot(ledger);
    Check(!ShowsANonNumber(ledger), "a figure beyond the range was shown");
    ledger.SaveGame();
    Check(load() == first_stop, "save and reload stopped elsewhere");
    Check(Snapshot(ledger) == first, "save and reload changed the game");
    return 0;
}

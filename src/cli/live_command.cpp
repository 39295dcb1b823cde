// orvanta-calc live: a live game's record, loaded as the live window loads it.

#include <algorithm>
#include <filesystem>
#include <utility>

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/live/live_ledger.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

int RunLive(CalcSession& session) {
    const std::string& record = *session.Request().file;
    if (const auto reason = UnreadableFileReason(record)) {
        return session.Unreadable(record, *reason);
    }

    // The ledger works in the record's own folder: opening the window lists
    // the record there, and making its row current loads it.
    namespace fs = std::filesystem;
    const fs::path path = fs::u8path(record);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    LiveLedger ledger(session.Page(), session.Captions(), folder.u8string() + "/");
    bool listed = false;
    session.Run([&] {
        ledger.Open();
        listed = true;
    });
    if (listed) {
        for (const auto& part : ledger.LoadGame(ledger.RowOf(path.filename().u8string()))) {
            session.Run(part);
        }
    }

    LivePage& page = ledger.Page();
    if (session.Request().live_commission) {
        page.commission.text =
            NormaliseDecimalMark(*session.Request().live_commission, session.Separator());
        ledger.UpdateSuggestions();
    }
    // A row left empty says why among the messages, as the window's panel does
    // (a row with figures speaks through them).
    for (const auto& [note, figure] :
         {std::make_pair(&page.sure_note, &page.sure_result),
          std::make_pair(&page.probable_note, &page.probable_result)}) {
        const std::vector<std::string>& said = session.Console().Messages();
        if (!note->text.empty() && figure->text.empty() &&
            std::find(said.begin(), said.end(), note->text) == said.end()) {
            session.Console().ShowMessage(note->text);
        }
    }

    PageReport report;
    report.grids.push_back({"positions", "Live positions", &page.positions, {}, {}, false});
    report.boxes = {{"game_wager_1", "Game Wager 1", &page.game_wager_1},
                    {"game_wager_x", "Game Wager X", &page.game_wager_x},
                    {"game_wager_2", "Game Wager 2", &page.game_wager_2},
                    {"return_1", "Return 1", &page.return_1},
                    {"return_x", "Return X", &page.return_x},
                    {"return_2", "Return 2", &page.return_2},
                    {"result_1", "Result 1", &page.result_1},
                    {"result_x", "Result X", &page.result_x},
                    {"result_2", "Result 2", &page.result_2},
                    {"current_odds_1", "Current odds 1", &page.odds_1},
                    {"current_odds_x", "Current odds X", &page.odds_x},
                    {"current_odds_2", "Current odds 2", &page.odds_2},
                    {"probability_1", "Probability 1", &page.probability_1},
                    {"probability_x", "Probability X", &page.probability_x},
                    {"probability_2", "Probability 2", &page.probability_2},
                    {"ganiota", "Ganiota", &page.bookmaker_cut},
                    {"hedge_sure_1", "Green up 1", &page.sure_1},
                    {"hedge_sure_x", "Green up X", &page.sure_x},
                    {"hedge_sure_2", "Green up 2", &page.sure_2},
                    {"hedge_sure_result", "Green up result", &page.sure_result},
                    {"hedge_probable_1", "Let run 1", &page.probable_1},
                    {"hedge_probable_x", "Let run X", &page.probable_x},
                    {"hedge_probable_2", "Let run 2", &page.probable_2},
                    {"hedge_probable_result", "Let run result", &page.probable_result}};
    return session.Finish(std::move(report));
}

Problem TakeRecord(CalcRequest& request, const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return "live takes one record file";
    }
    request.file = args.front();
    return std::nullopt;
}

Problem SetCommission(CalcRequest& request, const std::string& value) {
    if (!IsTypeableNumber(value)) {
        return "--commission takes a percentage: " + Quoted(value);
    }
    request.live_commission = value;
    return std::nullopt;
}

}  // namespace

Subcommand LiveSubcommand() {
    return {"live",
            "[--commission C] FILE.lvo",
            {{"--commission", SetCommission}},
            TakeRecord,
            RunLive};
}

}  // namespace orvanta

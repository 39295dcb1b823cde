// orvanta-calc odds: the ODDS page.

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/odds_page.h"

namespace orvanta {

namespace {

// Wins, draws and losses of the home team, then of the away team.
constexpr std::size_t kCounts = 6;

int RunOdds(CalcSession& session) {
    const CalcRequest& request = session.Request();
    OddsPage page;
    ClearOdds(page, session.Captions());
    for (std::size_t i = 0; i < request.cells.size(); ++i) {
        const int col = OddsPage::kWinsCol + static_cast<int>(i % 3);
        const int row = i < 3 ? OddsPage::kHomeRow : OddsPage::kAwayRow;
        session.TypeNumber(page.records, col, row, request.cells[i]);
    }
    if (request.ganiota) {
        page.cut_percent.text = *request.ganiota;
    }
    session.Run([&] { CalculateOdds(page, session.Page(), session.Captions()); });

    PageReport report;
    report.grids.push_back({"records", "ODDS: team records", &page.records, {}, {}, false});
    report.grids.push_back({"prices", "ODDS: prices", &page.prices, {}, {}, false});
    report.boxes = {{"ganiota", odds_captions::kCutPercent.fallback, &page.cut_percent}};
    return session.Finish(std::move(report));
}

}  // namespace

Subcommand OddsSubcommand() {
    return {"odds",
            "[--ganiota TEXT] HW HD HL AW AD AL",
            {{"--ganiota", KeepText<&CalcRequest::ganiota>}},
            [](CalcRequest& request, const std::vector<std::string>& args) -> Problem {
                if (args.size() != kCounts) {
                    return "odds takes exactly six counts";
                }
                return TakeNumberCells(request, args, kCounts);
            },
            RunOdds};
}

}  // namespace orvanta

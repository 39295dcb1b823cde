// orvanta-calc arbitrage: the ARBITRAGE page.

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/arbitrage_page.h"

namespace orvanta {

namespace {

int RunArbitrage(CalcSession& session) {
    namespace captions = arbitrage_captions;
    const CalcRequest& request = session.Request();
    ArbitragePage page;
    ClearArbitrage(page);
    session.TypeRow(page.outcomes, ArbitragePage::kOddsRow, request.cells);
    if (request.multiplier) {
        page.multiplier.text = *request.multiplier;
    }
    if (request.win_pay_target) {
        page.win_pay_target.text = *request.win_pay_target;
    }
    session.Run([&] { CalculateArbitrage(page, session.Page()); });

    PageReport report;
    report.grids.push_back({"outcomes",
                            "ARBITRAGE",
                            &page.outcomes,
                            {"", captions::kOddsRow.fallback, captions::kWagerRow.fallback,
                             captions::kWinPayRow.fallback},
                            {},
                            true});
    report.boxes = {
        {"multiplier", captions::kMultiplier.fallback, &page.multiplier},
        {"win_pay_target", captions::kWinPayTarget.fallback, &page.win_pay_target},
        {"total_wager", captions::kTotalWager.fallback, &page.total_wager},
        {"sure_profit_percent", captions::kSureProfitPercent.fallback, &page.sure_profit_percent},
        {"sure_profit", captions::kSureProfit.fallback, &page.sure_profit}};
    return session.Finish(std::move(report));
}

}  // namespace

Subcommand ArbitrageSubcommand() {
    return {"arbitrage",
            "[--multiplier TEXT] [--win-pay TEXT] ODDS...",
            {{"--multiplier", KeepText<&CalcRequest::multiplier>},
             {"--win-pay", KeepText<&CalcRequest::win_pay_target>}},
            [](CalcRequest& request, const std::vector<std::string>& args) {
                return TakeNumberCells(request, args, ArbitragePage::kOutcomes);
            },
            RunArbitrage};
}

}  // namespace orvanta

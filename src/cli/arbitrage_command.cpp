// orvanta-calc arbitrage: the ARBITRAGE page.

#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/arbitrage_page.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

// "K=TEXT": outcome K (1 to 13) and its text, kept as typed so that a figure
// the page cannot use is refused by the page with its reason.
Problem ReadOutcomeText(const std::string& option, const std::string& value,
                        std::pair<int, std::string>& taken) {
    const std::size_t equals = value.find('=');
    const std::string outcome = value.substr(0, equals);
    const bool digits = !outcome.empty() && outcome.size() <= 2 &&
                        outcome.find_first_not_of("0123456789") == std::string::npos;
    const int k = digits ? std::stoi(outcome) : 0;
    if (equals == std::string::npos || k < 1 || k > ArbitragePage::kOutcomes) {
        return option + " takes K=" + (option == "--fixed" ? "STAKE" : "PERCENT") +
               ", K an outcome from 1 to 13: " + Quoted(value);
    }
    taken = {k, value.substr(equals + 1)};
    return std::nullopt;
}

Problem AddCommission(CalcRequest& request, const std::string& value) {
    std::pair<int, std::string> taken;
    if (Problem problem = ReadOutcomeText("--commission", value, taken)) {
        return problem;
    }
    request.arbitrage_commission.push_back(taken);
    return std::nullopt;
}

Problem SetFixed(CalcRequest& request, const std::string& value) {
    std::pair<int, std::string> taken;
    if (Problem problem = ReadOutcomeText("--fixed", value, taken)) {
        return problem;
    }
    request.arbitrage_fixed = taken;
    return std::nullopt;
}

bool AsksForRealBooks(const CalcRequest& request) {
    return !request.arbitrage_commission.empty() || request.arbitrage_fixed ||
           request.arbitrage_round;
}

void FillRealBooks(CalcSession& session, ArbitragePage& page) {
    const CalcRequest& request = session.Request();
    const char sep = session.Separator();
    for (const auto& [outcome, text] : request.arbitrage_commission) {
        page.outcomes.SetCell(outcome - 1, ArbitragePage::kCommissionRow,
                              NormaliseDecimalMark(text, sep));
    }
    if (request.arbitrage_round) {
        page.round_to.text = NormaliseDecimalMark(*request.arbitrage_round, sep);
    }
    if (request.arbitrage_fixed) {
        const auto& [outcome, text] = *request.arbitrage_fixed;
        page.outcomes.SetCell(outcome - 1, ArbitragePage::kWagerRow,
                              NormaliseDecimalMark(text, sep));
        FixArbitrageStake(page, outcome - 1);
    }
}

// The page as printed; without the options of real books as it always has
// been. `outcomes` is the grid shown, which the report points at.
PageReport ReportOf(const ArbitragePage& page, bool real_books, TextGrid& outcomes) {
    namespace captions = arbitrage_captions;
    outcomes = page.outcomes;
    std::vector<std::string> rows = {"", captions::kOddsRow.fallback, captions::kWagerRow.fallback,
                                     captions::kWinPayRow.fallback};
    if (real_books) {
        rows.push_back(captions::kCommissionRow.fallback);
    } else {
        outcomes.SetRowCount(ArbitragePage::kCommissionRow);
    }
    PageReport report;
    report.grids.push_back({"outcomes", "ARBITRAGE", &outcomes, rows, {}, true});
    report.boxes = {
        {"multiplier", captions::kMultiplier.fallback, &page.multiplier},
        {"win_pay_target", captions::kWinPayTarget.fallback, &page.win_pay_target},
        {"total_wager", captions::kTotalWager.fallback, &page.total_wager},
        {"sure_profit_percent", captions::kSureProfitPercent.fallback, &page.sure_profit_percent},
        {"sure_profit", captions::kSureProfit.fallback, &page.sure_profit}};
    if (real_books) {
        report.boxes.push_back(
            {"worst_profit", captions::kWorstProfit.fallback, &page.worst_profit});
    }
    return report;
}

int RunArbitrage(CalcSession& session) {
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
    FillRealBooks(session, page);
    session.Run([&] { CalculateArbitrage(page, session.Page(), session.Captions()); });

    const bool real_books = AsksForRealBooks(request);
    TextGrid outcomes = page.outcomes;
    const int status = session.Finish(ReportOf(page, real_books, outcomes));
    // A commission, fixed stake or step the page cannot use is said in a
    // message and fails the run, so that a script does not take the figures
    // left from before for an answer.
    if (real_books && status == kExitDone && !session.Console().Messages().empty()) {
        return kExitErrorReport;
    }
    return status;
}

}  // namespace

Subcommand ArbitrageSubcommand() {
    return {"arbitrage",
            "[--multiplier TEXT] [--win-pay TEXT] [--commission K=PERCENT]... [--fixed K=STAKE] "
            "[--round STEP] ODDS...",
            {{"--multiplier", KeepText<&CalcRequest::multiplier>},
             {"--win-pay", KeepText<&CalcRequest::win_pay_target>},
             {"--commission", AddCommission},
             {"--fixed", SetFixed},
             {"--round", KeepText<&CalcRequest::arbitrage_round>}},
            [](CalcRequest& request, const std::vector<std::string>& args) {
                return TakeNumberCells(request, args, ArbitragePage::kOutcomes);
            },
            RunArbitrage};
}

}  // namespace orvanta

#include "cli/page_runs.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

#include "cli/calc_command.h"
#include "core/live/live_ledger.h"
#include "core/markets/market_pages.h"
#include "core/numeric/key_filter.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {

namespace {

namespace fs = std::filesystem;

// What a grid's key hook makes of a typed character, given the cell's text so far.
using KeyFilter = std::function<std::optional<char>(char typed, const std::string& current)>;

// The user selects the cell and types the text; the editor starts empty, so
// whatever the cell held is replaced.
void TypeIntoCell(TextGrid& grid, int col, int row, const std::string& text,
                  const KeyFilter& filter) {
    std::string typed;
    for (char c : text) {
        if (const auto key = filter(c, typed)) {
            typed += *key;
        }
    }
    grid.SetCell(col, row, std::move(typed));
}

// The hook of the calculator grids, the odds input grid and the parlay sheet.
KeyFilter NumberGridFilter(char separator) {
    return
        [separator](char typed, const std::string&) { return FilterNumberKey(typed, separator); };
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

CalcSession::CalcSession(const CalcRequest& request, std::ostream& out, std::ostream& err)
    : m_request(request),
      m_out(out),
      m_err(err),
      m_prompter(err),
      m_services{m_prompter, m_platform,
                 request.separator ? *request.separator : RegionalSeparator()} {}

int CalcSession::Finish(PageReport report) {
    report.messages = m_prompter.Messages();
    if (!m_prompter.Errors().empty()) {
        report.error = m_prompter.Errors().front();
    }
    if (m_request.json) {
        WriteJsonReport(m_out, report);
    } else {
        WriteTableReport(m_out, report);
    }
    m_out.flush();
    return Failed() ? kExitErrorReport : kExitDone;
}

int CalcSession::Unreadable(const std::string& path, const std::string& reason) {
    m_err << "orvanta-calc: cannot read " << Quoted(path) << ": " << reason << '\n';
    return kExitUsage;
}

int RunArbitrage(CalcSession& session) {
    namespace captions = arbitrage_captions;
    const CalcRequest& request = session.Request();
    ArbitragePage page;
    ClearArbitrage(page);
    for (std::size_t i = 0; i < request.cells.size(); ++i) {
        TypeIntoCell(page.outcomes, static_cast<int>(i), ArbitragePage::kOddsRow, request.cells[i],
                     NumberGridFilter(session.Separator()));
    }
    if (request.multiplier) {
        page.multiplier.text = *request.multiplier;
    }
    if (request.win_pay) {
        page.win_pay_target.text = *request.win_pay;
    }
    session.Run([&] { CalculateArbitrage(page, session.Page()); });

    PageReport report;
    report.grids.push_back({"AdvCalcArbitrage",
                            "ARBITRAGE",
                            &page.outcomes,
                            {"", captions::kOddsRow.fallback, captions::kWagerRow.fallback,
                             captions::kWinPayRow.fallback},
                            {},
                            true});
    report.boxes = {{"Edit5", captions::kMultiplier.fallback, &page.multiplier},
                    {"Edit6", captions::kWinPayTarget.fallback, &page.win_pay_target},
                    {"Edit13", captions::kTotalWager.fallback, &page.total_wager},
                    {"Edit7", captions::kSureProfitPercent.fallback, &page.sure_profit_percent},
                    {"Edit8", captions::kSureProfit.fallback, &page.sure_profit}};
    return session.Finish(std::move(report));
}

int RunProbability(CalcSession& session) {
    namespace captions = probability_captions;
    const CalcRequest& request = session.Request();
    ProbabilityPage page;
    ClearProbability(page);
    for (std::size_t i = 0; i < request.cells.size(); ++i) {
        TypeIntoCell(page.outcomes, static_cast<int>(i), ProbabilityPage::kOddsRow,
                     request.cells[i], NumberGridFilter(session.Separator()));
    }
    session.Run([&] { CalculateProbability(page, session.Page()); });

    PageReport report;
    report.grids.push_back({"AdvProbability",
                            "PROBABILITY",
                            &page.outcomes,
                            {"", captions::kOddsRow.fallback, captions::kProbabilityRow.fallback},
                            {},
                            true});
    report.boxes = {{"Edit9", captions::kMargin.fallback, &page.margin},
                    {"Edit10", captions::kReturnPercent.fallback, &page.return_percent},
                    {"Edit11", captions::kCutPercent.fallback, &page.cut_percent}};
    return session.Finish(std::move(report));
}

int RunOdds(CalcSession& session) {
    const CalcRequest& request = session.Request();
    OddsPage page;
    ClearOdds(page, session.Captions());
    // Home wins, draws, losses, then the away team's.
    for (std::size_t i = 0; i < request.cells.size(); ++i) {
        const int col = OddsPage::kWinsCol + static_cast<int>(i % 3);
        const int row = i < 3 ? OddsPage::kHomeRow : OddsPage::kAwayRow;
        TypeIntoCell(page.records, col, row, request.cells[i],
                     NumberGridFilter(session.Separator()));
    }
    if (request.ganiota) {
        page.cut_percent.text = *request.ganiota;
    }
    session.Run([&] { CalculateOdds(page, session.Page(), session.Captions()); });

    PageReport report;
    report.grids.push_back({"AdvOdds", "ODDS: team records", &page.records, {}, {}, false});
    report.grids.push_back({"AdvOdds1", "ODDS: prices", &page.prices, {}, {}, false});
    report.boxes = {{"Edit12", odds_captions::kCutPercent, &page.cut_percent}};
    return session.Finish(std::move(report));
}

int RunParlay(CalcSession& session) {
    const CalcRequest& request = session.Request();
    const char separator = session.Separator();
    ParlaySheet sheet;
    ClearParlaySheet(sheet, session.Captions());
    TextGrid& grid = sheet.selections;

    // The Load button recalculates on its own; a second Calculate is only what
    // a user would press after changing a stake.
    bool calculate = true;
    if (request.file) {
        if (const auto reason = UnreadableFileReason(*request.file)) {
            return session.Unreadable(*request.file, *reason);
        }
        session.Console().AnswerOpenFile(*request.file);
        session.Run([&] { LoadParlaySheet(sheet, session.Page()); });
        calculate = !request.stakes.empty();
    } else {
        for (std::size_t i = 0; i < request.selections.size(); ++i) {
            const int row = ParlaySheet::kFirstRow + static_cast<int>(i);
            const ParlaySelectionArg& selection = request.selections[i];
            TypeIntoCell(grid, ParlaySheet::kOddsCol, row, selection.odds,
                         NumberGridFilter(separator));
            for (char click : selection.clicks) {
                session.Run([&] {
                    if (click == 'L') {
                        ToggleResult(sheet, row, session.Captions(), session.Page());
                    } else {
                        ToggleCheckBox(sheet, ParlaySheet::kBankerCol, row, session.Captions(),
                                       session.Page());
                    }
                });
            }
        }
    }

    if (!session.Failed()) {
        for (const auto& [row, text] : request.stakes) {
            TypeIntoCell(grid, ParlaySheet::kStakeCol, row, text, NumberGridFilter(separator));
        }
        if (calculate) {
            session.Run([&] { CalculateParlaySheet(sheet, session.Page()); });
        }
        if (request.save_path && !session.Failed()) {
            // The Save button's write; the window identifier means nothing here.
            session.Run([&] { SaveGridToFile(grid, *request.save_path, 0); });
        }
    }

    PageReport report;
    report.grids.push_back(
        {"AdvStringGrid1",
         "PARLAY BETTING",
         &grid,
         {},
         {"Banker", "Odds", "Result", "System", "Stake", "Bets", "Staked", "Return", "Profit"},
         false});
    report.boxes = {{"Edit1", "Sum staked", &sheet.total_staked},
                    {"Edit2", "Sum returned", &sheet.total_returned},
                    {"Edit3", "Sum of profits", &sheet.total_profit}};
    return session.Finish(std::move(report));
}

int RunLive(CalcSession& session) {
    const std::string& record = *session.Request().file;
    if (const auto reason = UnreadableFileReason(record)) {
        return session.Unreadable(record, *reason);
    }

    // The ledger works in the record's own folder: opening the window lists
    // the record there, and making its row current loads it.
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
    PageReport report;
    report.grids.push_back({"AdvStringGrid2", "Live positions", &page.positions, {}, {}, false});
    report.boxes = {{"Edit4", "Game Wager 1", &page.game_wager_1},
                    {"Edit5", "Game Wager X", &page.game_wager_x},
                    {"Edit6", "Game Wager 2", &page.game_wager_2},
                    {"Edit1", "Return 1", &page.return_1},
                    {"Edit2", "Return X", &page.return_x},
                    {"Edit3", "Return 2", &page.return_2},
                    {"Edit7", "Result 1", &page.result_1},
                    {"Edit8", "Result X", &page.result_x},
                    {"Edit9", "Result 2", &page.result_2},
                    {"Edit13", "Current odds 1", &page.odds_1},
                    {"Edit14", "Current odds X", &page.odds_x},
                    {"Edit15", "Current odds 2", &page.odds_2},
                    {"Edit10", "Probability 1", &page.probability_1},
                    {"Edit11", "Probability X", &page.probability_x},
                    {"Edit12", "Probability 2", &page.probability_2},
                    {"edtGaniota", "Ganiota", &page.bookmaker_cut}};
    return session.Finish(std::move(report));
}

int RunPage(CalcSession& session) {
    switch (session.Request().command) {
        case CalcCommand::kArbitrage:
            return RunArbitrage(session);
        case CalcCommand::kProbability:
            return RunProbability(session);
        case CalcCommand::kOdds:
            return RunOdds(session);
        case CalcCommand::kParlay:
            return RunParlay(session);
        case CalcCommand::kLive:
            return RunLive(session);
    }
    return kExitUsage;
}

}  // namespace orvanta

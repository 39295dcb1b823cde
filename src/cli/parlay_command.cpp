// orvanta-calc parlay: the PARLAY BETTING sheet, typed or loaded from a .bet file.

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/base/operation_error.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"
#include "core/slip/named_system.h"

namespace orvanta {

namespace {

// "2", "1.5/L", "3/B", "3/L/B", "/L": odds a user could type, then the clicks.
std::optional<ParlaySelectionArg> ParseSelection(const std::string& text) {
    const std::size_t slash = text.find('/');
    ParlaySelectionArg selection;
    selection.odds = text.substr(0, slash);
    if (!IsTypeableNumber(selection.odds)) {
        return std::nullopt;
    }
    for (std::size_t i = slash; i < text.size(); i += 2) {
        if (text[i] != '/' || i + 1 >= text.size()) {
            return std::nullopt;
        }
        const char click = text[i + 1];
        if ((click != 'L' && click != 'B') || selection.clicks.find(click) != std::string::npos) {
            return std::nullopt;
        }
        selection.clicks += click;
    }
    return selection;
}

// "K=TEXT" with K a sheet row.
std::optional<std::pair<int, std::string>> ParseStake(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0 || equals > 2) {
        return std::nullopt;
    }
    int row = 0;
    for (std::size_t i = 0; i < equals; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        row = row * 10 + (text[i] - '0');
    }
    if (row < ParlaySheet::kFirstRow || row > ParlaySheet::kLastRow) {
        return std::nullopt;
    }
    return std::make_pair(row, text.substr(equals + 1));
}

Problem SetStake(CalcRequest& request, const std::string& value) {
    auto stake = ParseStake(value);
    if (!stake) {
        return "--stake takes K=TEXT with K a row from 1 to 15";
    }
    if (!IsTypeableNumber(stake->second)) {
        return "a stake cell takes only digits, \".\" and \",\": " + Quoted(stake->second);
    }
    request.stakes.push_back(std::move(*stake));
    return std::nullopt;
}

Problem SetSavePath(CalcRequest& request, const std::string& value) {
    if (value.empty()) {
        return "--save needs a file name";
    }
    request.save_path = value;
    return std::nullopt;
}

// The unit is typed into the stake cells as a user types it.
Problem SetUnit(CalcRequest& request, const std::string& value) {
    if (!IsTypeableNumber(value)) {
        return "a stake cell takes only digits, \".\" and \",\": " + Quoted(value);
    }
    request.parlay_unit = value;
    return std::nullopt;
}

// Selections in row order, or one sheet file alone.
Problem TakeSelections(CalcRequest& request, const std::vector<std::string>& args) {
    std::vector<ParlaySelectionArg> selections;
    for (const std::string& text : args) {
        if (auto selection = ParseSelection(text)) {
            selections.push_back(std::move(*selection));
        } else if (args.size() == 1) {
            request.file = text;
        } else {
            return Quoted(text) + " is no selection (odds with /L or /B); a sheet file comes alone";
        }
    }
    if (selections.size() > static_cast<std::size_t>(ParlaySheet::kLastRow)) {
        return "at most 15 selections";
    }
    request.selections = std::move(selections);
    return std::nullopt;
}

// Each selection's odds typed into its row, then its clicks on the result
// cell ('L') and the banker box ('B'), as a user would make them.
void TypeSelections(CalcSession& session, ParlaySheet& sheet) {
    const std::vector<ParlaySelectionArg>& selections = session.Request().selections;
    for (std::size_t i = 0; i < selections.size(); ++i) {
        const int row = ParlaySheet::kFirstRow + static_cast<int>(i);
        session.TypeNumber(sheet.selections, ParlaySheet::kOddsCol, row, selections[i].odds);
        for (char click : selections[i].clicks) {
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

// The named system chosen with its unit stake, as in the window: the stakes
// filled and the sheet calculated, or the reason it does not fit as the error.
void FillSystem(CalcSession& session, ParlaySheet& sheet) {
    const CalcRequest& request = session.Request();
    session.Run([&] {
        const SlipKind* cover = FindSlipKind(*request.parlay_system);
        if (!cover || !IsFullCover(*cover)) {
            std::string names;
            for (const SlipKind* each : FullCovers()) {
                names += std::string(" ") + each->key;
            }
            throw OperationError(Quoted(*request.parlay_system) +
                                 " is no named system; --system takes one of:" + names);
        }
        const std::string unit = request.parlay_unit.value_or("");
        if (auto problem =
                FillNamedSystem(sheet, *cover, unit, session.Page(), session.Captions())) {
            throw OperationError(*problem);
        }
    });
}

// The stakes typed, Calculate pressed when a user would, the sheet saved when asked.
void StakeCalculateSave(CalcSession& session, ParlaySheet& sheet, bool calculate) {
    const CalcRequest& request = session.Request();
    for (const auto& [row, text] : request.stakes) {
        session.TypeNumber(sheet.selections, ParlaySheet::kStakeCol, row, text);
    }
    if (calculate) {
        session.Run([&] { CalculateParlaySheet(sheet, session.Page(), session.Captions()); });
    }
    if (request.save_path && !session.Failed()) {
        // The Save button's write; the window identifier means nothing here.
        session.Run([&] { SaveGridToFile(sheet.selections, *request.save_path, 0); });
    }
}

PageReport SheetReport(const ParlaySheet& sheet) {
    PageReport report;
    report.grids.push_back(
        {"selections",
         "PARLAY BETTING",
         &sheet.selections,
         {},
         {"Banker", "Odds", "Result", "System", "Stake", "Bets", "Staked", "Return", "Profit"},
         false});
    report.boxes = {{"total_staked", "Sum staked", &sheet.total_staked},
                    {"total_returned", "Sum returned", &sheet.total_returned},
                    {"total_profit", "Sum of profits", &sheet.total_profit}};
    return report;
}

int RunParlay(CalcSession& session) {
    const CalcRequest& request = session.Request();
    ParlaySheet sheet;
    ClearParlaySheet(sheet, session.Captions());

    // The Load button recalculates on its own; a second Calculate is only what
    // a user would press after changing a stake.
    bool calculate = true;
    if (request.file) {
        if (const auto reason = UnreadableFileReason(*request.file)) {
            return session.Unreadable(*request.file, *reason);
        }
        session.Console().AnswerOpenFile(*request.file);
        session.Run([&] { LoadParlaySheet(sheet, session.Page(), session.Captions()); });
        calculate = !request.stakes.empty();
    } else {
        TypeSelections(session, sheet);
    }
    if (request.parlay_system && !session.Failed()) {
        // The choice calculates on its own, as Load does.
        FillSystem(session, sheet);
        calculate = !request.stakes.empty();
    }
    if (!session.Failed()) {
        StakeCalculateSave(session, sheet, calculate);
    }
    return session.Finish(SheetReport(sheet));
}

}  // namespace

Subcommand ParlaySubcommand() {
    return {
        "parlay",
        "[FILE.bet | SELECTION...] [--system NAME --unit S] [--stake K=TEXT]... [--save FILE.bet]",
        {{"--stake", SetStake},
         {"--save", SetSavePath},
         {"--system", KeepText<&CalcRequest::parlay_system>},
         {"--unit", SetUnit}},
        TakeSelections,
        RunParlay};
}

}  // namespace orvanta

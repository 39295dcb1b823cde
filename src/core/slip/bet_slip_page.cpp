#include "core/slip/bet_slip_page.h"

#include <cctype>
#include <vector>

#include "core/base/operation_error.h"
#include "core/numeric/key_filter.h"
#include "core/slip/slip_input.h"

namespace orvanta {

namespace {

using P = BetSlipPage;
namespace captions = bet_slip_captions;

constexpr int kColWidths[P::kCols] = {24, 54, 70, 58, 58, 56, 64};
constexpr int kRowHeight = 18;

void ShowResult(P& page, int row, const Catalogue& catalogue) {
    const auto result = static_cast<int>(page.results[static_cast<std::size_t>(row - 1)]);
    page.legs.SetCell(P::kResultCol, row, catalogue.Read(captions::kResults[result]));
}

void ClearFigures(P& page) {
    for (TextBox* box : {&page.bets, &page.total_stake, &page.total_return, &page.profit,
                         &page.win_return, &page.place_return}) {
        box->text.clear();
    }
}

// Leg `row` as the settlement takes it; the dead heat's cells count for a
// result that pays, and "Dead heat" is a winner in one (two tied for one
// place when its cells are empty).
SlipLeg ReadLeg(const P& page, int row, char sep, const Catalogue& catalogue) {
    const TextGrid& g = page.legs;
    const SlipResult shown = page.results[static_cast<std::size_t>(row - 1)];
    SlipLeg leg;
    leg.odds = ReadSlipOdds(g.Cell(P::kOddsCol, row), sep, catalogue);
    leg.rule4 = ReadSlipRule4(g.Cell(P::kRule4Col, row), sep, catalogue);
    leg.terms = ReadSlipTerms(g.Cell(P::kTermsCol, row), sep, catalogue);
    const LegResult results[] = {LegResult::kWon, LegResult::kPlaced, LegResult::kLost,
                                 LegResult::kVoid, LegResult::kWon};
    leg.result = results[static_cast<int>(shown)];
    const std::string& tied = g.Cell(P::kTiedCol, row);
    const std::string& left = g.Cell(P::kPlacesLeftCol, row);
    const bool dead_heat = shown == SlipResult::kDeadHeat ||
                           ((shown == SlipResult::kWon || shown == SlipResult::kPlaced) &&
                            !(tied.empty() && left.empty()));
    if (dead_heat) {
        leg.tied = tied.empty() ? 2 : ReadSlipCount(tied, catalogue);
        leg.places_left = left.empty() ? 1 : ReadSlipCount(left, catalogue);
    }
    return leg;
}

void Settle(P& page, Services& services, const Catalogue& catalogue) {
    const char sep = services.separator;
    std::vector<SlipLeg> legs;
    for (int row = 1; row <= kMaxSlipLegs; ++row) {
        if (!page.legs.Cell(P::kOddsCol, row).empty()) {
            legs.push_back(
                ForLeg(row, catalogue, [&] { return ReadLeg(page, row, sep, catalogue); }));
        }
    }
    const SlipKind& kind = SlipKinds()[static_cast<std::size_t>(page.kind)];
    const std::vector<int> folds = SlipFolds(kind, static_cast<int>(legs.size()), catalogue);
    const SlipFraction stake = ReadSlipStake(page.stake.text, sep, catalogue);
    const SlipSettlement s = SettleSlip(legs, folds, stake, page.each_way);
    page.bets.text = std::to_string(s.bets);
    page.total_stake.text = MoneyText(s.total_stake, sep);
    page.total_return.text = MoneyText(s.total_return, sep);
    page.profit.text = MoneyText(s.profit, sep);
    page.win_return.text = MoneyText(s.win_return, sep);
    page.place_return.text = MoneyText(s.place_return, sep);
}

}  // namespace

BetSlipPage::BetSlipPage() : legs(kCols, kRows) {
    legs.SetDefaultSizes(TextGrid::kDefaultColWidth, kRowHeight);
    for (int col = 0; col < kCols; ++col) {
        legs.SetColWidth(col, kColWidths[col]);
    }
    legs.SetFixedRows(1);
    legs.SetFixedCols(1);
}

std::string SlipKindName(const SlipKind& kind, const Catalogue& catalogue) {
    const std::string key = kind.key;
    if (key.rfind("folds-", 0) == 0) {
        std::string name = catalogue.Read(captions::kFolds);
        const std::size_t at = name.find("%d");
        return at == std::string::npos ? name : name.replace(at, 2, key.substr(6));
    }
    return catalogue.ReadString("BetSlip", "Kind_" + key, kind.name);
}

void ClearBetSlip(BetSlipPage& page, const Catalogue& catalogue) {
    page.legs.ClearCells();
    page.results.fill(SlipResult::kWon);
    for (int row = 1; row <= kMaxSlipLegs; ++row) {
        page.legs.SetCell(P::kLegCol, row, std::to_string(row));
    }
    page.kind = 0;
    page.each_way = false;
    page.stake.text.clear();
    ClearFigures(page);
    CaptionBetSlip(page, catalogue);
}

void CaptionBetSlip(BetSlipPage& page, const Catalogue& catalogue) {
    for (int col = 0; col < P::kCols; ++col) {
        page.legs.SetCell(col, 0, catalogue.Read(captions::kColumnHeaders[col]));
    }
    for (int row = 1; row <= kMaxSlipLegs; ++row) {
        ShowResult(page, row, catalogue);
    }
}

void CalculateBetSlip(BetSlipPage& page, Services& services, const Catalogue& catalogue) {
    ClearFigures(page);
    try {
        Settle(page, services, catalogue);
    } catch (const OperationError& error) {
        ClearFigures(page);
        services.prompter.ShowMessage(error.what());
    }
}

bool SlipMayBeCurrentCell(int col, int row) {
    return row >= 1 && row <= kMaxSlipLegs && col >= P::kOddsCol && col < P::kCols;
}

bool SlipIsTypedCell(int col, int row) {
    return SlipMayBeCurrentCell(col, row) && col != P::kResultCol;
}

bool PressSlipCell(BetSlipPage& page, int col, int row, const Catalogue& catalogue) {
    if (col != P::kResultCol || row < 1 || row > kMaxSlipLegs) {
        return false;
    }
    SlipResult& result = page.results[static_cast<std::size_t>(row - 1)];
    result = static_cast<SlipResult>((static_cast<int>(result) + 1) % kSlipResults);
    ShowResult(page, row, catalogue);
    return true;
}

std::optional<char> FilterSlipKey(int col, char typed, char separator) {
    const auto number = FilterNumberKey(typed, separator);
    const bool control =
        number && (*number == kKeyBackspace || *number == kKeyTab || *number == kKeyEnter);
    const bool digit = typed >= '0' && typed <= '9';
    if (control || digit) {
        return typed;
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(typed)));
    switch (col) {
        case P::kOddsCol:
            if (typed == '/' || lower == 'e' || lower == 'v' || lower == 'n' || lower == 's') {
                return typed;
            }
            return number;
        case P::kRule4Col:
            return number;
        case P::kTermsCol:
            return typed == '/' ? std::optional<char>(typed) : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace orvanta

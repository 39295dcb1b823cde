#include "core/live/suggestions.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/base/operation_error.h"
#include "core/base/remembered_setting.h"
#include "core/i18n/catalogue.h"
#include "core/live/hedge.h"
#include "core/live/live_captions.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

namespace captions = live_captions;

std::array<TextBox*, 4> SureRow(SuggestionPanel& p) {
    return {&p.sure_1, &p.sure_x, &p.sure_2, &p.sure_result};
}
std::array<TextBox*, 4> ProbableRow(SuggestionPanel& p) {
    return {&p.probable_1, &p.probable_x, &p.probable_2, &p.probable_result};
}

void ClearRow(const std::array<TextBox*, 4>& row, TextBox& note) {
    for (TextBox* box : row) {
        box->text.clear();
        box->colour.reset();
    }
    note.text.clear();
}

bool HoldsPositions(const PositionSheet& sheet) {
    const TextGrid& grid = sheet.positions;
    for (int r = kFirstPositionRow; r < grid.RowCount(); ++r) {
        for (int c = 0; c < kInputCols; ++c) {
            if (!grid.Cell(c, r).empty()) {
                return true;
            }
        }
    }
    return false;
}

std::optional<Outcomes> Figures(const std::array<const TextBox*, 3>& boxes, char separator) {
    Outcomes figures{};
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const auto value = ParseNumberText(boxes[k]->text, separator);
        if (!value) {
            return std::nullopt;
        }
        figures[k] = *value;
    }
    return figures;
}

// A cent short of zero is a loss: it shows red.
void ShowRow(const std::array<TextBox*, 4>& row, const Hedge& hedge, double result, char sep) {
    for (std::size_t k = 0; k < hedge.stakes.size(); ++k) {
        row[k]->text = NumberToText(hedge.stakes[k], sep);
    }
    // +0.0: a loss smaller than half a cent shows as 0, not -0.
    const double shown = Round2(result) + 0.0;
    row[3]->text = NumberToText(shown, sep);
    if (shown < 0) {
        row[3]->colour = kColourRed;
    }
}

void ShowGreenUp(SuggestionPanel& panel, const Outcomes& results, const Outcomes& net_odds,
                 char sep, const Catalogue& catalogue) {
    const Hedge hedge = GreenUp(results, net_odds);
    const double least = *std::min_element(hedge.results.begin(), hedge.results.end());
    ShowRow(SureRow(panel), hedge, least, sep);
    if (hedge.stakes == Outcomes{}) {
        panel.sure_note.text = catalogue.Read(captions::kPositionLevel);
    } else if (panel.sure_result.colour) {
        panel.sure_note.text = catalogue.Read(captions::kLeastLoss);
    }
}

// The outcome the current odds give the highest probability; the first of equals.
std::optional<int> Likeliest(const CurrentOddsPanel& odds, char sep) {
    const auto chances =
        Figures({&odds.probability_1, &odds.probability_x, &odds.probability_2}, sep);
    if (!chances) {
        return std::nullopt;
    }
    return static_cast<int>(std::max_element(chances->begin(), chances->end()) - chances->begin());
}

void ShowLetRun(SuggestionPanel& panel, const Outcomes& results, const Outcomes& net_odds,
                int likely, char sep, const Catalogue& catalogue) {
    const auto hedge = LetRun(results, net_odds, likely);
    if (!hedge) {
        panel.probable_note.text = catalogue.Read(captions::kCannotCover);
        return;
    }
    ShowRow(ProbableRow(panel), *hedge, hedge->results[static_cast<std::size_t>(likely)], sep);
    if (hedge->stakes == Outcomes{}) {
        panel.probable_note.text = catalogue.Read(captions::kOthersCovered);
    }
}

// A row whose figures cannot be written says why instead.
template <typename Work>
void ShowOrSayWhy(const std::array<TextBox*, 4>& row, TextBox& note, Work&& work) {
    try {
        work();
    } catch (const OperationError& e) {
        ClearRow(row, note);
        note.text = e.what();
    }
}

}  // namespace

std::optional<double> CommissionFraction(const std::string& text, char separator) {
    if (text.empty()) {
        return 0.0;
    }
    const auto percent = ParseNumberText(text, separator);
    if (!percent || !(*percent >= 0.0 && *percent <= 100.0)) {
        return std::nullopt;
    }
    return *percent / 100.0;
}

std::string RememberedCommission(const std::string& user_folder, char separator) {
    // Kept with "." whatever the separator, which the desktop may change.
    if (const auto kept = RememberedSetting(user_folder, kCommissionChoiceFile, 64)) {
        if (const auto percent = ParseNumberText(*kept, '.')) {
            if (*percent >= 0.0 && *percent <= 100.0) {
                return NumberToText(*percent, separator);
            }
        }
    }
    return "0";
}

void RememberCommission(const std::string& user_folder, double percent, WriteFaults* faults) {
    RememberSetting(user_folder, kCommissionChoiceFile, NumberToText(percent, '.'), faults);
}

void ClearSuggestions(SuggestionPanel& panel) {
    ClearRow(SureRow(panel), panel.sure_note);
    ClearRow(ProbableRow(panel), panel.probable_note);
}

void CalculateSuggestions(SuggestionPanel& panel, const PositionSheet& sheet,
                          const CurrentOddsPanel& odds, char sep, const Catalogue& catalogue) {
    ClearSuggestions(panel);
    const auto commission = CommissionFraction(panel.commission.text, sep);
    if (!commission) {
        panel.sure_note.text = panel.probable_note.text =
            catalogue.Read(captions::kCommissionRange);
        return;
    }
    if (!HasAllCurrentOdds(odds) || !HoldsPositions(sheet)) {
        return;
    }
    const auto prices = Figures({&odds.odds_1, &odds.odds_x, &odds.odds_2}, sep);
    if (!prices || !std::all_of(prices->begin(), prices->end(), [](double o) { return o > 1; })) {
        panel.sure_note.text = panel.probable_note.text = catalogue.Read(captions::kOddsAboveOne);
        return;
    }
    const auto results = Figures({&sheet.result_1, &sheet.result_x, &sheet.result_2}, sep);
    if (!results) {
        return;
    }
    Outcomes net_odds{};
    for (std::size_t k = 0; k < net_odds.size(); ++k) {
        net_odds[k] = NetOdds((*prices)[k], *commission);
    }
    ShowOrSayWhy(SureRow(panel), panel.sure_note,
                 [&] { ShowGreenUp(panel, *results, net_odds, sep, catalogue); });
    if (const auto likely = Likeliest(odds, sep)) {
        ShowOrSayWhy(ProbableRow(panel), panel.probable_note,
                     [&] { ShowLetRun(panel, *results, net_odds, *likely, sep, catalogue); });
    }
}

std::vector<SuggestedBack> SureBacks(const SuggestionPanel& panel, const CurrentOddsPanel& odds,
                                     char separator) {
    const std::array<const TextBox*, 3> stakes = {&panel.sure_1, &panel.sure_x, &panel.sure_2};
    const std::array<const TextBox*, 3> prices = {&odds.odds_1, &odds.odds_x, &odds.odds_2};
    std::vector<SuggestedBack> backs;
    for (int k = 0; k < 3; ++k) {
        const auto stake = ParseNumberText(stakes[static_cast<std::size_t>(k)]->text, separator);
        const auto price = ParseNumberText(prices[static_cast<std::size_t>(k)]->text, separator);
        if (stake && price && *stake > 0) {
            backs.push_back({k, NumberToText(*price, separator), NumberToText(*stake, separator)});
        }
    }
    return backs;
}

void AddBackRows(PositionSheet& sheet, const std::vector<SuggestedBack>& backs) {
    CompactRows(sheet);
    TextGrid& grid = sheet.positions;
    for (const SuggestedBack& back : backs) {
        // The sheet ends in one empty row: the back goes there, and a new
        // empty row after it.
        const int row = grid.RowCount() - 1;
        grid.SetCell(back.outcome, row, back.odds);
        grid.SetCell(kBuyAmountCol, row, back.stake);
        grid.SetRowCount(grid.RowCount() + 1);
    }
}

}  // namespace orvanta

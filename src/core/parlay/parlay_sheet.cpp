#include "core/parlay/parlay_sheet.h"

#include "core/grid/services.h"
#include "core/i18n/catalogue.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

bool IsDataRow(int row) {
    return row >= kParlayFirstRow && row <= kParlayLastRow;
}

// A running product where a factor replaces a product that is not positive, so
// that an odds text that read as 0 does not wipe out the whole combination.
double Chain(double product, double factor) {
    return product > 0 ? product * factor : factor;
}

double ReadCell(const TextGrid& grid, int col, int row, Services& services) {
    return TextToNumber(grid.Cell(col, row), services.separator, services.prompter);
}

// Empty cells count 0 in the sums.
double ColumnSum(const TextGrid& grid, int col, Services& services) {
    double sum = 0;
    for (int row = kParlayFirstRow; row <= kParlayLastRow; ++row) {
        if (!grid.Cell(col, row).empty()) {
            sum += ReadCell(grid, col, row, services);
        }
    }
    return sum;
}

long long Binomial(int n, int m) {
    if (m < 0 || m > n) {
        return 0;
    }
    long long result = 1;
    for (int i = 1; i <= m; ++i) {
        result = result * (n - m + i) / i;  // exact at every step
    }
    return result;
}

}  // namespace

ParlaySheet::ParlaySheet() : AdvStringGrid1(kParlayCols, kParlayRows) {
    AdvStringGrid1.SetDefaultSizes(TextGrid::kDefaultColWidth, kParlayRowHeight);
    for (int col = 0; col < kParlayCols; ++col) {
        AdvStringGrid1.SetColWidth(col, kParlayColWidths[col]);
    }
    AdvStringGrid1.SetFixedRows(1);
}

std::string StandartLostText(const Catalogue& catalogue) {
    return catalogue.ReadString("Message", "StandartLost", "Standart Lost");
}

void InitParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue) {
    TextGrid& grid = sheet.AdvStringGrid1;
    grid.ClearCells();
    sheet.Edit1.text = "0";
    sheet.Edit2.text = "0";
    sheet.Edit3.text = "0";
    for (int row = kParlayFirstRow; row <= kParlayLastRow; ++row) {
        grid.AddCheckBox(kColBanker, row, false);
        grid.SetCell(kColSystem, row, std::to_string(row));
        grid.SetCell(kColResult, row, kParlayWin);
        for (int col : {kColBanker, kColOdds, kColStake}) {
            grid.SetBackground(col, row, kColourWindow);
        }
    }
    CaptionParlaySheet(sheet, catalogue);
}

void CaptionParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue) {
    for (int col = 0; col < kParlayCols; ++col) {
        sheet.AdvStringGrid1.SetCell(
            col, 0, catalogue.ReadString("FrmMain", "ColumnHeaders_" + std::to_string(col), ""));
    }
}

SystemReturn SumCombinations(const std::vector<Selection>& others, int m, double banker_product) {
    if (m < 0) {
        return {};
    }
    if (m == 0) {
        return {banker_product, 1};
    }
    const int n = static_cast<int>(others.size());
    SystemReturn result;
    result.count = Binomial(n, m);
    if (result.count == 0) {
        return result;
    }

    // A combination holding a lost selection pays nothing, so only the won ones
    // are enumerated. Taken in their order they give the same combinations in
    // the same lexicographic order, and so the same sum to the last bit.
    std::vector<double> won;
    won.reserve(others.size());
    for (const Selection& s : others) {
        if (s.won) {
            won.push_back(s.odds);
        }
    }
    const int w = static_cast<int>(won.size());
    if (m > w) {
        return result;
    }

    // index[j] is the j-th member of the current combination; prefix[j] the
    // product of members 0..j in index order. Moving to the next combination
    // only redoes the products from the first index that changed.
    std::vector<int> index(static_cast<std::size_t>(m));
    std::vector<double> prefix(static_cast<std::size_t>(m));
    for (int j = 0; j < m; ++j) {
        index[j] = j;
        prefix[j] = Chain(j > 0 ? prefix[j - 1] : 0.0, won[j]);
    }
    const bool with_bankers = banker_product > 0;
    double total = 0;
    for (;;) {
        const double q = prefix[m - 1];
        total += with_bankers ? q * banker_product : q;

        int j = m - 1;
        while (j >= 0 && index[j] == w - m + j) {
            --j;
        }
        if (j < 0) {
            break;
        }
        ++index[j];
        prefix[j] = Chain(j > 0 ? prefix[j - 1] : 0.0, won[index[j]]);
        for (int t = j + 1; t < m; ++t) {
            index[t] = index[t - 1] + 1;
            prefix[t] = Chain(prefix[t - 1], won[index[t]]);
        }
    }
    result.total = total;
    return result;
}

SystemReturn CalcSystemReturn(const ParlaySheet& sheet, int k, Services& services) {
    const TextGrid& grid = sheet.AdvStringGrid1;
    double bankers = 0;
    bool banker_lost = false;
    int m = k;
    std::vector<Selection> others;
    others.reserve(kParlayLastRow);
    for (int row = kParlayFirstRow; row <= kParlayLastRow && !grid.Cell(kColOdds, row).empty();
         ++row) {
        const double odds = ReadCell(grid, kColOdds, row, services);
        if (grid.IsChecked(kColBanker, row)) {
            bankers = Chain(bankers, odds);
            banker_lost = banker_lost || grid.Cell(kColResult, row) != kParlayWin;
            --m;
        } else {
            others.push_back({odds, grid.Cell(kColResult, row) == kParlayWin});
        }
    }
    if (banker_lost) {
        // A banker is in every combination, so one that lost takes them all
        // down: the system still holds its combinations, and none pays.
        return {0, m < 0 ? 0 : Binomial(static_cast<int>(others.size()), m)};
    }
    return SumCombinations(others, m, bankers);
}

void CalcParlaySheet(ParlaySheet& sheet, Services& services) {
    TextGrid& grid = sheet.AdvStringGrid1;
    int odds_rows = 0;
    while (odds_rows < kParlayLastRow && !grid.Cell(kColOdds, odds_rows + 1).empty()) {
        ++odds_rows;
    }
    for (int row = odds_rows + 1; row <= kParlayLastRow; ++row) {
        if (!grid.Cell(kColOdds, row).empty()) {
            services.prompter.ShowMessage(kParlayGapMessage);
            return;
        }
    }

    const char sep = services.separator;
    for (int k = kParlayFirstRow; k <= kParlayLastRow; ++k) {
        const bool has_odds = !grid.Cell(kColOdds, k).empty();
        if (has_odds && !grid.Cell(kColStake, k).empty()) {
            const double stake = ReadCell(grid, kColStake, k, services);
            const SystemReturn system = CalcSystemReturn(sheet, k, services);
            grid.SetCell(kColReturn, k, NumberToText(system.total * stake, sep));
            grid.SetCell(kColCombinations, k, std::to_string(system.count));
            // Total stake and profit are worked from the texts just written, so
            // the profit is exactly what the two shown figures give.
            grid.SetCell(kColTotalStake, k,
                         NumberToText(ReadCell(grid, kColCombinations, k, services) *
                                          ReadCell(grid, kColStake, k, services),
                                      sep));
            grid.SetCell(kColProfit, k,
                         NumberToText(ReadCell(grid, kColReturn, k, services) -
                                          ReadCell(grid, kColTotalStake, k, services),
                                      sep));
        } else {
            // A row with odds but no stake keeps its old count of combinations.
            if (!has_odds) {
                grid.SetCell(kColCombinations, k, std::string());
            }
            grid.SetCell(kColTotalStake, k, std::string());
            grid.SetCell(kColReturn, k, std::string());
            grid.SetCell(kColProfit, k, std::string());
        }
    }

    sheet.Edit1.text = NumberToText(ColumnSum(grid, kColTotalStake, services), sep);
    sheet.Edit2.text = NumberToText(ColumnSum(grid, kColReturn, services), sep);
    sheet.Edit3.text = NumberToText(ColumnSum(grid, kColProfit, services), sep);
}

bool AdvStringGrid1SelectCell(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
                              Services& services) {
    if (!IsDataRow(row)) {
        return false;
    }
    switch (col) {
        case kColBanker:
        case kColOdds:
        case kColStake:
            return true;
        case kColResult: {
            TextGrid& grid = sheet.AdvStringGrid1;
            if (grid.Cell(kColResult, row) != kParlayWin) {
                grid.SetCell(kColResult, row, kParlayWin);
            } else {
                if (grid.IsChecked(kColBanker, row)) {
                    services.prompter.ShowMessage(StandartLostText(catalogue));
                }
                grid.SetCell(kColResult, row, kParlayLost);
            }
            return false;
        }
        default:
            return false;
    }
}

bool AdvStringGrid1CanEditCell(int col, int row) {
    return IsDataRow(row) && (col == kColBanker || col == kColOdds || col == kColStake);
}

void AdvStringGrid1CheckBoxClick(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
                                 Services& services) {
    TextGrid& grid = sheet.AdvStringGrid1;
    if (!grid.HasCheckBox(col, row)) {
        return;
    }
    const bool checked = !grid.IsChecked(col, row);
    grid.SetChecked(col, row, checked);
    if (checked && col == kColBanker && grid.Cell(kColResult, row) == kParlayLost) {
        services.prompter.ShowMessage(StandartLostText(catalogue));
    }
}

ParlayKeyResult AdvStringGrid1KeyPress(int col, int row, const std::string& current_text,
                                       char typed, char separator) {
    ParlayKeyResult result;
    result.key = FilterNumberKey(typed, separator);
    result.row = row;
    if (result.key == kKeyEnter &&
        ((col == kColOdds && !current_text.empty()) || col == kColStake)) {
        result.row = row >= kParlayLastRow ? kParlayFirstRow : row + 1;
    }
    return result;
}

}  // namespace orvanta

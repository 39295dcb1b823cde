#include "core/parlay/parlay_sheet.h"

#include <iterator>

#include "core/base/services.h"
#include "core/i18n/catalogue.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

namespace {

using P = ParlaySheet;

bool IsDataRow(int row) {
    return row >= P::kFirstRow && row <= P::kLastRow;
}

// A running product where a factor replaces a product that is not positive, so
// that an odds text that read as 0 does not wipe out the whole combination.
double Chain(double product, double factor) {
    return product > 0 ? product * factor : factor;
}

double ReadCell(const TextGrid& grid, int col, int row, Services& services) {
    return PageNumbers(services)(grid.Cell(col, row));
}

// Empty cells count 0 in the sums.
double ColumnSum(const TextGrid& grid, int col, Services& services) {
    double sum = 0;
    for (int row = P::kFirstRow; row <= P::kLastRow; ++row) {
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

// A combination holding a lost selection pays nothing, so only the won ones
// are enumerated. Taken in their order they give the same combinations in
// the same lexicographic order, and so the same sum to the last bit.
std::vector<double> WonOdds(const std::vector<Selection>& others) {
    std::vector<double> won;
    won.reserve(others.size());
    for (const Selection& s : others) {
        if (s.won) {
            won.push_back(s.odds);
        }
    }
    return won;
}

// The products of every combination of m of the odds (1 <= m <= their
// number), each with the bankers' when there are any, added up in
// lexicographic order.
double SumOfProducts(const std::vector<double>& won, int m, double banker_product) {
    const int w = static_cast<int>(won.size());
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
    return total;
}

}  // namespace

static_assert(std::size(kParlayColWidths) == ParlaySheet::kCols);

ParlaySheet::ParlaySheet() : selections(kCols, kRows) {
    selections.SetDefaultSizes(TextGrid::kDefaultColWidth, kParlayRowHeight);
    for (int col = 0; col < kCols; ++col) {
        selections.SetColWidth(col, kParlayColWidths[col]);
    }
    selections.SetFixedRows(1);
}

void ClearParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue) {
    TextGrid& grid = sheet.selections;
    grid.ClearCells();
    sheet.total_staked.text = "0";
    sheet.total_returned.text = "0";
    sheet.total_profit.text = "0";
    for (int row = P::kFirstRow; row <= P::kLastRow; ++row) {
        grid.AddCheckBox(P::kBankerCol, row, false);
        grid.SetCell(P::kSystemSizeCol, row, std::to_string(row));
        grid.SetCell(P::kResultCol, row, kParlayWin);
        for (int col : {P::kBankerCol, P::kOddsCol, P::kStakeCol}) {
            grid.SetBackground(col, row, kColourWindow);
        }
    }
    CaptionParlaySheet(sheet, catalogue);
}

void CaptionParlaySheet(ParlaySheet& sheet, const Catalogue& catalogue) {
    for (int col = 0; col < P::kCols; ++col) {
        sheet.selections.SetCell(col, 0, catalogue.Read(parlay_captions::kColumnHeaders[col]));
    }
}

SystemPayout SumCombinations(const std::vector<Selection>& others, int m, double banker_product) {
    if (m < 0) {
        return {};
    }
    if (m == 0) {
        return {banker_product, 1};
    }
    const int n = static_cast<int>(others.size());
    SystemPayout result;
    result.count = Binomial(n, m);
    if (result.count == 0) {
        return result;
    }
    const std::vector<double> won = WonOdds(others);
    if (m > static_cast<int>(won.size())) {
        return result;
    }
    result.total = SumOfProducts(won, m, banker_product);
    return result;
}

SystemPayout SystemReturn(const ParlaySheet& sheet, int k, Services& services) {
    const TextGrid& grid = sheet.selections;
    double bankers = 0;
    bool banker_lost = false;
    int m = k;
    std::vector<Selection> others;
    others.reserve(P::kLastRow);
    for (int row = P::kFirstRow; row <= P::kLastRow && !grid.Cell(P::kOddsCol, row).empty();
         ++row) {
        const double odds = ReadCell(grid, P::kOddsCol, row, services);
        if (grid.IsChecked(P::kBankerCol, row)) {
            bankers = Chain(bankers, odds);
            banker_lost = banker_lost || grid.Cell(P::kResultCol, row) != kParlayWin;
            --m;
        } else {
            others.push_back({odds, grid.Cell(P::kResultCol, row) == kParlayWin});
        }
    }
    if (banker_lost) {
        // A banker is in every combination, so one that lost takes them all
        // down: the system still holds its combinations, and none pays.
        return {0, m < 0 ? 0 : Binomial(static_cast<int>(others.size()), m)};
    }
    return SumCombinations(others, m, bankers);
}

void CalculateParlaySheet(ParlaySheet& sheet, Services& services, const Catalogue& catalogue) {
    TextGrid& grid = sheet.selections;
    int odds_rows = 0;
    while (odds_rows < P::kLastRow && !grid.Cell(P::kOddsCol, odds_rows + 1).empty()) {
        ++odds_rows;
    }
    for (int row = odds_rows + 1; row <= P::kLastRow; ++row) {
        if (!grid.Cell(P::kOddsCol, row).empty()) {
            services.prompter.ShowMessage(catalogue.Read(parlay_captions::kGap));
            return;
        }
    }

    const char sep = services.separator;
    for (int k = P::kFirstRow; k <= P::kLastRow; ++k) {
        const bool has_odds = !grid.Cell(P::kOddsCol, k).empty();
        if (has_odds && !grid.Cell(P::kStakeCol, k).empty()) {
            const double stake = ReadCell(grid, P::kStakeCol, k, services);
            const SystemPayout system = SystemReturn(sheet, k, services);
            grid.SetCell(P::kReturnCol, k, NumberToText(system.total * stake, sep));
            grid.SetCell(P::kCombinationsCol, k, std::to_string(system.count));
            // Total stake and profit are worked from the texts just written, so
            // the profit is exactly what the two shown figures give.
            grid.SetCell(P::kTotalStakeCol, k,
                         NumberToText(ReadCell(grid, P::kCombinationsCol, k, services) *
                                          ReadCell(grid, P::kStakeCol, k, services),
                                      sep));
            grid.SetCell(P::kProfitCol, k,
                         NumberToText(ReadCell(grid, P::kReturnCol, k, services) -
                                          ReadCell(grid, P::kTotalStakeCol, k, services),
                                      sep));
        } else {
            // A row with odds but no stake keeps its old count of combinations.
            if (!has_odds) {
                grid.SetCell(P::kCombinationsCol, k, std::string());
            }
            grid.SetCell(P::kTotalStakeCol, k, std::string());
            grid.SetCell(P::kReturnCol, k, std::string());
            grid.SetCell(P::kProfitCol, k, std::string());
        }
    }

    sheet.total_staked.text = NumberToText(ColumnSum(grid, P::kTotalStakeCol, services), sep);
    sheet.total_returned.text = NumberToText(ColumnSum(grid, P::kReturnCol, services), sep);
    sheet.total_profit.text = NumberToText(ColumnSum(grid, P::kProfitCol, services), sep);
}

bool MayBeCurrentCell(int col, int row) {
    return IsTypedCell(col, row) ||
           (IsDataRow(row) && (col == P::kBankerCol || col == P::kResultCol));
}

bool IsTypedCell(int col, int row) {
    return IsDataRow(row) && (col == P::kOddsCol || col == P::kStakeCol);
}

bool PressCell(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
               Services& services) {
    if (col != P::kResultCol || !IsDataRow(row)) {
        return false;
    }
    ToggleResult(sheet, row, catalogue, services);
    return true;
}

void ToggleResult(ParlaySheet& sheet, int row, const Catalogue& catalogue, Services& services) {
    if (!IsDataRow(row)) {
        return;
    }
    TextGrid& grid = sheet.selections;
    if (grid.Cell(P::kResultCol, row) != kParlayWin) {
        grid.SetCell(P::kResultCol, row, kParlayWin);
        return;
    }
    if (grid.IsChecked(P::kBankerCol, row)) {
        services.prompter.ShowMessage(catalogue.Read(parlay_captions::kBankerLost));
    }
    grid.SetCell(P::kResultCol, row, kParlayLost);
}

void ToggleCheckBox(ParlaySheet& sheet, int col, int row, const Catalogue& catalogue,
                    Services& services) {
    TextGrid& grid = sheet.selections;
    if (!grid.HasCheckBox(col, row)) {
        return;
    }
    const bool checked = !grid.IsChecked(col, row);
    grid.SetChecked(col, row, checked);
    if (checked && col == P::kBankerCol && grid.Cell(P::kResultCol, row) == kParlayLost) {
        services.prompter.ShowMessage(catalogue.Read(parlay_captions::kBankerLost));
    }
}

int RowAfterEnter(int col, int row, const std::string& current_text) {
    if ((col == P::kOddsCol && !current_text.empty()) || col == P::kStakeCol) {
        return row >= P::kLastRow ? P::kFirstRow : row + 1;
    }
    return row;
}

}  // namespace orvanta

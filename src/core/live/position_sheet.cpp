#include "core/live/position_sheet.h"

#include <array>

#include "core/i18n/catalogue.h"
#include "core/live/live_captions.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

namespace {

constexpr int kRowHeight = 21;
constexpr std::array<int, kSheetCols> kColWidths = {35, 35, 35, 55, 35, 35, 35, 55, 55, 55, 55};

// The totals are sums in which large terms cancel (a back of 100 at 4.7 and a
// lay of 114.63 at 4.1 leave 0.0169999999999959), so each is rounded before it
// is written: far below a cent, far above the noise of the sum.
constexpr int kTotalDecimals = 8;

std::string TotalText(double value, char separator) {
    return NumberToText(RoundDecimals(value, kTotalDecimals), separator);
}

bool IsBuySide(int col) {
    return col <= kBuyAmountCol;
}
bool IsOddsCol(int col) {
    return col != kBuyAmountCol && col != kSellAmountCol;
}

bool IsEmptyRow(const TextGrid& grid, int row) {
    for (int c = 0; c < kInputCols; ++c) {
        if (!grid.Cell(c, row).empty()) {
            return false;
        }
    }
    return true;
}

std::array<TextBox*, 3> Returns(PositionSheet& s) {
    return {&s.return_1, &s.return_x, &s.return_2};
}
std::array<TextBox*, 3> GameWagers(PositionSheet& s) {
    return {&s.game_wager_1, &s.game_wager_x, &s.game_wager_2};
}
std::array<TextBox*, 3> Results(PositionSheet& s) {
    return {&s.result_1, &s.result_x, &s.result_2};
}

// A value on the other side, or a second odds value on the same side.
bool BreaksRowRule(const PositionSheet& sheet, int col, int row) {
    const TextGrid& grid = sheet.positions;
    for (int j = 0; j < kInputCols; ++j) {
        if (j == col || grid.Cell(j, row).empty()) {
            continue;
        }
        if (IsBuySide(j) != IsBuySide(col) || (IsOddsCol(j) && IsOddsCol(col))) {
            return true;
        }
    }
    return false;
}

void WriteHeader(TextGrid& grid, int col, int row, std::string text) {
    grid.SetCell(col, row, std::move(text));
    CellProps& props = grid.EditProps(col, row);
    props.alignment = HAlign::kCenter;
    props.font_style |= kFontBold;
}

}  // namespace

void ClearPositionSheet(PositionSheet& sheet, const Catalogue& catalogue) {
    namespace captions = live_captions;
    TextGrid& grid = sheet.positions;
    grid.ClearCells();
    grid.SetColCount(kSheetCols);
    grid.SetRowCount(kSheetHeaderRows + 1);
    grid.SetFixedRows(kSheetHeaderRows);
    grid.SetDefaultSizes(TextGrid::kDefaultColWidth, kRowHeight);
    for (int c = 0; c < kSheetCols; ++c) {
        grid.SetColWidth(c, kColWidths[static_cast<std::size_t>(c)]);
    }

    const std::string stake = catalogue.Read(captions::kStake);
    const char* outcomes[] = {"1", "X", "2"};

    grid.MergeCells(0, 0, 4, 1);
    WriteHeader(grid, 0, 0, catalogue.Read(captions::kBuy));
    grid.MergeCells(4, 0, 4, 1);
    WriteHeader(grid, 4, 0, catalogue.Read(captions::kSell));
    grid.MergeCells(kFirstStatusCol, 0, 3, 1);
    WriteHeader(grid, kFirstStatusCol, 0, catalogue.Read(captions::kStatus));
    for (int k = 0; k < 3; ++k) {
        WriteHeader(grid, k, 1, outcomes[k]);
        WriteHeader(grid, 4 + k, 1, outcomes[k]);
        WriteHeader(grid, kFirstStatusCol + k, 1, outcomes[k]);
    }
    WriteHeader(grid, kBuyAmountCol, 1, stake);
    WriteHeader(grid, kSellAmountCol, 1, stake);
}

void CompactRows(PositionSheet& sheet) {
    TextGrid& grid = sheet.positions;
    if (grid.RowCount() <= kFirstPositionRow) {
        grid.SetRowCount(kFirstPositionRow + 1);
    }
    // Runs of empty rows go in one removal each.
    int row = kFirstPositionRow;
    while (row < grid.RowCount() - 1) {
        int end = row;
        while (end < grid.RowCount() - 1 && IsEmptyRow(grid, end)) {
            ++end;
        }
        if (end > row) {
            grid.RemoveRows(row, end - row);
        } else {
            ++row;
        }
    }
    if (!IsEmptyRow(grid, grid.RowCount() - 1)) {
        grid.SetRowCount(grid.RowCount() + 1);
    }
}

void CalculateRowStatus(PositionSheet& sheet, Services& services) {
    TextGrid& grid = sheet.positions;
    const char sep = services.separator;
    const PageNumbers value(services);
    auto number = [&](int col, int row) { return value(grid.Cell(col, row)); };

    for (int r = kFirstPositionRow; r < grid.RowCount(); ++r) {
        int first = -1;
        for (int c = 0; c < kInputCols && first < 0; ++c) {
            if (!grid.Cell(c, r).empty()) {
                first = c;
            }
        }
        int last = -1;
        for (int c = kInputCols - 1; c > first && first >= 0 && last < 0; --c) {
            if (!grid.Cell(c, r).empty()) {
                last = c;
            }
        }
        if (first < 0 || last < 0) {
            for (int k = 0; k < 3; ++k) {
                grid.SetCell(kFirstStatusCol + k, r, std::string());
            }
            continue;
        }

        if (IsBuySide(first)) {
            // An amount first (first == 3) puts no outcome ahead: every status is the stake lost.
            for (int k = 0; k < 3; ++k) {
                const double value =
                    k == first ? number(first, r) * number(last, r) : -number(last, r);
                grid.SetCell(kFirstStatusCol + k, r, NumberToText(value, sep));
            }
        } else {
            const std::string amount = grid.Cell(last, r);
            for (int k = 0; k < 3; ++k) {
                if (k == first - 4) {
                    const double owed = number(first, r) * number(last, r);
                    grid.SetCell(kFirstStatusCol + k, r, NumberToText(-owed, sep));
                } else {
                    grid.SetCell(kFirstStatusCol + k, r, amount);
                }
            }
        }
    }
}

void CalculateReturns(PositionSheet& sheet, Services& services) {
    const TextGrid& grid = sheet.positions;
    const auto boxes = Returns(sheet);
    const PageNumbers value(services);
    for (int k = 0; k < 3; ++k) {
        double sum = 0.0;
        for (int r = kFirstPositionRow; r < grid.RowCount(); ++r) {
            const std::string& text = grid.Cell(kFirstStatusCol + k, r);
            if (!text.empty()) {
                sum += value(text);
            }
        }
        boxes[static_cast<std::size_t>(k)]->text = TotalText(sum, services.separator);
    }
}

void CalculateGameWagers(PositionSheet& sheet, Services& services) {
    const TextGrid& grid = sheet.positions;
    const char sep = services.separator;
    const auto boxes = GameWagers(sheet);
    const PageNumbers value(services);
    auto staked = [&](int odds_col, int amount_col) {
        double sum = 0.0;
        for (int r = kFirstPositionRow; r < grid.RowCount(); ++r) {
            if (!grid.Cell(odds_col, r).empty() && !grid.Cell(amount_col, r).empty()) {
                sum += value(grid.Cell(amount_col, r));
            }
        }
        return sum;
    };
    for (int k = 0; k < 3; ++k) {
        TextBox& box = *boxes[static_cast<std::size_t>(k)];
        // The difference is taken from the box's text, so it works on the
        // 15-digit Bought that the user sees.
        box.text = TotalText(staked(k, kBuyAmountCol), sep);
        const double sold = staked(4 + k, kSellAmountCol);
        box.text = TotalText(value(box.text) - sold, sep);
    }
}

void CalculateResults(PositionSheet& sheet, Services& services) {
    const char sep = services.separator;
    const auto returns = Returns(sheet);
    const auto wagers = GameWagers(sheet);
    const auto results = Results(sheet);
    const PageNumbers value(services);
    for (std::size_t k = 0; k < 3; ++k) {
        const double ret = value(returns[k]->text);
        const double wager = value(wagers[k]->text);
        results[k]->text = TotalText(ret - wager, sep);
    }
}

void RecalculateSheet(PositionSheet& sheet, Services& services) {
    CompactRows(sheet);
    CalculateRowStatus(sheet, services);
    CalculateReturns(sheet, services);
    CalculateGameWagers(sheet, services);
    CalculateResults(sheet, services);
}

bool IsInputCell(const PositionSheet& sheet, int col, int row) {
    return col >= 0 && col < kInputCols && row >= kFirstPositionRow &&
           row < sheet.positions.RowCount();
}

std::optional<char> FilterSheetKey(char typed, char separator, const std::string& current_text) {
    return FilterSingleMarkKey(typed, separator, current_text);
}

std::optional<int> SheetEnterColumn(int col, const std::string& current_text) {
    if (current_text.empty() || col < 0 || col >= kInputCols || !IsOddsCol(col)) {
        return std::nullopt;
    }
    return IsBuySide(col) ? kBuyAmountCol : kSellAmountCol;
}

bool ValidateSheetEntry(PositionSheet& sheet, int col, int row, const Catalogue& catalogue,
                        Services& services) {
    if (!IsInputCell(sheet, col, row)) {
        return false;
    }
    const bool refused = BreaksRowRule(sheet, col, row);
    if (refused) {
        sheet.positions.SetCell(col, row, std::string());
        services.prompter.ShowMessage(catalogue.Read(live_captions::kRowRule));
    }
    CalculateRowStatus(sheet, services);
    return refused;
}

}  // namespace orvanta

#include "sheet_text.h"

namespace orvanta::testing {

namespace {

std::string Join(const TextGrid& grid, int row, int first, int count) {
    std::string out;
    for (int c = first; c < first + count; ++c) {
        if (c > first) {
            out += '|';
        }
        out += grid.Cell(c, row);
    }
    return out;
}

}  // namespace

void SetInputs(PositionSheet& sheet, int row, const std::string& cells, char separator) {
    const std::string text = WithSeparator(cells, separator);
    std::size_t pos = 0;
    for (int c = 0; c < kInputCols; ++c) {
        const std::size_t bar = text.find('|', pos);
        const std::size_t end = bar == std::string::npos ? text.size() : bar;
        sheet.positions.SetCell(c, row, pos < text.size() ? text.substr(pos, end - pos) : "");
        pos = bar == std::string::npos ? text.size() : bar + 1;
    }
}

std::string Inputs(const PositionSheet& sheet, int row) {
    std::string out = Join(sheet.positions, row, 0, kInputCols);
    while (!out.empty() && out.back() == '|') {
        out.pop_back();
    }
    return out;
}

std::string Status(const PositionSheet& sheet, int row) {
    return Join(sheet.positions, row, kFirstStatusCol, 3);
}

std::string AllInputs(const PositionSheet& sheet) {
    std::string out;
    for (int r = kFirstPositionRow; r < sheet.positions.RowCount(); ++r) {
        out += Inputs(sheet, r) + "\n";
    }
    return out;
}

std::string Totals(const PositionSheet& sheet) {
    return sheet.return_1.text + "|" + sheet.return_x.text + "|" + sheet.return_2.text + " " +
           sheet.game_wager_1.text + "|" + sheet.game_wager_x.text + "|" + sheet.game_wager_2.text +
           " " + sheet.result_1.text + "|" + sheet.result_x.text + "|" + sheet.result_2.text;
}

}  // namespace orvanta::testing

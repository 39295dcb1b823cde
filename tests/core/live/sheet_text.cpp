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

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

void SetInputs(PositionSheet& sheet, int row, const std::string& cells, char separator) {
    const std::string text = WithSeparator(cells, separator);
    std::size_t pos = 0;
    for (int c = 0; c < kInputCols; ++c) {
        const std::size_t bar = text.find('|', pos);
        const std::size_t end = bar == std::string::npos ? text.size() : bar;
        sheet.AdvStringGrid2.SetCell(c, row, pos < text.size() ? text.substr(pos, end - pos) : "");
        pos = bar == std::string::npos ? text.size() : bar + 1;
    }
}

std::string Inputs(const PositionSheet& sheet, int row) {
    std::string out = Join(sheet.AdvStringGrid2, row, 0, kInputCols);
    while (!out.empty() && out.back() == '|') {
        out.pop_back();
    }
    return out;
}

std::string Status(const PositionSheet& sheet, int row) {
    return Join(sheet.AdvStringGrid2, row, kFirstStatusCol, 3);
}

std::string AllInputs(const PositionSheet& sheet) {
    std::string out;
    for (int r = kFirstPositionRow; r < sheet.AdvStringGrid2.RowCount(); ++r) {
        out += Inputs(sheet, r) + "\n";
    }
    return out;
}

std::string Totals(const PositionSheet& sheet) {
    return sheet.Edit1.text + "|" + sheet.Edit2.text + "|" + sheet.Edit3.text + " " +
           sheet.Edit4.text + "|" + sheet.Edit5.text + "|" + sheet.Edit6.text + " " +
           sheet.Edit7.text + "|" + sheet.Edit8.text + "|" + sheet.Edit9.text;
}

}  // namespace orvanta::testing

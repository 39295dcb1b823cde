#include "core/grid/grid_headers.h"

#include <vector>

namespace orvanta {

namespace {

// Joins the texts shown over a run of cells, each shown cell once.
class HeaderWords {
public:
    explicit HeaderWords(const TextGrid& grid) : m_grid(grid) {}

    void Add(int col, int row) {
        const std::pair<int, int> shown = ShownCell(m_grid, col, row);
        for (const auto& seen : m_seen) {
            if (seen == shown) {
                return;
            }
        }
        m_seen.push_back(shown);
        const std::string& text = m_grid.Cell(shown.first, shown.second);
        if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
            return;
        }
        if (!m_words.empty()) {
            m_words += ' ';
        }
        m_words += text;
    }

    const std::string& Words() const { return m_words; }

private:
    const TextGrid& m_grid;
    std::vector<std::pair<int, int>> m_seen;
    std::string m_words;
};

}  // namespace

std::pair<int, int> ShownCell(const TextGrid& grid, int col, int row) {
    if (!grid.IsCoveredCell(col, row)) {
        return {col, row};
    }
    const CellProps& props = *grid.Props(col, row);
    const int owner_col = props.owner_col;
    const int owner_row = props.owner_row;
    if (!grid.Contains(owner_col, owner_row) || owner_col > col || owner_row > row) {
        return {col, row};
    }
    const auto [span_x, span_y] = grid.MergeSpan(owner_col, owner_row);
    if (col - owner_col > span_x || row - owner_row > span_y) {
        return {col, row};
    }
    return {owner_col, owner_row};
}

std::string ColumnHeader(const TextGrid& grid, int col) {
    HeaderWords words(grid);
    for (int row = 0; row < grid.FixedRows(); ++row) {
        words.Add(col, row);
    }
    return words.Words();
}

std::string RowHeader(const TextGrid& grid, int row) {
    HeaderWords words(grid);
    for (int col = 0; col < grid.FixedCols(); ++col) {
        words.Add(col, row);
    }
    return words.Words();
}

std::string CornerHeader(const TextGrid& grid) {
    HeaderWords words(grid);
    for (int row = 0; row < grid.FixedRows(); ++row) {
        for (int col = 0; col < grid.FixedCols(); ++col) {
            words.Add(col, row);
        }
    }
    return words.Words();
}

}  // namespace orvanta

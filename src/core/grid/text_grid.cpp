#include "core/grid/text_grid.h"

#include <algorithm>
#include <stdexcept>

namespace orvanta {

namespace {

const std::string kEmpty;

}  // namespace

CellGraphic CellGraphic::CheckBox(bool checked) {
    CellGraphic graphic;
    graphic.cell_type = kCellTypeCheckBox;
    graphic.valign = 0;  // vaTop
    graphic.halign = kGraphicHAlignBeforeText;
    graphic.transparent = true;
    graphic.boolean = checked;
    return graphic;
}

CellProps CellProps::ForCell(int col, int row) {
    CellProps props;
    props.owner_col = col;
    props.owner_row = row;
    return props;
}

CellProps CellProps::Zero() {
    CellProps props;
    props.is_base_cell = false;
    props.span_x = 0;
    props.span_y = 0;
    props.border_color = GridColour{0};
    props.brush_color = GridColour{0};
    props.brush_color_to = GridColour{0};
    props.font_color = GridColour{0};
    return props;
}

TextGrid::TextGrid(int cols, int rows) {
    Reshape(std::max(cols, 0), std::max(rows, 0));
}

TextGrid::TextGrid(const TextGrid& other)
    : m_cols(other.m_cols),
      m_rows(other.m_rows),
      m_fixed_rows(other.m_fixed_rows),
      m_fixed_cols(other.m_fixed_cols),
      m_default_col_width(other.m_default_col_width),
      m_default_row_height(other.m_default_row_height),
      m_cells(other.m_cells.size()),
      m_col_widths(other.m_col_widths),
      m_row_heights(other.m_row_heights) {
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        m_cells[i].text = other.m_cells[i].text;
        if (other.m_cells[i].props) {
            m_cells[i].props = std::make_unique<CellProps>(*other.m_cells[i].props);
        }
    }
}

TextGrid& TextGrid::operator=(const TextGrid& other) {
    if (this != &other) {
        TextGrid copy(other);
        if (m_listener) {
            m_listener->BeginReset();
        }
        m_cols = copy.m_cols;
        m_rows = copy.m_rows;
        m_fixed_rows = copy.m_fixed_rows;
        m_fixed_cols = copy.m_fixed_cols;
        m_default_col_width = copy.m_default_col_width;
        m_default_row_height = copy.m_default_row_height;
        m_cells = std::move(copy.m_cells);
        m_col_widths = std::move(copy.m_col_widths);
        m_row_heights = std::move(copy.m_row_heights);
        if (m_listener) {
            m_listener->EndReset();
        }
    }
    return *this;
}

TextGrid::~TextGrid() = default;

void TextGrid::Reshape(int cols, int rows) {
    std::vector<CellData> cells(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    const int keep_cols = std::min(cols, m_cols);
    const int keep_rows = std::min(rows, m_rows);
    for (int r = 0; r < keep_rows; ++r) {
        for (int c = 0; c < keep_cols; ++c) {
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                  static_cast<std::size_t>(c)] = std::move(At(c, r));
        }
    }
    m_cells = std::move(cells);
    m_cols = cols;
    m_rows = rows;
    m_col_widths.resize(static_cast<std::size_t>(cols), m_default_col_width);
    m_row_heights.resize(static_cast<std::size_t>(rows), m_default_row_height);
}

void TextGrid::SetColCount(int cols) {
    cols = std::max(cols, 0);
    if (cols == m_cols) {
        return;
    }
    if (m_listener) {
        m_listener->BeginReset();
    }
    Reshape(cols, m_rows);
    if (m_listener) {
        m_listener->EndReset();
    }
}

void TextGrid::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows > m_rows) {
        InsertRows(m_rows, rows - m_rows);
    } else if (rows < m_rows) {
        RemoveRows(rows, m_rows - rows);
    }
}

void TextGrid::InsertRows(int first, int count) {
    first = std::clamp(first, 0, m_rows);
    if (count <= 0) {
        return;
    }
    if (m_listener) {
        m_listener->BeginInsertRows(first, count);
    }
    const auto at = m_cells.begin() + static_cast<std::ptrdiff_t>(Index(0, first));
    std::vector<CellData> fresh(static_cast<std::size_t>(count) * static_cast<std::size_t>(m_cols));
    m_cells.insert(at, std::make_move_iterator(fresh.begin()),
                   std::make_move_iterator(fresh.end()));
    m_row_heights.insert(m_row_heights.begin() + first, static_cast<std::size_t>(count),
                         m_default_row_height);
    m_rows += count;
    if (m_listener) {
        m_listener->EndInsertRows();
    }
}

void TextGrid::RemoveRows(int first, int count) {
    if (first < 0 || first >= m_rows || count <= 0) {
        return;
    }
    count = std::min(count, m_rows - first);
    if (m_listener) {
        m_listener->BeginRemoveRows(first, count);
    }
    const auto begin = m_cells.begin() + static_cast<std::ptrdiff_t>(Index(0, first));
    const auto end = m_cells.begin() + static_cast<std::ptrdiff_t>(Index(0, first + count));
    m_cells.erase(begin, end);
    m_row_heights.erase(m_row_heights.begin() + first, m_row_heights.begin() + first + count);
    m_rows -= count;
    if (m_listener) {
        m_listener->EndRemoveRows();
    }
}

const std::string& TextGrid::Cell(int col, int row) const {
    return Contains(col, row) ? At(col, row).text : kEmpty;
}

void TextGrid::SetCell(int col, int row, std::string text) {
    if (!Contains(col, row)) {
        return;
    }
    std::string& cell = At(col, row).text;
    if (cell != text) {
        cell = std::move(text);
        NotifyCell(col, row);
    }
}

void TextGrid::ClearCells() {
    if (m_listener) {
        m_listener->BeginReset();
    }
    for (CellData& cell : m_cells) {
        cell.text.clear();
        cell.props.reset();
    }
    if (m_listener) {
        m_listener->EndReset();
    }
}

const CellProps* TextGrid::Props(int col, int row) const {
    return Contains(col, row) ? At(col, row).props.get() : nullptr;
}

CellProps& TextGrid::EditProps(int col, int row) {
    if (!Contains(col, row)) {
        throw std::out_of_range("cell outside the grid");
    }
    auto& props = At(col, row).props;
    if (!props) {
        props = std::make_unique<CellProps>(CellProps::ForCell(col, row));
    }
    NotifyCell(col, row);  // the caller is about to change them
    return *props;
}

void TextGrid::SetProps(int col, int row, CellProps props) {
    if (Contains(col, row)) {
        At(col, row).props = std::make_unique<CellProps>(std::move(props));
        NotifyCell(col, row);
    }
}

std::optional<GridColour> TextGrid::Background(int col, int row) const {
    const CellProps* props = Props(col, row);
    if (!props || props->brush_color == kColourNone) {
        return std::nullopt;
    }
    return props->brush_color;
}

void TextGrid::SetBackground(int col, int row, GridColour colour) {
    if (Contains(col, row)) {
        EditProps(col, row).brush_color = colour;
    }
}

HAlign TextGrid::Alignment(int col, int row) const {
    const CellProps* props = Props(col, row);
    return props ? props->alignment : HAlign::kLeft;
}

void TextGrid::SetAlignment(int col, int row, HAlign alignment) {
    if (Contains(col, row)) {
        EditProps(col, row).alignment = alignment;
    }
}

bool TextGrid::HasCheckBox(int col, int row) const {
    const CellProps* props = Props(col, row);
    return props && props->graphic && props->graphic->IsCheckBox();
}

bool TextGrid::IsChecked(int col, int row) const {
    return HasCheckBox(col, row) && Props(col, row)->graphic->boolean;
}

void TextGrid::AddCheckBox(int col, int row, bool checked) {
    if (Contains(col, row)) {
        EditProps(col, row).graphic = CellGraphic::CheckBox(checked);
    }
}

void TextGrid::SetChecked(int col, int row, bool checked) {
    if (HasCheckBox(col, row)) {
        EditProps(col, row).graphic->boolean = checked;
    }
}

void TextGrid::MergeCells(int col, int row, int cols, int rows) {
    if (!Contains(col, row) || cols < 1 || rows < 1) {
        return;
    }
    cols = std::min(cols, m_cols - col);
    rows = std::min(rows, m_rows - row);
    for (int r = row; r < row + rows; ++r) {
        for (int c = col; c < col + cols; ++c) {
            CellProps& props = EditProps(c, r);
            const bool base = c == col && r == row;
            props.is_base_cell = base;
            props.span_x = base ? cols - 1 : -1;
            props.span_y = base ? rows - 1 : -1;
            props.owner_col = col;
            props.owner_row = row;
        }
    }
    if (m_listener) {
        m_listener->LayoutChanged();
    }
}

std::pair<int, int> TextGrid::MergeSpan(int col, int row) const {
    const CellProps* props = Props(col, row);
    if (!props || !props->is_base_cell || (props->span_x <= 0 && props->span_y <= 0)) {
        return {0, 0};
    }
    return {std::max(props->span_x, 0), std::max(props->span_y, 0)};
}

bool TextGrid::IsCoveredCell(int col, int row) const {
    const CellProps* props = Props(col, row);
    return props && !props->is_base_cell && (props->owner_col != col || props->owner_row != row);
}

void TextGrid::SetFixedRows(int rows) {
    m_fixed_rows = std::clamp(rows, 0, m_rows);
    if (m_listener) {
        m_listener->LayoutChanged();
    }
}

void TextGrid::SetFixedCols(int cols) {
    m_fixed_cols = std::clamp(cols, 0, m_cols);
    if (m_listener) {
        m_listener->LayoutChanged();
    }
}

int TextGrid::ColWidth(int col) const {
    return col >= 0 && col < m_cols ? m_col_widths[static_cast<std::size_t>(col)]
                                    : m_default_col_width;
}

int TextGrid::RowHeight(int row) const {
    return row >= 0 && row < m_rows ? m_row_heights[static_cast<std::size_t>(row)]
                                    : m_default_row_height;
}

void TextGrid::SetColWidth(int col, int width) {
    if (col >= 0 && col < m_cols && m_col_widths[static_cast<std::size_t>(col)] != width) {
        m_col_widths[static_cast<std::size_t>(col)] = width;
        if (m_listener) {
            m_listener->LayoutChanged();
        }
    }
}

void TextGrid::SetRowHeight(int row, int height) {
    if (row >= 0 && row < m_rows && m_row_heights[static_cast<std::size_t>(row)] != height) {
        m_row_heights[static_cast<std::size_t>(row)] = height;
        if (m_listener) {
            m_listener->LayoutChanged();
        }
    }
}

void TextGrid::SetDefaultSizes(int col_width, int row_height) {
    m_default_col_width = col_width;
    m_default_row_height = row_height;
    std::fill(m_col_widths.begin(), m_col_widths.end(), col_width);
    std::fill(m_row_heights.begin(), m_row_heights.end(), row_height);
    if (m_listener) {
        m_listener->LayoutChanged();
    }
}

void TextGrid::NotifyCell(int col, int row) {
    if (m_listener) {
        m_listener->CellChanged(col, row);
    }
}

}  // namespace orvanta

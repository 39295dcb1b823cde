#pragma once

// The window toolkit's core: TextGrid, the one place where a grid's content
// lives, and the services the core is given.
//
// Every grid of the program (the parlay sheet, the calculator grids, the live
// sheet and game list) is a TextGrid: cells addressed (column, row) from 0, each
// holding UTF-8 text and, optionally, cell properties (background, check box,
// alignment, merge span and the rest of what a grid file carries). Pages change
// the grid; the grid tells its one listener (the Qt model) what changed, and the
// view repaints. Nothing is computed in the grid itself.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// A colour as grid files carry it: RGB with red in the low byte, a system colour
// (0xFF0000nn), or "no colour".
struct GridColour {
    std::int32_t value = 0;

    static constexpr GridColour Rgb(int r, int g, int b) {
        return GridColour{
            static_cast<std::int32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16))};
    }
    constexpr bool IsSystem() const { return (static_cast<std::uint32_t>(value) >> 24) == 0xFF; }
    constexpr int Red() const { return value & 0xFF; }
    constexpr int Green() const { return (value >> 8) & 0xFF; }
    constexpr int Blue() const { return (value >> 16) & 0xFF; }
    friend constexpr bool operator==(GridColour a, GridColour b) { return a.value == b.value; }
    friend constexpr bool operator!=(GridColour a, GridColour b) { return a.value != b.value; }
};

inline constexpr GridColour kColourBlack{0};
inline constexpr GridColour kColourNone{0x1FFFFFFF};
inline constexpr GridColour kColourWindow{static_cast<std::int32_t>(0xFF000005u)};
inline constexpr GridColour kColourBtnHighlight{static_cast<std::int32_t>(0xFF000014u)};

enum class HAlign : std::uint8_t { kLeft = 0, kRight = 1, kCenter = 2 };
enum class VAlign : std::uint8_t { kTop = 0, kCenter = 1, kBottom = 2 };

// Positions in the grid file's enumeration lists.
inline constexpr int kCellTypeCheckBox = 4;
inline constexpr int kGraphicHAlignBeforeText = 3;

inline constexpr std::uint8_t kFontBold = 1;
inline constexpr std::uint8_t kFontItalic = 2;
inline constexpr std::uint8_t kFontUnderline = 4;
inline constexpr std::uint8_t kFontStrikeOut = 8;

// A cell's graphic (for this program: a check box).
struct CellGraphic {
    int cell_type = 0;
    int valign = 0;
    int halign = 0;
    std::int32_t index = 0;
    bool transparent = false;
    bool created = false;
    bool boolean = false;  // a check box's state
    std::int32_t angle = 0;
    // 80-bit extended value exactly as read, so that it is written back unchanged.
    std::uint8_t value[10] = {};
    std::int32_t err_from = 0;
    std::int32_t err_len = 0;
    std::string text;

    bool IsCheckBox() const { return cell_type == kCellTypeCheckBox; }
    static CellGraphic CheckBox(bool checked);
};

struct CellProps {
    bool is_base_cell = true;
    std::int32_t span_x = -1;  // extra columns covered by a merged base cell, -1 when none
    std::int32_t span_y = -1;
    std::int32_t owner_col = 0;
    std::int32_t owner_row = 0;
    HAlign alignment = HAlign::kLeft;
    GridColour border_color = kColourBlack;
    std::int32_t border_width = 0;
    GridColour brush_color = kColourWindow;
    GridColour brush_color_to = kColourNone;
    int brush_style = 0;
    GridColour font_color = kColourNone;
    std::string font_name;
    std::int32_t font_size = 0;
    std::uint8_t font_style = 0;
    int editor = 0;
    bool read_only = false;
    VAlign valign = VAlign::kTop;
    bool word_wrap = false;
    std::int32_t node_level = 0;
    std::optional<CellGraphic> graphic;

    // The properties a grid gives a cell when it first needs some.
    static CellProps ForCell(int col, int row);
    // All fields zero, as a grid file reader starts a record.
    static CellProps Zero();
};

// Told what changes, so that a view can follow. Structural changes come in
// pairs around the change itself, as item views need them.
class GridListener {
public:
    virtual ~GridListener() = default;
    virtual void CellChanged(int col, int row) = 0;
    virtual void BeginInsertRows(int first, int count) = 0;
    virtual void EndInsertRows() = 0;
    virtual void BeginRemoveRows(int first, int count) = 0;
    virtual void EndRemoveRows() = 0;
    // Anything else: the shape changed or everything did.
    virtual void BeginReset() = 0;
    virtual void EndReset() = 0;
    // Column widths, row heights, merges or fixed rows and columns changed.
    virtual void LayoutChanged() = 0;
};

class TextGrid {
public:
    static constexpr int kDefaultColWidth = 64;
    static constexpr int kDefaultRowHeight = 24;

    TextGrid(int cols, int rows);
    TextGrid(const TextGrid& other);
    TextGrid& operator=(const TextGrid& other);
    // Assignment keeps this grid's own listener and tells it everything changed.
    ~TextGrid();

    int ColCount() const { return m_cols; }
    int RowCount() const { return m_rows; }
    bool Contains(int col, int row) const {
        return col >= 0 && row >= 0 && col < m_cols && row < m_rows;
    }
    // Keep what still fits; new cells are empty.
    void SetColCount(int cols);
    void SetRowCount(int rows);
    // Rows [first, first + count) become empty rows, later rows move down.
    void InsertRows(int first, int count);
    void RemoveRows(int first, int count);

    // Empty text for a cell outside the grid.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);

    // Empties every cell's text and drops every cell's properties.
    void ClearCells();

    // Cell properties.
    const CellProps* Props(int col, int row) const;
    CellProps& EditProps(int col, int row);  // creates them on first use
    void SetProps(int col, int row, CellProps props);

    std::optional<GridColour> Background(int col, int row) const;
    void SetBackground(int col, int row, GridColour colour);
    HAlign Alignment(int col, int row) const;
    void SetAlignment(int col, int row, HAlign alignment);

    bool HasCheckBox(int col, int row) const;
    bool IsChecked(int col, int row) const;
    void AddCheckBox(int col, int row, bool checked);
    void SetChecked(int col, int row, bool checked);

    // Merges a block: the top-left cell shows over the others.
    void MergeCells(int col, int row, int cols, int rows);
    // (extra columns, extra rows) covered by a base cell; (0, 0) when not merged.
    std::pair<int, int> MergeSpan(int col, int row) const;
    bool IsCoveredCell(int col, int row) const;

    int FixedRows() const { return m_fixed_rows; }
    int FixedCols() const { return m_fixed_cols; }
    void SetFixedRows(int rows);
    void SetFixedCols(int cols);

    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    void SetDefaultSizes(int col_width, int row_height);

    // At most one listener; nullptr to detach.
    void SetListener(GridListener* listener) { m_listener = listener; }
    GridListener* Listener() const { return m_listener; }

private:
    struct CellData {
        std::string text;
        std::unique_ptr<CellProps> props;
    };

    CellData& At(int col, int row) { return m_cells[Index(col, row)]; }
    const CellData& At(int col, int row) const { return m_cells[Index(col, row)]; }
    std::size_t Index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) +
               static_cast<std::size_t>(col);
    }
    void Reshape(int cols, int rows);
    void NotifyCell(int col, int row);

    int m_cols = 0;
    int m_rows = 0;
    int m_fixed_rows = 0;
    int m_fixed_cols = 0;
    int m_default_col_width = kDefaultColWidth;
    int m_default_row_height = kDefaultRowHeight;
    std::vector<CellData> m_cells;
    std::vector<int> m_col_widths;
    std::vector<int> m_row_heights;
    GridListener* m_listener = nullptr;
};

}  // namespace orvanta

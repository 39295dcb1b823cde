#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/file_io.h"
#include "core/grid/text_grid.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/grid_file_format.h"
#include "core/parlay/grid_record_reader.h"

namespace orvanta {

namespace {

using namespace grid_file;

// Width or height in pixels that a file may give a column or row.
constexpr int kMaxCellSize = 65535;

struct Header {
    std::int32_t cols = 0;
    std::int32_t rows = 0;
    std::string col_widths;
    std::string row_heights;
    bool full_grid = false;
};

// clang-format off
constexpr PropertyRule<Header> kHeaderRules[] = {
    {"ColCount",   [](RecordReader& r, Header& h) { h.cols = r.Int(); }},
    {"RowCount",   [](RecordReader& r, Header& h) { h.rows = r.Int(); }},
    {"ColWidths",  [](RecordReader& r, Header& h) { h.col_widths = r.Text(); }},
    {"RowHeights", [](RecordReader& r, Header& h) { h.row_heights = r.Text(); }},
    {"FullGrid",   [](RecordReader& r, Header& h) { h.full_grid = r.Bool(); }},
    // The saving window's handle means nothing now.
    {"ID",         [](RecordReader& r, Header&) { r.Int(); }},
};
// clang-format on

Header ReadHeader(RecordReader& r) {
    Header h;
    ReadRecord(r, kHeaderRules, h);
    return h;
}

// "29,90,50": exactly `count` sizes, or nothing for an empty list (the sizes
// then stay as they are).
std::vector<int> ParseSizes(const std::string& text, int count) {
    std::vector<int> sizes;
    if (text.empty()) {
        return sizes;
    }
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', pos), text.size());
        std::string_view item(text.data() + pos, comma - pos);
        while (!item.empty() && item.front() == ' ') {
            item.remove_prefix(1);
        }
        while (!item.empty() && item.back() == ' ') {
            item.remove_suffix(1);
        }
        if (item.empty() || static_cast<int>(sizes.size()) >= count) {
            Fail(kInvalidPropertyValue);
        }
        int value = 0;
        for (char c : item) {
            if (c < '0' || c > '9') {
                Fail(kInvalidPropertyValue);
            }
            value = value * 10 + (c - '0');
            if (value > kMaxCellSize) {
                Fail(kInvalidPropertyValue);
            }
        }
        sizes.push_back(value);
        if (comma == text.size()) {
            break;
        }
        pos = comma + 1;
    }
    if (static_cast<int>(sizes.size()) != count) {
        Fail(kInvalidPropertyValue);
    }
    return sizes;
}

std::string ShapeText(long long cols, long long rows) {
    return std::to_string(cols) + " columns and " + std::to_string(rows) + " rows";
}

// Takes the file's whole-grid header over, after checking everything in it,
// so that a header the grid cannot take leaves the grid untouched.
void ApplyHeader(TextGrid& grid, const Header& h, std::optional<GridShape> required) {
    if (h.cols < 0 || h.rows < 0) {
        Fail(kInvalidPropertyValue);
    }
    if (required && (h.cols != required->cols || h.rows != required->rows)) {
        Fail("The file holds a grid of " + ShapeText(h.cols, h.rows) + ", not " +
             ShapeText(required->cols, required->rows));
    }
    // A grid of no rows still keeps a width per column, so each count is
    // bounded on its own as well as their product.
    if (static_cast<long long>(h.cols) * h.rows > kMaxGridCells || h.cols > kMaxGridCells ||
        h.rows > kMaxGridCells) {
        Fail("The file's grid of " + ShapeText(h.cols, h.rows) + " is too large");
    }
    const std::vector<int> widths = ParseSizes(h.col_widths, h.cols);
    const std::vector<int> heights = ParseSizes(h.row_heights, h.rows);

    // In the order that keeps the grid between its old and its new size: many
    // columns over the old rows could be far more cells than either.
    grid.ClearCells();
    if (h.cols > grid.ColCount()) {
        grid.SetRowCount(h.rows);
        grid.SetColCount(h.cols);
    } else {
        grid.SetColCount(h.cols);
        grid.SetRowCount(h.rows);
    }
    for (std::size_t i = 0; i < widths.size(); ++i) {
        grid.SetColWidth(static_cast<int>(i), widths[i]);
    }
    for (std::size_t i = 0; i < heights.size(); ++i) {
        grid.SetRowHeight(static_cast<int>(i), heights[i]);
    }
}

struct CellRecord {
    std::int32_t col = 0;
    std::int32_t row = 0;
    std::string text;
    bool has_prop = false;
};

// clang-format off
constexpr PropertyRule<CellRecord> kCellRecordRules[] = {
    {"Col",     [](RecordReader& r, CellRecord& c) { c.col = r.Int(); }},
    {"Row",     [](RecordReader& r, CellRecord& c) { c.row = r.Int(); }},
    {"Cell",    [](RecordReader& r, CellRecord& c) { c.text = r.Text(); }},
    {"HasProp", [](RecordReader& r, CellRecord& c) { c.has_prop = r.Bool(); }},
};
// clang-format on

CellRecord ReadCellRecord(RecordReader& r) {
    CellRecord c;
    ReadRecord(r, kCellRecordRules, c);
    return c;
}

// clang-format off
constexpr PropertyRule<CellProps> kCellPropertyRules[] = {
    {"IsBaseCell",   [](RecordReader& r, CellProps& p) { p.is_base_cell = r.Bool(); }},
    {"CellSpanX",    [](RecordReader& r, CellProps& p) { p.span_x = r.Int(); }},
    {"CellSpanY",    [](RecordReader& r, CellProps& p) { p.span_y = r.Int(); }},
    {"OwnerCol",     [](RecordReader& r, CellProps& p) { p.owner_col = r.Int(); }},
    {"OwnerRow",     [](RecordReader& r, CellProps& p) { p.owner_row = r.Int(); }},
    {"Alignment",    [](RecordReader& r, CellProps& p) {
                         p.alignment = static_cast<HAlign>(r.Enum(kAlignments)); }},
    {"BorderColor",  [](RecordReader& r, CellProps& p) { p.border_color = r.Colour(); }},
    {"BorderWidth",  [](RecordReader& r, CellProps& p) { p.border_width = r.Int(); }},
    {"BrushColor",   [](RecordReader& r, CellProps& p) { p.brush_color = r.Colour(); }},
    {"BrushColorTo", [](RecordReader& r, CellProps& p) { p.brush_color_to = r.Colour(); }},
    {"BrushStyle",   [](RecordReader& r, CellProps& p) { p.brush_style = r.Enum(kBrushStyles); }},
    {"FontColor",    [](RecordReader& r, CellProps& p) { p.font_color = r.Colour(); }},
    {"FontName",     [](RecordReader& r, CellProps& p) { p.font_name = r.Text(); }},
    {"FontSize",     [](RecordReader& r, CellProps& p) { p.font_size = r.Int(); }},
    {"FontStyle",    [](RecordReader& r, CellProps& p) { p.font_style = r.Set(kFontStyles); }},
    {"Editor",       [](RecordReader& r, CellProps& p) { p.editor = r.Enum(kEditors); }},
    {"ReadOnly",     [](RecordReader& r, CellProps& p) { p.read_only = r.Bool(); }},
    {"VAlignment",   [](RecordReader& r, CellProps& p) {
                         p.valign = static_cast<VAlign>(r.Enum(kVAlignments)); }},
    {"WordWrap",     [](RecordReader& r, CellProps& p) { p.word_wrap = r.Bool(); }},
    {"NodeLevel",    [](RecordReader& r, CellProps& p) { p.node_level = r.Int(); }},
};

constexpr PropertyRule<CellGraphic> kCellGraphicRules[] = {
    {"CellType",        [](RecordReader& r, CellGraphic& g) { g.cell_type = r.Enum(kCellTypes); }},
    {"CellVAlign",      [](RecordReader& r, CellGraphic& g) { g.valign = r.Enum(kGraphicVAligns); }},
    {"CellHAlign",      [](RecordReader& r, CellGraphic& g) { g.halign = r.Enum(kGraphicHAligns); }},
    {"CellIndex",       [](RecordReader& r, CellGraphic& g) { g.index = r.Int(); }},
    {"CellTransparent", [](RecordReader& r, CellGraphic& g) { g.transparent = r.Bool(); }},
    {"CellCreated",     [](RecordReader& r, CellGraphic& g) { g.created = r.Bool(); }},
    {"CellBoolean",     [](RecordReader& r, CellGraphic& g) { g.boolean = r.Bool(); }},
    {"CellAngle",       [](RecordReader& r, CellGraphic& g) { g.angle = r.Int(); }},
    {"CellValue",       [](RecordReader& r, CellGraphic& g) { r.Extended(g.value); }},
    {"CellErrFrom",     [](RecordReader& r, CellGraphic& g) { g.err_from = r.Int(); }},
    {"CellErrLen",      [](RecordReader& r, CellGraphic& g) { g.err_len = r.Int(); }},
    {"CellText",        [](RecordReader& r, CellGraphic& g) { g.text = r.Text(); }},
};
// clang-format on

// The properties record; true when a graphic record follows.
bool ReadPropsRecord(RecordReader& r, CellProps& p) {
    bool has_graphic = false;
    r.BeginRecord();
    while (const auto name = r.NextProperty()) {
        if (*name == "HasGraphic") {
            has_graphic = r.Bool();
        } else {
            ReadProperty(r, *name, kCellPropertyRules, p, "CellProperties.");
        }
    }
    r.EndRecord();
    return has_graphic;
}

CellGraphic ReadGraphicRecord(RecordReader& r) {
    CellGraphic g;
    ReadRecord(r, kCellGraphicRules, g, "CellGraphic.");
    // Such a cell is followed by a picture record this program cannot read.
    if (IsPictureCellType(g.cell_type)) {
        Fail(kPictureCellsUnsupported);
    }
    return g;
}

}  // namespace

void LoadGridFromBytes(TextGrid& grid, std::string_view bytes, std::optional<GridShape> required) {
    RecordReader r(bytes);
    const Header header = ReadHeader(r);
    if (header.full_grid) {
        ApplyHeader(grid, header, required);
    }

    // A partial save is placed with its first cell at (0, 0).
    std::optional<std::pair<long long, long long>> origin;
    // A last lone byte is no record; two or more must be one.
    while (r.Left() >= 2) {
        const CellRecord c = ReadCellRecord(r);
        long long col = c.col;
        long long row = c.row;
        if (!header.full_grid) {
            if (!origin) {
                origin = std::make_pair(col, row);
            }
            col -= origin->first;
            row -= origin->second;
        }
        if (col < 0 || row < 0 || col >= grid.ColCount() || row >= grid.RowCount()) {
            Fail("The file puts a cell at column " + std::to_string(col) + ", row " +
                 std::to_string(row) + ", outside the grid of " +
                 ShapeText(grid.ColCount(), grid.RowCount()));
        }
        const int x = static_cast<int>(col);
        const int y = static_cast<int>(row);
        grid.SetCell(x, y, c.text);
        if (!c.has_prop) {
            continue;
        }
        CellProps props = CellProps::Zero();
        const bool has_graphic = ReadPropsRecord(r, props);
        grid.SetProps(x, y, props);
        if (has_graphic) {
            CellGraphic graphic = ReadGraphicRecord(r);
            grid.EditProps(x, y).graphic = std::move(graphic);
        }
    }
}

void LoadGridFromFile(TextGrid& grid, const std::string& path, std::optional<GridShape> required) {
    const std::string bytes = ReadFileBytes(path, kMaxGridFileBytes, "The file is too large");
    LoadGridFromBytes(grid, bytes, required);
}

}  // namespace orvanta

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "core/i18n/utf8.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/grid_file_format.h"

namespace orvanta {

namespace {

using namespace grid_file;

// Width or height in pixels that a file may give a column or row.
constexpr int kMaxCellSize = 65535;

[[noreturn]] void Fail(const std::string& text) {
    throw OperationError(text);
}

// A name from the file, safe to show in a message.
std::string Printable(std::string_view name) {
    std::string out;
    for (char c : name) {
        out += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return out;
}

[[noreturn]] void UnknownProperty(std::string_view name) {
    Fail("Unknown property \"" + Printable(name) + "\"");
}

// Reads records from the bytes of a file. Every length is checked against the
// bytes still there before anything is taken or allocated.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t Left() const { return m_bytes.size() - m_pos; }

    void BeginRecord() {
        if (Take(kSignature.size()) != kSignature) {
            Fail(kInvalidStreamFormat);
        }
        ShortString();  // the record type: the position in the file decides
        ShortString();  // the object name
    }

    // The next property's name, or nothing at the end of the list.
    std::optional<std::string_view> NextProperty() {
        const std::string_view name = ShortString();
        if (name.empty()) {
            return std::nullopt;
        }
        return name;
    }

    void EndRecord() {
        if (Byte() != 0) {
            Fail(kInvalidStreamFormat);  // child records are not part of the format
        }
    }

    std::int32_t Int() {
        switch (Byte()) {
            case kTagInt8:
                return static_cast<std::int8_t>(Byte());
            case kTagInt16:
                return static_cast<std::int16_t>(LittleEndian(2));
            case kTagInt32:
                return static_cast<std::int32_t>(LittleEndian(4));
            default:
                Fail(kInvalidPropertyValue);
        }
    }

    bool Bool() {
        switch (Byte()) {
            case kTagFalse:
                return false;
            case kTagTrue:
                return true;
            default:
                Fail(kInvalidPropertyValue);
        }
    }

    std::string Text() {
        switch (Byte()) {
            case kTagShortText:
                return EightBit(Take(Byte()));
            case kTagLongText:
                return EightBit(Take(Length(1)));
            case kTagUtf8Text:
                return CleanUtf8(Take(Length(1)));
            case kTagUtf16Text:
                return Utf16LeToUtf8(Take(Length(2) * 2));
            default:
                Fail(kInvalidPropertyValue);
        }
    }

    int Enum(const NameList& list) {
        const auto position = FindName(list, Ident());
        if (!position) {
            Fail(kInvalidPropertyValue);
        }
        return *position;
    }

    GridColour Colour() {
        if (Peek() != kTagIdent) {
            return GridColour{Int()};
        }
        const auto colour = ColourFromName(Ident());
        if (!colour) {
            Fail(kInvalidPropertyValue);
        }
        return *colour;
    }

    std::uint8_t Set(const NameList& list) {
        if (Byte() != kTagSet) {
            Fail(kInvalidPropertyValue);
        }
        unsigned bits = 0;
        for (std::string_view member = ShortString(); !member.empty(); member = ShortString()) {
            const auto position = FindName(list, member);
            if (!position) {
                Fail(kInvalidPropertyValue);
            }
            bits |= 1u << *position;
        }
        return static_cast<std::uint8_t>(bits);
    }

    void Extended(std::uint8_t (&value)[10]) {
        if (Byte() != kTagExtended) {
            Fail(kInvalidPropertyValue);
        }
        const std::string_view bytes = Take(10);
        for (int i = 0; i < 10; ++i) {
            value[i] = static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)]);
        }
    }

private:
    std::uint8_t Peek() {
        if (Left() < 1) {
            Fail(kStreamReadError);
        }
        return static_cast<std::uint8_t>(m_bytes[m_pos]);
    }

    std::uint8_t Byte() {
        const std::uint8_t b = Peek();
        ++m_pos;
        return b;
    }

    std::string_view Take(std::size_t n) {
        if (n > Left()) {
            Fail(kStreamReadError);
        }
        const std::string_view part = m_bytes.substr(m_pos, n);
        m_pos += n;
        return part;
    }

    std::uint32_t LittleEndian(int bytes) {
        const std::string_view b = Take(static_cast<std::size_t>(bytes));
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<std::uint8_t>(b[static_cast<std::size_t>(i)]);
        }
        return value;
    }

    // A 4-byte count of units of `unit_size` bytes, no more than what is left.
    std::size_t Length(std::size_t unit_size) {
        const auto length = static_cast<std::int32_t>(LittleEndian(4));
        if (length < 0) {
            Fail(kInvalidPropertyValue);
        }
        if (static_cast<std::size_t>(length) > Left() / unit_size) {
            Fail(kStreamReadError);
        }
        return static_cast<std::size_t>(length);
    }

    std::string_view ShortString() { return Take(Byte()); }

    std::string_view Ident() {
        if (Byte() != kTagIdent) {
            Fail(kInvalidPropertyValue);
        }
        return ShortString();
    }

    // The 8-bit forms were written in the program's ANSI code page.
    static std::string EightBit(std::string_view bytes) {
        return IsAscii(bytes) ? std::string(bytes) : DecodeWindows1253(bytes);
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

struct Header {
    std::int32_t cols = 0;
    std::int32_t rows = 0;
    std::string col_widths;
    std::string row_heights;
    bool full_grid = false;
};

Header ReadHeader(RecordReader& r) {
    Header h;
    r.BeginRecord();
    while (const auto name = r.NextProperty()) {
        if (*name == "ColCount") {
            h.cols = r.Int();
        } else if (*name == "RowCount") {
            h.rows = r.Int();
        } else if (*name == "ColWidths") {
            h.col_widths = r.Text();
        } else if (*name == "RowHeights") {
            h.row_heights = r.Text();
        } else if (*name == "FullGrid") {
            h.full_grid = r.Bool();
        } else if (*name == "ID") {
            r.Int();  // the saving window's handle means nothing now
        } else {
            UnknownProperty(*name);
        }
    }
    r.EndRecord();
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

CellRecord ReadCellRecord(RecordReader& r) {
    CellRecord c;
    r.BeginRecord();
    while (const auto name = r.NextProperty()) {
        if (*name == "Col") {
            c.col = r.Int();
        } else if (*name == "Row") {
            c.row = r.Int();
        } else if (*name == "Cell") {
            c.text = r.Text();
        } else if (*name == "HasProp") {
            c.has_prop = r.Bool();
        } else {
            UnknownProperty(*name);
        }
    }
    r.EndRecord();
    return c;
}

// The properties record; true when a graphic record follows.
bool ReadPropsRecord(RecordReader& r, CellProps& p) {
    constexpr std::string_view kPrefix = "CellProperties.";
    bool has_graphic = false;
    r.BeginRecord();
    while (const auto full_name = r.NextProperty()) {
        if (*full_name == "HasGraphic") {
            has_graphic = r.Bool();
            continue;
        }
        if (full_name->substr(0, kPrefix.size()) != kPrefix) {
            UnknownProperty(*full_name);
        }
        const std::string_view name = full_name->substr(kPrefix.size());
        if (name == "IsBaseCell") {
            p.is_base_cell = r.Bool();
        } else if (name == "CellSpanX") {
            p.span_x = r.Int();
        } else if (name == "CellSpanY") {
            p.span_y = r.Int();
        } else if (name == "OwnerCol") {
            p.owner_col = r.Int();
        } else if (name == "OwnerRow") {
            p.owner_row = r.Int();
        } else if (name == "Alignment") {
            p.alignment = static_cast<HAlign>(r.Enum(kAlignments));
        } else if (name == "BorderColor") {
            p.border_color = r.Colour();
        } else if (name == "BorderWidth") {
            p.border_width = r.Int();
        } else if (name == "BrushColor") {
            p.brush_color = r.Colour();
        } else if (name == "BrushColorTo") {
            p.brush_color_to = r.Colour();
        } else if (name == "BrushStyle") {
            p.brush_style = r.Enum(kBrushStyles);
        } else if (name == "FontColor") {
            p.font_color = r.Colour();
        } else if (name == "FontName") {
            p.font_name = r.Text();
        } else if (name == "FontSize") {
            p.font_size = r.Int();
        } else if (name == "FontStyle") {
            p.font_style = r.Set(kFontStyles);
        } else if (name == "Editor") {
            p.editor = r.Enum(kEditors);
        } else if (name == "ReadOnly") {
            p.read_only = r.Bool();
        } else if (name == "VAlignment") {
            p.valign = static_cast<VAlign>(r.Enum(kVAlignments));
        } else if (name == "WordWrap") {
            p.word_wrap = r.Bool();
        } else if (name == "NodeLevel") {
            p.node_level = r.Int();
        } else {
            UnknownProperty(*full_name);
        }
    }
    r.EndRecord();
    return has_graphic;
}

CellGraphic ReadGraphicRecord(RecordReader& r) {
    constexpr std::string_view kPrefix = "CellGraphic.";
    CellGraphic g;
    r.BeginRecord();
    while (const auto full_name = r.NextProperty()) {
        if (full_name->substr(0, kPrefix.size()) != kPrefix) {
            UnknownProperty(*full_name);
        }
        const std::string_view name = full_name->substr(kPrefix.size());
        if (name == "CellType") {
            g.cell_type = r.Enum(kCellTypes);
        } else if (name == "CellVAlign") {
            g.valign = r.Enum(kGraphicVAligns);
        } else if (name == "CellHAlign") {
            g.halign = r.Enum(kGraphicHAligns);
        } else if (name == "CellIndex") {
            g.index = r.Int();
        } else if (name == "CellTransparent") {
            g.transparent = r.Bool();
        } else if (name == "CellCreated") {
            g.created = r.Bool();
        } else if (name == "CellBoolean") {
            g.boolean = r.Bool();
        } else if (name == "CellAngle") {
            g.angle = r.Int();
        } else if (name == "CellValue") {
            r.Extended(g.value);
        } else if (name == "CellErrFrom") {
            g.err_from = r.Int();
        } else if (name == "CellErrLen") {
            g.err_len = r.Int();
        } else if (name == "CellText") {
            g.text = r.Text();
        } else {
            UnknownProperty(*full_name);
        }
    }
    r.EndRecord();
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

#include <string>
#include <string_view>

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/grid/text_grid.h"
#include "core/i18n/utf16.h"
#include "core/i18n/utf8.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/grid_file_format.h"

namespace orvanta {

namespace {

using namespace grid_file;

// An 80-bit float (64-bit significand, then sign and exponent) is zero, of
// either sign, when every bit but the sign is clear.
bool IsZero(const std::uint8_t (&value)[10]) {
    for (int i = 0; i < 9; ++i) {
        if (value[i] != 0) {
            return false;
        }
    }
    return (value[9] & 0x7F) == 0;
}

class RecordWriter {
public:
    explicit RecordWriter(std::string& out) : m_out(out) {}

    void Begin(const char* type) {
        m_out += kSignature;
        ShortName(type);
        m_out += '\0';  // the object has no name
    }
    void End() {
        m_out += '\0';  // end of the properties
        m_out += '\0';  // no child records
    }

    void Int(const char* name, std::int32_t value) {
        ShortName(name);
        if (value >= -128 && value <= 127) {
            Byte(kTagInt8);
            Byte(static_cast<std::uint8_t>(value));
        } else if (value >= -32768 && value <= 32767) {
            Byte(kTagInt16);
            LittleEndian(static_cast<std::uint32_t>(value), 2);
        } else {
            Byte(kTagInt32);
            LittleEndian(static_cast<std::uint32_t>(value), 4);
        }
    }

    void Bool(const char* name, bool value) {
        ShortName(name);
        Byte(value ? kTagTrue : kTagFalse);
    }

    // Empty texts are left out.
    void Text(const char* name, const std::string& text) {
        if (text.empty()) {
            return;
        }
        ShortName(name);
        const std::string clean = CleanUtf8(text);
        if (IsAscii(clean)) {
            if (clean.size() <= 255) {
                Byte(kTagShortText);
                Byte(static_cast<std::uint8_t>(clean.size()));
            } else {
                Byte(kTagLongText);
                Length(clean.size());
            }
            m_out += clean;
            return;
        }
        // Whichever of UTF-8 and UTF-16 is the shorter, UTF-16 on a tie.
        const std::size_t units = Utf16Length(clean);
        if (clean.size() < 2 * units) {
            Byte(kTagUtf8Text);
            Length(clean.size());
            m_out += clean;
        } else {
            Byte(kTagUtf16Text);
            Length(units);
            m_out += Utf8ToUtf16Le(clean);
        }
    }

    void Ident(const char* name, const char* ident) {
        ShortName(name);
        Byte(kTagIdent);
        ShortName(ident);
    }

    void Enum(const char* name, const NameList& list, int position) {
        const char* ident = NameAt(list, position);
        if (!ident) {
            throw OperationError(kInvalidPropertyValue);
        }
        Ident(name, ident);
    }

    void Colour(const char* name, GridColour colour) {
        if (const char* ident = ColourName(colour)) {
            Ident(name, ident);
        } else {
            Int(name, colour.value);
        }
    }

    void Set(const char* name, const NameList& list, unsigned bits) {
        ShortName(name);
        Byte(kTagSet);
        for (int i = 0; i < list.size; ++i) {
            if (bits & (1u << i)) {
                ShortName(list.names[i]);
            }
        }
        Byte(0);
    }

    // Left out when zero.
    void Extended(const char* name, const std::uint8_t (&value)[10]) {
        if (IsZero(value)) {
            return;
        }
        ShortName(name);
        Byte(kTagExtended);
        m_out.append(reinterpret_cast<const char*>(value), 10);
    }

private:
    void Byte(std::uint8_t b) { m_out += static_cast<char>(b); }
    void LittleEndian(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }
    void Length(std::size_t length) {
        if (length > 0x7FFFFFFF) {
            throw OperationError("Text too long to save");
        }
        LittleEndian(static_cast<std::uint32_t>(length), 4);
    }
    // Names are the format's own (property, type and identifier names), all
    // well under 256 characters.
    void ShortName(std::string_view name) {
        Byte(static_cast<std::uint8_t>(name.size()));
        m_out += name;
    }

    std::string& m_out;
};

std::string JoinedSizes(int count, int (TextGrid::*size_of)(int) const, const TextGrid& grid) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += ',';
        }
        text += std::to_string((grid.*size_of)(i));
    }
    return text;
}

void WriteProps(RecordWriter& w, const CellProps& p) {
    if (p.graphic && IsPictureCellType(p.graphic->cell_type)) {
        throw OperationError(kPictureCellsUnsupported);
    }
    w.Begin("TGridCellPropIO");
    w.Bool("CellProperties.IsBaseCell", p.is_base_cell);
    w.Int("CellProperties.CellSpanX", p.span_x);
    w.Int("CellProperties.CellSpanY", p.span_y);
    w.Int("CellProperties.OwnerCol", p.owner_col);
    w.Int("CellProperties.OwnerRow", p.owner_row);
    w.Enum("CellProperties.Alignment", kAlignments, static_cast<int>(p.alignment));
    w.Colour("CellProperties.BorderColor", p.border_color);
    w.Int("CellProperties.BorderWidth", p.border_width);
    w.Colour("CellProperties.BrushColor", p.brush_color);
    w.Colour("CellProperties.BrushColorTo", p.brush_color_to);
    w.Enum("CellProperties.BrushStyle", kBrushStyles, p.brush_style);
    w.Colour("CellProperties.FontColor", p.font_color);
    w.Text("CellProperties.FontName", p.font_name);
    w.Int("CellProperties.FontSize", p.font_size);
    w.Set("CellProperties.FontStyle", kFontStyles, p.font_style);
    w.Enum("CellProperties.Editor", kEditors, p.editor);
    w.Bool("CellProperties.ReadOnly", p.read_only);
    w.Enum("CellProperties.VAlignment", kVAlignments, static_cast<int>(p.valign));
    w.Bool("CellProperties.WordWrap", p.word_wrap);
    w.Int("CellProperties.NodeLevel", p.node_level);
    w.Bool("HasGraphic", p.graphic.has_value());
    w.End();
}

void WriteGraphic(RecordWriter& w, const CellGraphic& g) {
    w.Begin("TGridGraphicIO");
    w.Enum("CellGraphic.CellType", kCellTypes, g.cell_type);
    w.Enum("CellGraphic.CellVAlign", kGraphicVAligns, g.valign);
    w.Enum("CellGraphic.CellHAlign", kGraphicHAligns, g.halign);
    w.Int("CellGraphic.CellIndex", g.index);
    w.Bool("CellGraphic.CellTransparent", g.transparent);
    w.Bool("CellGraphic.CellCreated", g.created);
    w.Bool("CellGraphic.CellBoolean", g.boolean);
    w.Int("CellGraphic.CellAngle", g.angle);
    w.Extended("CellGraphic.CellValue", g.value);
    w.Int("CellGraphic.CellErrFrom", g.err_from);
    w.Int("CellGraphic.CellErrLen", g.err_len);
    w.Text("CellGraphic.CellText", g.text);
    w.End();
}

}  // namespace

std::string SaveGridToBytes(const TextGrid& grid, std::int32_t id) {
    std::string out;
    RecordWriter w(out);
    w.Begin("TGridPropIO");
    w.Int("ColCount", grid.ColCount());
    w.Int("RowCount", grid.RowCount());
    w.Text("ColWidths", JoinedSizes(grid.ColCount(), &TextGrid::ColWidth, grid));
    w.Text("RowHeights", JoinedSizes(grid.RowCount(), &TextGrid::RowHeight, grid));
    w.Bool("FullGrid", true);
    w.Int("ID", id);
    w.End();

    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            const std::string& text = grid.Cell(col, row);
            const CellProps* props = grid.Props(col, row);
            if (text.empty() && !props) {
                continue;
            }
            w.Begin("TGridCellIO");
            w.Int("Col", col);
            w.Int("Row", row);
            w.Text("Cell", text);
            w.Bool("HasProp", props != nullptr);
            w.End();
            if (props) {
                WriteProps(w, *props);
                if (props->graphic) {
                    WriteGraphic(w, *props->graphic);
                }
            }
        }
    }
    return out;
}

void SaveGridToFile(const TextGrid& grid, const std::string& path, std::int32_t id,
                    WriteFaults* faults) {
    WriteFileReplacing(path, SaveGridToBytes(grid, id), faults);
}

}  // namespace orvanta

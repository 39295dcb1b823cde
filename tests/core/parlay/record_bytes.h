#pragma once

// Grid file records written out by hand, for comparing a saved file byte for
// byte and for feeding the reader forms and faults the writer never makes.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace orvanta::testing {

inline std::string LengthByte(std::string_view text) {
    return std::string(1, static_cast<char>(text.size())) + std::string(text);
}

inline std::string LittleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

// Values: the tag and its payload.
inline std::string I8(int v) {
    return "\x02" + LittleEndian(static_cast<std::uint32_t>(v), 1);
}
inline std::string I16(int v) {
    return "\x03" + LittleEndian(static_cast<std::uint32_t>(v), 2);
}
inline std::string I32(std::int64_t v) {
    return "\x04" + LittleEndian(static_cast<std::uint32_t>(v), 4);
}
inline std::string Short(std::string_view bytes) {
    return "\x06" + LengthByte(bytes);
}
inline std::string Long(std::string_view bytes, std::uint32_t length) {
    return "\x0C" + LittleEndian(length, 4) + std::string(bytes);
}
inline std::string Long(std::string_view bytes) {
    return Long(bytes, static_cast<std::uint32_t>(bytes.size()));
}
inline std::string Utf8(std::string_view bytes, std::uint32_t length) {
    return std::string(1, '\x14') + LittleEndian(length, 4) + std::string(bytes);
}
inline std::string Utf8(std::string_view bytes) {
    return Utf8(bytes, static_cast<std::uint32_t>(bytes.size()));
}
inline std::string Utf16(std::u16string_view units, std::uint32_t count) {
    std::string out = std::string(1, '\x12') + LittleEndian(count, 4);
    for (char16_t u : units) {
        out += LittleEndian(u, 2);
    }
    return out;
}
inline std::string Utf16(std::u16string_view units) {
    return Utf16(units, static_cast<std::uint32_t>(units.size()));
}
inline std::string Ident(std::string_view name) {
    return "\x07" + LengthByte(name);
}
inline std::string Set(std::initializer_list<std::string_view> members) {
    std::string out = "\x0B";
    for (std::string_view m : members) {
        out += LengthByte(m);
    }
    return out + std::string(1, '\0');
}
inline const std::string kTrue = "\x09";
inline const std::string kFalse = "\x08";

using Props = std::initializer_list<std::pair<std::string_view, std::string>>;

inline std::string Record(std::string_view type, Props props) {
    std::string out = "TPF0" + LengthByte(type) + std::string(1, '\0');
    for (const auto& [name, value] : props) {
        out += LengthByte(name) + value;
    }
    return out + std::string(2, '\0');
}

inline std::string HeaderRecord(int cols, int rows, std::string_view widths,
                                std::string_view heights, bool full) {
    return Record("TGridPropIO", {{"ColCount", I8(cols)},
                                  {"RowCount", I8(rows)},
                                  {"ColWidths", Short(widths)},
                                  {"RowHeights", Short(heights)},
                                  {"FullGrid", full ? kTrue : kFalse},
                                  {"ID", I8(0)}});
}

inline const char* const kParlayWidths = "29,90,50,60,79,70,64,80,70";
inline const char* const kParlayHeights = "21,21,21,21,21,21,21,21,21,21,21,21,21,21,21,21";

// The header of a whole 9 x 16 sheet.
inline std::string ParlayHeader() {
    return HeaderRecord(9, 16, kParlayWidths, kParlayHeights, true);
}

inline std::string CellRecord(int col, int row, std::string text_value, bool has_prop = false) {
    if (text_value.empty()) {
        return Record("TGridCellIO",
                      {{"Col", I8(col)}, {"Row", I8(row)}, {"HasProp", has_prop ? kTrue : kFalse}});
    }
    return Record("TGridCellIO", {{"Col", I8(col)},
                                  {"Row", I8(row)},
                                  {"Cell", std::move(text_value)},
                                  {"HasProp", has_prop ? kTrue : kFalse}});
}

// The properties record of a parlay input cell: window colour, all else plain.
inline std::string InputCellProps(int col, int row, bool has_graphic) {
    return Record("TGridCellPropIO", {{"CellProperties.IsBaseCell", kTrue},
                                      {"CellProperties.CellSpanX", I8(-1)},
                                      {"CellProperties.CellSpanY", I8(-1)},
                                      {"CellProperties.OwnerCol", I8(col)},
                                      {"CellProperties.OwnerRow", I8(row)},
                                      {"CellProperties.Alignment", Ident("taLeftJustify")},
                                      {"CellProperties.BorderColor", Ident("clBlack")},
                                      {"CellProperties.BorderWidth", I8(0)},
                                      {"CellProperties.BrushColor", Ident("clWindow")},
                                      {"CellProperties.BrushColorTo", Ident("clNone")},
                                      {"CellProperties.BrushStyle", Ident("bsSolid")},
                                      {"CellProperties.FontColor", Ident("clNone")},
                                      {"CellProperties.FontSize", I8(0)},
                                      {"CellProperties.FontStyle", Set({})},
                                      {"CellProperties.Editor", Ident("edNormal")},
                                      {"CellProperties.ReadOnly", kFalse},
                                      {"CellProperties.VAlignment", Ident("vtaTop")},
                                      {"CellProperties.WordWrap", kFalse},
                                      {"CellProperties.NodeLevel", I8(0)},
                                      {"HasGraphic", has_graphic ? kTrue : kFalse}});
}

inline std::string CheckBoxGraphic(bool checked) {
    return Record("TGridGraphicIO", {{"CellGraphic.CellType", Ident("ctCheckBox")},
                                     {"CellGraphic.CellVAlign", Ident("vaTop")},
                                     {"CellGraphic.CellHAlign", Ident("haBeforeText")},
                                     {"CellGraphic.CellIndex", I8(0)},
                                     {"CellGraphic.CellTransparent", kTrue},
                                     {"CellGraphic.CellCreated", kFalse},
                                     {"CellGraphic.CellBoolean", checked ? kTrue : kFalse},
                                     {"CellGraphic.CellAngle", I8(0)},
                                     {"CellGraphic.CellErrFrom", I8(0)},
                                     {"CellGraphic.CellErrLen", I8(0)}});
}

}  // namespace orvanta::testing

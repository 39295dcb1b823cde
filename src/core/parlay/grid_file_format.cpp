#include "core/parlay/grid_file_format.h"

#include <cstddef>

namespace orvanta::grid_file {

namespace {

constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kVAlignmentNames[] = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr const char* kBrushStyleNames[] = {"bsSolid",    "bsClear",     "bsHorizontal",
                                            "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                            "bsCross",    "bsDiagCross"};
constexpr const char* kEditorNames[] = {
    "edNormal",          "edSpinEdit",     "edComboEdit",    "edComboList",
    "edEditBtn",         "edCheckBox",     "edDateEdit",     "edDateEditUpDown",
    "edTimeEdit",        "edButton",       "edDataCheckBox", "edNumeric",
    "edPositiveNumeric", "edFloat",        "edCapital",      "edMixedCase",
    "edPassword",        "edUnitEditBtn",  "edLowerCase",    "edUpperCase",
    "edFloatSpinEdit",   "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn",
    "edFloatEditBtn",    "edCustom",       "edRichEdit",     "edNone",
    "edUniEdit",         "edUniComboEdit", "edUniComboList"};
constexpr const char* kCellTypeNames[] = {
    "ctBitmap",    "ctIcon",         "ctNone",        "ctImageList", "ctCheckBox", "ctDataCheckBox",
    "ctRotated",   "ctDataImage",    "ctNode",        "ctRadio",     "ctEmpty",    "ctImages",
    "ctPicture",   "ctFilePicture",  "ctValue",       "ctProgress",  "ctComment",  "ctButton",
    "ctBitButton", "ctVirtCheckBox", "ctProgressPie", "ctSummary"};
constexpr const char* kGraphicVAlignNames[] = {"vaTop",       "vaBottom",    "vaCenter",
                                               "vaUnderText", "vaAboveText", "vaFull"};
constexpr const char* kGraphicHAlignNames[] = {"haLeft",       "haRight",     "haCenter",
                                               "haBeforeText", "haAfterText", "haFull"};
constexpr const char* kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <std::size_t N>
constexpr NameList ListOf(const char* const (&names)[N]) {
    return NameList{names, static_cast<int>(N)};
}

struct NamedColour {
    const char* name;
    std::uint32_t value;
};

// The classic desktop colour names; system colours are 0xFF000000 plus the
// system's colour index (25 has no name).
constexpr NamedColour kColours[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", 0xFF000000},
    {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},
    {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},
    {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},
    {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},
    {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clInfoText", 0xFF000017},
    {"clInfoBk", 0xFF000018},
    {"clHotLight", 0xFF00001A},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuBar", 0xFF00001E},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const NameList kAlignments = ListOf(kAlignmentNames);
const NameList kVAlignments = ListOf(kVAlignmentNames);
const NameList kBrushStyles = ListOf(kBrushStyleNames);
const NameList kEditors = ListOf(kEditorNames);
const NameList kCellTypes = ListOf(kCellTypeNames);
const NameList kGraphicVAligns = ListOf(kGraphicVAlignNames);
const NameList kGraphicHAligns = ListOf(kGraphicHAlignNames);
const NameList kFontStyles = ListOf(kFontStyleNames);

std::optional<int> FindName(const NameList& list, std::string_view name) {
    for (int i = 0; i < list.size; ++i) {
        if (SameName(list.names[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

const char* NameAt(const NameList& list, int position) {
    return position >= 0 && position < list.size ? list.names[position] : nullptr;
}

const char* ColourName(GridColour colour) {
    for (const NamedColour& c : kColours) {
        if (static_cast<std::uint32_t>(colour.value) == c.value) {
            return c.name;
        }
    }
    return nullptr;
}

std::optional<GridColour> ColourFromName(std::string_view name) {
    for (const NamedColour& c : kColours) {
        if (SameName(c.name, name)) {
            return GridColour{static_cast<std::int32_t>(c.value)};
        }
    }
    return std::nullopt;
}

bool IsPictureCellType(int cell_type) {
    const char* name = NameAt(kCellTypes, cell_type);
    if (!name) {
        return false;
    }
    const std::string_view n(name);
    return n == "ctBitmap" || n == "ctIcon" || n == "ctImageList" || n == "ctImages" ||
           n == "ctPicture" || n == "ctFilePicture";
}

}  // namespace orvanta::grid_file

#pragma once

// What the grid file's reader and writer share: value tags, the names of the
// enumerations and colours (an identifier stands for its position in its list),
// and the text forms.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/grid/text_grid.h"

namespace orvanta::grid_file {

inline constexpr std::string_view kSignature = "TPF0";

enum Tag : std::uint8_t {
    kTagInt8 = 0x02,
    kTagInt16 = 0x03,
    kTagInt32 = 0x04,
    kTagExtended = 0x05,
    kTagShortText = 0x06,
    kTagIdent = 0x07,
    kTagFalse = 0x08,
    kTagTrue = 0x09,
    kTagSet = 0x0B,
    kTagLongText = 0x0C,
    kTagUtf16Text = 0x12,
    kTagUtf8Text = 0x14,
};

struct NameList {
    const char* const* names;
    int size;
};

extern const NameList kAlignments;
extern const NameList kVAlignments;
extern const NameList kBrushStyles;
extern const NameList kEditors;
extern const NameList kCellTypes;
extern const NameList kGraphicVAligns;
extern const NameList kGraphicHAligns;
extern const NameList kFontStyles;  // set members, bit i for name i

// Position of `name` in the list (letter case ignored), or nothing.
std::optional<int> FindName(const NameList& list, std::string_view name);
// The name at `position`, or nullptr when out of range.
const char* NameAt(const NameList& list, int position);

// Named colours: the name for a value (nullptr when it has none), and back.
const char* ColourName(GridColour colour);
std::optional<GridColour> ColourFromName(std::string_view name);

// Cell types that carry one more record holding a picture or a list.
bool IsPictureCellType(int cell_type);

}  // namespace orvanta::grid_file

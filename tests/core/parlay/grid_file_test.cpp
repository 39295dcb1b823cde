#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "common/core_fixture.h"
#include "common/time_limits.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_sheet.h"
#include "core/parlay/record_bytes.h"

namespace orvanta {
namespace {

using namespace std::string_view_literals;
using namespace ::orvanta::testing;  // the record builders and CoreScene
using P = ParlaySheet;

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) {
        out += p;
    }
    return out;
}

std::string FreshSheetFile(std::int32_t id = 0) {
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    return SaveGridToBytes(sheet.selections, id);
}

// The error text of a load, or "" when it loaded.
std::string LoadError(TextGrid& grid, std::string_view bytes,
                      std::optional<GridShape> required = GridShape{9, 16}) {
    try {
        LoadGridFromBytes(grid, bytes, required);
        return "";
    } catch (const OperationError& e) {
        return e.what();
    }
}

// Parameterised cases are named after their `name` in the test output.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

TEST(GridFileWriter, HeaderRecordIsByteForByteTheDocumentedOne) {
    const std::string heights = "21,21,21,21,21,21,21,21,21,21,21,21,21,21,21,21";
    ASSERT_EQ(heights.size(), 0x2Fu);
    const std::string expected = Cat({"TPF0"sv,
                                      "\x0B"sv,
                                      "TGridPropIO"sv,
                                      "\0"sv,
                                      "\x08"sv,
                                      "ColCount"sv,
                                      "\x02\x09"sv,
                                      "\x08"sv,
                                      "RowCount"sv,
                                      "\x02\x10"sv,
                                      "\x09"sv,
                                      "ColWidths"sv,
                                      "\x06\x1A"sv,
                                      "29,90,50,60,79,70,64,80,70"sv,
                                      "\x0A"sv,
                                      "RowHeights"sv,
                                      "\x06\x2F"sv,
                                      heights,
                                      "\x08"sv,
                                      "FullGrid"sv,
                                      "\x09"sv,
                                      "\x02"sv,
                                      "ID"sv,
                                      "\x04"sv,
                                      "\x2C\x0B\x0A\x00"sv,
                                      "\0\0"sv});
    ASSERT_EQ(expected.size(), 157u);
    const std::string file = FreshSheetFile(0x000A0B2C);
    EXPECT_EQ(file.substr(0, 157), expected);
    // The next record starts right after it.
    EXPECT_EQ(file.substr(157, 4), "TPF0");
}

TEST(GridFileWriter, WinCellRecordIsByteForByteTheDocumentedOne) {
    const std::string expected =
        Cat({"TPF0"sv, "\x0B"sv, "TGridCellIO"sv, "\0"sv, "\x03"sv, "Col"sv, "\x02\x02"sv, "\x03"sv,
             "Row"sv, "\x02\x01"sv, "\x04"sv, "Cell"sv, "\x06\x03"sv, "WIN"sv, "\x07"sv,
             "HasProp"sv, "\x08"sv, "\0\0"sv});
    ASSERT_EQ(expected.size(), 50u);
    const std::string file = FreshSheetFile();
    const auto at = file.find(expected);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(file.substr(at + 50, 4), "TPF0");
}

TEST(GridFileWriter, FreshSheetIsTheDocumentedSequenceOfCellGroups) {
    std::string expected = ParlayHeader();
    for (int row = 1; row <= 15; ++row) {
        expected +=
            CellRecord(0, row, "", true) + InputCellProps(0, row, true) + CheckBoxGraphic(false);
        expected += CellRecord(1, row, "", true) + InputCellProps(1, row, false);
        expected += CellRecord(2, row, Short("WIN"));
        expected += CellRecord(3, row, Short(std::to_string(row)));
        expected += CellRecord(4, row, "", true) + InputCellProps(4, row, false);
    }
    EXPECT_EQ(FreshSheetFile(), expected);
}

TEST(GridFileWriter, IntegersTakeTheSmallestForm) {
    struct Case {
        std::int32_t id;
        std::string bytes;
    };
    // clang-format off
    const Case cases[] = {
        {0,                                         I8(0)},
        {127,                                       I8(127)},
        {-128,                                      I8(-128)},
        {128,                                       I16(128)},
        {-129,                                      I16(-129)},
        {32767,                                     I16(32767)},
        {32768,                                     I32(32768)},
        {-32769,                                    I32(-32769)},
        {std::numeric_limits<std::int32_t>::min(),  I32(0x80000000)},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const TextGrid grid(0, 0);
        const std::string file = SaveGridToBytes(grid, c.id);
        EXPECT_NE(file.find("\x02"
                            "ID" +
                            c.bytes + std::string(2, '\0')),
                  std::string::npos);
    }
}

TEST(GridFileWriter, TextFormsByContent) {
    struct Case {
        const char* name;
        std::string text;
        char tag;
    };
    // clang-format off
    const Case cases[] = {
        {"ShortAscii",            "WIN",                 '\x06'},
        {"LongestShort",          std::string(255, 'a'), '\x06'},
        {"LongAscii",             std::string(256, 'a'), '\x0C'},
        {"GreekOnlyIsUtf16",      "Κέρδος",              '\x12'},  // 12 bytes, 6 units: a tie
        {"MixedIsUtf8",           "Stake Σ",             '\x14'},  // 8 bytes, 7 units
        {"MostlyAsciiIsUtf8",     "Απόδοση odds",        '\x14'},  // 19 bytes, 12 units
        {"OutsideTheBmpIsUtf16",  "\xF0\x9F\x98\x80",    '\x12'},  // 4 bytes, 2 units
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid grid(1, 1);
        grid.SetCell(0, 0, c.text);
        const std::string file = SaveGridToBytes(grid, 0);
        const auto at = file.find(
            "\x04"
            "Cell");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(file[at + 5], c.tag);
        TextGrid back(1, 1);
        LoadGridFromBytes(back, file);
        EXPECT_EQ(back.Cell(0, 0), c.text);
    }
}

// A graphic's value is written as its 80-bit bytes, and left out when it is
// zero of either sign.
TEST(GridFileWriter, AZeroValueIsLeftOut) {
    struct Case {
        const char* name;
        std::uint8_t value[10];
        bool written;
    };
    // clang-format off
    const Case cases[] = {
        {"Zero",           {0, 0, 0, 0, 0, 0, 0, 0,    0,    0},    false},
        {"MinusZero",      {0, 0, 0, 0, 0, 0, 0, 0,    0,    0x80}, false},
        {"One",            {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}, true},
        {"SmallestDouble", {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}, true},  // 2^-1074
        {"LowestBitOnly",  {1, 0, 0, 0, 0, 0, 0, 0,    0,    0},    true},  // an 80-bit denormal
        {"ExponentOnly",   {0, 0, 0, 0, 0, 0, 0, 0,    1,    0},    true},
        {"TopExponentBit", {0, 0, 0, 0, 0, 0, 0, 0,    0,    0x40}, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid grid(1, 1);
        CellGraphic graphic;
        graphic.cell_type = 14;  // ctValue
        std::memcpy(graphic.value, c.value, 10);
        grid.EditProps(0, 0).graphic = graphic;
        const std::string file = SaveGridToBytes(grid, 0);
        const std::string property =
            "\x15"
            "CellGraphic.CellValue"
            "\x05" +
            std::string(reinterpret_cast<const char*>(c.value), 10);
        EXPECT_EQ(file.find(property) != std::string::npos, c.written);
        EXPECT_EQ(file.find("CellGraphic.CellValue") != std::string::npos, c.written);
    }
}

TEST(GridFileWriter, MalformedUtf8InACellIsWrittenAsReplacementCharacters) {
    TextGrid grid(1, 1);
    grid.SetCell(0, 0,
                 "a\xFF"
                 "b\xE2\x82");
    TextGrid back(1, 1);
    LoadGridFromBytes(back, SaveGridToBytes(grid, 0));
    EXPECT_EQ(back.Cell(0, 0),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Every cell text, property and size of a grid, as its own file form shows them.
TEST(GridFileRoundTrip, FreshSheetComesBackAndRecalculatesToZero) {
    CoreScene scene;
    const std::string file = FreshSheetFile();
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    sheet.selections.SetCell(P::kOddsCol, 1, "9");
    sheet.selections.SetChecked(P::kBankerCol, 2, true);
    sheet.selections.SetCell(P::kResultCol, 3, "LOST");
    LoadGridFromBytes(sheet.selections, file, GridShape{9, 16});
    EXPECT_EQ(SaveGridToBytes(sheet.selections, 0), file);
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(sheet.selections.Cell(P::kResultCol, row), "WIN");
        EXPECT_EQ(sheet.selections.Cell(P::kSystemSizeCol, row), std::to_string(row));
        EXPECT_TRUE(sheet.selections.HasCheckBox(P::kBankerCol, row));
        EXPECT_FALSE(sheet.selections.IsChecked(P::kBankerCol, row));
        EXPECT_EQ(sheet.selections.Background(P::kOddsCol, row), kColourWindow);
    }
    CalculateParlaySheet(sheet, scene.services);
    EXPECT_EQ(sheet.total_staked.text, "0");
    EXPECT_EQ(sheet.total_returned.text, "0");
    EXPECT_EQ(sheet.total_profit.text, "0");
}

TEST(GridFileRoundTrip, BankerSheetComesBackWithTheSameResults) {
    CoreScene scene;
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    TextGrid& grid = sheet.selections;
    grid.SetCell(P::kOddsCol, 1, "2.00");
    grid.SetCell(P::kOddsCol, 2, "1.50");
    grid.SetCell(P::kOddsCol, 3, "3.00");
    grid.SetCell(P::kResultCol, 3, "LOST");
    grid.SetChecked(P::kBankerCol, 1, true);
    grid.SetCell(P::kStakeCol, 1, "1");
    grid.SetCell(P::kStakeCol, 2, "1");
    CalculateParlaySheet(sheet, scene.services);
    const std::string file = SaveGridToBytes(grid, 77);
    // The banker's graphic record says checked.
    EXPECT_NE(file.find(CheckBoxGraphic(true)), std::string::npos);

    ParlaySheet other;
    ClearParlaySheet(other, Catalogue());
    LoadGridFromBytes(other.selections, file, GridShape{9, 16});
    EXPECT_TRUE(other.selections.IsChecked(P::kBankerCol, 1));
    CalculateParlaySheet(other, scene.services);
    EXPECT_EQ(SaveGridToBytes(other.selections, 77), file);
    EXPECT_EQ(other.total_staked.text, sheet.total_staked.text);
    EXPECT_EQ(other.total_returned.text, "5");
    EXPECT_EQ(other.total_profit.text, "2");
}

TEST(GridFileRoundTrip, AWidenedColumnAndATallerRowComeBack) {
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    sheet.selections.SetColWidth(P::kOddsCol, 140);
    sheet.selections.SetRowHeight(4, 30);
    const std::string file = SaveGridToBytes(sheet.selections, 0);
    EXPECT_NE(file.find("29,140,50,60"), std::string::npos);
    ParlaySheet other;
    ClearParlaySheet(other, Catalogue());
    LoadGridFromBytes(other.selections, file, GridShape{9, 16});
    EXPECT_EQ(other.selections.ColWidth(P::kOddsCol), 140);
    EXPECT_EQ(other.selections.ColWidth(P::kResultCol), 50);
    EXPECT_EQ(other.selections.RowHeight(4), 30);
}

TEST(GridFileRoundTrip, GreekHeadersSurviveALanguageChange) {
    CoreScene scene;
    scene.folder.Write("Orvanta_GR.ini",
                       "[FrmMain]\nColumnHeaders_1=Απόδοση\nColumnHeaders_4=Stake Σ\n");
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue(scene.folder / "Orvanta_GR.ini"));
    const std::string file = SaveGridToBytes(sheet.selections, 0);
    EXPECT_NE(file.find(CellRecord(1, 0, Utf16(u"Απόδοση"))), std::string::npos);
    EXPECT_NE(file.find(CellRecord(4, 0, Utf8("Stake Σ"))), std::string::npos);

    scene.folder.Write("Orvanta_EN.ini", "[FrmMain]\nColumnHeaders_1=Odds\n");
    ParlaySheet english;
    ClearParlaySheet(english, Catalogue(scene.folder / "Orvanta_EN.ini"));
    LoadGridFromBytes(english.selections, file, GridShape{9, 16});
    EXPECT_EQ(english.selections.Cell(1, 0), "Απόδοση");
    EXPECT_EQ(english.selections.Cell(4, 0), "Stake Σ");
}

TEST(GridFileRoundTrip, EveryPropertyOfAnyGridComesBack) {
    TextGrid grid(3, 2);
    grid.SetColWidth(2, 0);
    grid.SetCell(0, 0, "merged");
    grid.MergeCells(0, 0, 2, 1);
    CellProps& p = grid.EditProps(2, 1);
    p.alignment = HAlign::kCenter;
    p.valign = VAlign::kBottom;
    p.border_color = GridColour::Rgb(1, 2, 3);
    p.border_width = 70000;
    p.brush_color = kColourLime;
    p.brush_color_to = GridColour{0x20000000};
    p.brush_style = 7;
    p.font_color = GridColour::Rgb(255, 0, 0);
    p.font_name = "Tahoma";
    p.font_size = -300;
    p.font_style = kFontBold | kFontStrikeOut;
    p.editor = 30;
    p.read_only = true;
    p.word_wrap = true;
    p.node_level = 2;
    CellGraphic g;
    g.cell_type = 14;  // ctValue
    g.valign = 5;
    g.halign = 4;
    g.index = -1;
    g.created = true;
    g.angle = 90;
    // Pi to 64 bits, more than a double holds: the bytes must come back as they were.
    const std::uint8_t pi[10] = {0x35, 0xC2, 0x68, 0x21, 0xA2, 0xDA, 0x0F, 0xC9, 0x00, 0x40};
    std::memcpy(g.value, pi, 10);
    g.err_from = 1;
    g.err_len = 2;
    g.text = "Σχόλιο";
    p.graphic = g;

    const std::string file = SaveGridToBytes(grid, -5);
    TextGrid back(1, 1);
    LoadGridFromBytes(back, file);
    EXPECT_EQ(back.ColCount(), 3);
    EXPECT_EQ(back.RowCount(), 2);
    EXPECT_EQ(back.ColWidth(2), 0);
    EXPECT_EQ(back.MergeSpan(0, 0), std::make_pair(1, 0));
    EXPECT_TRUE(back.IsCoveredCell(1, 0));
    ASSERT_NE(back.Props(2, 1), nullptr);
    ASSERT_TRUE(back.Props(2, 1)->graphic.has_value());
    EXPECT_EQ(std::memcmp(back.Props(2, 1)->graphic->value, pi, 10), 0);
    EXPECT_EQ(back.Props(2, 1)->graphic->text, "Σχόλιο");
    EXPECT_EQ(back.Props(2, 1)->font_style, kFontBold | kFontStrikeOut);
    EXPECT_EQ(SaveGridToBytes(back, -5), file);
    // Named colours as identifiers, others as integers.
    EXPECT_NE(file.find("\x18"
                        "CellProperties.FontColor" +
                        Ident("clRed")),
              std::string::npos);
    EXPECT_NE(file.find("\x1A"
                        "CellProperties.BorderColor" +
                        I32(0x030201)),
              std::string::npos);
    EXPECT_NE(file.find("\x1B"
                        "CellProperties.BrushColorTo" +
                        Ident("clDefault")),
              std::string::npos);
}

struct FormCase {
    const char* name;
    std::string col;
    std::string row;
    std::string text;
    int want_col;
    int want_row;
    std::string want_text;
};

// Named in test output (gtest would otherwise print the raw bytes, padding included).
void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.name;
}

class GridFileForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(GridFileForms, EveryIntegerAndTextFormIsRead) {
    const FormCase& c = GetParam();
    const std::string file =
        ParlayHeader() + Record("TGridCellIO", {{"Col", c.col}, {"Row", c.row}, {"Cell", c.text}});
    TextGrid grid(9, 16);
    ASSERT_EQ(LoadError(grid, file), "");
    EXPECT_EQ(grid.Cell(c.want_col, c.want_row), c.want_text);
}

const FormCase kForms[] = {
    {"Int8AndShortText", I8(2), I8(1), Short("WIN"), 2, 1, "WIN"},
    {"Int16", I16(3), I16(15), Short("x"), 3, 15, "x"},
    {"Int32", I32(8), I32(0), Short("y"), 8, 0, "y"},
    {"LongText", I8(1), I8(1), Long("1.85"), 1, 1, "1.85"},
    {"LongTextOf300", I8(1), I8(1), Long(std::string(300, 'z')), 1, 1, std::string(300, 'z')},
    {"Utf8Text", I8(1), I8(1), Utf8("Κέρδος ok"), 1, 1, "Κέρδος ok"},
    {"Utf16Text", I8(1), I8(1), Utf16(u"Απόδοση"), 1, 1, "Απόδοση"},
    {"Utf16SurrogatePair", I8(1), I8(1), Utf16(u"\U0001F600"), 1, 1, "\xF0\x9F\x98\x80"},
    {"Utf16LoneSurrogate", I8(1), I8(1), Utf16(u"a\xD800"), 1, 1, "a\xEF\xBF\xBD"},
    {"EightBitGreek", I8(1), I8(1), Short("\xC1\xE2"), 1, 1, "Αβ"},
    {"BadUtf8", I8(1), I8(1), Utf8("a\xC0\xAF"), 1, 1, "a\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"EmptyForms", I8(1), I8(1), Long(""), 1, 1, ""},
};

INSTANTIATE_TEST_SUITE_P(Forms, GridFileForms, ::testing::ValuesIn(kForms), CaseName<FormCase>);

TEST(GridFileReader, ColoursByNameInAnyCaseOrByNumber) {
    struct Case {
        const char* name;
        std::string value;
        std::int32_t want;
    };
    // clang-format off
    const Case cases[] = {
        {"SystemColourByName",  Ident("clWindow"),   static_cast<std::int32_t>(0xFF000005)},
        {"NameInCapitals",      Ident("CLWINDOW"),   static_cast<std::int32_t>(0xFF000005)},
        {"LastSystemColour",    Ident("clMenuBar"),  static_cast<std::int32_t>(0xFF00001E)},
        {"PlainColourByName",   Ident("clSkyBlue"),  0xF0CAA6},
        {"NoColour",            Ident("clNone"),     0x1FFFFFFF},
        {"Int8",                I8(0),               0},
        {"Int16",               I16(0x1234),         0x1234},
        {"Int32",               I32(0x00C0FFEE),     0x00C0FFEE},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file =
            ParlayHeader() + CellRecord(1, 1, "", true) +
            Record("TGridCellPropIO", {{"CellProperties.BrushColor", c.value}});
        TextGrid grid(9, 16);
        ASSERT_EQ(LoadError(grid, file), "");
        ASSERT_NE(grid.Props(1, 1), nullptr);
        EXPECT_EQ(grid.Props(1, 1)->brush_color.value, c.want);
        // What the record leaves out starts at zero.
        EXPECT_EQ(grid.Props(1, 1)->border_color.value, 0);
        EXPECT_FALSE(grid.Props(1, 1)->is_base_cell);
    }
}

TEST(GridFileReader, OneStrayByteLoadsAStrayPairFailsAfterTheRest) {
    const std::string file = FreshSheetFile();
    TextGrid grid(9, 16);
    EXPECT_EQ(LoadError(grid, file + '\x00'), "");
    EXPECT_EQ(SaveGridToBytes(grid, 0), file);

    TextGrid other(9, 16);
    EXPECT_EQ(LoadError(other, file + std::string(2, '\0')), "Stream read error");
    EXPECT_EQ(SaveGridToBytes(other, 0), file);
}

TEST(GridFileReader, AWrongSignatureIsAnInvalidStreamFormat) {
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    sheet.selections.SetCell(P::kOddsCol, 1, "2");
    const std::string before = SaveGridToBytes(sheet.selections, 0);
    std::string file = FreshSheetFile();
    file[3] = '1';
    EXPECT_EQ(LoadError(sheet.selections, file), "Invalid stream format");
    EXPECT_EQ(SaveGridToBytes(sheet.selections, 0), before);

    // In a later record: what came before it stays.
    const std::string later = ParlayHeader() + CellRecord(1, 1, Short("2.5")) + "TPFX" +
                              CellRecord(1, 2, Short("3")).substr(4);
    EXPECT_EQ(LoadError(sheet.selections, later), "Invalid stream format");
    EXPECT_EQ(sheet.selections.Cell(P::kOddsCol, 1), "2.5");
    EXPECT_EQ(sheet.selections.Cell(P::kResultCol, 1), "");
}

struct MalformedCase {
    const char* name;
    std::string tail;  // after a good header
    const char* error;
};

void PrintTo(const MalformedCase& c, std::ostream* out) {
    *out << c.name;
}

class MalformedRecords : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedRecords, GiveClearErrors) {
    TextGrid grid(9, 16);
    EXPECT_EQ(LoadError(grid, ParlayHeader() + GetParam().tail), GetParam().error);
}

const MalformedCase kMalformedRecords[] = {
    {"UnknownProperty", Record("TGridCellIO", {{"Colour", I8(1)}}), "Unknown property \"Colour\""},
    {"UnprintableName", Record("TGridCellIO", {{"C\x01l", I8(1)}}), "Unknown property \"C?l\""},
    {"HeaderNameInACellRecord", Record("TGridCellIO", {{"ColCount", I8(1)}}),
     "Unknown property \"ColCount\""},
    {"TextForAnInteger", Record("TGridCellIO", {{"Col", Short("1")}}), "Invalid property value"},
    {"IntegerForATruthValue", Record("TGridCellIO", {{"HasProp", I8(1)}}),
     "Invalid property value"},
    {"UnknownTag", Record("TGridCellIO", {{"Cell", "\x0A\x01"}}), "Invalid property value"},
    {"UnknownColourName",
     CellRecord(1, 1, "", true) +
         Record("TGridCellPropIO", {{"CellProperties.BrushColor", Ident("clPink")}}),
     "Invalid property value"},
    {"UnknownEnumerationValue",
     CellRecord(1, 1, "", true) +
         Record("TGridCellPropIO", {{"CellProperties.Alignment", Ident("taJustify")}}),
     "Invalid property value"},
    {"UnknownSetMember",
     CellRecord(1, 1, "", true) +
         Record("TGridCellPropIO", {{"CellProperties.FontStyle", Set({"fsShadow"})}}),
     "Invalid property value"},
    {"PictureCell",
     CellRecord(1, 1, "", true) + InputCellProps(1, 1, true) +
         Record("TGridGraphicIO", {{"CellGraphic.CellType", Ident("ctBitmap")}}),
     "Picture cells are not supported"},
    {"ChildRecord", CellRecord(1, 1, Short("x")).substr(0, 47) + "\x01", "Invalid stream format"},
    {"TruncatedInAName", CellRecord(1, 1, Short("x")).substr(0, 20), "Stream read error"},
    {"TruncatedBeforeTheGraphic", CellRecord(0, 1, "", true) + InputCellProps(0, 1, true),
     "Stream read error"},
    {"NegativeLength", Record("TGridCellIO", {{"Cell", Long("", 0xFFFFFFFF)}}),
     "Invalid property value"},
};

INSTANTIATE_TEST_SUITE_P(GridFileReader, MalformedRecords, ::testing::ValuesIn(kMalformedRecords),
                         CaseName<MalformedCase>);

struct ShapeCase {
    const char* name;
    std::string header;
    const char* error;
};

void PrintTo(const ShapeCase& c, std::ostream* out) {
    *out << c.name;
}

class AnotherShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(AnotherShape, LeavesTheSheetAsItWas) {
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    sheet.selections.SetCell(P::kOddsCol, 1, "2");
    sheet.selections.SetColWidth(P::kOddsCol, 120);
    const std::string before = SaveGridToBytes(sheet.selections, 0);
    EXPECT_EQ(LoadError(sheet.selections, GetParam().header + CellRecord(1, 1, Short("7"))),
              GetParam().error);
    EXPECT_EQ(SaveGridToBytes(sheet.selections, 0), before);
}

const ShapeCase kShapes[] = {
    {"FewerColumnsAndRows", HeaderRecord(5, 3, "1,2,3,4,5", "1,2,3", true),
     "The file holds a grid of 5 columns and 3 rows, not 9 columns and 16 rows"},
    {"OneRowShort", HeaderRecord(9, 15, kParlayWidths, "21", true),
     "The file holds a grid of 9 columns and 15 rows, not 9 columns and 16 rows"},
    {"LargestCounts",
     Record("TGridPropIO",
            {{"ColCount", I32(0x7FFFFFFF)}, {"RowCount", I32(0x7FFFFFFF)}, {"FullGrid", kTrue}}),
     "The file holds a grid of 2147483647 columns and 2147483647 rows, not 9 columns and "
     "16 rows"},
    {"NoCounts", Record("TGridPropIO", {{"FullGrid", kTrue}}),
     "The file holds a grid of 0 columns and 0 rows, not 9 columns and 16 rows"},
    // Widths and heights are checked before anything changes too.
    {"TooFewWidths", HeaderRecord(9, 16, "29,90", kParlayHeights, true), "Invalid property value"},
    {"TooManyWidths", HeaderRecord(9, 16, "29,90,50,60,79,70,64,80,70,1", kParlayHeights, true),
     "Invalid property value"},
    {"NegativeWidth", HeaderRecord(9, 16, "29,90,50,60,79,70,64,80,-7", kParlayHeights, true),
     "Invalid property value"},
    {"HugeWidth", HeaderRecord(9, 16, "29,90,50,60,79,70,64,80,99999", kParlayHeights, true),
     "Invalid property value"},
    {"EmptyLastWidth", HeaderRecord(9, 16, "29,90,50,60,79,70,64,80,", kParlayHeights, true),
     "Invalid property value"},
};

INSTANTIATE_TEST_SUITE_P(GridFileReader, AnotherShape, ::testing::ValuesIn(kShapes),
                         CaseName<ShapeCase>);

struct OutsideCase {
    const char* name;
    std::string record;
    const char* error;
};

void PrintTo(const OutsideCase& c, std::ostream* out) {
    *out << c.name;
}

class CellOutsideTheGrid : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(CellOutsideTheGrid, StopsTheLoad) {
    TextGrid grid(9, 16);
    EXPECT_EQ(LoadError(grid, ParlayHeader() + CellRecord(2, 1, Short("WIN")) + GetParam().record),
              GetParam().error);
    EXPECT_EQ(grid.Cell(2, 1), "WIN");
}

const OutsideCase kOutside[] = {
    {"PastTheLastColumn", CellRecord(9, 1, Short("x")),
     "The file puts a cell at column 9, row 1, outside the grid of 9 columns and 16 rows"},
    {"PastTheLastRow", CellRecord(1, 16, Short("x")),
     "The file puts a cell at column 1, row 16, outside the grid of 9 columns and 16 rows"},
    {"BeforeTheFirstColumn", CellRecord(-1, 1, Short("x")),
     "The file puts a cell at column -1, row 1, outside the grid of 9 columns and 16 rows"},
    {"FurthestOut", Record("TGridCellIO", {{"Col", I32(0x7FFFFFFF)}, {"Row", I32(0x80000000)}}),
     "The file puts a cell at column 2147483647, row -2147483648, outside the grid of 9 "
     "columns and 16 rows"},
};

INSTANTIATE_TEST_SUITE_P(GridFileReader, CellOutsideTheGrid, ::testing::ValuesIn(kOutside),
                         CaseName<OutsideCase>);

TEST(GridFileReader, APartialSaveIsPlacedFromItsFirstCell) {
    TextGrid grid(9, 16);
    grid.SetCell(8, 15, "kept");
    const std::string header = HeaderRecord(2, 3, "", "", false);
    ASSERT_EQ(LoadError(grid, header + CellRecord(3, 5, Short("a")) + CellRecord(4, 7, Short("b"))),
              "");
    EXPECT_EQ(grid.Cell(0, 0), "a");
    EXPECT_EQ(grid.Cell(1, 2), "b");
    EXPECT_EQ(grid.Cell(8, 15), "kept");
    EXPECT_EQ(grid.ColCount(), 9);
    EXPECT_EQ(
        LoadError(grid, header + CellRecord(3, 5, Short("a")) + CellRecord(2, 5, Short("c"))),
        "The file puts a cell at column -1, row 0, outside the grid of 9 columns and 16 rows");
}

TEST(GridFileReader, AnyGridTakesTheFilesShapeWithinLimits) {
    TextGrid grid(9, 16);
    ASSERT_EQ(LoadError(grid, HeaderRecord(2, 3, "10,20", "5,6,7", true), std::nullopt), "");
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColWidth(1), 20);
    EXPECT_EQ(grid.RowHeight(2), 7);
    // Counts with no sizes listed keep the grid's sizes.
    ASSERT_EQ(LoadError(grid,
                        Record("TGridPropIO",
                               {{"ColCount", I8(4)}, {"RowCount", I8(1)}, {"FullGrid", kTrue}}),
                        std::nullopt),
              "");
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.ColWidth(1), 20);
}

struct HugeCase {
    const char* name;
    std::string file;
    std::optional<GridShape> required;
    const char* error;
};

void PrintTo(const HugeCase& c, std::ostream* out) {
    *out << c.name;
}

class HugeCountsAndLengths : public ::testing::TestWithParam<HugeCase> {};

TEST_P(HugeCountsAndLengths, FailFast) {
    const HugeCase& c = GetParam();
    TextGrid grid(9, 16);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadError(grid, c.file, c.required), c.error);
    EXPECT_LT(std::chrono::steady_clock::now() - start, testing::InTime(std::chrono::seconds(1)));
    EXPECT_EQ(grid.ColCount(), 9);
}

const HugeCase kHuge[] = {
    {"ShortLengthPastTheEnd", ParlayHeader() + Record("TGridCellIO", {{"Cell", "\x06\xFF"}}),
     GridShape{9, 16}, "Stream read error"},
    {"LongTextOf2To31Minus1",
     ParlayHeader() + Record("TGridCellIO", {{"Cell", Long("", 0x7FFFFFFF)}}), GridShape{9, 16},
     "Stream read error"},
    {"LongTextOf2To31", ParlayHeader() + Record("TGridCellIO", {{"Cell", Long("", 0x80000000)}}),
     GridShape{9, 16}, "Invalid property value"},
    {"Utf8TextOf2To31Minus1",
     ParlayHeader() + Record("TGridCellIO", {{"Cell", Utf8("", 0x7FFFFFFF)}}), GridShape{9, 16},
     "Stream read error"},
    {"Utf16TextOf2To31Minus1",
     ParlayHeader() + Record("TGridCellIO", {{"Cell", Utf16(u"", 0x7FFFFFFF)}}), GridShape{9, 16},
     "Stream read error"},
    {"Utf16CountJustPastTheEnd",
     ParlayHeader() + Record("TGridCellIO", {{"Cell", Utf16(u"ab", 4)}}), GridShape{9, 16},
     "Stream read error"},
    {"HugeGridOfAnyShape",
     Record("TGridPropIO",
            {{"ColCount", I32(0x7FFFFFFF)}, {"RowCount", I32(0x7FFFFFFF)}, {"FullGrid", kTrue}}),
     std::nullopt, "The file's grid of 2147483647 columns and 2147483647 rows is too large"},
    // No cells, yet a width for each of 597 million columns.
    {"ManyColumnsOfNoRows",
     Record("TGridPropIO",
            {{"ColCount", I32(0x23980300)}, {"RowCount", I8(0)}, {"FullGrid", kTrue}}),
     std::nullopt, "The file's grid of 597164800 columns and 0 rows is too large"},
    {"NegativeCount", Record("TGridPropIO", {{"ColCount", I32(0x80000000)}, {"FullGrid", kTrue}}),
     std::nullopt, "Invalid property value"},
    {"CountsWithoutTheirSizes",
     Record("TGridPropIO", {{"ColCount", I16(1000)},
                            {"RowCount", I8(2)},
                            {"ColWidths", Short("1,2")},
                            {"FullGrid", kTrue}}),
     std::nullopt, "Invalid property value"},
};

INSTANTIATE_TEST_SUITE_P(GridFileReader, HugeCountsAndLengths, ::testing::ValuesIn(kHuge),
                         CaseName<HugeCase>);

// A small grid with every kind of record, cut short at every length: only at
// the end of the header or of a cell group (or one byte past it) is a cut file
// whole; everywhere else the load ends in an OperationError.
TEST(GridFileReader, TruncatedFilesLoadOnlyAtGroupEnds) {
    TextGrid small(2, 2);
    small.SetCell(0, 0, "Απόδοση");
    small.AddCheckBox(0, 1, true);
    small.SetCell(1, 1, "2.5");
    const std::string file = SaveGridToBytes(small, 0x12345678);

    int loaded = 0;
    for (std::size_t length = 0; length <= file.size(); ++length) {
        TextGrid grid(9, 16);
        try {
            LoadGridFromBytes(grid, std::string_view(file).substr(0, length));
            ++loaded;
        } catch (const OperationError&) {
        }
    }
    // The header and three groups, each also with one stray byte but the last.
    EXPECT_EQ(loaded, 2 * (1 + 3) - 1);
}

// A real sheet damaged at random, read with and without the sheet's shape:
// every load ends in a grid or an OperationError, under the sanitizers.
TEST(GridFileReader, DamagedFilesNeverCrash) {
    CoreScene scene;
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    sheet.selections.SetCell(P::kOddsCol, 1, "2.5");
    sheet.selections.SetCell(P::kStakeCol, 1, "10");
    sheet.selections.SetChecked(P::kBankerCol, 1, true);
    CalculateParlaySheet(sheet, scene.services);
    const std::string file = SaveGridToBytes(sheet.selections, 0x12345678);

    std::mt19937 random(7);
    for (int trial = 0; trial < 400; ++trial) {
        std::string damaged = file;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i) {
            damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
        }
        TextGrid grid(9, 16);
        try {
            LoadGridFromBytes(
                grid, damaged,
                trial % 2 ? std::optional<GridShape>(GridShape{9, 16}) : std::nullopt);
        } catch (const OperationError&) {
        }
    }
}

}  // namespace
}  // namespace orvanta

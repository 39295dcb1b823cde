#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "common/temp_folder.h"
#include "core/base/operation_error.h"
#include "core/update/update_list.h"

namespace orvanta {
namespace {

using testing::TempFolder;

TEST(VersionToNumber, DottedVersionsAsComparableNumbers) {
    const std::pair<const char*, std::int32_t> cases[] = {
        // clang-format off
        {"2.3.2.55", 2030255},
        {"1.0.0.0", 1000000},
        {"2.3.2.100", 20302100},  // a part of three digits stays whole
        {"2.3.3.0", 2030300},
        {"2.3", 203},
        {"2.3.0.0", 2030000},
        {" 2 . 3 . 2 . 55 ", 2030255},
        {"2..5", 2005},  // an empty part counts as 0: 02 0 05
        {".", 0},
        {"", 0},
        {"    ", 0},
        {"7", 7},
        {"007", 7},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"21.47.48.36.47", std::numeric_limits<std::int32_t>::max()},
        // clang-format on
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(VersionToNumber(text), number) << '"' << text << '"';
    }
    // Why 2.3.2.100 looks newer than 2.3.3.0: the release numbers never reach 100.
    EXPECT_GT(VersionToNumber("2.3.2.100"), VersionToNumber("2.3.3.0"));
}

TEST(VersionToNumber, NonDigitsAndOverflowAreErrors) {
    const char* cases[] = {
        // clang-format off
        "2147483648",
        "21.47.48.36.48",
        "99.99.99.99.99",
        "2.3a",
        "-1",
        "+1",
        "2,3,2,55",
        "0x10",
        "v2.3",
        "2.3\t",
        "١.٢",
        // clang-format on
    };
    for (const char* text : cases) {
        EXPECT_THROW(VersionToNumber(text), OperationError) << '"' << text << '"';
    }
}

TEST(ListSizeToNumber, DecimalDigitsOnly) {
    EXPECT_EQ(ListSizeToNumber("0"), 0);
    EXPECT_EQ(ListSizeToNumber("1234"), 1234);
    EXPECT_EQ(ListSizeToNumber("5000000000"), 5000000000LL);
}

TEST(ListSizeToNumber, AnythingElseIsAnError) {
    const char* errors[] = {
        // clang-format off
        "",
        "12a",
        "-5",
        "+5",
        "1e3",
        " 5",
        "99999999999999999999",
        // clang-format on
    };
    for (const char* text : errors) {
        EXPECT_THROW(ListSizeToNumber(text), OperationError) << '"' << text << '"';
    }
    try {
        ListSizeToNumber(std::string(10'000, '7') + "x");
        FAIL() << "no error";
    } catch (const OperationError& error) {
        // A long text is not quoted whole.
        EXPECT_LT(std::string(error.what()).size(), 100u);
    }
}

TEST(SplitUpdateListLine, FieldsByTheirSemicolons) {
    struct Case {
        const char* line;
        const char* name;
        const char* version;
        const char* size;
    } cases[] = {
        {"Orvanta;2.3.2.55;1234", "Orvanta", "2.3.2.55", "1234"},
        {"Orvanta_EN.ini;;512", "Orvanta_EN.ini", "", "512"},
        {"1234", "", "", "1234"},                             // no ";": all of it is the size
        {"Orvanta_EN.ini;512", "Orvanta_EN.ini", "", "512"},  // one ";": no version
        {"a;b;c;d", "a", "b", "c;d"},
        {";;", "", "", ""},
        {";", "", "", ""},
        {"", "", "", ""},
        {"a b; 1.0 ;2 3", "a b", " 1.0 ", "2 3"},  // blanks are the caller's business
    };
    for (const Case& c : cases) {
        const UpdateListEntry entry = SplitUpdateListLine(c.line);
        EXPECT_EQ(entry.name, c.name) << c.line;
        EXPECT_EQ(entry.version, c.version) << c.line;
        EXPECT_EQ(entry.size, c.size) << c.line;
    }
    EXPECT_EQ(RemoveBlanks(" Orvanta_EN.ini ; ; 1 234 "), "Orvanta_EN.ini;;1234");
    EXPECT_EQ(RemoveBlanks("\ta\r"), "\ta\r");  // only the space is a blank
}

TEST(FormatListLine, ReadsBackAsItWasWritten) {
    EXPECT_EQ(FormatListLine("Orvanta", "2.3.2.55", 1234), "Orvanta;2.3.2.55;1234\r\n");
    EXPECT_EQ(FormatListLine("Orvanta_EN.ini", "", 0), "Orvanta_EN.ini;;0\r\n");
}

struct Line {
    std::string text;
    bool whole;
    bool operator==(const Line& other) const { return text == other.text && whole == other.whole; }
};

std::vector<Line> LinesOf(const std::string& bytes) {
    TempFolder folder;
    folder.Write("list.txt", bytes);
    std::vector<Line> lines;
    ReadListLines(folder / "list.txt", [&](std::string_view text, bool whole) {
        lines.push_back({std::string(text), whole});
    });
    return lines;
}

TEST(ReadListLines, EveryLineEndAndTheLastLineWithoutOne) {
    using Lines = std::vector<Line>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {{"a", true}, {"b", true}}},
        {"a\nb", {{"a", true}, {"b", true}}},
        {"a\rb\r", {{"a", true}, {"b", true}}},
        {"a\r\n\r\n\nb", {{"a", true}, {"", true}, {"", true}, {"b", true}}},
        {"\r\n", {{"", true}}},
        {"a\n\r", {{"a", true}, {"", true}}},
        {std::string("a\0b\n", 4), {{std::string("a\0b", 3), true}}},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(LinesOf(bytes), expected) << ::testing::PrintToString(bytes);
    }
}

TEST(ReadListLines, AnOverlongLineIsCutAndFlagged) {
    const std::string longest(kMaxListLine, 'x');
    const std::vector<Line> lines =
        LinesOf("a\r\n" + longest + "\r\n" + longest + "yz\r\nb" + std::string(1 << 17, ' '));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (Line{"a", true}));
    EXPECT_EQ(lines[1], (Line{longest, true}));
    EXPECT_EQ(lines[2], (Line{longest, false}));
    EXPECT_FALSE(lines[3].whole);
    EXPECT_EQ(lines[3].text.size(), kMaxListLine);
}

TEST(ReadListLines, AFileThatCannotBeOpenedIsAnError) {
    TempFolder folder;
    try {
        ReadListLines(folder / "missing.txt", [](std::string_view, bool) {});
        FAIL() << "no error";
    } catch (const OperationError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_THROW(ReadListLines(folder.Path(), [](std::string_view, bool) {}), OperationError);
}

}  // namespace
}  // namespace orvanta

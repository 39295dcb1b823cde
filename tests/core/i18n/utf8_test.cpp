#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/i18n/utf8.h"

namespace orvanta {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::size_t first_length;  // of the valid sequence the bytes start with; 0 when none
    std::vector<char32_t> code_points;
};

void PrintTo(const Utf8Case& c, std::ostream* out) {
    *out << c.name;
}

class Utf8Decoding : public ::testing::TestWithParam<Utf8Case> {};

// The code points read one after another, every malformed byte a U+FFFD.
std::vector<char32_t> CodePoints(const std::string& bytes) {
    std::vector<char32_t> out;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        out.push_back(NextCodePoint(bytes, pos));
    }
    return out;
}

TEST_P(Utf8Decoding, LengthCodePointsValidityAndCleaning) {
    const Utf8Case& c = GetParam();
    EXPECT_EQ(Utf8SequenceLength(c.bytes), c.first_length);
    const std::vector<char32_t> code_points = CodePoints(c.bytes);
    EXPECT_EQ(code_points, c.code_points);

    // Valid is exactly: nothing had to be replaced.
    std::string encoded;
    for (char32_t code_point : code_points) {
        AppendUtf8(encoded, code_point);
    }
    const bool valid = encoded == c.bytes;
    EXPECT_EQ(IsValidUtf8(c.bytes), valid);
    EXPECT_EQ(CleanUtf8(c.bytes), encoded);
    EXPECT_TRUE(IsValidUtf8(CleanUtf8(c.bytes)));
}

constexpr char32_t kFffd = kReplacementCharacter;

// clang-format off
const Utf8Case kCases[] = {
    {"Empty",                   "",                           0, {}},
    {"Ascii",                   "1.85",                       1, {'1', '.', '8', '5'}},
    {"Nul",                     std::string(1, '\0'),         1, {0}},
    {"Greek",                   "\xCE\x9A\xCE\xAD",           2, {0x39A, 0x3AD}},
    {"LargestTwoBytes",         "\xDF\xBF",                   2, {0x7FF}},
    {"ThreeBytes",              "\xE2\x82\xAC",               3, {0x20AC}},
    {"ValidReplacement",        "\xEF\xBF\xBD",               3, {0xFFFD}},
    {"LastBeforeSurrogates",    "\xED\x9F\xBF",               3, {0xD7FF}},
    {"FirstAfterSurrogates",    "\xEE\x80\x80",               3, {0xE000}},
    {"FourBytes",               "\xF0\x9F\x8E\xB2",           4, {0x1F3B2}},
    {"Largest",                 "\xF4\x8F\xBF\xBF",           4, {0x10FFFF}},
    {"LoneContinuation",        "\x80" "a",                   0, {kFffd, 'a'}},
    {"CutShort",                "\xCE",                       0, {kFffd}},
    {"CutShortThenAscii",       "\xE2\x82" "b",               0, {kFffd, kFffd, 'b'}},
    {"OverlongTwoBytes",        "\xC0\xAF",                   0, {kFffd, kFffd}},
    {"OverlongC1",              "\xC1\xBF",                   0, {kFffd, kFffd}},
    {"OverlongThreeBytes",      "\xE0\x9F\xBF",               0, {kFffd, kFffd, kFffd}},
    {"OverlongFourBytes",       "\xF0\x8F\xBF\xBF",           0, {kFffd, kFffd, kFffd, kFffd}},
    {"Surrogate",               "\xED\xA0\x80",               0, {kFffd, kFffd, kFffd}},
    {"BeyondTheLargest",        "\xF4\x90\x80\x80",           0, {kFffd, kFffd, kFffd, kFffd}},
    {"LeadF5",                  "\xF5\x80\x80\x80",           0, {kFffd, kFffd, kFffd, kFffd}},
    {"LeadFF",                  "\xFF",                       0, {kFffd}},
    {"AsciiWhereAContinuation", "\xCE" "A",                   0, {kFffd, 'A'}},
    {"GoodAfterBad",            "\xFF\xCE\xBA",               0, {kFffd, 0x3BA}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, Utf8Decoding, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8, EncodesEveryLengthAtItsEdges) {
    // clang-format off
    const struct {
        char32_t code_point;
        std::string bytes;
    } cases[] = {
        {0x7F,     "\x7F"},
        {0x80,     "\xC2\x80"},
        {0x7FF,    "\xDF\xBF"},
        {0x800,    "\xE0\xA0\x80"},
        {0xFFFF,   "\xEF\xBF\xBF"},
        {0x10000,  "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::string out = "x";
        AppendUtf8(out, c.code_point);
        EXPECT_EQ(out, "x" + c.bytes) << std::hex << static_cast<std::uint32_t>(c.code_point);
    }
}

// Validity is checked eight bytes at a time over ASCII: a bad byte is found
// wherever it sits in such a block.
TEST(Utf8, ABadByteIsFoundAtAnyPlaceInALongText) {
    const std::string ascii(40, 'a');
    EXPECT_TRUE(IsValidUtf8(ascii));
    EXPECT_TRUE(IsAscii(ascii));
    for (std::size_t at = 0; at < ascii.size(); ++at) {
        std::string bad = ascii;
        bad[at] = '\xFF';
        EXPECT_FALSE(IsValidUtf8(bad)) << at;
        EXPECT_FALSE(IsAscii(bad)) << at;
        std::string cut = ascii.substr(0, at) + "\xCE";
        EXPECT_FALSE(IsValidUtf8(cut)) << at;
        EXPECT_TRUE(IsValidUtf8(ascii.substr(0, at) + "\xCE\xBA" + ascii.substr(at))) << at;
    }
}

}  // namespace
}  // namespace orvanta

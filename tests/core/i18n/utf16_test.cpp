#include <gtest/gtest.h>

#include <string>

#include "core/i18n/utf16.h"

namespace orvanta {
namespace {

std::string Le(std::u16string_view units) {
    std::string out;
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

struct Utf16Case {
    const char* name;
    std::string utf8;
    std::u16string units;
};

void PrintTo(const Utf16Case& c, std::ostream* out) {
    *out << c.name;
}

class Utf16RoundTrip : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16RoundTrip, ValidTextGoesThereAndBack) {
    const Utf16Case& c = GetParam();
    EXPECT_EQ(Utf8ToUtf16Le(c.utf8), Le(c.units));
    EXPECT_EQ(Utf16Length(c.utf8), c.units.size());
    EXPECT_EQ(Utf16LeToUtf8(Le(c.units)), c.utf8);
}

// clang-format off
const Utf16Case kRoundTrips[] = {
    {"Empty",            "",                  u""},
    {"Ascii",            "1.85",              u"1.85"},
    {"Nul",              std::string(1, '\0'), std::u16string(1, u'\0')},
    {"Greek",            "Κέρδος",            u"Κέρδος"},
    {"ThreeBytes",       "\xE2\x82\xAC",      u"\x20AC"},
    {"LastBeforeAstral", "\xEF\xBF\xBF",      u"\xFFFF"},
    {"FirstAstral",      "\xF0\x90\x80\x80",  u"\xD800\xDC00"},
    {"Emoji",            "\xF0\x9F\x98\x80",  u"\xD83D\xDE00"},
    {"Largest",          "\xF4\x8F\xBF\xBF",  u"\xDBFF\xDFFF"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Utf16RoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

// Bytes that are no clean UTF-16: what they read as.
struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string utf8;
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
    *out << c.name;
}

class Utf16Decoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf16Decoding, LoneSurrogatesAndOddBytes) {
    EXPECT_EQ(Utf16LeToUtf8(GetParam().bytes), GetParam().utf8);
}

const std::string kFffd = "\xEF\xBF\xBD";

// clang-format off
const DecodeCase kDecodeCases[] = {
    {"HighAtTheEnd",       Le(u"a\xD800"),            "a" + kFffd},
    {"HighBeforeAscii",    Le(u"\xD800" u"A"),        kFffd + "A"},
    {"LoneLow",            Le(u"\xDC00"),             kFffd},
    {"PairReversed",       Le(u"\xDC00\xD800"),       kFffd + kFffd},
    {"HighThenPair",       Le(u"\xD800\xD800\xDC00"), kFffd + "\xF0\x90\x80\x80"},
    {"OddLastByte",        Le(u"a") + "b",            "a"},
    {"OneByte",            "b",                       ""},
    {"ZeroUnitKept",       Le(std::u16string(u"a\0b", 3)), std::string("a\0b", 3)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, Utf16Decoding, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Utf16Encoding, EveryByteThatStartsNoSequenceIsOneReplacement) {
    const struct {
        std::string utf8;
        std::u16string units;
    } cases[] = {
        {"\xFF", u"\xFFFD"},
        {"a\xC0\xAF", u"a\xFFFD\xFFFD"},
        {"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},  // a surrogate written in UTF-8
        {"\xF0\x9F"
         "b",
         u"\xFFFD\xFFFD"
         u"b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16Le(c.utf8), Le(c.units)) << c.utf8;
        EXPECT_EQ(Utf16Length(c.utf8), c.units.size()) << c.utf8;
    }
}

constexpr std::size_t UnitsAtCompileTime(std::string_view utf8) {
    std::size_t units = 0;
    ForEachUtf16Unit(utf8, [&](char16_t) { ++units; });
    return units;
}
static_assert(UnitsAtCompileTime("a\xCE\xBA\xF0\x9F\x98\x80") == 4);

TEST(Utf16LeBeforeZero, TheWholeUnitsBeforeTheFirstZeroUnit) {
    const struct {
        std::string bytes;
        std::string before;
    } cases[] = {
        {Le(u"ab"), Le(u"ab")},
        {Le(std::u16string(u"a\0b", 3)), Le(u"a")},
        {Le(std::u16string(u"\0a", 2)), ""},
        {Le(u"a") + "b", Le(u"a")},                  // an odd last byte is no unit
        {Le(u"\x0100\x0001"), Le(u"\x0100\x0001")},  // zero bytes, no zero unit
        {std::string(1, '\0'), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16LeBeforeZero(c.bytes), c.before) << c.bytes.size();
    }
}

}  // namespace
}  // namespace orvanta

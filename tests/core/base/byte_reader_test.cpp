#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/base/byte_reader.h"

namespace orvanta {
namespace {

enum class Read { kU8, kU16, kU32, kI32, kU64, kPeek };

struct NumberCase {
    const char* name;
    std::string bytes;
    Read read;
    long long value;  // 0 when the read fails
    bool ok;
    std::size_t position;  // after the read
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << c.name;
}

long long ReadOne(ByteReader& r, Read read) {
    switch (read) {
        case Read::kU8:
            return r.U8();
        case Read::kU16:
            return r.U16();
        case Read::kU32:
            return r.U32();
        case Read::kI32:
            return r.I32();
        case Read::kU64:
            return static_cast<long long>(r.U64());
        case Read::kPeek:
            return r.PeekU8();
    }
    return 0;
}

class ByteReaderNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ByteReaderNumbers, LittleEndianOrAFailureAtTheEnd) {
    const NumberCase& c = GetParam();
    ByteReader r(c.bytes);
    EXPECT_EQ(ReadOne(r, c.read), c.value);
    EXPECT_EQ(r.Ok(), c.ok);
    EXPECT_EQ(r.Position(), c.position);
    EXPECT_EQ(r.Left(), c.bytes.size() - c.position);
}

// clang-format off
const NumberCase kNumberCases[] = {
    {"U8",                 "\xAB",                             Read::kU8,   0xAB,               true,  1},
    {"U16",                "\x34\x12",                         Read::kU16,  0x1234,             true,  2},
    {"U16HighBit",         "\xFF\xFF",                         Read::kU16,  0xFFFF,             true,  2},
    {"U32",                "\x78\x56\x34\x12" "rest",          Read::kU32,  0x12345678,         true,  4},
    {"U32HighBit",         std::string("\0\0\0\x80", 4),      Read::kU32,  0x80000000LL,       true,  4},
    {"I32Negative",        "\xFE\xFF\xFF\xFF",                 Read::kI32,  -2,                 true,  4},
    {"I32Positive",        "\xFF\xFF\xFF\x7F",                 Read::kI32,  0x7FFFFFFF,         true,  4},
    {"U64",                "\x08\x07\x06\x05\x04\x03\x02\x01", Read::kU64,  0x0102030405060708, true,  8},
    {"PeekDoesNotMove",    "\x05\x06",                         Read::kPeek, 5,                  true,  0},
    {"U8OfNothing",        "",                                 Read::kU8,   0,                  false, 0},
    {"U16OfOneByte",       "\x34",                             Read::kU16,  0,                  false, 1},
    {"U32OfThreeBytes",    "\x01\x02\x03",                     Read::kU32,  0,                  false, 3},
    {"I32OfThreeBytes",    "\xFF\xFF\xFF",                     Read::kI32,  0,                  false, 3},
    {"U64OfSevenBytes",    "\x01\x02\x03\x04\x05\x06\x07",     Read::kU64,  0,                  false, 7},
    {"PeekAtNothing",      "",                                 Read::kPeek, 0,                  false, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ByteReaderNumbers, ::testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ByteReader, ReadsOneFieldAfterAnother) {
    const std::string bytes(
        "\x01\x02\x00\x03\x00\x00\x00"
        "abc"
        "-"
        "\x04\x00",
        13);
    ByteReader r(bytes);
    EXPECT_EQ(r.U8(), 1);
    EXPECT_EQ(r.U16(), 2);
    EXPECT_EQ(r.U32(), 3u);
    EXPECT_EQ(r.Bytes(3), "abc");
    r.Skip(1);
    EXPECT_EQ(r.U16(), 4);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.Left(), 0u);
    EXPECT_EQ(r.Bytes(0), "");
    EXPECT_TRUE(r.Ok());
}

TEST(ByteReader, AFailedReaderStaysFailedAndGivesNothing) {
    ByteReader r(std::string_view("\x01\x02\x03\x04", 4));
    r.Skip(2);
    EXPECT_EQ(r.U32(), 0u);  // two bytes left
    EXPECT_FALSE(r.Ok());
    // The bytes were there before the failure, but nothing is read any more.
    r.Seek(0);
    EXPECT_EQ(r.U8(), 0);
    EXPECT_EQ(r.Bytes(0), "");
    EXPECT_EQ(r.Left(), 0u);
    EXPECT_FALSE(r.Ok());
}

TEST(ByteReader, CountsFromTheFileNeverReachPastTheEnd) {
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    const std::string bytes = "abcdef";
    for (std::size_t count : {std::size_t{7}, kHuge / 2, kHuge - 1, kHuge}) {
        ByteReader taken(bytes);
        taken.Skip(1);
        EXPECT_EQ(taken.Bytes(count), "") << count;
        EXPECT_FALSE(taken.Ok()) << count;
        ByteReader skipped(bytes);
        skipped.Skip(count);
        EXPECT_FALSE(skipped.Ok()) << count;
    }
}

TEST(ByteReader, SeekWithinTheBytesOnly) {
    const std::string bytes = "\x01\x02\x03";
    ByteReader r(bytes);
    r.Seek(2);
    EXPECT_EQ(r.U8(), 3);
    r.Seek(3);  // the end itself is a place
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.Left(), 0u);
    r.Seek(4);
    EXPECT_FALSE(r.Ok());
}

struct SubCase {
    const char* name;
    std::size_t offset;
    std::size_t count;
    const char* bytes;  // nullptr when the sub-range is not all there
};

void PrintTo(const SubCase& c, std::ostream* out) {
    *out << c.name;
}

class ByteReaderSub : public ::testing::TestWithParam<SubCase> {};

TEST_P(ByteReaderSub, ARangeOfItsOwnOrAFailedReader) {
    const SubCase& c = GetParam();
    ByteReader parent(std::string_view("abcdef"));
    parent.Skip(3);
    ByteReader sub = parent.Sub(c.offset, c.count);
    EXPECT_EQ(sub.Ok(), c.bytes != nullptr);
    EXPECT_EQ(sub.Bytes(sub.Left()), c.bytes ? c.bytes : "");
    EXPECT_EQ(parent.Position(), 3u);  // offsets count from the start; the parent stays
    EXPECT_TRUE(parent.Ok());
}

constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();

// clang-format off
const SubCase kSubCases[] = {
    {"Whole",             0,    6,    "abcdef"},
    {"Middle",            1,    3,    "bcd"},
    {"BeforeThePosition", 0,    2,    "ab"},
    {"EmptyAtTheEnd",     6,    0,    ""},
    {"OneTooMany",        4,    3,    nullptr},
    {"StartsPastTheEnd",  7,    0,    nullptr},
    {"CountWrapsAround",  1,    kMax, nullptr},
    {"OffsetWrapsAround", kMax, 2,    nullptr},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ByteReaderSub, ::testing::ValuesIn(kSubCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta

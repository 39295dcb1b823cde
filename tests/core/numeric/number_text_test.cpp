#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/core_fixture.h"
#include "common/separators.h"
#include "core/base/operation_error.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"

namespace orvanta {
namespace {

using testing::CoreScene;
using testing::SeparatorTest;
using testing::WithSeparator;

INSTANTIATE_TEST_SUITE_P(BothMarks, SeparatorTest, ::testing::Values('.', ','),
                         testing::SeparatorName);

struct ParseCase {
    const char* text;
    double value;
};

TEST_P(SeparatorTest, TextsThatConvert) {
    const ParseCase cases[] = {
        // clang-format off
        {"1.85",    1.85},
        {"1,85",    1.85},
        {" 1.85 ",  1.85},
        {"   1,85", 1.85},
        {"2e",      2.0},
        {"1e3",     1000.0},
        {"+3",      3.0},
        {"-2.5",    -2.5},
        {".",       0.0},
        {",",       0.0},
        {"-.",      0.0},
        {".5",      0.5},
        {"5.",      5.0},
        {"1E-2",    0.01},
        {"1e+2",    100.0},
        {"007",     7.0},
        {"0.1",     0.1},
        {"2.10",    2.1},
        {"1.5E20",  1.5e20},
        {"0.000000000000000000000000001", 1e-27},
        {"1e-400",  0.0},
        // clang-format on
    };
    for (const ParseCase& c : cases) {
        CoreScene scene(Sep());
        EXPECT_EQ(TextToNumber(c.text, Sep(), scene.prompter), c.value) << c.text;
    }
}

TEST_P(SeparatorTest, LongTextsKeepTheirValue) {
    CoreScene scene(Sep());
    // The largest double written out in full, and a tiny mantissa lifted by a
    // large exponent: the value is exact whatever the length.
    const std::string largest = "17976931348623157" + std::string(292, '0');
    EXPECT_EQ(TextToNumber(largest, Sep(), scene.prompter), std::numeric_limits<double>::max());
    const std::string lifted = "0" + std::string(1, Sep()) + std::string(1000, '0') + "1e997";
    EXPECT_EQ(TextToNumber(lifted, Sep(), scene.prompter), 1e-4);
    const std::string many_digits = "1" + std::string(1, Sep()) + std::string(5000, '3');
    EXPECT_EQ(TextToNumber(many_digits, Sep(), scene.prompter), 1.3333333333333333);
    scene.prompter.ExpectMessage("Error Value");
    EXPECT_EQ(TextToNumber(largest + "0", Sep(), scene.prompter), 0.0);
}

TEST_P(SeparatorTest, TextsThatFailShowErrorValueOnce) {
    const char* cases[] = {
        // clang-format off
        "",
        "-",
        "+",
        " ",
        "3 4",
        "1.234,5",
        "1..2",
        "e5",
        "E",
        "1e5x",
        "abc",
        "1-",
        "--1",
        "1e--2",
        "0x10",
        "1e309",
        "2e400",
        "1 e3",
        "\t1",
        "1,5,",
        "١",
        // clang-format on
    };
    for (const char* text : cases) {
        CoreScene scene(Sep());
        scene.prompter.ExpectMessage("Error Value");
        EXPECT_EQ(TextToNumber(text, Sep(), scene.prompter), 0.0) << '"' << text << '"';
    }
}

TEST_P(SeparatorTest, EveryFailingConversionShowsItsOwnMessage) {
    CoreScene scene(Sep());
    scene.prompter.ExpectMessage("Error Value", 3);
    for (int i = 0; i < 3; ++i) {
        TextToNumber("x", Sep(), scene.prompter);
    }
    EXPECT_EQ(scene.prompter.Messages().size(), 3u);
}

struct FormatCase {
    double value;
    const char* text;  // with "." standing for the separator
};

TEST_P(SeparatorTest, NumberToTextGeneralFormat) {
    const FormatCase cases[] = {
        // clang-format off
        {2.5, "2.5"},
        {100, "100"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0001, "0.0001"},
        {0.00009, "9E-5"},
        {0.00005, "5E-5"},
        {1.5e20, "1.5E20"},
        {1e15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {9999999999999994.0, "9.99999999999999E15"},
        {999999999999999.6, "1E15"},
        {123456789012345.67, "123456789012346"},
        {-0.2, "-0.2"},
        {-5, "-5"},
        {0.0, "0"},
        {-0.0, "0"},
        {4.3, "4.3"},
        {1.72 * 2.5, "4.3"},
        {0.1 + 0.2, "0.3"},
        {6435.0 * 128.0, "823680"},
        {1.23456789e-10, "1.23456789E-10"},
        {-1.5e-7, "-1.5E-7"},
        {1.79769313486231e308, "1.79769313486231E308"},
        // The largest double whose fifteen digits stay within the range.
        {1.797693134862315e308, "1.79769313486231E308"},
        {-1.79769313486231e308, "-1.79769313486231E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        // clang-format on
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(NumberToText(c.value, Sep()), WithSeparator(c.text, Sep())) << c.text;
    }
}

// No cell may show a figure that does not read back as itself: an infinity, a
// NaN, or the largest doubles, whose fifteen digits (1.79769313486232E308) lie
// beyond the range.
TEST_P(SeparatorTest, NumberToTextRefusesWhatLeftTheRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const double max = std::numeric_limits<double>::max();
    const double values[] = {
        // clang-format off
        inf,
        -inf,
        std::numeric_limits<double>::quiet_NaN(),
        max,
        -max,
        std::nextafter(1.797693134862315e308, inf),
        // clang-format on
    };
    for (double v : values) {
        try {
            const std::string text = NumberToText(v, Sep());
            ADD_FAILURE() << v << " written as " << text;
        } catch (const OperationError& e) {
            EXPECT_STREQ(e.what(), kOverflow) << v;
        }
    }
}

TEST_P(SeparatorTest, WrittenNumbersReadBackTheSame) {
    const double values[] = {
        // clang-format off
        1.72,
        2.39,
        4.62,
        94.69,
        1.0 / 7.0,
        1e-5,
        123456.789,
        1e300,
        // clang-format on
    };
    for (double v : values) {
        CoreScene scene(Sep());
        const std::string text = NumberToText(v, Sep());
        const double back = TextToNumber(text, Sep(), scene.prompter);
        EXPECT_EQ(NumberToText(back, Sep()), text);
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
    }
}

TEST_P(SeparatorTest, NormaliseTurnsBothMarksIntoTheSeparator) {
    EXPECT_EQ(NormaliseDecimalMark("", Sep()), "");
    EXPECT_EQ(NormaliseDecimalMark("1.234,5", Sep()), WithSeparator("1.234.5", Sep()));
    EXPECT_EQ(NormaliseDecimalMark("abc", Sep()), "abc");
}

TEST_P(SeparatorTest, GridKeyFilter) {
    EXPECT_EQ(FilterNumberKey('.', Sep()), Sep());
    EXPECT_EQ(FilterNumberKey(',', Sep()), Sep());
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_EQ(FilterNumberKey(c, Sep()), c);
    }
    for (char c : {kKeyBackspace, kKeyTab, kKeyEnter}) {
        EXPECT_EQ(FilterNumberKey(c, Sep()), c);
    }
    const char dropped[] = {
        // clang-format off
        'a',
        'Z',
        '-',
        '+',
        ' ',
        'e',
        'E',
        ';',
        '/',
        '\n',
        '\x1b',
        // clang-format on
    };
    for (char c : dropped) {
        EXPECT_EQ(FilterNumberKey(c, Sep()), std::nullopt) << int(c);
    }
}

TEST_P(SeparatorTest, SingleMarkFilterDropsASecondSeparator) {
    const std::string one = WithSeparator("1.2", Sep());
    EXPECT_EQ(FilterSingleMarkKey('.', Sep(), one), std::nullopt);
    EXPECT_EQ(FilterSingleMarkKey(',', Sep(), one), std::nullopt);
    EXPECT_EQ(FilterSingleMarkKey('5', Sep(), one), '5');
    EXPECT_EQ(FilterSingleMarkKey(',', Sep(), "12"), Sep());
    EXPECT_EQ(FilterSingleMarkKey('x', Sep(), "12"), std::nullopt);
}

TEST(Rounding, ExactHalvesGoToTheEvenNeighbour) {
    struct Case {
        double in;
        double out;
    };
    const Case hundredths[] = {
        // clang-format off
        {0.125,            0.12},
        {0.375,            0.38},
        {-0.125,           -0.12},
        {4.62287104622871, 4.62},
        {4.62275,          4.62},
        {104.62287 - 100,  4.62},
        {1.725,            1.72},
        {2.388888888,      2.39},
        {0.0,              0.0},
        {100.0,            100.0},
        // clang-format on
    };
    for (const Case& c : hundredths) {
        EXPECT_EQ(Round2(c.in), c.out) << c.in;
    }
    const Case wholes[] = {
        // clang-format off
        {2.5,                2},
        {3.5,                4},
        {-2.5,               -2},
        {-3.5,               -4},
        {0.5,                0},
        {1.5,                2},
        {2.4999999,          2},
        {27.5,               28},
        {2.6,                3},
        {-0.4,               0},
        {4503599627370497.0, 4503599627370497.0},
        // clang-format on
    };
    for (const Case& c : wholes) {
        EXPECT_EQ(RoundWhole(c.in), c.out) << c.in;
    }
}

TEST(Rounding, AnyNumberOfDecimals) {
    struct Case {
        double in;
        int decimals;
        double out;
    };
    const Case cases[] = {
        // clang-format off
        // Sums whose large terms cancel leave noise far below the eighth decimal.
        {470 - 469.983, 8, 0.017},
        {0.0169999999999959, 8, 0.017},
        {-5.55111512312578e-17, 8, 0.0},
        {-0.180000000000007, 2, -0.18},
        // Exact halves in double go to the even neighbour at any place.
        {1.25e-7, 8, 1.2e-7},
        {3.75e-7, 8, 3.8e-7},
        {1.000000005, 8, 1.0},
        {2.000000015, 8, 2.00000002},
        {2.5, 0, 2.0},
        {0.125, 2, 0.12},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundDecimals(c.in, c.decimals), c.out) << c.in << " to " << c.decimals;
    }
    // Zero comes out as a zero that is written "0", from either side.
    EXPECT_EQ(NumberToText(RoundDecimals(-5.55111512312578e-17, 8), '.'), "0");
    EXPECT_EQ(NumberToText(RoundDecimals(-1e-12, 8), '.'), "0");
}

TEST(Rounding, HugeFiniteValuesStayFinite) {
    // value * 100 overflows from about 1.8e306 on; the rounding must not turn
    // such a value into an infinity.
    const double max = std::numeric_limits<double>::max();
    const double values[] = {
        // clang-format off
        1.72e306,
        -2.67e306,
        1e307,
        max,
        -max,
        // clang-format on
    };
    for (double v : values) {
        EXPECT_EQ(Round2(v), v) << v;
        EXPECT_EQ(RoundDecimals(v, 8), v) << v;
        EXPECT_EQ(RoundWhole(v), v) << v;
    }
}

TEST(Rounding, ValuesThatAreNotHalvesDoNotMove) {
    // 4.62275 is stored a little above or below the half; the rounding must
    // follow the stored value, not a decimal reading of it.
    EXPECT_EQ(Round2(4.62275), RoundWhole(4.62275 * 100.0) / 100.0);
    EXPECT_EQ(NumberToText(Round2(4.62287), '.'), "4.62");
    EXPECT_EQ(NumberToText(Round2(0.19), '.'), "0.19");
}

}  // namespace
}  // namespace orvanta

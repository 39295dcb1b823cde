#include "core/markets/odds_formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/base/operation_error.h"

namespace orvanta {
namespace {

using F = OddsFormat;

struct Reading {
    const char* text;
    OddsFormat format;
    double decimal;
    long long numerator, denominator;  // 0 / 0 where the text gives no exact fraction
    double tolerance;                  // half a unit of the last digit published
};

// Published conversions to decimal odds, with the sources' own digits:
//  - R package odds.converter 1.4.8, examples of odds.malay2dec(c(0.5, -0.6)) ->
//    1.500000 2.666667 and odds.indo2dec(c(1.93, 2.05)) -> 2.93 3.05;
//  - npm odds-converter README: american.toDecimal(225) -> 3.25, (-110) -> 1.91,
//    american.toFractional(225) -> 9/4, (-125) -> 4/5, fraction.toDecimal(1, 5) -> 1.2;
//  - npm oddslib README: from('hongKong', .20), from('impliedProbability', '50%'),
//    from('indonesian', -5.0) is decimal 1.20, from('fractional', '5/2') is 3.5.
const std::vector<Reading>& PublishedReadings() {
    static const std::vector<Reading> readings = {
        {"0.5", F::kMalay, 1.5, 1, 2, 5e-7},
        {"-0.6", F::kMalay, 2.666667, 5, 3, 5e-7},
        {"1.93", F::kIndonesian, 2.93, 193, 100, 5e-3},
        {"2.05", F::kIndonesian, 3.05, 41, 20, 5e-3},
        {"225", F::kAmerican, 3.25, 9, 4, 5e-3},
        {"+225", F::kAmerican, 3.25, 9, 4, 5e-3},
        {"-110", F::kAmerican, 1.91, 10, 11, 5e-3},
        {"-125", F::kAmerican, 1.8, 4, 5, 5e-3},
        {"1/5", F::kFractional, 1.2, 1, 5, 5e-3},
        {"5/2", F::kFractional, 3.5, 5, 2, 5e-3},
        {"0.20", F::kHongKong, 1.2, 1, 5, 5e-3},
        {"50%", F::kPercent, 2.0, 1, 1, 5e-3},
        {"-5.0", F::kIndonesian, 1.2, 1, 5, 5e-3},
    };
    return readings;
}

// The issue's own cases and the readings a bookmaker's text needs.
const std::vector<Reading>& OwnReadings() {
    static const std::vector<Reading> readings = {
        {"2.33", F::kDecimal, 2.33, 133, 100, 0.0},
        {"2,5", F::kDecimal, 2.5, 3, 2, 0.0},
        {" 1.909 ", F::kDecimal, 1.909, 909, 1000, 0.0},
        {"evens", F::kFractional, 2.0, 1, 1, 0.0},
        {"EVS", F::kFractional, 2.0, 1, 1, 0.0},
        {"100/30", F::kFractional, 1.0 + 10.0 / 3.0, 10, 3, 0.0},
        {"5.5/1", F::kFractional, 6.5, 11, 2, 0.0},
        {"+100", F::kAmerican, 2.0, 1, 1, 0.0},
        {"-100", F::kAmerican, 2.0, 1, 1, 0.0},
        {"1", F::kMalay, 2.0, 1, 1, 0.0},
        {"-1", F::kIndonesian, 2.0, 1, 1, 0.0},
        {"33.33", F::kPercent, 100.0 / 33.33, 6667, 3333, 1e-15},
        {"1.23456789012345678905", F::kDecimal, 1.23456789012345678905, 0, 0, 1e-15},
    };
    return readings;
}

void ExpectReadings(const std::vector<Reading>& readings) {
    for (const Reading& r : readings) {
        SCOPED_TRACE(std::string(FormatKey(r.format)) + " \"" + r.text + "\"");
        const Price price = ReadPrice(r.text, r.format);
        EXPECT_NEAR(price.decimal, r.decimal, r.tolerance);
        EXPECT_EQ(price.numerator, r.numerator);
        EXPECT_EQ(price.denominator, r.denominator);
    }
}

TEST(OddsFormatsTest, ReadsPublishedPrices) {
    ExpectReadings(PublishedReadings());
}

TEST(OddsFormatsTest, ReadsExactFractionsFromTheText) {
    ExpectReadings(OwnReadings());
}

struct Shown {
    double decimal;
    PriceTexts texts;
};

// R package odds.converter 1.4.8, tests/testthat/test.DecimalConversions.R:
// decimal 1.9, 2.5, 1.1 and 3000 in American, Hong Kong, Indonesian, Malay and
// probability (-111.11111, 0.9, -1.111111, 0.9, 0.5263157895 for 1.9, ...),
// here rounded to the two decimals a price is shown with. Its dec2malay example
// gives 1.93 -> 0.930000 and 2.05 -> -0.952381. npm oddslib README: decimal 1.20
// is moneyline -500, Hong Kong 0.2, "1/5", Malay 0.2, Indonesian -5.0.
TEST(OddsFormatsTest, ShowsPublishedConversionsInEveryFormat) {
    const std::vector<Shown> shown = {
        {1.9, {"1.90", "9/10", "-111.11", "0.90", "0.90", "-1.11", "52.63"}},
        {2.5, {"2.50", "3/2", "+150", "1.50", "-0.67", "1.50", "40.00"}},
        {1.1, {"1.10", "1/10", "-1000", "0.10", "0.10", "-10.00", "90.91"}},
        {3000.0, {"3000.00", "2999/1", "+299900", "2999.00", "-0.0003", "2999.00", "0.03"}},
        {1.93, {"1.93", "93/100", "-107.53", "0.93", "0.93", "-1.08", "51.81"}},
        {2.05, {"2.05", "21/20", "+105", "1.05", "-0.95", "1.05", "48.78"}},
        {1.2, {"1.20", "1/5", "-500", "0.20", "0.20", "-5.00", "83.33"}},
    };
    for (const Shown& s : shown) {
        SCOPED_TRACE(s.decimal);
        const PriceTexts t = PriceInEveryFormat(Price{s.decimal, 0, 0}, '.');
        EXPECT_EQ(t.decimal, s.texts.decimal);
        EXPECT_EQ(t.fractional, s.texts.fractional);
        EXPECT_EQ(t.american, s.texts.american);
        EXPECT_EQ(t.hong_kong, s.texts.hong_kong);
        EXPECT_EQ(t.malay, s.texts.malay);
        EXPECT_EQ(t.indonesian, s.texts.indonesian);
        EXPECT_EQ(t.percent, s.texts.percent);
    }
}

TEST(OddsFormatsTest, ShowsTheExactFractionAndTheUsersDecimalMark) {
    const PriceTexts t = PriceInEveryFormat(ReadPrice("2.33", F::kDecimal), ',');
    EXPECT_EQ(t.fractional, "133/100");
    EXPECT_EQ(t.decimal, "2,33");
    EXPECT_EQ(t.american, "+133");
    EXPECT_EQ(t.malay, "-0,75");
    EXPECT_EQ(PriceInEveryFormat(ReadPrice("evens", F::kFractional), '.').american, "+100");
    // Every format read back gives the price it came from, where its two
    // decimals hold it exactly.
    for (const char* decimal : {"3.5", "1.8", "1.25"}) {
        const PriceTexts all = PriceInEveryFormat(ReadPrice(decimal, F::kDecimal), '.');
        const std::pair<std::string, OddsFormat> back[] = {
            {all.fractional, F::kFractional}, {all.american, F::kAmerican},
            {all.hong_kong, F::kHongKong},    {all.malay, F::kMalay},
            {all.indonesian, F::kIndonesian},
        };
        for (const auto& [text, format] : back) {
            EXPECT_NEAR(ReadPrice(text, format).decimal, std::stod(decimal), 1e-12) << text;
        }
    }
}

TEST(OddsFormatsTest, RefusesWhatIsNoPrice) {
    const std::vector<std::pair<std::string, OddsFormat>> bad = {
        {"+0", F::kAmerican},
        {"+50", F::kAmerican},
        {"-99.9", F::kAmerican},
        {"-50", F::kDecimal},
        {"1", F::kDecimal},
        {"0.5", F::kDecimal},
        {"3/0", F::kFractional},
        {"1/0", F::kFractional},
        {"0/1", F::kFractional},
        {"-3/2", F::kFractional},
        {"abc", F::kDecimal},
        {"abc", F::kFractional},
        {"", F::kDecimal},
        {"2..5", F::kDecimal},
        {"1e5", F::kDecimal},
        {"0", F::kMalay},
        {"1.5", F::kMalay},
        {"-1.01", F::kMalay},
        {"0.5", F::kIndonesian},
        {"-0.99", F::kIndonesian},
        {"0", F::kHongKong},
        {"-0.5", F::kHongKong},
        {"0", F::kPercent},
        {"100", F::kPercent},
        {"120%", F::kPercent},
        {"+", F::kAmerican},
        {"2.5x", F::kDecimal},
        // Beyond any book's longest price the other formats would need an exponent.
        {"1000000.01", F::kDecimal},
        {"777777777777777777777", F::kIndonesian},
        {"+100000000", F::kAmerican},
        {"0.00009", F::kPercent},
    };
    for (const auto& [text, format] : bad) {
        EXPECT_THROW(ReadPrice(text, format), OperationError)
            << FormatKey(format) << " \"" << text << "\"";
    }
    for (double decimal : {1.0, 0.0, -2.0, std::nan(""), HUGE_VAL}) {
        EXPECT_THROW(PriceInEveryFormat(Price{decimal, 0, 0}, '.'), OperationError) << decimal;
    }
    try {
        ReadPrice("3/0", F::kFractional);
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "A fraction cannot have 0 below the line");
    }
    try {
        ReadPrice("abc", F::kDecimal);
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "\"abc\" is not a price in decimal odds");
    }
}

// The longest price there is still reads in every format as the boxes take it:
// digits, a sign, a mark, a fraction bar, never an exponent.
TEST(OddsFormatsTest, TheLongestPriceHasNoExponentInAnyFormat) {
    const PriceTexts texts = PriceInEveryFormat(ReadPrice("1000000", F::kDecimal), '.');
    for (const std::string& text :
         {texts.decimal, texts.fractional, texts.american, texts.hong_kong, texts.malay,
          texts.indonesian, texts.percent}) {
        EXPECT_EQ(text.find_first_not_of("+-0123456789./"), std::string::npos) << text;
    }
    EXPECT_EQ(texts.american, "+99999900");
}

TEST(OddsFormatsTest, KeysGoBothWays) {
    for (OddsFormat format : {F::kDecimal, F::kFractional, F::kAmerican, F::kHongKong, F::kMalay,
                              F::kIndonesian, F::kPercent}) {
        EXPECT_EQ(FormatFromKey(FormatKey(format)), format);
    }
    EXPECT_EQ(FormatKey(F::kHongKong), "hong-kong");
    EXPECT_FALSE(FormatFromKey("moneyline").has_value());
}

}  // namespace
}  // namespace orvanta

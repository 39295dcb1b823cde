#pragma once

// One price in every format bookmakers print: decimal, fractional, American,
// Hong Kong, Malay, Indonesian and implied percent.

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

enum class OddsFormat {
    kDecimal,
    kFractional,
    kAmerican,
    kHongKong,
    kMalay,
    kIndonesian,
    kPercent
};

// "decimal", "fractional", "american", "hong-kong", "malay", "indonesian", "percent".
std::string_view FormatKey(OddsFormat format);
std::optional<OddsFormat> FormatFromKey(std::string_view key);

// A price as exact decimal odds: the value and, where the text gives one, the
// exact fraction of the winnings (numerator / denominator, reduced).
struct Price {
    double decimal = 0.0;
    long long numerator = 0;    // decimal - 1 = numerator / denominator, exactly,
    long long denominator = 0;  // when the price allows it; 0 / 0 when it does not
};

// Reads a price typed in `format` ("." or "," as the decimal mark; "5/2" and
// "evens" for fractional; "+150" / "-200" for American). Throws OperationError
// with a clear English message on anything that is not a price in that format
// ("+0", "-50" as decimal, "3/0", "1/0", "abc", a price of 1 or less).
Price ReadPrice(std::string_view text, OddsFormat format);

// The price in every format, as texts with the decimal mark `separator`:
// decimal and Hong Kong with two decimals, fractional as the exact reduced
// fraction (2.33 gives "133/100"), American signed ("+150", "-200"), Malay and
// Indonesian signed as bookmakers print them, percent with two decimals.
struct PriceTexts {
    std::string decimal, fractional, american, hong_kong, malay, indonesian, percent;
};
PriceTexts PriceInEveryFormat(const Price& price, char separator);

}  // namespace orvanta

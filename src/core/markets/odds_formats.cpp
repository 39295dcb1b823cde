#include "core/markets/odds_formats.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "core/base/operation_error.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

// The longest price a bookmaker prints is far below this.
constexpr double kMostDecimalOdds = 1e6;

}  // namespace

namespace {

struct FormatName {
    OddsFormat format;
    std::string_view key;
};

constexpr FormatName kFormatNames[] = {
    {OddsFormat::kDecimal, "decimal"},   {OddsFormat::kFractional, "fractional"},
    {OddsFormat::kAmerican, "american"}, {OddsFormat::kHongKong, "hong-kong"},
    {OddsFormat::kMalay, "malay"},       {OddsFormat::kIndonesian, "indonesian"},
    {OddsFormat::kPercent, "percent"},
};

}  // namespace

std::string_view FormatKey(OddsFormat format) {
    for (const FormatName& name : kFormatNames) {
        if (name.format == format) {
            return name.key;
        }
    }
    return "decimal";
}

std::optional<OddsFormat> FormatFromKey(std::string_view key) {
    for (const FormatName& name : kFormatNames) {
        if (name.key == key) {
            return name.format;
        }
    }
    return std::nullopt;
}

namespace {

// More digits than this and the exact fraction would not fit a long long; the
// price is then read as its nearest double only.
constexpr int kMostExactDigits = 17;

// A typed number as written: sign, the digits as a whole number and the power of
// ten they are over, so that 2.33 is exactly 233 / 100.
struct Written {
    bool negative = false;
    bool exact = true;
    long long digits = 0;
    long long scale = 1;
    double value = 0.0;
};

[[noreturn]] void NotAPrice(std::string_view text, OddsFormat format) {
    throw OperationError("\"" + std::string(text) + "\" is not a price in " +
                         std::string(FormatKey(format)) + " odds");
}

// Digits with at most one "." or "," and an optional sign; nothing else (no
// exponent, no thousands separator), so that what is read is what was typed.
std::optional<Written> ReadWritten(std::string_view text) {
    Written w;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        w.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string plain;
    bool mark = false;
    int significant = 0;
    for (char c : text) {
        if (c == '.' || c == ',') {
            if (mark) {
                return std::nullopt;
            }
            mark = true;
            plain += '.';
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            plain += c;
            significant += significant > 0 || c != '0' ? 1 : 0;
            if (significant > kMostExactDigits) {
                w.exact = false;
            }
            if (w.exact && (significant > 0 || mark)) {
                w.digits = w.digits * 10 + (c - '0');
                w.scale *= mark ? 10 : 1;
            }
        } else {
            return std::nullopt;
        }
    }
    if (plain.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<double> value = ParseNumberText(plain, '.');
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    w.value = w.negative ? -*value : *value;
    return w;
}

// Decimal odds from the winnings per unit staked, num / den exactly where both
// are known (0 / 0 otherwise).
Price FromWinnings(double winnings, long long num, long long den) {
    Price price;
    price.decimal = 1.0 + winnings;
    if (num > 0 && den > 0) {
        const long long common = std::gcd(num, den);
        price.numerator = num / common;
        price.denominator = den / common;
        price.decimal =
            1.0 + static_cast<double>(price.numerator) / static_cast<double>(price.denominator);
    }
    return price;
}

// a x b when it fits, 0 (no exact fraction) when it does not.
long long Product(long long a, long long b) {
    long long result = 0;
    return __builtin_mul_overflow(a, b, &result) ? 0 : result;
}

Price ReadFractional(std::string_view text) {
    std::string lower;
    for (char c : text) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower == "evens" || lower == "evs" || lower == "even") {
        return FromWinnings(1.0, 1, 1);
    }
    const std::size_t slash = text.find('/');
    const auto top = ReadWritten(text.substr(0, slash));
    const auto bottom = slash == std::string_view::npos
                            ? std::optional<Written>(Written{false, true, 1, 1, 1.0})
                            : ReadWritten(text.substr(slash + 1));
    if (!top || !bottom || top->negative || bottom->negative) {
        NotAPrice(text, OddsFormat::kFractional);
    }
    if (bottom->value == 0.0) {
        throw OperationError("A fraction cannot have 0 below the line");
    }
    if (!(top->value > 0.0)) {
        throw OperationError("A fractional price must win more than 0");
    }
    const bool exact = top->exact && bottom->exact;
    return FromWinnings(top->value / bottom->value, exact ? Product(top->digits, bottom->scale) : 0,
                        exact ? Product(top->scale, bottom->digits) : 0);
}

Price ReadAmerican(const Written& w) {
    if (!(std::fabs(w.value) >= 100.0)) {
        throw OperationError("American odds are +100 or more, or -100 or less");
    }
    if (!w.negative) {
        return FromWinnings(w.value / 100.0, w.exact ? w.digits : 0, Product(w.scale, 100));
    }
    return FromWinnings(100.0 / -w.value, w.exact ? Product(w.scale, 100) : 0, w.digits);
}

// Malay odds of at most 1 and Indonesian odds of at least 1 are the winnings
// themselves; the other side prints minus the stake that wins one unit.
Price ReadSigned(const Written& w, bool malay) {
    const double size = std::fabs(w.value);
    if (malay ? !(size > 0.0 && size <= 1.0) : !(size >= 1.0)) {
        throw OperationError(malay ? "Malay odds lie between -1 and +1, and are not 0"
                                   : "Indonesian odds are +1 or more, or -1 or less");
    }
    const long long digits = w.exact ? w.digits : 0;
    if (!w.negative) {
        return FromWinnings(size, digits, w.scale);
    }
    return FromWinnings(1.0 / size, w.scale, digits);
}

Price ReadPercent(std::string_view text) {
    if (!text.empty() && text.back() == '%') {
        text.remove_suffix(1);
    }
    const auto w = ReadWritten(TrimmedBlanks(text));
    if (!w) {
        NotAPrice(text, OddsFormat::kPercent);
    }
    if (!(w->value > 0.0 && w->value < 100.0)) {
        throw OperationError("An implied percentage lies above 0 and below 100");
    }
    // 100 / p - 1 = (100 - p) / p, with p = digits / scale.
    const long long hundred = Product(w->scale, 100);
    const long long num = w->exact && hundred > 0 ? hundred - w->digits : 0;
    return FromWinnings(100.0 / w->value - 1.0, num, w->exact ? w->digits : 0);
}

}  // namespace

namespace {

Price ReadAnyPrice(std::string_view text, OddsFormat format) {
    if (format == OddsFormat::kFractional) {
        return ReadFractional(text);
    }
    if (format == OddsFormat::kPercent) {
        return ReadPercent(text);
    }
    const std::optional<Written> w = ReadWritten(text);
    if (!w) {
        NotAPrice(text, format);
    }
    const long long digits = w->exact ? w->digits : 0;
    switch (format) {
        case OddsFormat::kDecimal: {
            if (!(w->value > 1.0)) {
                throw OperationError("Decimal odds must be greater than 1");
            }
            Price price = FromWinnings(w->value - 1.0, digits - w->scale, w->scale);
            price.decimal = w->value;  // as typed, to the last digit
            return price;
        }
        case OddsFormat::kHongKong:
            if (!(w->value > 0.0)) {
                throw OperationError("Hong Kong odds must be greater than 0");
            }
            return FromWinnings(w->value, digits, w->scale);
        case OddsFormat::kAmerican:
            return ReadAmerican(*w);
        case OddsFormat::kMalay:
            return ReadSigned(*w, true);
        case OddsFormat::kIndonesian:
            return ReadSigned(*w, false);
        default:
            break;
    }
    NotAPrice(text, format);
}

}  // namespace

Price ReadPrice(std::string_view text, OddsFormat format) {
    const Price price = ReadAnyPrice(TrimmedBlanks(text), format);
    // Beyond what any book prints, the other formats' figures would run to
    // hundreds of digits (a long Indonesian price is a decimal of 1E299).
    if (price.decimal > kMostDecimalOdds) {
        throw OperationError("A price above 1000000 in decimal odds is not one a bookmaker prints");
    }
    return price;
}

namespace {

// Two decimals, or as many more as keep a small figure from reading as 0.
std::string Decimals(double value, char separator) {
    int places = 2;
    while (places < 10 && value != 0.0 && RoundDecimals(value, places) == 0.0) {
        ++places;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, RoundDecimals(value, places));
    std::string text = buffer;
    for (char& c : text) {
        c = c == '.' ? separator : c;
    }
    return text;
}

// The simplest fraction within a hair of `winnings`, for a price that came with
// no exact one (fair odds worked out from probabilities).
std::string NearestFraction(double winnings, char separator) {
    long long h0 = 0, h1 = 1, k0 = 1, k1 = 0;
    double x = winnings;
    for (int term = 0; term < 40; ++term) {
        const double whole = std::floor(x);
        if (whole > 1e15) {
            break;
        }
        const long long a = static_cast<long long>(whole);
        const long long h2 = a * h1 + h0;
        const long long k2 = a * k1 + k0;
        if (k2 > 10000) {
            break;
        }
        h0 = h1, h1 = h2, k0 = k1, k1 = k2;
        const double rest = x - whole;
        if (std::fabs(static_cast<double>(h1) / static_cast<double>(k1) - winnings) <=
                1e-9 * winnings ||
            rest <= 0.0) {
            break;
        }
        x = 1.0 / rest;
    }
    if (k1 == 0 || h1 == 0) {
        return Decimals(winnings, separator) + "/1";
    }
    return std::to_string(h1) + "/" + std::to_string(k1);
}

std::string Signed(const std::string& magnitude, bool negative) {
    return (negative ? "-" : "") + magnitude;
}

}  // namespace

PriceTexts PriceInEveryFormat(const Price& price, char separator) {
    const double d = price.decimal;
    if (!std::isfinite(d) || !(d > 1.0)) {
        throw OperationError("Decimal odds must be greater than 1");
    }
    const double winnings = d - 1.0;
    PriceTexts texts;
    texts.decimal = Decimals(d, separator);
    texts.hong_kong = Decimals(winnings, separator);
    texts.fractional = price.denominator > 0 ? std::to_string(price.numerator) + "/" +
                                                   std::to_string(price.denominator)
                                             : NearestFraction(winnings, separator);
    // American: what 100 wins from evens up, the stake that wins 100 below.
    texts.american = d >= 2.0 ? "+" + NumberToText(Round2(100.0 * winnings), separator)
                              : "-" + NumberToText(Round2(100.0 / winnings), separator);
    texts.malay = d <= 2.0 ? Decimals(winnings, separator)
                           : Signed(Decimals(1.0 / winnings, separator), true);
    texts.indonesian = d >= 2.0 ? Decimals(winnings, separator)
                                : Signed(Decimals(1.0 / winnings, separator), true);
    texts.percent = Decimals(100.0 / d, separator);
    return texts;
}

}  // namespace orvanta

#include "core/numeric/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

#include "core/base/operation_error.h"
#include "core/base/services.h"

namespace orvanta {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Beyond this many significant digits a double cannot tell the difference any
// more; the rest only matters as "something non-zero follows" for rounding.
constexpr std::size_t kMaxSignificantDigits = 800;

// Decimal exponents outside this window are certainly out of a double's range,
// whatever the digits: the value either overflows or is zero.
constexpr std::int64_t kOverflowExponent = 400;
constexpr std::int64_t kUnderflowExponent = -400;

// The largest double to fifteen significant digits, 1.79769313486231E308, as
// the digits and decimal exponent that NumberToText works with.
constexpr int kMaxDecimalExponent = 308;
constexpr std::string_view kMaxFifteenDigits = "179769313486231";

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace

std::string NormaliseDecimalMark(const std::string& text, char separator) {
    std::string out = text;
    for (char& c : out) {
        if (c == '.' || c == ',') {
            c = separator;
        }
    }
    return out;
}

std::optional<double> ParseNumberText(const std::string& raw, char separator) {
    const std::string text = NormaliseDecimalMark(raw, separator);
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Significant digits without leading zeros, and the decimal exponent of the
    // digit just after the last one kept: value = 0.DIGITS * 10^pointPos.
    std::string digits;
    bool dropped_nonzero = false;
    std::int64_t point_pos = 0;
    bool taken = false;

    auto take_digit = [&](char c, bool before_mark) {
        if (digits.empty() && c == '0') {
            if (!before_mark) {
                --point_pos;  // a leading zero after the mark shifts the value down
            }
            return;
        }
        if (digits.size() < kMaxSignificantDigits) {
            digits.push_back(c);
        } else if (c != '0') {
            dropped_nonzero = true;
        }
        if (before_mark) {
            ++point_pos;
        }
    };

    while (i < n && IsDigit(text[i])) {
        take_digit(text[i], true);
        taken = true;
        ++i;
    }
    if (i < n && text[i] == separator) {
        taken = true;  // a lone mark counts as a number (zero)
        ++i;
        while (i < n && IsDigit(text[i])) {
            take_digit(text[i], false);
            ++i;
        }
    }
    if (!taken) {
        return std::nullopt;
    }

    std::int64_t exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exp_negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exp_negative = text[i] == '-';
            ++i;
        }
        while (i < n && IsDigit(text[i])) {
            // Saturate: any exponent this large decides the outcome on its own.
            if (exponent < 1'000'000'000'000LL) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
        }
        if (exp_negative) {
            exponent = -exponent;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i != n) {
        return std::nullopt;
    }

    if (digits.empty()) {
        return negative ? -0.0 : 0.0;
    }
    const std::int64_t decimal_exponent = point_pos + exponent;
    if (decimal_exponent > kOverflowExponent) {
        return std::nullopt;
    }
    if (decimal_exponent < kUnderflowExponent) {
        return negative ? -0.0 : 0.0;
    }
    if (dropped_nonzero) {
        digits.push_back('1');  // keeps the rounding direction of what was cut
    }

    // "0.DIGITSe<exp>" has at most ~830 characters, so this never allocates big.
    std::string canonical = "0.";
    canonical += digits;
    canonical += 'e';
    canonical += std::to_string(decimal_exponent);
    double value = 0.0;
    const auto result =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimal_exponent > 0) {
            return std::nullopt;
        }
        value = 0.0;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double TextToNumber(const std::string& text, char separator, Prompter& prompter) {
    if (auto value = ParseNumberText(text, separator)) {
        return *value;
    }
    prompter.ShowMessage("Error Value");
    return 0.0;
}

std::string NumberToText(double value, char separator) {
    // Every figure passes here on its way to a cell or a box, so this is the
    // one wall against a value that left the double range: a text such as "INF"
    // would read back as "Error Value" and 0. The parser never yields an
    // infinity or a NaN, and a zero divisor is stopped where it divides, so a
    // NaN here can only descend from an infinity (inf - inf, 0 x inf): it is
    // that overflow showing, and is reported as one.
    if (!std::isfinite(value)) {
        throw OperationError(kOverflow);
    }
    if (value == 0.0) {
        return "0";  // negative zero included
    }

    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]x
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, 14);
    const std::string sci(buf.data(), res.ptr);
    const std::size_t e_pos = sci.find('e');
    std::string digits;
    for (std::size_t k = 0; k < e_pos; ++k) {
        if (IsDigit(sci[k])) {
            digits.push_back(sci[k]);
        }
    }
    int exponent = 0;
    std::from_chars(sci.data() + e_pos + 1 + (sci[e_pos + 1] == '+' ? 1 : 0),
                    sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    // Fifteen digits round the very largest doubles up to 1.79769313486232E308,
    // a figure beyond the range that would never read back.
    if (exponent == kMaxDecimalExponent && digits > kMaxFifteenDigits) {
        throw OperationError(kOverflow);
    }

    std::string out;
    if (value < 0) {
        out.push_back('-');
    }
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            out += '0';
            out += separator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t int_len = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= int_len) {
                out += digits;
                out.append(int_len - digits.size(), '0');
            } else {
                out.append(digits, 0, int_len);
                out += separator;
                out.append(digits, int_len, std::string::npos);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

double RoundWhole(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;  // exact below 2^52, zero above
    if (fraction > 0.5) {
        return floor + 1.0;
    }
    if (fraction < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double RoundDecimals(double value, int decimals) {
    const double scale = kPowersOfTen[std::clamp(decimals, 0, kMaxRoundingDecimals)];
    const double scaled = value * scale;
    // Only a value far beyond 2^53 scales past the range, and such a value has
    // no decimals left to round: it must not come back as an infinity.
    if (std::isinf(scaled)) {
        return value;
    }
    return RoundWhole(scaled) / scale;
}

double Round2(double value) {
    return RoundDecimals(value, 2);
}

}  // namespace orvanta

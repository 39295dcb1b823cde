#include "core/numeric/number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>
#include <utility>

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

// Where the parse is in the text.
struct Cursor {
    const std::string& text;
    std::size_t at = 0;

    bool At(char c) const { return at < text.size() && text[at] == c; }
    bool AtDigit() const { return at < text.size() && IsDigit(text[at]); }
    bool AtEnd() const { return at == text.size(); }
    void SkipSpaces() {
        while (at < text.size() && text[at] == ' ') {
            ++at;
        }
    }
};

// "+" or "-", or neither; true for "-".
bool ReadSign(Cursor& in) {
    if (!in.At('+') && !in.At('-')) {
        return false;
    }
    return in.text[in.at++] == '-';
}

// Significant digits without leading zeros, and the decimal exponent of the
// digit just after the last one kept: value = 0.DIGITS * 10^point_pos.
struct Mantissa {
    std::string digits;
    bool dropped_nonzero = false;
    std::int64_t point_pos = 0;

    void Take(char c, bool before_mark) {
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
    }
};

// Digits, then the mark and more digits; nothing when there is neither a digit
// nor a mark (a lone mark counts as a number: zero).
std::optional<Mantissa> ReadMantissa(Cursor& in, char separator) {
    Mantissa mantissa;
    bool taken = false;
    for (; in.AtDigit(); ++in.at) {
        mantissa.Take(in.text[in.at], true);
        taken = true;
    }
    if (in.At(separator)) {
        taken = true;
        for (++in.at; in.AtDigit(); ++in.at) {
            mantissa.Take(in.text[in.at], false);
        }
    }
    if (!taken) {
        return std::nullopt;
    }
    return mantissa;
}

// "E" or "e", a sign and digits; 0 when there is no "E". The digits may be
// none.
std::int64_t ReadExponent(Cursor& in) {
    if (!in.At('E') && !in.At('e')) {
        return 0;
    }
    ++in.at;
    const bool negative = ReadSign(in);
    std::int64_t exponent = 0;
    for (; in.AtDigit(); ++in.at) {
        // Saturate: any exponent this large decides the outcome on its own.
        if (exponent < 1'000'000'000'000LL) {
            exponent = exponent * 10 + (in.text[in.at] - '0');
        }
    }
    return negative ? -exponent : exponent;
}

// The double nearest to 0.DIGITS * 10^(point_pos + exponent), correctly
// rounded; nothing when it overflows.
std::optional<double> ToDouble(Mantissa mantissa, std::int64_t exponent) {
    if (mantissa.digits.empty()) {
        return 0.0;
    }
    const std::int64_t decimal_exponent = mantissa.point_pos + exponent;
    if (decimal_exponent > kOverflowExponent) {
        return std::nullopt;
    }
    if (decimal_exponent < kUnderflowExponent) {
        return 0.0;
    }
    if (mantissa.dropped_nonzero) {
        mantissa.digits.push_back('1');  // keeps the rounding direction of what was cut
    }

    // "0.DIGITSe<exp>" has at most ~830 characters, so this never allocates big.
    std::string canonical = "0.";
    canonical += mantissa.digits;
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
    return value;
}

// A value's fifteen significant digits, correctly rounded, without trailing
// zeros, and the decimal exponent of the first: value = D.DDD * 10^exponent.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};

SignificantDigits FifteenDigits(double magnitude) {
    // d.dddddddddddddde[+-]x
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::scientific, 14);
    const std::string sci(buf.data(), res.ptr);
    const std::size_t e_pos = sci.find('e');
    SignificantDigits out;
    for (std::size_t k = 0; k < e_pos; ++k) {
        if (IsDigit(sci[k])) {
            out.digits.push_back(sci[k]);
        }
    }
    std::from_chars(sci.data() + e_pos + 1 + (sci[e_pos + 1] == '+' ? 1 : 0),
                    sci.data() + sci.size(), out.exponent);
    while (out.digits.size() > 1 && out.digits.back() == '0') {
        out.digits.pop_back();
    }
    return out;
}

// "0.000123", "123", "123.45": for exponents from -4 to 14.
void AppendFixed(std::string& out, const SignificantDigits& d, char separator) {
    if (d.exponent < 0) {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return;
    }
    const std::size_t int_len = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= int_len) {
        out += d.digits;
        out.append(int_len - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, int_len);
        out += separator;
        out.append(d.digits, int_len, std::string::npos);
    }
}

// "1.5E-5", "1E15".
void AppendScientific(std::string& out, const SignificantDigits& d, char separator) {
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += separator;
        out.append(d.digits, 1, std::string::npos);
    }
    out += 'E';
    out += std::to_string(d.exponent);
}

}  // namespace

std::string_view TrimmedBlanks(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

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
    Cursor in{text};
    in.SkipSpaces();
    const bool negative = ReadSign(in);
    std::optional<Mantissa> mantissa = ReadMantissa(in, separator);
    if (!mantissa) {
        return std::nullopt;
    }
    const std::int64_t exponent = ReadExponent(in);
    in.SkipSpaces();
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    const std::optional<double> value = ToDouble(std::move(*mantissa), exponent);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
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
    const SignificantDigits d = FifteenDigits(std::fabs(value));
    // Fifteen digits round the very largest doubles up to 1.79769313486232E308,
    // a figure beyond the range that would never read back.
    if (d.exponent == kMaxDecimalExponent && d.digits > kMaxFifteenDigits) {
        throw OperationError(kOverflow);
    }
    std::string out;
    if (value < 0) {
        out.push_back('-');
    }
    if (d.exponent >= -4 && d.exponent <= 14) {
        AppendFixed(out, d, separator);
    } else {
        AppendScientific(out, d, separator);
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

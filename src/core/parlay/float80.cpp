// 80-bit extended floats worked bit by bit, so that the program behaves the
// same where long double is 64 bits wide or 128.

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/parlay/grid_file.h"

namespace orvanta {

namespace {

constexpr int kBias = 16383;
constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;

std::uint64_t Significand(const std::uint8_t bytes[10]) {
    std::uint64_t m = 0;
    for (int i = 7; i >= 0; --i) {
        m = (m << 8) | bytes[i];
    }
    return m;
}

int SignAndExponent(const std::uint8_t bytes[10]) {
    return bytes[8] | (bytes[9] << 8);
}

int LeadingZeros(std::uint64_t m) {
    int n = 0;
    while (!(m & kLeadingBit)) {
        m <<= 1;
        ++n;
    }
    return n;
}

}  // namespace

bool IsFloat80Zero(const std::uint8_t bytes[10]) {
    return Significand(bytes) == 0 && (SignAndExponent(bytes) & 0x7FFF) == 0;
}

double Float80ToDouble(const std::uint8_t bytes[10]) {
    const int se = SignAndExponent(bytes);
    const bool negative = (se & 0x8000) != 0;
    const int exponent = se & 0x7FFF;
    std::uint64_t m = Significand(bytes);
    const double sign = negative ? -1.0 : 1.0;

    if (exponent == 0x7FFF) {
        if ((m << 1) == 0) {
            return sign * std::numeric_limits<double>::infinity();
        }
        return std::copysign(std::numeric_limits<double>::quiet_NaN(), sign);
    }
    if (m == 0) {
        return sign * 0.0;
    }
    // value = m * 2^e, with denormals (exponent 0) on the smallest scale.
    int e = (exponent == 0 ? 1 : exponent) - kBias - 63;
    const int shift_up = LeadingZeros(m);
    m <<= shift_up;
    e -= shift_up;

    // The leading bit now stands for 2^(e + 63). A double keeps 53 bits of a
    // normal value and fewer of a subnormal one (whose last bit is 2^-1074).
    const int top = e + 63;
    int drop = 11;
    if (top < -1022) {
        drop += -1022 - top;
    }
    if (drop >= 65) {
        return sign * 0.0;  // below half the smallest subnormal
    }
    std::uint64_t kept = 0;
    std::uint64_t rest = m;
    std::uint64_t half = kLeadingBit;
    if (drop < 64) {
        kept = m >> drop;
        rest = m & ((std::uint64_t{1} << drop) - 1);
        half = std::uint64_t{1} << (drop - 1);
    }
    if (rest > half || (rest == half && (kept & 1))) {
        ++kept;
    }
    // kept fits in 54 bits and the scale is a power of two: ldexp is exact,
    // and gives infinity past the largest double.
    return sign * std::ldexp(static_cast<double>(kept), e + drop);
}

void DoubleToFloat80(double value, std::uint8_t bytes[10]) {
    std::uint64_t m = 0;
    int se = std::signbit(value) ? 0x8000 : 0;
    if (std::isnan(value)) {
        m = kLeadingBit | (kLeadingBit >> 1);
        se |= 0x7FFF;
    } else if (std::isinf(value)) {
        m = kLeadingBit;
        se |= 0x7FFF;
    } else if (value != 0) {
        int e = 0;
        const double fraction = std::frexp(std::fabs(value), &e);  // [0.5, 1)
        m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        se |= e - 1 + kBias;
    }
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(m >> (8 * i));
    }
    bytes[8] = static_cast<std::uint8_t>(se & 0xFF);
    bytes[9] = static_cast<std::uint8_t>(se >> 8);
}

}  // namespace orvanta

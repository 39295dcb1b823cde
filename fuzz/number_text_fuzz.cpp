// The number grammar against a second reading of it: the same rules written
// another way (split at the exponent, count the marks) and converted by the C
// library in the "C" locale. Any disagreement in success or in the bits of the
// value is a finding; so is a written number that does not read back the same.

#include <locale.h>
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/base/operation_error.h"
#include "core/numeric/number_text.h"
#include "fuzz/fuzz_support.h"

namespace {

using orvanta::fuzz::Check;

bool AllDigits(const std::string& s) {
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// nullopt: not a number; otherwise the value.
std::optional<double> Oracle(const std::string& raw, char separator) {
    std::string text = raw;
    for (char& c : text) {
        if (c == '.' || c == ',') {
            c = separator;
        }
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t last = text.find_last_not_of(' ');
    const std::string core = text.substr(first, last - first + 1);

    const std::size_t e = core.find_first_of("eE");
    std::string mantissa = core.substr(0, e);
    std::string exponent = e == std::string::npos ? std::string() : core.substr(e + 1);
    if (e != std::string::npos && exponent.find_first_of("eE") != std::string::npos) {
        return std::nullopt;
    }
    bool negative = false;
    if (!mantissa.empty() && (mantissa[0] == '+' || mantissa[0] == '-')) {
        negative = mantissa[0] == '-';
        mantissa.erase(0, 1);
    }
    const std::size_t marks = std::count(mantissa.begin(), mantissa.end(), separator);
    if (mantissa.empty() || marks > 1) {
        return std::nullopt;
    }
    std::string digits = mantissa;
    digits.erase(std::remove(digits.begin(), digits.end(), separator), digits.end());
    if (!AllDigits(digits)) {
        return std::nullopt;
    }
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (!AllDigits(exponent.substr(1))) {
            return std::nullopt;
        }
    } else if (!AllDigits(exponent)) {
        return std::nullopt;
    }
    if (digits.empty()) {
        return negative ? -0.0 : 0.0;  // a lone mark
    }
    std::string c_text = mantissa;
    std::replace(c_text.begin(), c_text.end(), separator, '.');
    if (!exponent.empty() && exponent != "+" && exponent != "-") {
        c_text += "e" + exponent;
    }
    static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    char* end = nullptr;
    double value = strtod_l(c_text.c_str(), &end, c_locale);
    if (end != c_text.c_str() + c_text.size()) {
        return std::nullopt;
    }
    if (errno == ERANGE && std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto ours = orvanta::ParseNumberText(text, separator);
    const auto theirs = Oracle(text, separator);
    Check(ours.has_value() == theirs.has_value(), "grammar disagreement");
    if (ours) {
        Check(SameBits(*ours, *theirs), "value disagreement");
        // Fifteen digits round the very largest doubles up past the range
        // (1.79769313486232E308): the writer refuses those, and every number it
        // does write reads back.
        const bool writable = std::fabs(*ours) <= 1.797693134862315e308;
        std::string written;
        try {
            written = orvanta::NumberToText(*ours, separator);
            Check(writable, "a number beyond the range was written");
        } catch (const orvanta::OperationError& e) {
            Check(!writable, "a number within the range was refused");
            Check(std::string(e.what()) == orvanta::kOverflow, "refused with another text");
            return 0;
        }
        const auto back = orvanta::ParseNumberText(written, separator);
        Check(back.has_value(), "a written number does not read back");
        Check(orvanta::NumberToText(*back, separator) == written,
              "a written number reads back as another");
    }
    return 0;
}

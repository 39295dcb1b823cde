#pragma once

// UTF-16LE, the form of the wide texts in grid files and of the strings in
// version resources, to and from the program's UTF-8. Both ways are total:
// a byte of UTF-8 that starts no valid sequence goes out as U+FFFD (as
// everywhere in utf8.h), and a surrogate without its partner comes in as
// U+FFFD; an odd last byte is no code unit and is left out.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/i18n/utf8.h"

namespace orvanta {

// The UTF-16 code units of `utf8`, handed to `unit` one after another. A
// template so that the program's own version block can be built at compile
// time.
template <typename Unit>
constexpr void ForEachUtf16Unit(std::string_view utf8, Unit&& unit) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t code_point = NextCodePoint(utf8, pos);
        if (code_point >= 0x10000) {
            unit(static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10)));
            unit(static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF)));
        } else {
            unit(static_cast<char16_t>(code_point));
        }
    }
}

// Code units in the UTF-16 form of `utf8`.
std::size_t Utf16Length(std::string_view utf8);

std::string Utf8ToUtf16Le(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view bytes);

// The whole code units before the first zero unit (all of them when there is
// none): a zero-terminated string from bytes that may lack its terminator.
std::string_view Utf16LeBeforeZero(std::string_view bytes);

}  // namespace orvanta

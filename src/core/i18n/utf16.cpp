#include "core/i18n/utf16.h"

namespace orvanta {

namespace {

char32_t UnitAt(std::string_view bytes, std::size_t index) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * index]) |
                                 (static_cast<unsigned char>(bytes[2 * index + 1]) << 8));
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    ForEachUtf16Unit(utf8, [&](char16_t) { ++units; });
    return units;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    ForEachUtf16Unit(utf8, [&](char16_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>((unit >> 8) & 0xFF);
    });
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = UnitAt(bytes, i);
        if (IsHighSurrogate(unit) && i + 1 < units) {
            const char32_t low = UnitAt(bytes, i + 1);
            if (IsLowSurrogate(low)) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out,
                   IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacementCharacter : unit);
    }
    return out;
}

std::string_view Utf16LeBeforeZero(std::string_view bytes) {
    const std::size_t units = bytes.size() / 2;
    std::size_t i = 0;
    while (i < units && UnitAt(bytes, i) != 0) {
        ++i;
    }
    return bytes.substr(0, 2 * i);
}

}  // namespace orvanta

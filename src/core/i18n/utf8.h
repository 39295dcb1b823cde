#pragma once

// UTF-8, the one text form inside the program: code points read out of bytes
// and written back, and valid text told from bytes that only look like it.
// Valid is what RFC 3629 allows: no overlong forms, no surrogates, nothing past
// U+10FFFF. Where bytes must become text all the same, every byte that starts
// no valid sequence stands for one U+FFFD, so nothing malformed travels on.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

namespace utf8_detail {

// The valid sequence that starts `bytes`: its length, and its code point in
// `code`. 0 when none starts there. Here rather than in a source file so that
// text can be re-encoded at compile time (the program's own version block).
constexpr std::size_t Decode(std::string_view bytes, char32_t& code) {
    if (bytes.empty()) {
        return 0;
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace utf8_detail

// Bytes in the valid sequence that starts `bytes`; 0 when none starts there
// (and for no bytes at all).
constexpr std::size_t Utf8SequenceLength(std::string_view bytes) {
    char32_t code = 0;
    return utf8_detail::Decode(bytes, code);
}

// The code point at `pos`, with `pos` moved past it. A byte that starts no valid
// sequence gives U+FFFD and moves `pos` on by that one byte. `pos` must be
// before the end.
constexpr char32_t NextCodePoint(std::string_view bytes, std::size_t& pos) {
    char32_t code = 0;
    const std::size_t length = utf8_detail::Decode(bytes.substr(pos), code);
    if (length == 0) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return code;
}

// `code_point` (at most U+10FFFF) written in UTF-8 at the end of `out`.
void AppendUtf8(std::string& out, char32_t code_point);

bool IsAscii(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// The bytes with every byte that starts no valid sequence replaced by U+FFFD.
std::string CleanUtf8(std::string_view bytes);

}  // namespace orvanta

#include "core/i18n/utf8.h"

#include <cstdint>
#include <cstring>

namespace orvanta {

namespace {

// The valid sequence that starts `bytes`: its length, and its code point in
// `code`. 0 when none starts there.
std::size_t Decode(std::string_view bytes, char32_t& code) {
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

}  // namespace

std::size_t Utf8SequenceLength(std::string_view bytes) {
    char32_t code = 0;
    return Decode(bytes, code);
}

char32_t NextCodePoint(std::string_view bytes, std::size_t& pos) {
    char32_t code = 0;
    const std::size_t length = Decode(bytes.substr(pos), code);
    if (length == 0) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return code;
}

void AppendUtf8(std::string& out, char32_t code_point) {
    if (code_point < 0x80) {
        out += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        out += static_cast<char>(0xC0 | (code_point >> 6));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += static_cast<char>(0xE0 | (code_point >> 12));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code_point >> 18));
        out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    }
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        // A catalogue is checked at every lookup and is nearly all ASCII: skip
        // it eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + i, 8);
            if (word & 0x8080808080808080ULL) {
                break;
            }
            i += 8;
        }
        if (i >= n) {
            break;
        }
        const std::size_t length = Utf8SequenceLength(bytes.substr(i));
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string CleanUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        AppendUtf8(out, NextCodePoint(bytes, pos));
    }
    return out;
}

}  // namespace orvanta

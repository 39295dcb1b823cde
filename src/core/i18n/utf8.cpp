#include "core/i18n/utf8.h"

#include <cstdint>
#include <cstring>

namespace orvanta {

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

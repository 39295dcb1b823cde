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

// Bytes in the valid sequence that starts `bytes`; 0 when none starts there
// (and for no bytes at all).
std::size_t Utf8SequenceLength(std::string_view bytes);

// The code point at `pos`, with `pos` moved past it. A byte that starts no valid
// sequence gives U+FFFD and moves `pos` on by that one byte. `pos` must be
// before the end.
char32_t NextCodePoint(std::string_view bytes, std::size_t& pos);

// `code_point` (at most U+10FFFF) written in UTF-8 at the end of `out`.
void AppendUtf8(std::string& out, char32_t code_point);

bool IsAscii(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// The bytes with every byte that starts no valid sequence replaced by U+FFFD.
std::string CleanUtf8(std::string_view bytes);

}  // namespace orvanta

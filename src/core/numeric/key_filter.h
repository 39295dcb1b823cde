#pragma once

// What a typed character becomes in a number grid or box: the digits, the two
// decimal marks (both turned into the user's separator), and the three control
// keys Backspace, Tab and Enter pass; everything else (letters, "-", "+",
// spaces) is dropped before it reaches the cell.

#include <optional>
#include <string>

namespace orvanta {

constexpr char kKeyBackspace = '\b';
constexpr char kKeyTab = '\t';
constexpr char kKeyEnter = '\r';

// The character to insert, or nothing when the key is dropped.
std::optional<char> FilterNumberKey(char typed, char separator);

// The live sheet's variant: a second separator in the same value is dropped too.
std::optional<char> FilterSingleMarkKey(char typed, char separator, const std::string& current);

}  // namespace orvanta

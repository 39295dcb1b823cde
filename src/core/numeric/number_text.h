#pragma once

// Number text: every figure in Orvanta lives as the text of a cell or a box.
//
// A calculation reads a cell with TextToNumber (which accepts "." and "," alike
// by turning both into the user's decimal separator first, then parses the
// program's own grammar and converts correctly rounded to double) and writes its
// result back with NumberToText (15 significant digits, the separator as the
// decimal mark). Calculators that want fewer decimals round with Round2,
// RoundWhole or RoundDecimals first. The grid key filters decide which typed
// characters reach a number cell at all.

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

class Prompter;

// The text without the blanks (spaces, tabs, line breaks) around it: what a
// reader of typed figures and prices looks at.
std::string_view TrimmedBlanks(std::string_view text);

// Replaces every "." and "," by the separator; empty text stays empty.
std::string NormaliseDecimalMark(const std::string& text, char separator);

// The parse on its own: the value, or nothing when the text is no number (or
// overflows a double). Shows nothing.
std::optional<double> ParseNumberText(const std::string& text, char separator);

// The conversion the calculators use: on failure it shows "Error Value" through
// the prompter and gives 0. It never fails towards its caller.
double TextToNumber(const std::string& text, char separator, Prompter& prompter);

// General format: 15 significant digits, fixed while the value is 0 or lies
// between 0.0001 and 15 digits before the mark, scientific otherwise ("5E-5").
// A value that is no finite number, or whose fifteen digits lie beyond the
// double range, is never written: it throws OperationError("Floating point
// overflow").
std::string NumberToText(double value, char separator);

inline constexpr int kMaxRoundingDecimals = 15;

// To `decimals` places (0 to 15), exact halves to the even neighbour, as the
// double arithmetic lands them. A finite value stays finite, however large.
double RoundDecimals(double value, int decimals);
// Exact halves go to the even neighbour: 0.125 -> 0.12, 0.375 -> 0.38.
double Round2(double value);
// 2.5 -> 2, 3.5 -> 4.
double RoundWhole(double value);

}  // namespace orvanta

#pragma once

// The one failure that ends an operation and reaches the general error report.
// It carries the exact text the user sees ("Floating point division by zero",
// "Invalid stream format", a file error in the platform's wording). Window
// event handlers catch it at their edge; it never crosses the event loop.

#include <stdexcept>
#include <string>

namespace orvanta {

class OperationError : public std::runtime_error {
public:
    explicit OperationError(const std::string& text) : std::runtime_error(text) {}
};

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

// Division where the program's rules say a zero divisor fails:
// non-zero / 0 -> "Floating point division by zero", 0 / 0 -> "Invalid floating
// point operation".
double CheckedDivide(double numerator, double denominator);

// A value that has left the double range stops the operation with "Floating
// point overflow". For the few places where an infinite intermediate would
// otherwise vanish into a finite result (10000 / infinity is 0) before any
// figure is written.
double CheckedFinite(double value);

// The general error report's text: a "." is appended unless the text already
// ends in "." or in a character that sorts before it.
std::string ErrorReportText(const std::string& text);

enum class FileAction { kRead, kCreate };

// The wording of the platform's file errors for an errno value
// ("File not found", "File access denied", "Invalid filename", "I/O error 5").
// Creating a file in a folder that is not there is an invalid name, not a
// missing file.
std::string FileErrorText(int error_number, FileAction action = FileAction::kRead);

}  // namespace orvanta

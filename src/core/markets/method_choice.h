#pragma once

// Which margin method the PROBABILITY page and the live window's current-odds
// panel take the margin out by: one setting for both, kept like the language
// in a small text file in the user folder.

#include <string>

#include "core/markets/fair_odds.h"

namespace orvanta {

class WriteFaults;

inline constexpr const char* kMethodChoiceFile = "Orvanta.method";

// The method last chosen; anything unreadable or unknown counts as no choice,
// which is Proportional.
MarginMethod RememberedMethod(const std::string& user_folder);

// Keeps the choice for the next start, making the user folder first when it is
// not there yet. Throws OperationError when the file cannot be written; the
// one there before stays whole.
void RememberMethod(const std::string& user_folder, MarginMethod method, WriteFaults* faults);

}  // namespace orvanta

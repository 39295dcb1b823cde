#pragma once

// The current-odds panel under the live sheet: the odds the market offers now
// for "1", "X" and "2" (Edit13 to Edit15, saved with the game), and what they
// imply: each outcome's probability with the book's margin taken out (Edit10 to
// Edit12) and that margin itself (edtGaniota).

#include <optional>
#include <string>

#include "core/grid/services.h"
#include "core/grid/text_box.h"

namespace orvanta {

struct CurrentOddsPanel {
    // Current odds of "1", "X", "2" as typed; Tag 1, 2 and 3.
    TextBox Edit13, Edit14, Edit15;
    // Probabilities in percent of "1", "X", "2", and the margin.
    TextBox Edit10, Edit11, Edit12, edtGaniota;
};

bool HasAllCurrentOdds(const CurrentOddsPanel& panel);

// Throws OperationError("Floating point division by zero") on an odds of 0,
// and "Floating point overflow" on odds so small that the book leaves the
// double range, before any result box is written.
void CalcProbability(CurrentOddsPanel& panel, Services& services);

// What a typed character becomes in the three odds boxes; unlike the sheet,
// they let a second separator through.
std::optional<char> FilterOddsKey(char typed, char separator);

// The box (by Tag) that Enter moves the focus to: 1 -> 2 -> 3 -> 1. Nothing in
// an empty box.
std::optional<int> NextOddsTag(int tag, const std::string& current_text);

}  // namespace orvanta

#pragma once

// The current-odds panel under the live sheet: the odds the market offers now
// for "1", "X" and "2" (saved with the game), and what they imply: each
// outcome's probability with the book's margin taken out, and that margin, the
// bookmaker's cut.

#include <optional>
#include <string>

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/i18n/catalogue.h"
#include "core/markets/fair_odds.h"

namespace orvanta {

struct CurrentOddsPanel {
    // Current odds of "1", "X", "2" as typed.
    TextBox odds_1, odds_x, odds_2;
    // Probabilities in percent of "1", "X", "2".
    TextBox probability_1, probability_x, probability_2;
    // 100 minus the payout per cent.
    TextBox bookmaker_cut;
    // How the margin is taken out of the probabilities (a setting shared with
    // the PROBABILITY page, not part of the game), and the method's parameter
    // with its name, "" for Proportional; it also says when a probability is
    // out of range.
    MarginMethod method = MarginMethod::kProportional;
    TextBox method_parameter;
};

bool HasAllCurrentOdds(const CurrentOddsPanel& panel);

// Throws OperationError("Floating point division by zero") on an odds of 0,
// and "Floating point overflow" on odds so small that the book leaves the
// double range, before any result box is written; so does a book the method
// has no answer for. Proportional keeps the panel's own arithmetic; another
// method's probabilities are rounded to two decimals, one out of range on red.
void CalculateProbabilities(CurrentOddsPanel& panel, Services& services,
                            const Catalogue& catalogue);
void CalculateProbabilities(CurrentOddsPanel& panel, Services& services);

// What a typed character becomes in the three odds boxes, given the box's text
// before it: as on the sheet, one decimal separator per value.
std::optional<char> FilterOddsKey(char typed, char separator, const std::string& current_text);

// Enter in an odds box moves the focus on to the next: boxes 1 ("1"), 2 ("X")
// and 3 ("2"), and from 3 back to 1. Nothing in an empty box.
std::optional<int> NextOddsBox(int box, const std::string& current_text);

}  // namespace orvanta

#pragma once

// The suggestion panel beside the current odds: how to trade out of the
// loaded game's position with backs at the current odds. The upper row greens
// up (the same result whatever happens), the lower row lets the likeliest
// outcome run (every other outcome at zero or above, at the least cost). Both
// follow the sheet's Result totals, the current odds and their probabilities,
// and are net of the exchange's commission, a setting of the window that no
// game record holds.

#include <string>
#include <vector>

#include "core/grid/text_box.h"
#include "core/live/current_odds.h"
#include "core/live/position_sheet.h"

namespace orvanta {

class Catalogue;
class WriteFaults;

inline constexpr const char* kCommissionChoiceFile = "Orvanta.commission";

struct SuggestionPanel {
    // The exchange's commission on net winnings, in per cent as typed; empty
    // is none.
    TextBox commission;
    // Green up: the backs on "1", "X", "2" and the least of the results they leave.
    TextBox sure_1, sure_x, sure_2, sure_result;
    // Let the likeliest run: the backs and what that outcome then gives.
    TextBox probable_1, probable_x, probable_2, probable_result;
    // Why a row shows no figures, or what its figures mean when they need a word.
    TextBox sure_note, probable_note;
};

// The commission as a fraction of the winnings; nothing when the text is no
// figure from 0 to 100. Empty text is 0.
std::optional<double> CommissionFraction(const std::string& text, char separator);

// The commission kept from the last time, as its box shows it with
// `separator`; "0" when none was kept or what was kept is no figure from 0 to 100.
std::string RememberedCommission(const std::string& user_folder, char separator);

// Keeps `percent` for the next start. Throws OperationError when the file
// cannot be written; the one there before stays whole.
void RememberCommission(const std::string& user_folder, double percent, WriteFaults* faults);

// Both rows worked out afresh. Empty (with no note) while the sheet holds no
// position, the current odds are incomplete or the sheet's results are not
// there; a note instead of figures when the odds or the commission are no
// usable figures, or a row's figures cannot be written. Never throws and
// changes nothing but the panel's figures and notes.
void CalculateSuggestions(SuggestionPanel& panel, const PositionSheet& sheet,
                          const CurrentOddsPanel& odds, char separator, const Catalogue& catalogue);

// Empties both rows and their notes; the commission stays.
void ClearSuggestions(SuggestionPanel& panel);

// A back the upper row suggests, as the sheet's cells take it.
struct SuggestedBack {
    int outcome;  // 0 for "1", 1 for "X", 2 for "2"
    std::string odds;
    std::string stake;
};

// The upper row's backs of more than nothing, at the current odds.
std::vector<SuggestedBack> SureBacks(const SuggestionPanel& panel, const CurrentOddsPanel& odds,
                                     char separator);

// Writes each back into a buy row of its own, after the sheet's positions.
void AddBackRows(PositionSheet& sheet, const std::vector<SuggestedBack>& backs);

}  // namespace orvanta

#include "core/live/current_odds.h"

#include "core/grid/operation_error.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"

namespace orvanta {

bool HasAllCurrentOdds(const CurrentOddsPanel& panel) {
    return !panel.Edit13.text.empty() && !panel.Edit14.text.empty() && !panel.Edit15.text.empty();
}

void CalcProbability(CurrentOddsPanel& panel, Services& services) {
    const char sep = services.separator;
    const double o1 = TextToNumber(panel.Edit13.text, sep, services.prompter);
    const double ox = TextToNumber(panel.Edit14.text, sep, services.prompter);
    const double o2 = TextToNumber(panel.Edit15.text, sep, services.prompter);

    // Odds of a few hundred zeros after the mark make the book overflow, and
    // 10000 / infinity would then pass for a payout of 0.
    const double book = CheckedFinite(CheckedDivide(100.0, o1) + CheckedDivide(100.0, ox) +
                                      CheckedDivide(100.0, o2));
    // Only hand-edited negative odds get here; there is no book to speak of.
    if (!(book > 0.0)) {
        return;
    }
    const double payout = Round2(10000.0 / book);
    // A difference of two figures with two decimals, rounded so that it reads
    // as one (100 - 100.18 is -0.180000000000007 in double).
    panel.edtGaniota.text = NumberToText(Round2(100.0 - payout), sep);
    panel.Edit10.text = NumberToText(Round2(payout / o1), sep);
    panel.Edit11.text = NumberToText(Round2(payout / ox), sep);
    panel.Edit12.text = NumberToText(Round2(payout / o2), sep);
}

std::optional<char> FilterOddsKey(char typed, char separator) {
    return FilterNumberKey(typed, separator);
}

std::optional<int> NextOddsTag(int tag, const std::string& current_text) {
    if (current_text.empty() || tag < 1 || tag > 3) {
        return std::nullopt;
    }
    return tag % 3 + 1;
}

}  // namespace orvanta

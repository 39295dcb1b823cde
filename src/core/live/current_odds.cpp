#include "core/live/current_odds.h"

#include <array>

#include "core/base/operation_error.h"
#include "core/live/live_captions.h"
#include "core/markets/probability_page.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

namespace {

// The three probabilities: by the panel's own arithmetic from the rounded
// payout, or the method's to two decimals, one out of range on red. False when
// one is.
bool ShowShares(CurrentOddsPanel& panel, const std::optional<FairBook>& fair, double payout,
                const std::array<double, 3>& odds, char sep) {
    TextBox* boxes[] = {&panel.probability_1, &panel.probability_x, &panel.probability_2};
    bool in_range = true;
    for (std::size_t i = 0; i < 3; ++i) {
        TextBox& box = *boxes[i];
        box.colour.reset();
        if (!fair) {
            box.text = NumberToText(Round2(payout / odds[i]), sep);
            continue;
        }
        const double p = fair->probabilities[i];
        box.text = NumberToText(Round2(p * 100.0), sep);
        if (!(p >= 0.0 && p <= 1.0)) {
            box.colour = kColourRed;
            in_range = false;
        }
    }
    return in_range;
}

}  // namespace

bool HasAllCurrentOdds(const CurrentOddsPanel& panel) {
    return !panel.odds_1.text.empty() && !panel.odds_x.text.empty() && !panel.odds_2.text.empty();
}

void CalculateProbabilities(CurrentOddsPanel& panel, Services& services) {
    CalculateProbabilities(panel, services, Catalogue());
}

void CalculateProbabilities(CurrentOddsPanel& panel, Services& services,
                            const Catalogue& catalogue) {
    const char sep = services.separator;
    const PageNumbers value(services);
    const double o1 = value(panel.odds_1.text);
    const double ox = value(panel.odds_x.text);
    const double o2 = value(panel.odds_2.text);

    // Odds of a few hundred zeros after the mark make the book overflow, and
    // 10000 / infinity would then pass for a payout of 0.
    const double book = CheckedFinite(CheckedDivide(100.0, o1) + CheckedDivide(100.0, ox) +
                                      CheckedDivide(100.0, o2));
    // Only hand-edited negative odds get here; there is no book to speak of.
    if (!(book > 0.0)) {
        return;
    }
    std::optional<FairBook> fair;
    if (panel.method != MarginMethod::kProportional) {
        fair = RemoveMargin({o1, ox, o2}, panel.method);
    }
    const double payout = Round2(10000.0 / book);
    // A difference of two figures with two decimals, rounded so that it reads
    // as one (100 - 100.18 is -0.180000000000007 in double).
    panel.bookmaker_cut.text = NumberToText(Round2(100.0 - payout), sep);
    const bool in_range = ShowShares(panel, fair, payout, {o1, ox, o2}, sep);
    panel.method_parameter.text = fair ? ParameterText(*fair, sep, catalogue) : "";
    if (!in_range) {
        panel.method_parameter.text += "; " + catalogue.Read(live_captions::kOutOfRange);
    }
}

std::optional<char> FilterOddsKey(char typed, char separator, const std::string& current_text) {
    // "2,5.5" would be saved as typed and read back as no number at all.
    return FilterSingleMarkKey(typed, separator, current_text);
}

std::optional<int> NextOddsBox(int box, const std::string& current_text) {
    if (current_text.empty() || box < 1 || box > 3) {
        return std::nullopt;
    }
    return box % 3 + 1;
}

}  // namespace orvanta

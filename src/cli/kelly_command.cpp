// orvanta-calc kelly: Kelly stakes on outcomes of one event at offered odds.

#include <cmath>
#include <string>
#include <vector>

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/base/operation_error.h"
#include "core/markets/kelly.h"
#include "core/markets/odds_formats.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

// A plain number with either decimal mark, or an error naming what it was for.
double ReadFigure(const std::string& text, const std::string& what) {
    const std::optional<double> value = ParseNumberText(NormaliseDecimalMark(text, '.'), '.');
    if (text.empty() || !value || !std::isfinite(*value)) {
        throw OperationError("\"" + text + "\" is not a number for the " + what);
    }
    return *value;
}

// "P@O": the probability in per cent (a "%" after it is allowed) and the
// decimal odds offered.
KellyOutcome ReadOutcome(const std::string& text) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos) {
        throw OperationError("\"" + text +
                             "\" is no outcome: write P@O, the probability in per cent and "
                             "the decimal odds (45@2.5)");
    }
    std::string percent = text.substr(0, at);
    if (!percent.empty() && percent.back() == '%') {
        percent.pop_back();
    }
    KellyOutcome outcome;
    outcome.probability = ReadFigure(percent, "probability") / 100.0;
    outcome.odds = ReadPrice(text.substr(at + 1), OddsFormat::kDecimal).decimal;
    return outcome;
}

FigureBoxes StakeFigures(CalcSession& session) {
    const CalcRequest& request = session.Request();
    std::vector<KellyOutcome> outcomes;
    for (const std::string& text : request.cells) {
        outcomes.push_back(ReadOutcome(text));
    }
    const double fraction =
        request.kelly_fraction ? ReadFigure(*request.kelly_fraction, "Kelly fraction") : 1.0;
    std::optional<double> bankroll;
    if (request.kelly_bankroll) {
        bankroll = ReadFigure(*request.kelly_bankroll, "bankroll");
        if (!(*bankroll > 0.0)) {
            throw OperationError("The bankroll must be greater than 0");
        }
    }
    const KellyStakes stakes = KellyStakesFor(outcomes, fraction);
    const char sep = session.Separator();
    FigureBoxes figures;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const std::string k = std::to_string(i + 1);
        figures.Add("edge_percent_" + k, "Edge % " + k, NumberToText(100.0 * stakes.edge[i], sep));
        figures.Add("stake_percent_" + k, "Stake % " + k,
                    NumberToText(100.0 * stakes.stake[i], sep));
        if (bankroll) {
            figures.Add("stake_" + k, "Stake " + k, NumberToText(*bankroll * stakes.stake[i], sep));
        }
    }
    figures.Add("total_stake_percent", "Total stake %", NumberToText(100.0 * stakes.total, sep));
    figures.Add("growth_percent", "Expected growth %", NumberToText(100.0 * stakes.growth, sep));
    return figures;
}

int RunKelly(CalcSession& session) {
    return session.FinishFigures([&] { return StakeFigures(session); });
}

}  // namespace

Subcommand KellySubcommand() {
    return {"kelly",
            "[--fraction F] [--bankroll B] P@O...",
            {{"--fraction", KeepText<&CalcRequest::kelly_fraction>},
             {"--bankroll", KeepText<&CalcRequest::kelly_bankroll>}},
            TakeTexts,
            RunKelly};
}

}  // namespace orvanta

// orvanta-calc fair: a book's fair odds, its margin taken out by a chosen method.

#include <string>
#include <vector>

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/fair_odds.h"
#include "core/markets/odds_formats.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

Problem SetMethod(CalcRequest& request, const std::string& value) {
    if (!MethodFromKey(value)) {
        return "--method takes proportional, additive, power, shin or odds-ratio";
    }
    request.fair_method = value;
    return std::nullopt;
}

// Every figure of the book, worked out before any is shown, so that a failure
// leaves no half of them behind.
FigureBoxes FairBookFigures(CalcSession& session, MarginMethod method) {
    std::vector<double> odds;
    for (const std::string& text : session.Request().cells) {
        odds.push_back(ReadPrice(text, OddsFormat::kDecimal).decimal);
    }
    const FairBook fair = RemoveMargin(odds, method);
    const char sep = session.Separator();
    FigureBoxes figures;
    const std::string parameter(ParameterName(method));
    figures.Add("parameter", parameter.empty() ? "Parameter" : "Parameter " + parameter,
                parameter.empty() ? "" : NumberToText(fair.parameter, sep));
    figures.Add("margin_percent", "Margin %", NumberToText(100.0 * fair.margin, sep));
    std::vector<std::string> outside;
    for (std::size_t i = 0; i < fair.probabilities.size(); ++i) {
        const double p = fair.probabilities[i];
        const std::string k = std::to_string(i + 1);
        const bool sound = p > 0.0 && p < 1.0;
        figures.Add("probability_" + k, "Probability % " + k, NumberToText(100.0 * p, sep));
        // The odds of a probability outside 0 to 100 would be no price at all.
        figures.Add("fair_odds_" + k, "Fair odds " + k, sound ? NumberToText(1.0 / p, sep) : "");
        if (!sound) {
            outside.push_back(k);
        }
    }
    for (const std::string& k : outside) {
        session.Console().ShowMessage("The " + std::string(MethodKey(method)) +
                                      " method gives outcome " + k +
                                      " a probability outside 0 to 100%: it has no fair odds");
    }
    return figures;
}

int RunFair(CalcSession& session) {
    const CalcRequest& request = session.Request();
    const MarginMethod method =
        MethodFromKey(request.fair_method.value_or("")).value_or(MarginMethod::kProportional);
    FigureBoxes method_box;
    method_box.Add("method", "Method", std::string(MethodKey(method)));
    return session.FinishFigures([&] { return FairBookFigures(session, method); }, method_box);
}

}  // namespace

Subcommand FairSubcommand() {
    return {"fair",
            "[--method proportional|additive|power|shin|odds-ratio] ODDS...",
            {{"--method", SetMethod}},
            TakeTexts,
            RunFair};
}

}  // namespace orvanta

// orvanta-calc probability: the PROBABILITY page.

#include <string>

#include "cli/calc_command.h"
#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/probability_page.h"
#include "core/numeric/key_filter.h"

namespace orvanta {

namespace {

namespace captions = probability_captions;

Problem SetMethod(CalcRequest& request, const std::string& value) {
    if (!MethodFromKey(value)) {
        return "unknown method " + Quoted(value) +
               ": one of proportional, additive, power, shin, odds-ratio";
    }
    request.probability_method = value;
    return std::nullopt;
}

// "K:ODDS": the price another bookmaker offers on outcome K (1 to 15).
Problem AddOffered(CalcRequest& request, const std::string& value) {
    const std::size_t colon = value.find(':');
    const std::string outcome = value.substr(0, colon);
    const bool digits = !outcome.empty() && outcome.size() <= 2 &&
                        outcome.find_first_not_of("0123456789") == std::string::npos;
    const int k = digits ? std::stoi(outcome) : 0;
    if (colon == std::string::npos || k < 1 || k > ProbabilityPage::kOutcomes ||
        !IsTypeableNumber(value.substr(colon + 1))) {
        return "--offered takes K:ODDS, K an outcome from 1 to 15: " + Quoted(value);
    }
    request.probability_offered.emplace_back(k, value.substr(colon + 1));
    return std::nullopt;
}

Problem SetBankroll(CalcRequest& request, const std::string& value) {
    if (!IsTypeableNumber(value)) {
        return "--bankroll takes a number: " + Quoted(value);
    }
    request.probability_bankroll = value;
    return std::nullopt;
}

Problem SetFraction(CalcRequest& request, const std::string& value) {
    if (!IsTypeableNumber(value)) {
        return "--fraction takes a number: " + Quoted(value);
    }
    request.probability_fraction = value;
    return std::nullopt;
}

// A box's text as the number keys let it in.
std::string Typed(const std::string& text, char separator) {
    std::string typed;
    for (char c : text) {
        if (const auto key = FilterNumberKey(c, separator)) {
            typed += *key;
        }
    }
    return typed;
}

bool AsksForValue(const CalcRequest& request) {
    return request.probability_method || !request.probability_offered.empty() ||
           request.probability_bankroll || request.probability_fraction;
}

void FillPage(CalcSession& session, ProbabilityPage& page) {
    const CalcRequest& request = session.Request();
    session.TypeRow(page.outcomes, ProbabilityPage::kOddsRow, request.cells);
    if (request.probability_method) {
        page.method = *MethodFromKey(*request.probability_method);
    }
    for (const auto& [outcome, odds] : request.probability_offered) {
        session.TypeNumber(page.outcomes, outcome - 1, ProbabilityPage::kOfferedRow, odds);
    }
    if (request.probability_bankroll) {
        page.bankroll.text = Typed(*request.probability_bankroll, session.Separator());
    }
    if (request.probability_fraction) {
        page.kelly_fraction.text = Typed(*request.probability_fraction, session.Separator());
    }
}

void AddValueBoxes(PageReport& report, const ProbabilityPage& page, const TextBox& method) {
    report.boxes.insert(
        report.boxes.end(),
        {{"method", captions::kMethod.fallback, &method},
         {"parameter", captions::kParameter.fallback, &page.parameter},
         {"range_note", captions::kProbabilityRow.fallback, &page.range_note},
         {"bankroll", captions::kBankroll.fallback, &page.bankroll},
         {"kelly_fraction", captions::kKellyFraction.fallback, &page.kelly_fraction},
         {"total_stake_percent", captions::kTotalStakePercent.fallback, &page.total_stake_percent},
         {"growth_percent", captions::kGrowthPercent.fallback, &page.growth_percent}});
}

int RunProbability(CalcSession& session) {
    ProbabilityPage page;
    ClearProbability(page);
    FillPage(session, page);
    session.Run([&] { CalculateProbability(page, session.Page(), session.Captions()); });

    // Without the method and the value rows the page prints as it always has.
    const bool value = AsksForValue(session.Request());
    TextGrid book = page.outcomes;
    if (!value) {
        book.SetRowCount(ProbabilityPage::kFairOddsRow);
    }
    std::vector<std::string> rows = {"", captions::kOddsRow.fallback,
                                     captions::kProbabilityRow.fallback};
    if (value) {
        rows.insert(rows.end(), {captions::kFairOddsRow.fallback, captions::kOfferedRow.fallback,
                                 captions::kEdgeRow.fallback, captions::kStakeRow.fallback});
    }
    PageReport report;
    report.grids.push_back({"outcomes", "PROBABILITY", &book, rows, {}, true});
    report.boxes = {{"margin", captions::kMargin.fallback, &page.margin},
                    {"return_percent", captions::kReturnPercent.fallback, &page.return_percent},
                    {"ganiota_percent", captions::kCutPercent.fallback, &page.cut_percent}};
    const TextBox method{std::string(MethodKey(page.method)), std::nullopt};
    if (value) {
        AddValueBoxes(report, page, method);
    }
    const int status = session.Finish(std::move(report));
    // A bankroll, fraction or price the value rows cannot use is said in a
    // message and fails the run, so that a script does not take blank rows for
    // an answer.
    if (value && status == kExitDone && !session.Console().Messages().empty()) {
        return kExitErrorReport;
    }
    return status;
}

}  // namespace

Subcommand ProbabilitySubcommand() {
    return {"probability",
            "[--method M] [--offered K:ODDS]... [--bankroll B] [--fraction F] ODDS...",
            {{"--method", SetMethod},
             {"--offered", AddOffered},
             {"--bankroll", SetBankroll},
             {"--fraction", SetFraction}},
            [](CalcRequest& request, const std::vector<std::string>& args) {
                return TakeNumberCells(request, args, ProbabilityPage::kOutcomes);
            },
            RunProbability};
}

}  // namespace orvanta

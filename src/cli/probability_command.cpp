// orvanta-calc probability: the PROBABILITY page.

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/probability_page.h"

namespace orvanta {

namespace {

int RunProbability(CalcSession& session) {
    namespace captions = probability_captions;
    const CalcRequest& request = session.Request();
    ProbabilityPage page;
    ClearProbability(page);
    session.TypeRow(page.outcomes, ProbabilityPage::kOddsRow, request.cells);
    session.Run([&] { CalculateProbability(page, session.Page()); });

    PageReport report;
    report.grids.push_back({"outcomes",
                            "PROBABILITY",
                            &page.outcomes,
                            {"", captions::kOddsRow.fallback, captions::kProbabilityRow.fallback},
                            {},
                            true});
    report.boxes = {{"margin", captions::kMargin.fallback, &page.margin},
                    {"return_percent", captions::kReturnPercent.fallback, &page.return_percent},
                    {"ganiota_percent", captions::kCutPercent.fallback, &page.cut_percent}};
    return session.Finish(std::move(report));
}

}  // namespace

Subcommand ProbabilitySubcommand() {
    return {"probability",
            "ODDS...",
            {},
            [](CalcRequest& request, const std::vector<std::string>& args) {
                return TakeNumberCells(request, args, ProbabilityPage::kOutcomes);
            },
            RunProbability};
}

}  // namespace orvanta

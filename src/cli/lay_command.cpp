// orvanta-calc lay: the ARBITRAGE page's back and lay group.

#include <string>

#include "cli/calc_command.h"
#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/markets/arbitrage_page.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

namespace captions = arbitrage_captions;

struct ModeKey {
    const char* key;
    LayMode mode;
};

constexpr ModeKey kModes[] = {{"qualifying", LayMode::kQualifying},
                              {"snr", LayMode::kFreeBetSnr},
                              {"sr", LayMode::kFreeBetSr},
                              {"refund", LayMode::kRefund}};

Problem SetMode(CalcRequest& request, const std::string& value) {
    for (const ModeKey& mode : kModes) {
        if (value == mode.key) {
            request.lay_mode = value;
            return std::nullopt;
        }
    }
    return "unknown mode " + Quoted(value) + ": one of qualifying, snr, sr, refund";
}

LayMode ModeOf(const CalcRequest& request) {
    for (const ModeKey& mode : kModes) {
        if (request.lay_mode && *request.lay_mode == mode.key) {
            return mode.mode;
        }
    }
    return LayMode::kQualifying;
}

Problem TakeNothing(CalcRequest&, const std::vector<std::string>& args) {
    if (!args.empty()) {
        return "lay takes options only: " + Quoted(args.front());
    }
    return std::nullopt;
}

FigureBoxes LayFigures(CalcSession& session) {
    const CalcRequest& request = session.Request();
    const char sep = session.Separator();
    ArbitragePage page;
    ClearArbitrage(page);
    page.lay_mode = ModeOf(request);
    const std::pair<TextBox ArbitragePage::*, const std::optional<std::string>*> boxes[] = {
        {&ArbitragePage::lay_back_stake, &request.lay_back_stake},
        {&ArbitragePage::lay_back_odds, &request.lay_back_odds},
        {&ArbitragePage::lay_odds, &request.lay_odds},
        {&ArbitragePage::lay_commission, &request.lay_commission},
        {&ArbitragePage::lay_refund, &request.lay_refund},
        {&ArbitragePage::lay_retention, &request.lay_retention}};
    for (const auto& [box, text] : boxes) {
        (page.*box).text = *text ? NormaliseDecimalMark(**text, sep) : "";
    }
    CalculateBackLay(page, session.Page(), session.Captions());
    FigureBoxes figures;
    if (page.lay_stake.text.empty()) {
        return figures;
    }
    figures.Add("lay_stake", captions::kLayStake.fallback, page.lay_stake.text);
    figures.Add("liability", captions::kLayLiability.fallback, page.lay_liability.text);
    figures.Add("result_back_wins", captions::kLayBackWins.fallback, page.lay_back_wins.text);
    figures.Add("result_lay_wins", captions::kLayLayWins.fallback, page.lay_lay_wins.text);
    return figures;
}

int RunLay(CalcSession& session) {
    const int status = session.FinishFigures([&] { return LayFigures(session); });
    // A bet that cannot be laid is said in a message and fails the run, so that
    // a script does not take the missing figures for an answer.
    if (status == kExitDone && !session.Console().Messages().empty()) {
        return kExitErrorReport;
    }
    return status;
}

}  // namespace

Subcommand LaySubcommand() {
    return {"lay",
            "--back-stake B --back-odds b --lay-odds l [--commission C] "
            "[--mode qualifying|snr|sr|refund] [--refund R] [--retention PERCENT]",
            {{"--back-stake", KeepText<&CalcRequest::lay_back_stake>},
             {"--back-odds", KeepText<&CalcRequest::lay_back_odds>},
             {"--lay-odds", KeepText<&CalcRequest::lay_odds>},
             {"--commission", KeepText<&CalcRequest::lay_commission>},
             {"--mode", SetMode},
             {"--refund", KeepText<&CalcRequest::lay_refund>},
             {"--retention", KeepText<&CalcRequest::lay_retention>}},
            TakeNothing,
            RunLay};
}

}  // namespace orvanta

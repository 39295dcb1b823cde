// orvanta-calc slip: a bet slip settled, as the BET SLIP page settles it.

#include <string>
#include <vector>

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/base/operation_error.h"
#include "core/slip/bet_settlement.h"
#include "core/slip/slip_input.h"

namespace orvanta {

namespace {

constexpr const char* kLegForm =
    "ODDS[:won|placed|lost|void][:dh=TIED[/PLACES_LEFT]][:r4=PENCE][:terms=N/D]";

std::vector<std::string> Split(const std::string& text, char mark) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

void ReadDeadHeat(SlipLeg& leg, const std::string& value, const Catalogue& catalogue) {
    const std::size_t slash = value.find('/');
    leg.tied = ReadSlipCount(value.substr(0, slash), catalogue);
    leg.places_left =
        slash == std::string::npos ? 1 : ReadSlipCount(value.substr(slash + 1), catalogue);
}

// One part after the odds: a result, or one of dh=, r4=, terms=.
void ReadLegPart(SlipLeg& leg, const std::string& part, char separator,
                 const Catalogue& catalogue) {
    const std::string key = part.substr(0, part.find('='));
    const std::string value = part.size() > key.size() ? part.substr(key.size() + 1) : "";
    if (part == "won" || part == "placed" || part == "lost" || part == "void") {
        leg.result = part == "won"      ? LegResult::kWon
                     : part == "placed" ? LegResult::kPlaced
                     : part == "lost"   ? LegResult::kLost
                                        : LegResult::kVoid;
    } else if (key == "dh" && !value.empty()) {
        ReadDeadHeat(leg, value, catalogue);
    } else if (key == "r4" && !value.empty()) {
        leg.rule4 = ReadSlipRule4(value, separator, catalogue);
    } else if (key == "terms" && !value.empty()) {
        leg.terms = ReadSlipTerms(value, separator, catalogue);
    } else {
        throw OperationError(Quoted(part) + " is no part of a leg: write " + kLegForm);
    }
}

SlipLeg ReadLeg(const std::string& text, char separator, const Catalogue& catalogue) {
    const std::vector<std::string> parts = Split(text, ':');
    SlipLeg leg;
    leg.odds = ReadSlipOdds(parts.front(), separator, catalogue);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        ReadLegPart(leg, parts[i], separator, catalogue);
    }
    return leg;
}

const SlipKind& ReadKind(const CalcRequest& request) {
    const SlipKind* kind = request.slip_type ? FindSlipKind(*request.slip_type) : nullptr;
    if (!kind) {
        std::string keys;
        for (const SlipKind& each : SlipKinds()) {
            keys += std::string(keys.empty() ? "" : " ") + each.key;
        }
        throw OperationError((request.slip_type ? Quoted(*request.slip_type) + " is no bet type"
                                                : std::string("--type is missing")) +
                             "; --type takes one of: " + keys);
    }
    return *kind;
}

FigureBoxes SlipFigures(CalcSession& session) {
    const CalcRequest& request = session.Request();
    const Catalogue& catalogue = session.Captions();
    const char sep = session.Separator();
    const SlipKind& kind = ReadKind(request);
    const std::vector<int> folds =
        SlipFolds(kind, static_cast<int>(request.cells.size()), catalogue);
    std::vector<SlipLeg> legs;
    for (std::size_t i = 0; i < request.cells.size(); ++i) {
        legs.push_back(ForLeg(static_cast<int>(i) + 1, catalogue,
                              [&] { return ReadLeg(request.cells[i], sep, catalogue); }));
    }
    const SlipFraction stake = ReadSlipStake(request.slip_stake.value_or(""), sep, catalogue);
    const SlipSettlement s = SettleSlip(legs, folds, stake, request.slip_each_way);
    FigureBoxes figures;
    figures.Add("bets", "Bets", std::to_string(s.bets));
    figures.Add("total_stake", "Total stake", MoneyText(s.total_stake, sep));
    figures.Add("total_return", "Return", MoneyText(s.total_return, sep));
    figures.Add("profit", "Profit", MoneyText(s.profit, sep));
    figures.Add("win_return", "Win return", MoneyText(s.win_return, sep));
    figures.Add("place_return", "Place return", MoneyText(s.place_return, sep));
    return figures;
}

Problem SetEachWay(CalcRequest& request, const std::string&) {
    request.slip_each_way = true;
    return std::nullopt;
}

int RunSlip(CalcSession& session) {
    return session.FinishFigures([&] { return SlipFigures(session); });
}

}  // namespace

Subcommand SlipSubcommand() {
    return {"slip",
            "--type TYPE --stake S [--each-way] LEG...",
            {{"--type", KeepText<&CalcRequest::slip_type>},
             {"--stake", KeepText<&CalcRequest::slip_stake>},
             {"--each-way", SetEachWay, true}},
            TakeTexts,
            RunSlip};
}

}  // namespace orvanta

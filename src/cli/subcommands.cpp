#include "cli/subcommand.h"

#include "core/numeric/key_filter.h"

namespace orvanta {

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = {
        ArbitrageSubcommand(), ProbabilitySubcommand(), OddsSubcommand(),  ParlaySubcommand(),
        LiveSubcommand(),      FairSubcommand(),        KellySubcommand(), ConvertSubcommand(),
        LaySubcommand(),       SlipSubcommand(),
    };
    return table;
}

bool IsTypeableNumber(const std::string& text) {
    for (char c : text) {
        const auto key = FilterNumberKey(c, '.');
        if (!key || *key == kKeyBackspace || *key == kKeyTab || *key == kKeyEnter) {
            return false;
        }
    }
    return true;
}

Problem TakeNumberCells(CalcRequest& request, const std::vector<std::string>& args,
                        std::size_t most) {
    if (args.size() > most) {
        return "at most " + std::to_string(most) + " odds";
    }
    for (const std::string& text : args) {
        if (!IsTypeableNumber(text)) {
            return "a grid cell takes only digits, \".\" and \",\": " + Quoted(text);
        }
    }
    request.cells = args;
    return std::nullopt;
}

Problem TakeTexts(CalcRequest& request, const std::vector<std::string>& args) {
    request.cells = args;
    return std::nullopt;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace orvanta

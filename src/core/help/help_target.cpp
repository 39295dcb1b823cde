#include "core/help/help_target.h"

#include "core/base/paths.h"

namespace orvanta {

std::string HelpAnchor(HelpTopic topic) {
    switch (topic) {
        case kHelpParlay:
            return "#parlay";
        case kHelpArbitrage:
            return "#arbitrage";
        case kHelpProbability:
            return "#probability";
        case kHelpOdds:
            return "#oddscalc";
        case kHelpLive:
            return "#liveorvanta";
        case kHelpBetSlip:
            return "#betslip";
        default:
            return std::string();
    }
}

std::string HelpBaseName(const std::string& catalogue_file) {
    const std::string name = FileNameOf(catalogue_file);
    const auto dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string HelpTarget(const std::string& data_folder, const std::string& catalogue_file,
                       HelpTopic topic) {
    return JoinPath(data_folder, HelpBaseName(catalogue_file) + "Help.htm" + HelpAnchor(topic));
}

}  // namespace orvanta

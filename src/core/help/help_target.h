#pragma once

// Where the help window goes: the help page of the open language, in the data folder
// (beside the program when it is portable), at the section of the calculator the user came from.
// The page's name follows the language file's: Orvanta_EN.ini has Orvanta_ENHelp.htm.

#include <string>

namespace orvanta {

// What the opener asks for; 0 (and anything past the bet slip) is the page's top.
enum HelpTopic : int {
    kHelpTop = 0,
    kHelpParlay = 1,
    kHelpArbitrage = 2,
    kHelpProbability = 3,
    kHelpOdds = 4,
    kHelpLive = 5,
    kHelpBetSlip = 6,
};

// "#parlay", "#arbitrage", "#probability", "#oddscalc", "#liveorvanta", "#betslip" for 1 to 6; ""
// for any other number.
std::string HelpAnchor(HelpTopic topic);

// The language file's name without its folder (up to the last "/" or "\") and cut at the
// first "."; "" when the name has no "." at all.
std::string HelpBaseName(const std::string& catalogue_file);

// data folder (with its separator) + base name + "Help.htm" + anchor: a plain path, no
// scheme, whether or not the page is there.
std::string HelpTarget(const std::string& data_folder, const std::string& catalogue_file,
                       HelpTopic topic);

}  // namespace orvanta

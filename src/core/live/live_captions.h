#pragma once

// The live window's captions, read from the catalogue each time the window is
// shown. Texts not listed here (the "1", "X", "2" labels, "Help", the tool
// tips, the new-game dialog) are fixed in the window.

#include <string>

namespace orvanta {

class Catalogue;

struct LiveCaptions {
    std::string window;        // the window caption
    std::string new_game;      // BitBtn2
    std::string delete_game;   // BitBtn3
    std::string protasi;       // BitBtn4 and Label14
    std::string status;        // Label1
    std::string exit;          // BitBtn1
    std::string current_odds;  // Label8
    std::string probability;   // Label12
    std::string gia_pithanon;  // Label18
    std::string gia_thetika;   // Label19
    std::string ganiota;       // Label20
    std::string odds;          // Label13
    std::string game_wager;    // Label6
    std::string return_label;  // Label5
    std::string result;        // Label7
};

LiveCaptions ReadLiveCaptions(const Catalogue& catalogue);

}  // namespace orvanta

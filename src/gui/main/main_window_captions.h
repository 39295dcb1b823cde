#pragma once

// What the main window's own controls say; the pages caption themselves.

#include "core/i18n/catalogue.h"

namespace orvanta::main_window_captions {

inline constexpr CatalogueText kTitle{"FrmMain", "Caption", ""};
inline constexpr CatalogueText kParlayPage{"FrmMain", "PARLAY_BETTING", "PARLAY_BETTING"};
inline constexpr CatalogueText kArbitragePage{"FrmMain", "ARBITRAGE", "ARBITRAGE"};
inline constexpr CatalogueText kProbabilityPage{"FrmMain", "PROBABILITY", "PROBABILITY"};
inline constexpr CatalogueText kOddsPage{"FrmMain", "ODDS", "ODDS"};
inline constexpr CatalogueText kBetSlipPage{"FrmMain", "BET_SLIP", "BET SLIP"};
inline constexpr CatalogueText kCalculate{"FrmMain", "BtnCalculat", "Calculate"};
inline constexpr CatalogueText kClear{"FrmMain", "Clear", "Clear"};
inline constexpr CatalogueText kPrint{"FrmMain", "Print", "Print"};
inline constexpr CatalogueText kSystemCalculator{"FrmMain", "miWinCalculator", "WinCalculator"};
inline constexpr CatalogueText kLive{"FrmMain", "miLiveOrvanta", "Live Orvanta"};
inline constexpr CatalogueText kHelpMenu{"FrmMain", "miHelp", "Help"};
inline constexpr CatalogueText kHelp{"FrmMain", "Help", "Help"};
inline constexpr CatalogueText kAbout{"FrmMain", "About", "About"};
inline constexpr CatalogueText kUpdate{"FrmMain", "miUpDate", "UpDate Program"};
inline constexpr CatalogueText kExit{"FrmMain", "Exit", "Exit"};

// Texts the window first showed the same in every language, and its new ones;
// each catalogue says them in its own words.
inline constexpr CatalogueText kLanguage{"FrmMain", "miLanguage", "Language"};
inline constexpr CatalogueText kClearQuestion{"Message", "ClearAllInformation",
                                              "Clear All Information ?"};
inline constexpr CatalogueText kNoCalculator{"Message", "NoCalculator",
                                             "No calculator program was found."};

}  // namespace orvanta::main_window_captions

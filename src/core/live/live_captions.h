#pragma once

// The live window's captions: where the catalogue keeps each and the text shown
// when it has none. The window, its position sheet's header cells and
// orvanta-calc read them from here. Texts not listed (the "1", "X", "2" labels,
// "Help", the tool tips, the new-game dialog, the messages) are fixed.

#include "core/i18n/catalogue.h"

namespace orvanta::live_captions {

inline constexpr CatalogueText kWindow{"FrmLiveOrvanta", "FrmLiveOrvanta", "Live Orvanta"};
inline constexpr CatalogueText kNewGame{"FrmLiveOrvanta", "New", "New"};
inline constexpr CatalogueText kDeleteGame{"FrmLiveOrvanta", "Delete", "Delete"};
inline constexpr CatalogueText kExit{"FrmLiveOrvanta", "Exit", "Exit"};

// The current-odds panel.
inline constexpr CatalogueText kCurrentOdds{"FrmLiveOrvanta", "Trehon times", "live odds"};
inline constexpr CatalogueText kOdds{"FrmLiveOrvanta", "odds", "odds"};
inline constexpr CatalogueText kProbability{"FrmLiveOrvanta", "Pithanotita", "Probability"};
inline constexpr CatalogueText kBookmakerCut{"FrmLiveOrvanta", "Ganiota", "Ganiota"};

// The suggestion panel and its button.
inline constexpr CatalogueText kSuggestion{"FrmLiveOrvanta", "Protasi", "Protasi"};
inline constexpr CatalogueText kForPositive{"FrmLiveOrvanta", "Gia Thetika", "Gia Thetika"};
inline constexpr CatalogueText kForProbable{"FrmLiveOrvanta", "Gia Pithanon", "Gia Pithanon"};

// The totals under the sheet; kStatus also heads the sheet's status columns.
inline constexpr CatalogueText kStatus{"FrmLiveOrvanta", "Status", "Status"};
inline constexpr CatalogueText kGameWager{"FrmLiveOrvanta", "Game Wager", "Game Wager"};
inline constexpr CatalogueText kReturn{"FrmLiveOrvanta", "Return", "Return"};
inline constexpr CatalogueText kResult{"FrmLiveOrvanta", "Result", "Result"};

// The position sheet's header cells.
inline constexpr CatalogueText kBuy{"FrmLiveOrvanta", "Buy", "Agora"};
inline constexpr CatalogueText kSell{"FrmLiveOrvanta", "Sell", "Sell"};
inline constexpr CatalogueText kStake{"FrmLiveOrvanta", "Poso", "Poso"};

// The new-game dialog's Ok with no name given.
inline constexpr CatalogueText kGameNameMissing{"FrmLiveOrvanta", "NoGameName",
                                                "Give the match a name"};

}  // namespace orvanta::live_captions

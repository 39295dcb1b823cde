#pragma once

// The live window's captions, tool tips and messages: where the catalogue keeps
// each and the text shown when it has none. The window, its position sheet's
// header cells, the ledger's messages and orvanta-calc read them from here.
// Texts not listed (the "1", "X", "2" labels) are the same in every language.

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

// Texts the window first showed the same in every language; each catalogue
// now says them in its own words, and without one they read as they always did.
inline constexpr CatalogueText kHelp{"FrmLiveOrvanta", "Help", "Help"};
inline constexpr CatalogueText kPrint{"FrmLiveOrvanta", "Print", "Print"};
inline constexpr CatalogueText kGameList{"FrmLiveOrvanta", "ListOfLiveGames", "List of Live Games"};
inline constexpr CatalogueText kCurrentOddsTip{"FrmLiveOrvanta", "TrehonTimesHint",
                                               "Δωστε τις νεες αποδοσεις"};
inline constexpr CatalogueText kNewGameTip{"FrmLiveOrvanta", "NewHint", "Νεος Αγωνας για Live Bet"};
inline constexpr CatalogueText kDeleteGameTip{"FrmLiveOrvanta", "DeleteHint",
                                              "Διαγραφη του αγωνα απο την λιστα"};
// The suggestion button's tip, since it acts, says what it does.
inline constexpr CatalogueText kSuggestionTip{
    "FrmLiveOrvanta", "ProtasiHint",
    "Προσθέτει στο φύλλο τα ποσά της επάνω γραμμής ως αγορές στις τρέχουσες αποδόσεις, αφού "
    "ρωτήσει"};
inline constexpr CatalogueText kDeleteGameQuestion{"FrmLiveOrvanta", "DeleteGameQuestion",
                                                   "Delete game ?"};
inline constexpr CatalogueText kRecordProblem{"FrmLiveOrvanta", "RecordProblem",
                                              "Provlema sto arhio"};
inline constexpr CatalogueText kCreateFirst{"FrmLiveOrvanta", "CreateFirst",
                                            "Dimiurgiste prota to arheio pu tha dulepsite"};
inline constexpr CatalogueText kGameExists{"FrmLiveOrvanta", "GameExists",
                                           "A game with this date, time and name already exists"};
inline constexpr CatalogueText kRowRule{
    "FrmLiveOrvanta", "RowRule",
    "epitrepete mono 1 timi stis apodoseis (agora h polisi) kai poso ana grami"};

// The new-game dialog's Ok with no name given.
inline constexpr CatalogueText kGameNameMissing{"FrmLiveOrvantaNewGame", "NoGameName",
                                                "Give the match a name"};

// The new-game dialog, a window of its own.
namespace new_game {
inline constexpr CatalogueText kWindow{"FrmLiveOrvantaNewGame", "Caption", "FrmLiveOrvantaNewGame"};
inline constexpr CatalogueText kDate{"FrmLiveOrvantaNewGame", "Date", "ΗΜ/ΝΙΑ"};
inline constexpr CatalogueText kTime{"FrmLiveOrvantaNewGame", "Time", "ΩΡΑ"};
inline constexpr CatalogueText kName{"FrmLiveOrvantaNewGame", "Game", "ΑΓΩΝΑΣ"};
inline constexpr CatalogueText kOk{"FrmLiveOrvantaNewGame", "Ok", "Ok"};
inline constexpr CatalogueText kCancel{"FrmLiveOrvantaNewGame", "Cancel", "Cancel"};
}  // namespace new_game

// The current-odds panel's margin method, shared with the PROBABILITY page.
inline constexpr CatalogueText kMethod{"FrmLiveOrvanta", "Method", "Method"};
inline constexpr CatalogueText kParameter{"FrmLiveOrvanta", "Parameter", "Parameter"};
inline constexpr CatalogueText kOutOfRange{"FrmLiveOrvanta", "OutOfRange", "out of range"};

// The suggestion panel's figures: the exchange's commission they are net of,
// each row's result, and the word a row gives instead of figures, or beside
// them when they need one.
inline constexpr CatalogueText kCommission{"FrmLiveOrvanta", "Commission", "Commission %"};
inline constexpr CatalogueText kCommissionTip{
    "FrmLiveOrvanta", "CommissionHint",
    "The exchange's commission on net winnings, in per cent; the suggestions are net of it"};
inline constexpr CatalogueText kCommissionRange{"FrmLiveOrvanta", "CommissionRange",
                                                "The commission is a figure from 0 to 100"};
inline constexpr CatalogueText kOddsAboveOne{"FrmLiveOrvanta", "OddsAboveOne",
                                             "The current odds must be figures above 1"};
inline constexpr CatalogueText kPositionLevel{"FrmLiveOrvanta", "PositionLevel",
                                              "The position is level: no stakes are needed"};
inline constexpr CatalogueText kLeastLoss{"FrmLiveOrvanta", "LeastLoss",
                                          "A loss is the best that can be locked in"};
inline constexpr CatalogueText kOthersCovered{"FrmLiveOrvanta", "OthersCovered",
                                              "The other outcomes lose nothing already"};
inline constexpr CatalogueText kCannotCover{
    "FrmLiveOrvanta", "CannotCover", "No back stakes at these odds cover the other outcomes"};
inline constexpr CatalogueText kNothingToAdd{"FrmLiveOrvanta", "NothingToAdd",
                                             "There are no stakes to add"};
inline constexpr CatalogueText kAddBacksQuestion{
    "FrmLiveOrvanta", "AddBacksQuestion",
    "Add the upper row's stakes to the sheet as back positions at the current odds?"};

}  // namespace orvanta::live_captions

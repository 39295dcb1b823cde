#pragma once

// The live betting ledger: for every game followed in play, the buy and sell
// positions taken on "1", "X" and "2", what they return under each outcome, and
// what the market's current odds imply.
//
// Data flows one way round: the game list names the records in the folder
// "LiveGameRecords"; selecting a row loads that record into the position sheet
// and the current-odds panel; every ended edit of the sheet recalculates it and
// every change of the current odds recomputes the probabilities, and both then
// rewrite the loaded record at once, so closing the window needs no saving step.
// SaveEnabled is false only while a load fills the sheet, so that a load never
// writes. LiveLedger holds the window's state and answers its events; the window
// copies what the user typed into the sheet and boxes before calling, and shows
// what they hold after.

#include <string>

#include "core/grid/services.h"
#include "core/grid/text_grid.h"
#include "core/live/current_odds.h"
#include "core/live/position_sheet.h"

namespace orvanta {

class Catalogue;

inline constexpr const char* kGameListHeader = "List of Live Games";
inline constexpr const char* kDeleteGameQuestion = "Delete game ?";
inline constexpr const char* kRecordProblemMessage = "Provlema sto arhio";
inline constexpr const char* kCreateFirstMessage = "Dimiurgiste prota to arheio pu tha dulepsite";
inline constexpr const char* kGameExistsMessage =
    "A game with this date, time and name already exists";

class LiveLedger {
public:
    LiveLedger(Services& services, const Catalogue& catalogue);

    PositionSheet& Sheet() { return m_sheet; }
    const PositionSheet& Sheet() const { return m_sheet; }
    CurrentOddsPanel& Odds() { return m_odds; }
    const CurrentOddsPanel& Odds() const { return m_odds; }
    // The game list, AdvStringGrid1: a fixed header row, then one file name a row.
    TextGrid& GameList() { return m_list; }
    const TextGrid& GameList() const { return m_list; }

    // Full path of the loaded record; empty when no game is loaded.
    const std::string& CurrentGameFile() const { return m_current_file; }
    bool SaveEnabled() const { return m_save_enabled; }
    // The list's current row: 1 for the first game, 0 when the list holds none.
    int ListRow() const { return m_list_row; }
    // With its trailing separator.
    const std::string& RecordFolder() const { return m_folder; }

    // Showing the window: row 1 current, the list filled, the sheet empty.
    // False when the record folder cannot be made or read (the error has been
    // reported); the window then does not open.
    bool FormShow();

    // Rebuilds the list from the folder and empties the sheet; no game stays
    // loaded. The current row keeps its number, moved up to the last game when
    // the list became shorter. False after reporting an error.
    bool FillGameList();

    // The new-game dialog's OK: creates the empty record. True when the dialog
    // closes (the window then calls FillGameList); false when it stays open
    // after a message: a time that is no time, a name that is no file name, a
    // game that already exists, a file that cannot be created.
    bool CreateGame(const LocalDateTime& date, const std::string& time_text,
                    const std::string& name);

    // Asks first; deletes the current row's file and refills the list.
    void DeleteGame();

    // The user made `row` of the list current (by mouse or keyboard): loads its
    // record. Never writes it.
    void LoadGame(int row);

    // Rewrites the loaded record from the sheet and the current odds.
    void SaveGame();

    // An edit of the sheet ended.
    void AdvStringGrid2EditingDone();

    // An edit of an input cell ended, its new text already in the sheet;
    // text_before is what it held when the edit began. True when the entry was
    // refused: the cell is then empty and the window reopens its editor.
    bool AdvStringGrid2CellValidate(int col, int row, const std::string& text_before);

    // The text of Edit13, Edit14 or Edit15 changed (typed or pasted).
    void Edit13Change();

    // Tests make saves fail at a chosen step.

private:
    void ClearOddsPanel();
    void FillFromRecord(const std::string& bytes);
    bool CalcProbabilityReported();
    void ReportError(const std::string& text);

    Services& m_services;
    const Catalogue& m_catalogue;
    std::string m_folder;
    PositionSheet m_sheet;
    CurrentOddsPanel m_odds;
    TextGrid m_list{1, 1};
    std::string m_current_file;
    bool m_save_enabled = true;
    int m_list_row = 1;
};

}  // namespace orvanta

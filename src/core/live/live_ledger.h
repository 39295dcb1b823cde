#pragma once

// The live betting ledger: for every game followed in play, the buy and sell
// positions taken on "1", "X" and "2", what they return under each outcome, and
// what the market's current odds imply.
//
// Data flows one way round: the game list names the records in the record
// folder; selecting a row loads that record into the position sheet and the
// current-odds panel; every ended edit of the sheet recalculates it and every
// change of the current odds recomputes the probabilities, and both then
// rewrite the loaded record at once, so closing the window needs no saving step.
// Saving is off only while a load fills the sheet, so that a load never writes.
//
// LiveLedger holds everything the window shows (a LivePage) and answers the
// window's events; the window copies what the user typed into the page before
// calling, and shows what the page holds after. A failure ends the operation
// with OperationError, for the window's error edge to report. An event whose
// work goes on after a failure comes as parts, which the window runs one after
// the other, each behind its edge.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/handler_guard.h"
#include "core/base/operation_error.h"
#include "core/base/services.h"
#include "core/grid/text_grid.h"
#include "core/live/current_odds.h"
#include "core/live/game_record.h"
#include "core/live/live_captions.h"
#include "core/live/position_sheet.h"
#include "core/live/suggestions.h"

namespace orvanta {

class Catalogue;

// The list's header and the messages as they read without a catalogue.
inline constexpr const char* kGameListHeader = live_captions::kGameList.fallback;
inline constexpr const char* kDeleteGameQuestion = live_captions::kDeleteGameQuestion.fallback;
inline constexpr const char* kRecordProblemMessage = live_captions::kRecordProblem.fallback;
inline constexpr const char* kCreateFirstMessage = live_captions::kCreateFirst.fallback;
inline constexpr const char* kGameExistsMessage = live_captions::kGameExists.fallback;

// What the live window shows, as texts: the game list, the loaded game's
// position sheet with its totals, its current odds with what they imply, and
// the suggestions drawn from both. The sheet and the panels are bases, so that
// each of their fields is a field of the page as well.
struct LivePage : PositionSheet, CurrentOddsPanel, SuggestionPanel {
    LivePage();

    // A fixed header row, then one record file name a row.
    TextGrid game_list{1, 1};
};

// An event's work as parts: a failure ends only its own part and is reported
// when it happens; the parts after it still run. Messages therefore come in the
// order the work was done.
using EventParts = std::vector<std::function<void()>>;

inline void RunEachGuarded(Prompter& errors, const EventParts& parts) {
    for (const auto& part : parts) {
        RunGuarded(errors, part);
    }
}

class LiveLedger {
public:
    // `record_folder`, with its trailing separator, holds one record per game.
    LiveLedger(Services& services, const Catalogue& catalogue, std::string record_folder);

    LivePage& Page() { return m_page; }
    const LivePage& Page() const { return m_page; }
    // The catalogue the window and its dialogs read their texts from.
    const Catalogue& Captions() const { return m_catalogue; }

    // Full path of the loaded record; empty when no game is loaded.
    const std::string& CurrentGameFile() const { return m_current_file; }
    bool SaveEnabled() const { return m_save_enabled; }
    // The list's current row: 1 for the first game, 0 when the list holds none.
    int ListRow() const { return m_list_row; }
    // The list row that names `file_name`; 0 when none does.
    int RowOf(const std::string& file_name) const;

    // The window opens: row 1 current, the list filled, the sheet empty. Throws
    // when the record folder cannot be made or read; the window then stays shut.
    void Open();

    // Rebuilds the list from the folder and empties the sheet; no game stays
    // loaded. The current row keeps its number, moved up to the last game when
    // the list became shorter. Throws when the folder cannot be made or read.
    void FillGameList();

    // The new-game dialog's OK: creates the empty record. True when the dialog
    // closes (the window then refills the list); false after the message that
    // the name is blank or that such a game exists. Throws for a time that is no time, a name that
    // is no file name or a file that cannot be created; the dialog stays open.
    bool CreateGame(const LocalDateTime& date, const std::string& time_text,
                    const std::string& name);

    // Asks first; deletes the current row's file and refills the list.
    void DeleteGame();

    // The user made `row` of the list current (by mouse or keyboard). First part:
    // loads its record into the sheet and the current-odds panel, and works out
    // the probabilities; a record that cannot be read binds no game, current
    // odds that cannot be worked out fail once the rows are in and the game is
    // bound. Second part: recalculates the sheet. Never writes the record.
    [[nodiscard]] EventParts LoadGame(int row);

    // The list took the keyboard's focus on `row`: its game is loaded as by
    // LoadGame, unless it is the one loaded already. No parts when it is, or
    // when `row` names no game.
    [[nodiscard]] EventParts LoadGameUnlessLoaded(int row);

    // After the list was filled: a list of one game loads it at once, since it
    // is the one the user is to work on. No parts for an empty list or a
    // longer one, whose games wait to be chosen.
    [[nodiscard]] EventParts LoadSoleGame();

    // Rewrites the loaded record from the sheet and the current odds.
    void SaveGame();

    // An edit of the sheet ended: recalculates the sheet and saves. What was
    // typed is saved also when the figures cannot be worked out.
    void SheetEditEnded();

    // An edit of an input cell ended, its new text already in the sheet;
    // text_before is what it held when the edit began. True when the entry was
    // refused: the cell is then empty and the window reopens its editor.
    bool CheckSheetEntry(int col, int row, const std::string& text_before);

    // One of the three current odds changed (typed or pasted). Once all three
    // hold text the probabilities are worked out; while one is empty they are
    // blank, as a load of the record would show them. Then it saves, also odds
    // that cannot be worked out and odds with a price still missing.
    [[nodiscard]] EventParts CurrentOddsChanged();

    // The suggestions worked out afresh from what the page shows now; after a
    // change of the margin method, which may make another outcome the likeliest.
    void UpdateSuggestions();

    // The commission was typed: the suggestions follow it, and one that is a
    // figure from 0 to 100 is kept for the next start. The record is no
    // concern of it.
    void CommissionChanged();

    // The suggestion button: asks (No by default) whether the upper row's
    // backs go on the sheet, and on Yes adds them as back rows at the current
    // odds, recalculates and saves as after an edit. With no backs to add it
    // says so and changes nothing.
    void AddSureBacks();

private:
    // The sheet recalculated, then the suggestions from its new totals; when the
    // totals cannot be worked out, no suggestion is left standing on the old ones.
    void RecalculateAll();
    void ClearOddsPanel();
    void ReadGame(int row);
    // The record's current odds into their boxes and their probabilities worked
    // out; a failure of that is given back, not thrown, so the rows still go in.
    std::optional<OperationError> ShowCurrentOdds(const LiveGameRecord& record);
    void ShowPositions(const LiveGameRecord& record);

    Services& m_services;
    const Catalogue& m_catalogue;
    std::string m_folder;
    LivePage m_page;
    std::string m_current_file;
    bool m_save_enabled = true;
    int m_list_row = 1;
};

}  // namespace orvanta

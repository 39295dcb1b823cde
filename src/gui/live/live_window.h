#pragma once

// The live betting window: the game list on the left, the position sheet on
// the right, the current-odds, suggestion and totals panels under them and the
// button bar at the foot. It is a thin skin over a LiveLedger, which holds all
// of the window's state: the widgets come from the window's control table and
// show the ledger's page, and every handler copies the typed current odds into
// the page, runs the ledger's event behind the error edge and puts the page's
// boxes back on screen. While it does, the odds boxes' change signals are
// blocked, so showing what a load brought never counts as typing (and never
// writes the record).

#include <QDialog>

#include <array>
#include <functional>

#include "core/help/help_target.h"
#include "core/live/live_ledger.h"
#include "gui/widgets/box_binding.h"
#include "gui/widgets/control_table.h"
#include "gui/widgets/printout.h"

class QHBoxLayout;
class QLineEdit;
class QKeyEvent;
class QSplitter;

namespace orvanta {

class Catalogue;
class GridView;
struct Services;

class LiveWindow : public QDialog {
    Q_OBJECT

public:
    using HelpOpener = std::function<void(QWidget* owner, HelpTopic topic)>;

    // The records live in the folder "LiveGameRecords" of the user folder.
    LiveWindow(Services& services, const Catalogue& catalogue, HelpOpener open_help,
               QWidget* parent = nullptr);
    ~LiveWindow() override;

    // Both prepare the window first. When the record folder cannot be made or
    // read the error has been reported and the window stays closed (exec()
    // gives Rejected).
    int exec() override;
    void setVisible(bool visible) override;

    // What the window shows and which game is loaded.
    const LiveLedger& Ledger() const { return m_ledger; }

    // Print (its button, Ctrl+P) hands the sheet and the panels to `print`;
    // without one it does nothing.
    void SetPrintOpener(PrintOpener print) { m_print = std::move(print); }
    // The sheet and the panels under it as the window shows them, headed by
    // the window's caption and the loaded game.
    Printout SheetPrintout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOut();
    void LayOutGrids();
    QHBoxLayout* LayOutBar();
    void WireSheet();
    void WireCurrentOdds();
    // Captions, the list and an empty sheet, and the window centred. False when
    // the list cannot be filled.
    bool PrepareToShow();
    void FitToScreen();

    void OnExit();
    void OnEscape();
    void OnNewGame();
    void OnDeleteGame();
    void OnHelp();
    void OnPrint();
    void OnGameClicked(int row);
    void OnListFocused();
    // After the list is filled: a list of one game loads it.
    void LoadSoleGame();
    void OnCurrentOddsChanged();
    void WireMethod();
    void OnMethodChosen(int index);
    void WireCommission();
    void OnCommissionEdited();
    void OnSuggest();
    bool OnOddsKeyPress(QLineEdit* box, QKeyEvent* event);

    // Puts the page's boxes and the list's current row on screen.
    void ShowPage();
    void ShowBoxes();
    // The suggestion rows' notes as the line under them shows them.
    QString SuggestionNotes() const;
    void FitListPane();
    // What the sheet's pane needs to show every column whole.
    int SheetPaneWidth() const;

    Services& m_services;
    const Catalogue& m_catalogue;
    HelpOpener m_open_help;
    PrintOpener m_print;
    LiveLedger m_ledger;
    Controls<LivePage> m_controls;

    QWidget* m_contents = nullptr;
    QSplitter* m_splitter = nullptr;
    GridView* m_list = nullptr;
    GridView* m_sheet = nullptr;
    // The current odds of "1", "X" and "2", in the order Enter goes round them.
    std::array<QLineEdit*, 3> m_odds_boxes{};
    // The boxes the user types into: the current odds and the commission.
    BoxBinding m_typed_boxes;
    // exec() has prepared the window already for the show it is about to make.
    bool m_prepared = false;
};

}  // namespace orvanta

#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/base/services.h"
#include "core/help/help_target.h"
#include "core/i18n/catalogue.h"
#include "core/i18n/language_choice.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"
#include "gui/widgets/printout.h"

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace orvanta {

// The windows and checks the main window opens. main() fills them with the
// real ones; tests with recorders.
struct MainWindowOpeners {
    std::function<void(QWidget* owner, HelpTopic topic)> open_help;
    std::function<void(QWidget* owner)> open_about;
    std::function<void(QWidget* owner)> open_live;
    // Starts the automatic update check, which goes on while the window is in
    // use and closes `owner` when it has started the update program. What it
    // gives back is the check: the window drops it when it closes, and that
    // ends the check at once.
    std::function<std::unique_ptr<QObject>(QWidget* owner)> start_update_check;
    std::function<bool(QWidget* owner)> start_manual_update;
    PrintOpener print_preview;
};

// The window's own controls: its tab pages, command buttons, menus and timer.
const ControlTable<NoPage>& MainWindowControls();

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Services& services, MainWindowOpeners openers, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The order of the pages' tabs.
    enum Page { kParlay = 0, kArbitrage = 1, kProbability = 2, kOdds = 3, kBetSlip = 4 };

    const Catalogue& CurrentCatalogue() const { return m_catalogue; }
    CalculatorTab* Tab(Page page) const { return m_tabs[page]; }
    CalculatorTab* FrontTab() const;

    // Opens a catalogue file of the data folder and captions everything again;
    // the choice is remembered in the user folder for the next start.
    void ChooseLanguage(const std::string& catalogue_file);

    // The two command buttons: each works on the page in front.
    void OnCalculate();
    void OnClear();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPages();
    QWidget* BuildCommandPanel(QWidget* client);
    void BuildMenu();
    void BuildHelpMenu(QMenuBar* bar);
    void BuildUpdateTimer();
    void FitToContents();
    // Enter moves the focus on, as Tab does, from the boxes the pages name; on a
    // button it presses the button.
    void EnterMovesFocus();
    void OnFirstShow();
    void Caption();
    template <typename Handler>
    void Guarded(Handler&& handler);

    void OnPrint();
    void OnHelp();
    void OnAbout();
    void OnLive();
    void OnSystemCalculator();
    void OnUpdateProgram();
    void OnExit();
    void OnUpdateTimer();

    Services& m_services;
    MainWindowOpeners m_openers;
    Catalogue m_catalogue;
    bool m_shown = false;
    Controls<> m_controls;

    QWidget* m_client = nullptr;
    QScrollArea* m_scroller = nullptr;
    QTabWidget* m_pages = nullptr;
    std::array<CalculatorTab*, 5> m_tabs{};
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clear = nullptr;
    QTimer* m_update_timer = nullptr;
    std::unique_ptr<QObject> m_update_check;
    std::optional<std::string> m_file_version;
    QMenu* m_language_menu = nullptr;
};

}  // namespace orvanta

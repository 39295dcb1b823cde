#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>

#include "core/grid/services.h"
#include "core/i18n/catalogue.h"
#include "core/i18n/language_choice.h"
#include "gui/main/calculator_tab.h"

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;

namespace orvanta {

// The windows and checks the main window opens. main() fills them with the
// real ones; tests with recorders.
struct MainWindowOpeners {
    std::function<void(QWidget* owner, int help_topic)> openHelp;
    std::function<void(QWidget* owner)> openAbout;
    std::function<void(QWidget* owner)> openLive;
    // True when the program should end (the update program was started).
    std::function<bool(QWidget* owner)> checkForUpdates;
    std::function<bool(QWidget* owner)> manualUpdate;
};

class TFrmMain : public QMainWindow {
    Q_OBJECT

public:
    TFrmMain(Services& services, MainWindowOpeners openers, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // Page order of PageControl1.
    enum Page { kParlay = 0, kArbitrage = 1, kProbability = 2, kOdds = 3 };

    const Catalogue& CurrentCatalogue() const { return m_catalogue; }
    bool CatalogueOpen() const { return m_catalogue_open; }
    CalculatorTab* Tab(Page page) const { return m_tabs[page]; }
    CalculatorTab* FrontTab() const;
    QTimer* UpdateTimer() const { return m_timer; }

    // Opens a catalogue file of the program folder and captions everything
    // again; the choice is remembered for the next start.
    void ChooseLanguage(const std::string& catalogue_file);

    void BitBtn1Click();
    void miClearClick();
    void miHelp1Click();
    void miAboutClick();
    void miLiveOrvantaClick();
    void miWinCalculatorClick();
    void miUpDateClick();
    void miExitClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void BuildPages();
    void FormShow();
    void CaptionAll();
    template <typename Handler>
    void Guarded(Handler&& handler);

    Services& m_services;
    MainWindowOpeners m_openers;
    Catalogue m_catalogue;
    bool m_catalogue_open = false;
    bool m_shown = false;

    QTabWidget* m_pages = nullptr;
    std::array<CalculatorTab*, 4> m_tabs{};
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clear = nullptr;
    QTimer* m_timer = nullptr;

    QAction* m_clear_action = nullptr;
    QAction* m_print_action = nullptr;
    QAction* m_calculator_action = nullptr;
    QAction* m_live_action = nullptr;
    QMenu* m_help_menu = nullptr;
    QAction* m_help_action = nullptr;
    QAction* m_about_action = nullptr;
    QAction* m_update_action = nullptr;
    QMenu* m_language_menu = nullptr;
    QAction* m_exit_action = nullptr;
};

}  // namespace orvanta

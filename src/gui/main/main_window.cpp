#include "gui/main/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/base/handler_guard.h"
#include "core/base/paths.h"
#include "core/help/about_texts.h"
#include "core/update/version_info.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/bet_slip_tab.h"
#include "gui/main/main_window_captions.h"
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/widgets/drawn_icons.h"
#include "gui/widgets/font_scale.h"
#include "gui/widgets/menu_keys.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/standard_texts.h"
#include "gui/widgets/window_fit.h"

namespace orvanta {

namespace captions = main_window_captions;

const ControlTable<NoPage>& MainWindowControls() {
    using C = Control<>;
    static const ControlTable<NoPage> table = {
        C::Own("FrmMain", "window"),
        C::Own("PageControl1", "pages")
            .NamedBy("parlay_page, arbitrage_page, probability_page, odds_page, bet_slip_page"),
        C::Own("TSParlayBetting", "parlay_page", captions::kParlayPage),
        C::Own("TSArbitrage", "arbitrage_page", captions::kArbitragePage),
        C::Own("TSProbability", "probability_page", captions::kProbabilityPage),
        C::Own("TSOdds", "odds_page", captions::kOddsPage),
        C::Own("TSBetSlip", "bet_slip_page", captions::kBetSlipPage),
        C::Own("Panel4", "command_panel").NamedBy("calculate, clear"),
        C::Own("BitBtn1", "calculate", captions::kCalculate),
        C::Own("BitBtn2", "clear", captions::kClear),
        C::Own("MainMenu1", "menu_bar")
            .NamedBy("clear_item, print_item, calculator_item, live_item, help_menu, exit_item"),
        C::Own("miClear", "clear_item", captions::kClear),
        C::Own("miPrint", "print_item", captions::kPrint),
        C::Own("miWinCalculator", "calculator_item", captions::kSystemCalculator),
        C::Own("miLiveOrvanta", "live_item", captions::kLive),
        C::Own("miHelp", "help_menu", captions::kHelpMenu),
        // The menu bar's item that opens the Help menu goes by the menu's name.
        C::Own("miHelp", "help_menu_on_bar", captions::kHelpMenu),
        C::Own("miHelp1", "help_item", captions::kHelp),
        C::Own("miAbout", "about_item", captions::kAbout),
        C::Own("miUpDate", "update_item", captions::kUpdate),
        C::Own("miLanguage", "language_menu", captions::kLanguage),
        C::Own("miLanguageGreek", "greek_item", "Ελληνικά"),
        C::Own("miLanguageEnglish", "english_item", "English"),
        C::Own("miExit", "exit_item", captions::kExit),
        C::Own("Timer1", "update_timer"),
    };
    return table;
}

namespace {

constexpr int kClientWidth = 606;
constexpr int kClientHeight = 440;
constexpr int kPanelHeight = 30;

// The desktop's calculator: the first one found on the PATH.
QString FindSystemCalculator() {
#ifdef _WIN32
    const QString system = qEnvironmentVariable("SystemRoot");
    return system.isEmpty() ? QString() : system + "\\System32\\Calc.exe";
#else
    for (const char* name :
         {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
#endif
}

}  // namespace

MainWindow::MainWindow(Services& services, MainWindowOpeners openers, QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_openers(std::move(openers)),
      m_controls(MainWindowControls()) {
    m_controls.Name(this, "window");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    m_client = new QWidget(this);
    auto* layout = new QVBoxLayout(m_client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    BuildPages();
    layout->addWidget(m_pages, 1);

    layout->addWidget(BuildCommandPanel(m_client));
    m_scroller = ScrollingContents(m_client, this);
    setCentralWidget(m_scroller);

    BuildMenu();
    BuildUpdateTimer();
    EnterMovesFocus();

    // The captions' own texts until the catalogue opens at the first showing; the
    // window's size is taken with them.
    Caption();
    FitToContents();
}

// The window's size: its own at the program's font, more where the font or the
// captions need it, and no more than the screen has room for (the pages then
// scroll).
void MainWindow::FitToContents() {
    const QSize contents = NeededSize(m_client).expandedTo(QSize(kClientWidth, kClientHeight));
    m_client->setMinimumSize(contents);
    m_scroller->setFixedSize(contents);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    const QSize whole = sizeHint();
    m_scroller->setMinimumSize(0, 0);
    m_scroller->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(FittedToScreen(this, whole));
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildUpdateTimer() {
    m_update_timer = m_controls.Name(new QTimer(this), "update_timer");
    m_update_timer->setInterval(1000);
    m_update_timer->setSingleShot(true);
    connect(m_update_timer, &QTimer::timeout, this, [this] { OnUpdateTimer(); });
}

void MainWindow::EnterMovesFocus() {
    for (CalculatorTab* tab : m_tabs) {
        for (QWidget* widget : tab->EnterMovesFocus()) {
            widget->installEventFilter(this);
        }
    }
}

QWidget* MainWindow::BuildCommandPanel(QWidget* client) {
    auto* panel = m_controls.Name(new QWidget(client), "command_panel");
    // Places drawn for the program's font, grown with a larger one.
    const FontScale scale(font());
    panel->setFixedHeight(scale.Down(kPanelHeight));
    m_calculate = m_controls.Name(new QPushButton(panel), "calculate");
    m_calculate->setGeometry(scale.Across(3), 3, scale.Across(134), scale.Down(25));
    m_calculate->setIcon(CalculateIcon());
    m_calculate->setAutoDefault(false);
    m_clear = m_controls.Name(new QPushButton(panel), "clear");
    m_clear->setGeometry(scale.Across(382), 3, scale.Across(123), scale.Down(25));
    panel->setMinimumWidth(m_clear->geometry().right() + scale.Across(3));
    m_clear->setIcon(ClearIcon());
    m_clear->setAutoDefault(false);
    connect(m_calculate, &QPushButton::clicked, this, [this] { OnCalculate(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { OnClear(); });
    return panel;
}

void MainWindow::BuildPages() {
    m_pages = m_controls.Name(new QTabWidget(this), "pages");
    QFont bold = m_pages->tabBar()->font();
    bold.setBold(true);
    m_pages->tabBar()->setFont(bold);

    m_tabs[kParlay] = new ParlayTab(m_services, m_catalogue, m_pages);
    m_tabs[kArbitrage] = new ArbitrageTab(m_services, m_catalogue, m_pages);
    m_tabs[kProbability] = new ProbabilityTab(m_services, m_catalogue, m_pages);
    m_tabs[kOdds] = new OddsTab(m_services, m_catalogue, m_pages);
    m_tabs[kBetSlip] = new BetSlipTab(m_services, m_catalogue, m_pages);
    const std::pair<Page, const char*> pages[] = {{kParlay, "parlay_page"},
                                                  {kArbitrage, "arbitrage_page"},
                                                  {kProbability, "probability_page"},
                                                  {kOdds, "odds_page"},
                                                  {kBetSlip, "bet_slip_page"}};
    for (const auto& [page, control] : pages) {
        m_pages->addTab(m_controls.Name(m_tabs[page], control), QString());
    }
    m_pages->setCurrentIndex(kArbitrage);
}

void MainWindow::BuildMenu() {
    QMenuBar* bar = m_controls.Name(menuBar(), "menu_bar");

    // A Qt menu bar shows an item's picture instead of its caption, so the
    // bar's own commands go as captions; pictures are on the items of the menus.
    auto add = [this, bar](const char* control, void (MainWindow::*handler)()) {
        QAction* action = m_controls.Name(bar->addAction(QString()), control);
        if (handler) {
            connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        }
    };
    add("clear_item", &MainWindow::OnClear);
    add("print_item", &MainWindow::OnPrint);
    add("calculator_item", &MainWindow::OnSystemCalculator);
    add("live_item", &MainWindow::OnLive);
    BuildHelpMenu(bar);
    add("exit_item", &MainWindow::OnExit);
    AddMenuBarKey(bar);
    // The desktop's key for Print, from every control of the window.
    QAction* print = m_controls.Made<QAction>("print_item");
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    addAction(print);
}

void MainWindow::BuildHelpMenu(QMenuBar* bar) {
    QMenu* help_menu = m_controls.Name(bar->addMenu(QString()), "help_menu");
    m_controls.Name(help_menu->menuAction(), "help_menu_on_bar");
    QAction* help = m_controls.Name(help_menu->addAction(HelpIcon(), QString()), "help_item");
    // F1 from every control of the window: the shortcut comes before the control sees the key.
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    QAction* about = m_controls.Name(help_menu->addAction(QString()), "about_item");
    QAction* update = m_controls.Name(help_menu->addAction(QString()), "update_item");
    connect(help, &QAction::triggered, this, [this] { OnHelp(); });
    connect(about, &QAction::triggered, this, [this] { OnAbout(); });
    connect(update, &QAction::triggered, this, [this] { OnUpdateProgram(); });

    m_language_menu = m_controls.Name(help_menu->addMenu(QString()), "language_menu");
    auto* languages = new QActionGroup(m_language_menu);
    const std::pair<const char*, const char*> choices[] = {{"greek_item", kGreekCatalogue},
                                                           {"english_item", kEnglishCatalogue}};
    for (const auto& [control, file] : choices) {
        QAction* action = m_controls.Name(m_language_menu->addAction(QString()), control);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(file));
        languages->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, file = std::string(file)] { ChooseLanguage(file); });
    }
}

template <typename Handler>
void MainWindow::Guarded(Handler&& handler) {
    RunGuarded(m_services.prompter, std::forward<Handler>(handler));
}

CalculatorTab* MainWindow::FrontTab() const {
    return m_tabs[static_cast<std::size_t>(
        std::clamp(m_pages->currentIndex(), 0, static_cast<int>(m_tabs.size()) - 1))];
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        Guarded([this] { OnFirstShow(); });
        // Fitted again with the catalogue's captions, and with the window's frame.
        FitToContents();
        CentreOnScreen(this);
        // Typing works at once: the focus starts in the first input of the page in front.
        if (QWidget* first = FrontTab()->FirstInput()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
}

void MainWindow::setVisible(bool visible) {
    QMainWindow::setVisible(visible);
    if (visible && !FitsOnScreen(this)) {
        FitToContents();
        CentreOnScreen(this);
    }
}

void MainWindow::OnFirstShow() {
    const Platform& platform = m_services.platform;
    m_catalogue =
        Catalogue(JoinPath(platform.DataFolder(), RememberedCatalogue(platform.UserFolder())));
    Caption();
    for (CalculatorTab* tab : m_tabs) {
        tab->Clear();
    }
    // An installed program is kept current by the system's package manager.
    if (!platform.IsInstalled()) {
        m_update_timer->start();
    }
}

void MainWindow::Caption() {
    // The program file does not change under a running program: read once.
    if (!m_file_version) {
        m_file_version = ReadVersionInfo(m_services.platform.ProgramFile()).file_version;
    }
    setWindowTitle(ToQt(m_catalogue.Read(captions::kTitle)) +
                   "   Version:" + ToQt(*m_file_version));
    // The boxes and menus Qt makes speak the window's language too.
    UseStandardTexts(m_catalogue);
    m_controls.Caption(m_catalogue);
    for (CalculatorTab* tab : m_tabs) {
        tab->Caption();
    }
    const QString open_file = ToQt(FileNameOf(m_catalogue.FileName()));
    for (QAction* action : m_language_menu->actions()) {
        action->setChecked(action->data().toString() == open_file);
    }
}

void MainWindow::ChooseLanguage(const std::string& catalogue_file) {
    Guarded([&] {
        m_catalogue = Catalogue(JoinPath(m_services.platform.DataFolder(), catalogue_file));
        Caption();
        FitToContents();
        RememberCatalogue(m_services.platform.UserFolder(), catalogue_file,
                          m_services.write_faults);
    });
}

void MainWindow::OnCalculate() {
    Guarded([this] { FrontTab()->Calculate(); });
}

void MainWindow::OnClear() {
    Guarded([this] {
        // Enter keeps the page: only a deliberate Yes wipes it.
        if (m_services.prompter.AskYesNo(m_catalogue.Read(captions::kClearQuestion),
                                         DefaultAnswer::kNo)) {
            FrontTab()->Clear();
        }
    });
}

void MainWindow::OnPrint() {
    Guarded([this] {
        if (m_openers.print_preview) {
            Printout printout;
            printout.title = m_pages->tabText(m_pages->currentIndex()).remove(QLatin1Char('&'));
            printout.parts.append({FrontTab(), QRect()});
            m_openers.print_preview(this, printout);
        }
    });
}

void MainWindow::OnHelp() {
    Guarded([this] {
        if (m_openers.open_help) {
            m_openers.open_help(this, FrontTab()->HelpTopic());
        }
    });
}

void MainWindow::OnAbout() {
    Guarded([this] {
        if (m_openers.open_about) {
            m_openers.open_about(this);
        }
    });
}

void MainWindow::OnLive() {
    Guarded([this] {
        if (m_openers.open_live) {
            m_openers.open_live(this);
            // The live window shares the margin method, and may have changed it.
            static_cast<ProbabilityTab*>(m_tabs[kProbability])->FollowRememberedMethod();
        }
    });
}

void MainWindow::OnSystemCalculator() {
    Guarded([this] {
        const QString calculator = FindSystemCalculator();
        if (calculator.isEmpty() || !m_services.platform.StartProgram(FromQt(calculator))) {
            m_services.prompter.ShowMessage(m_catalogue.Read(captions::kNoCalculator));
        }
    });
}

void MainWindow::OnUpdateProgram() {
    bool close_now = false;
    Guarded(
        [&] { close_now = m_openers.start_manual_update && m_openers.start_manual_update(this); });
    if (close_now) {
        close();
    }
}

void MainWindow::OnExit() {
    Guarded([this] { m_services.platform.OpenUrl(HomePageUrl()); });
    close();
}

void MainWindow::OnUpdateTimer() {
    m_update_timer->stop();
    Guarded([this] {
        if (m_openers.start_update_check) {
            m_update_check = m_openers.start_update_check(this);
        }
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The catalogue is let go; a second close request finds nothing more to do.
    // A check still under way ends here: no question after the window has gone.
    m_update_check.reset();
    m_catalogue = Catalogue();
    m_update_timer->stop();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        m_services.separator = SystemDecimalSeparator();
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(watched, &tab);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvanta

#include "gui/main/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
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
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/widgets/drawn_icons.h"
#include "gui/widgets/menu_keys.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

constexpr int kClientWidth = 606;
constexpr int kClientHeight = 440;
constexpr int kPanelHeight = 30;

// What the window's own controls say; the pages caption themselves.
namespace captions {
constexpr CatalogueText kTitle{"FrmMain", "Caption", ""};
constexpr CatalogueText kParlayPage{"FrmMain", "PARLAY_BETTING", "PARLAY_BETTING"};
constexpr CatalogueText kArbitragePage{"FrmMain", "ARBITRAGE", "ARBITRAGE"};
constexpr CatalogueText kProbabilityPage{"FrmMain", "PROBABILITY", "PROBABILITY"};
constexpr CatalogueText kOddsPage{"FrmMain", "ODDS", "ODDS"};
constexpr CatalogueText kCalculate{"FrmMain", "BtnCalculat", "Calculate"};
constexpr CatalogueText kClear{"FrmMain", "Clear", "Clear"};
constexpr CatalogueText kPrint{"FrmMain", "Print", "Print"};
constexpr CatalogueText kSystemCalculator{"FrmMain", "miWinCalculator", "WinCalculator"};
constexpr CatalogueText kLive{"FrmMain", "miLiveOrvanta", "Live Orvanta"};
constexpr CatalogueText kHelpMenu{"FrmMain", "miHelp", "Help"};
constexpr CatalogueText kHelp{"FrmMain", "Help", "Help"};
constexpr CatalogueText kAbout{"FrmMain", "About", "About"};
constexpr CatalogueText kUpdate{"FrmMain", "miUpDate", "UpDate Program"};
constexpr CatalogueText kExit{"FrmMain", "Exit", "Exit"};
}  // namespace captions

// The window's controls: object name, caption, or a text the same in every language.
namespace controls {
// clang-format off
constexpr WindowControl kWindow          {"FrmMain"};
constexpr WindowControl kPages           {"PageControl1"};
constexpr WindowControl kParlayPage      {"TSParlayBetting", &captions::kParlayPage};
constexpr WindowControl kArbitragePage   {"TSArbitrage", &captions::kArbitragePage};
constexpr WindowControl kProbabilityPage {"TSProbability", &captions::kProbabilityPage};
constexpr WindowControl kOddsPage        {"TSOdds", &captions::kOddsPage};
constexpr WindowControl kCommandPanel    {"Panel4"};
constexpr WindowControl kCalculate       {"BitBtn1", &captions::kCalculate};
constexpr WindowControl kClear           {"BitBtn2", &captions::kClear};
constexpr WindowControl kMenuBar         {"MainMenu1"};
constexpr WindowControl kClearItem       {"miClear", &captions::kClear};
constexpr WindowControl kPrintItem       {"miPrint", &captions::kPrint};
constexpr WindowControl kCalculatorItem  {"miWinCalculator", &captions::kSystemCalculator};
constexpr WindowControl kLiveItem        {"miLiveOrvanta", &captions::kLive};
constexpr WindowControl kHelpMenu        {"miHelp", &captions::kHelpMenu};
constexpr WindowControl kHelpItem        {"miHelp1", &captions::kHelp};
constexpr WindowControl kAboutItem       {"miAbout", &captions::kAbout};
constexpr WindowControl kUpdateItem      {"miUpDate", &captions::kUpdate};
constexpr WindowControl kLanguageMenu    {"miLanguage", nullptr, "Language"};
constexpr WindowControl kGreekItem       {"miLanguageGreek", nullptr, "Ελληνικά"};
constexpr WindowControl kEnglishItem     {"miLanguageEnglish", nullptr, "English"};
constexpr WindowControl kExitItem        {"miExit", &captions::kExit};
constexpr WindowControl kUpdateTimer     {"Timer1"};
// clang-format on
}  // namespace controls

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
    : QMainWindow(parent), m_services(services), m_openers(std::move(openers)) {
    m_controls.Name(this, controls::kWindow);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    BuildPages();
    layout->addWidget(m_pages, 1);

    auto* panel = m_controls.Name(new QWidget(client), controls::kCommandPanel);
    panel->setFixedHeight(kPanelHeight);
    m_calculate = m_controls.Name(new QPushButton(panel), controls::kCalculate);
    m_calculate->setGeometry(3, 3, 134, 25);
    m_calculate->setIcon(CalculateIcon());
    m_calculate->setAutoDefault(false);
    m_clear = m_controls.Name(new QPushButton(panel), controls::kClear);
    m_clear->setGeometry(382, 3, 123, 25);
    m_clear->setIcon(ClearIcon());
    m_clear->setAutoDefault(false);
    layout->addWidget(panel);
    setCentralWidget(client);
    client->setFixedSize(kClientWidth, kClientHeight);

    connect(m_calculate, &QPushButton::clicked, this, [this] { OnCalculate(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { OnClear(); });

    BuildMenu();

    m_update_timer = m_controls.Name(new QTimer(this), controls::kUpdateTimer);
    m_update_timer->setInterval(1000);
    m_update_timer->setSingleShot(true);
    connect(m_update_timer, &QTimer::timeout, this, [this] { OnUpdateTimer(); });

    // Enter in these moves the focus on, as Tab does.
    for (CalculatorTab* tab : m_tabs) {
        for (QWidget* widget : tab->EnterMovesFocus()) {
            widget->installEventFilter(this);
        }
    }
    m_calculate->installEventFilter(this);

    // The captions' own texts until the catalogue opens at the first showing; the
    // window's size is taken with them.
    Caption();
    adjustSize();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
    m_pages = m_controls.Name(new QTabWidget(this), controls::kPages);
    QFont bold = m_pages->tabBar()->font();
    bold.setBold(true);
    m_pages->tabBar()->setFont(bold);

    m_tabs[kParlay] = new ParlayTab(m_services, m_catalogue, m_pages);
    m_tabs[kArbitrage] = new ArbitrageTab(m_services, m_catalogue, m_pages);
    m_tabs[kProbability] = new ProbabilityTab(m_services, m_catalogue, m_pages);
    m_tabs[kOdds] = new OddsTab(m_services, m_catalogue, m_pages);
    const std::pair<Page, const WindowControl&> pages[] = {
        {kParlay, controls::kParlayPage},
        {kArbitrage, controls::kArbitragePage},
        {kProbability, controls::kProbabilityPage},
        {kOdds, controls::kOddsPage}};
    for (const auto& [page, row] : pages) {
        m_pages->addTab(m_controls.Name(m_tabs[page], row), QString());
    }
    m_pages->setCurrentIndex(kArbitrage);
}

void MainWindow::BuildMenu() {
    QMenuBar* bar = m_controls.Name(menuBar(), controls::kMenuBar);

    // A Qt menu bar shows an item's picture instead of its caption, so the
    // bar's own commands go as captions; pictures are on the items of the menus.
    auto add = [this, bar](const WindowControl& row) {
        return m_controls.Name(bar->addAction(QString()), row);
    };
    QAction* clear = add(controls::kClearItem);
    add(controls::kPrintItem);  // printing does nothing
    QAction* calculator = add(controls::kCalculatorItem);
    QAction* live = add(controls::kLiveItem);

    QMenu* help_menu = m_controls.Name(bar->addMenu(QString()), controls::kHelpMenu);
    help_menu->menuAction()->setObjectName(help_menu->objectName());
    QAction* help =
        m_controls.Name(help_menu->addAction(HelpIcon(), QString()), controls::kHelpItem);
    // F1 from every control of the window: the shortcut comes before the control sees the key.
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    QAction* about = m_controls.Name(help_menu->addAction(QString()), controls::kAboutItem);
    QAction* update = m_controls.Name(help_menu->addAction(QString()), controls::kUpdateItem);

    m_language_menu = m_controls.Name(help_menu->addMenu(QString()), controls::kLanguageMenu);
    auto* languages = new QActionGroup(m_language_menu);
    const std::pair<const WindowControl&, const char*> choices[] = {
        {controls::kGreekItem, kGreekCatalogue}, {controls::kEnglishItem, kEnglishCatalogue}};
    for (const auto& [row, file] : choices) {
        QAction* action = m_controls.Name(m_language_menu->addAction(QString()), row);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(file));
        languages->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, file = std::string(file)] { ChooseLanguage(file); });
    }

    QAction* exit = add(controls::kExitItem);
    AddMenuBarKey(bar);

    connect(clear, &QAction::triggered, this, [this] { OnClear(); });
    connect(calculator, &QAction::triggered, this, [this] { OnSystemCalculator(); });
    connect(live, &QAction::triggered, this, [this] { OnLive(); });
    connect(help, &QAction::triggered, this, [this] { OnHelp(); });
    connect(about, &QAction::triggered, this, [this] { OnAbout(); });
    connect(update, &QAction::triggered, this, [this] { OnUpdateProgram(); });
    connect(exit, &QAction::triggered, this, [this] { OnExit(); });
}

template <typename Handler>
void MainWindow::Guarded(Handler&& handler) {
    RunGuarded(m_services.prompter, std::forward<Handler>(handler));
}

CalculatorTab* MainWindow::FrontTab() const {
    return m_tabs[static_cast<std::size_t>(std::clamp(m_pages->currentIndex(), 0, 3))];
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        if (const QScreen* screen = QApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
        Guarded([this] { OnFirstShow(); });
        // Typing works at once: the focus starts in the first input of the page in front.
        if (QWidget* first = FrontTab()->FirstInput()) {
            first->setFocus(Qt::OtherFocusReason);
        }
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
        RememberCatalogue(m_services.platform.UserFolder(), catalogue_file,
                          m_services.write_faults);
    });
}

void MainWindow::OnCalculate() {
    Guarded([this] { FrontTab()->Calculate(); });
}

void MainWindow::OnClear() {
    Guarded([this] {
        if (m_services.prompter.AskYesNo("Clear All Information ?")) {
            FrontTab()->Clear();
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
        }
    });
}

void MainWindow::OnSystemCalculator() {
    Guarded([this] {
        const QString calculator = FindSystemCalculator();
        if (!calculator.isEmpty()) {
            m_services.platform.StartProgram(FromQt(calculator));
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

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

#include "core/grid/handler_guard.h"
#include "core/grid/paths.h"
#include "core/help/about_texts.h"
#include "core/update/version_info.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/widgets/menu_keys.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

constexpr int kClientWidth = 606;
constexpr int kClientHeight = 440;
constexpr int kPanelHeight = 30;

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name),
                            QApplication::style()->standardIcon(fallback));
}

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

TFrmMain::TFrmMain(Services& services, MainWindowOpeners openers, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_openers(std::move(openers)) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Calculator"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    BuildPages();
    layout->addWidget(m_pages, 1);

    auto* panel = new QWidget(client);
    panel->setObjectName(QStringLiteral("Panel4"));
    panel->setFixedHeight(kPanelHeight);
    m_calculate = new QPushButton(QStringLiteral("Calculate"), panel);
    m_calculate->setObjectName(QStringLiteral("BitBtn1"));
    m_calculate->setGeometry(3, 3, 134, 25);
    m_calculate->setIcon(ThemeIcon("accessories-calculator", QStyle::SP_DialogApplyButton));
    m_calculate->setAutoDefault(false);
    m_clear = new QPushButton(QStringLiteral("Clear  "), panel);
    m_clear->setObjectName(QStringLiteral("BitBtn2"));
    m_clear->setGeometry(382, 3, 123, 25);
    m_clear->setIcon(ThemeIcon("edit-clear", QStyle::SP_DialogResetButton));
    m_clear->setAutoDefault(false);
    layout->addWidget(panel);
    setCentralWidget(client);
    client->setFixedSize(kClientWidth, kClientHeight);

    connect(m_calculate, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { miClearClick(); });

    BuildMenu();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { Timer1Timer(); });

    // Enter in these moves the focus on, as Tab does.
    for (CalculatorTab* tab : m_tabs) {
        for (QWidget* widget : tab->EnterMovesFocus()) {
            widget->installEventFilter(this);
        }
    }
    m_calculate->installEventFilter(this);

    adjustSize();
    setFixedSize(sizeHint());
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::BuildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    QFont bold = m_pages->tabBar()->font();
    bold.setBold(true);
    m_pages->tabBar()->setFont(bold);

    m_tabs[kParlay] = new ParlayTab(m_services, m_catalogue, m_pages);
    m_tabs[kArbitrage] = new ArbitrageTab(m_services, m_catalogue, m_pages);
    m_tabs[kProbability] = new ProbabilityTab(m_services, m_catalogue, m_pages);
    m_tabs[kOdds] = new OddsTab(m_services, m_catalogue, m_pages);
    m_tabs[kParlay]->setObjectName(QStringLiteral("TSParlayBetting"));
    m_tabs[kArbitrage]->setObjectName(QStringLiteral("TSArbitrage"));
    m_tabs[kProbability]->setObjectName(QStringLiteral("TSProbability"));
    m_tabs[kOdds]->setObjectName(QStringLiteral("TSOdds"));
    m_pages->addTab(m_tabs[kParlay], QStringLiteral("PARLAY BETTING"));
    m_pages->addTab(m_tabs[kArbitrage], QStringLiteral("ARBITRAGE"));
    m_pages->addTab(m_tabs[kProbability], QStringLiteral("PROBABILITY"));
    m_pages->addTab(m_tabs[kOdds], QStringLiteral("ODDS"));
    m_pages->setCurrentIndex(kArbitrage);
}

void TFrmMain::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    // A Qt menu bar shows an item's picture instead of its caption, so the
    // bar's own commands go as captions; pictures are on the items of the menus.
    auto add = [](QMenuBar* menu_bar, const char* name, const QString& caption) {
        QAction* action = menu_bar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    m_clear_action = add(bar, "miClear", QStringLiteral("Clear"));
    m_print_action = add(bar, "miPrint", QStringLiteral("Print  "));
    m_calculator_action = add(bar, "miWinCalculator", QStringLiteral("Win Calculator"));
    m_live_action = add(bar, "miLiveOrvanta", QStringLiteral("LiveOrvanta"));

    m_help_menu = bar->addMenu(QStringLiteral("Help"));
    m_help_menu->setObjectName(QStringLiteral("miHelp"));
    m_help_menu->menuAction()->setObjectName(QStringLiteral("miHelp"));
    m_help_action = m_help_menu->addAction(ThemeIcon("help-contents", QStyle::SP_DialogHelpButton),
                                           QStringLiteral("Help"));
    m_help_action->setObjectName(QStringLiteral("miHelp1"));
    // F1 from every control of the window: the shortcut comes before the control sees the key.
    m_help_action->setShortcut(QKeySequence(Qt::Key_F1));
    m_help_action->setShortcutContext(Qt::WindowShortcut);
    addAction(m_help_action);
    m_about_action = m_help_menu->addAction(QStringLiteral("About"));
    m_about_action->setObjectName(QStringLiteral("miAbout"));
    m_update_action = m_help_menu->addAction(QStringLiteral("UpDate"));
    m_update_action->setObjectName(QStringLiteral("miUpDate"));

    m_language_menu = m_help_menu->addMenu(QStringLiteral("Language"));
    m_language_menu->setObjectName(QStringLiteral("miLanguage"));
    auto* languages = new QActionGroup(m_language_menu);
    const std::pair<const char*, const char*> choices[] = {
        {"miLanguageGreek", kGreekCatalogue}, {"miLanguageEnglish", kEnglishCatalogue}};
    const QString names[] = {QStringLiteral("Ελληνικά"), QStringLiteral("English")};
    for (int i = 0; i < 2; ++i) {
        QAction* action = m_language_menu->addAction(names[i]);
        action->setObjectName(QString::fromLatin1(choices[i].first));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(choices[i].second));
        languages->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, file = std::string(choices[i].second)] { ChooseLanguage(file); });
    }

    m_exit_action = add(bar, "miExit", QStringLiteral("Exit"));
    AddMenuBarKey(bar);

    connect(m_clear_action, &QAction::triggered, this, [this] { miClearClick(); });
    // miPrint has no action.
    connect(m_calculator_action, &QAction::triggered, this, [this] { miWinCalculatorClick(); });
    connect(m_live_action, &QAction::triggered, this, [this] { miLiveOrvantaClick(); });
    connect(m_help_action, &QAction::triggered, this, [this] { miHelp1Click(); });
    connect(m_about_action, &QAction::triggered, this, [this] { miAboutClick(); });
    connect(m_update_action, &QAction::triggered, this, [this] { miUpDateClick(); });
    connect(m_exit_action, &QAction::triggered, this, [this] { miExitClick(); });
}

template <typename Handler>
void TFrmMain::Guarded(Handler&& handler) {
    RunGuarded(m_services.prompter, std::forward<Handler>(handler));
}

CalculatorTab* TFrmMain::FrontTab() const {
    return m_tabs[static_cast<std::size_t>(std::clamp(m_pages->currentIndex(), 0, 3))];
}

void TFrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        if (const QScreen* screen = QApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
        Guarded([this] { FormShow(); });
        // Typing works at once: the focus starts in the first input of the page in front.
        if (QWidget* first = FrontTab()->FirstInput()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
}

void TFrmMain::FormShow() {
    const std::string folder = m_services.platform.ProgramFolder();
    m_catalogue = Catalogue(JoinPath(folder, RememberedCatalogue(folder)));
    m_catalogue_open = true;
    CaptionAll();
    m_tabs[kParlay]->InitPage();
    m_tabs[kArbitrage]->InitPage();
    m_tabs[kProbability]->InitPage();
    m_tabs[kOdds]->InitPage();
    m_timer->start();
}

void TFrmMain::CaptionAll() {
    const TVersionInfo version = ReadVersionInfo(m_services.platform.ProgramFile());
    auto text = [this](const char* key, const char* default_text) {
        return ToQt(m_catalogue.ReadString("FrmMain", key, default_text));
    };
    setWindowTitle(text("Caption", "") + "   Version:" + ToQt(version.FileVersion));
    m_calculate->setText(text("BtnCalculat", "Calculate"));
    m_pages->setTabText(kParlay, text("PARLAY_BETTING", "PARLAY_BETTING"));
    m_pages->setTabText(kArbitrage, text("ARBITRAGE", "ARBITRAGE"));
    m_pages->setTabText(kOdds, text("ODDS", "ODDS"));
    m_pages->setTabText(kProbability, text("PROBABILITY", "PROBABILITY"));
    m_clear->setText(text("Clear", "Clear"));
    m_about_action->setText(text("About", "About"));
    m_clear_action->setText(text("Clear", "Clear"));
    m_exit_action->setText(text("Exit", "Exit"));
    m_help_menu->setTitle(text("miHelp", "Help"));
    m_help_action->setText(text("Help", "Help"));
    m_live_action->setText(text("miLiveOrvanta", "Live Orvanta"));
    m_print_action->setText(text("Print", "Print"));
    m_update_action->setText(text("miUpDate", "UpDate Program"));
    m_calculator_action->setText(text("miWinCalculator", "WinCalculator"));
    for (CalculatorTab* tab : m_tabs) {
        tab->Caption();
    }
    const QString open_file = ToQt(FileNameOf(m_catalogue.FileName()));
    for (QAction* action : m_language_menu->actions()) {
        action->setChecked(action->data().toString() == open_file);
    }
}

void TFrmMain::ChooseLanguage(const std::string& catalogue_file) {
    Guarded([&] {
        m_catalogue = Catalogue(JoinPath(m_services.platform.ProgramFolder(), catalogue_file));
        m_catalogue_open = true;
        CaptionAll();
        RememberCatalogue(m_services.platform.ProgramFolder(), catalogue_file,
                          m_services.write_faults);
    });
}

void TFrmMain::BitBtn1Click() {
    Guarded([this] { FrontTab()->CalcPage(); });
}

void TFrmMain::miClearClick() {
    Guarded([this] {
        if (m_services.prompter.AskYesNo("Clear All Information ?")) {
            FrontTab()->InitPage();
        }
    });
}

void TFrmMain::miHelp1Click() {
    Guarded([this] {
        if (m_openers.openHelp) {
            m_openers.openHelp(this, FrontTab()->HelpTopic());
        }
    });
}

void TFrmMain::miAboutClick() {
    Guarded([this] {
        if (m_openers.openAbout) {
            m_openers.openAbout(this);
        }
    });
}

void TFrmMain::miLiveOrvantaClick() {
    Guarded([this] {
        if (m_openers.openLive) {
            m_openers.openLive(this);
        }
    });
}

void TFrmMain::miWinCalculatorClick() {
    Guarded([this] {
        const QString calculator = FindSystemCalculator();
        if (!calculator.isEmpty()) {
            m_services.platform.StartProgram(FromQt(calculator));
        }
    });
}

void TFrmMain::miUpDateClick() {
    bool close_now = false;
    Guarded([&] { close_now = m_openers.manualUpdate && m_openers.manualUpdate(this); });
    if (close_now) {
        close();
    }
}

void TFrmMain::miExitClick() {
    Guarded([this] { m_services.platform.OpenUrl(HomePageUrl()); });
    close();
}

void TFrmMain::Timer1Timer() {
    m_timer->stop();
    bool close_now = false;
    Guarded([&] { close_now = m_openers.checkForUpdates && m_openers.checkForUpdates(this); });
    if (close_now) {
        close();
    }
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    // Released once; a second close request finds nothing more to do.
    if (m_catalogue_open) {
        m_catalogue = Catalogue();
        m_catalogue_open = false;
    }
    m_timer->stop();
    event->accept();
}

void TFrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        m_services.separator = SystemDecimalSeparator();
    }
    QMainWindow::changeEvent(event);
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event) {
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

// The main window and its ARBITRAGE page, driven as a user drives them.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "core/update/vendor.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/main_window.h"
#include "gui/main/parlay_tab.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

using testing::Edit;
using testing::GuiScene;
using testing::MainControl;
using testing::MakeWindow;
using testing::PressKey;
using testing::Recorded;
using testing::SetBox;
using testing::Type;

namespace {

namespace captions = main_window_captions;
using A = ArbitragePage;

ArbitrageTab* Arbitrage(MainWindow& window) {
    return static_cast<ArbitrageTab*>(window.Tab(MainWindow::kArbitrage));
}

// Types one odds text into the arbitrage grid's cell (col, 1) and ends the edit.
void TypeOdds(ArbitrageTab* tab, int col, const QString& text) {
    testing::TypeInto(tab->Grid(), col, 1, text);
}

QString Cell(ArbitrageTab* tab, int col, int row) {
    return QString::fromStdString(tab->Page().outcomes.Cell(col, row));
}

QColor BoxColour(QLineEdit* edit) {
    return edit->palette().color(QPalette::Base);
}

// A key as the desktop delivers it: to the open menu when there is one, else to
// the focused control.
void KeyToFront(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target) {
        target = QApplication::focusWidget();
    }
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

// Alt pressed and released with no other key between.
void AltAlone() {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(target, Qt::Key_Alt, Qt::NoModifier);
}

// What a control of the window shows as its caption: a menu item's or a
// button's text, a menu's title, a page's tab.
QString ShownCaption(MainWindow& window, const QString& control) {
    const QString name = testing::ObjectName(MainWindowControls(), control.toLatin1().constData());
    if (auto* action = window.findChild<QAction*>(name)) {
        return testing::ReadCaption(action);
    }
    if (auto* menu = window.findChild<QMenu*>(name)) {
        return testing::ReadCaption(menu);
    }
    if (auto* button = window.findChild<QPushButton*>(name)) {
        return testing::ReadCaption(button);
    }
    auto* pages = testing::Pages(window);
    if (QWidget* page = pages->findChild<QWidget*>(name)) {
        return pages->tabText(pages->indexOf(page));
    }
    return QStringLiteral("<no control %1>").arg(name);
}

// The name automation knows the bar's item by.
QString MenuItemName(const char* item) {
    return testing::ObjectName(MainWindowControls(), item);
}

QString ActiveMenuItem(MainWindow& window) {
    QAction* action = window.menuBar()->activeAction();
    return action ? action->objectName() : QString();
}

// Whether the highlighted item of the bar is drawn in the highlight colour, so
// that the user sees where the keyboard is.
bool ActiveItemLooksHighlighted(MainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QAction* action = bar->activeAction();
    if (!action) {
        return false;
    }
    const QRect item = bar->actionGeometry(action);
    const QImage image = bar->grab(item).toImage();
    const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb();
    return image.pixel(image.width() / 2, 2) == highlight;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void opensWithArbitrageInFrontAndDefaultsWithoutCatalogue() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* pages = testing::Pages(*window);
        QVERIFY(pages);
        QCOMPARE(pages->currentIndex(), int(MainWindow::kArbitrage));
        QCOMPARE(pages->tabText(MainWindow::kParlay), QStringLiteral("PARLAY_BETTING"));
        QCOMPARE(pages->tabText(MainWindow::kArbitrage), QStringLiteral("ARBITRAGE"));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("   Version:") + QString::fromLatin1(vendor::kVersionText));
        QCOMPARE(testing::Find<QLabel>(*window, ParlayControls(), parlay_captions::kSum)->text(),
                 QString());
        QCOMPARE(testing::ReadCaption(MainControl<QPushButton>(*window, captions::kCalculate)),
                 QStringLiteral("Calculate"));
        QCOMPARE(
            testing::Find<QLabel>(*window, ArbitrageControls(), arbitrage_captions::kMultiplier)
                ->text(),
            QStringLiteral("Wager Multiplay"));
        // Every control carries its name.
        const std::pair<const char*, QWidget*> controls[] = {
            {"multiplier", Edit(*window, &A::multiplier)},
            {"win_pay_target", Edit(*window, &A::win_pay_target)},
            {"sure_profit_percent", Edit(*window, &A::sure_profit_percent)},
            {"sure_profit", Edit(*window, &A::sure_profit)},
            {"total_wager", Edit(*window, &A::total_wager)},
            {"margin", Edit(*window, &ProbabilityPage::margin)},
            {"cut_percent", Edit(*window, &OddsPage::cut_percent)},
            {"total_staked", Edit(*window, &ParlaySheet::total_staked)},
            {"outcomes", testing::Find(*window, ArbitrageControls(), &A::outcomes)},
            {"probabilities",
             testing::Find(*window, ProbabilityControls(), &ProbabilityPage::outcomes)},
            {"records", testing::Find(*window, OddsControls(), &OddsPage::records)},
            {"prices", testing::Find(*window, OddsControls(), &OddsPage::prices)},
            {"selections", testing::Find(*window, ParlayControls(), &ParlaySheet::selections)},
            {"clear", MainControl(*window, "clear")},
            {"command_panel", MainControl(*window, "command_panel")}};
        for (const auto& [what, control] : controls) {
            QVERIFY2(control, what);
        }
        for (const char* item : {"clear_item", "print_item", "calculator_item", "live_item",
                                 "help_item", "about_item", "update_item", "exit_item"}) {
            QVERIFY2(MainControl<QAction>(*window, item), item);
        }
        QCOMPARE(Edit(*window, &A::multiplier)->text(), QStringLiteral("1"));
        QCOMPARE(Edit(*window, &A::sure_profit_percent)->text(), QStringLiteral("0%"));
    }

    // Each control of the window under its own caption: without a catalogue,
    // then in English and in Greek.
    void everyControlUnderItsCaption_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("none");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("greek");
        // clang-format off
        QTest::newRow("Calculate")       << "calculate"        << "Calculate"      << "Calculate"      << "Υπολογισμός";
        QTest::newRow("Clear")           << "clear"            << "Clear"          << "Clear"          << "Καθαρισμός";
        QTest::newRow("parlay tab")      << "parlay_page"      << "PARLAY_BETTING" << "PARLAY BETTING" << "ΠΑΡΟΛΙ";
        QTest::newRow("arbitrage tab")   << "arbitrage_page"   << "ARBITRAGE"      << "ARBITRAGE"      << "ΑΡΜΠΙΤΡΑΖ";
        QTest::newRow("probability tab") << "probability_page" << "PROBABILITY"    << "PROBABILITY"    << "ΠΙΘΑΝΟΤΗΤΕΣ";
        QTest::newRow("odds tab")        << "odds_page"        << "ODDS"           << "ODDS"           << "ΑΠΟΔΟΣΕΙΣ";
        QTest::newRow("Clear item")      << "clear_item"       << "Clear"          << "Clear"          << "Καθαρισμός";
        QTest::newRow("Print item")      << "print_item"       << "Print"          << "Print"          << "Εκτύπωση";
        QTest::newRow("calculator item") << "calculator_item"  << "WinCalculator"  << "Calculator"     << "Αριθμομηχανή";
        QTest::newRow("live item")       << "live_item"        << "Live Orvanta"   << "Live Orvanta"   << "Live Orvanta";
        QTest::newRow("Help menu")       << "help_menu"        << "Help"           << "Help"           << "Βοήθεια";
        QTest::newRow("Help item")       << "help_item"        << "Help"           << "Help"           << "Βοήθεια";
        QTest::newRow("About item")      << "about_item"       << "About"          << "About"          << "Πληροφορίες";
        QTest::newRow("update item")     << "update_item"      << "UpDate Program" << "Update Program" << "Ενημέρωση Προγράμματος";
        QTest::newRow("Language menu")   << "language_menu"    << "Language"       << "Language"       << "Γλώσσα";
        QTest::newRow("Greek item")      << "greek_item"       << "Ελληνικά"       << "Ελληνικά"       << "Ελληνικά";
        QTest::newRow("English item")    << "english_item"     << "English"        << "English"        << "English";
        QTest::newRow("Exit item")       << "exit_item"        << "Exit"           << "Exit"           << "Έξοδος";
        // clang-format on
    }

    void everyControlUnderItsCaption() {
        QFETCH(QString, control);
        QFETCH(QString, none);
        QFETCH(QString, english);
        QFETCH(QString, greek);
        {
            GuiScene scene;
            Recorded recorded;
            auto window = MakeWindow(scene, recorded);
            QVERIFY(testing::ShowAndActivate(window.get()));
            QCOMPARE(ShownCaption(*window, control), none);
        }
        GuiScene scene;
        scene.AddCatalogues();
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QCOMPARE(ShownCaption(*window, control), greek);
        window->ChooseLanguage(kEnglishCatalogue);
        QCOMPARE(ShownCaption(*window, control), english);
    }

    void greekCaptionsThenEnglishWithoutTouchingData() {
        GuiScene scene;
        scene.AddCatalogues();
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* pages = testing::Pages(*window);
        QCOMPARE(pages->tabText(MainWindow::kArbitrage), QStringLiteral("ΑΡΜΠΙΤΡΑΖ"));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Orvanta   Version:")));

        ArbitrageTab* tab = Arbitrage(*window);
        TypeOdds(tab, 0, QStringLiteral("2.5"));
        TypeOdds(tab, 1, QStringLiteral("1.8"));
        window->OnCalculate();
        QCOMPARE(Cell(tab, 0, 2), QStringLiteral("1.72"));

        MainControl<QAction>(*window, "english_item")->trigger();
        QCOMPARE(pages->tabText(MainWindow::kArbitrage), QStringLiteral("ARBITRAGE"));
        QCOMPARE(pages->tabText(MainWindow::kParlay), QStringLiteral("PARLAY BETTING"));
        QCOMPARE(testing::ReadCaption(MainControl<QPushButton>(*window, captions::kCalculate)),
                 QStringLiteral("Calculate"));
        QCOMPARE(Cell(tab, 0, 1), QStringLiteral("2.5"));
        QCOMPARE(Cell(tab, 0, 2), QStringLiteral("1.72"));
        QCOMPARE(Edit(*window, &A::sure_profit)->text(), QStringLiteral("0.19"));
        // The parlay header row follows the language; its data rows stay.
        auto* parlay = static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay));
        QCOMPARE(QString::fromStdString(parlay->Sheet().selections.Cell(1, 0)),
                 QStringLiteral("Odds"));
        QCOMPARE(QString::fromStdString(parlay->Sheet().selections.Cell(2, 1)),
                 QStringLiteral("WIN"));

        // The choice holds at the next start.
        QCOMPARE(QString::fromStdString(scene.folder.Read(kLanguageChoiceFile)).trimmed(),
                 QStringLiteral("Orvanta_EN.ini"));
        window->close();
        auto again = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(again.get()));
        QCOMPARE(testing::Pages(*again)->tabText(MainWindow::kArbitrage),
                 QStringLiteral("ARBITRAGE"));
    }

    void clearAsksAndOnlyYesResetsTheFrontPage() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        ArbitrageTab* tab = Arbitrage(*window);
        TypeOdds(tab, 0, QStringLiteral("2"));
        SetBox(Edit(*window, &A::multiplier), QStringLiteral("3"));

        scene.prompter.ExpectYesNo("Clear All Information ?", false);
        QTest::mouseClick(MainControl<QPushButton>(*window, "clear"), Qt::LeftButton);
        // Enter presses No: a stray key never wipes a page.
        QVERIFY(scene.prompter.Shown().back().default_answer == DefaultAnswer::kNo);
        QCOMPARE(Cell(tab, 0, 1), QStringLiteral("2"));
        QCOMPARE(Edit(*window, &A::multiplier)->text(), QStringLiteral("3"));

        scene.prompter.ExpectYesNo("Clear All Information ?", true);
        MainControl<QAction>(*window, "clear_item")->trigger();
        QCOMPARE(Cell(tab, 0, 1), QString());
        QCOMPARE(Edit(*window, &A::multiplier)->text(), QStringLiteral("1"));
    }

    void f1OpensHelpForThePageInFrontAndStopsThere() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* pages = testing::Pages(*window);

        // In a grid cell being edited: the editor never sees the key.
        ArbitrageTab* tab = Arbitrage(*window);
        tab->Grid()->setFocus();
        tab->Grid()->SetCurrentCell(0, 1);
        Type(QStringLiteral("1"));
        QVERIFY(tab->Grid()->IsEditing());
        PressKey(Qt::Key_F1);
        // In an edit box, and on a button.
        Edit(*window, &A::win_pay_target)->setFocus();
        PressKey(Qt::Key_F1);
        QCOMPARE(Edit(*window, &A::win_pay_target)->text(), QStringLiteral("0"));
        MainControl<QPushButton>(*window, captions::kCalculate)->setFocus();
        PressKey(Qt::Key_F1);
        pages->setCurrentIndex(MainWindow::kParlay);
        PressKey(Qt::Key_F1);
        pages->setCurrentIndex(MainWindow::kProbability);
        MainControl<QAction>(*window, "help_item")->trigger();
        pages->setCurrentIndex(MainWindow::kOdds);
        PressKey(Qt::Key_F1);
        QCOMPARE(recorded.help_topics, (std::vector<int>{2, 2, 2, 1, 3, 4}));
    }

    void typingStartsInTheFirstOddsCell() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        ArbitrageTab* tab = Arbitrage(*window);
        QCOMPARE(QApplication::focusWidget(), tab->Grid());
        Type(QStringLiteral("2.5"));
        PressKey(Qt::Key_Return);
        QCOMPARE(Cell(tab, 0, 1), QStringLiteral("2.5"));
    }

    void theMenuBarIsReachedWithoutAMouse() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        ArbitrageTab* tab = Arbitrage(*window);
        tab->Grid()->setFocus();

        // F10 highlights the first item; Enter runs that command.
        KeyToFront(Qt::Key_F10);
        QCOMPARE(ActiveMenuItem(*window), MenuItemName("clear_item"));
        QVERIFY(ActiveItemLooksHighlighted(*window));
        scene.prompter.ExpectYesNo("Clear All Information ?", false);
        KeyToFront(Qt::Key_Return);
        QVERIFY(scene.prompter.AllShown());

        // Escape gives the focus back to where the user was.
        tab->Grid()->setFocus();
        KeyToFront(Qt::Key_F10);
        KeyToFront(Qt::Key_Escape);
        QCOMPARE(ActiveMenuItem(*window), QString());
        QCOMPARE(QApplication::focusWidget(), tab->Grid());

        // Alt alone moves to the bar; arrows walk it and open the Help menu.
        AltAlone();
        QCOMPARE(ActiveMenuItem(*window), MenuItemName("clear_item"));
        for (const char* item :
             {"print_item", "calculator_item", "live_item", "help_menu_on_bar"}) {
            KeyToFront(Qt::Key_Right);
            QCOMPARE(ActiveMenuItem(*window), MenuItemName(item));
            QVERIFY(ActiveItemLooksHighlighted(*window));
        }
        KeyToFront(Qt::Key_Down);
        QTRY_VERIFY(QApplication::activePopupWidget());
        KeyToFront(Qt::Key_Return);
        QCOMPARE(recorded.help_topics, std::vector<int>{2});
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // Left from the first item wraps to Exit.
        tab->Grid()->setFocus();
        AltAlone();
        KeyToFront(Qt::Key_Left);
        QCOMPARE(ActiveMenuItem(*window), MenuItemName("exit_item"));
        KeyToFront(Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QCOMPARE(scene.platform.opened_urls.size(), std::size_t(1));
    }

    void enterMovesTheFocusOn() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QLineEdit* multiplier = Edit(*window, &A::multiplier);
        multiplier->setFocus();
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Edit(*window, &A::win_pay_target));
        QCOMPARE(multiplier->text(), QStringLiteral("1"));
        // Enter on a button presses it, as Space does: Calculate calculates
        // and keeps the focus, Clear asks its question.
        TypeOdds(Arbitrage(*window), 0, QStringLiteral("2.1"));
        TypeOdds(Arbitrage(*window), 1, QStringLiteral("2.1"));
        auto* calculate = MainControl<QPushButton>(*window, captions::kCalculate);
        calculate->setFocus();
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), calculate);
        QCOMPARE(Cell(Arbitrage(*window), 0, 2), QStringLiteral("2"));
        MainControl<QPushButton>(*window, captions::kClear)->setFocus();
        scene.prompter.ExpectYesNo("Clear All Information ?", true);
        PressKey(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(scene.prompter.AllShown());
        QCOMPARE(Cell(Arbitrage(*window), 0, 1), QString());
    }

    // Print previews the page in front, from the menu and by Ctrl+P, headed by
    // its tab's caption.
    void printShowsThePageInFrontAndExitOpensTheHomePage() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        MainControl<QAction>(*window, "print_item")->trigger();
        testing::Pages(*window)->setCurrentIndex(MainWindow::kOdds);
        Edit(*window, &OddsPage::cut_percent)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(recorded.printouts.size(), std::size_t(2));
        const std::pair<QString, MainWindow::Page> expected[] = {
            {QStringLiteral("ARBITRAGE"), MainWindow::kArbitrage},
            {QStringLiteral("ODDS"), MainWindow::kOdds}};
        for (std::size_t i = 0; i < recorded.printouts.size(); ++i) {
            const Printout& printout = recorded.printouts[i];
            QCOMPARE(printout.title, expected[i].first);
            QCOMPARE(printout.parts.size(), 1);
            QCOMPARE(printout.parts[0].widget.data(),
                     static_cast<QWidget*>(window->Tab(expected[i].second)));
            QVERIFY(printout.parts[0].area.isEmpty());
        }
        QVERIFY(window->isVisible());
        QVERIFY(scene.platform.opened_urls.empty());
        MainControl<QAction>(*window, "exit_item")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(
            scene.platform.opened_urls,
            (std::vector<std::string>{std::string("http://") + vendor::kWebServer + "/home.html"}));
    }

    void updateTimerFiresOnceAboutASecondAfterShowing() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        auto* timer = MainControl<QTimer>(*window, "update_timer");
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        QVERIFY(testing::ShowAndActivate(window.get()));
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(recorded.update_checks, 0);
        QTRY_COMPARE_WITH_TIMEOUT(recorded.update_checks, 1, 3000);
        QTest::qWait(1300);
        QCOMPARE(recorded.update_checks, 1);
    }

    void aSecondCloseDoesNoHarm() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QVERIFY(!window->CurrentCatalogue().FileName().empty());
        QVERIFY(window->close());
        QVERIFY(window->CurrentCatalogue().FileName().empty());
        QVERIFY(window->close());
        QVERIFY(window->CurrentCatalogue().FileName().empty());
    }

    // The desktop's calculator is looked for on the PATH; when there is none,
    // the command says so rather than doing nothing.
    void calculatorSaysSoWhenThereIsNone() {
        testing::TempFolder bin;
        const struct PathBack {
            QByteArray path = qgetenv("PATH");
            ~PathBack() { qputenv("PATH", path); }
        } path_back;
        qputenv("PATH", QByteArray::fromStdString(bin.Path()));
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        scene.prompter.ExpectMessage("No calculator program was found.");
        MainControl<QAction>(*window, "calculator_item")->trigger();
        QVERIFY(scene.prompter.AllShown());
        QVERIFY(scene.platform.started_programs.empty());

        bin.Write("galculator", "#!/bin/sh\n");
        std::filesystem::permissions(bin / "galculator", std::filesystem::perms::owner_all);
        MainControl<QAction>(*window, "calculator_item")->trigger();
        QCOMPARE(scene.platform.started_programs, std::vector<std::string>{bin / "galculator"});
        QVERIFY(window->isVisible());
    }

    void manualUpdateGoesToItsOpener() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        MainControl<QAction>(*window, "update_item")->trigger();
        QCOMPARE(recorded.manual_updates, 1);
        QVERIFY(window->isVisible());
    }

    void arbitrageThroughTheWindow_data() {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("odds");  // "col=text"
        QTest::addColumn<QString>("multiplier");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("wagers");  // "col=text" after the calculation
        QTest::addColumn<QStringList>("winpays");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("profit");
        QTest::addColumn<bool>("lime");
        QTest::addColumn<QString>("error");

        using L = QStringList;
        // clang-format off
        QTest::newRow("scale")                         << '.' << L{"0=2.5", "1=1.8"} << "1" << "0"   << L{"0=1.72", "1=2.39"}             << L{"0=4.3", "1=4.3"}    << "4.11"  << "4.62%" << "0.19" << true  << "";
        QTest::newRow("scale comma typed with points") << ',' << L{"0=2.5", "1=1.8"} << "1" << "0"   << L{"0=1,72", "1=2,39"}             << L{"0=4,3", "1=4,3"}    << "4,11"  << "4,62%" << "0,19" << true  << "";
        QTest::newRow("target")                        << '.' << L{"0=2.5", "1=1.8"} << "1" << "100" << L{"0=40", "1=55.56"}              << L{"0=100", "1=100.01"} << "95.56" << "4.66%" << "4.45" << true  << "";
        QTest::newRow("losing book")                   << '.' << L{"0=1.9", "1=1.9"} << "1" << "0"   << L{"0=2", "1=2"}                   << L{"0=3.8", "1=3.8"}    << "4"     << "-5%"   << "-0.2" << false << "";
        QTest::newRow("columns 3 and 9")               << '.' << L{"2=2.5", "8=1.8"} << "1" << "0"   << L{"2=1.72", "8=2.39", "0=", "5="} << L{"2=4.3", "8=4.3"}    << "4.11"  << "4.62%" << "0.19" << true  << "";
        QTest::newRow("zero beside positive")          << '.' << L{"0=2.5", "1=0"}   << "1" << "0"   << L{"0=1", "1="}                    << L{"0=2.5", "1="}       << "0"     << "0%"    << "0"    << false << "Floating point division by zero";
        // clang-format on
    }

    void arbitrageThroughTheWindow() {
        QFETCH(char, separator);
        QFETCH(QStringList, odds);
        QFETCH(QString, multiplier);
        QFETCH(QString, target);
        QFETCH(QStringList, wagers);
        QFETCH(QStringList, winpays);
        QFETCH(QString, total);
        QFETCH(QString, percent);
        QFETCH(QString, profit);
        QFETCH(bool, lime);
        QFETCH(QString, error);

        GuiScene scene(separator);
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        ArbitrageTab* tab = Arbitrage(*window);
        for (const QString& entry : odds) {
            const auto parts = entry.split('=');
            TypeOdds(tab, parts[0].toInt(), parts[1]);
        }
        SetBox(Edit(*window, &A::multiplier), multiplier);
        SetBox(Edit(*window, &A::win_pay_target), target);
        if (!error.isEmpty()) {
            scene.prompter.ExpectError(error.toStdString());
        }
        QTest::mouseClick(MainControl<QPushButton>(*window, captions::kCalculate), Qt::LeftButton);

        for (const QString& entry : wagers) {
            const auto parts = entry.split('=');
            QCOMPARE(Cell(tab, parts[0].toInt(), 2), parts[1]);
        }
        for (const QString& entry : winpays) {
            const auto parts = entry.split('=');
            QCOMPARE(Cell(tab, parts[0].toInt(), 3), parts[1]);
        }
        QCOMPARE(Edit(*window, &A::total_wager)->text(), total);
        QCOMPARE(Edit(*window, &A::sure_profit_percent)->text(), percent);
        QCOMPARE(Edit(*window, &A::sure_profit)->text(), profit);
        QCOMPARE(Edit(*window, &A::win_pay_target)->text(), QStringLiteral("0"));
        if (error.isEmpty()) {
            const QColor expected = lime ? QColor(0, 255, 0) : QColor(255, 0, 0);
            QCOMPARE(BoxColour(Edit(*window, &A::sure_profit_percent)), expected);
            QCOMPARE(BoxColour(Edit(*window, &A::sure_profit)), expected);
        }
    }

    void emptiedOddsCellTakesItsWagerAlong() {
        GuiScene scene;
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        ArbitrageTab* tab = Arbitrage(*window);
        TypeOdds(tab, 0, QStringLiteral("2.5"));
        TypeOdds(tab, 1, QStringLiteral("1.8"));
        TypeOdds(tab, 2, QStringLiteral("4"));
        window->OnCalculate();
        QVERIFY(!Cell(tab, 2, 2).isEmpty());
        // Empty column 3's odds through the editor and calculate again.
        tab->Grid()->setFocus();
        tab->Grid()->SetCurrentCell(2, 1);
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Return);
        QCOMPARE(Cell(tab, 2, 1), QString());
        window->OnCalculate();
        QCOMPARE(Cell(tab, 2, 2), QString());
        QCOMPARE(Cell(tab, 2, 3), QString());
        QCOMPARE(Edit(*window, &A::total_wager)->text(), QStringLiteral("4.11"));
        QCOMPARE(Edit(*window, &A::sure_profit_percent)->text(), QStringLiteral("4.62%"));
    }

    void gridKeysAndSelection() {
        GuiScene scene(',');
        Recorded recorded;
        auto window = MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        ArbitrageTab* tab = Arbitrage(*window);
        GridView* grid = tab->Grid();
        grid->setFocus();
        grid->SetCurrentCell(12, 1);
        Type(QStringLiteral("a-1 .5x"));
        PressKey(Qt::Key_Return);
        QCOMPARE(Cell(tab, 12, 1), QStringLiteral("1,5"));
        // Enter on a filled cell of the last column wraps to column 0.
        QCOMPARE(grid->CurrentCol(), 0);
        // On an empty cell it stays.
        PressKey(Qt::Key_Return);
        QCOMPARE(grid->CurrentCol(), 0);
        // Rows 0, 2 and 3 never become current: not by keyboard...
        PressKey(Qt::Key_Up);
        QCOMPARE(grid->CurrentRow(), 1);
        PressKey(Qt::Key_Down);
        QCOMPARE(grid->CurrentRow(), 1);
        // ...nor by mouse.
        for (int row : {0, 2, 3}) {
            const QRect cell = grid->visualRect(grid->model()->index(row, 5));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(grid->CurrentRow(), 1);
        }
        const QRect odds = grid->visualRect(grid->model()->index(1, 5));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, odds.center());
        QCOMPARE(grid->CurrentCol(), 5);
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::MainWindowTest)
#include "main_window_test.moc"

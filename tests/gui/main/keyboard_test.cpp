// The program from the keyboard alone, by the desktop's conventions: the parlay
// sheet filled, calculated and saved without a mouse; Alt with a command's
// letter running it; Tab going through each window as it is laid out.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QTabBar>
#include <QTest>

#include <filesystem>
#include <functional>
#include <vector>

#include "core/live/live_ledger.h"
#include "core/live/record_folder.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/main_window_scene.h"

namespace orvanta {

using testing::CellText;
using testing::Find;
using testing::GuiScene;
using testing::MainControl;
using testing::PressKey;
using testing::Recorded;
using testing::Type;

namespace {

using P = ParlaySheet;

QPoint Current(const GridView* grid) {
    return {grid->CurrentCol(), grid->CurrentRow()};
}

// Alt and the control's mnemonic, to whatever has the focus.
void PressMnemonicOf(const QString& caption) {
    const QKeySequence keys = QKeySequence::mnemonic(caption);
    QVERIFY2(!keys.isEmpty(), qPrintable(caption));
    QTest::keyClick(QApplication::focusWidget(), keys[0].key(), keys[0].keyboardModifiers());
}

// The controls Tab goes to from the focused one, `count` of them.
QList<QWidget*> TabWalk(int count) {
    QList<QWidget*> visited;
    for (int i = 0; i < count; ++i) {
        PressKey(Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    return visited;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    // From the ARBITRAGE page the window opens on: to the tabs, to PARLAY
    // BETTING, into the sheet; a banker ticked, odds typed, a result made
    // LOST, stakes typed; Calculate by its mnemonic; Tab to Save and Enter.
    // The file read back through the core is the sheet on screen.
    void theParlaySheetIsFilledCalculatedAndSavedByKeyboardAlone() {
        GuiScene scene;
        Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* parlay = static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay));
        GridView* sheet = parlay->Grid();
        const TextGrid& cells = parlay->Sheet().selections;

        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(qobject_cast<QTabBar*>(QApplication::focusWidget()));
        PressKey(Qt::Key_Left);
        QCOMPARE(testing::Pages(*window)->currentIndex(), int(MainWindow::kParlay));
        PressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sheet);
        QCOMPARE(Current(sheet), QPoint(P::kBankerCol, 1));

        PressKey(Qt::Key_Space);  // row 1 a banker
        PressKey(Qt::Key_Right);
        for (const char* odds : {"2", "1.5", "3"}) {
            Type(QString::fromLatin1(odds));
            PressKey(Qt::Key_Return);
        }
        PressKey(Qt::Key_Up);
        PressKey(Qt::Key_Right);  // onto the result: no flip on the way
        QCOMPARE(Current(sheet), QPoint(P::kResultCol, 3));
        QCOMPARE(CellText(cells, P::kResultCol, 3), QStringLiteral("WIN"));
        PressKey(Qt::Key_Space);
        PressKey(Qt::Key_End);  // the stake, past the system size
        QCOMPARE(Current(sheet), QPoint(P::kStakeCol, 3));
        PressKey(Qt::Key_PageUp);
        QCOMPARE(Current(sheet), QPoint(P::kStakeCol, 1));
        for (int row = 1; row <= 2; ++row) {
            Type(QStringLiteral("1"));
            PressKey(Qt::Key_Return);
        }

        PressMnemonicOf(
            MainControl<QPushButton>(*window, main_window_captions::kCalculate)->text());
        // The worked example with row 1 a banker: rows 1 and 2 as the book says.
        const char* rows[2][4] = {{"1", "1", "2", "1"}, {"2", "2", "3", "1"}};
        for (int row = 1; row <= 2; ++row) {
            for (int col = P::kCombinationsCol; col <= P::kProfitCol; ++col) {
                QTRY_COMPARE(CellText(cells, col, row),
                             QString::fromLatin1(rows[row - 1][col - P::kCombinationsCol]));
            }
        }

        // Back into the sheet, to its last cell, and on to Save.
        sheet->setFocus();
        PressKey(Qt::Key_PageDown);
        QCOMPARE(Current(sheet), QPoint(P::kStakeCol, 15));
        PressKey(Qt::Key_Tab);
        auto* save = Find<QPushButton>(*window, ParlayControls(), parlay_captions::kSave);
        QCOMPARE(QApplication::focusWidget(), save);
        const std::string file = scene.folder / "Arxeia/keys.bet";
        scene.prompter.ExpectSaveFile(file);
        PressKey(Qt::Key_Return);
        QVERIFY(scene.prompter.AllShown());

        ParlaySheet saved;
        ClearParlaySheet(saved, Catalogue());
        LoadGridFromFile(saved.selections, file, GridShape{P::kCols, P::kRows});
        for (int row = 0; row < P::kRows; ++row) {
            for (int col = 0; col < P::kCols; ++col) {
                QCOMPARE(CellText(saved.selections, col, row), CellText(cells, col, row));
                QCOMPARE(saved.selections.IsChecked(col, row), cells.IsChecked(col, row));
            }
        }
        QVERIFY(saved.selections.IsChecked(P::kBankerCol, 1));
        QCOMPARE(CellText(saved.selections, P::kResultCol, 3), QStringLiteral("LOST"));
        QCOMPARE(CellText(saved.selections, P::kOddsCol, 2), QStringLiteral("1.5"));
    }

    // Alt with a command's letter runs it: a button, and a command of a menu
    // the menu bar's letter opened.
    void altAndALetterRunTheCommand() {
        GuiScene scene;
        Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* arbitrage = static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
        testing::TypeInto(arbitrage->Grid(), 0, 1, QStringLiteral("2"));
        scene.prompter.ExpectYesNo("Clear All Information ?", false);
        PressMnemonicOf(MainControl<QPushButton>(*window, main_window_captions::kClear)->text());
        QTRY_VERIFY(scene.prompter.AllShown());
        QCOMPARE(CellText(arbitrage->Page().outcomes, 0, 1), QStringLiteral("2"));

        PressMnemonicOf(MainControl<QMenu>(*window, "help_menu")->title());
        QTRY_VERIFY(QApplication::activePopupWidget());
        const QKeySequence help =
            QKeySequence::mnemonic(MainControl<QAction>(*window, "help_item")->text());
        QTest::keyClick(QApplication::activePopupWidget(), help[0].key());
        QTRY_COMPARE(recorded.help_topics, std::vector<int>{kHelpArbitrage});
    }

    // Tab visits each page row by row, as it is laid out, from the tabs over
    // the page to the command buttons under it.
    void tabFollowsTheLayoutOfThePages() {
        GuiScene scene;
        Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        using A = ArbitragePage;
        auto* calculate = MainControl<QPushButton>(*window, main_window_captions::kCalculate);
        auto* clear = MainControl<QPushButton>(*window, main_window_captions::kClear);
        QWidget* tabs = testing::Pages(*window)->tabBar();
        auto arbitrage = [&](TextBox A::*box) { return testing::Edit(*window, box); };
        // The worst case and the rounding step make a row of their own, and the
        // back and lay group follows the boxes, its kind between its two rows.
        auto* lay_kind = testing::Find<QComboBox>(*window, ArbitrageControls(), "lay_mode");
        QCOMPARE(TabWalk(21), (QList<QWidget*>{arbitrage(&A::multiplier),
                                               arbitrage(&A::win_pay_target),
                                               arbitrage(&A::total_wager),
                                               arbitrage(&A::sure_profit_percent),
                                               arbitrage(&A::sure_profit),
                                               arbitrage(&A::worst_profit),
                                               arbitrage(&A::round_to),
                                               arbitrage(&A::lay_back_stake),
                                               arbitrage(&A::lay_back_odds),
                                               arbitrage(&A::lay_odds),
                                               arbitrage(&A::lay_commission),
                                               lay_kind,
                                               arbitrage(&A::lay_refund),
                                               arbitrage(&A::lay_retention),
                                               arbitrage(&A::lay_stake),
                                               arbitrage(&A::lay_liability),
                                               arbitrage(&A::lay_back_wins),
                                               arbitrage(&A::lay_lay_wins),
                                               calculate,
                                               clear,
                                               tabs}));
        // Enter goes the way Tab does from the boxes.
        arbitrage(&A::win_pay_target)->setFocus();
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), arbitrage(&A::total_wager));

        testing::Pages(*window)->setCurrentIndex(MainWindow::kParlay);
        auto* parlay = static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay));
        parlay->Grid()->setFocus();
        parlay->Grid()->SetCurrentCell(P::kStakeCol, 15);
        auto foot = [&](const CatalogueText& caption) {
            return Find<QWidget>(*window, ParlayControls(), caption);
        };
        // The named system and its unit come after the file buttons they sit under.
        QCOMPARE(TabWalk(10),
                 (QList<QWidget*>{foot(parlay_captions::kSave), foot(parlay_captions::kLoad),
                                  foot(parlay_captions::kDeleteFiles),
                                  Find<QWidget>(*window, ParlayControls(), "system"),
                                  Find<QWidget>(*window, ParlayControls(), "unit"),
                                  testing::Edit(*window, &P::total_staked),
                                  testing::Edit(*window, &P::total_returned),
                                  testing::Edit(*window, &P::total_profit), calculate, clear}));
        for (TextBox P::*sum : {&P::total_staked, &P::total_returned, &P::total_profit}) {
            QVERIFY(testing::Edit(*window, sum)->isReadOnly());
        }

        // The PROBABILITY page's three columns of boxes, row by row.
        using Q = ProbabilityPage;
        testing::Pages(*window)->setCurrentIndex(MainWindow::kProbability);
        static_cast<ProbabilityTab*>(window->Tab(MainWindow::kProbability))->Grid()->setFocus();
        auto box = [&](TextBox Q::*field) { return testing::Edit(*window, field); };
        QCOMPARE(TabWalk(11),
                 (QList<QWidget*>{
                     box(&Q::margin), Find<QWidget>(*window, ProbabilityControls(), "method"),
                     box(&Q::kelly_fraction), box(&Q::return_percent), box(&Q::parameter),
                     box(&Q::total_stake_percent), box(&Q::cut_percent), box(&Q::bankroll),
                     box(&Q::growth_percent), calculate, clear}));
        // Enter goes on from the boxes a user types into.
        box(&Q::bankroll)->setFocus();
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(&Q::growth_percent));

        // The BET SLIP page: from the legs to the bet, its stake and each way,
        // then the figures down the column.
        using S = BetSlipPage;
        testing::Pages(*window)->setCurrentIndex(MainWindow::kBetSlip);
        auto* slip = static_cast<BetSlipTab*>(window->Tab(MainWindow::kBetSlip));
        slip->Grid()->setFocus();
        slip->Grid()->SetCurrentCell(S::kTermsCol, 15);
        auto slip_box = [&](TextBox S::*field) { return testing::Edit(*window, field); };
        QCOMPARE(TabWalk(11),
                 (QList<QWidget*>{
                     Find<QWidget>(*window, BetSlipControls(), "kind"), slip_box(&S::stake),
                     Find<QWidget>(*window, BetSlipControls(), "each_way"), slip_box(&S::bets),
                     slip_box(&S::total_stake), slip_box(&S::total_return), slip_box(&S::profit),
                     slip_box(&S::win_return), slip_box(&S::place_return), calculate, clear}));
        slip_box(&S::stake)->setFocus();
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(),
                 Find<QWidget>(*window, BetSlipControls(), "each_way"));
    }

    // The live window: the list, the sheet, then the panels under it one after
    // the other, each row by row, then the buttons from left to right.
    void tabFollowsTheLayoutOfTheLiveWindow() {
        GuiScene scene;
        LiveWindow window(scene.services, Catalogue(), {});
        QVERIFY(testing::ShowAndActivate(&window));
        auto control = [&](const char* name) {
            return Find<QWidget>(window, LiveWindowControls(), name);
        };
        QList<QWidget*> expected;
        for (const char* name : {"positions",
                                 "odds_1",
                                 "odds_x",
                                 "odds_2",
                                 "probability_1",
                                 "probability_x",
                                 "probability_2",
                                 "bookmaker_cut",
                                 "method",
                                 "method_parameter",
                                 "commission",
                                 "for_positive_1",
                                 "for_positive_x",
                                 "for_positive_2",
                                 "for_positive_result",
                                 "for_probable_1",
                                 "for_probable_x",
                                 "for_probable_2",
                                 "for_probable_result",
                                 "game_wager_1",
                                 "game_wager_x",
                                 "game_wager_2",
                                 "return_1",
                                 "return_x",
                                 "return_2",
                                 "result_1",
                                 "result_x",
                                 "result_2",
                                 "new_game",
                                 "delete_game",
                                 "suggest",
                                 "print",
                                 "help",
                                 "exit",
                                 "game_list"}) {
            expected << control(name);
        }
        QCOMPARE(QApplication::focusWidget(), control("game_list"));
        QCOMPARE(TabWalk(static_cast<int>(expected.size())), expected);
    }

    // The small windows: the new game from its date to Cancel, the help from
    // its page to Exit, the About box from its links to OK.
    void tabFollowsTheLayoutOfTheSmallWindows() {
        GuiScene scene;
        LiveLedger ledger(scene.services, Catalogue(), RecordFolderPath(scene.folder.Path()));
        NewGameDialog new_game(scene.services, ledger, {});
        QVERIFY(testing::ShowAndActivate(&new_game));
        auto dialog = [&](const char* name) {
            return Find<QWidget>(new_game, NewGameControls(), name);
        };
        QCOMPARE(QApplication::focusWidget(), dialog("name"));
        QCOMPARE(TabWalk(2), (QList<QWidget*>{dialog("ok"), dialog("cancel")}));
        dialog("time")->setFocus();
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), dialog("date"));
        QCOMPARE(TabWalk(1), QList<QWidget*>{dialog("time")});
        new_game.reject();

        HelpWindow help(scene.services, Catalogue());
        QVERIFY(testing::ShowAndActivate(&help));
        auto helper = [&](const char* name) {
            return Find<QWidget>(help, HelpWindowControls(), name);
        };
        // Tab goes from link to link of the page, then on to Exit (the page
        // here is the notice of a missing file, without links).
        helper("page")->setFocus();
        QCOMPARE(TabWalk(2), (QList<QWidget*>{helper("exit"), helper("page")}));
        help.reject();

        AboutBox about(scene.services, Catalogue());
        QVERIFY(testing::ShowAndActivate(&about));
        auto box = [&](const char* name) { return Find<QWidget>(about, AboutBoxControls(), name); };
        QCOMPARE(QApplication::focusWidget(), box("ok"));
        QCOMPARE(TabWalk(3), (QList<QWidget*>{box("web_link"), box("mail_link"), box("ok")}));
        // A link that has the focus opens on Enter or Space.
        PressKey(Qt::Key_Tab);
        PressKey(Qt::Key_Space);
        PressKey(Qt::Key_Tab);
        PressKey(Qt::Key_Return);
        QCOMPARE(scene.platform.opened_urls.size(), std::size_t(2));
        QVERIFY(about.isVisible());
        PressKey(Qt::Key_Tab);
        PressKey(Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::KeyboardTest)
#include "keyboard_test.moc"

// The BET SLIP page and the PARLAY BETTING page's named systems, through the
// main window as a user works them.

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

#include "core/slip/named_system.h"
#include "core/slip/slip_input.h"
#include "gui/main_window_scene.h"

namespace orvanta {

using testing::CellText;
using testing::ClickCell;
using testing::Edit;
using testing::Find;
using testing::GuiScene;
using testing::MakeWindow;
using testing::PressKey;
using testing::Recorded;
using testing::Type;
using testing::TypeInto;

namespace {

using S = BetSlipPage;
using P = ParlaySheet;

struct Scene {
    Scene() : window(MakeWindow(gui, recorded)) {}

    bool Show(MainWindow::Page page) {
        if (!testing::ShowAndActivate(window.get())) {
            return false;
        }
        testing::Pages(*window)->setCurrentIndex(page);
        return true;
    }
    BetSlipTab* Slip() const { return static_cast<BetSlipTab*>(window->Tab(MainWindow::kBetSlip)); }
    ParlayTab* Parlay() const { return static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay)); }
    QStringList Figures() const {
        QStringList texts;
        for (TextBox S::*box : {&S::bets, &S::total_stake, &S::total_return, &S::profit,
                                &S::win_return, &S::place_return}) {
            texts << Edit(*window, box)->text();
        }
        return texts;
    }
    // Picks an entry of a choice as a user does: the list opened, the entry taken.
    static void Choose(QComboBox* choice, int index) {
        choice->setFocus();
        choice->setCurrentIndex(index);
        emit choice->activated(index);
    }

    GuiScene gui;
    Recorded recorded;
    std::unique_ptr<MainWindow> window;
};

int KindIndex(const char* key) {
    return static_cast<int>(FindSlipKind(key) - SlipKinds().data());
}

int CoverIndex(const char* key) {
    const std::vector<const SlipKind*> covers = FullCovers();
    for (std::size_t i = 0; i < covers.size(); ++i) {
        if (covers[i]->key == std::string(key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

class BetSlipPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    // calculator.city's Lucky 15, typed leg by leg, the third made Lost by
    // two clicks; then each way with it Placed at a fifth.
    void aSlipIsTypedChosenAndSettled() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kBetSlip));
        GridView* grid = scene.Slip()->Grid();
        TypeInto(grid, S::kOddsCol, 1, QStringLiteral("3/2"));
        for (const char* odds : {"3", "4", "1.8"}) {
            Type(QString::fromLatin1(odds));
            PressKey(Qt::Key_Return);
        }
        QCOMPARE(CellText(scene.Slip()->Page().legs, S::kOddsCol, 1), QStringLiteral("3/2"));
        ClickCell(grid, S::kResultCol, 3);
        ClickCell(grid, S::kResultCol, 3);
        QCOMPARE(CellText(scene.Slip()->Page().legs, S::kResultCol, 3), QStringLiteral("Lost"));
        Scene::Choose(scene.Slip()->KindChoice(), KindIndex("lucky15"));
        QCOMPARE(scene.Slip()->KindChoice()->currentText(), QStringLiteral("Lucky 15"));
        testing::SetBox(Edit(*scene.window, &S::stake), QStringLiteral("1"));
        testing::ClickCalculate(*scene.window);
        QCOMPARE(scene.Figures(), (QStringList{"15", "15.00", "38.20", "23.20", "38.20", "0.00"}));

        QTest::mouseClick(scene.Slip()->EachWay(), Qt::LeftButton, {},
                          QPoint(4, scene.Slip()->EachWay()->height() / 2));
        QVERIFY(scene.Slip()->EachWay()->isChecked());
        for (int i = 0; i < 4; ++i) {
            ClickCell(grid, S::kResultCol, 3);
        }
        QCOMPARE(CellText(scene.Slip()->Page().legs, S::kResultCol, 3), QStringLiteral("Placed"));
        TypeInto(grid, S::kTermsCol, 3, QStringLiteral("1/5"));
        testing::ClickCalculate(*scene.window);
        QCOMPARE(scene.Figures(), (QStringList{"30", "30.00", "71.16", "41.16", "38.20", "32.96"}));
    }

    // A name that does not fit the legs says so, and no figure stays; Clear
    // gives the empty slip of singles back.
    void aBetThatCannotBeSettledSaysWhyAndClearStartsAgain() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kBetSlip));
        TypeInto(scene.Slip()->Grid(), S::kOddsCol, 1, QStringLiteral("evens"));
        testing::SetBox(Edit(*scene.window, &S::stake), QStringLiteral("2"));
        testing::ClickCalculate(*scene.window);
        QCOMPARE(Edit(*scene.window, &S::total_return)->text(), QStringLiteral("4.00"));
        Scene::Choose(scene.Slip()->KindChoice(), KindIndex("yankee"));
        scene.gui.prompter.ExpectMessage(std::string(slip_captions::kWrongLegs.fallback) +
                                         " (Yankee: 4)");
        testing::ClickCalculate(*scene.window);
        QCOMPARE(scene.Figures(), QStringList(6, QString()));
        scene.Slip()->Clear();
        QCOMPARE(scene.Slip()->KindChoice()->currentIndex(), 0);
        QVERIFY(!scene.Slip()->EachWay()->isChecked());
        QCOMPARE(CellText(scene.Slip()->Page().legs, S::kOddsCol, 1), QString());
        // Letters other than those of "evens" never reach an odds cell.
        TypeInto(scene.Slip()->Grid(), S::kOddsCol, 2, QStringLiteral("x2"));
        QCOMPARE(CellText(scene.Slip()->Page().legs, S::kOddsCol, 2), QStringLiteral("2"));
    }

    // The named system fills the stakes a user would type (Yankee over four:
    // rows 2 to 4; Lucky 15: rows 1 to 4), every other stake emptied, and
    // calculates.
    void aNamedSystemFillsTheStakesAsTyped() {
        Scene scene;
        QVERIFY(scene.Show(MainWindow::kParlay));
        GridView* grid = scene.Parlay()->Grid();
        TypeInto(grid, P::kOddsCol, 1, QStringLiteral("2"));
        for (const char* odds : {"1.5", "3", "4"}) {
            Type(QString::fromLatin1(odds));
            PressKey(Qt::Key_Return);
        }
        TypeInto(grid, P::kStakeCol, 9, QStringLiteral("7"));
        testing::SetBox(Find<QLineEdit>(*scene.window, ParlayControls(), "unit"),
                        QStringLiteral("2.5"));
        Scene::Choose(scene.Parlay()->SystemChoice(), CoverIndex("yankee"));
        const TextGrid& sheet = scene.Parlay()->Sheet().selections;
        for (int row = 1; row <= 15; ++row) {
            QCOMPARE(CellText(sheet, P::kStakeCol, row),
                     row >= 2 && row <= 4 ? QStringLiteral("2.5") : QString());
        }
        QCOMPARE(CellText(sheet, P::kTotalStakeCol, 2), QStringLiteral("15"));
        QCOMPARE(Edit(*scene.window, &P::total_staked)->text(), QStringLiteral("27.5"));

        Scene::Choose(scene.Parlay()->SystemChoice(), CoverIndex("lucky15"));
        for (int row = 1; row <= 15; ++row) {
            QCOMPARE(CellText(sheet, P::kStakeCol, row),
                     row <= 4 ? QStringLiteral("2.5") : QString());
        }
        QCOMPARE(Edit(*scene.window, &P::total_staked)->text(), QStringLiteral("37.5"));

        // A system over another number of selections says so and changes nothing.
        const ParlaySheet before = scene.Parlay()->Sheet();
        scene.gui.prompter.ExpectMessage(std::string(slip_captions::kWrongSelections.fallback) +
                                         " (Trixie: 3)");
        Scene::Choose(scene.Parlay()->SystemChoice(), CoverIndex("trixie"));
        for (int row = 1; row <= 15; ++row) {
            for (int col = 0; col < P::kCols; ++col) {
                QCOMPARE(CellText(sheet, col, row), CellText(before.selections, col, row));
            }
        }
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::BetSlipPageTest)
#include "bet_slip_page_test.moc"

// The ARBITRAGE page at real books through the main window, typed as a user
// types it: a fixed stake, the rounding step and its worst case, a commission
// the page refuses, and the back and lay group.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "gui/main/arbitrage_tab.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

using testing::CellText;
using testing::Edit;
using testing::GuiScene;
using testing::MakeWindow;
using testing::PressKey;
using testing::Recorded;
using testing::SetBox;
using testing::TypeInto;

namespace {

using A = ArbitragePage;

struct Scene {
    Scene() { window = MakeWindow(gui, recorded); }

    bool Show() {
        if (!testing::ShowAndActivate(window.get())) {
            return false;
        }
        testing::Pages(*window)->setCurrentIndex(MainWindow::kArbitrage);
        return true;
    }
    ArbitrageTab* Tab() const {
        return static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
    }
    const TextGrid& Cells() const { return Tab()->Page().outcomes; }
    void Odds(std::initializer_list<const char*> odds) const {
        int col = 0;
        for (const char* text : odds) {
            TypeInto(Tab()->Grid(), col++, A::kOddsRow, QString::fromLatin1(text));
        }
    }
    QLineEdit* Box(TextBox A::*field) const { return Edit(*window, field); }
    void Calculate() const { testing::ClickCalculate(*window); }

    GuiScene gui;
    Recorded recorded;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class ArbitrageRealBooksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    // A stake typed over a wager is the fixed one: marked, followed by the
    // other stake, and the boxes it decides only show what it implies.
    void aTypedStakeIsFixedUntilItIsEmptied() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.Odds({"2.5", "1.8"});
        scene.Calculate();
        TypeInto(scene.Tab()->Grid(), 1, A::kWagerRow, QStringLiteral("50"));
        QCOMPARE(scene.Cells().Background(1, A::kWagerRow), kColourWhite);
        QCOMPARE(scene.Cells().Background(0, A::kWagerRow), kColourLightGreen);
        const QModelIndex fixed = scene.Tab()->Grid()->model()->index(A::kWagerRow, 1);
        QCOMPARE(fixed.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        scene.Calculate();
        QCOMPARE(CellText(scene.Cells(), 0, A::kWagerRow), QStringLiteral("36"));
        QCOMPARE(scene.Box(&A::win_pay_target)->text(), QStringLiteral("90"));
        QVERIFY(scene.Box(&A::multiplier)->isReadOnly());

        GridView* grid = scene.Tab()->Grid();
        grid->setFocus();
        grid->SetCurrentCell(1, A::kWagerRow);
        PressKey(Qt::Key_F2);
        for (int i = 0; i < 2; ++i) {
            PressKey(Qt::Key_Backspace);
        }
        PressKey(Qt::Key_Return);
        scene.Calculate();
        QCOMPARE(CellText(scene.Cells(), 0, A::kWagerRow), QStringLiteral("1.72"));
        QCOMPARE(scene.Box(&A::multiplier)->text(), QStringLiteral("1"));
        QCOMPARE(scene.Box(&A::win_pay_target)->text(), QStringLiteral("0"));
        QVERIFY(!scene.Box(&A::multiplier)->isReadOnly());
        QCOMPARE(scene.Cells().Background(1, A::kWagerRow), kColourLightGreen);
    }

    // Rounded to 5, a sure profit of 0.32 becomes a loss of 0.75: on red, and
    // said in words beside it until the rounding no longer loses.
    void roundingThatLosesIsSaid() {
        Scene scene;
        QVERIFY(scene.Show());
        QLineEdit* note = scene.Box(&A::worst_note);
        scene.Odds({"2.1", "1.95"});
        SetBox(scene.Box(&A::win_pay_target), QStringLiteral("30"));
        SetBox(scene.Box(&A::round_to), QStringLiteral("5"));
        scene.Calculate();
        QCOMPARE(scene.Box(&A::worst_profit)->text(), QStringLiteral("-0.75"));
        QCOMPARE(scene.Box(&A::sure_profit)->text(), QStringLiteral("-0.75"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("LOSS: the rounded stakes lose money"));
        SetBox(scene.Box(&A::round_to), QString());
        SetBox(scene.Box(&A::win_pay_target), QStringLiteral("30"));
        scene.Calculate();
        QCOMPARE(scene.Box(&A::worst_profit)->text(), QStringLiteral("0.32"));
        QVERIFY(!note->isVisible());
    }

    // A commission above 100 is refused in a message; no figure moves.
    void aCommissionOutOfRangeIsSaid() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.Odds({"2.1", "2"});
        TypeInto(scene.Tab()->Grid(), 0, A::kCommissionRow, QStringLiteral("120"));
        scene.gui.prompter.ExpectMessage(
            "A commission must be a number from 0 to 100 per cent: 1.");
        scene.Calculate();
        QCOMPARE(CellText(scene.Cells(), 0, A::kWagerRow), QString());
        QCOMPARE(scene.Box(&A::total_wager)->text(), QStringLiteral("0"));
    }

    // bettorstack.com/bonus-bet-calculator: a free bet of 50 (stake not
    // returned) at 3.00 laid at 3.05 with 5 % commission.
    void theBackAndLayGroup() {
        Scene scene;
        QVERIFY(scene.Show());
        SetBox(scene.Box(&A::lay_back_stake), QStringLiteral("50"));
        SetBox(scene.Box(&A::lay_back_odds), QStringLiteral("3"));
        SetBox(scene.Box(&A::lay_odds), QStringLiteral("3.05"));
        SetBox(scene.Box(&A::lay_commission), QStringLiteral("5"));
        auto* kind = testing::Find<QComboBox>(*scene.window, ArbitrageControls(), "lay_mode");
        kind->setFocus();
        QTest::keyClick(kind, Qt::Key_Down);
        QCOMPARE(scene.Tab()->Page().lay_mode, LayMode::kFreeBetSnr);
        scene.Calculate();
        QCOMPARE(scene.Box(&A::lay_stake)->text(), QStringLiteral("33.33"));
        QCOMPARE(scene.Box(&A::lay_liability)->text(), QStringLiteral("68.33"));
        QCOMPARE(scene.Box(&A::lay_back_wins)->text(), QStringLiteral("31.67"));
        QCOMPARE(scene.Box(&A::lay_lay_wins)->text(), QStringLiteral("31.66"));
        QVERIFY(scene.Box(&A::lay_stake)->isReadOnly());
        // Clear empties the group and puts the kind back.
        scene.Tab()->Clear();
        QCOMPARE(scene.Box(&A::lay_stake)->text(), QString());
        QCOMPARE(kind->currentIndex(), 0);
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::ArbitrageRealBooksTest)
#include "arbitrage_real_books_test.moc"

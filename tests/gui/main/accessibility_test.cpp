// The grids as a screen reader reads them in the windows: their fixed rows
// and columns as headers in the open language, and the parlay sheet's banker
// boxes and result cells working through a reader's actions as by mouse.

#include <QAccessible>
#include <QTest>

#include <memory>
#include <string>

#include "core/i18n/language_choice.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/main_window_scene.h"

namespace orvanta {

using testing::Find;
using testing::GuiScene;

namespace {

QAccessibleTableInterface* TableOf(QWidget* grid) {
    return QAccessible::queryAccessibleInterface(grid)->tableInterface();
}

QStringList ColumnHeaders(QWidget* grid) {
    QStringList headers;
    QAccessibleTableInterface* table = TableOf(grid);
    for (int col = 0; col < table->columnCount(); ++col) {
        QAccessibleInterface* cell = table->cellAt(0, col);
        headers << (cell ? cell->tableCellInterface()->columnHeaderCells().value(0)->text(
                               QAccessible::Name)
                         : table->columnDescription(col));
    }
    return headers;
}

QStringList RowHeaders(QWidget* grid) {
    QStringList headers;
    QAccessibleTableInterface* table = TableOf(grid);
    for (int row = 0; row < table->rowCount(); ++row) {
        QAccessibleTableCellInterface* cell = table->cellAt(row, 0)->tableCellInterface();
        const QList<QAccessibleInterface*> header = cell->rowHeaderCells();
        headers << (header.isEmpty() ? QStringLiteral("-") : header[0]->text(QAccessible::Name));
    }
    return headers;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    // Each grid reads the texts of its fixed rows, and of its fixed column or
    // the captions beside its rows, as headers, in the open language; its
    // rows and columns are the ones that hold figures.
    void gridsReadTheirFixedCellsAsHeaders() {
        GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto main = testing::MakeWindow(scene, recorded);
        main->ChooseLanguage(kEnglishCatalogue);
        auto* parlay = Find(*main, ParlayControls(), &ParlaySheet::selections);
        QCOMPARE(ColumnHeaders(parlay), (QStringList{"B", "Odds", "Result", "System", "Stake/Bet",
                                                     "Bets", "Staked", "Return", "Profit"}));
        QCOMPARE(TableOf(parlay)->rowCount(), 15);
        QCOMPARE(QAccessible::queryAccessibleInterface(parlay)->childCount(), 9 + 15 * 9);
        QCOMPARE(RowHeaders(parlay), QStringList(15, QStringLiteral("-")));

        auto* arbitrage = Find(*main, ArbitrageControls(), &ArbitragePage::outcomes);
        QCOMPARE(RowHeaders(arbitrage), (QStringList{"ODDS", "Wager", "Win Pay", "COMM. %"}));
        QCOMPARE(ColumnHeaders(arbitrage).size(), 13);
        QCOMPARE(ColumnHeaders(arbitrage).last(), QStringLiteral("13"));
        auto* probability = Find(*main, ProbabilityControls(), &ProbabilityPage::outcomes);
        QCOMPARE(RowHeaders(probability), (QStringList{"ODDS", "PROBABILITY %", "FAIR ODDS",
                                                       "OFFERED ODDS", "EDGE %", "KELLY STAKE"}));
        auto* records = Find(*main, OddsControls(), &OddsPage::records);
        QCOMPARE(ColumnHeaders(records), (QStringList{"WINS", "DRAWS", "LOSSES"}));
        QCOMPARE(RowHeaders(records), (QStringList{"HOME TEAM", "AWAY TEAM"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(records)->child(0)->text(QAccessible::Name),
                 QStringLiteral("RESULT"));
        auto* prices = Find(*main, OddsControls(), &OddsPage::prices);
        QCOMPARE(ColumnHeaders(prices), (QStringList{"1", "X", "2", "1X", "12", "X2"}));
        QCOMPARE(RowHeaders(prices).first(), QStringLiteral("EU DECIMAL"));

        LiveWindow live(scene.services, main->CurrentCatalogue(), nullptr);
        auto* sheet = Find(live, LiveWindowControls(), &LivePage::positions);
        QCOMPARE(ColumnHeaders(sheet),
                 (QStringList{"Back 1", "Back X", "Back 2", "Back Stake", "Lay 1", "Lay X", "Lay 2",
                              "Lay Stake", "Status 1", "Status X", "Status 2"}));
        auto* games = Find(live, LiveWindowControls(), &LivePage::game_list);
        QCOMPARE(ColumnHeaders(games), QStringList{"List of Live Games"});

        main->ChooseLanguage(kGreekCatalogue);
        QCOMPARE(ColumnHeaders(parlay).value(1), QStringLiteral("Απόδοση"));
        QCOMPARE(RowHeaders(arbitrage).value(0), QStringLiteral("ΑΠΟΔΟΣΕΙΣ"));
    }

    // A screen reader's actions on the parlay sheet do what clicks do: a
    // result flips without taking the current cell, a banker box is ticked
    // through the page (a LOST row's pointed out), an odds cell becomes current.
    void parlayCellsActAsOnAClick() {
        GuiScene scene;
        testing::Recorded recorded;
        auto main = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(main.get()));
        testing::Pages(*main)->setCurrentIndex(MainWindow::kParlay);
        auto* grid = Find<GridView>(*main, ParlayControls(), &ParlaySheet::selections);
        const TextGrid& cells = grid->Grid();
        QAccessibleTableInterface* table = TableOf(grid);
        const QString press = QAccessibleActionInterface::pressAction();
        const QString toggle = QAccessibleActionInterface::toggleAction();
        grid->SetCurrentCell(1, 1);

        QAccessibleInterface* result = table->cellAt(2, ParlaySheet::kResultCol);
        QCOMPARE(result->actionInterface()->actionNames(), QStringList{press});
        result->actionInterface()->doAction(press);
        QCOMPARE(result->text(QAccessible::Name), QStringLiteral("LOST"));
        QCOMPARE(std::make_pair(grid->CurrentCol(), grid->CurrentRow()), std::make_pair(1, 1));

        QAccessibleInterface* banker = table->cellAt(2, ParlaySheet::kBankerCol);
        QVERIFY(banker->state().checkable);
        QVERIFY(!banker->state().checked);
        QCOMPARE(banker->actionInterface()->actionNames(), QStringList{toggle});
        scene.prompter.ExpectMessage("Standart Lost");
        banker->actionInterface()->doAction(toggle);
        QVERIFY(scene.prompter.AllShown());
        QVERIFY(cells.IsChecked(ParlaySheet::kBankerCol, 3));
        QVERIFY(banker->state().checked);
        banker->actionInterface()->doAction(toggle);
        QVERIFY(!cells.IsChecked(ParlaySheet::kBankerCol, 3));

        table->cellAt(4, ParlaySheet::kOddsCol)->actionInterface()->doAction(press);
        QCOMPARE(std::make_pair(grid->CurrentCol(), grid->CurrentRow()),
                 std::make_pair(int(ParlaySheet::kOddsCol), 5));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::AccessibilityTest)
#include "accessibility_test.moc"

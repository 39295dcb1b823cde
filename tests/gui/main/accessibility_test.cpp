// Every window as a screen reader walks it: every control it reaches has a
// name in words, never none and never an object name; the grids read their
// fixed rows and columns as headers; the parlay sheet's banker boxes and
// result cells work through a screen reader's actions as they do by mouse.

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "core/i18n/catalogue.h"
#include "core/i18n/language_choice.h"
#include "core/live/live_ledger.h"
#include "core/live/record_folder.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/qt_prompter.h"

namespace orvanta {

using testing::Find;
using testing::GuiScene;

namespace {

// The roles of what a user operates or finds controls in.
bool IsControl(QAccessible::Role role) {
    static const QAccessible::Role kControls[] = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::SpinBox,      QAccessible::EditableText,
        QAccessible::Slider,     QAccessible::Table,        QAccessible::List,
        QAccessible::Tree,       QAccessible::ColumnHeader, QAccessible::RowHeader,
        QAccessible::MenuBar,    QAccessible::PopupMenu,    QAccessible::MenuItem,
        QAccessible::ButtonMenu, QAccessible::PageTab,      QAccessible::PageTabList,
        QAccessible::Grouping,   QAccessible::Pane,         QAccessible::Dialog,
        QAccessible::Window,     QAccessible::AlertMessage, QAccessible::Splitter};
    return std::find(std::begin(kControls), std::end(kControls), role) != std::end(kControls);
}

QSet<QString> ObjectNames(const QWidget& window) {
    QSet<QString> names{window.objectName()};
    for (const QObject* child : window.findChildren<const QObject*>()) {
        names.insert(child->objectName());
    }
    names.remove(QString());
    return names;
}

// What a screen reader finds under a window: the roles of all it reaches, and
// every control it would call by nothing or by an object name, with the way to
// it.
struct Walk {
    QSet<int> roles;
    QStringList unnamed;
};

void WalkFrom(QAccessibleInterface* node, const QSet<QString>& object_names, const QString& path,
              Walk& walk) {
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString here = path + QStringLiteral(" > %1 '%2'").arg(int(node->role())).arg(name);
    walk.roles.insert(int(node->role()));
    if (IsControl(node->role()) && (name.isEmpty() || object_names.contains(name))) {
        walk.unnamed << here;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            WalkFrom(child, object_names, here, walk);
        }
    }
}

Walk WalkWindow(QWidget& window) {
    Walk walk;
    WalkFrom(QAccessible::queryAccessibleInterface(&window), ObjectNames(window),
             window.metaObject()->className(), walk);
    return walk;
}

QStringList Unnamed(QWidget& window) {
    return WalkWindow(window).unnamed;
}

// The controls of the next modal box that have no name, before it is closed.
QStringList UnnamedInBox(const std::function<void()>& show) {
    QStringList unnamed{QStringLiteral("no box")};
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            unnamed = Unnamed(*box);
            box->done(QMessageBox::Cancel);
        }
    });
    show();
    return unnamed;
}

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

    void everyControlOfEveryWindowHasAName_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Greek") << QString::fromLatin1(kGreekCatalogue);
        QTest::newRow("English") << QString::fromLatin1(kEnglishCatalogue);
    }

    void everyControlOfEveryWindowHasAName() {
        QFETCH(QString, catalogue);
        const std::string file = catalogue.toStdString();
        GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto main = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(main.get()));
        main->ChooseLanguage(file);
        for (int page = 0; page < testing::Pages(*main)->count(); ++page) {
            testing::Pages(*main)->setCurrentIndex(page);
            QCOMPARE(Unnamed(*main), QStringList());
        }
        // The walk reaches the menus, the pages' tabs and boxes and the grids' headers.
        const QSet<int> reached = WalkWindow(*main).roles;
        for (QAccessible::Role role :
             {QAccessible::MenuItem, QAccessible::PopupMenu, QAccessible::PageTab,
              QAccessible::EditableText, QAccessible::PushButton, QAccessible::Table,
              QAccessible::ColumnHeader, QAccessible::RowHeader, QAccessible::Cell}) {
            QVERIFY2(reached.contains(int(role)), qPrintable(QString::number(int(role))));
        }
        const Catalogue& open = main->CurrentCatalogue();

        LiveWindow live(scene.services, open, nullptr);
        QVERIFY(testing::ShowAndActivate(&live));
        QCOMPARE(Unnamed(live), QStringList());
        LiveLedger ledger(scene.services, open, RecordFolderPath(scene.folder.Path()));
        NewGameDialog new_game(scene.services, ledger, nullptr);
        QVERIFY(testing::ShowAndActivate(&new_game));
        QCOMPARE(Unnamed(new_game), QStringList());
        HelpWindow help(scene.services, open);
        QVERIFY(testing::ShowAndActivate(&help));
        QCOMPARE(Unnamed(help), QStringList());
        AboutBox about(scene.services, open);
        QVERIFY(testing::ShowAndActivate(&about));
        QCOMPARE(Unnamed(about), QStringList());

        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        QCOMPARE(UnnamedInBox([&] { prompter.ShowMessage("Standart Lost"); }), QStringList());
        QCOMPARE(UnnamedInBox([&] { prompter.AskYesNo("Clear All Information ?"); }),
                 QStringList());
        QCOMPARE(UnnamedInBox([&] { prompter.AskOkIgnore("UploadNewVersion"); }), QStringList());
        QCOMPARE(UnnamedInBox([&] { prompter.ShowError("I/O error 5"); }), QStringList());
    }

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
        QCOMPARE(RowHeaders(arbitrage), (QStringList{"ODDS", "Wager", "Win Pay"}));
        QCOMPARE(ColumnHeaders(arbitrage).size(), 13);
        QCOMPARE(ColumnHeaders(arbitrage).last(), QStringLiteral("13"));
        auto* probability = Find(*main, ProbabilityControls(), &ProbabilityPage::outcomes);
        QCOMPARE(RowHeaders(probability), (QStringList{"ODDS", "PROBABILITY %"}));
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

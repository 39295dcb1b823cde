// A grid as a screen reader finds it: its fixed rows and columns as the
// headers of the cells beside them, never as data; its cells with their
// headers, check boxes that say so, and actions that run the same hooks as a
// click.

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

#include "core/base/operation_error.h"
#include "gui/gui_scene.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

namespace {

// Two header rows, "Buy" and "Sell" merged over two columns each, over a fixed
// column of row captions; a check box in the first data cell.
TextGrid LiveLikeGrid() {
    TextGrid grid(5, 4);
    grid.SetDefaultSizes(50, 21);
    grid.SetFixedRows(2);
    grid.SetFixedCols(1);
    grid.SetCell(0, 0, "Side");
    grid.MergeCells(0, 0, 1, 2);
    grid.SetCell(1, 0, "Buy");
    grid.MergeCells(1, 0, 2, 1);
    grid.SetCell(3, 0, "Sell");
    grid.MergeCells(3, 0, 2, 1);
    const char* second[] = {"1", "X", "1", "X"};
    for (int col = 1; col < 5; ++col) {
        grid.SetCell(col, 1, second[col - 1]);
    }
    grid.SetCell(0, 2, "Home");
    grid.SetCell(0, 3, "Away");
    grid.SetCell(2, 3, "2.5");
    grid.AddCheckBox(1, 2, false);
    return grid;
}

QAccessibleInterface* Reader(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QAccessibleTableInterface* Table(QWidget* widget) {
    QAccessibleInterface* reader = Reader(widget);
    return reader ? reader->tableInterface() : nullptr;
}

QString Name(QAccessibleInterface* part) {
    return part ? part->text(QAccessible::Name) : QStringLiteral("<none>");
}

// What each child of a table is, in order: its role and name.
QStringList Children(QAccessibleInterface* table) {
    QStringList children;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        const QString role = child->role() == QAccessible::ColumnHeader ? QStringLiteral("column")
                             : child->role() == QAccessible::RowHeader  ? QStringLiteral("row")
                             : child->role() == QAccessible::Cell       ? QStringLiteral("cell")
                             : child->role() == QAccessible::CheckBox   ? QStringLiteral("box")
                                                                        : QStringLiteral("other");
        children << role + QLatin1Char(' ') + Name(child);
        if (table->indexOfChild(child) != i) {
            children << QStringLiteral("!index");
        }
    }
    return children;
}

QString HeaderOf(const QList<QAccessibleInterface*>& headers) {
    return headers.size() == 1 ? Name(headers.first()) : QString::number(headers.size());
}

}  // namespace

class GridAccessibleTest : public QObject {
    Q_OBJECT

    testing::ScriptedPrompter m_errors;

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    // The caption where the fixed rows and columns meet, the column headers,
    // then each row's header and cells; a merged text heads each column it
    // covers, said with the row under it.
    void fixedCellsAreHeadersAndNeverData() {
        TextGrid grid = LiveLikeGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        QAccessibleInterface* table = Reader(&view);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(Children(table),
                 (QStringList{"column Side", "column Buy 1", "column Buy X", "column Sell 1",
                              "column Sell X", "row Home", "box Buy 1", "cell ", "cell ", "cell ",
                              "row Away", "cell ", "cell 2.5", "cell ", "cell "}));
        QAccessibleTableInterface* cells = table->tableInterface();
        QCOMPARE(cells->rowCount(), 2);
        QCOMPARE(cells->columnCount(), 4);
        QCOMPARE(cells->columnDescription(2), QStringLiteral("Sell 1"));
        QCOMPARE(cells->rowDescription(1), QStringLiteral("Away"));

        QAccessibleInterface* figure = cells->cellAt(1, 1);
        QCOMPARE(Name(figure), QStringLiteral("2.5"));
        QAccessibleTableCellInterface* place = figure->tableCellInterface();
        QCOMPARE(place->rowIndex(), 1);
        QCOMPARE(place->columnIndex(), 1);
        QCOMPARE(HeaderOf(place->columnHeaderCells()), QStringLiteral("Buy X"));
        QCOMPARE(HeaderOf(place->rowHeaderCells()), QStringLiteral("Away"));
        QCOMPARE(figure->parent(), table);
        // Each child is made once, and found where it is drawn.
        QCOMPARE(cells->cellAt(1, 1), figure);
        const QRect drawn = view.visualRect(view.model()->index(3, 2));
        const QPoint centre = view.viewport()->mapToGlobal(drawn.center());
        QCOMPARE(table->childAt(centre.x(), centre.y()), figure);
        QCOMPARE(figure->rect().center(), centre);
        const QRect header = view.visualRect(view.model()->index(1, 3));
        const QPoint over = view.viewport()->mapToGlobal(header.center());
        QCOMPARE(Name(table->childAt(over.x(), over.y())), QStringLiteral("Sell 1"));
    }

    // Headers follow the grid's texts and shape as they change.
    void headersFollowTheGrid() {
        TextGrid grid = LiveLikeGrid();
        GridView view(grid, m_errors);
        QAccessibleTableInterface* cells = Table(&view);
        QAccessibleTableCellInterface* first = cells->cellAt(0, 0)->tableCellInterface();
        QAccessibleInterface* buy = first->columnHeaderCells()[0];
        QAccessibleInterface* home = first->rowHeaderCells()[0];
        grid.SetCell(1, 0, "Back");
        QCOMPARE(Name(buy), QStringLiteral("Back 1"));
        grid.InsertRows(4, 2);
        QCOMPARE(cells->rowCount(), 4);
        QCOMPARE(Reader(&view)->childCount(), 5 + 4 * 5);
        grid.SetFixedCols(0);
        QCOMPARE(cells->columnCount(), 5);
        QCOMPARE(cells->columnDescription(0), QStringLiteral("Side"));
        QVERIFY(cells->cellAt(0, 0)->tableCellInterface()->rowHeaderCells().isEmpty());
        // A header the grid no longer has is gone.
        QVERIFY(!home->isValid());
        QCOMPARE(Reader(&view)->indexOfChild(home), -1);
    }

    // Labels beside a grid without a fixed column are its rows' headers.
    void captionLabelsBesideTheRowsAreTheirHeaders() {
        TextGrid grid(3, 3);
        grid.SetFixedRows(1);
        grid.SetCell(0, 0, "1");
        grid.SetCell(1, 0, "2");
        QWidget page;
        auto* odds = new QLabel(QStringLiteral("&ODDS"), &page);
        auto* wager = new QLabel(QStringLiteral("Wager"), &page);
        auto* view = new GridView(grid, m_errors, &page);
        auto* layout = new QHBoxLayout(&page);
        layout->addWidget(odds);
        layout->addWidget(wager);
        layout->addWidget(view);
        view->SetRowCaptions({odds, wager});
        QVERIFY(testing::ShowAndActivate(&page));
        QAccessibleInterface* table = Reader(view);
        QCOMPARE(Children(table),
                 (QStringList{"column 1", "column 2", "column ", "row ODDS", "cell ", "cell ",
                              "cell ", "row Wager", "cell ", "cell ", "cell "}));
        QAccessibleInterface* row =
            table->tableInterface()->cellAt(1, 0)->tableCellInterface()->rowHeaderCells()[0];
        QCOMPARE(row->rect(), QRect(wager->mapToGlobal(QPoint(0, 0)), wager->size()));
        wager->setText(QStringLiteral("Stake"));
        QCOMPARE(Name(row), QStringLiteral("Stake"));
    }

    // A check box's cell is checkable and its one action flips it through the
    // page's hook, as a click on it does; the hook's failure is reported.
    void aCheckBoxCellTogglesThroughThePage() {
        TextGrid grid = LiveLikeGrid();
        GridView view(grid, m_errors);
        std::vector<std::pair<int, int>> clicks;
        view.SetCheckBoxClicked([&](int col, int row) {
            clicks.emplace_back(col, row);
            grid.SetChecked(col, row, !grid.IsChecked(col, row));
        });
        QAccessibleInterface* box = Table(&view)->cellAt(0, 0);
        QCOMPARE(box->role(), QAccessible::CheckBox);
        QVERIFY(box->state().checkable);
        QVERIFY(!box->state().checked);
        QAccessibleActionInterface* actions = box->actionInterface();
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::toggleAction()});
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(clicks, (std::vector<std::pair<int, int>>{{1, 2}}));
        QVERIFY(box->state().checked);

        view.SetCheckBoxClicked([](int, int) { throw OperationError("I/O error 5"); });
        m_errors.ExpectError("I/O error 5");
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(m_errors.AllShown());
        QVERIFY(box->state().checked);
    }

    // Press does what a click does: the page may refuse the cell, else it
    // becomes current and the row hook hears of it. A display-only grid
    // offers nothing to do.
    void pressRunsTheClickHooks() {
        TextGrid grid = LiveLikeGrid();
        GridView view(grid, m_errors);
        std::vector<std::pair<int, int>> asked;
        std::vector<int> rows;
        view.SetSelectCell([&](int col, int row) {
            asked.emplace_back(col, row);
            return col != 4;
        });
        view.SetRowClicked([&](int row) { rows.push_back(row); });
        view.SetCurrentCell(1, 2);
        QAccessibleTableInterface* cells = Table(&view);
        QAccessibleActionInterface* refused = cells->cellAt(1, 3)->actionInterface();
        QCOMPARE(refused->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        refused->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(view.CurrentCol(), 1);
        cells->cellAt(1, 1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(view.CurrentCol(), 2);
        QCOMPARE(view.CurrentRow(), 3);
        QVERIFY(cells->cellAt(1, 1)->state().focused);
        QVERIFY(cells->cellAt(1, 1)->tableCellInterface()->isSelected());
        QCOMPARE(cells->selectedCells(), QList<QAccessibleInterface*>{cells->cellAt(1, 1)});
        QCOMPARE(cells->selectedRows(), QList<int>());
        QVERIFY(!cells->selectRow(1));
        QCOMPARE(asked, (std::vector<std::pair<int, int>>{{4, 3}, {2, 3}}));
        QCOMPARE(rows, std::vector<int>{3});

        view.SetInert(true);
        QVERIFY(cells->cellAt(1, 1)->actionInterface()->actionNames().isEmpty());
        QVERIFY(cells->cellAt(0, 0)->actionInterface()->actionNames().isEmpty());
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::GridAccessibleTest)
#include "grid_accessible_test.moc"

// The grid widget on its own: its model under Qt's model checker, and every
// event the pages hook into.

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLineEdit>
#include <QTest>

#include <cctype>

#include "core/base/operation_error.h"
#include "core/numeric/key_filter.h"
#include "gui/drawn_text_check.h"
#include "gui/gui_scene.h"
#include "gui/widgets/font_scale.h"
#include "gui/widgets/grid_model.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

using testing::PressKey;
using testing::Type;

namespace {

TextGrid SmallGrid() {
    TextGrid grid(4, 5);
    grid.SetFixedRows(1);
    grid.SetDefaultSizes(50, 21);
    for (int c = 0; c < 4; ++c) {
        grid.SetCell(c, 0, "H" + std::to_string(c));
    }
    return grid;
}

QPoint CellCentre(GridView& view, int col, int row) {
    return view.visualRect(view.model()->index(row, col)).center();
}

}  // namespace

class GridViewTest : public QObject {
    Q_OBJECT

    // The grids' error edge: a report nobody expects fails the test.
    testing::ScriptedPrompter m_errors;

private slots:
    // Sizes below are the grid's own, at the program's font.
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        QApplication::setFont(ProgramFont());
    }

    // A hook that fails is shown in the general error report, and the grid
    // goes on with the hook's safest answer.
    void aFailingHookIsReportedAndSafe() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.SetCurrentCell(0, 1);
        view.SetSelectCell([](int, int) -> bool { throw OperationError("Invalid stream format"); });
        view.SetKeyFilter([](char, const std::string&) -> std::optional<char> {
            throw OperationError("I/O error 5");
        });
        m_errors.ExpectError("Invalid stream format");
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.CurrentCol(), 0);
        m_errors.ExpectError("I/O error 5");
        QTest::keyClick(&view, Qt::Key_7);
        QVERIFY(!view.IsEditing());
        QCOMPARE(grid.Cell(0, 1), std::string());
        QVERIFY(m_errors.AllShown());
    }

    void modelFollowsEveryKindOfChange() {
        TextGrid grid = SmallGrid();
        GridModel model(grid);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.SetCell(1, 2, "x");
        QCOMPARE(model.data(model.index(2, 1)).toString(), QStringLiteral("x"));
        grid.InsertRows(2, 3);
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(model.data(model.index(5, 1)).toString(), QStringLiteral("x"));
        grid.RemoveRows(1, 4);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("x"));
        grid.SetColCount(6);
        QCOMPARE(model.columnCount(), 6);
        grid.AddCheckBox(0, 1, true);
        QCOMPARE(model.data(model.index(1, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        grid.SetBackground(2, 1, GridColour::Rgb(74, 255, 74));
        QCOMPARE(model.data(model.index(1, 2), Qt::BackgroundRole).value<QColor>(),
                 QColor(74, 255, 74));
        grid.ClearCells();
        grid.SetRowCount(0);
        QCOMPARE(model.rowCount(), 0);
        // Fixed cells are shown but never selectable or editable.
        grid.SetRowCount(3);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable));
        QVERIFY(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
        // Typed text reaches a cell through the view, which validates it: the
        // model takes no text of its own.
        QVERIFY(!model.setData(model.index(1, 0), QStringLiteral("7")));
        QCOMPARE(grid.Cell(0, 1), std::string());
    }

    void refusedSelectionKeepsTheCurrentCell() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        std::vector<std::pair<int, int>> asked;
        view.SetSelectCell([&](int col, int row) {
            asked.emplace_back(col, row);
            return col != 2;
        });
        view.SetCurrentCell(1, 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 2, 2));
        QCOMPARE(view.CurrentCol(), 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 3, 3));
        QCOMPARE(view.CurrentCol(), 3);
        QCOMPARE(view.CurrentRow(), 3);
        QCOMPARE(asked, (std::vector<std::pair<int, int>>{{2, 2}, {3, 3}}));
        // The keyboard passes over the refused cell rather than stopping at it.
        asked.clear();
        view.setFocus();
        PressKey(Qt::Key_Left);
        QCOMPARE(view.CurrentCol(), 1);
        QCOMPARE(asked, (std::vector<std::pair<int, int>>{{2, 3}, {1, 3}}));
    }

    // Keys that would stop on a cell that may not be current pass over it: a
    // step goes on the same way, a jump comes back toward where it started.
    void keysPassOverCellsThatMayNotBeCurrent_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        // clang-format off
        QTest::newRow("Right over a refused column") << int(Qt::Key_Right)    << none << QPoint(1, 1) << QPoint(3, 1);
        QTest::newRow("Left over it")                << int(Qt::Key_Left)     << none << QPoint(3, 1) << QPoint(1, 1);
        QTest::newRow("Right with none beyond")      << int(Qt::Key_Right)    << none << QPoint(4, 1) << QPoint(4, 1);
        QTest::newRow("End: the last one allowed")   << int(Qt::Key_End)      << none << QPoint(0, 2) << QPoint(4, 2);
        QTest::newRow("Home")                        << int(Qt::Key_Home)     << none << QPoint(4, 2) << QPoint(0, 2);
        QTest::newRow("Ctrl+End")                    << int(Qt::Key_End)      << ctrl << QPoint(1, 1) << QPoint(4, 4);
        QTest::newRow("Ctrl+Home: not the header")   << int(Qt::Key_Home)     << ctrl << QPoint(4, 3) << QPoint(0, 1);
        QTest::newRow("PageDown")                    << int(Qt::Key_PageDown) << none << QPoint(1, 1) << QPoint(1, 4);
        QTest::newRow("PageUp: not the header")      << int(Qt::Key_PageUp)   << none << QPoint(1, 4) << QPoint(1, 1);
        QTest::newRow("Up from the first row")       << int(Qt::Key_Up)       << none << QPoint(1, 1) << QPoint(1, 1);
        // clang-format on
    }

    void keysPassOverCellsThatMayNotBeCurrent() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        TextGrid grid = SmallGrid();
        grid.SetColCount(6);
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.SetSelectCell([](int col, int) { return col != 2 && col != 5; });
        view.setFocus();
        view.SetCurrentCell(from.x(), from.y());
        PressKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QPoint(view.CurrentCol(), view.CurrentRow()), to);
    }

    // Where the grid says so, Tab and Shift+Tab walk the cells that may be
    // current, row by row, and leave the grid past the last or the first.
    void tabWalksTheCellsAndLeavesAfterTheLast() {
        QWidget window;
        QLineEdit before(&window);
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors, &window);
        QLineEdit after(&window);
        view.move(0, 30);
        after.move(0, 300);
        QVERIFY(testing::ShowAndActivate(&window));
        view.SetSelectCell([](int col, int) { return col != 2; });
        view.SetTabWalksCells(true);
        view.setFocus();
        view.SetCurrentCell(1, 3);
        std::vector<QPoint> visited;
        for (int i = 0; i < 4; ++i) {
            PressKey(Qt::Key_Tab);
            visited.emplace_back(view.CurrentCol(), view.CurrentRow());
        }
        QCOMPARE(visited, (std::vector<QPoint>{{3, 3}, {0, 4}, {1, 4}, {3, 4}}));
        QCOMPARE(QApplication::focusWidget(), &view);
        PressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &after);
        // An edit open on Tab ends and the walk goes on.
        view.setFocus();
        view.SetCurrentCell(0, 1);
        Type(QStringLiteral("5"));
        QVERIFY(view.IsEditing());
        PressKey(Qt::Key_Tab);
        QVERIFY(!view.IsEditing());
        QCOMPARE(grid.Cell(0, 1), std::string("5"));
        QCOMPARE(QPoint(view.CurrentCol(), view.CurrentRow()), QPoint(1, 1));
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), &before);
    }

    // A click on a cell or Space on the current one reaches the page first;
    // a click it takes leaves the current cell where it was.
    void aCellIsActedOnByAClickOrSpace() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        std::vector<std::pair<int, int>> acted;
        view.SetKeyFilter(
            [](char typed, const std::string&) { return std::optional<char>(typed); });
        view.SetCellActivated([&](int col, int row) {
            acted.emplace_back(col, row);
            return col == 2;
        });
        view.setFocus();
        view.SetCurrentCell(1, 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 2, 3));
        QCOMPARE(QPoint(view.CurrentCol(), view.CurrentRow()), QPoint(1, 1));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 3, 3));
        QCOMPARE(QPoint(view.CurrentCol(), view.CurrentRow()), QPoint(3, 3));
        // Reached by keyboard the cell is only current; Space acts on it.
        PressKey(Qt::Key_Left);
        QCOMPARE(view.CurrentCol(), 2);
        PressKey(Qt::Key_Space);
        QVERIFY(!view.IsEditing());
        QCOMPARE(acted, (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}, {2, 3}}));
        // Space the page leaves is typed as any key.
        PressKey(Qt::Key_Right);
        PressKey(Qt::Key_Space);
        QVERIFY(view.IsEditing());
        QCOMPARE(view.CurrentText(), std::string(" "));
    }

    void keyFilterSeesTheTextAndMayReplace() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.SetKeyFilter([](char typed, const std::string& current) {
            return FilterSingleMarkKey(typed, ',', current);
        });
        view.setFocus();
        view.SetCurrentCell(0, 1);
        Type(QStringLiteral("1.2.3x,"));
        PressKey(Qt::Key_Return);
        QCOMPARE(QString::fromStdString(grid.Cell(0, 1)), QStringLiteral("1,23"));
        // Not editing: a second mark against the cell's own text is dropped.
        PressKey(Qt::Key_Period);
        QVERIFY(!view.IsEditing());
    }

    // The editor's filter is the only one: a character typed on a closed cell
    // reaches it once, and the keys that are not characters never do.
    void theFilterSeesEachCharacterOnceAndNoOtherKey_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("seen");  // what the filter was offered, in turn
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("edits_ended");
        using K = Qt::Key;
        QTest::newRow("a digit opens the cell") << QList<int>{K::Key_7} << "7" << true << "4" << 0;
        QTest::newRow("a dropped letter leaves it closed")
            << QList<int>{K::Key_X} << "x" << false << "4" << 0;
        QTest::newRow("Enter on a closed cell")
            << QList<int>{K::Key_Return} << "" << false << "4" << 0;
        QTest::newRow("keys on a closed cell")
            << QList<int>{K::Key_Escape, K::Key_Delete, K::Key_Backspace} << "" << false << "4"
            << 0;
        QTest::newRow("Enter ends the edit")
            << QList<int>{K::Key_7, K::Key_Enter} << "7" << false << "7" << 1;
        QTest::newRow("the line's own keys")
            << QList<int>{K::Key_7,    K::Key_8,      K::Key_9,     K::Key_Backspace,
                          K::Key_Left, K::Key_Delete, K::Key_Return}
            << "789" << false << "7" << 1;
        QTest::newRow("Escape cancels the edit")
            << QList<int>{K::Key_7, K::Key_Escape} << "7" << false << "4" << 1;
        QTest::newRow("Tab ends the edit")
            << QList<int>{K::Key_7, K::Key_Tab} << "7" << false << "7" << 1;
    }

    void theFilterSeesEachCharacterOnceAndNoOtherKey() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, seen);
        QFETCH(bool, editing);
        QFETCH(QString, cell);
        QFETCH(int, edits_ended);
        TextGrid grid = SmallGrid();
        grid.SetCell(1, 2, "4");
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        std::string offered;
        view.SetKeyFilter([&offered](char typed, const std::string&) -> std::optional<char> {
            offered += typed;
            return std::isdigit(static_cast<unsigned char>(typed)) ? std::optional<char>(typed)
                                                                   : std::nullopt;
        });
        int ended = 0;
        view.SetEditingDone([&ended](int, int) { ++ended; });
        view.setFocus();
        view.SetCurrentCell(1, 2);
        for (const int key : keys) {
            PressKey(Qt::Key(key));
        }
        QCOMPARE(QString::fromStdString(offered), seen);
        QCOMPARE(view.IsEditing(), editing);
        QCOMPARE(QString::fromStdString(grid.Cell(1, 2)), cell);
        QCOMPARE(ended, edits_ended);
    }

    // Found while giving typing one way in: in a grid that filters its keys, a
    // key on a cell that cannot be edited looked for a cell starting with it
    // and made that one current, refused or not. It has no use there.
    void aKeyOnACellThatCannotBeEditedMovesNothing() {
        TextGrid grid = SmallGrid();
        grid.SetCell(1, 3, "75");
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.SetCanEdit([](int col, int) { return col != 1; });
        view.SetSelectCell([](int, int row) { return row != 3; });
        int filtered = 0;
        view.SetKeyFilter([&filtered](char typed, const std::string&) {
            ++filtered;
            return std::optional<char>(typed);
        });
        view.setFocus();
        view.SetCurrentCell(1, 1);
        PressKey(Qt::Key_7);
        QCOMPARE(view.CurrentRow(), 1);
        QVERIFY(!view.IsEditing());
        QCOMPARE(filtered, 0);
    }

    void refusedEntryIsEmptiedAndTheEditorOpensAgain() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        int validations = 0;
        std::vector<std::pair<int, int>> done;
        view.SetValidateCell([&](int col, int row, const std::string&) {
            ++validations;
            if (grid.Cell(col, row) == "9") {
                grid.SetCell(col, row, "");
                return false;
            }
            return true;
        });
        view.SetEditingDone([&](int col, int row) { done.emplace_back(col, row); });
        view.setFocus();
        view.SetCurrentCell(1, 2);
        Type(QStringLiteral("9"));
        PressKey(Qt::Key_Return);
        QCOMPARE(grid.Cell(1, 2), std::string());
        QTRY_VERIFY(view.IsEditing());
        QCOMPARE(view.CurrentCol(), 1);
        QCOMPARE(view.CurrentRow(), 2);
        Type(QStringLiteral("7"));
        PressKey(Qt::Key_Return);
        QCOMPARE(grid.Cell(1, 2), std::string("7"));
        QCOMPARE(validations, 2);
        QCOMPARE(done, (std::vector<std::pair<int, int>>{{1, 2}, {1, 2}}));
        // An edit that changes nothing is not validated but still ends.
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_Return);
        QCOMPARE(validations, 2);
        QCOMPARE(done.size(), std::size_t{3});
    }

    // Found by the monkey: a paste left the editor open and Clear emptied the
    // grid; the editor Qt then let go still had the view watching it while it
    // was destroyed (UBSan: a downcast of a half-destroyed editor).
    void anEditorOpenWhenTheGridIsClearedGoesQuietly() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.setFocus();
        view.SetCurrentCell(1, 2);
        PressKey(Qt::Key_F2);
        Type(QStringLiteral("7"));
        QVERIFY(view.IsEditing());
        grid.ClearCells();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!view.IsEditing());
        QCOMPARE(grid.Cell(1, 2), std::string());
        // The grid takes typing again.
        view.setFocus();
        view.SetCurrentCell(1, 2);
        Type(QStringLiteral("8"));
        PressKey(Qt::Key_Return);
        QCOMPARE(grid.Cell(1, 2), std::string("8"));
    }

    void enterRuleMovesAfterTheEditEnds() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.SetEnterRule(
            [&](int col, int row, const std::string& text) -> std::optional<std::pair<int, int>> {
                if (text.empty()) {
                    return std::nullopt;
                }
                return std::make_pair(col, row == 4 ? 1 : row + 1);
            });
        view.setFocus();
        view.SetCurrentCell(2, 4);
        Type(QStringLiteral("5"));
        PressKey(Qt::Key_Return);
        QCOMPARE(grid.Cell(2, 4), std::string("5"));
        QCOMPARE(view.CurrentRow(), 1);
        PressKey(Qt::Key_Return);  // empty cell: stays
        QCOMPARE(view.CurrentRow(), 1);
    }

    void checkBoxClickGoesToThePage() {
        TextGrid grid = SmallGrid();
        grid.AddCheckBox(0, 2, false);
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        std::vector<std::pair<int, int>> clicks;
        view.SetCheckBoxClicked([&](int col, int row) {
            clicks.emplace_back(col, row);
            grid.SetChecked(col, row, !grid.IsChecked(col, row));
        });
        const QRect cell = view.visualRect(view.model()->index(2, 0));
        const QPoint box(cell.left() + 8, cell.center().y());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, box);
        if (clicks.empty()) {  // the first click may only make the cell current
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, box);
        }
        QCOMPARE(clicks, (std::vector<std::pair<int, int>>{{0, 2}}));
        QVERIFY(grid.IsChecked(0, 2));

        // Space on the cell goes the same way; nothing opens an editor in it.
        view.setFocus();
        view.SetCurrentCell(0, 2);
        PressKey(Qt::Key_Space);
        QCOMPARE(clicks, (std::vector<std::pair<int, int>>{{0, 2}, {0, 2}}));
        QVERIFY(!grid.IsChecked(0, 2));
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        PressKey(Qt::Key_7);
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_V, Qt::ControlModifier);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 0, 2));
        QVERIFY(!view.IsEditing());
        QCOMPARE(grid.Cell(0, 2), std::string());
    }

    void rowClickedByMouseAndKeyboard() {
        TextGrid grid(1, 5);
        grid.SetFixedRows(1);
        GridView view(grid, m_errors);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        QVERIFY(testing::ShowAndActivate(&view));
        std::vector<int> rows;
        view.SetRowClicked([&](int row) { rows.push_back(row); });
        view.SetCurrentCell(0, 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 0, 1));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 0, 3));
        view.setFocus();
        PressKey(Qt::Key_Down);
        // With no enter rule, Enter and Space on the current row are a click on it.
        PressKey(Qt::Key_Return);
        PressKey(Qt::Key_Space);
        QCOMPARE(rows, (std::vector<int>{1, 3, 4, 4, 4}));
    }

    // An edit ended from outside, as Enter ends it without moving on; a refused
    // text says so and its editor opens again.
    void anEditEndedFromOutside() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        view.SetValidateCell(
            [&](int col, int row, const std::string&) { return grid.Cell(col, row) != "9"; });
        QVERIFY(view.EndEditing());
        view.setFocus();
        view.SetCurrentCell(1, 2);
        Type(QStringLiteral("5"));
        QVERIFY(view.EndEditing());
        QVERIFY(!view.IsEditing());
        QCOMPARE(grid.Cell(1, 2), std::string("5"));
        QCOMPARE(view.CurrentRow(), 2);
        view.SetCurrentCell(1, 3);
        Type(QStringLiteral("9"));
        QVERIFY(!view.EndEditing());
        QTRY_VERIFY(view.IsEditing());
    }

    void columnsWidenByDraggingTheHeaderEdge() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        const int edge = view.columnViewportPosition(1) + view.columnWidth(1);
        const int y = CellCentre(view, 1, 0).y();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(edge, y));
        QTest::mouseMove(view.viewport(), QPoint(edge + 30, y));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(edge + 30, y));
        QCOMPARE(grid.ColWidth(1), 80);
        QCOMPARE(view.columnWidth(1), 80);
    }

    // Found by the monkey: dragged far enough, a column left no room for the
    // "…", and its text vanished or was drawn over the edge.
    void aColumnStopsNarrowingWhereACutStillShowsItsMark_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("check_box");
        QTest::newRow("a header text") << "Staked" << false;
        QTest::newRow("a figure beside a check box") << "10" << true;
    }

    void aColumnStopsNarrowingWhereACutStillShowsItsMark() {
        QFETCH(QString, text);
        QFETCH(bool, check_box);
        TextGrid grid = SmallGrid();
        grid.SetCell(1, 0, text.toStdString());
        grid.SetCell(1, 1, text.toStdString());
        if (check_box) {
            grid.AddCheckBox(1, 1, false);
        }
        GridView view(grid, m_errors);
        view.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        QVERIFY(testing::ShowAndActivate(&view));
        const int edge = view.columnViewportPosition(1) + view.columnWidth(1);
        const int y = CellCentre(view, 1, 0).y();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(edge, y));
        QTest::mouseMove(view.viewport(), QPoint(edge - 60, y));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(edge - 60, y));
        QVERIFY(grid.ColWidth(1) < 50);
        QCOMPARE(view.columnWidth(1), grid.ColWidth(1));
        testing::DrawnTextReport report = testing::CheckDrawnText(&view);
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        QVERIFY(!report.cut.isEmpty());

        // A check box given to a cell of a shown column (as a file's are) widens it.
        if (!check_box) {
            grid.AddCheckBox(1, 2, true);
            QTRY_COMPARE(view.columnWidth(1), view.MinimumColumnWidth(1));
            report = testing::CheckDrawnText(&view);
            QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        }

        // A width the grid was given narrower still (a file's) shows as wide.
        grid.SetColWidth(1, 2);
        QCOMPARE(view.columnWidth(1), view.MinimumColumnWidth(1));
        report = testing::CheckDrawnText(&view);
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
    }

    void textThatDoesNotFitIsCutVisiblyAndWholeInItsToolTip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");  // HAlign
        QTest::addColumn<bool>("cut");
        QTest::newRow("fits") << "1.85" << int(HAlign::kLeft) << false;
        QTest::newRow("Win Pay") << "1000.01" << int(HAlign::kLeft) << true;
        QTest::newRow("negative, right-aligned") << "-100.01" << int(HAlign::kRight) << true;
        QTest::newRow("centred") << "100.25" << int(HAlign::kCenter) << true;
        QTest::newRow("fifteen digits") << "123456789012345" << int(HAlign::kLeft) << true;
    }

    void textThatDoesNotFitIsCutVisiblyAndWholeInItsToolTip() {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(bool, cut);
        // The probability page's 32-pixel columns at the program's font.
        TextGrid grid(3, 2);
        grid.SetFixedRows(1);
        grid.SetDefaultSizes(32, 21);
        grid.SetCell(1, 0, text.toStdString());
        grid.SetCell(1, 1, text.toStdString());
        grid.SetAlignment(1, 1, static_cast<HAlign>(alignment));
        GridView view(grid, m_errors);
        view.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        QVERIFY(testing::ShowAndActivate(&view));

        for (int row : {0, 1}) {
            const DrawnText drawn = view.DrawnCell(1, row);
            QCOMPARE(drawn.whole, text);
            QCOMPARE(drawn.IsCut(), cut);
            QCOMPARE(testing::CellToolTip(&view, 1, row), cut ? text : QString());
        }
        const testing::DrawnTextReport report = testing::CheckDrawnText(&view);
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        QCOMPARE(report.cut.size(), cut ? 2 : 0);
        // A cell that a merged neighbour covers draws nothing of its own.
        grid.MergeCells(0, 0, 2, 1);
        QCOMPARE(view.DrawnCell(1, 0).shown, QString());
    }

    // Qt cuts by fractional advances: at some widths its cut text is a pixel
    // wider than the cell once rounded, and the "…" loses its last pixel. Every
    // width of a long game name, plain and bold, must draw within its cell.
    void aCutTextFitsItsCellAtEveryWidth() {
        const std::string name =
            "2008_03_15;20-45;Team WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW.lvo";
        TextGrid grid(1, 1);
        grid.SetCell(0, 0, name);
        GridView view(grid, m_errors);
        QVERIFY(testing::ShowAndActivate(&view));
        for (const bool bold : {false, true}) {
            QFont font = view.font();
            font.setBold(bold);
            view.setFont(font);
            for (int width = 30; width <= 400; ++width) {
                grid.SetColWidth(0, width);
                view.ApplyLayout();
                const testing::DrawnTextReport report = testing::CheckDrawnText(&view);
                QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
            }
        }
    }

    // The grid keeps its sizes at the program's font; a larger font shows its
    // rows taller and its columns wider, so that a figure that fits the
    // program's font still fits, and the columns still fill the grid whole.
    void sizesGrowWithTheFont_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("the program's font") << "Liberation Sans" << 8 << false;
        QTest::newRow("bold") << "Liberation Sans" << 8 << true;
        QTest::newRow("10 points") << "DejaVu Sans" << 10 << false;
        QTest::newRow("13 points") << "DejaVu Sans" << 13 << false;
        QTest::newRow("13 points, bold") << "DejaVu Sans" << 13 << true;
        QTest::newRow("20 points") << "Liberation Serif" << 20 << false;
    }

    void sizesGrowWithTheFont() {
        QFETCH(QString, family);
        QFETCH(int, points);
        QFETCH(bool, bold);
        // The probability page's row: 32-pixel columns, "45.09" whole in each.
        TextGrid grid(15, 3);
        grid.SetFixedRows(1);
        grid.SetDefaultSizes(32, 21);
        for (int c = 0; c < grid.ColCount(); ++c) {
            grid.SetCell(c, 1, "45.09");
        }
        GridView view(grid, m_errors);
        QFont font(family, points);
        font.setBold(bold);
        view.setFont(font);
        QVERIFY(testing::ShowAndActivate(&view));

        const bool own = points == 8;
        int total = 0;
        for (int c = 0; c < grid.ColCount(); ++c) {
            QVERIFY(own ? view.columnWidth(c) == 32 : view.columnWidth(c) > 32);
            total += view.columnWidth(c);
        }
        QCOMPARE(total, FontScale(font).Across(32 * 15));
        QVERIFY(own ? view.rowHeight(1) == 21
                    : view.rowHeight(1) >=
                          21 + QFontMetrics(font).height() - QFontMetrics(ProgramFont()).height());
        QCOMPARE(grid.ColWidth(0), 32);
        QCOMPARE(view.FullSize().width(), total + 2 * view.frameWidth());
        const testing::DrawnTextReport report = testing::CheckDrawnText(&view);
        QVERIFY2(report.faults.isEmpty() && report.cut.isEmpty(),
                 qPrintable((report.faults + report.cut).join('\n')));
    }

    void aGridThatFillsItsWidthSharesOutTheRoom() {
        TextGrid grid = SmallGrid();
        grid.SetColWidth(0, 25);
        GridView view(grid, m_errors);
        view.resize(400, 200);
        view.SetFillsWidth(true);
        QVERIFY(testing::ShowAndActivate(&view));
        const int room = view.viewport()->width();
        QVERIFY(room > 175);
        int shown = 0;
        for (int c = 0; c < 4; ++c) {
            shown += view.columnWidth(c);
        }
        QCOMPARE(shown, room);
        // In proportion to the grid's own widths, which stay as they were.
        QVERIFY(std::abs(view.columnWidth(1) - 2 * view.columnWidth(0)) <= 2);
        QCOMPARE(grid.ColWidth(0), 25);
        QCOMPARE(grid.ColWidth(1), 50);
        // The edges are not dragged.
        const int edge = view.columnViewportPosition(1) + view.columnWidth(1);
        const int y = CellCentre(view, 1, 0).y();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(edge, y));
        QTest::mouseMove(view.viewport(), QPoint(edge + 30, y));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(edge + 30, y));
        QCOMPARE(grid.ColWidth(1), 50);
        // Narrower than the grid, the columns keep the grid's widths.
        view.resize(100, 200);
        QTRY_COMPARE(view.columnWidth(1), 50);
        QCOMPARE(view.columnWidth(0), 25);
    }

    void mergedCellsSpanAndAutoSizeFitsText() {
        TextGrid grid(11, 3);
        grid.SetFixedRows(2);
        grid.MergeCells(0, 0, 4, 1);
        grid.SetCell(0, 0, "Buy");
        grid.SetCell(0, 2, "a rather long text in a cell");
        GridView view(grid, m_errors);
        QCOMPARE(view.columnSpan(0, 0), 4);
        QCOMPARE(view.columnSpan(0, 4), 1);
        view.AutoSizeColumn(0);
        QVERIFY(grid.ColWidth(0) > view.fontMetrics().horizontalAdvance(
                                       QStringLiteral("a rather long text in a cell")));
    }

    void inertGridTakesNothing() {
        TextGrid grid = SmallGrid();
        GridView view(grid, m_errors);
        view.SetInert(true);
        QVERIFY(testing::ShowAndActivate(&view));
        QCOMPARE(view.focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCentre(view, 1, 2));
        QVERIFY(!view.currentIndex().isValid());
        QVERIFY(!view.IsEditing());
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::GridViewTest)
#include "grid_view_test.moc"

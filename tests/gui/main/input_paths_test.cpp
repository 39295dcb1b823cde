// Every way text can reach a cell or a box (typed keys, Ctrl+V, Shift+Insert,
// the context menu, a middle click, a drop, an input method) leaves what typing
// the same characters one by one would have left.
//
// Runs on X11 (Xvfb) so that the selection clipboard of the middle click is real.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

#include "core/base/file_io.h"
#include "core/i18n/catalogue.h"
#include "core/live/game_record.h"
#include "core/live/live_ledger.h"
#include "core/live/position_sheet.h"
#include "core/live/record_folder.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

using testing::Find;
using testing::GuiScene;
using testing::PressKey;

namespace {

enum class Path { kTyped, kCtrlV, kShiftInsert, kContextMenu, kMiddleClick, kDrop, kInputMethod };

const char* PathName(Path path) {
    switch (path) {
        case Path::kTyped:
            return "typed";
        case Path::kCtrlV:
            return "Ctrl+V";
        case Path::kShiftInsert:
            return "Shift+Insert";
        case Path::kContextMenu:
            return "context menu";
        case Path::kMiddleClick:
            return "middle click";
        case Path::kDrop:
            return "drop";
        case Path::kInputMethod:
            return "input method";
    }
    return "";
}

constexpr Path kPastePaths[] = {Path::kCtrlV,       Path::kShiftInsert, Path::kContextMenu,
                                Path::kMiddleClick, Path::kDrop,        Path::kInputMethod};

QWidget* Focus() {
    return QApplication::focusWidget();
}

// One character as a key press and release with that character as its text.
void TypeChar(QChar c) {
    const int key = c.unicode() < 0x80 ? c.toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(Focus(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(Focus(), &release);
}

void ChooseFromContextMenu(QWidget* target, const QString& prefix) {
    const QPoint at = target->rect().center();
    QContextMenuEvent menu_event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &menu_event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY2(menu, "no context menu");
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(prefix)) {
            if (action->isEnabled()) {
                action->trigger();
            }
            break;
        }
    }
    menu->close();
}

// Where a click lands on the text cursor, so that a click or a drop puts its
// text where typing would.
QPoint AtCursor(QWidget* target) {
    return target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
}

// Puts `text` into the focused line by one path. Typing leaves out the control
// characters: those are keys (Enter, Tab), not text.
void Deliver(Path path, const QString& text) {
    QWidget* target = Focus();
    QVERIFY(target);
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (path) {
        case Path::kTyped:
            for (const QChar c : text) {
                if (c.unicode() >= 0x20 && c.unicode() != 0x7F) {
                    TypeChar(c);
                }
            }
            break;
        case Path::kCtrlV:
            clipboard->setText(text);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            break;
        case Path::kShiftInsert:
            clipboard->setText(text);
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Path::kContextMenu:
            clipboard->setText(text);
            ChooseFromContextMenu(target, QStringLiteral("&Paste"));
            break;
        case Path::kMiddleClick:
            QVERIFY2(clipboard->supportsSelection(), "this platform has no selection clipboard");
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(target, Qt::MiddleButton, {}, AtCursor(target));
            break;
        case Path::kDrop: {
            QMimeData data;
            data.setText(text);
            const QPointF at = AtCursor(target);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &move);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
            break;
        }
        case Path::kInputMethod: {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(target, &commit);
            break;
        }
    }
}

// A place text can be put into: made empty and focused, then finished (a
// grid's edit ends with Enter) and read back.
struct Place {
    std::function<void()> open;
    std::function<void()> finish;
    std::function<QString()> read;
};

Place GridCell(GridView* grid, int col, int row) {
    return {[grid, col, row] {
                grid->Grid().SetCell(col, row, std::string());
                grid->setFocus();
                grid->SetCurrentCell(col, row);
                PressKey(Qt::Key_F2);
            },
            [] { PressKey(Qt::Key_Return); },
            [grid, col, row] { return QString::fromStdString(grid->Grid().Cell(col, row)); }};
}

Place Box(QLineEdit* box) {
    return {[box] {
                box->setFocus();
                box->clear();
            },
            [] {}, [box] { return box->text(); }};
}

QString Land(const Place& place, Path path, const QString& text) {
    place.open();
    Deliver(path, text);
    place.finish();
    return place.read();
}

// A text for a failure message: control characters spelled out, cut short.
QString Shown(const QString& text) {
    QString shown;
    for (const QChar c : text.left(20)) {
        shown += c.unicode() < 0x20
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    }
    return shown;
}

const QString kHundredDigits = QString(100, QLatin1Char('7'));

// The nasty texts: field marks, signs and letters, a second decimal mark,
// full-width digits, line breaks, Greek, an exponent, a long figure, a NUL.
const QString kTexts[] = {QStringLiteral("9;9;9"),
                          QStringLiteral("-2,5e1 x"),
                          QStringLiteral("1.2.3"),
                          QStringLiteral("１２"),
                          QStringLiteral("\r\n7\t"),
                          QStringLiteral("Απόδοση 3,5"),
                          QStringLiteral("1e308"),
                          kHundredDigits + kHundredDigits + kHundredDigits,
                          QString(QChar(0)) + QStringLiteral("4")};

constexpr int kFirstRow = kFirstPositionRow;

}  // namespace

class InputPathsTest : public QObject {
    Q_OBJECT

private:
    // Every place of a window against every text and path.
    void EveryPathLikeTyping(const QString& where, const Place& place) {
        for (const QString& text : kTexts) {
            const QString typed = Land(place, Path::kTyped, text);
            for (const Path path : kPastePaths) {
                const QString landed = Land(place, path, text);
                if (QTest::currentTestFailed()) {
                    return;
                }
                QVERIFY2(landed == typed,
                         qPrintable(QStringLiteral("%1, %2 of \"%3\": \"%4\", typing "
                                                   "gives \"%5\"")
                                        .arg(where, PathName(path), Shown(text), landed, typed)));
            }
        }
    }

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void theMainWindowsCellsAndBoxes() {
        GuiScene gui;
        testing::Recorded recorded;
        auto window = testing::MakeWindow(gui, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* pages = testing::Pages(*window);

        struct {
            MainWindow::Page page;
            const char* where;
            GridView* grid;
        } const grids[] = {
            {MainWindow::kParlay, "selections",
             Find<GridView>(*window->Tab(MainWindow::kParlay), ParlayControls(),
                            &ParlaySheet::selections)},
            {MainWindow::kArbitrage, "arbitrage outcomes",
             Find<GridView>(*window->Tab(MainWindow::kArbitrage), ArbitrageControls(),
                            &ArbitragePage::outcomes)},
            {MainWindow::kProbability, "probability outcomes",
             Find<GridView>(*window->Tab(MainWindow::kProbability), ProbabilityControls(),
                            &ProbabilityPage::outcomes)},
            {MainWindow::kOdds, "records",
             Find<GridView>(*window->Tab(MainWindow::kOdds), OddsControls(), &OddsPage::records)}};
        for (const auto& [page, where, grid] : grids) {
            pages->setCurrentIndex(page);
            QVERIFY(grid);
            const int col = page == MainWindow::kParlay ? 1 : (page == MainWindow::kOdds ? 1 : 0);
            EveryPathLikeTyping(QString::fromLatin1(where), GridCell(grid, col, 1));
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        struct {
            MainWindow::Page page;
            const char* where;
            QLineEdit* box;
        } const boxes[] = {
            {MainWindow::kArbitrage, "multiplier",
             testing::Edit(*window, &ArbitragePage::multiplier)},
            {MainWindow::kArbitrage, "win_pay_target",
             testing::Edit(*window, &ArbitragePage::win_pay_target)},
            {MainWindow::kOdds, "cut_percent", testing::Edit(*window, &OddsPage::cut_percent)}};
        for (const auto& [page, where, box] : boxes) {
            pages->setCurrentIndex(page);
            EveryPathLikeTyping(QString::fromLatin1(where), Box(box));
            if (QTest::currentTestFailed()) {
                return;
            }
        }

        // What the filters make of the issue's texts, so that "the same as
        // typing" cannot pass by both being wrong.
        pages->setCurrentIndex(MainWindow::kArbitrage);
        auto* odds = Find<GridView>(*window->Tab(MainWindow::kArbitrage), ArbitrageControls(),
                                    &ArbitragePage::outcomes);
        QCOMPARE(Land(GridCell(odds, 0, 1), Path::kContextMenu, QStringLiteral("-2,5e1 x")),
                 QStringLiteral("2.51"));
        QCOMPARE(Land(Box(testing::Edit(*window, &ArbitragePage::win_pay_target)), Path::kCtrlV,
                      QStringLiteral("-100")),
                 QStringLiteral("100"));
    }

    void aPasteOnACellThatIsNotBeingEdited() {
        GuiScene gui;
        testing::Recorded recorded;
        auto window = testing::MakeWindow(gui, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* grid = Find<GridView>(*window->Tab(MainWindow::kArbitrage), ArbitrageControls(),
                                    &ArbitragePage::outcomes);
        grid->Grid().SetCell(2, 1, "7");
        grid->setFocus();
        grid->SetCurrentCell(2, 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("x1,5;"));
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(grid->IsEditing());
        PressKey(Qt::Key_Return);
        QCOMPARE(grid->Grid().Cell(2, 1), std::string("1.5"));

        // A drop on the grid itself (not into an editor) changes nothing.
        QMimeData data;
        data.setText(QStringLiteral("-9"));
        const QPoint at = grid->visualRect(grid->model()->index(1, 3)).center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(grid->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(grid->viewport(), &drop);
        QCOMPARE(grid->Grid().Cell(3, 1), std::string());
    }

    void theLiveSheetAndCurrentOdds() {
        GuiScene gui;
        const std::string game = "2008_03_15;20-45;G.lvo";
        gui.folder.Write("LiveGameRecords/" + game, "");
        Catalogue catalogue;
        LiveWindow window(gui.services, catalogue, [](QWidget*, int) {});
        QVERIFY(testing::ShowAndActivate(&window));
        auto* list = Find<GridView>(window, LiveWindowControls(), &LivePage::game_list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());

        EveryPathLikeTyping(
            QStringLiteral("Back X"),
            GridCell(Find<GridView>(window, LiveWindowControls(), &LivePage::positions), 1,
                     kFirstRow));
        // One box at a time: with all three filled the odds are computed, and
        // the nasty texts would only bring "Error Value".
        for (const char* name : {"odds_1", "odds_x", "odds_2"}) {
            for (const char* other : {"odds_1", "odds_x", "odds_2"}) {
                Find<QLineEdit>(window, LiveWindowControls(), other)->clear();
            }
            EveryPathLikeTyping(QString::fromLatin1(name),
                                Box(Find<QLineEdit>(window, LiveWindowControls(), name)));
        }
    }

    // The case users met: "9;9;9" pasted into Back X, then an amount of 10.
    // The sheet, the record on disk and a reload all hold the same figures.
    void aPastedFigureIsSavedAndReloadedAsShown() {
        GuiScene gui;
        const std::string game = "2008_03_15;20-45;G.lvo";
        gui.folder.Write("LiveGameRecords/" + game, "");
        Catalogue catalogue;
        auto open = [&](LiveWindow& window) {
            QVERIFY(testing::ShowAndActivate(&window));
            auto* list = Find<GridView>(window, LiveWindowControls(), &LivePage::game_list);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(1, 0)).center());
        };
        std::map<std::pair<int, int>, std::string> shown;
        {
            LiveWindow window(gui.services, catalogue, [](QWidget*, int) {});
            open(window);
            auto* sheet = Find<GridView>(window, LiveWindowControls(), &LivePage::positions);
            sheet->setFocus();
            sheet->SetCurrentCell(1, kFirstRow);
            PressKey(Qt::Key_F2);
            QGuiApplication::clipboard()->setText(QStringLiteral("9;9;9"));
            ChooseFromContextMenu(Focus(), QStringLiteral("&Paste"));
            PressKey(Qt::Key_Return);
            QCOMPARE(sheet->CurrentCol(), kBuyAmountCol);
            testing::Type(QStringLiteral("10"));
            PressKey(Qt::Key_Return);
            const TextGrid& grid = window.Ledger().Page().positions;
            QCOMPARE(grid.Cell(1, kFirstRow), std::string("999"));
            QCOMPARE(Find<QLineEdit>(window, LiveWindowControls(), &LivePage::result_x)->text(),
                     QStringLiteral("9980"));
            for (int col = 0; col < kSheetCols; ++col) {
                shown[{col, kFirstRow}] = grid.Cell(col, kFirstRow);
            }
        }
        const LiveGameRecord record = ParseGameRecord(gui.folder.Read("LiveGameRecords/" + game));
        QCOMPARE(record.rows.size(), std::size_t{1});
        for (int col = 0; col < kInputCols; ++col) {
            QCOMPARE(record.rows[0][static_cast<std::size_t>(col)], (shown[{col, kFirstRow}]));
        }
        LiveWindow again(gui.services, catalogue, [](QWidget*, int) {});
        open(again);
        for (int col = 0; col < kSheetCols; ++col) {
            QCOMPARE(again.Ledger().Page().positions.Cell(col, kFirstRow),
                     (shown[{col, kFirstRow}]));
        }
    }

    void theNewGameDialogsTime() {
        GuiScene gui;
        Catalogue catalogue;
        LiveLedger ledger(gui.services, catalogue, RecordFolderPath(gui.folder.Path()));
        NewGameDialog dialog(gui.services, ledger, [](QWidget*) {});
        QVERIFY(testing::ShowAndActivate(&dialog));
        auto* time = Find<QLineEdit>(dialog, NewGameControls(), "time");
        const Place place{[time] {
                              time->setFocus();
                              time->clear();
                              time->setCursorPosition(0);
                          },
                          [] {}, [time] { return time->displayText(); }};
        EveryPathLikeTyping(QStringLiteral("time"), place);
        dialog.reject();
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::InputPathsTest)
#include "input_paths_test.moc"

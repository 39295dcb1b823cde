// Long figures on every page and in the live window: a number never shows as
// another number. Every text in view is drawn whole, or cut with "…" and whole
// in its tool tip.

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/i18n/catalogue.h"
#include "gui/drawn_text_check.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/main/program_setup.h"
#include "gui/main_window_scene.h"

namespace orvanta {

using testing::CellText;
using testing::CellToolTip;
using testing::CheckDrawnText;
using testing::DrawnTextReport;
using testing::Edit;
using testing::GuiScene;
using testing::PressKey;
using testing::Type;
using testing::TypeInto;

namespace {

// Types a column of texts downwards from (col, row), each ended with Enter,
// which moves on to the next cell down or along as the page's rule says.
void TypeCells(GridView* grid, const std::vector<std::pair<int, int>>& cells,
               const QStringList& texts) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        TypeInto(grid, cells[i].first, cells[i].second, texts.at(static_cast<int>(i)));
    }
}

void Calculate(MainWindow& window) {
    testing::ClickCalculate(window);
}

// Nothing in the window cut without a mark; what was cut is listed.
DrawnTextReport Check(QWidget* window) {
    DrawnTextReport report = CheckDrawnText(window);
    report.Add(testing::CheckShownBoxes(window));
    return report;
}

}  // namespace

class LongFiguresTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        SetUpProgram();
    }

    void everyPageOfTheMainWindow() {
        GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* pages = testing::Pages(*window);
        DrawnTextReport all;

        // ARBITRAGE: a Win Pay target of 1000 pays 1000.01 on the second outcome;
        // the columns with odds have room for it.
        auto* arbitrage = static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
        TypeCells(arbitrage->Grid(), {{0, 1}, {1, 1}, {2, 1}},
                  {QStringLiteral("2.5"), QStringLiteral("1.8"), QStringLiteral("1000.05")});
        testing::SetBox(Edit(*window, &ArbitragePage::win_pay_target), QStringLiteral("1000"));
        Calculate(*window);
        QCOMPARE(CellText(arbitrage->Page().outcomes, 1, 3), QStringLiteral("1000.01"));
        DrawnTextReport report = Check(window.get());
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        const DrawnText win_pay = arbitrage->Grid()->DrawnCell(1, 3);
        QVERIFY(!win_pay.IsCut());
        QCOMPARE(CellToolTip(arbitrage->Grid(), 1, 3), QString());
        all.Add(report);

        // PROBABILITY: 32-pixel columns.
        pages->setCurrentIndex(MainWindow::kProbability);
        auto* probability = static_cast<ProbabilityTab*>(window->Tab(MainWindow::kProbability));
        TypeCells(probability->Grid(), {{0, 1}, {1, 1}, {2, 1}},
                  {QStringLiteral("1.0001"), QStringLiteral("250.75"), QStringLiteral("3.5")});
        Calculate(*window);
        report = Check(window.get());
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        all.Add(report);

        // ODDS: long records give long prices.
        pages->setCurrentIndex(MainWindow::kOdds);
        auto* odds = static_cast<OddsTab*>(window->Tab(MainWindow::kOdds));
        TypeCells(odds->RecordsGrid(), {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}},
                  {QStringLiteral("123456"), QStringLiteral("7"), QStringLiteral("89"),
                   QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
        Calculate(*window);
        report = Check(window.get());
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        // The page widened its columns: these figures show whole.
        QVERIFY2(report.cut.isEmpty(), qPrintable(report.cut.join('\n')));
        all.Add(report);

        // PARLAY BETTING: three long odds with large stakes.
        pages->setCurrentIndex(MainWindow::kParlay);
        auto* parlay = static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay));
        TypeCells(parlay->Grid(), {{1, 1}, {1, 2}, {1, 3}, {4, 1}, {4, 2}, {4, 3}},
                  {QStringLiteral("123.45"), QStringLiteral("67.89"), QStringLiteral("45.67"),
                   QStringLiteral("100000"), QStringLiteral("100000"), QStringLiteral("100000")});
        Calculate(*window);
        report = Check(window.get());
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        all.Add(report);
        // The sum of the returns is too long for its box: cut, and whole in the tool tip.
        auto* returned =
            qobject_cast<FilteredLineEdit*>(Edit(*window, &ParlaySheet::total_returned));
        QVERIFY(returned->ShownText().endsWith(testing::kEllipsis));
        QCOMPARE(testing::BoxToolTip(returned), returned->text());
        returned->setFocus();
        QCOMPARE(returned->ShownText(), returned->text());

        QVERIFY(!all.cut.isEmpty());
    }

    // ARBITRAGE with odds 2.10, 3.40 and 3.60 at a multiplier of 1000: the
    // columns with odds show stakes up to 99,999.99 whole, the others give up
    // the room, the grid keeps its width, and Clear brings back its looks. A
    // column dragged wider scrolls the grid sideways under its last row.
    void arbitrageColumnsWithOddsHaveRoomForTheirFigures() {
        GuiScene scene;
        testing::Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* arbitrage = static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
        GridView* grid = arbitrage->Grid();
        const QSize rest_size = grid->size();
        QList<int> rest_widths;
        for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
            rest_widths << grid->columnWidth(c);
        }
        TypeCells(grid, {{0, 1}, {1, 1}, {2, 1}},
                  {QStringLiteral("2.10"), QStringLiteral("3.40"), QStringLiteral("3.60")});
        testing::SetBox(Edit(*window, &ArbitragePage::multiplier), QStringLiteral("1000"));
        Calculate(*window);
        QCOMPARE(CellText(arbitrage->Page().outcomes, 0, 2), QStringLiteral("4333.33"));
        arbitrage->Page().outcomes.SetCell(1, ArbitragePage::kWagerRow, "99999.99");
        const DrawnTextReport report = Check(window.get());
        QVERIFY2(report.faults.isEmpty() && report.cut.isEmpty(),
                 qPrintable((report.faults + report.cut).join('\n')));
        QCOMPARE(grid->size(), rest_size);
        QTRY_VERIFY(!grid->horizontalScrollBar()->isVisible());
        QCOMPARE(grid->horizontalHeader()->length(), grid->viewport()->width());
        for (int c = 3; c < ArbitragePage::kOutcomes; ++c) {
            QVERIFY(grid->columnWidth(c) < rest_widths[c]);
        }

        scene.prompter.ExpectYesNo("Clear All Information ?", true);
        window->OnClear();
        QList<int> widths;
        for (int c = 0; c < ArbitragePage::kOutcomes; ++c) {
            widths << grid->columnWidth(c);
        }
        QCOMPARE(widths, rest_widths);

        // Dragged wider: the grid scrolls sideways and grows by the scroll bar.
        const int edge = grid->columnViewportPosition(0) + grid->columnWidth(0);
        const int y = grid->visualRect(grid->model()->index(0, 0)).center().y();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
        QTest::mouseMove(grid->viewport(), QPoint(edge + 120, y));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(edge + 120, y));
        QTRY_VERIFY(grid->horizontalScrollBar()->isVisible());
        const QRect payout = grid->visualRect(grid->model()->index(ArbitragePage::kWinPayRow, 0));
        QVERIFY(grid->viewport()->rect().contains(payout));
        QCOMPARE(grid->width(), rest_size.width());
    }

    // A figure of 307 digits has no space to break at: its tool tip, over a cell
    // and over a box, is broken into lines that stay on the screen and read
    // back as the figure.
    void aLongFiguresToolTipWrapsOnTheScreen() {
        GuiScene scene;
        testing::Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* arbitrage = static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
        const QString figure = QStringLiteral("1") + QString(306, QLatin1Char('0'));
        TypeInto(arbitrage->Grid(), 0, 1, figure);
        QLineEdit* box = Edit(*window, &ArbitragePage::win_pay_target);
        testing::SetBox(box, figure);
        arbitrage->Grid()->setFocus();

        const QRect screen = window->screen()->availableGeometry();
        const auto tip_over = [](QWidget* widget, const QPoint& at) {
            QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
            QApplication::sendEvent(widget, &help);
        };
        GridView* grid = arbitrage->Grid();
        const std::pair<QWidget*, QPoint> places[] = {
            {grid->viewport(), grid->visualRect(grid->model()->index(1, 0)).center()},
            {box, box->rect().center()}};
        for (const auto& [widget, at] : places) {
            tip_over(widget, at);
            QVERIFY(QToolTip::isVisible());
            const QString tip = QToolTip::text();
            QVERIFY2(tip.count('\n') >= 2, qPrintable(tip));
            QCOMPARE(QString(tip).remove('\n'), figure);
            QWidget* label = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QStringLiteral("qtooltip_label") && top->isVisible()) {
                    label = top;
                }
            }
            QVERIFY(label);
            QVERIFY2(label->width() <= screen.width() / 2 + 20,
                     qPrintable(QString::number(label->width())));
            QToolTip::hideText();
        }
    }

    void theLiveWindow() {
        GuiScene scene;
        scene.AddCatalogues();
        scene.folder.Write("LiveGameRecords/2008_03_15;20-45;AEK - PAOK.lvo",
                           "1.85;3.40;4.20;\r\n"
                           "123.45;;;10000;;;;;\r\n"
                           ";;;;;1000.01;;25000.5;\r\n"
                           ";;;;;;;;\r\n");
        const std::string long_name =
            "2008_03_16;18-00;" + std::string(90, 'W') + " - " + std::string(90, 'M');
        scene.folder.Write("LiveGameRecords/" + long_name + ".lvo", "");
        const Catalogue catalogue(scene.folder / "Orvanta_GR.ini");
        LiveWindow window(scene.services, catalogue, [](QWidget*, int) {});
        QVERIFY(testing::ShowAndActivate(&window));
        auto* list = testing::Find<GridView>(window, LiveWindowControls(), &LivePage::game_list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(window.Ledger().Page().positions.Cell(0, 2), std::string("123.45"));

        const DrawnTextReport report = Check(&window);
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        // The sheet's columns widen into its pane: the odds show whole.
        auto* sheet = testing::Find<GridView>(window, LiveWindowControls(), &LivePage::positions);
        QVERIFY(!sheet->DrawnCell(0, 2).IsCut());
        // Longer ones are still cut, visibly, and whole in their tool tip.
        QVERIFY(sheet->DrawnCell(5, 3).IsCut());
        QCOMPARE(CellToolTip(sheet, 5, 3), QStringLiteral("1000.01"));
        QVERIFY(!list->DrawnCell(0, 1).IsCut());
        // A name longer than the list's pane is cut there, visibly.
        QVERIFY(list->DrawnCell(0, 2).IsCut());
        // Whole, in lines that stay on the screen.
        QCOMPARE(CellToolTip(list, 0, 2).remove('\n'), QString::fromStdString(long_name + ".lvo"));
        QCOMPARE(list->columnWidth(0), list->viewport()->width());
        int columns = 0;
        for (int c = 0; c < sheet->model()->columnCount(); ++c) {
            columns += sheet->columnWidth(c);
        }
        QCOMPARE(columns, sheet->viewport()->width());
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::LongFiguresTest)
#include "long_figures_test.moc"

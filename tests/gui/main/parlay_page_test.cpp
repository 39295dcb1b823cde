// The PARLAY BETTING sheet through the main window: its grid events, its
// buttons, and a saved sheet read back by orvanta-calc with the same figures.

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

#include "core/parlay/parlay_files.h"
#include "gui/drawn_text_check.h"
#include "gui/main/parlay_tab.h"
#include "gui/main_window_scene.h"

namespace orvanta {

using testing::CellText;
using testing::ClickCell;
using testing::Edit;
using testing::GuiScene;
using testing::MakeWindow;
using testing::PressKey;
using testing::Recorded;
using testing::Type;
using testing::TypeInto;

namespace {

struct Scene {
    Scene() : window(MakeWindow(gui, recorded)) {}

    bool Show() {
        if (!testing::ShowAndActivate(window.get())) {
            return false;
        }
        testing::Pages(*window)->setCurrentIndex(MainWindow::kParlay);
        return true;
    }
    ParlayTab* Tab() const { return static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay)); }
    GridView* Grid() const { return Tab()->Grid(); }
    const TextGrid& Cells() const { return Tab()->Sheet().selections; }
    QString Box(TextBox ParlaySheet::*field) const { return Edit(*window, field)->text(); }
    void Calculate() const { testing::ClickCalculate(*window); }
    QPushButton* Button(const CatalogueText& caption) const {
        return testing::Find<QPushButton>(*window, ParlayControls(), caption);
    }
    void Click(const CatalogueText& button) const {
        QTest::mouseClick(Button(button), Qt::LeftButton);
    }
    // Odds 2, 1.5 and 3 with the third LOST, stakes 10, 10 and 5.
    void TypeExample() const {
        TypeInto(Grid(), 1, 1, QStringLiteral("2"));
        Type(QStringLiteral("1.5"));
        PressKey(Qt::Key_Return);
        Type(QStringLiteral("3"));
        PressKey(Qt::Key_Return);
        ClickCell(Grid(), 2, 3);
        TypeInto(Grid(), 4, 1, QStringLiteral("10"));
        Type(QStringLiteral("10"));
        PressKey(Qt::Key_Return);
        Type(QStringLiteral("5"));
        PressKey(Qt::Key_Return);
    }
    // Clicks a row's banker box (the first click may only make the cell current).
    void ClickBanker(int row) const {
        const QRect cell = Grid()->visualRect(Grid()->model()->index(row, 0));
        const QPoint box(cell.left() + 8, cell.center().y());
        const bool before = Cells().IsChecked(0, row);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, box);
        if (Cells().IsChecked(0, row) == before) {
            QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, box);
        }
    }

    GuiScene gui;
    Recorded recorded;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class ParlayPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void theWorkedExampleThroughTheWindow() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.TypeExample();
        scene.Calculate();
        const char* rows[3][4] = {
            {"3", "30", "35", "5"}, {"3", "30", "30", "0"}, {"1", "5", "0", "-5"}};
        for (int row = 1; row <= 3; ++row) {
            for (int col = 5; col <= 8; ++col) {
                QCOMPARE(CellText(scene.Cells(), col, row),
                         QString::fromLatin1(rows[row - 1][col - 5]));
            }
        }
        QCOMPARE(scene.Box(&ParlaySheet::total_staked), QStringLiteral("65"));
        QCOMPARE(scene.Box(&ParlaySheet::total_returned), QStringLiteral("65"));
        QCOMPARE(scene.Box(&ParlaySheet::total_profit), QStringLiteral("0"));
    }

    void resultCellsToggleWithoutTakingTheSelection() {
        Scene scene;
        QVERIFY(scene.Show());
        TypeInto(scene.Grid(), 1, 2, QStringLiteral("2"));
        scene.Grid()->SetCurrentCell(1, 2);
        ClickCell(scene.Grid(), 2, 2);
        QCOMPARE(CellText(scene.Cells(), 2, 2), QStringLiteral("LOST"));
        QCOMPARE(scene.Grid()->CurrentCol(), 1);
        ClickCell(scene.Grid(), 2, 2);
        QCOMPARE(CellText(scene.Cells(), 2, 2), QStringLiteral("WIN"));
        // By keyboard the cell is reached without a flip; Space flips it.
        PressKey(Qt::Key_Right);
        QCOMPARE(scene.Grid()->CurrentCol(), 2);
        QCOMPARE(CellText(scene.Cells(), 2, 2), QStringLiteral("WIN"));
        PressKey(Qt::Key_Space);
        QCOMPARE(CellText(scene.Cells(), 2, 2), QStringLiteral("LOST"));
        QCOMPARE(scene.Grid()->CurrentCol(), 2);
        PressKey(Qt::Key_Space);
        QCOMPARE(CellText(scene.Cells(), 2, 2), QStringLiteral("WIN"));

        // A banker made LOST is pointed out first; made WIN again, silently.
        scene.ClickBanker(4);
        QVERIFY(scene.Cells().IsChecked(0, 4));
        scene.gui.prompter.ExpectMessage("Standart Lost");
        ClickCell(scene.Grid(), 2, 4);
        QCOMPARE(CellText(scene.Cells(), 2, 4), QStringLiteral("LOST"));
        ClickCell(scene.Grid(), 2, 4);
        QCOMPARE(CellText(scene.Cells(), 2, 4), QStringLiteral("WIN"));
        scene.Grid()->setFocus();
        scene.Grid()->SetCurrentCell(2, 4);
        scene.gui.prompter.ExpectMessage("Standart Lost");
        PressKey(Qt::Key_Space);
        QCOMPARE(CellText(scene.Cells(), 2, 4), QStringLiteral("LOST"));
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void checkingTheBoxOfALostRowIsPointedOut() {
        Scene scene;
        QVERIFY(scene.Show());
        ClickCell(scene.Grid(), 2, 3);
        QCOMPARE(CellText(scene.Cells(), 2, 3), QStringLiteral("LOST"));
        scene.gui.prompter.ExpectMessage("Standart Lost");
        scene.ClickBanker(3);
        QVERIFY(scene.Cells().IsChecked(0, 3));
        // Space on the box's cell goes the click's way, message and all.
        ClickCell(scene.Grid(), 2, 5);
        scene.Grid()->setFocus();
        scene.Grid()->SetCurrentCell(0, 5);
        scene.gui.prompter.ExpectMessage("Standart Lost");
        PressKey(Qt::Key_Space);
        QVERIFY(scene.Cells().IsChecked(0, 5));
        PressKey(Qt::Key_Space);
        QVERIFY(!scene.Cells().IsChecked(0, 5));
        QVERIFY(scene.gui.prompter.AllShown());
    }

    // A banker cell is a check box and nothing else: a digit, F2, a paste or
    // a double click opens no editor in it (once, "7" stayed beside the box).
    void theBankerCellHoldsNoText() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.Grid()->setFocus();
        scene.Grid()->SetCurrentCell(0, 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        PressKey(Qt::Key_7);
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_V, Qt::ControlModifier);
        QTest::mouseDClick(scene.Grid()->viewport(), Qt::LeftButton, {},
                           scene.Grid()->visualRect(scene.Grid()->model()->index(2, 0)).center());
        QVERIFY(!scene.Grid()->IsEditing());
        QCOMPARE(CellText(scene.Cells(), 0, 2), QString());
        QVERIFY(!scene.Grid()->Model().CanEdit(0, 2));
    }

    // Found by the monkey: the banker column left no room for "…" beside its
    // box, so two digits there vanished without a mark. Typing no longer puts
    // text there; a sheet file still may.
    void aFigureInTheBankerColumnShowsCutWithItsMark() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.Tab()->Sheet().selections.SetCell(0, 1, "43");
        QCOMPARE(CellText(scene.Cells(), 0, 1), QStringLiteral("43"));
        const testing::DrawnTextReport report = testing::CheckDrawnText(scene.Grid());
        QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join('\n')));
        // The sheet still shows every column without scrolling.
        QCOMPARE(scene.Grid()->size(), scene.Grid()->FullSize());
        QVERIFY(!scene.Grid()->horizontalScrollBar()->isVisible());
    }

    void enterWalksDownTheOddsAndStakes() {
        Scene scene;
        QVERIFY(scene.Show());
        TypeInto(scene.Grid(), 4, 15, QStringLiteral("1"));
        QCOMPARE(scene.Grid()->CurrentRow(), 1);
        QCOMPARE(scene.Grid()->CurrentCol(), 4);
        PressKey(Qt::Key_Return);  // an empty stake cell moves on too
        QCOMPARE(scene.Grid()->CurrentRow(), 2);
        scene.Grid()->SetCurrentCell(1, 5);
        PressKey(Qt::Key_Return);  // an empty odds cell does not
        QCOMPARE(scene.Grid()->CurrentRow(), 5);
    }

    void resultColumnsCannotBeSelected() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.Grid()->setFocus();
        scene.Grid()->SetCurrentCell(4, 6);
        for (int col : {3, 5, 6, 7, 8}) {
            ClickCell(scene.Grid(), col, 6);
            QCOMPARE(scene.Grid()->CurrentCol(), 4);
        }
        // The keyboard passes over them: on from the stake there is nowhere to
        // go, back from it is the result.
        PressKey(Qt::Key_Right);
        QCOMPARE(scene.Grid()->CurrentCol(), 4);
        PressKey(Qt::Key_Left);
        QCOMPARE(scene.Grid()->CurrentCol(), 2);
        ClickCell(scene.Grid(), 1, 6);
        QCOMPARE(scene.Grid()->CurrentCol(), 1);
    }

    void clearAskedYesAndNo() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.TypeExample();
        scene.gui.prompter.ExpectYesNo("Clear All Information ?", false);
        scene.window->OnClear();
        QCOMPARE(CellText(scene.Cells(), 1, 1), QStringLiteral("2"));
        scene.gui.prompter.ExpectYesNo("Clear All Information ?", true);
        scene.window->OnClear();
        QCOMPARE(CellText(scene.Cells(), 1, 1), QString());
        QCOMPARE(CellText(scene.Cells(), 2, 3), QStringLiteral("WIN"));
        QCOMPARE(scene.Box(&ParlaySheet::total_staked), QStringLiteral("0"));
    }

    void aSavedSheetLoadsBackAndReadsTheSameInOrvantaCalc() {
        Scene scene;
        QVERIFY(scene.Show());
        scene.TypeExample();
        scene.ClickBanker(1);
        scene.Calculate();
        const std::string file = scene.gui.folder / "Arxeia/week.bet";
        scene.gui.prompter.ExpectSaveFile(file);
        scene.Click(parlay_captions::kSave);
        QVERIFY(std::filesystem::exists(file));

        // The command line reads the window's file with the window's figures.
        QProcess calc;
        calc.start(
            QStringLiteral(ORVANTA_CALC_FILE),
            {QStringLiteral("--json"), QStringLiteral("parlay"), QString::fromStdString(file)});
        QVERIFY(calc.waitForFinished(30000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonObject report = QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
        const QJsonArray rows = report["grids"].toObject()["selections"].toArray();
        QCOMPARE(rows.size(), 16);
        for (int row = 1; row <= 15; ++row) {
            for (int col = 1; col <= 8; ++col) {
                QCOMPARE(rows[row].toArray()[col].toString(), CellText(scene.Cells(), col, row));
            }
        }
        const std::pair<TextBox ParlaySheet::*, const char*> totals[] = {
            {&ParlaySheet::total_staked, "total_staked"},
            {&ParlaySheet::total_returned, "total_returned"},
            {&ParlaySheet::total_profit, "total_profit"}};
        for (const auto& [box, name] : totals) {
            QCOMPARE(report["boxes"].toObject()[name].toString(), scene.Box(box));
        }
        QCOMPARE(report["checked"].toObject()["selections"].toArray().size(), 1);

        // Cleared, then loaded: the same sheet, recalculated.
        scene.gui.prompter.ExpectYesNo("Clear All Information ?", true);
        scene.window->OnClear();
        scene.gui.prompter.ExpectOpenFile(file);
        scene.Click(parlay_captions::kLoad);
        QVERIFY(scene.Cells().IsChecked(0, 1));
        QCOMPARE(CellText(scene.Cells(), 2, 3), QStringLiteral("LOST"));
        QCOMPARE(scene.Box(&ParlaySheet::total_staked),
                 report["boxes"].toObject()["total_staked"].toString());
    }

    void deleteFilesRemovesTheChosenOnes() {
        Scene scene;
        scene.gui.AddCatalogues();
        QVERIFY(scene.Show());
        std::vector<std::string> files;
        for (const char* name : {"a.bet", "b.bet", "c.bet"}) {
            scene.gui.folder.Write(std::string("Arxeia/") + name, "x");
            files.push_back(scene.gui.folder / (std::string("Arxeia/") + name));
        }
        scene.gui.prompter.ExpectOpenFiles(files);
        scene.Click(parlay_captions::kDeleteFiles);
        for (const std::string& file : files) {
            QVERIFY(!std::filesystem::exists(file));
        }
        // The dialog's button reads the page's own Delete Files caption.
        const FileDialogOptions& dialog = scene.gui.prompter.Shown().back().dialog;
        QCOMPARE(QString::fromStdString(dialog.accept_label),
                 testing::ReadCaption(scene.Button(parlay_captions::kDeleteFiles)));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::ParlayPageTest)
#include "parlay_page_test.moc"

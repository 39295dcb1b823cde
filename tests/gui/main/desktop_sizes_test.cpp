// The windows at the desktop's font and scale. Run on a 1920x1080 screen, at
// 100 % and (as desktop_sizes_scaled_test) at 200 %, where the screen has
// 960x540 of room: at the program's own font the main window keeps its size;
// at 13 points the windows grow to show everything whole, and a window larger
// than the screen opens fitted to it, its contents scrolling.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <string>

#include "core/i18n/catalogue.h"
#include "gui/drawn_text_check.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/main/program_setup.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/font_scale.h"

namespace orvanta {

using testing::GuiScene;
using testing::TypeInto;

namespace {

QRect ScreenRoom(const QWidget* window) {
    return window->screen()->availableGeometry();
}

// What shows cut in the visible part of `window`: a caption, a button's text
// or a box narrower or lower than its text, a widget outside its window, a
// grid text cut at all.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    const auto where = [](const QWidget* widget, const QString& text) {
        return widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName() +
               QStringLiteral(" \"") + text + QStringLiteral("\"");
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics = label->fontMetrics();
        if (label->isVisible() && !label->text().isEmpty() &&
            (metrics.size(Qt::TextShowMnemonic, label->text()).width() >
                 label->contentsRect().width() ||
             metrics.height() > label->contentsRect().height())) {
            cut << where(label, label->text());
        }
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        if (button->isVisible() &&
            (button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + icon + 4 >
                 button->width() ||
             button->fontMetrics().height() > button->height())) {
            cut << where(button, button->text());
        }
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisible() && box->height() < box->minimumSizeHint().height()) {
            cut << where(box, box->text()) + QStringLiteral(" too low");
        }
    }
    const testing::DrawnTextReport grids = testing::CheckDrawnText(window);
    cut += grids.faults + grids.cut;
    return cut;
}

// Every visible control lies inside what its parent shows.
QStringList OutsideTheirParents(QWidget* root) {
    QStringList outside;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        if (widget->isVisible() && !widget->isWindow() && parent &&
            !qobject_cast<QScrollArea*>(parent->parentWidget()) &&
            !parent->rect().contains(widget->geometry())) {
            outside << widget->objectName() + QStringLiteral(" of ") + parent->objectName();
        }
    }
    return outside;
}

QScrollArea* Scroller(const QWidget* window) {
    return window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)
               ? window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)
               : window->findChild<QScrollArea*>();
}

// The window lies in the screen's room; its contents have the room they need
// or scroll.
void CheckFitted(QWidget* window) {
    QVERIFY2(ScreenRoom(window).contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1x%2 at %3,%4")
                            .arg(window->frameGeometry().width())
                            .arg(window->frameGeometry().height())
                            .arg(window->x())
                            .arg(window->y())));
    QScrollArea* scroller = Scroller(window);
    QVERIFY(scroller);
    const QSize needed = scroller->widget()->minimumSizeHint();
    const QSize shown = scroller->viewport()->size();
    QCOMPARE(scroller->horizontalScrollBar()->isVisible(), needed.width() > shown.width());
    QCOMPARE(
        scroller->verticalScrollBar()->isVisible(),
        needed.height() > scroller->height() ||
            (scroller->horizontalScrollBar()->isVisible() && needed.height() > shown.height()));
}

struct MainScene {
    MainScene() {
        gui.AddCatalogues();
        window = testing::MakeWindow(gui, recorded);
    }
    GuiScene gui;
    testing::Recorded recorded;
    std::unique_ptr<MainWindow> window;
};

struct LiveScene {
    LiveScene() {
        gui.AddCatalogues();
        gui.folder.Write("LiveGameRecords/2008_03_15;20-45;AEK - PAOK.lvo",
                         "1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n;;;;1.5;;;20;\r\n;;;;;;;;\r\n");
        catalogue = Catalogue(gui.folder / "Orvanta_GR.ini");
        window = std::make_unique<LiveWindow>(gui.services, catalogue, [](QWidget*, int) {});
    }
    GuiScene gui;
    Catalogue catalogue;
    std::unique_ptr<LiveWindow> window;
};

}  // namespace

class DesktopSizesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        SetUpProgram();
        QCOMPARE(QApplication::font(), ProgramFont());
    }
    void cleanup() { QApplication::setFont(ProgramFont()); }

    // At the program's font nothing changes: the client area is the design's,
    // with the row of the PARLAY BETTING page's named systems under its file
    // buttons (15 pixels more than the sheet and its buttons alone took).
    void theMainWindowKeepsItsSizeAtTheProgramsFont() {
        MainScene scene;
        QVERIFY(testing::ShowAndActivate(scene.window.get()));
        QScrollArea* scroller = Scroller(scene.window.get());
        QCOMPARE(scroller->size(), QSize(606, 455));
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
        CheckFitted(scene.window.get());
    }

    // At 13 points every page shows its captions, boxes and grids whole, with
    // figures typed and calculated; the window is as large as they need, or
    // the screen's room with its pages scrolling.
    void at13PointsEveryPageShowsWhole() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
        MainScene scene;
        MainWindow& window = *scene.window;
        QVERIFY(testing::ShowAndActivate(&window));
        auto* arbitrage = static_cast<ArbitrageTab*>(window.Tab(MainWindow::kArbitrage));
        TypeInto(arbitrage->Grid(), 0, 1, QStringLiteral("2.10"));
        TypeInto(arbitrage->Grid(), 1, 1, QStringLiteral("3.40"));
        testing::ClickCalculate(window);
        QTabWidget* pages = testing::Pages(window);
        pages->setCurrentIndex(MainWindow::kProbability);
        auto* probability = static_cast<ProbabilityTab*>(window.Tab(MainWindow::kProbability));
        TypeInto(probability->Grid(), 0, 1, QStringLiteral("2.10"));
        TypeInto(probability->Grid(), 1, 1, QStringLiteral("3.40"));
        testing::ClickCalculate(window);

        // The converter's line under its boxes, with the longest text it shows.
        pages->setCurrentIndex(MainWindow::kOdds);
        QLineEdit* fractional = testing::Edit(window, ConverterBox(OddsFormat::kFractional));
        testing::SetBox(fractional, QStringLiteral("1/0"));
        QScrollArea* scroller = Scroller(&window);
        QWidget* client = scroller->widget();
        QVERIFY(client->width() > 606);
        for (const int page : {MainWindow::kParlay, MainWindow::kArbitrage,
                               MainWindow::kProbability, MainWindow::kOdds, MainWindow::kBetSlip}) {
            pages->setCurrentIndex(page);
            const QStringList cut = CutTexts(client);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
            const QStringList outside = OutsideTheirParents(client);
            QVERIFY2(outside.isEmpty(), qPrintable(outside.join('\n')));
            QVERIFY(client->size().expandedTo(client->minimumSizeHint()) == client->size());
        }
        CheckFitted(&window);
    }

    // A font too large for the screen: the window opens in the screen's room,
    // its pages scrolling to every control.
    void aMainWindowLargerThanTheScreenOpensFittedToIt() {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 24));
        MainScene scene;
        QVERIFY(testing::ShowAndActivate(scene.window.get()));
        CheckFitted(scene.window.get());
        QScrollArea* scroller = Scroller(scene.window.get());
        QVERIFY(scroller->horizontalScrollBar()->isVisible() ||
                scroller->verticalScrollBar()->isVisible());
        auto* calculate = testing::MainControl<QPushButton>(*scene.window, "calculate");
        scroller->ensureWidgetVisible(calculate);
        QVERIFY(scroller->viewport()->rect().contains(
            QRect(calculate->mapTo(scroller->viewport(), QPoint()), calculate->size())));
    }

    // The live window at 200 % on a 1920x1080 screen, at 13 points and at a
    // font too large for any screen: on the screen, its buttons in reach.
    void theLiveWindowOpensOnTheScreen_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("program's font") << 0;
        QTest::newRow("13 points") << 13;
        QTest::newRow("24 points") << 24;
    }

    void theLiveWindowOpensOnTheScreen() {
        QFETCH(int, points);
        if (points > 0) {
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
        }
        LiveScene scene;
        LiveWindow& window = *scene.window;
        QVERIFY(testing::ShowAndActivate(&window));
        CheckFitted(&window);
        const QSize frame = window.frameGeometry().size() - window.size();
        const QSize room = ScreenRoom(&window).size() - frame;
        // At least its own size and what its contents need, as far as the room goes.
        const QSize least = QSize(865, 568)
                                .expandedTo(Scroller(&window)->widget()->minimumSizeHint())
                                .boundedTo(room);
        QVERIFY(window.width() >= least.width() && window.height() >= least.height());
        if (points == 0 && room.width() >= 865 && room.height() >= 568) {
            QCOMPARE(window.size(), QSize(865, 568));
        }
        QScrollArea* scroller = Scroller(&window);
        for (const char* name : {"new_game", "delete_game", "suggest", "print", "help", "exit"}) {
            auto* button = testing::Find<QPushButton>(window, LiveWindowControls(), name);
            scroller->ensureWidgetVisible(button);
            QVERIFY2(scroller->viewport()->rect().contains(
                         QRect(button->mapTo(scroller->viewport(), QPoint()), button->size())),
                     name);
        }
        const QStringList cut = CutTexts(scroller->widget());
        if (!scroller->horizontalScrollBar()->isVisible()) {
            // Where the window has the room, only a long game name may be cut.
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        }
    }
};

}  // namespace orvanta

// A 1920x1080 screen on the offscreen platform; QT_SCALE_FACTOR=2 makes it a
// 200 % desktop.
int main(int argc, char* argv[]) {
    const QString config = QDir::temp().filePath(
        QStringLiteral("orvanta_screen_%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1920,
                      "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    orvanta::DesktopSizesTest test;
    const int result = QTest::qExec(&test, argc, argv);
    QFile::remove(config);
    return result;
}
#include "desktop_sizes_test.moc"

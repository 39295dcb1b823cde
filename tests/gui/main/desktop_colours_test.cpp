// A dark desktop: light text on dark backgrounds. Where the program fixes a
// background (the pages' pale yellow, computed cells, profit boxes, the live
// window's panels, the grids' headers), the text on it must still read; where
// it does not, background and text both come from the desktop's palette. Both
// windows are drawn, and every text is measured from the pixels drawn: its
// background is the colour most of its place shows, its text the pixel that
// stands out most from it.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <string>

#include "core/i18n/catalogue.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/main/program_setup.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/fixed_colours.h"

namespace orvanta {

using testing::Edit;
using testing::GuiScene;
using testing::TypeInto;

namespace {

// A dark palette as a dark desktop theme gives one.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(235, 235, 235);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

struct Measured {
    QString where;
    QColor background;
    QColor text;
    double contrast = 1.0;
};

// The text in `place` of a drawn window.
Measured Measure(const QImage& image, const QRect& place, const QString& where) {
    QHash<QRgb, int> counts;
    const QRect inside = place.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    Measured measured{where, {}, {}, 1.0};
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            measured.background = QColor(it.key());
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = ContrastRatio(QColor(it.key()), measured.background);
        if (contrast > measured.contrast) {
            measured.contrast = contrast;
            measured.text = QColor(it.key());
        }
    }
    return measured;
}

QRect PlaceIn(QWidget* window, QWidget* widget, const QRect& rect) {
    return QRect(widget->mapTo(window, rect.topLeft()), rect.size());
}

// Every text the window shows: captions, boxes and grid cells.
QList<Measured> MeasureTexts(QWidget* window) {
    const QImage image = window->grab().toImage();
    QList<Measured> all;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().trimmed().isEmpty()) {
            all << Measure(image, PlaceIn(window, label, label->contentsRect()),
                           "caption " + label->text());
        }
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisible() && !box->text().isEmpty()) {
            all << Measure(image, PlaceIn(window, box, box->rect().adjusted(3, 3, -3, -3)),
                           "box " + box->objectName() + " " + box->text());
        }
    }
    for (GridView* grid : window->findChildren<GridView*>()) {
        if (!grid->isVisible()) {
            continue;
        }
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            for (int col = 0; col < grid->model()->columnCount(); ++col) {
                const DrawnText drawn = grid->DrawnCell(col, row);
                if (!drawn.shown.trimmed().isEmpty()) {
                    const QRect cell = grid->visualRect(grid->model()->index(row, col));
                    all << Measure(image,
                                   PlaceIn(window, grid->viewport(), cell.adjusted(1, 1, -1, -1)),
                                   QStringLiteral("%1 (%2,%3) %4")
                                       .arg(grid->objectName())
                                       .arg(col)
                                       .arg(row)
                                       .arg(drawn.shown));
                }
            }
        }
    }
    return all;
}

QStringList Unreadable(const QList<Measured>& texts) {
    QStringList faults;
    const Measured* least = nullptr;
    for (const Measured& text : texts) {
        if (!least || text.contrast < least->contrast) {
            least = &text;
        }
        if (text.contrast < kReadableContrast) {
            faults << QStringLiteral("%1: %2 on %3, %4:1")
                          .arg(text.where, text.text.name(), text.background.name())
                          .arg(text.contrast, 0, 'f', 2);
        }
    }
    if (least) {
        qInfo("%d texts, the least contrast %.2f:1 (%s)", int(texts.size()), least->contrast,
              qPrintable(least->where));
    }
    return faults;
}

QColor BackgroundOf(const QList<Measured>& texts, const QString& where) {
    for (const Measured& text : texts) {
        if (text.where.startsWith(where)) {
            return text.background;
        }
    }
    return {};
}

}  // namespace

class DesktopColoursTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        SetUpProgram();
        QApplication::setPalette(DarkPalette());
    }

    void everyPageOfTheMainWindowReads() {
        GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        // Figures everywhere: typed odds and records, computed rows, coloured boxes.
        auto* arbitrage = static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
        for (const auto& [col, odds] : {std::pair{0, "2.10"}, {1, "3.40"}, {2, "3.60"}}) {
            TypeInto(arbitrage->Grid(), col, 1, QString::fromLatin1(odds));
        }
        testing::ClickCalculate(*window);
        QTabWidget* pages = testing::Pages(*window);
        pages->setCurrentIndex(MainWindow::kProbability);
        auto* probability = static_cast<ProbabilityTab*>(window->Tab(MainWindow::kProbability));
        TypeInto(probability->Grid(), 0, 1, QStringLiteral("2.10"));
        TypeInto(probability->Grid(), 1, 1, QStringLiteral("3.40"));
        testing::ClickCalculate(*window);
        pages->setCurrentIndex(MainWindow::kOdds);
        auto* odds = static_cast<OddsTab*>(window->Tab(MainWindow::kOdds));
        for (const auto& [col, row, count] :
             {std::tuple{1, 1, "10"}, {2, 1, "5"}, {3, 1, "5"}, {1, 2, "6"}, {2, 2, "6"}}) {
            TypeInto(odds->RecordsGrid(), col, row, QString::fromLatin1(count));
        }
        TypeInto(odds->RecordsGrid(), 3, 2, QStringLiteral("8"));
        testing::ClickCalculate(*window);
        pages->setCurrentIndex(MainWindow::kParlay);
        auto* parlay = static_cast<ParlayTab*>(window->Tab(MainWindow::kParlay));
        TypeInto(parlay->Grid(), 1, 1, QStringLiteral("2"));
        TypeInto(parlay->Grid(), 1, 2, QStringLiteral("1.5"));
        TypeInto(parlay->Grid(), 4, 1, QStringLiteral("10"));
        testing::ClickCalculate(*window);

        for (const int page : {MainWindow::kParlay, MainWindow::kArbitrage,
                               MainWindow::kProbability, MainWindow::kOdds}) {
            pages->setCurrentIndex(page);
            window->setFocus();
            const QList<Measured> texts = MeasureTexts(window.get());
            QVERIFY(texts.size() > 10);
            const QStringList faults = Unreadable(texts);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        }

        // Where the page fixes nothing, the palette holds: a typed odds cell and
        // the multiplier's box are the desktop's dark base.
        pages->setCurrentIndex(MainWindow::kArbitrage);
        arbitrage->Grid()->SetCurrentCell(5, 1);
        const QList<Measured> texts = MeasureTexts(window.get());
        const QColor base = DarkPalette().color(QPalette::Base);
        QCOMPARE(BackgroundOf(texts, arbitrage->Grid()->objectName() + " (0,1)"), base);
        QCOMPARE(
            BackgroundOf(texts, "box " + Edit(*window, &ArbitragePage::multiplier)->objectName()),
            base);
        // And where it fixes one, the page's colour holds with its own text.
        QCOMPARE(BackgroundOf(texts, arbitrage->Grid()->objectName() + " (0,2)"),
                 QColor(74, 255, 74));
    }

    void theLiveWindowReads() {
        GuiScene scene;
        scene.AddCatalogues();
        scene.folder.Write("LiveGameRecords/2008_03_15;20-45;AEK - PAOK.lvo",
                           "1.85;3.40;4.20;\r\n"
                           "2;;;10;;;;;\r\n"
                           ";;;;1.5;;;20;\r\n"
                           ";;;;;;;;\r\n");
        const Catalogue catalogue(scene.folder / "Orvanta_GR.ini");
        LiveWindow window(scene.services, catalogue, [](QWidget*, int) {});
        QVERIFY(testing::ShowAndActivate(&window));
        auto* list = testing::Find<GridView>(window, LiveWindowControls(), &LivePage::game_list);
        testing::ClickCell(list, 0, 1);
        QCOMPARE(window.Ledger().Page().positions.Cell(0, 2), std::string("2"));
        window.setFocus();

        // The contents drawn whole: on a narrow screen the window scrolls, and
        // what lies beyond its edge is still to be read once scrolled to.
        QWidget* contents = window.findChild<QScrollArea*>()->widget();
        const QList<Measured> texts = MeasureTexts(contents);
        QVERIFY(texts.size() > 30);
        const QStringList faults = Unreadable(texts);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The help pages colour their own text, so they give it their own paper.
    void theHelpReads_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Greek") << QStringLiteral("GR");
        QTest::newRow("English") << QStringLiteral("EN");
    }

    void theHelpReads() {
        QFETCH(QString, language);
        GuiScene scene;
        for (const QString& name :
             {"Orvanta_" + language + ".ini", "Orvanta_" + language + "Help.htm"}) {
            scene.folder.Write(
                name.toStdString(),
                ReadFileBytes(std::string(ORVANTA_RESOURCES_DIR) + "/" + name.toStdString(),
                              1 << 22));
        }
        const Catalogue catalogue(scene.folder / ("Orvanta_" + language + ".ini").toStdString());
        HelpWindow help(scene.services, catalogue);
        QVERIFY(testing::ShowAndActivate(&help));
        auto* page = testing::Find<QTextBrowser>(help, HelpWindowControls(), "page");
        QVERIFY(!page->toPlainText().isEmpty());
        const QImage image = help.grab().toImage();
        // The page's first paragraph of running text: its rectangle holds
        // nothing but that text and the paper under it.
        QTextBlock block = page->document()->begin();
        while (block.isValid() &&
               (block.blockFormat().headingLevel() != 0 || block.length() < 80)) {
            block = block.next();
        }
        QVERIFY(block.isValid());
        const QRectF paragraph = page->document()->documentLayout()->blockBoundingRect(block);
        const QPoint origin = page->viewport()->mapTo(&help, QPoint());
        const Measured text =
            Measure(image, paragraph.toRect().translated(origin), QStringLiteral("help"));
        QVERIFY2(text.contrast >= kReadableContrast,
                 qPrintable(QStringLiteral("%1 on %2, %3:1")
                                .arg(text.text.name(), text.background.name())
                                .arg(text.contrast)));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::DesktopColoursTest)
#include "desktop_colours_test.moc"

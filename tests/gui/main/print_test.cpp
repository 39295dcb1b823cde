// Print puts on paper what the window shows: the page in front, or the live
// window's sheet and panels, figures and captions included, drawn as on the
// screen; and the preview it opens holds that one page.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <climits>
#include <memory>

#include "core/i18n/catalogue.h"
#include "core/live/live_ledger.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/main_window_scene.h"
#include "gui/print/print_preview.h"
#include "gui/widgets/printout.h"

namespace orvanta {

namespace {

using testing::Edit;
using testing::MainControl;
using testing::Recorded;

// A paint engine that keeps the texts drawn through it; the rest is let pass.
class TextRecorder : public QPaintEngine {
public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawEllipse(const QRect&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawPoints(const QPoint*, int) override {}

    QStringList texts;
};

// An A4 page at 300 dots an inch whose painting only records the texts.
class RecordedPage : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const QStringList& Texts() const { return m_engine.texts; }
    QRect Page() const { return QRect(0, 0, width(), height()); }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 2480;
            case PdmHeight:
                return 3508;
            case PdmWidthMM:
                return 210;
            case PdmHeightMM:
                return 297;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 300;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return INT_MAX;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 1;
        }
    }

private:
    mutable TextRecorder m_engine;
};

QStringList PrintedTexts(const Printout& printout) {
    RecordedPage page;
    QPainter painter(&page);
    PaintPrintout(painter, page.Page(), printout);
    painter.end();
    return page.Texts();
}

// Where the widget's own picture lies in the image, at its size; the image
// holds it when some row offset gives the same pixels.
bool HoldsPicture(const QImage& image, const QImage& picture, int left) {
    for (int top = 0; top + picture.height() <= image.height(); ++top) {
        if (image.copy(left, top, picture.width(), picture.height()) == picture) {
            return true;
        }
    }
    return false;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    }

    // The ARBITRAGE page with its figures, on paper: every figure and caption
    // the page shows is drawn, and at the screen's resolution the printout is
    // the page's own picture.
    void thePageInFrontGoesOnPaperAsShown() {
        testing::GuiScene scene;
        Recorded recorded;
        auto window = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(window.get()));
        auto* tab = static_cast<ArbitrageTab*>(window->Tab(MainWindow::kArbitrage));
        testing::TypeInto(tab->Grid(), 0, 1, QStringLiteral("2.10"));
        testing::TypeInto(tab->Grid(), 1, 1, QStringLiteral("3.40"));
        testing::TypeInto(tab->Grid(), 2, 1, QStringLiteral("3.60"));
        testing::SetBox(Edit(*window, &ArbitragePage::multiplier), QStringLiteral("1000"));
        window->OnCalculate();
        MainControl<QAction>(*window, "print_item")->trigger();
        QCOMPARE(recorded.printouts.size(), std::size_t(1));
        const Printout& printout = recorded.printouts.front();

        const QStringList printed = PrintedTexts(printout);
        QVERIFY(printed.contains(QStringLiteral("ARBITRAGE")));
        QStringList shown;
        const TextGrid& grid = tab->Grid()->Grid();
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col) {
                shown << tab->Grid()->DrawnCell(col, row).shown;
            }
        }
        for (auto* box : tab->findChildren<FilteredLineEdit*>()) {
            shown << box->ShownText();
        }
        for (auto* label : tab->findChildren<QLabel*>()) {
            shown << label->text();
        }
        shown.removeAll(QString());
        QVERIFY(shown.contains(QStringLiteral("1000")));
        for (const QString& text : shown) {
            QVERIFY2(printed.contains(text), qPrintable(text + " is not on paper"));
        }

        QImage paper(1200, 1600, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        PaintPrintout(painter, QRect(20, 20, 1160, 1560), printout);
        painter.end();
        const QImage picture =
            tab->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY(HoldsPicture(paper, picture, 20));
    }

    // The live window's sheet and the panels under it, headed by the game.
    void theLiveSheetAndPanelsGoOnPaper() {
        testing::GuiScene scene;
        scene.folder.Write("LiveGameRecords/2008_03_15;20-45;G.lvo",
                           "1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n");
        Catalogue catalogue;
        LiveWindow window(scene.services, catalogue, nullptr);
        std::vector<Printout> printouts;
        window.SetPrintOpener(
            [&printouts](QWidget*, const Printout& printout) { printouts.push_back(printout); });
        QVERIFY(testing::ShowAndActivate(&window));
        auto* list = testing::Find<GridView>(window, LiveWindowControls(), &LivePage::game_list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());
        QTest::mouseClick(testing::Find<QPushButton>(window, LiveWindowControls(), "print"),
                          Qt::LeftButton);
        QCOMPARE(printouts.size(), std::size_t(1));
        const QStringList printed = PrintedTexts(printouts.front());
        for (const char* text :
             {"Live Orvanta: 2008_03_15;20-45;G.lvo", "Agora", "Sell", "Poso", "2", "10", "20",
              "-10", "1.85", "50.39", "6.78", "Game Wager", "Return", "Result", "live odds"}) {
            QVERIFY2(printed.contains(QString::fromUtf8(text)), text);
        }
        // The list of games is no part of it.
        QVERIFY(!printed.contains(QString::fromUtf8(kGameListHeader)));
    }

    // The preview lays out one page, painted at the printer's resolution by
    // the page's own routine, and goes when closed.
    void thePreviewHoldsOnePage() {
        int painted = 0;
        int pages = 0;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            title = dialog->windowTitle();
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
                QTRY_VERIFY(preview->pageCount() > 0);
                pages = preview->pageCount();
            }
            dialog->reject();
        });
        ShowPrintPreview(nullptr, QStringLiteral("Print Preview: ARBITRAGE"),
                         [&painted](QPainter& painter, const QRect& page) {
                             ++painted;
                             QCOMPARE(painter.device()->logicalDpiX(), 300);
                             QVERIFY(page.width() > 1500 && page.height() > 2000);
                             painter.drawText(page, QStringLiteral("433.53"));
                         });
        QCOMPARE(title, QStringLiteral("Print Preview: ARBITRAGE"));
        QVERIFY(painted >= 1);
        QCOMPARE(pages, 1);
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::PrintTest)
#include "print_test.moc"

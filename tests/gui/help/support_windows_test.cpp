// The help window, the About box and the update check, reached through the main window as a
// user reaches them: F1, the Help menu, and the update timer.

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <cerrno>
#include <functional>
#include <memory>

#include "common/failing_disk.h"
#include "core/base/operation_error.h"
#include "core/help/about_texts.h"
#include "core/help/help_target.h"
#include "core/update/update_check.h"
#include "core/update/vendor.h"
#include "gui/find_control.h"
#include "gui/gui_scene.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/main/main_window.h"
#include "gui/main/window_openers.h"

namespace orvanta {

using testing::Find;
using testing::GuiScene;
using testing::WhenModalShows;

namespace {

void AddHelpPages(const GuiScene& scene) {
    for (const char* name : {"Orvanta_GRHelp.htm", "Orvanta_ENHelp.htm"}) {
        scene.folder.Write(name,
                           ReadFileBytes(std::string(ORVANTA_RESOURCES_DIR) + "/" + name, 1 << 20));
    }
}

std::unique_ptr<MainWindow> OpenMainWindow(GuiScene& scene) {
    return std::make_unique<MainWindow>(scene.services, DesktopOpeners(scene.services));
}

QUrl PageUrl(const GuiScene& scene, const char* page, const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(scene.folder / page));
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    return url;
}

// The page a help window shows as the core names it: a plain path with the anchor appended.
std::string PathAndAnchor(const QUrl& source) {
    std::string target = QDir::toNativeSeparators(source.toLocalFile()).toStdString();
    if (source.hasFragment()) {
        target += "#" + source.fragment().toStdString();
    }
    return target;
}

QTextBrowser* BrowserOf(QWidget* help) {
    return Find<QTextBrowser>(*help, HelpWindowControls(), "page");
}

// Where the anchor's block lies, in document pixels; -1 when no block carries it.
qreal AnchorTop(QTextBrowser* browser, const QString& anchor) {
    QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                return document->documentLayout()->blockBoundingRect(block).top();
            }
        }
    }
    return -1;
}

// What a test keeps of a help window before it closes.
struct HelpSeen {
    bool shown = false;
    QString caption;
    QString exit;
    QUrl source;
    std::string target;
    qreal anchor_top = -1;
    int scrolled = -1;
    int view_height = 0;
    QString text;

    void Take(QDialog* dialog, const QString& anchor) {
        auto* help = qobject_cast<HelpWindow*>(dialog);
        if (!help) {
            return;
        }
        shown = true;
        caption = help->windowTitle();
        exit = testing::ReadCaption(Find<QPushButton>(*help, HelpWindowControls(), "exit"));
        QTextBrowser* browser = BrowserOf(help);
        source = browser->source();
        target = PathAndAnchor(source);
        anchor_top = anchor.isEmpty() ? 0 : AnchorTop(browser, anchor);
        scrolled = browser->verticalScrollBar()->value();
        view_height = browser->viewport()->height();
        text = browser->toPlainText();
    }

    // The anchor's heading is in view, near its top.
    bool AtAnchor() const {
        return anchor_top >= scrolled && anchor_top < scrolled + view_height / 4;
    }
};

struct AboutSeen {
    bool shown = false;
    QSize size;
    QString caption;
    QColor background;
    QMap<QString, QString> texts;
    QMap<QString, QPoint> places;
};

}  // namespace

class SupportWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void f1OpensTheHelpOfThePageInFrontInTheCurrentLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("anchor");
        const std::pair<int, const char*> pages[] = {{MainWindow::kParlay, "parlay"},
                                                     {MainWindow::kArbitrage, "arbitrage"},
                                                     {MainWindow::kProbability, "probability"},
                                                     {MainWindow::kOdds, "oddscalc"}};
        for (const bool english : {false, true}) {
            for (const auto& [page, anchor] : pages) {
                const QByteArray name = QByteArray(english ? "EN " : "GR ") + anchor;
                QTest::newRow(name.constData()) << english << page << QString::fromLatin1(anchor);
            }
        }
    }

    void f1OpensTheHelpOfThePageInFrontInTheCurrentLanguage() {
        QFETCH(bool, english);
        QFETCH(int, page);
        QFETCH(QString, anchor);
        GuiScene scene;
        scene.AddCatalogues();
        AddHelpPages(scene);
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));
        if (english) {
            Find<QAction>(*window, MainWindowControls(), "english_item")->trigger();
        }
        Find<QTabWidget>(*window, MainWindowControls(), "pages")->setCurrentIndex(page);

        HelpSeen seen;
        WhenModalShows([&](QDialog* dialog) { seen.Take(dialog, anchor); });
        QTest::keyClick(window.get(), Qt::Key_F1);

        QVERIFY(seen.shown);
        const char* file = english ? "Orvanta_ENHelp.htm" : "Orvanta_GRHelp.htm";
        QCOMPARE(seen.source, PageUrl(scene, file, anchor));
        QCOMPARE(seen.target, scene.folder / file + "#" + anchor.toStdString());
        QCOMPARE(seen.caption,
                 english ? QStringLiteral("Orvanta Help") : QStringLiteral("Βοήθεια Orvanta"));
        QCOMPARE(seen.exit, english ? QStringLiteral("Exit") : QStringLiteral("Έξοδος"));
        QVERIFY2(seen.scrolled > 0, "the page did not scroll");
        QVERIFY2(seen.AtAnchor(), qPrintable(QStringLiteral("anchor at %1, view at %2")
                                                 .arg(seen.anchor_top)
                                                 .arg(seen.scrolled)));
        // The Greek page is read as the UTF-8 it declares.
        QVERIFY(seen.text.contains(english ? QStringLiteral("sure profit")
                                           : QStringLiteral("σίγουρο κέρδος")));
        QVERIFY(window->isVisible());
    }

    void theLiveWindowsHelpOpensItsSectionWhateverPageIsInFront() {
        GuiScene scene;
        scene.AddCatalogues();
        AddHelpPages(scene);
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));
        Find<QAction>(*window, MainWindowControls(), "english_item")->trigger();
        // The live window is a dialog of the main window; it calls the same opener.
        QDialog live(window.get());
        const MainWindowOpeners openers = DesktopOpeners(scene.services);

        HelpSeen seen;
        WhenModalShows([&](QDialog* dialog) { seen.Take(dialog, QStringLiteral("liveorvanta")); });
        openers.open_help(&live, kHelpLive);

        QVERIFY(seen.shown);
        QCOMPARE(seen.source, PageUrl(scene, "Orvanta_ENHelp.htm", QStringLiteral("liveorvanta")));
        QCOMPARE(seen.caption, QStringLiteral("Orvanta Help"));
        QVERIFY(seen.scrolled > 0);
        QVERIFY(seen.AtAnchor());
    }

    void topicsBeyondTheCalculatorsOpenThePageAtItsTop_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("5") << 5 << QStringLiteral("liveorvanta");
        QTest::newRow("7") << 7 << QString();
        QTest::newRow("255") << 255 << QString();
    }

    void topicsBeyondTheCalculatorsOpenThePageAtItsTop() {
        QFETCH(int, topic);
        QFETCH(QString, anchor);
        GuiScene scene;
        AddHelpPages(scene);
        const Catalogue catalogue(scene.folder / "Orvanta_GR.ini");
        HelpWindow help(scene.services, catalogue);
        help.SetHelpTopic(static_cast<HelpTopic>(topic));
        QVERIFY(testing::ShowAndActivate(&help));
        QCOMPARE(BrowserOf(&help)->source(), PageUrl(scene, "Orvanta_GRHelp.htm", anchor));
        QCOMPARE(
            PathAndAnchor(BrowserOf(&help)->source()),
            HelpTarget(scene.folder.Path(), catalogue.FileName(), static_cast<HelpTopic>(topic)));
        // No catalogue file: the captions' defaults.
        QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(testing::ReadCaption(Find<QPushButton>(help, HelpWindowControls(), "exit")),
                 QStringLiteral("Exit"));
        QCOMPARE(BrowserOf(&help)->verticalScrollBar()->value() == 0, anchor.isEmpty());
        QCOMPARE(help.size(), QSize(696, 480));
        QTest::mouseClick(Find<QPushButton>(help, HelpWindowControls(), "exit"), Qt::LeftButton);
        QVERIFY(!help.isVisible());
    }

    // The shipped pages: the six sections the program opens, and no link inside a page that
    // leads nowhere.
    void theHelpPagesHoldEverySectionAndTheirLinksLand_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << QStringLiteral("Orvanta_ENHelp.htm");
        QTest::newRow("Greek") << QStringLiteral("Orvanta_GRHelp.htm");
    }

    void theHelpPagesHoldEverySectionAndTheirLinksLand() {
        QFETCH(QString, page);
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(QStringLiteral(ORVANTA_RESOURCES_DIR "/") + page));
        QVERIFY(browser.document()->toPlainText().size() > 5000);
        for (int topic = kHelpParlay; topic <= kHelpBetSlip; ++topic) {
            const QString anchor =
                QString::fromStdString(HelpAnchor(static_cast<HelpTopic>(topic))).mid(1);
            QVERIFY2(AnchorTop(&browser, anchor) >= 0, qPrintable(anchor));
        }
        int links = 0;
        QTextDocument* document = browser.document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (href.isEmpty()) {
                    continue;
                }
                // Only places in the page itself: the help works without a network.
                QVERIFY2(href.startsWith('#'), qPrintable(href));
                QVERIFY2(AnchorTop(&browser, href.mid(1)) >= 0, qPrintable(href));
                ++links;
            }
        }
        QVERIFY(links >= 8);
    }

    void aMissingPageStillOpensTheWindow() {
        GuiScene scene;
        scene.AddCatalogues();
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));

        HelpSeen seen;
        WhenModalShows([&](QDialog* dialog) { seen.Take(dialog, QString()); });
        Find<QAction>(*window, MainWindowControls(), "help_item")->trigger();

        QVERIFY(seen.shown);
        QCOMPARE(seen.source, PageUrl(scene, "Orvanta_GRHelp.htm", QStringLiteral("arbitrage")));
        QVERIFY(seen.text.contains(QStringLiteral("The help page cannot be found")));
        QVERIFY(seen.text.contains(QString::fromStdString(scene.folder / "Orvanta_GRHelp.htm")));
    }

    void theAboutBoxShowsTheRunningProgram_data() {
        QTest::addColumn<QString>("language");  // "" for no catalogue files at all
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("copyright");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("ok");
        const QString version = QString::fromLatin1(vendor::kVersionText);
        const QString owner = QString::fromUtf8(vendor::kShortName) + " " +
                              QString::fromUtf8(vendor::kCopyrightYears);
        const QString mobile = QString::fromUtf8(vendor::kMobile);
        QTest::newRow("defaults") << ""
                                  << "About"
                                  << "Version: " + version << "Copyright: " + owner
                                  << "Mobile: " + mobile << "&OK";
        QTest::newRow("English") << "english_item"
                                 << "About Orvanta"
                                 << "Version: " + version << "Copyright: " + owner
                                 << "Mobile: " + mobile << "&OK";
        QTest::newRow("Greek") << "greek_item"
                               << "Σχετικά με το Orvanta"
                               << "Έκδοση: " + version << "Copyright: " + owner
                               << "Κινητό: " + mobile << "&OK";
    }

    void theAboutBoxShowsTheRunningProgram() {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(QString, version);
        QFETCH(QString, copyright);
        QFETCH(QString, mobile);
        QFETCH(QString, ok);
        GuiScene scene;
        if (!language.isEmpty()) {
            scene.AddCatalogues();
        }
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));
        if (!language.isEmpty()) {
            Find<QAction>(*window, MainWindowControls(), language.toLatin1().constData())
                ->trigger();
        }

        AboutSeen seen;
        WhenModalShows([&](QDialog* dialog) {
            if (!qobject_cast<AboutBox*>(dialog)) {
                return;
            }
            seen.shown = true;
            seen.size = dialog->size();
            seen.caption = dialog->windowTitle();
            seen.background = dialog->palette().color(QPalette::Window);
            for (const Control<>& row : AboutBoxControls()) {
                if (auto* label = Find<QLabel>(*dialog, AboutBoxControls(), row.domain_name)) {
                    seen.texts[row.domain_name] = label->text();
                    seen.places[row.domain_name] = label->mapTo(dialog, QPoint(0, 0));
                }
            }
            auto* button = Find<QPushButton>(*dialog, AboutBoxControls(), "ok");
            seen.texts["ok"] = button->text();
            seen.places["ok"] = button->pos();
        });
        Find<QAction>(*window, MainWindowControls(), "about_item")->trigger();

        QVERIFY(seen.shown);
        QCOMPARE(seen.size, QSize(312, 391));
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.background, QColor(191, 225, 197));
        QCOMPARE(seen.texts["version"], version);
        QCOMPARE(seen.texts["copyright"], copyright);
        QCOMPARE(seen.texts["mobile"], mobile);
        QCOMPARE(seen.texts["mail_link"], QString::fromUtf8(vendor::kEmail));
        QCOMPARE(seen.texts["web_link"], QString::fromUtf8(vendor::kWebServer));
        QCOMPARE(seen.texts["ok"], ok);
        QVERIFY(seen.texts["telephone"].endsWith(QString::fromUtf8(vendor::kTelephone)));
        const std::pair<const char*, QPoint> places[] = {
            // clang-format off
            {"logo",          {2, 2}},
            {"version",       {8, 168}},
            {"copyright",     {8, 192}},
            {"web_link",      {8, 216}},
            {"telephone",     {8, 240}},
            {"mobile",        {9, 259}},
            {"email_caption", {8, 275}},
            {"mail_link",     {96, 275}},
            {"warning",       {8, 320}},
            {"ok",            {120, 365}},
            // clang-format on
        };
        for (const auto& [name, place] : places) {
            QVERIFY2(seen.places.contains(name), name);
            QCOMPARE(seen.places[name], place);
        }
    }

    void theAboutLinksOpenTheHomePageAndAMailToWhatTheLabelShows() {
        GuiScene scene;
        const Catalogue none;
        AboutBox about(scene.services, none);
        QVERIFY(testing::ShowAndActivate(&about));
        auto* web = Find<QLabel>(about, AboutBoxControls(), "web_link");
        auto* mail = Find<QLabel>(about, AboutBoxControls(), "mail_link");
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(web->font().underline());
        QCOMPARE(web->font().pixelSize(), 13);
        auto* icon = Find<QLabel>(about, AboutBoxControls(), "logo");
        QCOMPARE(icon->size(), QSize(308, 149));
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(100, 56));

        QTest::mouseClick(web, Qt::LeftButton);
        QTest::mouseClick(mail, Qt::LeftButton);
        mail->setText(QStringLiteral("sales@orvanta.example"));
        QTest::mouseClick(mail, Qt::LeftButton);
        const std::vector<std::string> expected = {
            std::string("http://") + vendor::kWebServer + "/home.html",
            std::string("mailto:") + vendor::kEmail + "?Subject=Orvanta&Body=",
            "mailto:sales@orvanta.example?Subject=Orvanta&Body="};
        QCOMPARE(scene.platform.opened_urls, expected);
        QVERIFY(about.isVisible());

        // The colour is set again at every showing.
        QPalette palette = about.palette();
        palette.setColor(QPalette::Window, Qt::black);
        about.setPalette(palette);
        QTest::mouseClick(Find<QPushButton>(about, AboutBoxControls(), "ok"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(testing::ShowAndActivate(&about));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(191, 225, 197));
    }

    void offlineTheStartAndTheMenuEachSayItOnce() {
        GuiScene scene;
        scene.platform.connected = false;
        auto window = OpenMainWindow(scene);
        scene.prompter.ExpectMessage(kNoConnectionText);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(scene.prompter.AllShown(), 3000);
        QTest::qWait(1300);
        QCOMPARE(scene.prompter.Shown().size(), size_t(1));
        QVERIFY(window->isVisible());
        QVERIFY(scene.platform.downloads.empty());

        scene.prompter.ExpectMessage(kNoConnectionText);
        Find<QAction>(*window, MainWindowControls(), "update_item")->trigger();
        QCOMPARE(scene.prompter.Shown().size(), size_t(2));
        QVERIFY(window->isVisible());
        QVERIFY(scene.platform.started_programs.empty());
    }

    void anAcceptedUpdateStartsTheUpdateProgramAndClosesTheWindow() {
        GuiScene scene;
        scene.platform.download = [](const std::string&) {
            // A listed file that is not beside the program is outdated.
            return std::optional<std::string>("Orvanta_EN.ini;;100\r\n");
        };
        auto window = OpenMainWindow(scene);
        scene.prompter.ExpectYesNo("Do You Want Updates", true);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 3000);
        QCOMPARE(scene.platform.downloads, std::vector<std::string>{UpdateListUrl("Orvanta")});
        QCOMPARE(scene.platform.started_programs,
                 std::vector<std::string>{scene.folder / "Orvanta_UpDate.exe"});
    }

    void aListThatCannotBeKeptSaysNothingAndTheWindowStays() {
        testing::FailingDisk faults(WriteStep::kWrite, ENOSPC);
        GuiScene scene;
        scene.services.write_faults = &faults;
        bool asked = false;
        scene.platform.download = [&asked](const std::string&) {
            asked = true;
            return std::optional<std::string>("Orvanta_EN.ini;;100\r\n");
        };
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(asked, 3000);
        QTest::qWait(100);
        QVERIFY(window->isVisible());
        QVERIFY(scene.prompter.Shown().empty());
    }

    void theManualUpdateStartsTheUpdateProgramAndClosesTheWindow() {
        GuiScene scene;
        scene.folder.Write(kManualUpdaterName, "program");
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));
        Find<QAction>(*window, MainWindowControls(), "update_item")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(scene.platform.started_programs,
                 std::vector<std::string>{scene.folder / kManualUpdaterName});
    }

    // Without the update program nothing takes over: the message is shown and
    // the window stays, with what was typed on its pages.
    void theManualUpdateWithoutTheUpdateProgramKeepsTheWindowOpen() {
        GuiScene scene;
        auto window = OpenMainWindow(scene);
        QVERIFY(testing::ShowAndActivate(window.get()));
        scene.prompter.ExpectMessage(kUpdaterMissingText);
        Find<QAction>(*window, MainWindowControls(), "update_item")->trigger();
        QVERIFY(scene.prompter.AllShown());
        QVERIFY(window->isVisible());
        QVERIFY(scene.platform.started_programs.empty());
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::SupportWindowsTest)
#include "support_windows_test.moc"

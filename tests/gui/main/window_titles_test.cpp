// The title bar of every window is the window's caption and nothing more: the
// main window, the live window and its new-game dialog, the help window, the
// About box and the message boxes, with the program set up as main() sets it up.

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <memory>
#include <string>

#include "core/update/vendor.h"
#include "gui/find_control.h"
#include "gui/gui_scene.h"
#include "gui/live/live_window_controls.h"
#include "gui/main/main_window.h"
#include "gui/main/program_setup.h"
#include "gui/main/window_openers.h"
#include "gui/widgets/qt_prompter.h"

namespace orvanta {

using testing::GuiScene;
using testing::WhenModalShows;

namespace {

// Whether the program gave the application a display name of its own; without
// one the display name follows the application name.
bool HasOwnDisplayName() {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + QStringLiteral(" probe"));
    const bool own =
        QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    return own;
}

// What the desktop shows in a window's title bar: the platform window's title,
// followed by the application's own display name where the program set one (X11
// and Wayland append it, after a dash).
QString TitleBar(QWidget* window) {
    QWindow* handle = window->windowHandle();
    if (!handle) {
        return QStringLiteral("<no platform window>");
    }
    QString shown = handle->title();
    if (HasOwnDisplayName() && !shown.endsWith(QGuiApplication::applicationDisplayName())) {
        shown += QStringLiteral(" \u2014 ") + QGuiApplication::applicationDisplayName();
    }
    return shown;
}

}  // namespace

class WindowTitlesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        SetUpProgram();
    }

    void theMainWindowAndEveryWindowItOpens() {
        GuiScene scene;
        auto window = std::make_unique<MainWindow>(scene.services, DesktopOpeners(scene.services));
        QVERIFY(testing::ShowAndActivate(window.get()));
        QCOMPARE(TitleBar(window.get()),
                 QStringLiteral("   Version:") + QString::fromLatin1(vendor::kVersionText));

        QString about;
        WhenModalShows([&](QDialog* dialog) { about = TitleBar(dialog); });
        testing::Find<QAction>(*window, MainWindowControls(), "about_item")->trigger();
        QCOMPARE(about, QStringLiteral("About"));

        QString help;
        WhenModalShows([&](QDialog* dialog) { help = TitleBar(dialog); });
        testing::Find<QAction>(*window, MainWindowControls(), "help_item")->trigger();
        QCOMPARE(help, QStringLiteral("Help"));

        // The live window, its new-game dialog and the help over the live window.
        QString live;
        QString new_game;
        QString live_help;
        WhenModalShows([&](QDialog* dialog) {
            live = TitleBar(dialog);
            WhenModalShows([&](QDialog* inner) { live_help = TitleBar(inner); });
            QTest::mouseClick(testing::Find<QPushButton>(*dialog, LiveWindowControls(), "help"),
                              Qt::LeftButton);
            WhenModalShows([&](QDialog* inner) { new_game = TitleBar(inner); });
            QTest::mouseClick(testing::Find<QPushButton>(*dialog, LiveWindowControls(), "new_game"),
                              Qt::LeftButton);
        });
        testing::Find<QAction>(*window, MainWindowControls(), "live_item")->trigger();
        QCOMPARE(live, QStringLiteral("Live Orvanta"));
        QCOMPARE(live_help, QStringLiteral("Help"));
        QCOMPARE(new_game, QStringLiteral("FrmLiveOrvantaNewGame"));
    }

    void messageBoxes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain message") << 0 << "Orvanta";
        QTest::newRow("Yes/No warning") << 1 << "Warning";
        QTest::newRow("error report") << 2 << "Orvanta";
    }

    void messageBoxes() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QtPrompter prompter(ProgramName(), QStringLiteral("Orvanta"));
        QString seen;
        WhenModalShows([&](QDialog* box) { seen = TitleBar(box); });
        switch (kind) {
            case 0:
                prompter.ShowMessage("Error Value");
                break;
            case 1:
                prompter.AskYesNo("Clear All Information ?", DefaultAnswer::kNo);
                break;
            default:
                prompter.ShowError("Invalid stream format");
                break;
        }
        QCOMPARE(seen, title);
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::WindowTitlesTest)
#include "window_titles_test.moc"

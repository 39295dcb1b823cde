// The windows of a program installed by a package: captions and help from the
// shared data folder, the user's choices in the user folder, nothing written
// under the prefix, and no update of its own. Then the real program, copied
// into a portable folder and into a prefix, telling which catalogue it found.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "core/base/file_io.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"
#include "core/i18n/catalogue.h"
#include "core/update/update_check.h"
#include "gui/find_control.h"
#include "gui/gui_scene.h"
#include "gui/main/main_window.h"
#include "gui/main/window_openers.h"
#include "gui/widgets/window_controls.h"

namespace orvanta {

using testing::GuiScene;
using testing::WhenModalShows;

namespace {

namespace fs = std::filesystem;

std::string Shipped(const char* name) {
    return ReadFileBytes(std::string(ORVANTA_RESOURCES_DIR) + "/" + name, 1 << 22);
}

std::set<std::string> FilesUnder(const std::string& folder) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files.insert(entry.path().string());
    }
    return files;
}

// A prefix holding the program in usr/bin and its data in usr/share/orvanta,
// and a fresh home; the platform laid out as the installed program lays itself out.
struct InstalledScene : GuiScene {
    InstalledScene() {
        folder.Write("usr/bin/Orvanta", "program");
        for (const char* name :
             {"Orvanta_GR.ini", "Orvanta_EN.ini", "Orvanta_GRHelp.htm", "Orvanta_ENHelp.htm"}) {
            folder.Write(std::string("usr/share/orvanta/") + name, Shipped(name));
        }
        fs::create_directories(folder / "home/ann");
        platform.layout = ChooseProgramLayout(
            folder / "usr/bin/Orvanta", [](const std::string& path) { return FileExists(path); },
            folder / "home/ann/.local/share");
    }

    std::string UserFile(const std::string& name) const {
        return folder / ("home/ann/.local/share/orvanta/" + name);
    }

    // The desktop's openers, the update check counted.
    std::unique_ptr<MainWindow> MakeWindow() {
        MainWindowOpeners openers = DesktopOpeners(services);
        auto start = openers.start_update_check;
        openers.start_update_check = [this, start](QWidget* owner) {
            ++update_checks;
            return start(owner);
        };
        return std::make_unique<MainWindow>(services, openers);
    }

    int update_checks = 0;
};

QString Tab(MainWindow& window, int page) {
    return testing::Find<QTabWidget>(window, MainWindowControls(), "pages")->tabText(page);
}

// The built program copied to `program`, run until it has listed its captions.
QString CaptionsOfCopy(const std::string& program, const QString& home) {
    fs::create_directories(fs::path(program).parent_path());
    fs::copy_file(ORVANTA_PROGRAM_FILE, program);
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANTA_PRINT_CAPTIONS"), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    run.setProcessEnvironment(environment);
    run.start(QString::fromStdString(program), {});
    if (!run.waitForFinished(60000) || run.exitCode() != 0) {
        return QStringLiteral("<failed: ") + QString::fromUtf8(run.readAllStandardError()) + ">";
    }
    return QString::fromUtf8(run.readAllStandardOutput());
}

}  // namespace

class InstalledLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void captionsAndHelpFromTheDataFolderChoicesInTheHome() {
        InstalledScene scene;
        const std::set<std::string> prefix = FilesUnder(scene.folder / "usr");
        auto window = scene.MakeWindow();
        QVERIFY(testing::ShowAndActivate(window.get()));
        QCOMPARE(Tab(*window, MainWindow::kArbitrage), QStringLiteral("ΑΡΜΠΙΤΡΑΖ"));
        QVERIFY(ListCaptions(*window).contains(
            testing::ObjectName(MainWindowControls(), "parlay_page") +
            QStringLiteral("\tΠΑΡΟΛΙ\n")));

        testing::Find<QAction>(*window, MainWindowControls(), "english_item")->trigger();
        QCOMPARE(Tab(*window, MainWindow::kArbitrage), QStringLiteral("ARBITRAGE"));
        QCOMPARE(ReadFileBytes(scene.UserFile(kLanguageChoiceFile), 100), "Orvanta_EN.ini\n");

        QString help_page;
        WhenModalShows([&](QDialog* help) {
            help_page = help->findChild<QTextBrowser*>()->source().toLocalFile();
        });
        testing::Find<QAction>(*window, MainWindowControls(), "help_item")->trigger();
        QCOMPARE(help_page,
                 QString::fromStdString(scene.folder / "usr/share/orvanta/Orvanta_ENHelp.htm"));

        window->close();
        auto again = scene.MakeWindow();
        QVERIFY(testing::ShowAndActivate(again.get()));
        QCOMPARE(Tab(*again, MainWindow::kArbitrage), QStringLiteral("ARBITRAGE"));
        QVERIFY(FilesUnder(scene.folder / "usr") == prefix);
    }

    void theUpdateIsThePackageManagersAffair() {
        InstalledScene scene;
        auto window = scene.MakeWindow();
        QVERIFY(testing::ShowAndActivate(window.get()));
        QVERIFY(!testing::Find<QTimer>(*window, MainWindowControls(), "update_timer")->isActive());

        const Catalogue greek(scene.folder / "usr/share/orvanta/Orvanta_GR.ini");
        const std::string message = greek.Read(kUpdatesFromPackageManager);
        QVERIFY(message != kUpdatesFromPackageManager.fallback);
        scene.prompter.ExpectMessage(message);
        testing::Find<QAction>(*window, MainWindowControls(), "update_item")->trigger();
        QVERIFY(scene.prompter.AllShown());
        QVERIFY(window->isVisible());
        QTest::qWait(1300);
        QCOMPARE(scene.update_checks, 0);
        QVERIFY(!QDir(QString::fromStdString(scene.folder / "usr/bin/updates")).exists());
        QVERIFY(scene.platform.started_programs.empty());
    }

    // The program's own choice, from where its file lies; only reading, so
    // nothing of the home is touched either.
    void theRealProgramFindsItsCatalogueInEitherLayout() {
        testing::TempFolder root;
        const QString home = QString::fromStdString(root / "home");
        fs::create_directories(home.toStdString());
        root.Write("portable/Orvanta_GR.ini", Shipped("Orvanta_GR.ini"));
        root.Write("usr/share/orvanta/Orvanta_GR.ini", Shipped("Orvanta_GR.ini"));

        const QString portable = CaptionsOfCopy(root / "portable/Orvanta", home);
        QVERIFY2(portable.contains(QStringLiteral("TSArbitrage\tΑΡΜΠΙΤΡΑΖ\n")),
                 qPrintable(portable));
        const QString installed = CaptionsOfCopy(root / "usr/bin/Orvanta", home);
        QVERIFY2(installed.contains(QStringLiteral("TSArbitrage\tΑΡΜΠΙΤΡΑΖ\n")),
                 qPrintable(installed));
        QVERIFY(installed.startsWith(QStringLiteral("FrmMain\tOrvanta   Version:")));
        QVERIFY(FilesUnder(home.toStdString()).empty());

        // Without its data beside bin/, the installed program shows its defaults.
        fs::remove_all(root / "usr/share");
        const QString bare = CaptionsOfCopy(root / "usr/bin/Orvanta2", home);
        QVERIFY2(bare.contains(QStringLiteral("TSArbitrage\tARBITRAGE\n")), qPrintable(bare));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::InstalledLayoutTest)
#include "installed_layout_test.moc"

// The automatic update check as the program runs it: the list downloaded from
// a local server through the HTTP client module, compared on a thread of its
// own, while the main window goes on answering the user.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <memory>
#include <string>

#include "common/http_test_server.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/window_openers.h"
#include "gui/main_window_scene.h"
#include "gui/platform/desktop_platform.h"

namespace orvanta {

using testing::HttpReply;
using testing::HttpTestServer;

namespace {

constexpr const char* kListPath = "/Software/Orvanta/download/FilesToDownload.txt";
constexpr const char* kLocalList = "updates/FilesToDownload.txt";
// A file the program folder lacks: the check offers the update.
const std::string kList = "Orvanta_EN.ini;;1\r\n";

QString ModuleFolder() {
    return QFileInfo(QStringLiteral(ORVANTA_PROGRAM_FILE)).absolutePath();
}

// The desktop's platform in a temporary program folder, its downloads sent to
// the local server.
class LocalServerPlatform : public DesktopPlatform {
public:
    LocalServerPlatform(std::string folder, HttpTestServer& server)
        : DesktopPlatform({ModuleFolder()}), m_folder(std::move(folder)), m_server(server) {}

    std::string ProgramFile() const override { return m_folder + "Orvanta"; }
    std::string ProgramFolder() const override { return m_folder; }
    ProgramLayout Layout() const override { return PortableLayout(m_folder); }
    bool IsInternetConnected() override { return true; }
    std::unique_ptr<Job> StartDownload(
        const std::string& url, std::function<void(std::optional<std::string>)> done) override {
        return DesktopPlatform::StartDownload(m_server.Redirect(url), std::move(done));
    }

private:
    std::string m_folder;
    HttpTestServer& m_server;
};

struct UpdateScene {
    UpdateScene() : platform(gui.folder.Path(), server), services{gui.prompter, platform, '.'} {
        MainWindowOpeners openers = DesktopOpeners(services);
        auto start = openers.start_update_check;
        openers.start_update_check = [this, start](QWidget* owner) {
            auto check = start(owner);
            this->check = check.get();
            return check;
        };
        window = std::make_unique<MainWindow>(services, openers);
    }

    bool Finished() const { return check && check->property("finished").toBool(); }
    std::string LocalList() const { return gui.folder.Read(kLocalList); }

    HttpTestServer server;
    testing::GuiScene gui;
    LocalServerPlatform platform;
    Services services;
    QObject* check = nullptr;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    // A server that sends a byte a second: the check waits, the user does not.
    void theWindowAnswersWhileTheListTrickles() {
        UpdateScene scene;
        HttpReply trickle;
        trickle.body = kList;
        trickle.per_byte = std::chrono::seconds(1);
        scene.server.Serve(kListPath, trickle);
        QVERIFY(testing::ShowAndActivate(scene.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!scene.server.Requests().empty(), 5000);

        QElapsedTimer typing;
        typing.start();
        auto* arbitrage = static_cast<ArbitrageTab*>(scene.window->Tab(MainWindow::kArbitrage));
        testing::TypeInto(arbitrage->Grid(), 0, 1, QStringLiteral("2.5"));
        testing::TypeInto(arbitrage->Grid(), 1, 1, QStringLiteral("1.8"));
        testing::ClickCalculate(*scene.window);
        QCOMPARE(testing::CellText(arbitrage->Page().outcomes, 0, 2), QStringLiteral("1.72"));
        QCOMPARE(testing::CellText(arbitrage->Page().outcomes, 1, 2), QStringLiteral("2.39"));
        QVERIFY2(typing.elapsed() < 1000, "the window waited for the download");
        QVERIFY(!scene.Finished());

        // Closing in the middle of the download ends it: no wait, no question.
        QElapsedTimer closing;
        closing.start();
        scene.window->close();
        scene.window.reset();
        QVERIFY2(closing.elapsed() < 1000, "closing waited for the download");
        QTest::qWait(200);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(scene.gui.folder / kLocalList)));
    }

    void aListServedAfterARedirectIsComparedAndOffersTheUpdate() {
        UpdateScene scene;
        scene.server.Serve("/elsewhere/list.txt", kList);
        HttpReply moved;
        moved.status = 302;
        moved.headers = {{"Location", "/elsewhere/list.txt"}};
        scene.server.Serve(kListPath, moved);
        scene.gui.prompter.ExpectYesNo("Do You Want Updates", false);
        QVERIFY(testing::ShowAndActivate(scene.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(scene.Finished(), 10000);
        QCOMPARE(scene.LocalList(), kList);
        QVERIFY(scene.gui.prompter.AllShown());
        QVERIFY(scene.window->isVisible());
    }

    void aFailedDownloadKeepsTheOldListAndSaysNothing_data() {
        QTest::addColumn<bool>("served");
        QTest::newRow("404") << false;
        QTest::newRow("a body cut short") << true;
    }

    void aFailedDownloadKeepsTheOldListAndSaysNothing() {
        QFETCH(bool, served);
        UpdateScene scene;
        scene.gui.folder.Write(kLocalList, "old list\r\n");
        if (served) {
            HttpReply cut;
            cut.body = kList + kList;
            cut.cut_short = true;
            scene.server.Serve(kListPath, cut);
        }
        QVERIFY(testing::ShowAndActivate(scene.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(scene.Finished(), 10000);
        QCOMPARE(scene.LocalList(), std::string("old list\r\n"));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::UpdateWindowTest)
#include "update_window_test.moc"

// The live betting window driven as a user drives it: the game list, the
// new-game dialog, the position sheet, the current odds, and what each of them
// leaves in the record files.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/base/file_io.h"
#include "core/base/paths.h"
#include "core/i18n/catalogue.h"
#include "core/live/game_record.h"
#include "core/live/live_captions.h"
#include "core/live/live_ledger.h"
#include "core/live/position_sheet.h"
#include "core/live/suggestions.h"
#include "core/markets/method_choice.h"
#include "gui/find_control.h"
#include "gui/gui_scene.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/widgets/cover_picture.h"
#include "gui/widgets/elided_label.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/printout.h"

namespace orvanta {

using testing::PressKey;
using testing::Type;

namespace {

const std::string kRecords = "LiveGameRecords/";
// The fake clock stands at 2008-03-15 20:45, so a new game named "Home - Away"
// gets this name.
const std::string kNewGame = "2008_03_15;20-45;Home - Away.lvo";

// The boxes that show the page's figures.
const char* const kPageBoxes[] = {
    "return_1", "return_x", "return_2", "game_wager_1",  "game_wager_x",  "game_wager_2",
    "result_1", "result_x", "result_2", "probability_1", "probability_x", "probability_2",
    "odds_1",   "odds_x",   "odds_2",   "bookmaker_cut"};

struct LiveScene {
    explicit LiveScene(char separator = '.') : gui(separator) {}

    void Record(const std::string& name, const std::string& bytes = std::string()) const {
        gui.folder.Write(kRecords + name, bytes);
    }
    std::string Content(const std::string& name) const { return gui.folder.Read(kRecords + name); }
    bool Exists(const std::string& name) const { return gui.folder.Exists(kRecords + name); }

    LiveWindow& Create() {
        window = std::make_unique<LiveWindow>(
            gui.services, catalogue,
            [this](QWidget* owner, int topic) { help.emplace_back(owner, topic); });
        window->SetPrintOpener(
            [this](QWidget*, const Printout& printout) { printouts.push_back(printout); });
        return *window;
    }
    LiveWindow& Open() {
        Create();
        [&] { QVERIFY(testing::ShowAndActivate(window.get())); }();
        return *window;
    }

    GridView* List() const {
        return testing::Find<GridView>(*window, LiveWindowControls(), &LivePage::game_list);
    }
    GridView* Sheet() const {
        return testing::Find<GridView>(*window, LiveWindowControls(), &LivePage::positions);
    }
    // Boxes and buttons by domain name.
    QLineEdit* Box(const char* name) const {
        return testing::Find<QLineEdit>(*window, LiveWindowControls(), name);
    }
    QPushButton* Button(const char* name) const {
        return testing::Find<QPushButton>(*window, LiveWindowControls(), name);
    }
    std::string BoxText(const char* name) const { return Box(name)->text().toStdString(); }
    const std::string& Cell(int col, int row) const {
        return window->Ledger().Page().positions.Cell(col, row);
    }
    int SheetRows() const { return window->Ledger().Page().positions.RowCount(); }

    std::vector<std::string> ListedGames() const {
        const TextGrid& list = window->Ledger().Page().game_list;
        std::vector<std::string> names;
        for (int row = 1; row < list.RowCount(); ++row) {
            names.push_back(list.Cell(0, row));
        }
        return names;
    }

    void ClickListRow(int row) const {
        GridView* list = List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    void ClickCell(int col, int row) const {
        GridView* sheet = Sheet();
        QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {},
                          sheet->visualRect(sheet->model()->index(row, col)).center());
    }
    // Types into a cell of the sheet and ends the edit with Enter.
    void TypeCell(int col, int row, const QString& text) const {
        Sheet()->setFocus();
        Sheet()->SetCurrentCell(col, row);
        Type(text);
        PressKey(Qt::Key_Return);
    }
    void TypeBox(const char* name, const QString& text) const {
        Box(name)->setFocus();
        Type(text);
    }

    // Every box under the sheet and every cell of it, by name.
    std::map<std::string, std::string> Screen() const {
        std::map<std::string, std::string> shown;
        for (const char* name : kPageBoxes) {
            shown[name] = BoxText(name);
        }
        const TextGrid& grid = window->Ledger().Page().positions;
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col) {
                shown["cell " + std::to_string(col) + "," + std::to_string(row)] =
                    grid.Cell(col, row);
            }
        }
        return shown;
    }

    // Runs `steps` on the new-game dialog that the New button opens, then
    // makes sure the dialog is gone whatever the steps did.
    void WithNewGameDialog(const std::function<void(NewGameDialog&)>& steps) {
        bool ran = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto* dialog = qobject_cast<NewGameDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            ran = true;
            // The click on New leaves the offscreen platform's activation on
            // the window; typing needs the dialog active.
            dialog->activateWindow();
            if (QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); })) {
                steps(*dialog);
            }
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        QTest::mouseClick(Button("new_game"), Qt::LeftButton);
        QVERIFY2(ran, "the New button opened no dialog");
    }

    // Runs `steps` on the modal dialog that `open` brings up, then makes sure
    // it is gone whatever the steps did.
    void WithDialog(const std::function<void()>& open,
                    const std::function<void(QDialog&)>& steps) const {
        // A button pressed from the keyboard clicks a moment later: the
        // dialog is looked for until it shows.
        bool ran = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == window.get() || !dialog->isVisible()) {
                return;
            }
            poll.stop();
            ran = true;
            dialog->activateWindow();
            if (QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); })) {
                steps(*dialog);
            }
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        poll.start();
        open();
        QTRY_VERIFY2(ran, "no dialog came up");
    }

    // The key Alt and a control's mnemonic make.
    static void PressMnemonic(QAbstractButton* button) {
        const QKeySequence keys = QKeySequence::mnemonic(button->text());
        QVERIFY2(!keys.isEmpty(), qPrintable(button->text()));
        QTest::keyClick(QApplication::focusWidget(), keys[0].key(), keys[0].keyboardModifiers());
    }

    // The record of `name` read back through the core, against the sheet and
    // the current odds on screen.
    void CheckRecordIsTheSheet(const std::string& name) const {
        const LiveGameRecord record =
            ParseGameRecord(ReadFileBytes(gui.folder / (kRecords + name), kMaxRecordBytes));
        QCOMPARE(record.current_odds[0], BoxText("odds_1"));
        QCOMPARE(record.current_odds[1], BoxText("odds_x"));
        QCOMPARE(record.current_odds[2], BoxText("odds_2"));
        std::vector<PositionFields> shown;
        for (int row = kFirstPositionRow; row + 1 < SheetRows(); ++row) {
            PositionFields fields;
            for (int col = 0; col < kInputCols; ++col) {
                fields[static_cast<std::size_t>(col)] = Cell(col, row);
            }
            shown.push_back(fields);
        }
        QVERIFY(record.rows == shown);
    }

    testing::GuiScene gui;
    Catalogue catalogue;
    std::vector<std::pair<QWidget*, int>> help;
    std::vector<Printout> printouts;
    std::unique_ptr<LiveWindow> window;
};

// A control of the live window, or of the new-game dialog, by domain name.
template <typename Widget>
Widget* Child(LiveWindow& window, const char* name) {
    return testing::Find<Widget>(window, LiveWindowControls(), name);
}
template <typename Widget>
Widget* Child(NewGameDialog& dialog, const char* name) {
    return testing::Find<Widget>(dialog, NewGameControls(), name);
}

}  // namespace

class LiveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testing::FailQtTestOnSurprises();
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    }

    void opensOnAMissingFolderWithOnlyTheHeader() {
        LiveScene scene;
        QVERIFY(!scene.gui.folder.Exists("LiveGameRecords"));
        LiveWindow& window = scene.Open();
        QVERIFY(scene.gui.folder.Exists("LiveGameRecords"));
        QCOMPARE(window.Ledger().Page().game_list.RowCount(), 1);
        QCOMPARE(window.Ledger().Page().game_list.Cell(0, 0), std::string(kGameListHeader));
        QVERIFY(window.Ledger().CurrentGameFile().empty());
        // Its own size, on a screen that has room for it (the test screen is narrower).
        const QSize frame = window.frameGeometry().size() - window.size();
        QCOMPARE(window.size(),
                 QSize(865, 568).boundedTo(window.screen()->availableGeometry().size() - frame));
        QCOMPARE(scene.SheetRows(), 3);

        // Every control is there under its layout name.
        for (const char* name : {"splitter", "game_list", "positions", "totals_panel",
                                 "current_odds_panel", "suggestion_panel", "exit", "new_game",
                                 "delete_game", "suggest", "help", "print", "picture"}) {
            QVERIFY2(Child<QWidget>(window, name), name);
        }
        for (const char* label : {"totals_title",
                                  "totals_column_1",
                                  "totals_column_x",
                                  "totals_column_2",
                                  "return_label",
                                  "game_wager_label",
                                  "result_label",
                                  "current_odds_title",
                                  "current_odds_column_1",
                                  "current_odds_column_x",
                                  "current_odds_column_2",
                                  "probability_label",
                                  "odds_label",
                                  "suggestion_title",
                                  "suggestion_column_1",
                                  "suggestion_column_x",
                                  "suggestion_column_2",
                                  "for_probable_label",
                                  "for_positive_label",
                                  "bookmaker_cut_label"}) {
            QVERIFY2(Child<QLabel>(window, label), label);
        }
        // Only the current odds take typing.
        for (const char* name : {"return_1",
                                 "return_x",
                                 "return_2",
                                 "game_wager_1",
                                 "game_wager_x",
                                 "game_wager_2",
                                 "result_1",
                                 "result_x",
                                 "result_2",
                                 "probability_1",
                                 "probability_x",
                                 "probability_2",
                                 "odds_1",
                                 "odds_x",
                                 "odds_2",
                                 "for_probable_1",
                                 "for_probable_x",
                                 "for_probable_2",
                                 "for_positive_1",
                                 "for_positive_x",
                                 "for_positive_2",
                                 "for_positive_result",
                                 "for_probable_result",
                                 "commission"}) {
            QLineEdit* box = scene.Box(name);
            QVERIFY(box);
            QCOMPARE(box->isReadOnly(),
                     !QByteArray(name).startsWith("odds_") && QByteArray(name) != "commission");
        }
        QVERIFY(scene.Box("bookmaker_cut")->isReadOnly());

        // The picture is decoded from the JPEG compiled into the program.
        const QPixmap picture = Child<QLabel>(window, "picture")->pixmap();
        QCOMPARE(picture.width(), 960);
        QVERIFY(!Child<QLabel>(window, "picture")->hasScaledContents());

        QCOMPARE(scene.Button("new_game")->toolTip(), QStringLiteral("Νεος Αγωνας για Live Bet"));
        QCOMPARE(scene.Button("delete_game")->toolTip(),
                 QStringLiteral("Διαγραφη του αγωνα απο την λιστα"));
        QCOMPARE(scene.Button("suggest")->toolTip(),
                 QString::fromUtf8(live_captions::kSuggestionTip.fallback));
        QCOMPARE(Child<QLabel>(window, "current_odds_title")->toolTip(),
                 QStringLiteral("Δωστε τις νεες αποδοσεις"));

        // With no position there is nothing to suggest; Help opens topic 5 over
        // this window.
        scene.gui.prompter.ExpectMessage(live_captions::kNothingToAdd.fallback);
        QTest::mouseClick(scene.Button("suggest"), Qt::LeftButton);
        QTest::mouseClick(scene.Button("help"), Qt::LeftButton);
        QCOMPARE(scene.help, (std::vector<std::pair<QWidget*, int>>{{&window, 5}}));

        // Delete still asks, with No for Enter, and finds nothing to delete.
        scene.gui.prompter.ExpectYesNo(kDeleteGameQuestion, true);
        QTest::mouseClick(scene.Button("delete_game"), Qt::LeftButton);
        QVERIFY(scene.gui.prompter.Shown().back().default_answer == DefaultAnswer::kNo);
        QCOMPARE(window.Ledger().Page().game_list.RowCount(), 1);

        // Exit closes the window, and so does Escape.
        QTest::mouseClick(scene.Button("exit"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        LiveWindow& again = scene.Open();
        scene.Sheet()->setFocus();
        PressKey(Qt::Key_Escape);
        QVERIFY(!again.isVisible());
        QVERIFY(scene.gui.prompter.AllShown());
    }

    // However wide the window, the pitch at its foot is cut to the strip, never
    // stretched: the part shown has the strip's proportions and lies within
    // the picture.
    void thePitchStripKeepsItsProportions() {
        LiveScene scene;
        LiveWindow& window = scene.Open();
        auto* strip = Child<CoverPicture>(window, "picture");
        const QSizeF picture = strip->pixmap().deviceIndependentSize();
        // 560 leaves the strip 351 pixels wide, which once put the part shown
        // a rounding error outside the picture.
        for (const int width : {560, 700, 800}) {
            window.resize(width, window.height());
            QTRY_COMPARE(window.width(), width);
            const QRect place = strip->contentsRect();
            const QRectF part = strip->ShownPart();
            QVERIFY(!part.isEmpty());
            QVERIFY2(
                qAbs(part.width() / part.height() - double(place.width()) / place.height()) < 0.01,
                qPrintable(QStringLiteral("%1 px: %2 x %3 of the picture in %4 x %5")
                               .arg(width)
                               .arg(part.width())
                               .arg(part.height())
                               .arg(place.width())
                               .arg(place.height())));
            QVERIFY(QRectF(QPointF(), picture).contains(part));
        }
    }

    void staysClosedWhenTheFolderCannotBeMade() {
        LiveScene scene;
        scene.gui.folder.Write("LiveGameRecords", "a file where the folder should be");
        scene.gui.prompter.ExpectError("I/O error 17");
        LiveWindow& window = scene.Create();
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(!window.isVisible());
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void captionsComeFromTheCatalogue_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("suggestion");
        QTest::addColumn<QString>("odds_title");
        QTest::addColumn<QString>("buy");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("new_tip");
        // clang-format off
        QTest::newRow("defaults") << QString()        << "Live Orvanta" << "Protasi"                 << "live odds"                         << "Agora"                 << "Poso"                 << "Help"                     << "List of Live Games"                 << "Νεος Αγωνας για Live Bet";
        QTest::newRow("english")  << "Orvanta_EN.ini" << "Live Orvanta" << "Suggestion"              << "Live odds"                         << "Back"                  << "Stake"                << "Help"                     << "List of Live Games"                 << "New game for live betting";
        QTest::newRow("greek")    << "Orvanta_GR.ini" << "Live Orvanta" << QStringLiteral("Πρόταση") << QStringLiteral("Τρέχουσες τιμές") << QStringLiteral("Αγορά") << QStringLiteral("Ποσό") << QStringLiteral("Βοήθεια") << QStringLiteral("Λίστα Live Αγώνων") << "Νεος Αγωνας για Live Bet";
        // clang-format on
    }

    void captionsComeFromTheCatalogue() {
        QFETCH(QString, catalogue);
        QFETCH(QString, title);
        QFETCH(QString, suggestion);
        QFETCH(QString, odds_title);
        QFETCH(QString, buy);
        QFETCH(QString, stake);
        QFETCH(QString, help);
        QFETCH(QString, list);
        QFETCH(QString, new_tip);
        LiveScene scene;
        if (!catalogue.isEmpty()) {
            scene.gui.AddCatalogues();
            scene.catalogue = Catalogue(scene.gui.folder / catalogue.toStdString());
        }
        LiveWindow& window = scene.Open();
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(testing::ReadCaption(scene.Button("suggest")), suggestion);
        QCOMPARE(Child<QLabel>(window, "suggestion_title")->text(), suggestion);
        QCOMPARE(Child<QLabel>(window, "current_odds_title")->text(), odds_title);
        QCOMPARE(QString::fromStdString(scene.Cell(0, 0)), buy);
        QCOMPARE(QString::fromStdString(scene.Cell(3, 1)), stake);
        QCOMPARE(QString::fromStdString(scene.Cell(7, 1)), stake);
        QCOMPARE(testing::ReadCaption(scene.Button("help")), help);
        QCOMPARE(QString::fromStdString(window.Ledger().Page().game_list.Cell(0, 0)), list);
        QCOMPARE(scene.Button("new_game")->toolTip(), new_tip);
        QCOMPARE(Child<QLabel>(window, "current_odds_column_x")->text(), QStringLiteral("X"));
    }

    // The window's messages in the words of the open catalogue.
    void messagesSpeakTheOpenLanguage() {
        LiveScene scene;
        scene.gui.AddCatalogues();
        scene.catalogue = Catalogue(scene.gui.folder / "Orvanta_EN.ini");
        {
            // Before any game is made: a sole game would be loaded at once.
            LiveScene empty;
            empty.gui.AddCatalogues();
            empty.catalogue = Catalogue(empty.gui.folder / "Orvanta_EN.ini");
            empty.Open();
            empty.gui.prompter.ExpectMessage("First create the game you will work on.");
            empty.TypeCell(0, 2, QStringLiteral("2"));
            QVERIFY(empty.gui.prompter.AllShown());
        }
        scene.Record("2008_03_15;20-45;G.lvo");
        scene.Open();
        scene.gui.prompter.ExpectYesNo("Delete this game?", false);
        QTest::mouseClick(scene.Button("delete_game"), Qt::LeftButton);
        scene.ClickListRow(1);
        scene.gui.prompter.ExpectMessage(
            "Only one odds value (buy or sell) and one stake are allowed per row");
        scene.TypeCell(0, 2, QStringLiteral("2"));
        scene.TypeCell(1, 2, QStringLiteral("3"));
        QVERIFY(scene.gui.prompter.AllShown());
        QTRY_VERIFY(scene.Sheet()->IsEditing());
        PressKey(Qt::Key_Escape);
    }

    // Print previews the sheet and the three panels under it as they stand,
    // headed by the window's caption and the loaded game.
    void printHandsOverTheSheetAndThePanels() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game, "2;4;4;\r\n2;;;10;;;;;\r\n");
        LiveWindow& window = scene.Open();
        QTest::mouseClick(scene.Button("print"), Qt::LeftButton);
        scene.ClickListRow(1);
        scene.Box("odds_1")->setFocus();
        QTest::keyClick(scene.Box("odds_1"), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(scene.printouts.size(), std::size_t(2));
        // The sole game is loaded at once, so both are headed by it.
        const QString title = QStringLiteral("Live Orvanta: ") + QString::fromStdString(game);
        QCOMPARE(scene.printouts[0].title, title);
        const Printout& printout = scene.printouts[1];
        QCOMPARE(printout.title, title);
        QCOMPARE(printout.parts.size(), 2);
        QCOMPARE(printout.parts[0].widget.data(), static_cast<QWidget*>(scene.Sheet()));
        QCOMPARE(printout.parts[1].widget.data(), static_cast<QWidget*>(&window));
        QRect band;
        for (const char* panel : {"current_odds_panel", "suggestion_panel", "totals_panel"}) {
            band |= Child<QWidget>(window, panel)->geometry();
        }
        QCOMPARE(printout.parts[1].area, band);
        QCOMPARE(scene.BoxText("odds_1"), std::string("2"));
    }

    void newCreatesTheRecordAndListsItByItsStamp() {
        LiveScene scene;
        const std::string earlier = "2008_03_15;19-00;AEK - PAOK.lvo";
        const std::string later = "2008_03_15;21-00;Real - Barca.lvo";
        scene.Record(earlier, "1.5;2;3;\r\n");
        scene.Record(later);
        LiveWindow& window = scene.Open();
        scene.ClickListRow(1);
        QCOMPARE(scene.BoxText("odds_1"), std::string("1.5"));

        scene.WithNewGameDialog([&](NewGameDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("FrmLiveOrvantaNewGame"));
            QCOMPARE(Child<QDateEdit>(dialog, "date")->date(), QDate(2008, 3, 15));
            QCOMPARE(Child<QLineEdit>(dialog, "time")->displayText(), QStringLiteral("20:45"));
            QCOMPARE(Child<QLabel>(dialog, "name_label")->text(), QStringLiteral("ΑΓΩΝΑΣ"));
            QTest::keyClicks(Child<QLineEdit>(dialog, "name"), QStringLiteral("Home - Away"));
            QTest::mouseClick(Child<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });

        QVERIFY(scene.Exists(kNewGame));
        QCOMPARE(scene.Content(kNewGame), std::string());
        QCOMPARE(scene.ListedGames(), (std::vector<std::string>{earlier, kNewGame, later}));
        // Listed, not loaded: the sheet is empty and nothing is bound.
        QVERIFY(window.Ledger().CurrentGameFile().empty());
        QCOMPARE(scene.SheetRows(), 3);
        QCOMPARE(scene.List()->CurrentRow(), 1);
        QCOMPARE(scene.Content(earlier), std::string("1.5;2;3;\r\n"));
    }

    void f1OpensTheLiveHelpFromEveryControlAndTheNewGameDialog() {
        LiveScene scene;
        scene.Record(kNewGame, "1.85;3.40;4.20;\r\n");
        LiveWindow& window = scene.Open();
        scene.ClickListRow(1);

        // In a sheet cell being edited: the editor never sees the key.
        scene.Sheet()->setFocus();
        scene.Sheet()->SetCurrentCell(0, 2);
        Type(QStringLiteral("2"));
        QVERIFY(scene.Sheet()->IsEditing());
        PressKey(Qt::Key_F1);
        QCOMPARE(scene.Sheet()->CurrentText(), std::string("2"));
        // In a current-odds box, in the game list and on a button.
        scene.Box("odds_1")->setFocus();
        PressKey(Qt::Key_F1);
        QCOMPARE(scene.BoxText("odds_1"), std::string("1.85"));
        scene.List()->setFocus();
        PressKey(Qt::Key_F1);
        scene.Button("new_game")->setFocus();
        PressKey(Qt::Key_F1);
        using Opened = std::vector<std::pair<QWidget*, int>>;
        QCOMPARE(scene.help, Opened(4, {&window, 5}));

        // The new-game dialog opens the same page over itself, and stays open.
        scene.help.clear();
        scene.WithNewGameDialog([&](NewGameDialog& dialog) {
            Child<QLineEdit>(dialog, "name")->setFocus();
            PressKey(Qt::Key_F1);
            Child<QLineEdit>(dialog, "time")->setFocus();
            PressKey(Qt::Key_F1);
            QCOMPARE(scene.help, Opened(2, {&dialog, 5}));
            QVERIFY(dialog.isVisible());
        });
        QCOMPARE(scene.help.size(), std::size_t(2));
    }

    void anExistingGameIsRefusedAndKeepsItsContent() {
        LiveScene scene;
        scene.Record(kNewGame, "1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n;;;;;;;;\r\n");
        scene.Open();
        scene.gui.prompter.ExpectMessage(kGameExistsMessage);
        scene.WithNewGameDialog([&](NewGameDialog& dialog) {
            QTest::keyClicks(Child<QLineEdit>(dialog, "name"), QStringLiteral("Home - Away"));
            QTest::mouseClick(Child<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(Child<QPushButton>(dialog, "cancel"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(scene.Content(kNewGame),
                 std::string("1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n;;;;;;;;\r\n"));
        QCOMPARE(scene.ListedGames(), std::vector<std::string>{kNewGame});
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void theStartTimeMustBeWholeAndATime() {
        LiveScene scene;
        scene.Open();
        scene.WithNewGameDialog([&](NewGameDialog& dialog) {
            auto* time = Child<QLineEdit>(dialog, "time");
            auto* name = Child<QLineEdit>(dialog, "name");
            testing::ScriptedPrompter& prompter = scene.gui.prompter;

            // A digit taken out: neither Tab nor a click elsewhere leaves the box.
            time->setFocus();
            time->setCursorPosition(4);
            PressKey(Qt::Key_Backspace);
            QCOMPARE(time->displayText(), QStringLiteral("20:_5"));
            prompter.ExpectError(kTimeIncompleteText);
            PressKey(Qt::Key_Tab);
            QVERIFY(prompter.AllShown());
            QCOMPARE(QApplication::focusWidget(), time);
            prompter.ExpectError(kTimeIncompleteText);
            QTest::mouseClick(name, Qt::LeftButton);
            QTRY_VERIFY(prompter.AllShown());
            QTRY_COMPARE(QApplication::focusWidget(), time);

            // Ok with the digit still missing says so once, and stays.
            prompter.ExpectError(kTimeIncompleteText);
            QTest::mouseClick(Child<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QTest::qWait(20);
            QVERIFY(prompter.AllShown());
            QVERIFY(dialog.isVisible());
            QCOMPARE(QApplication::focusWidget(), time);

            // Escape abandons the change and lets the box go.
            PressKey(Qt::Key_Escape);
            QCOMPARE(time->displayText(), QStringLiteral("20:45"));
            QVERIFY(dialog.isVisible());
            PressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), name);

            // Digits that are no time of day are refused when Ok is pressed.
            time->setFocus();
            time->selectAll();
            QTest::keyClicks(time, QStringLiteral("2500"));
            QCOMPARE(time->displayText(), QStringLiteral("25:00"));
            prompter.ExpectError("'25:00' is not a valid time");
            QTest::mouseClick(Child<QPushButton>(dialog, "ok"), Qt::LeftButton);
            QVERIFY(prompter.AllShown());
            QVERIFY(dialog.isVisible());

            // Cancel creates nothing.
            QTest::mouseClick(Child<QPushButton>(dialog, "cancel"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        QTest::qWait(20);
        QVERIFY(scene.ListedGames().empty());
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void selectingARowLoadsWithoutWriting() {
        LiveScene scene;
        const std::string first = "2008_03_15;19-00;A.lvo";
        const std::string game = "2008_03_15;20-45;B.lvo";
        // LF endings and no trailing row: any rewrite would show.
        const std::string bytes = "1.85;3.40;4.20;\n2.00;;;10;;;;;\n;;;;;3.5;;20;\n";
        scene.Record(first);
        scene.Record(game, bytes);
        LiveWindow& window = scene.Open();
        QCOMPARE(scene.List()->CurrentRow(), 1);
        QVERIFY(window.Ledger().CurrentGameFile().empty());

        scene.ClickListRow(2);
        QCOMPARE(window.Ledger().CurrentGameFile(), scene.gui.folder / (kRecords + game));
        // clang-format off
        const std::map<std::string, std::string> expected_boxes = {
            {"odds_1",        "1.85"},
            {"odds_x",        "3.40"},
            {"odds_2",        "4.20"},
            {"probability_1", "50.39"},
            {"probability_x", "27.42"},
            {"probability_2", "22.2"},
            {"bookmaker_cut", "6.78"},
            {"game_wager_1",  "10"},
            {"game_wager_x",  "-20"},
            {"game_wager_2",  "0"},
            {"return_1",      "40"},
            {"return_x",      "-80"},
            {"return_2",      "10"},
            {"result_1",      "30"},
            {"result_x",      "-60"},
            {"result_2",      "10"},
        };
        // clang-format on
        for (const auto& [name, text] : expected_boxes) {
            QVERIFY2(scene.BoxText(name.c_str()) == text, name.c_str());
        }
        QCOMPARE(scene.SheetRows(), 5);
        const std::vector<std::vector<std::string>> rows = {
            {"2.00", "", "", "10", "", "", "", "", "20", "-10", "-10"},
            {"", "", "", "", "", "3.5", "", "20", "20", "-70", "20"},
            {"", "", "", "", "", "", "", "", "", "", ""}};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < kSheetCols; ++c) {
                QCOMPARE(scene.Cell(c, r + 2), rows[r][c]);
            }
        }
        QCOMPARE(scene.Content(game), bytes);

        // By keyboard: the empty record above, then back down.
        scene.List()->setFocus();
        PressKey(Qt::Key_Up);
        QCOMPARE(window.Ledger().CurrentGameFile(), scene.gui.folder / (kRecords + first));
        QCOMPARE(scene.BoxText("odds_1"), std::string());
        QCOMPARE(scene.BoxText("probability_1"), std::string());
        QCOMPARE(scene.BoxText("return_1"), std::string("0"));
        QCOMPARE(scene.SheetRows(), 3);
        PressKey(Qt::Key_Down);
        QCOMPARE(scene.BoxText("odds_2"), std::string("4.20"));
        QCOMPARE(scene.Cell(5, 3), std::string("3.5"));
        QCOMPARE(scene.Content(game), bytes);
        QCOMPARE(scene.Content(first), std::string());

        // A record taken away behind the window's back.
        QVERIFY(DeleteFile(scene.gui.folder / (kRecords + first)));
        scene.gui.prompter.ExpectMessage(kRecordProblemMessage);
        scene.ClickListRow(1);
        QVERIFY(window.Ledger().CurrentGameFile().empty());
        QCOMPARE(scene.BoxText("odds_1"), std::string());
        QCOMPARE(scene.SheetRows(), 3);
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void typingOnTheSheetRecalculatesAndSaves_data() {
        QTest::addColumn<char>("separator");
        QTest::newRow("point") << '.';
        QTest::newRow("comma") << ',';
    }

    void typingOnTheSheetRecalculatesAndSaves() {
        QFETCH(char, separator);
        const std::string s(1, separator);
        LiveScene scene(separator);
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game);
        scene.Open();
        scene.ClickListRow(1);

        // Buy odds 1.85 on "1": Enter goes on to the amount.
        scene.TypeCell(0, 2, QStringLiteral("1.85"));
        QCOMPARE(scene.Sheet()->CurrentCol(), kBuyAmountCol);
        QCOMPARE(scene.Sheet()->CurrentRow(), 2);
        QCOMPARE(scene.Content(game), ";;;\r\n1" + s + "85;;;;;;;;\r\n;;;;;;;;\r\n");
        QCOMPARE(scene.Cell(8, 2), std::string());
        Type(QStringLiteral("10"));
        PressKey(Qt::Key_Return);
        QCOMPARE(scene.Cell(8, 2), "18" + s + "5");
        QCOMPARE(scene.Cell(9, 2), std::string("-10"));
        QCOMPARE(scene.Content(game), ";;;\r\n1" + s + "85;;;10;;;;;\r\n;;;;;;;;\r\n");

        // Sell odds 3 on "2" with 10.50 taken: the amount's text as typed.
        scene.TypeCell(6, 3, QStringLiteral("3"));
        QCOMPARE(scene.Sheet()->CurrentCol(), kSellAmountCol);
        Type(QStringLiteral("10.50"));
        PressKey(Qt::Key_Return);
        QCOMPARE(scene.Cell(8, 3), "10" + s + "50");
        QCOMPARE(scene.Cell(9, 3), "10" + s + "50");
        QCOMPARE(scene.Cell(10, 3), "-31" + s + "5");
        QCOMPARE(scene.BoxText("return_1"), "29");
        QCOMPARE(scene.BoxText("return_2"), "-41" + s + "5");
        QCOMPARE(scene.BoxText("game_wager_1"), std::string("10"));
        QCOMPARE(scene.BoxText("game_wager_2"), "-10" + s + "5");
        QCOMPARE(scene.BoxText("result_1"), std::string("19"));
        QCOMPARE(scene.Content(game),
                 ";;;\r\n1" + s + "85;;;10;;;;;\r\n;;;;;;3;10" + s + "50;\r\n;;;;;;;;\r\n");

        // Clearing both values of the first row removes it.
        scene.Sheet()->SetCurrentCell(0, 2);
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Return);
        scene.Sheet()->SetCurrentCell(3, 2);
        PressKey(Qt::Key_F2);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Return);
        QCOMPARE(scene.SheetRows(), 4);
        QCOMPARE(scene.Content(game), ";;;\r\n;;;;;;3;10" + s + "50;\r\n;;;;;;;;\r\n");
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void anEditWithNoGameLoadedIsKeptButNotSaved() {
        LiveScene scene;
        // Two games: neither is loaded until one is chosen.
        scene.Record("2008_03_15;20-45;G.lvo");
        scene.Record("2008_03_15;21-00;H.lvo");
        scene.Open();
        scene.gui.prompter.ExpectMessage(kCreateFirstMessage);
        scene.TypeCell(0, 2, QStringLiteral("2"));
        QVERIFY(scene.gui.prompter.AllShown());
        QCOMPARE(scene.Cell(0, 2), std::string("2"));
        QCOMPARE(scene.SheetRows(), 4);

        // Current odds: every change would be saved, so each asks for a game.
        scene.gui.prompter.ExpectMessage(kCreateFirstMessage, 3);
        scene.TypeBox("odds_1", QStringLiteral("2"));
        scene.TypeBox("odds_x", QStringLiteral("4"));
        scene.TypeBox("odds_2", QStringLiteral("4"));
        QVERIFY(scene.gui.prompter.AllShown());
        QCOMPARE(scene.BoxText("probability_1"), std::string("50"));
        QCOMPARE(scene.BoxText("bookmaker_cut"), std::string("0"));
        QCOMPARE(scene.Content("2008_03_15;20-45;G.lvo"), std::string());
    }

    void deletingRowThreeOfFiveKeepsRowThreeCurrent() {
        LiveScene scene;
        std::vector<std::string> games;
        for (int i = 1; i <= 5; ++i) {
            games.push_back("2008_03_1" + std::to_string(i) + ";20-45;Game " + std::to_string(i) +
                            ".lvo");
            scene.Record(games.back(), "2;3;4;\r\n");
        }
        LiveWindow& window = scene.Open();
        scene.ClickListRow(3);
        QCOMPARE(scene.BoxText("odds_1"), std::string("2"));

        scene.gui.prompter.ExpectYesNo(kDeleteGameQuestion, false);
        QTest::mouseClick(scene.Button("delete_game"), Qt::LeftButton);
        QCOMPARE(scene.ListedGames(), games);
        QVERIFY(!window.Ledger().CurrentGameFile().empty());

        scene.gui.prompter.ExpectYesNo(kDeleteGameQuestion, true);
        QTest::mouseClick(scene.Button("delete_game"), Qt::LeftButton);
        QVERIFY(!scene.Exists(games[2]));
        games.erase(games.begin() + 2);
        QCOMPARE(scene.ListedGames(), games);
        QCOMPARE(scene.List()->CurrentRow(), 3);
        QCOMPARE(window.Ledger().Page().game_list.Cell(0, 3), games[2]);
        QVERIFY(window.Ledger().CurrentGameFile().empty());
        QCOMPARE(scene.SheetRows(), 3);
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void enterJumpsAndAValueTakesOneSeparator() {
        LiveScene scene(',');
        scene.Record("2008_03_15;20-45;G.lvo");
        scene.Open();
        scene.ClickListRow(1);
        GridView* sheet = scene.Sheet();

        scene.TypeCell(4, 2, QStringLiteral("1.2."));
        QCOMPARE(scene.Cell(4, 2), std::string("1,2"));
        QCOMPARE(sheet->CurrentCol(), kSellAmountCol);
        QCOMPARE(sheet->CurrentRow(), 2);
        // In the amount Enter only starts and ends editing.
        PressKey(Qt::Key_Return);
        QCOMPARE(sheet->CurrentCol(), kSellAmountCol);
        // An empty odds cell keeps Enter where it is.
        sheet->SetCurrentCell(1, 3);
        PressKey(Qt::Key_Return);
        QCOMPARE(sheet->CurrentCol(), 1);
        QCOMPARE(sheet->CurrentRow(), 3);
        // Outside an editor the cell's own text counts: no second separator.
        sheet->SetCurrentCell(4, 2);
        Type(QStringLiteral(","));
        QVERIFY(!sheet->IsEditing());
        // A paste replaces the cell's text: its mark is the value's first.
        QGuiApplication::clipboard()->setText(QStringLiteral("2.5"));
        QTest::keyClick(sheet, Qt::Key_V, Qt::ControlModifier);
        PressKey(Qt::Key_Return);
        QCOMPARE(scene.Cell(4, 2), std::string("2,5"));
        // Letters and signs never get in.
        sheet->SetCurrentCell(0, 3);
        Type(QStringLiteral("a-+"));
        QVERIFY(!sheet->IsEditing());
        QCOMPARE(scene.Cell(0, 3), std::string());
    }

    void statusColumnsCannotBeSelected() {
        LiveScene scene;
        scene.Record("2008_03_15;20-45;G.lvo", ";;;\r\n2;;;10;;;;;\r\n");
        scene.Open();
        scene.ClickListRow(1);
        GridView* sheet = scene.Sheet();
        sheet->setFocus();
        sheet->SetCurrentCell(7, 2);
        scene.ClickCell(8, 2);
        QCOMPARE(sheet->CurrentCol(), 7);
        QTest::mouseDClick(sheet->viewport(), Qt::LeftButton, {},
                           sheet->visualRect(sheet->model()->index(2, 9)).center());
        QCOMPARE(sheet->CurrentCol(), 7);
        QVERIFY(!sheet->IsEditing());
        PressKey(Qt::Key_Right);
        QCOMPARE(sheet->CurrentCol(), 7);
        scene.ClickCell(2, 1);  // a header
        QCOMPARE(sheet->CurrentRow(), 2);
        QCOMPARE(scene.Cell(8, 2), std::string("20"));
    }

    void aRefusedEntryIsEmptiedAndReopened() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game, ";;;\r\n2;;;10;;;;;\r\n");
        LiveWindow& window = scene.Open();
        scene.ClickListRow(1);
        GridView* sheet = scene.Sheet();

        scene.gui.prompter.ExpectMessage(kRowRuleMessage);
        scene.TypeCell(5, 2, QStringLiteral("3"));
        QVERIFY(scene.gui.prompter.AllShown());
        QCOMPARE(scene.Cell(5, 2), std::string());
        QCOMPARE(scene.Cell(8, 2), std::string("20"));
        QTRY_VERIFY(sheet->IsEditing());
        QCOMPARE(sheet->CurrentCol(), 5);
        QCOMPARE(sheet->CurrentRow(), 2);
        QCOMPARE(scene.Content(game), std::string(";;;\r\n2;;;10;;;;;\r\n;;;;;;;;\r\n"));

        // A second odds value on the same side is refused as well.
        PressKey(Qt::Key_Return);
        scene.gui.prompter.ExpectMessage(kRowRuleMessage);
        scene.TypeCell(1, 2, QStringLiteral("4"));
        QVERIFY(scene.gui.prompter.AllShown());
        QCOMPARE(scene.Cell(1, 2), std::string());
        QTRY_VERIFY(sheet->IsEditing());
        // Escape ends the reopened, empty edit and closes the window; the
        // record is as it was.
        PressKey(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(scene.Content(game), std::string(";;;\r\n2;;;10;;;;;\r\n;;;;;;;;\r\n"));
        QVERIFY(scene.gui.prompter.AllShown());
    }

    // The method the PROBABILITY page left is the panel's too; choosing
    // another works the odds out again without touching the game's record.
    // Backed "1" at 3 for 10, and "1" has shortened to 2: the panel suggests
    // backs on X and 2; No leaves sheet and record alone, Yes adds the backs as
    // rows, after which the totals are level and the record is the sheet.
    void theSuggestionsFollowAndTheButtonAddsTheBacksOnYes() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        const std::string record = "2;3.6;4;\r\n3;;;10;;;;;\r\n;;;;;;;;\r\n";
        scene.Record(game, record);
        scene.Open();
        scene.ClickListRow(1);
        auto row = [&scene](const char* name) {
            const std::string stem = name;
            return scene.BoxText((stem + "_1").c_str()) + "|" +
                   scene.BoxText((stem + "_x").c_str()) + "|" +
                   scene.BoxText((stem + "_2").c_str()) + "|" +
                   scene.BoxText((stem + "_result").c_str());
        };
        QCOMPARE(scene.BoxText("commission"), std::string("0"));
        QCOMPARE(row("for_positive"), std::string("0|8.33|7.5|4.16"));
        QCOMPARE(row("for_probable"), std::string("0|5.89|5.3|8.81"));

        // The commission: the suggestions follow, the record does not, and it
        // is kept for the next window.
        scene.Box("commission")->selectAll();
        scene.TypeBox("commission", QStringLiteral("5"));
        QCOMPARE(row("for_positive"), std::string("0|8.65|7.79|3.55"));
        QCOMPARE(row("for_probable"), std::string("0|6.38|5.75|7.87"));
        QCOMPARE(RememberedCommission(scene.gui.platform.UserFolder(), '.'), std::string("5"));
        scene.Box("commission")->selectAll();
        scene.TypeBox("commission", QStringLiteral("150"));
        QCOMPARE(row("for_positive"), std::string("|||"));
        QCOMPARE(Child<ElidedLabel>(*scene.window, "suggestion_note")->FullText(),
                 QString::fromUtf8(live_captions::kCommissionRange.fallback));
        // What is kept is the last figure typed that was one: "15" of "150".
        QCOMPARE(RememberedCommission(scene.gui.platform.UserFolder(), '.'), std::string("15"));
        scene.Box("commission")->selectAll();
        scene.TypeBox("commission", QStringLiteral("0"));
        QCOMPARE(scene.Content(game), record);

        scene.gui.prompter.ExpectYesNo(live_captions::kAddBacksQuestion.fallback, false);
        QTest::mouseClick(scene.Button("suggest"), Qt::LeftButton);
        QVERIFY(scene.gui.prompter.Shown().back().default_answer == DefaultAnswer::kNo);
        QCOMPARE(scene.SheetRows(), kFirstPositionRow + 2);
        QCOMPARE(scene.Content(game), record);

        scene.gui.prompter.ExpectYesNo(live_captions::kAddBacksQuestion.fallback, true);
        QTest::mouseClick(scene.Button("suggest"), Qt::LeftButton);
        QCOMPARE(scene.SheetRows(), kFirstPositionRow + 4);
        QCOMPARE(scene.Cell(1, 3), std::string("3.6"));
        QCOMPARE(scene.Cell(kBuyAmountCol, 3), std::string("8.33"));
        QCOMPARE(scene.Cell(2, 4), std::string("4"));
        QCOMPARE(scene.Cell(kBuyAmountCol, 4), std::string("7.5"));
        QCOMPARE(scene.BoxText("result_1"), std::string("4.17"));
        QCOMPARE(scene.BoxText("result_x"), std::string("4.158"));
        QCOMPARE(scene.BoxText("result_2"), std::string("4.17"));
        scene.CheckRecordIsTheSheet(game);
        // Level now: nothing more to add.
        QCOMPARE(row("for_positive"), std::string("0|0|0|4.16"));
        scene.gui.prompter.ExpectMessage(std::string(live_captions::kNothingToAdd.fallback) + "\n" +
                                         live_captions::kPositionLevel.fallback);
        QTest::mouseClick(scene.Button("suggest"), Qt::LeftButton);

        // A change of the current odds moves the suggestions with it.
        scene.Box("odds_x")->selectAll();
        scene.TypeBox("odds_x", QStringLiteral("1"));
        QCOMPARE(row("for_positive"), std::string("|||"));
        QCOMPARE(Child<ElidedLabel>(*scene.window, "suggestion_note")->FullText(),
                 QString::fromUtf8(live_captions::kOddsAboveOne.fallback));
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void theCurrentOddsFollowTheChosenMethod() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        const std::string record = "1.85;3.40;4.20;\r\n;;;;;;;;\r\n";
        scene.Record(game, record);
        RememberMethod(scene.gui.platform.UserFolder(), MarginMethod::kPower, nullptr);
        scene.Open();
        scene.ClickListRow(1);
        QCOMPARE(scene.BoxText("probability_1"), std::string("51.67"));
        QCOMPARE(scene.BoxText("probability_x"), std::string("26.89"));
        QCOMPARE(scene.BoxText("probability_2"), std::string("21.44"));
        QCOMPARE(scene.BoxText("bookmaker_cut"), std::string("6.78"));
        QCOMPARE(scene.BoxText("method_parameter"), std::string("k = 1.0732"));
        QVERIFY(scene.Box("method_parameter")->isReadOnly());

        auto* method = testing::Find<QComboBox>(*scene.window, LiveWindowControls(), "method");
        QVERIFY(method);
        QCOMPARE(method->currentText(), QStringLiteral("Power"));
        method->setFocus();
        QTest::keyClick(method, Qt::Key_Down);
        QCOMPARE(scene.BoxText("probability_1"), std::string("51.31"));
        QCOMPARE(scene.BoxText("method_parameter"), std::string("z = 0.0366"));
        QCOMPARE(RememberedMethod(scene.gui.platform.UserFolder()), MarginMethod::kShin);
        QCOMPARE(scene.Content(game), record);
        // Back to the panel's own arithmetic, to the last digit.
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(method, Qt::Key_Up);
        }
        QCOMPARE(method->currentIndex(), 0);
        QCOMPARE(scene.BoxText("probability_1"), std::string("50.39"));
        QCOMPARE(scene.BoxText("probability_2"), std::string("22.2"));
        QCOMPARE(scene.BoxText("method_parameter"), std::string());
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void everyChangeOfTheCurrentOddsIsSavedAndTakesOneMark() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game);
        scene.Open();
        scene.ClickListRow(1);

        // Enter in an empty box stays; letters never get in.
        scene.Box("odds_1")->setFocus();
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), scene.Box("odds_1"));
        Type(QStringLiteral("x2"));
        QCOMPARE(scene.BoxText("odds_1"), std::string("2"));
        // A price is saved as it is typed, before the others are there.
        QCOMPARE(scene.Content(game), std::string("2;;;\r\n;;;;;;;;\r\n"));
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), scene.Box("odds_x"));
        Type(QStringLiteral("4"));
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), scene.Box("odds_2"));
        QCOMPARE(scene.Content(game), std::string("2;4;;\r\n;;;;;;;;\r\n"));
        QCOMPARE(scene.BoxText("probability_1"), std::string());

        Type(QStringLiteral("4"));
        QCOMPARE(scene.BoxText("probability_1"), std::string("50"));
        QCOMPARE(scene.BoxText("probability_x"), std::string("25"));
        QCOMPARE(scene.BoxText("probability_2"), std::string("25"));
        QCOMPARE(scene.BoxText("bookmaker_cut"), std::string("0"));
        QCOMPARE(scene.Content(game), std::string("2;4;4;\r\n;;;;;;;;\r\n"));
        PressKey(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), scene.Box("odds_1"));

        // An odds of 0 fails the division: the figures stay, the record keeps
        // what was typed.
        scene.Box("odds_2")->setFocus();
        scene.Box("odds_2")->selectAll();
        scene.gui.prompter.ExpectError("Floating point division by zero");
        Type(QStringLiteral("0"));
        QVERIFY(scene.gui.prompter.AllShown());
        QCOMPARE(scene.BoxText("probability_2"), std::string("25"));
        QCOMPARE(scene.Content(game), std::string("2;4;0;\r\n;;;;;;;;\r\n"));
        // A typed "," becomes the separator, and a second mark, typed or
        // pasted, never gets in: "2,5.5" is no price.
        PressKey(Qt::Key_Backspace);
        QCOMPARE(scene.Content(game), std::string("2;4;;\r\n;;;;;;;;\r\n"));
        QCOMPARE(scene.BoxText("probability_2"), std::string());
        Type(QStringLiteral("2,5.5"));
        QCOMPARE(scene.BoxText("odds_2"), std::string("2.55"));
        scene.Box("odds_2")->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("5,5.5"));
        QTest::keyClick(scene.Box("odds_2"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(scene.BoxText("odds_2"), std::string("5.55"));
        scene.Box("odds_2")->selectAll();
        Type(QStringLiteral("5,5"));
        QCOMPARE(scene.BoxText("odds_2"), std::string("5.5"));
        QCOMPARE(scene.Content(game), std::string("2;4;5.5;\r\n;;;;;;;;\r\n"));
        QVERIFY(scene.gui.prompter.AllShown());
    }

    void closingEndsAnOpenEditAndSavesIt() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game);
        LiveWindow& window = scene.Open();
        scene.ClickListRow(1);
        scene.Sheet()->setFocus();
        scene.Sheet()->SetCurrentCell(0, 2);
        Type(QStringLiteral("2"));
        QVERIFY(scene.Sheet()->IsEditing());
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(scene.Content(game), std::string(";;;\r\n2;;;;;;;;\r\n;;;;;;;;\r\n"));
    }

    void destroyingTheWindowInTheMiddleOfAnEditSavesIt() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game);
        scene.Open();
        scene.ClickListRow(1);
        scene.Sheet()->setFocus();
        scene.Sheet()->SetCurrentCell(0, 2);
        Type(QStringLiteral("2"));
        QVERIFY(scene.Sheet()->IsEditing());
        scene.window.reset();
        QCOMPARE(scene.Content(game), std::string(";;;\r\n2;;;;;;;;\r\n;;;;;;;;\r\n"));
    }

    // A user without a mouse: New by its mnemonic, the name typed at once and
    // Enter; the only game loads at once; Tab to the sheet, positions and
    // current odds typed; the record on disk is what the window shows; Escape
    // closes the window.
    void aGameIsMadeLoadedAndEditedByKeyboardAlone() {
        LiveScene scene;
        LiveWindow& window = scene.Open();
        QCOMPARE(QApplication::focusWidget(), scene.List());
        scene.WithDialog([&] { LiveScene::PressMnemonic(scene.Button("new_game")); },
                         [&](QDialog& dialog) {
                             auto* name =
                                 Child<QLineEdit>(static_cast<NewGameDialog&>(dialog), "name");
                             QCOMPARE(QApplication::focusWidget(), name);
                             Type(QStringLiteral("Home - Away"));
                             PressKey(Qt::Key_Return);
                             QVERIFY(!dialog.isVisible());
                         });
        QCOMPARE(scene.ListedGames(), std::vector<std::string>{kNewGame});
        QCOMPARE(window.Ledger().CurrentGameFile(), scene.gui.folder / (kRecords + kNewGame));
        // The desktop gives the window back its activation, and the focus to
        // the list, where it was when Alt pressed New.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), scene.List());
        PressKey(Qt::Key_Tab);
        GridView* sheet = scene.Sheet();
        QCOMPARE(QApplication::focusWidget(), sheet);
        QCOMPARE(QPoint(sheet->CurrentCol(), sheet->CurrentRow()), QPoint(0, 2));
        Type(QStringLiteral("2"));
        PressKey(Qt::Key_Return);
        Type(QStringLiteral("10"));
        PressKey(Qt::Key_Return);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Home);
        for (int i = 0; i < 4; ++i) {
            PressKey(Qt::Key_Right);
        }
        QCOMPARE(QPoint(sheet->CurrentCol(), sheet->CurrentRow()), QPoint(4, 3));
        Type(QStringLiteral("1.5"));
        PressKey(Qt::Key_Return);
        Type(QStringLiteral("20"));
        PressKey(Qt::Key_Return);
        PressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), scene.Box("odds_1"));
        for (const char* odds : {"1.85", "3.40", "4.20"}) {
            Type(QString::fromLatin1(odds));
            PressKey(Qt::Key_Return);
        }
        QCOMPARE(scene.BoxText("odds_2"), std::string("4.20"));
        QCOMPARE(scene.BoxText("result_1"), std::string("0"));
        QCOMPARE(scene.BoxText("result_x"), std::string("10"));
        QCOMPARE(scene.SheetRows(), 5);
        scene.CheckRecordIsTheSheet(kNewGame);

        PressKey(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(scene.gui.prompter.AllShown());
    }

    // Of several games none is loaded until one is chosen: by the list taking
    // the focus from the keyboard, by Enter or Space on it, by a move of its
    // current row. A game already loaded is not read again on the focus.
    void theListLoadsItsGameOnFocusEnterAndSpace() {
        LiveScene scene;
        const std::string first = "2008_03_15;19-00;A.lvo";
        const std::string second = "2008_03_15;20-45;B.lvo";
        scene.Record(first, "1.5;2;3;\r\n");
        scene.Record(second, "2;3;4;\r\n");
        LiveWindow& window = scene.Open();
        QCOMPARE(QApplication::focusWidget(), scene.List());
        QVERIFY(window.Ledger().CurrentGameFile().empty());

        PressKey(Qt::Key_Space);
        QCOMPARE(scene.BoxText("odds_1"), std::string("1.5"));
        PressKey(Qt::Key_Down);
        QCOMPARE(scene.BoxText("odds_1"), std::string("2"));
        scene.Record(second, "7;8;9;\r\n");  // behind the window's back
        PressKey(Qt::Key_Return);
        QCOMPARE(scene.BoxText("odds_1"), std::string("7"));

        // Away and back: the loaded game stays as it is on screen.
        scene.Record(second, "5;5;5;\r\n");
        PressKey(Qt::Key_Tab);
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), scene.List());
        QTest::qWait(20);
        QCOMPARE(scene.BoxText("odds_1"), std::string("7"));

        // The list taking the focus loads its current game when it is not the
        // loaded one (the program, not the user, moved the row here).
        scene.List()->SetCurrentCell(0, 1);
        scene.Sheet()->setFocus();
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_COMPARE(window.Ledger().CurrentGameFile(), scene.gui.folder / (kRecords + first));
        QCOMPARE(scene.BoxText("odds_1"), std::string("1.5"));

        // Deleting one of two leaves one: it is loaded at once.
        scene.gui.prompter.ExpectYesNo(kDeleteGameQuestion, true);
        QTest::mouseClick(scene.Button("delete_game"), Qt::LeftButton);
        QCOMPARE(scene.ListedGames(), std::vector<std::string>{second});
        QCOMPARE(window.Ledger().CurrentGameFile(), scene.gui.folder / (kRecords + second));
        QCOMPARE(scene.BoxText("odds_1"), std::string("5"));
        QVERIFY(scene.gui.prompter.AllShown());
    }

    // The dialog starts in the name; a name of blanks is refused and the focus
    // goes back to it.
    void aBlankNameIsRefusedAndTheNameTakesTheFocus() {
        LiveScene scene;
        scene.Open();
        scene.gui.prompter.ExpectMessage("Give the match a name");
        scene.WithNewGameDialog([&](NewGameDialog& dialog) {
            auto* name = Child<QLineEdit>(dialog, "name");
            QCOMPARE(QApplication::focusWidget(), name);
            Type(QStringLiteral("  "));
            PressKey(Qt::Key_Tab);
            PressKey(Qt::Key_Return);  // Ok, pressed from the keyboard
            QVERIFY(dialog.isVisible());
            QCOMPARE(QApplication::focusWidget(), name);
        });
        QVERIFY(scene.ListedGames().empty());
        QVERIFY(scene.gui.prompter.AllShown());
    }

    // Escape with a cell's edit open ends the edit as Exit's click would,
    // saving it, and closes the window.
    void escapeEndsAnOpenEditSavesItAndCloses() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game);
        LiveWindow& window = scene.Open();
        QCOMPARE(window.Ledger().CurrentGameFile(), scene.gui.folder / (kRecords + game));
        scene.Sheet()->setFocus();
        scene.Sheet()->SetCurrentCell(0, 2);
        Type(QStringLiteral("2"));
        QVERIFY(scene.Sheet()->IsEditing());
        PressKey(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(scene.Content(game), std::string(";;;\r\n2;;;;;;;;\r\n;;;;;;;;\r\n"));
    }

    void aSavedGameReloadsTheSameInANewWindow() {
        LiveScene scene;
        const std::string game = "2008_03_15;20-45;G.lvo";
        scene.Record(game);
        scene.Open();
        scene.ClickListRow(1);
        scene.TypeBox("odds_1", QStringLiteral("1.85"));
        scene.TypeBox("odds_x", QStringLiteral("3.40"));
        scene.TypeBox("odds_2", QStringLiteral("4.20"));
        scene.TypeCell(0, 2, QStringLiteral("2"));
        Type(QStringLiteral("10"));
        PressKey(Qt::Key_Return);
        scene.TypeCell(4, 3, QStringLiteral("1.5"));
        Type(QStringLiteral("20"));
        PressKey(Qt::Key_Return);
        scene.TypeCell(1, 4, QStringLiteral("3.4"));
        Type(QStringLiteral("5"));
        PressKey(Qt::Key_Return);
        const std::map<std::string, std::string> before = scene.Screen();
        QCOMPARE(before.at("result_1"), std::string("-5"));
        QCOMPARE(before.at("result_x"), std::string("22"));
        QCOMPARE(before.at("bookmaker_cut"), std::string("6.78"));
        const std::string saved = scene.Content(game);
        QCOMPARE(saved, std::string("1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n;;;;1.5;;;20;\r\n"
                                    ";3.4;;5;;;;;\r\n;;;;;;;;\r\n"));
        QTest::mouseClick(scene.Button("exit"), Qt::LeftButton);
        QVERIFY(!scene.window->isVisible());

        // The only game of the list is loaded at once, and again on a click.
        scene.Open();
        QCOMPARE(scene.Screen(), before);
        scene.ClickListRow(1);
        QCOMPARE(scene.Screen(), before);
        QCOMPARE(scene.Content(game), saved);
        QVERIFY(scene.gui.prompter.AllShown());

        // The command line reads the window's record with the window's figures.
        QProcess calc;
        calc.start(QStringLiteral(ORVANTA_CALC_FILE),
                   {QStringLiteral("--json"), QStringLiteral("live"),
                    QString::fromStdString(scene.gui.folder / (kRecords + game))});
        QVERIFY(calc.waitForFinished(30000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonObject boxes =
            QJsonDocument::fromJson(calc.readAllStandardOutput()).object()["boxes"].toObject();
        // The window's boxes under the names the command line gives them.
        const std::pair<const char*, const char*> names[] = {
            {"return_1", "return_1"},           {"return_x", "return_x"},
            {"return_2", "return_2"},           {"game_wager_1", "game_wager_1"},
            {"game_wager_x", "game_wager_x"},   {"game_wager_2", "game_wager_2"},
            {"result_1", "result_1"},           {"result_x", "result_x"},
            {"result_2", "result_2"},           {"probability_1", "probability_1"},
            {"probability_x", "probability_x"}, {"probability_2", "probability_2"},
            {"odds_1", "current_odds_1"},       {"odds_x", "current_odds_x"},
            {"odds_2", "current_odds_2"},       {"bookmaker_cut", "ganiota"}};
        for (const auto& [box, name] : names) {
            QCOMPARE(boxes[QLatin1String(name)].toString().toStdString(), before.at(box));
        }
        QCOMPARE(scene.Content(game), saved);
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::LiveWindowTest)
#include "live_window_test.moc"

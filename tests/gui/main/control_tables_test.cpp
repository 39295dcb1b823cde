// The windows' control tables as a contract. The object names are what
// automation and the installed-program checks know the controls by: this is
// the one place besides the tables that spells them, so that no edit of a
// table renames a control unseen. Every row's control is there under its name
// and shows its caption in both languages, every button and menu command with
// an Alt mnemonic of its own, and a screen reader finds a name for every
// control that is neither empty nor the object name.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/i18n/catalogue.h"
#include "core/i18n/language_choice.h"
#include "core/live/live_ledger.h"
#include "core/live/record_folder.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/main_window_scene.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/qt_prompter.h"

namespace orvanta {

using testing::Find;
using testing::GuiScene;

namespace {

// clang-format off
const std::vector<std::string> kMainWindowNames = {
    "FrmMain", "PageControl1", "TSParlayBetting", "TSArbitrage", "TSProbability", "TSOdds",
    "TSBetSlip",
    "Panel4", "BitBtn1", "BitBtn2", "MainMenu1", "miClear", "miPrint", "miWinCalculator",
    "miLiveOrvanta", "miHelp", "miHelp", "miHelp1", "miAbout", "miUpDate", "miLanguage",
    "miLanguageGreek", "miLanguageEnglish", "miExit", "Timer1"};
const std::vector<std::string> kParlayNames = {
    "AdvStringGrid1", "Button1", "Button2", "bbtnDelete", "LblSum", "Edit1", "Edit2", "Edit3",
    "Panel1",
    "LblSystem", "CmbSystem", "LblUnitStake", "EdtUnitStake"};
const std::vector<std::string> kArbitrageNames = {
    "AdvCalcArbitrage", "Label8", "Label1", "Label2", "Label3", "Label4", "Edit5", "Label5",
    "Edit6", "Label16", "Edit13", "Label6", "Edit7", "Label7", "Edit8",
    // Stakes a bookmaker takes, and the back and lay group.
    "Label60", "Label61", "Edit60", "Label62", "Edit61", "Edit62", "Label63", "Label64", "Edit63",
    "Label65", "Edit64", "Label66", "Edit65", "Label67", "Edit66", "Label68", "ComboBox60",
    "Label69", "Edit67", "Label70", "Edit68", "Label71", "Edit69", "Label72", "Edit70", "Label73",
    "Edit71", "Label74", "Edit72"};
const std::vector<std::string> kProbabilityNames = {
    "AdvProbability", "Label9", "Label10", "Label11", "Label12", "Edit9", "Label13", "Edit10",
    "Label14", "Edit11",
    "Label17", "Label18", "Label19", "Label20", "Label21", "ComboBox1", "Label22", "Edit14",
    "Edit15", "Label23", "Edit16", "Label24", "Edit17", "Label25", "Edit18", "Label26", "Edit19"};
const std::vector<std::string> kOddsNames = {
    "AdvOdds", "AdvOdds1", "Label15", "Edit12", "LblConverter", "LblDecimal", "edtDecimal",
    "LblFractional", "edtFractional", "LblAmerican", "edtAmerican", "LblHongKong", "edtHongKong",
    "LblMalay", "edtMalay", "LblIndonesian", "edtIndonesian", "LblImplied", "edtImplied",
    "LblPriceProblem"};
const std::vector<std::string> kBetSlipNames = {
    "AdvBetSlip", "LblBetSlip", "LblBetType", "CmbBetType", "LblStakePerBet", "EdtStakePerBet",
    "ChkEachWay", "LblBets", "EdtBets", "LblTotalStake", "EdtTotalStake", "LblReturn", "EdtReturn",
    "LblProfit", "EdtProfit", "LblWinReturn", "EdtWinReturn", "LblPlaceReturn", "EdtPlaceReturn"};
const std::vector<std::string> kLiveWindowNames = {
    "FrmLiveOrvanta", "Splitter1", "AdvStringGrid1", "AdvStringGrid2",
    "GroupBox2", "Label8", "Label9", "Label10", "Label11", "Label13", "Edit13", "Edit14", "Edit15",
    "Label12", "Edit10", "Edit11", "Edit12", "Label20", "edtGaniota",
    "ComboBox1", "Edit22",
    "GroupBox3", "Label14", "Label21", "Edit26", "Label15", "Label16", "Label17", "Label22",
    "Label19", "Edit19", "Edit20", "Edit21", "Edit24", "Label18", "Edit16", "Edit17", "Edit18",
    "Edit25", "Label23",
    "GroupBox1", "Label1", "Label2", "Label3", "Label4", "Label6", "Edit4", "Edit5", "Edit6",
    "Label5", "Edit1", "Edit2", "Edit3", "Label7", "Edit7", "Edit8", "Edit9",
    "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn6", "BitBtn5", "BitBtn1", "Image1"};
const std::vector<std::string> kNewGameNames = {
    "FrmLiveOrvantaNewGame", "Label1", "DateTimePicker1", "Label2", "meTime", "Label3",
    "edAgona", "BitBtn1", "BitBtn2"};
const std::vector<std::string> kHelpWindowNames = {"FrmHelp", "WebBrowser1", "Panel1", "BitBtn1"};
const std::vector<std::string> kAboutBoxNames = {
    "AboutDlgS", "Panel1", "ProgramIcon", "Version", "Copyright", "Label4", "Label1",
    "LblMobile", "Label3", "Label5", "Bevel1", "Label2", "OKButton"};
// clang-format on

template <typename Page>
std::vector<std::string> ObjectNames(const ControlTable<Page>& table) {
    std::vector<std::string> names;
    for (const Control<Page>& row : table) {
        names.emplace_back(row.object_name);
    }
    return names;
}

template <typename Page>
QSet<QString> DomainNames(const ControlTable<Page>& table) {
    QSet<QString> names;
    for (const Control<Page>& row : table) {
        names.insert(QString::fromLatin1(row.domain_name));
    }
    return names;
}

// What a screen reader reads as the control's name, or its description.
QString Spoken(QWidget* control, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    return reader ? reader->text(text) : QStringLiteral("<nothing to read>");
}

// Every row's control is in `window` (the window itself too) under the row's
// object name, shows the row's caption, and has a name for a screen reader.
template <typename Page>
void CheckRows(QObject& window, const ControlTable<Page>& table, const Catalogue& catalogue) {
    for (const Control<Page>& row : table) {
        const QString name = QString::fromLatin1(row.object_name);
        QList<QObject*> found = window.findChildren<QObject*>(name);
        if (window.objectName() == name) {
            found.prepend(&window);
        }
        QVERIFY2(!found.isEmpty(), row.object_name);
        for (QObject* control : found) {
            if (row.caption) {
                QCOMPARE(testing::ReadCaption(control), ToQt(catalogue.Read(*row.caption)));
            }
            if (row.fixed_text) {
                QCOMPARE(testing::ReadCaption(control), QString::fromUtf8(row.fixed_text));
            }
            if (auto* widget = qobject_cast<QWidget*>(control)) {
                const QString spoken = Spoken(widget);
                QVERIFY2(!spoken.isEmpty() && spoken != name, row.object_name);
                if (row.tool_tip) {
                    QCOMPARE(widget->toolTip(), ToQt(catalogue.Read(*row.tool_tip)));
                }
            }
        }
    }
}

// The roles of what a user operates or finds controls in.
bool IsControl(QAccessible::Role role) {
    static const QAccessible::Role kControls[] = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::SpinBox,      QAccessible::EditableText,
        QAccessible::Slider,     QAccessible::Table,        QAccessible::List,
        QAccessible::Tree,       QAccessible::ColumnHeader, QAccessible::RowHeader,
        QAccessible::MenuBar,    QAccessible::PopupMenu,    QAccessible::MenuItem,
        QAccessible::ButtonMenu, QAccessible::PageTab,      QAccessible::PageTabList,
        QAccessible::Grouping,   QAccessible::Pane,         QAccessible::Dialog,
        QAccessible::Window,     QAccessible::AlertMessage, QAccessible::Splitter};
    return std::find(std::begin(kControls), std::end(kControls), role) != std::end(kControls);
}

QSet<QString> ObjectNames(const QWidget& window) {
    QSet<QString> names{window.objectName()};
    for (const QObject* child : window.findChildren<const QObject*>()) {
        names.insert(child->objectName());
    }
    names.remove(QString());
    return names;
}

// What a screen reader finds under a window: the roles of all it reaches, and
// every control it would call by nothing or by an object name, with the way to
// it.
struct Walk {
    QSet<int> roles;
    QStringList unnamed;
};

void WalkFrom(QAccessibleInterface* node, const QSet<QString>& object_names, const QString& path,
              Walk& walk) {
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString here = path + QStringLiteral(" > %1 '%2'").arg(int(node->role())).arg(name);
    walk.roles.insert(int(node->role()));
    if (IsControl(node->role()) && (name.isEmpty() || object_names.contains(name))) {
        walk.unnamed << here;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            WalkFrom(child, object_names, here, walk);
        }
    }
}

// Each caption of a group carries a mnemonic, and no two the same key.
void CheckMnemonics(const QStringList& captions, const QString& group) {
    QSet<QString> keys;
    for (const QString& caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString();
        QVERIFY2(!key.isEmpty(), qPrintable(group + ": no mnemonic in " + caption));
        QVERIFY2(!keys.contains(key), qPrintable(group + ": " + key + " twice, " + caption));
        keys.insert(key);
    }
}

QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions) {
        if (!action->isSeparator() && !action->text().isEmpty()) {
            captions << action->text();
        }
    }
    return captions;
}

QStringList ButtonCaptions(const QWidget& window) {
    QStringList captions;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->window() == &window && !button->text().isEmpty()) {
            captions << button->text();
        }
    }
    return captions;
}

// The menu bar's commands share the Alt keys with the window's buttons; each
// menu's commands are keys of their own once it is open.
void CheckWindowMnemonics(const QWidget& window, const QString& name) {
    QStringList alt_keys = ButtonCaptions(window);
    QList<QAction*> menus;
    if (const QMenuBar* bar = window.findChild<QMenuBar*>()) {
        alt_keys += Captions(bar->actions());
        menus = bar->actions();
    }
    CheckMnemonics(alt_keys, name);
    while (!menus.isEmpty()) {
        const QAction* item = menus.takeFirst();
        if (const QMenu* menu = item->menu()) {
            CheckMnemonics(Captions(menu->actions()), name + " / " + menu->title());
            menus += menu->actions();
        }
    }
}

Walk WalkWindow(QWidget& window) {
    Walk walk;
    WalkFrom(QAccessible::queryAccessibleInterface(&window), ObjectNames(window),
             window.metaObject()->className(), walk);
    return walk;
}

QStringList Unnamed(QWidget& window) {
    return WalkWindow(window).unnamed;
}

// The controls of the next modal box that have no name, before it is closed.
QStringList UnnamedInBox(const std::function<void()>& show) {
    QStringList unnamed{QStringLiteral("no box")};
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            unnamed = Unnamed(*box);
            box->done(QMessageBox::Cancel);
        }
    });
    show();
    return unnamed;
}

struct LiveScene {
    explicit LiveScene(const std::string& catalogue_file)
        : catalogue((scene.AddCatalogues(), scene.folder / catalogue_file)),
          window(scene.services, catalogue, nullptr) {}

    GuiScene scene;
    Catalogue catalogue;
    LiveWindow window;
};

}  // namespace

class ControlTablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testing::FailQtTestOnSurprises(); }

    void theTablesKeepTheFormsNames() {
        QCOMPARE(ObjectNames(MainWindowControls()), kMainWindowNames);
        QCOMPARE(ObjectNames(ParlayControls()), kParlayNames);
        QCOMPARE(ObjectNames(ArbitrageControls()), kArbitrageNames);
        QCOMPARE(ObjectNames(ProbabilityControls()), kProbabilityNames);
        QCOMPARE(ObjectNames(OddsControls()), kOddsNames);
        QCOMPARE(ObjectNames(BetSlipControls()), kBetSlipNames);
        QCOMPARE(ObjectNames(LiveWindowControls()), kLiveWindowNames);
        QCOMPARE(ObjectNames(NewGameControls()), kNewGameNames);
        QCOMPARE(ObjectNames(HelpWindowControls()), kHelpWindowNames);
        QCOMPARE(ObjectNames(AboutBoxControls()), kAboutBoxNames);
        // A domain name says which control it is: one row each.
        QCOMPARE(DomainNames(MainWindowControls()).size(), int(kMainWindowNames.size()));
        QCOMPARE(DomainNames(ParlayControls()).size(), int(kParlayNames.size()));
        QCOMPARE(DomainNames(ArbitrageControls()).size(), int(kArbitrageNames.size()));
        QCOMPARE(DomainNames(ProbabilityControls()).size(), int(kProbabilityNames.size()));
        QCOMPARE(DomainNames(OddsControls()).size(), int(kOddsNames.size()));
        QCOMPARE(DomainNames(BetSlipControls()).size(), int(kBetSlipNames.size()));
        QCOMPARE(DomainNames(LiveWindowControls()).size(), int(kLiveWindowNames.size()));
        QCOMPARE(DomainNames(NewGameControls()).size(), int(kNewGameNames.size()));
        QCOMPARE(DomainNames(HelpWindowControls()).size(), int(kHelpWindowNames.size()));
        QCOMPARE(DomainNames(AboutBoxControls()).size(), int(kAboutBoxNames.size()));
    }

    void everyRowIsThereUnderItsCaption_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Greek") << QString::fromLatin1(kGreekCatalogue);
        QTest::newRow("English") << QString::fromLatin1(kEnglishCatalogue);
    }

    void everyRowIsThereUnderItsCaption() {
        QFETCH(QString, catalogue);
        const std::string file = catalogue.toStdString();
        GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto main = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(main.get()));
        main->ChooseLanguage(file);
        const Catalogue& open = main->CurrentCatalogue();
        CheckRows(*main, MainWindowControls(), open);
        // The pages' controls are checked in front, where a reader meets them.
        testing::Pages(*main)->setCurrentIndex(MainWindow::kParlay);
        CheckRows(*main, ParlayControls(), open);
        QCOMPARE(Unnamed(*main), QStringList());
        testing::Pages(*main)->setCurrentIndex(MainWindow::kArbitrage);
        CheckRows(*main, ArbitrageControls(), open);
        QCOMPARE(Unnamed(*main), QStringList());
        testing::Pages(*main)->setCurrentIndex(MainWindow::kProbability);
        CheckRows(*main, ProbabilityControls(), open);
        QCOMPARE(Unnamed(*main), QStringList());
        testing::Pages(*main)->setCurrentIndex(MainWindow::kOdds);
        CheckRows(*main, OddsControls(), open);
        QCOMPARE(Unnamed(*main), QStringList());
        testing::Pages(*main)->setCurrentIndex(MainWindow::kBetSlip);
        CheckRows(*main, BetSlipControls(), open);
        QCOMPARE(Unnamed(*main), QStringList());
        // The walk reaches the menus, the pages' tabs and boxes and the grids' headers.
        const QSet<int> reached = WalkWindow(*main).roles;
        for (QAccessible::Role role :
             {QAccessible::MenuItem, QAccessible::PopupMenu, QAccessible::PageTab,
              QAccessible::EditableText, QAccessible::PushButton, QAccessible::Table,
              QAccessible::ColumnHeader, QAccessible::RowHeader, QAccessible::CheckBox}) {
            QVERIFY2(reached.contains(int(role)), qPrintable(QString::number(int(role))));
        }
        CheckWindowMnemonics(*main, QStringLiteral("main window"));

        LiveScene live(file);
        QVERIFY(testing::ShowAndActivate(&live.window));
        CheckRows(live.window, LiveWindowControls(), live.catalogue);
        QCOMPARE(Unnamed(live.window), QStringList());
        CheckWindowMnemonics(live.window, QStringLiteral("live window"));

        LiveLedger ledger(scene.services, open, RecordFolderPath(scene.folder.Path()));
        NewGameDialog new_game(scene.services, ledger, nullptr);
        QVERIFY(testing::ShowAndActivate(&new_game));
        CheckRows(new_game, NewGameControls(), open);
        QCOMPARE(Unnamed(new_game), QStringList());
        CheckWindowMnemonics(new_game, QStringLiteral("new game"));

        HelpWindow help(scene.services, open);
        QVERIFY(testing::ShowAndActivate(&help));
        CheckRows(help, HelpWindowControls(), open);
        QCOMPARE(Unnamed(help), QStringList());
        CheckWindowMnemonics(help, QStringLiteral("help"));

        AboutBox about(scene.services, open);
        QVERIFY(testing::ShowAndActivate(&about));
        CheckRows(about, AboutBoxControls(), open);
        QCOMPARE(Unnamed(about), QStringList());
        CheckWindowMnemonics(about, QStringLiteral("about"));
    }

    // The prompter's boxes: their buttons, and the row they stand in.
    void everyMessageBoxNamesItsControls() {
        QtPrompter prompter(QStringLiteral("Orvanta"), QStringLiteral("Orvanta"));
        QCOMPARE(UnnamedInBox([&] { prompter.ShowMessage("Standart Lost"); }), QStringList());
        QCOMPARE(
            UnnamedInBox([&] { prompter.AskYesNo("Clear All Information ?", DefaultAnswer::kNo); }),
            QStringList());
        QCOMPARE(UnnamedInBox([&] { prompter.AskOkIgnore("UploadNewVersion"); }), QStringList());
        QCOMPARE(UnnamedInBox([&] { prompter.ShowError("I/O error 5"); }), QStringList());
    }

    // A box is named by the label in front of it, which is linked to it; a box
    // in a panel by its row's and its column's captions; a grid by its page's
    // title, with its rows' captions read after; each in the open language.
    void screenReadersHearWhatEachControlIs() {
        GuiScene scene;
        scene.AddCatalogues();
        testing::Recorded recorded;
        auto main = testing::MakeWindow(scene, recorded);
        QVERIFY(testing::ShowAndActivate(main.get()));
        QLineEdit* multiplier = testing::Edit(*main, &ArbitragePage::multiplier);
        QCOMPARE(Spoken(multiplier), QStringLiteral("Πολλαπλασιαστής"));
        QCOMPARE(Find<QLabel>(*main, ArbitrageControls(), arbitrage_captions::kMultiplier)->buddy(),
                 multiplier);
        QCOMPARE(Spoken(testing::MainControl(*main, main_window_captions::kCalculate)),
                 QStringLiteral("Υπολογισμός"));

        main->ChooseLanguage(kEnglishCatalogue);
        QCOMPARE(Spoken(multiplier), QStringLiteral("Wager Multiplier"));
        QCOMPARE(Spoken(testing::MainControl(*main, main_window_captions::kCalculate)),
                 QStringLiteral("Calculate"));
        auto* outcomes = Find(*main, ArbitrageControls(), &ArbitragePage::outcomes);
        QCOMPARE(Spoken(outcomes), QStringLiteral("Outcomes"));
        QCOMPARE(Spoken(outcomes, QAccessible::Description),
                 QStringLiteral("ODDS, Wager, Win Pay, COMM. %"));
        QCOMPARE(Spoken(testing::Edit(*main, &ParlaySheet::total_staked)),
                 QStringLiteral("Sum : Staked"));
        // The tool tip, in the open language.
        QCOMPARE(
            Spoken(Find(*main, ParlayControls(), parlay_captions::kSave), QAccessible::Description),
            QStringLiteral("Save the parlay sheet"));
        QCOMPARE(Spoken(Find(*main, OddsControls(), &OddsPage::prices), QAccessible::Description),
                 QStringLiteral("EU DECIMAL, UK FRACTIONAL, US WHOLE +,-, PROBABILITY(%)"));

        LiveScene live(kEnglishCatalogue);
        QVERIFY(testing::ShowAndActivate(&live.window));
        QCOMPARE(Spoken(Find(live.window, LiveWindowControls(), &LivePage::game_wager_x)),
                 QStringLiteral("Game Wager X"));
        QCOMPARE(Spoken(Find(live.window, LiveWindowControls(), &LivePage::odds_1)),
                 QStringLiteral("Odds 1"));
        QCOMPARE(Spoken(Find(live.window, LiveWindowControls(), "totals_panel")),
                 QStringLiteral("Status"));
    }
};

}  // namespace orvanta

QTEST_MAIN(orvanta::ControlTablesTest)
#include "control_tables_test.moc"

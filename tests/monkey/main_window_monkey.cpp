#include "monkey/main_window_monkey.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <iterator>

#include "core/base/file_io.h"
#include "core/base/paths.h"
#include "core/markets/odds_page.h"
#include "core/numeric/key_filter.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"
#include "core/slip/named_system.h"
#include "gui/find_control.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/bet_slip_tab.h"
#include "gui/main/main_window_captions.h"
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/main/window_openers.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"
#include "monkey/checks.h"
#include "monkey/paper_printer.h"
#include "monkey/user_input.h"

namespace orvanta::monkey {

namespace {

using testing::Find;

// The grids whose cells take figures only, each with the name a report gives
// it when it is gone.
std::vector<std::pair<QString, GridView*>> NumberGrids(const QWidget& window) {
    auto grid = [&window](const auto& table, auto field) {
        return std::make_pair(testing::ObjectName(table, field),
                              Find<GridView>(window, table, field));
    };
    return {grid(ParlayControls(), &ParlaySheet::selections),
            grid(ArbitrageControls(), &ArbitragePage::outcomes),
            grid(ProbabilityControls(), &ProbabilityPage::outcomes),
            grid(OddsControls(), &OddsPage::records)};
}

// The boxes that take figures only.
std::vector<QLineEdit*> NumberBoxes(const QWidget& window) {
    return {Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::multiplier),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::win_pay_target),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::round_to),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::lay_back_stake),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::lay_back_odds),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::lay_odds),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::lay_commission),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::lay_refund),
            Find<QLineEdit>(window, ArbitrageControls(), &ArbitragePage::lay_retention),
            Find<QLineEdit>(window, OddsControls(), &OddsPage::cut_percent),
            Find<QLineEdit>(window, ProbabilityControls(), &ProbabilityPage::bankroll),
            Find<QLineEdit>(window, ProbabilityControls(), &ProbabilityPage::kelly_fraction),
            Find<QLineEdit>(window, BetSlipControls(), &BetSlipPage::stake),
            Find<QLineEdit>(window, ParlayControls(), "unit")};
}

// A leg's text as a user types one: odds of every kind, often a little wrong.
QString LegText(Rng& rng) {
    static const char* const kPieces[] = {"1", "2", "5", "0",     "11",  "100", ".",
                                          ",", "/", "e", "evens", "1/0", "5/2", "90"};
    QString text;
    for (int i = rng.Between(1, 3); i > 0; --i) {
        text += QLatin1String(kPieces[rng.Below(static_cast<int>(std::size(kPieces)))]);
    }
    return text;
}

// A text a user types into the converter: a price in some format, often a
// little wrong ("1/0", "+0", "evens", a mark too many).
QString PriceText(Rng& rng) {
    static const char* const kPieces[] = {"1", "2", "5", "0", "33", "100",   ".",   ",",
                                          "/", "+", "-", "%", "e",  "evens", "1/0", "3/2"};
    QString text;
    const int pieces = rng.Between(1, 5);
    for (int i = 0; i < pieces; ++i) {
        text += QLatin1String(kPieces[rng.Below(static_cast<int>(std::size(kPieces)))]);
    }
    return text;
}

// The differences between the sheet on screen and the one a file brought back.
void CompareGrids(const TextGrid& shown, const TextGrid& loaded, const QString& file,
                  QStringList& faults) {
    const QString lead = QStringLiteral("the sheet saved to %1 loads back ").arg(file);
    if (shown.ColCount() != loaded.ColCount() || shown.RowCount() != loaded.RowCount()) {
        faults << lead + QStringLiteral("as %1 x %2 cells, not %3 x %4")
                             .arg(loaded.ColCount())
                             .arg(loaded.RowCount())
                             .arg(shown.ColCount())
                             .arg(shown.RowCount());
        return;
    }
    int reported = 0;
    for (int row = 0; row < shown.RowCount() && reported < 5; ++row) {
        for (int col = 0; col < shown.ColCount() && reported < 5; ++col) {
            const QString where = QStringLiteral("(%1,%2)").arg(col).arg(row);
            if (shown.Cell(col, row) != loaded.Cell(col, row)) {
                faults << lead + QStringLiteral("with %1 holding %2, not %3")
                                     .arg(where, Printable(ToQt(loaded.Cell(col, row))),
                                          Printable(ToQt(shown.Cell(col, row))));
                ++reported;
            } else if (shown.HasCheckBox(col, row) != loaded.HasCheckBox(col, row) ||
                       shown.IsChecked(col, row) != loaded.IsChecked(col, row)) {
                faults << lead + QStringLiteral("with the check box of %1 changed").arg(where);
                ++reported;
            } else if (shown.Background(col, row) != loaded.Background(col, row)) {
                faults << lead + QStringLiteral("with the colour of %1 changed").arg(where);
                ++reported;
            }
        }
    }
    for (int col = 0; col < shown.ColCount(); ++col) {
        if (shown.ColWidth(col) != loaded.ColWidth(col)) {
            faults << lead + QStringLiteral("with column %1 %2 pixels wide, not %3")
                                 .arg(col)
                                 .arg(loaded.ColWidth(col))
                                 .arg(shown.ColWidth(col));
        }
    }
}

// A sheet as a user leaves one: some odds and stakes, a banker, a lost row.
std::string SavedSheetBytes(char separator) {
    ParlaySheet sheet;
    ClearParlaySheet(sheet, Catalogue());
    const std::string mark(1, separator);
    TextGrid& grid = sheet.selections;
    grid.SetCell(ParlaySheet::kOddsCol, 1, "1" + mark + "85");
    grid.SetCell(ParlaySheet::kOddsCol, 2, "2" + mark + "1");
    grid.SetCell(ParlaySheet::kOddsCol, 3, "3");
    grid.SetCell(ParlaySheet::kResultCol, 3, kParlayLost);
    grid.SetChecked(ParlaySheet::kBankerCol, 1, true);
    grid.SetCell(ParlaySheet::kStakeCol, 2, "10");
    return SaveGridToBytes(grid, 0);
}

std::string SmallGridBytes() {
    TextGrid grid(3, 3);
    grid.SetCell(1, 1, "7");
    return SaveGridToBytes(grid, 0);
}

}  // namespace

MainWindowMonkey::MainWindowMonkey(std::uint64_t seed) : Monkey("main", seed) {
    m_openers = DesktopOpeners(GetServices());
    m_openers.print_preview = PaintOnPaper;
}

MainWindowMonkey::~MainWindowMonkey() = default;

void MainWindowMonkey::Start() {
    for (const char* name :
         {"Orvanta_GR.ini", "Orvanta_EN.ini", "Orvanta_GRHelp.htm", "Orvanta_ENHelp.htm"}) {
        Folder().Write(name,
                       ReadFileBytes(std::string(ORVANTA_RESOURCES_DIR) + "/" + name, 1 << 22));
    }
    // The parlay folder as a user's may be: a sheet saved before, files that
    // are no sheet, a sheet of another grid.
    std::string junk;
    for (int i = Chance().Between(1, 300); i > 0; --i) {
        junk.push_back(static_cast<char>(Chance().Below(256)));
    }
    Folder().Write("Arxeia/saved before.bet", SavedSheetBytes(Separator()));
    Folder().Write("Arxeia/empty.bet", "");
    Folder().Write("Arxeia/junk.bet", junk);
    Folder().Write("Arxeia/small grid.bet", SmallGridBytes());
    Prompter().SetFileFolder(JoinPath(ProgramFolder(), kParlayFolderName));
    Note(QStringLiteral("decimal separator '%1'").arg(QChar(Separator())));
    Open();
}

void MainWindowMonkey::Open() {
    m_window = std::make_unique<MainWindow>(GetServices(), m_openers);
    m_window->show();
    // The update check runs when a step says so, not when a second has passed.
    if (auto* timer = Find<QTimer>(*m_window, MainWindowControls(), "update_timer")) {
        timer->stop();
    }
    m_update_checked = false;
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        AddFault(QStringLiteral("the main window never became active"));
    }
    Note(QStringLiteral("the main window opens on %1")
             .arg(Pages()->tabBar()->tabText(Pages()->currentIndex())));
}

QAbstractButton* MainWindowMonkey::Button(const char* control) const {
    return Find<QAbstractButton>(*m_window, MainWindowControls(), control);
}

QTabWidget* MainWindowMonkey::Pages() const {
    return Find<QTabWidget>(*m_window, MainWindowControls(), "pages");
}

ParlayTab* MainWindowMonkey::Parlay() const {
    return static_cast<ParlayTab*>(m_window->Tab(MainWindow::kParlay));
}

std::vector<Monkey::Action> MainWindowMonkey::Actions() {
    return {
        {"key", 30, [this] { PressAKey(); }},
        {"type a figure", 14, [this] { TypeAFigure(); }},
        {"click a cell", 12, [this] { ClickACell(false); }},
        {"double click a cell", 4, [this] { ClickACell(true); }},
        {"click a control", 8, [this] { ClickAControl(); }},
        {"Calculate", 8, [this] { ClickButton(Button("calculate")); }},
        {"Clear", 3, [this] { ClickButton(Button("clear")); }},
        {"paste", 10, [this] { PasteSomething(); }},
        {"drop", 4, [this] { DropSomething(); }},
        {"menu command", 5, [this] { MenuCommand(); }},
        {"page switch", 6, [this] { SwitchPage(); }},
        {"parlay file", 6, [this] { ParlayFile(); }},
        {"language switch", 2, [this] { SwitchLanguage(); }},
        {"drag a column edge", 2, [this] { DragAColumnEdge(); }},
        {"update check", 1, [this] { FireUpdateCheck(); }},
        {"a write fails", 2, [this] { AWriteFails(); }},
        {"close the window", 1, [this] { CloseWindow(); }},
        {"keys on the parlay sheet", 5,
         [this] {
             ShowPage(MainWindow::kParlay);
             WalkAGridByKeyboard(Parlay()->Grid());
         }},
        {"keys on a grid", 2,
         [this] { WalkAGridByKeyboard(PickFrom(Visible<GridView>(m_window.get()), Chance())); }},
        {"Alt and a letter", 3, [this] { PressAMnemonic(); }},
        {"type a price into the converter", 5, [this] { TypeAPrice(); }},
        {"fill the bet slip", 5, [this] { FillTheBetSlip(); }},
        {"choose a named system", 2, [this] { ChooseANamedSystem(); }},
        {"type at real books", 5, [this] { TypeAtRealBooks(); }},
    };
}

void MainWindowMonkey::ClickACell(bool twice) {
    GridView* grid = PickFrom(Visible<GridView>(m_window.get()), Chance());
    if (!grid) {
        Note(QStringLiteral("no grid in view"));
        return;
    }
    ClickACellOf(grid, twice);
}

void MainWindowMonkey::MenuCommand() {
    QList<QAction*> commands;
    std::function<void(const QList<QAction*>&)> gather = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (action->menu()) {
                gather(action->menu()->actions());
            } else if (!action->isSeparator() && action->isVisible()) {
                commands << action;
            }
        }
    };
    gather(m_window->menuBar()->actions());
    QAction* command = PickFrom(commands, Chance());
    if (!command) {
        return;
    }
    Note(command->objectName());
    if (CloseOpenMenus()) {
        Note(QStringLiteral("the open menu closes"));
    }
    command->trigger();
}

void MainWindowMonkey::ShowPage(int page) {
    QTabBar* bar = Pages()->tabBar();
    if (Pages()->currentIndex() != page) {
        Note(QStringLiteral("to the tab %1").arg(bar->tabText(page)));
        CloseOpenMenus();
        Click(bar, bar->tabRect(page).center());
    }
}

void MainWindowMonkey::TypeAPrice() {
    ShowPage(MainWindow::kOdds);
    Rng& rng = Chance();
    const OddsFormat format =
        kConverterFormats[rng.Below(static_cast<int>(std::size(kConverterFormats)))];
    auto* box = Find<QLineEdit>(*m_window, OddsControls(), ConverterBox(format));
    const QString text = PriceText(rng);
    Note(QStringLiteral("%1 into %2").arg(text, box->objectName()));
    ClickWidget(box);
    if (rng.Percent(50)) {
        box->selectAll();
    }
    Touch(box);
    TypeText(box, text);
}

// The ARBITRAGE page's fields for real books: a commission, a fixed stake,
// the rounding step, the back and lay group and its kind, then often Calculate.
void MainWindowMonkey::TypeAtRealBooks() {
    ShowPage(MainWindow::kArbitrage);
    Rng& rng = Chance();
    const auto* controls = &ArbitrageControls();
    auto* grid = Find<GridView>(*m_window, *controls, &ArbitragePage::outcomes);
    const int draw = rng.Below(5);
    if (draw == 4) {
        auto* kind = Find<QComboBox>(*m_window, *controls, "lay_mode");
        const int index = rng.Below(kind->count());
        Note(QStringLiteral("kind %1 in %2").arg(index).arg(kind->objectName()));
        kind->setCurrentIndex(index);
        emit kind->activated(index);
    } else {
        const QString figure =
            rng.Percent(70) ? QString::number(rng.Between(0, 120)) : QStringLiteral("0,5");
        if (draw < 2) {
            const int col = rng.Below(ArbitragePage::kOutcomes);
            const int row = draw == 0 ? ArbitragePage::kCommissionRow : ArbitragePage::kWagerRow;
            Note(QStringLiteral("%1 into %2 (%3,%4)")
                     .arg(figure, grid->objectName())
                     .arg(col)
                     .arg(row));
            Click(grid->viewport(), CellRect(grid, col, row).center());
        } else {
            TextBox ArbitragePage::*const boxes[] = {
                &ArbitragePage::round_to,       &ArbitragePage::lay_back_stake,
                &ArbitragePage::lay_back_odds,  &ArbitragePage::lay_odds,
                &ArbitragePage::lay_commission, &ArbitragePage::lay_refund,
                &ArbitragePage::lay_retention};
            auto* box = Find<QLineEdit>(*m_window, *controls,
                                        boxes[rng.Below(static_cast<int>(std::size(boxes)))]);
            Note(QStringLiteral("%1 into %2").arg(figure, box->objectName()));
            ClickWidget(box);
            box->selectAll();
        }
        QWidget* target = KeyTarget(m_window.get());
        Touch(target);
        TypeText(target, figure);
        Press(KeyTarget(m_window.get()), KeyNamed("Enter"));
    }
    if (rng.Percent(60)) {
        ClickButton(Button("calculate"));
    }
}

// Each converter box holds what its key filter lets through; a price that
// cannot be read leaves nothing but itself in the strip.
void MainWindowMonkey::CheckConverter(QStringList& faults) {
    const char separator = Separator();
    int filled = 0;
    for (const OddsFormat format : kConverterFormats) {
        auto* box = Find<QLineEdit>(*m_window, OddsControls(), ConverterBox(format));
        const KeyFilter price = [format, separator](char typed, const std::string&) {
            return FilterPriceKey(typed, format, separator);
        };
        CheckFiltered(box->objectName(), box->text(), price, faults);
        filled += box->text().isEmpty() ? 0 : 1;
    }
    const auto* problem = Find<QLabel>(*m_window, OddsControls(), "price_problem");
    if (!problem->text().isEmpty() && filled > 1) {
        faults << QStringLiteral("the converter shows figures beside \"%1\"").arg(problem->text());
    }
}

// A leg typed into the slip, a result clicked on, the bet or each way chosen,
// and now and then Calculate.
void MainWindowMonkey::FillTheBetSlip() {
    ShowPage(MainWindow::kBetSlip);
    Rng& rng = Chance();
    auto* slip = static_cast<BetSlipTab*>(m_window->Tab(MainWindow::kBetSlip));
    GridView* grid = slip->Grid();
    const int row = rng.Between(1, kMaxSlipLegs);
    const int col = rng.Between(BetSlipPage::kOddsCol, BetSlipPage::kCols - 1);
    if (col == BetSlipPage::kResultCol) {
        Note(QStringLiteral("the result of leg %1").arg(row));
        Click(grid->viewport(), grid->visualRect(grid->model()->index(row, col)).center());
    } else {
        const QString text = LegText(rng);
        Note(QStringLiteral("%1 into (%2,%3) of the slip").arg(text).arg(col).arg(row));
        grid->setFocus();
        grid->SetCurrentCell(col, row);
        TypeText(grid, text);
        Press(grid, KeyNamed("Enter"));
    }
    if (rng.Percent(20)) {
        QComboBox* kind = slip->KindChoice();
        const int index = rng.Below(kind->count());
        Note(QStringLiteral("the bet %1").arg(kind->itemText(index)));
        kind->setCurrentIndex(index);
        emit kind->activated(index);
    }
    if (rng.Percent(10)) {
        ClickWidget(slip->EachWay());
    }
    if (rng.Percent(30)) {
        ClickButton(Button("calculate"));
    }
}

void MainWindowMonkey::ChooseANamedSystem() {
    ShowPage(MainWindow::kParlay);
    Rng& rng = Chance();
    auto* unit = Find<QLineEdit>(*m_window, ParlayControls(), "unit");
    if (rng.Percent(50)) {
        ClickWidget(unit);
        unit->selectAll();
        Touch(unit);
        TypeText(unit, QString::number(rng.Between(0, 20)));
    }
    QComboBox* system = Parlay()->SystemChoice();
    const int index = rng.Below(system->count());
    Note(QStringLiteral("the system %1").arg(system->itemText(index)));
    system->setCurrentIndex(index);
    emit system->activated(index);
}

// The slip shows all of its figures or none of them.
void MainWindowMonkey::CheckBetSlip(QStringList& faults) {
    int shown = 0;
    for (TextBox BetSlipPage::*box :
         {&BetSlipPage::bets, &BetSlipPage::total_stake, &BetSlipPage::total_return,
          &BetSlipPage::profit, &BetSlipPage::win_return, &BetSlipPage::place_return}) {
        shown += Find<QLineEdit>(*m_window, BetSlipControls(), box)->text().isEmpty() ? 0 : 1;
    }
    if (shown != 0 && shown != 6) {
        faults << QStringLiteral("the bet slip shows %1 of its 6 figures").arg(shown);
    }
}

void MainWindowMonkey::SwitchPage() {
    ShowPage(Chance().Below(Pages()->count()));
}

void MainWindowMonkey::ParlayFile() {
    Rng& rng = Chance();
    ShowPage(MainWindow::kParlay);
    const int draw = rng.Below(7);
    const CatalogueText& caption = draw < 3   ? parlay_captions::kSave
                                   : draw < 6 ? parlay_captions::kLoad
                                              : parlay_captions::kDeleteFiles;
    auto* button = Find<QAbstractButton>(*m_window, ParlayControls(), caption);
    Note(button->objectName());
    ClickButton(button);
}

void MainWindowMonkey::SwitchLanguage() {
    const char* item = Chance().Percent(50) ? "greek_item" : "english_item";
    if (auto* action = Find<QAction>(*m_window, MainWindowControls(), item)) {
        Note(action->objectName());
        action->trigger();
    }
}

void MainWindowMonkey::DragAColumnEdge() {
    Rng& rng = Chance();
    GridView* grid = PickFrom(Visible<GridView>(m_window.get()), rng);
    if (!grid || grid->Grid().FixedRows() == 0) {
        return;
    }
    const int col = rng.Below(grid->Grid().ColCount());
    const QRect cell = CellRect(grid, col, 0);
    const int dx = rng.Between(-80, 80);
    Note(QStringLiteral("%1 column %2 by %3 pixels").arg(grid->objectName()).arg(col).arg(dx));
    Drag(grid->viewport(), QPoint(cell.right() + 1, cell.center().y()), dx);
}

void MainWindowMonkey::FireUpdateCheck() {
    auto* timer = Find<QTimer>(*m_window, MainWindowControls(), "update_timer");
    if (m_update_checked || !timer) {
        Note(QStringLiteral("already done"));
        return;
    }
    m_update_checked = true;
    timer->start(0);
}

void MainWindowMonkey::ProvokeAWrite() {
    if (Chance().Percent(75)) {
        ShowPage(MainWindow::kParlay);
        auto* save = Find<QAbstractButton>(*m_window, ParlayControls(), parlay_captions::kSave);
        Note(save->objectName());
        ClickButton(save);
    } else {
        SwitchLanguage();
    }
}

std::vector<std::string> MainWindowMonkey::DataFolders() const {
    return {kParlayFolderName};
}

void MainWindowMonkey::CloseWindow() {
    m_window->close();
}

void MainWindowMonkey::AfterStep() {
    if (!m_window->isVisible()) {
        Note(QStringLiteral("the window has closed: the program starts again"));
        m_window.reset();
        Settle();
        Open();
    }
}

bool MainWindowMonkey::HandleModal(QDialog* dialog) {
    return qobject_cast<HelpWindow*>(dialog) || qobject_cast<AboutBox*>(dialog) ||
           qobject_cast<LiveWindow*>(dialog);
}

void MainWindowMonkey::Check(QStringList& faults) {
    QWidget* window = m_window.get();
    CheckDrawnTexts(window, faults);
    CheckNoInfinities(window, {}, UserBoxes(), faults);

    const char separator = Separator();
    const KeyFilter number = [separator](char typed, const std::string&) {
        return FilterNumberKey(typed, separator);
    };
    for (const auto& [name, grid] : NumberGrids(*window)) {
        if (grid) {
            CheckFilteredGrid(grid, number, faults);
        } else {
            faults << QStringLiteral("the grid %1 is gone").arg(name);
        }
    }
    for (QLineEdit* box : NumberBoxes(*window)) {
        if (box) {
            CheckFiltered(box->objectName(), box->text(), number, faults);
        }
    }
    CheckConverter(faults);
    CheckBetSlip(faults);
    for (const auto& [name, grid] : NumberGrids(*window)) {
        // A check box's cell holds no text: nothing may be typed into it.
        if (grid && grid->IsEditing() &&
            grid->Grid().HasCheckBox(grid->CurrentCol(), grid->CurrentRow())) {
            faults << QStringLiteral("an editor is open in the check box cell (%1,%2) of %3")
                          .arg(grid->CurrentCol())
                          .arg(grid->CurrentRow())
                          .arg(name);
        }
    }
    if (const auto saved = Prompter().TakeSavedFile(); saved && FileExists(*saved)) {
        CheckSavedSheet(*saved, faults);
    }
}

void MainWindowMonkey::CheckSavedSheet(const std::string& path, QStringList& faults) {
    const QString file = ToQt(FileNameOf(path));
    ParlaySheet fresh;
    ClearParlaySheet(fresh, Catalogue());
    try {
        LoadGridFromFile(fresh.selections, path, GridShape{ParlaySheet::kCols, ParlaySheet::kRows});
    } catch (const std::exception& e) {
        faults << QStringLiteral("the sheet saved to %1 does not load: %2").arg(file, e.what());
        return;
    }
    CompareGrids(Parlay()->Sheet().selections, fresh.selections, file, faults);
}

}  // namespace orvanta::monkey

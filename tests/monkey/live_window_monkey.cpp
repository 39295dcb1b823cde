#include "monkey/live_window_monkey.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLineEdit>
#include <QSplitter>
#include <QTest>

#include "core/base/file_io.h"
#include "core/base/paths.h"
#include "core/i18n/language_choice.h"
#include "core/live/current_odds.h"
#include "core/live/game_record.h"
#include "core/live/position_sheet.h"
#include "core/live/record_folder.h"
#include "gui/find_control.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/main/window_openers.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"
#include "monkey/checks.h"
#include "monkey/paper_printer.h"
#include "monkey/user_input.h"

namespace orvanta::monkey {

namespace {

using testing::Find;

TextBox LivePage::*const kOddsBoxes[] = {&LivePage::odds_1, &LivePage::odds_x, &LivePage::odds_2};

// Records as the window leaves them (written with the run's separator),
// among them one with many rows and one whose odds divide by zero.
std::vector<std::pair<std::string, std::string>> SeededRecords(char separator, Rng& rng) {
    auto figure = [separator](const char* text) {
        std::string out = text;
        for (char& c : out) {
            if (c == '.') {
                c = separator;
            }
        }
        return out;
    };
    std::vector<std::pair<std::string, std::string>> records = {
        {"2008_03_14;18-00;Arsenal - Chelsea.lvo",
         figure("1.85;3.40;4.20;\r\n2.00;;;10;;;;;\r\n;;;;;3.5;;20;\r\n;;;;;;;;\r\n")},
        {"2008_03_15;20-45;Home - Away.lvo", ""},
        {"2008_03_15;21-00;Ολυμπιακός - ΠΑΟ.lvo", figure("0;0;0;\r\n;;;;;;;;\r\n")},
    };
    std::string many = figure("2.1;3.3;3.6;\r\n");
    for (int row = 0; row < 40; ++row) {
        const bool buy = rng.Percent(50);
        const int outcome = rng.Below(3);
        std::string fields[8];
        fields[(buy ? 0 : 4) + outcome] = std::to_string(rng.Between(101, 900) / 100) +
                                          std::string(1, separator) +
                                          std::to_string(rng.Between(0, 99));
        fields[buy ? 3 : 7] = std::to_string(rng.Between(1, 500));
        for (const std::string& field : fields) {
            many += field + ";";
        }
        many += "\r\n";
    }
    records.emplace_back("2008_03_16;12-00;Many positions.lvo", many + ";;;;;;;;\r\n");
    return records;
}

}  // namespace

LiveWindowMonkey::LiveWindowMonkey(std::uint64_t seed) : Monkey("live", seed) {
    m_open_help = DesktopOpeners(GetServices()).open_help;
}

LiveWindowMonkey::~LiveWindowMonkey() {
    m_window.reset();
}

void LiveWindowMonkey::Start() {
    for (const char* name :
         {"Orvanta_GR.ini", "Orvanta_EN.ini", "Orvanta_GRHelp.htm", "Orvanta_ENHelp.htm"}) {
        Folder().Write(name,
                       ReadFileBytes(std::string(ORVANTA_RESOURCES_DIR) + "/" + name, 1 << 22));
    }
    m_records = RecordFolderPath(ProgramFolder());
    Rng& rng = Chance();
    const int seeded = rng.Between(0, 4);
    const auto records = SeededRecords(Separator(), rng);
    for (int i = 0; i < seeded && i < static_cast<int>(records.size()); ++i) {
        Folder().Write(std::string(kRecordFolderName) + "/" + records[i].first, records[i].second);
    }
    const int language = rng.Below(10);
    m_catalogue_file = language < 5 ? kGreekCatalogue : (language < 9 ? kEnglishCatalogue : "");
    m_catalogue = m_catalogue_file.empty() ? Catalogue()
                                           : Catalogue(JoinPath(ProgramFolder(), m_catalogue_file));
    Prompter().SetFileFolder(m_records);
    Note(QStringLiteral("decimal separator '%1', %2 records, catalogue %3")
             .arg(QChar(Separator()))
             .arg(seeded)
             .arg(m_catalogue_file.empty() ? QStringLiteral("none") : ToQt(m_catalogue_file)));
    Open();
}

void LiveWindowMonkey::Open() {
    m_window = std::make_unique<LiveWindow>(GetServices(), m_catalogue, m_open_help);
    m_window->SetPrintOpener(PaintOnPaper);
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        AddFault(QStringLiteral("the live window never became active"));
    }
    Note(QStringLiteral("the live window opens with %1 games")
             .arg(m_window->Ledger().Page().game_list.RowCount() - 1));
}

QAbstractButton* LiveWindowMonkey::Button(const char* control) const {
    return Find<QAbstractButton>(*m_window, LiveWindowControls(), control);
}

GridView* LiveWindowMonkey::List() const {
    return Find<GridView>(*m_window, LiveWindowControls(), &LivePage::game_list);
}

GridView* LiveWindowMonkey::Sheet() const {
    return Find<GridView>(*m_window, LiveWindowControls(), &LivePage::positions);
}

std::vector<Monkey::Action> LiveWindowMonkey::Actions() {
    return {
        {"key", 30, [this] { PressAKey(); }},
        {"type a figure", 16, [this] { TypeAFigure(); }},
        {"click a game", 8, [this] { ClickAGame(); }},
        {"click a cell", 8, [this] { ClickACellOf(Sheet(), false); }},
        {"double click a cell", 3, [this] { ClickACellOf(Sheet(), true); }},
        {"click a control", 5, [this] { ClickAControl(); }},
        {"paste", 10, [this] { PasteSomething(); }},
        {"drop", 4, [this] { DropSomething(); }},
        {"New", 5, [this] { ClickButton(Button("new_game")); }},
        {"Delete", 3, [this] { ClickButton(Button("delete_game")); }},
        // Asks whether to add the suggested backs; the answer is random.
        {"Suggestion", 4, [this] { ClickButton(Button("suggest")); }},
        {"Exit", 1, [this] { ClickButton(Button("exit")); }},
        {"close box", 1, [this] { m_window->close(); }},
        {"language switch", 1, [this] { SwitchLanguage(); }},
        {"drag the splitter", 2, [this] { DragTheSplitter(); }},
        {"resize the window", 2, [this] { ResizeTheWindow(); }},
        {"a write fails", 2, [this] { AWriteFails(); }},
        {"keys on the game list", 4, [this] { WalkAGridByKeyboard(List()); }},
        {"keys on the sheet", 3, [this] { WalkAGridByKeyboard(Sheet()); }},
        {"back into the list by Shift+Tab", 2,
         [this] {
             Sheet()->setFocus(Qt::TabFocusReason);
             Press(Sheet(), KeyNamed("Shift+Tab"));
         }},
        {"Alt and a letter", 3, [this] { PressAMnemonic(); }},
    };
}

void LiveWindowMonkey::ClickAGame() {
    Rng& rng = Chance();
    GridView* list = List();
    const auto cell = CellInView(list, rng);
    if (!cell) {
        Note(QStringLiteral("no game in view"));
        return;
    }
    Note(QStringLiteral("row %1 %2")
             .arg(cell->second)
             .arg(Printable(ToQt(list->Grid().Cell(0, cell->second)))));
    CloseOpenMenus();
    Click(list->viewport(), PointIn(CellRect(list, cell->first, cell->second), rng));
}

void LiveWindowMonkey::ProvokeAWrite() {
    // An edit of the sheet ends, or a current odds changes: both save.
    TypeAFigure();
    Note(QStringLiteral("Enter"));
    Press(KeyTarget(m_window.get()), KeyNamed("Enter"));
}

std::vector<std::string> LiveWindowMonkey::DataFolders() const {
    return {kRecordFolderName};
}

void LiveWindowMonkey::DragTheSplitter() {
    auto* splitter = Find<QSplitter>(*m_window, LiveWindowControls(), "splitter");
    QSplitterHandle* handle = splitter ? splitter->handle(1) : nullptr;
    if (!handle) {
        return;
    }
    const int dx = Chance().Between(-250, 250);
    Note(QStringLiteral("by %1 pixels").arg(dx));
    Drag(handle, handle->rect().center(), dx);
}

void LiveWindowMonkey::ResizeTheWindow() {
    Rng& rng = Chance();
    const QSize size(rng.Between(500, 1300), rng.Between(350, 900));
    Note(QStringLiteral("to %1 x %2").arg(size.width()).arg(size.height()));
    m_window->resize(size);
}

void LiveWindowMonkey::SwitchLanguage() {
    m_catalogue_file = m_catalogue_file == kGreekCatalogue ? kEnglishCatalogue : kGreekCatalogue;
    Note(QStringLiteral("the window closes and opens under %1").arg(ToQt(m_catalogue_file)));
    m_window.reset();
    Settle();
    m_catalogue = Catalogue(JoinPath(ProgramFolder(), m_catalogue_file));
    Open();
}

void LiveWindowMonkey::AfterStep() {
    if (!m_window->isVisible()) {
        Note(QStringLiteral("the window has closed: it opens again"));
        m_window.reset();
        Settle();
        Open();
    }
}

bool LiveWindowMonkey::HandleModal(QDialog* dialog) {
    if (qobject_cast<NewGameDialog*>(dialog)) {
        FillInNewGame(dialog);
        return true;
    }
    return qobject_cast<HelpWindow*>(dialog) != nullptr;
}

void LiveWindowMonkey::FillInNewGame(QDialog* dialog) {
    Rng& rng = Chance();
    dialog->activateWindow();
    if (!QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }, 2000)) {
        Note(QStringLiteral("the dialog never became active"));
    }
    auto* date = Find<QDateEdit>(*dialog, NewGameControls(), "date");
    auto* time = Find<QLineEdit>(*dialog, NewGameControls(), "time");
    auto* name = Find<QLineEdit>(*dialog, NewGameControls(), "name");
    if (!date || !time || !name) {
        AddFault(QStringLiteral("the new-game dialog lacks its date, time or name"));
        return;
    }
    if (rng.Percent(20)) {
        const int days = rng.Between(-3, 3);
        Note(QStringLiteral("the date moves by %1 days").arg(days));
        date->setFocus();
        for (int i = 0; i < std::abs(days); ++i) {
            QTest::keyClick(date, days > 0 ? Qt::Key_Up : Qt::Key_Down);
        }
    }
    if (rng.Percent(40)) {
        static const std::vector<QString> times = {
            QStringLiteral("2130"),  QStringLiteral("0905"), QStringLiteral("2500"),
            QStringLiteral("1260"),  QStringLiteral("9"),    QStringLiteral(""),
            QStringLiteral("23:59"), QStringLiteral("0000"), QStringLiteral("x7")};
        const QString typed = rng.Pick(times);
        Note(QStringLiteral("the time %1").arg(Printable(typed)));
        time->setFocus();
        time->selectAll();
        QTest::keyClick(time, Qt::Key_Delete);
        time->setCursorPosition(0);
        TypeText(time, typed);
    }
    static const std::vector<QString> names = {
        QStringLiteral("Home - Away"),
        QStringLiteral("Arsenal - Chelsea"),
        QStringLiteral("Ολυμπιακός - ΠΑΟ"),
        QString(),
        QStringLiteral("a/b"),
        QStringLiteral("x;y"),
        QStringLiteral(".."),
        QStringLiteral("back\\slash"),
        QString(300, QLatin1Char('n')),
        QStringLiteral("Team ") + QString(60, QLatin1Char('W')),
    };
    const QString game = rng.Percent(80) ? rng.Pick(names) : NastyText(rng);
    Note(QStringLiteral("the name %1").arg(Printable(game)));
    name->setFocus();
    TypeText(name, game);
    const int finish = rng.Below(20);
    auto* ok = Find<QAbstractButton>(*dialog, NewGameControls(), "ok");
    auto* cancel = Find<QAbstractButton>(*dialog, NewGameControls(), "cancel");
    if (finish < 10) {
        Note(QStringLiteral("Ok"));
        QTest::mouseClick(ok, Qt::LeftButton);
    } else if (finish < 13) {
        Note(QStringLiteral("Enter"));
        QTest::keyClick(name, Qt::Key_Return);
    } else if (finish < 16) {
        Note(QStringLiteral("Cancel"));
        QTest::mouseClick(cancel, Qt::LeftButton);
    } else if (finish < 18) {
        Note(QStringLiteral("Escape"));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                        Qt::Key_Escape);
    } else {
        Note(QStringLiteral("F1"));
        QTest::keyClick(name, Qt::Key_F1);
    }
    Settle();
    if (dialog->isVisible()) {
        Note(QStringLiteral("the dialog is still open: Cancel"));
    }
}

void LiveWindowMonkey::Check(QStringList& faults) {
    QWidget* window = m_window.get();
    CheckDrawnTexts(window, faults);
    CheckNoInfinities(window, {testing::ObjectName(LiveWindowControls(), &LivePage::game_list)},
                      UserBoxes(), faults);
    if (!m_window->Ledger().SaveEnabled()) {
        faults << QStringLiteral("the window is left loading: nothing typed would be saved");
    }
    const char separator = Separator();
    CheckFilteredGrid(
        Sheet(),
        [separator](char typed, const std::string& so_far) {
            return FilterSheetKey(typed, separator, so_far);
        },
        faults);
    for (TextBox LivePage::*field : kOddsBoxes) {
        if (auto* box = Find<QLineEdit>(*window, LiveWindowControls(), field)) {
            CheckFiltered(
                box->objectName(), box->text(),
                [separator](char typed, const std::string& so_far) {
                    return FilterOddsKey(typed, separator, so_far);
                },
                faults);
        }
    }
    CheckList(faults);
    CheckLoadedIsCurrent(faults);
    CheckRecord(faults);
}

// Whatever loaded it (a click, a key, the focus, the list holding one game),
// the game on the sheet is the one the list shows as current.
void LiveWindowMonkey::CheckLoadedIsCurrent(QStringList& faults) {
    const std::string& file = m_window->Ledger().CurrentGameFile();
    const int row = List()->CurrentRow();
    const TextGrid& list = m_window->Ledger().Page().game_list;
    if (file.empty()) {
        return;
    }
    if (row < 1 || row >= list.RowCount() || FileNameOf(file) != list.Cell(0, row)) {
        faults << QStringLiteral("the sheet shows %1, the list's current row is %2")
                      .arg(Printable(ToQt(FileNameOf(file)), 60))
                      .arg(row);
    }
}

void LiveWindowMonkey::CheckList(QStringList& faults) {
    const TextGrid& list = m_window->Ledger().Page().game_list;
    std::vector<std::string> listed;
    for (int row = 1; row < list.RowCount(); ++row) {
        listed.push_back(list.Cell(0, row));
    }
    std::vector<std::string> files = ListRecordFiles(m_records);
    if (listed != files) {
        faults << QStringLiteral("the list names %1 games, the record folder holds %2 files")
                      .arg(listed.size())
                      .arg(files.size());
    }
}

void LiveWindowMonkey::CheckRecord(QStringList& faults) {
    const std::string& file = m_window->Ledger().CurrentGameFile();
    if (file.empty() || !FileExists(file) || IsBehind(file)) {
        return;
    }
    LiveGameRecord record;
    try {
        record = ParseGameRecord(ReadFileBytes(file, kMaxRecordBytes));
    } catch (const std::exception& e) {
        faults << QStringLiteral("the record of the loaded game cannot be read: %1").arg(e.what());
        return;
    }
    const QString lead =
        QStringLiteral("the record %1 on disk ").arg(Printable(ToQt(FileNameOf(file)), 60));
    const TextGrid& grid = m_window->Ledger().Page().positions;
    std::vector<PositionFields> shown;
    for (int row = kFirstPositionRow; row < grid.RowCount(); ++row) {
        PositionFields fields;
        bool empty = true;
        for (int col = 0; col < kInputCols; ++col) {
            fields[static_cast<std::size_t>(col)] = grid.Cell(col, row);
            empty = empty && grid.Cell(col, row).empty();
        }
        if (!empty) {
            shown.push_back(fields);
        }
    }
    if (shown.size() != record.rows.size()) {
        faults << lead + QStringLiteral("holds %1 positions, the sheet shows %2")
                             .arg(record.rows.size())
                             .arg(shown.size());
    } else {
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i] != record.rows[i]) {
                QStringList on_disk;
                QStringList on_screen;
                for (std::size_t c = 0; c < shown[i].size(); ++c) {
                    on_disk << ToQt(record.rows[i][c]);
                    on_screen << ToQt(shown[i][c]);
                }
                faults << lead + QStringLiteral("holds the position \"%1\", the sheet shows \"%2\"")
                                     .arg(on_disk.join(';'), on_screen.join(';'));
                break;
            }
        }
    }
    // Every change of the odds is saved, a set not yet whole too.
    QStringList boxes;
    for (TextBox LivePage::*field : kOddsBoxes) {
        boxes << Find<QLineEdit>(*m_window, LiveWindowControls(), field)->text();
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (ToQt(record.current_odds[i]) != boxes.at(static_cast<int>(i))) {
            faults << lead + QStringLiteral(
                                 "holds the current odds \"%1;%2;%3\", the boxes "
                                 "show \"%4\"")
                                 .arg(ToQt(record.current_odds[0]), ToQt(record.current_odds[1]),
                                      ToQt(record.current_odds[2]), boxes.join(';'));
            break;
        }
    }
    // Probabilities of odds no longer all shown would pass for theirs.
    const LivePage& page = m_window->Ledger().Page();
    if (boxes.contains(QString()) && !(page.probability_1.text + page.probability_x.text +
                                       page.probability_2.text + page.bookmaker_cut.text)
                                          .empty()) {
        faults << QStringLiteral("probabilities are shown for a set of odds with one missing");
    }
}

}  // namespace orvanta::monkey

#include "gui/live/live_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/base/handler_guard.h"
#include "core/base/paths.h"
#include "core/live/current_odds.h"
#include "core/live/live_captions.h"
#include "core/live/position_sheet.h"
#include "core/live/record_folder.h"
#include "core/live/suggestions.h"
#include "core/markets/method_choice.h"
#include "core/markets/probability_page.h"
#include "gui/live/live_panels.h"
#include "gui/live/live_window_controls.h"
#include "gui/live/new_game_dialog.h"
#include "gui/widgets/cover_picture.h"
#include "gui/widgets/elided_label.h"
#include "gui/widgets/font_scale.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/window_fit.h"

// The picture is compiled into the static GUI library; nothing else refers to
// it, so the linker would leave it out unless it is registered by name.
static void InitLiveWindowResources() {
    Q_INIT_RESOURCE(live_window);
}

namespace orvanta {

namespace {

const QString kPicture = QStringLiteral(":/live/live_pitch.jpg");
const QSize kWindowSize(865, 568);
constexpr int kListWidth = 230;
constexpr int kBarHeight = 34;

// Escape anywhere in the window runs `exit`: in a cell's editor too, which
// would otherwise take the key to give its edit up, and before the dialog
// would reject itself without ending that edit.
class EscapeExits : public QObject {
public:
    EscapeExits(QWidget* window, std::function<void()> exit)
        : QObject(window), m_window(window), m_exit(std::move(exit)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier || !widget ||
            widget->window() != m_window || QApplication::activePopupWidget()) {
            return false;
        }
        m_exit();
        return true;
    }

private:
    QWidget* m_window;
    std::function<void()> m_exit;
};

}  // namespace

LiveWindow::LiveWindow(Services& services, const Catalogue& catalogue, HelpOpener open_help,
                       QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_catalogue(catalogue),
      m_open_help(std::move(open_help)),
      m_ledger(services, catalogue, RecordFolderPath(services.platform.UserFolder())),
      m_controls(this, m_ledger.Page(), services.prompter, LiveWindowControls()) {
    InitLiveWindowResources();
    m_controls.Name(this, "window");
    LayOut();
    WireSheet();
    WireCurrentOdds();
    WireMethod();
    WireCommission();

    m_list->SetCanEdit([](int, int) { return false; });
    // A click, a move of the current row, Enter or Space: the row's game.
    m_list->SetRowClicked([this](int row) { OnGameClicked(row); });
    m_list->installEventFilter(this);

    const std::pair<const char*, void (LiveWindow::*)()> buttons[] = {
        {"new_game", &LiveWindow::OnNewGame}, {"delete_game", &LiveWindow::OnDeleteGame},
        {"help", &LiveWindow::OnHelp},        {"print", &LiveWindow::OnPrint},
        {"suggest", &LiveWindow::OnSuggest},  {"exit", &LiveWindow::OnExit}};
    for (const auto& [button, handler] : buttons) {
        connect(m_controls.Made<QPushButton>(button), &QPushButton::clicked, this, handler);
    }

    // F1 from every control, as in the main window: the shortcut comes before
    // the focused control (a cell editor too) sees the key.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, &LiveWindow::OnHelp);
    QApplication::instance()->installEventFilter(new EscapeExits(this, [this] { OnEscape(); }));
    auto* print = new QAction(this);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    addAction(print);
    connect(print, &QAction::triggered, this, &LiveWindow::OnPrint);
}

LiveWindow::~LiveWindow() {
    // Both have to happen while the ledger is still there, not in QDialog's
    // destructor after it: hiding ends (and saves) an edit left open, and the
    // grids show the ledger's own TextGrids, so they go first.
    hide();
    delete m_splitter;
    m_list = nullptr;
    m_sheet = nullptr;
}

void LiveWindow::LayOut() {
    resize(kWindowSize);
    LayOutGrids();

    auto* band = new QHBoxLayout;
    band->setSpacing(6);
    for (const LivePanelLayout& panel : LivePanels()) {
        band->addWidget(LayOutPanel(panel, m_controls), 1);
    }
    QHBoxLayout* bar = LayOutBar();

    m_contents = new QWidget;
    auto* layout = new QVBoxLayout(m_contents);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(band);
    layout->addLayout(bar);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(ScrollingContents(m_contents, this));
}

void LiveWindow::LayOutGrids() {
    m_splitter = m_controls.Made<QSplitter>("splitter");
    m_splitter->setChildrenCollapsible(false);
    m_list = m_controls.Grid(&LivePage::game_list);
    m_sheet = m_controls.Grid(&LivePage::positions);
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_sheet);
    // The sheet's columns widen into the room its pane has, so that long
    // figures show whole.
    m_sheet->SetFillsWidth(true);
    // The list's one column is as wide as its pane: a name longer than that
    // shows cut with an ellipsis (and whole in its tool tip).
    m_list->SetFillsWidth(true);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kListWidth, width() - kListWidth});
    for (GridView* grid : {m_list, m_sheet}) {
        QFont bold = grid->font();
        bold.setBold(true);
        grid->Model().SetFixedFont(bold);
    }
}

// The bar at the foot: three buttons, the picture, two buttons.
QHBoxLayout* LiveWindow::LayOutBar() {
    auto* picture = m_controls.Made<CoverPicture>("picture");
    picture->setPixmap(QPixmap(kPicture));
    picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    picture->setFixedHeight(kBarHeight);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(6);
    auto add_button = [this, bar](const char* name) {
        auto* button = m_controls.Made<QPushButton>(name);
        // Enter belongs to the grids and the odds boxes, never to a button.
        button->setAutoDefault(false);
        button->setMinimumHeight(kBarHeight - 4);
        bar->addWidget(button);
    };
    for (const char* name : {"new_game", "delete_game", "suggest"}) {
        add_button(name);
    }
    bar->addWidget(picture, 1);
    for (const char* name : {"print", "help", "exit"}) {
        add_button(name);
    }
    return bar;
}

void LiveWindow::WireSheet() {
    const PositionSheet& sheet = m_ledger.Page();
    auto selectable = [&sheet](int col, int row) { return IsInputCell(sheet, col, row); };
    m_sheet->SetSelectCell(selectable);
    m_sheet->SetCanEdit(selectable);
    m_sheet->SetKeyFilter([this](char typed, const std::string& current) -> std::optional<char> {
        return FilterSheetKey(typed, m_services.separator, current);
    });
    m_sheet->SetEnterRule(
        [](int col, int row, const std::string& current) -> std::optional<std::pair<int, int>> {
            if (const auto target = SheetEnterColumn(col, current)) {
                return std::make_pair(*target, row);
            }
            return std::nullopt;
        });
    m_sheet->SetValidateCell([this](int col, int row, const std::string& before) {
        return !m_ledger.CheckSheetEntry(col, row, before);
    });
    m_sheet->SetEditingDone([this](int, int) {
        // The figures worked out before a failure are shown all the same.
        RunGuarded(m_services.prompter, [this] {
            m_typed_boxes.Collect();
            m_ledger.SheetEditEnded();
        });
        ShowBoxes();
    });
}

void LiveWindow::WireCurrentOdds() {
    TextBox LivePage::*const fields[] = {&LivePage::odds_1, &LivePage::odds_x, &LivePage::odds_2};
    for (std::size_t i = 0; i < m_odds_boxes.size(); ++i) {
        FilteredLineEdit* box = m_controls.Box(fields[i]);
        m_odds_boxes[i] = box;
        m_typed_boxes.Bind(box, &(m_ledger.Page().*fields[i]));
        box->setReadOnly(false);
        box->installEventFilter(this);
        box->SetKeyFilter([this](char typed, const std::string& current) {
            return FilterOddsKey(typed, m_services.separator, current);
        });
        connect(box, &QLineEdit::textChanged, this, &LiveWindow::OnCurrentOddsChanged);
    }
}

void LiveWindow::WireMethod() {
    auto* choice = m_controls.Made<QComboBox>("method");
    for (MarginMethod method : MarginMethods()) {
        choice->addItem(QString(), static_cast<int>(method));
    }
    m_ledger.Page().method = RememberedMethod(m_services.platform.UserFolder());
    choice->setCurrentIndex(choice->findData(static_cast<int>(m_ledger.Page().method)));
    connect(choice, QOverload<int>::of(&QComboBox::activated), this, &LiveWindow::OnMethodChosen);
}

void LiveWindow::OnMethodChosen(int index) {
    LivePage& page = m_ledger.Page();
    RunGuarded(m_services.prompter, [&] {
        page.method = static_cast<MarginMethod>(
            m_controls.Made<QComboBox>("method")->itemData(index).toInt());
        RememberMethod(m_services.platform.UserFolder(), page.method, m_services.write_faults);
    });
    // The method is no part of the game: its record stays as it is.
    RunGuarded(m_services.prompter, [&] {
        m_typed_boxes.Collect();
        if (HasAllCurrentOdds(page)) {
            CalculateProbabilities(page, m_services, m_catalogue);
        }
    });
    // Another method may make another outcome the likeliest.
    m_ledger.UpdateSuggestions();
    ShowBoxes();
}

void LiveWindow::WireCommission() {
    FilteredLineEdit* box = m_controls.Box(&LivePage::commission);
    m_typed_boxes.Bind(box, &m_ledger.Page().commission);
    box->setReadOnly(false);
    box->SetKeyFilter([this](char typed, const std::string& current) {
        return FilterOddsKey(typed, m_services.separator, current);
    });
    m_ledger.Page().commission.text =
        RememberedCommission(m_services.platform.UserFolder(), m_services.separator);
    // Only what the user types: showing the page sets the box too.
    connect(box, &QLineEdit::textEdited, this, &LiveWindow::OnCommissionEdited);
}

void LiveWindow::OnCommissionEdited() {
    RunGuarded(m_services.prompter, [this] {
        m_typed_boxes.Collect();
        m_ledger.CommissionChanged();
    });
    ShowBoxes();
}

void LiveWindow::OnSuggest() {
    RunGuarded(m_services.prompter, [this] {
        m_typed_boxes.Collect();
        m_ledger.AddSureBacks();
    });
    ShowBoxes();
}

int LiveWindow::exec() {
    if (!PrepareToShow()) {
        return QDialog::Rejected;
    }
    m_prepared = true;
    return QDialog::exec();
}

void LiveWindow::setVisible(bool visible) {
    if (visible && !isVisible()) {
        const bool ready = std::exchange(m_prepared, false) || PrepareToShow();
        if (!ready) {
            return;
        }
    }
    QDialog::setVisible(visible);
    if (visible && !FitsOnScreen(this, parentWidget())) {
        FitToScreen();
        CentreOnScreen(this, parentWidget());
    }
}

bool LiveWindow::PrepareToShow() {
    m_controls.Caption(m_catalogue);
    auto* choice = m_controls.Made<QComboBox>("method");
    for (int i = 0; i < choice->count(); ++i) {
        choice->setItemText(i, ToQt(m_catalogue.Read(MethodCaption(MarginMethods()[i]))));
    }
    // The choice's list, which a screen reader finds inside it, goes by its name.
    choice->view()->setAccessibleName(choice->accessibleName());
    bool filled = false;
    RunGuarded(m_services.prompter, [&] {
        m_ledger.Open();
        filled = true;
    });
    ShowPage();
    if (filled) {
        LoadSoleGame();
    }
    FitToScreen();
    FitListPane();
    CentreOnScreen(this, parentWidget());
    return filled;
}

// The window's own size, larger where the font needs it (also for the list's
// own width beside the whole sheet), and no larger than the screen's free
// area: what does not fit then scrolls.
void LiveWindow::FitToScreen() {
    const QSize needed = NeededSize(m_contents);
    const QMargins margins = m_contents->layout()->contentsMargins();
    const int panes = FontScale(font()).Across(kListWidth) + m_splitter->handleWidth() +
                      SheetPaneWidth() + margins.left() + margins.right();
    const QSize wanted = kWindowSize.expandedTo(needed).expandedTo(QSize(panes, 0));
    resize(FittedToScreen(this, wanted, parentWidget()));
    // Laid out now, before the window shows, so that the list pane is sized
    // from the room it will have.
    m_contents->resize(size().expandedTo(needed));
}

void LiveWindow::FitListPane() {
    // Wide enough for the longest game name, up to a third of the window, so
    // that the sheet keeps room to show its figures whole; a longer name is
    // cut with an ellipsis. The splitter does the rest.
    m_contents->layout()->activate();
    const int total = m_splitter->width() - m_splitter->handleWidth();
    const int wanted = m_list->ColumnTextWidth(0) + 2 * m_list->frameWidth() +
                       m_list->verticalScrollBar()->sizeHint().width();
    const int list = std::max(FontScale(font()).Across(kListWidth),
                              std::min({wanted, total - SheetPaneWidth(), total / 3}));
    m_splitter->setSizes({list, total - list});
}

int LiveWindow::SheetPaneWidth() const {
    return m_sheet->FullSize().width() + m_sheet->verticalScrollBar()->sizeHint().width();
}

void LiveWindow::OnExit() {
    close();
}

void LiveWindow::OnEscape() {
    // Nothing is lost by closing: every edit is saved when it ends, so an edit
    // still open ends first. One the sheet refuses keeps the window open, with
    // its cell open again and the reason shown.
    if (m_sheet->IsEditing() && !m_sheet->EndEditing()) {
        return;
    }
    OnExit();
}

void LiveWindow::OnNewGame() {
    NewGameDialog dialog(
        m_services, m_ledger,
        [this](QWidget* owner) {
            if (m_open_help) {
                RunGuarded(m_services.prompter, [&] { m_open_help(owner, kHelpLive); });
            }
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    RunGuarded(m_services.prompter, [this] { m_ledger.FillGameList(); });
    ShowPage();
    LoadSoleGame();
    // The new name may be the longest.
    if (m_list->ColumnTextWidth(0) > m_list->viewport()->width()) {
        FitListPane();
    }
}

void LiveWindow::OnDeleteGame() {
    RunGuarded(m_services.prompter, [this] { m_ledger.DeleteGame(); });
    ShowPage();
    LoadSoleGame();
}

void LiveWindow::OnHelp() {
    if (m_open_help) {
        RunGuarded(m_services.prompter, [this] { m_open_help(this, kHelpLive); });
    }
}

Printout LiveWindow::SheetPrintout() {
    Printout printout;
    printout.title = windowTitle();
    const std::string& game = m_ledger.CurrentGameFile();
    if (!game.empty()) {
        printout.title += QStringLiteral(": ") + ToQt(FileNameOf(game));
    }
    printout.parts.append({m_sheet, QRect()});
    // The three panels side by side, as they stand under the sheet.
    QRect band;
    for (const LivePanelLayout& panel : LivePanels()) {
        band |= m_controls.Made(panel.group)->geometry();
    }
    printout.parts.append({this, band});
    return printout;
}

void LiveWindow::OnPrint() {
    if (m_print) {
        RunGuarded(m_services.prompter, [this] { m_print(this, SheetPrintout()); });
    }
}

void LiveWindow::OnGameClicked(int row) {
    RunEachGuarded(m_services.prompter, m_ledger.LoadGame(row));
    ShowBoxes();
}

void LiveWindow::LoadSoleGame() {
    EventParts parts;
    RunGuarded(m_services.prompter, [&] { parts = m_ledger.LoadSoleGame(); });
    RunEachGuarded(m_services.prompter, parts);
    ShowBoxes();
}

void LiveWindow::OnListFocused() {
    // Left until the focus has settled: the load may show a box, which takes
    // the focus in its turn.
    QTimer::singleShot(0, this, [this] {
        if (!m_list || !m_list->hasFocus()) {
            return;
        }
        EventParts parts;
        RunGuarded(m_services.prompter,
                   [&] { parts = m_ledger.LoadGameUnlessLoaded(m_list->CurrentRow()); });
        RunEachGuarded(m_services.prompter, parts);
        ShowBoxes();
    });
}

void LiveWindow::OnCurrentOddsChanged() {
    EventParts parts;
    RunGuarded(m_services.prompter, [&] {
        m_typed_boxes.Collect();
        parts = m_ledger.CurrentOddsChanged();
    });
    RunEachGuarded(m_services.prompter, parts);
    ShowBoxes();
}

bool LiveWindow::eventFilter(QObject* watched, QEvent* event) {
    // The user, not the window, put the focus there: by the keyboard or from
    // code acting for the user. Coming back to the window after a box is no
    // choice of a game, and a click chooses one by itself.
    if (watched == m_list && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason) {
            OnListFocused();
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* box : m_odds_boxes) {
            if (watched == box) {
                return OnOddsKeyPress(box, static_cast<QKeyEvent*>(event));
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool LiveWindow::OnOddsKeyPress(QLineEdit* box, QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const auto at = std::find(m_odds_boxes.begin(), m_odds_boxes.end(), box);
        const int number = static_cast<int>(at - m_odds_boxes.begin()) + 1;
        if (const auto next = NextOddsBox(number, FromQt(box->text()))) {
            m_odds_boxes[static_cast<std::size_t>(*next - 1)]->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    // Characters, typed or pasted, go through the box's own filter.
    return false;
}

void LiveWindow::ShowBoxes() {
    const QSignalBlocker block_1(m_odds_boxes[0]);
    const QSignalBlocker block_x(m_odds_boxes[1]);
    const QSignalBlocker block_2(m_odds_boxes[2]);
    m_controls.Boxes().Show();
    // The parameter's box is narrow: its whole text, the note of a probability
    // out of range too, is in its tool tip.
    auto* parameter = m_controls.Box(&LivePage::method_parameter);
    parameter->setToolTip(parameter->text());
    m_controls.Made<ElidedLabel>("suggestion_note")->SetFullText(SuggestionNotes());
}

QString LiveWindow::SuggestionNotes() const {
    // A word that holds for both rows is said once; a row's own word after its name.
    const LivePage& page = m_ledger.Page();
    if (page.sure_note.text == page.probable_note.text) {
        return ToQt(page.sure_note.text);
    }
    QStringList notes;
    for (const auto& [row, note] :
         {std::make_pair(&live_captions::kForPositive, &page.sure_note),
          std::make_pair(&live_captions::kForProbable, &page.probable_note)}) {
        if (!note->text.empty()) {
            notes << ToQt(m_catalogue.Read(*row) + ": " + note->text);
        }
    }
    return notes.join(QLatin1Char('\n'));
}

void LiveWindow::ShowPage() {
    ShowBoxes();
    const int row = m_ledger.ListRow();
    if (row >= 1) {
        m_list->SetCurrentCell(0, row);
    } else {
        m_list->setCurrentIndex(QModelIndex());
    }
}

}  // namespace orvanta

#include "gui/live/live_window.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "core/grid/handler_guard.h"
#include "core/live/current_odds.h"
#include "core/live/live_captions.h"
#include "core/live/position_sheet.h"
#include "gui/live/live_panels.h"
#include "gui/live/new_game_dialog.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

// The picture is compiled into the static GUI library; nothing else refers to
// it, so the linker would leave it out unless it is registered by name.
static void InitLiveWindowResources() {
    Q_INIT_RESOURCE(live_window);
}

namespace orvanta {

namespace {

const QString kPicture = QStringLiteral(":/live/live_pitch.jpg");
constexpr int kListWidth = 230;
constexpr int kBarHeight = 34;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& tool_tip = QString()) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the grids and the odds boxes, never to a button.
    button->setAutoDefault(false);
    button->setToolTip(tool_tip);
    return button;
}

}  // namespace

TFrmLiveOrvanta::TFrmLiveOrvanta(Services& services, const Catalogue& catalogue,
                                 HelpOpener open_help, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_catalogue(catalogue),
      m_open_help(std::move(open_help)),
      m_ledger(services, catalogue) {
    InitLiveWindowResources();
    setObjectName(QStringLiteral("FrmLiveOrvanta"));
    BuildLayout();
    BindSheet();
    BindCurrentOdds();

    m_list->SetCanEdit([](int, int) { return false; });
    m_list->SetRowClicked([this](int row) { AdvStringGrid1Click(row); });

    connect(m_new, &QPushButton::clicked, this, &TFrmLiveOrvanta::BitBtn2Click);
    connect(m_delete, &QPushButton::clicked, this, &TFrmLiveOrvanta::BitBtn3Click);
    connect(m_help, &QPushButton::clicked, this, &TFrmLiveOrvanta::BitBtn5Click);
    connect(m_exit, &QPushButton::clicked, this, &TFrmLiveOrvanta::BitBtn1Click);
    // BitBtn4 ("Protasi") is built but has no action.

    // F1 from every control, as in the main window: the shortcut comes before
    // the focused control (a cell editor too) sees the key.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, &TFrmLiveOrvanta::BitBtn5Click);
}

TFrmLiveOrvanta::~TFrmLiveOrvanta() {
    // Both have to happen while the ledger is still there, not in QDialog's
    // destructor after it: hiding ends (and saves) an edit left open, and the
    // grids show the ledger's own TextGrids, so they go first.
    hide();
    delete m_splitter;
    m_list = nullptr;
    m_sheet = nullptr;
}

void TFrmLiveOrvanta::BuildLayout() {
    resize(865, 568);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setChildrenCollapsible(false);
    m_list = new GridView(m_ledger.GameList(), m_services.prompter, m_splitter);
    m_list->setObjectName(QStringLiteral("AdvStringGrid1"));
    m_sheet = new GridView(m_ledger.Sheet().AdvStringGrid2, m_services.prompter, m_splitter);
    m_sheet->setObjectName(QStringLiteral("AdvStringGrid2"));
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

    const LivePanels panels = BuildLivePanels(this);
    panels.GroupBox2->findChild<QLabel*>(QStringLiteral("Label8"))
        ->setToolTip(QStringLiteral("Δωστε τις νεες αποδοσεις"));
    auto* band = new QHBoxLayout;
    band->setSpacing(6);
    band->addWidget(panels.GroupBox2, 1);
    band->addWidget(panels.GroupBox3, 1);
    band->addWidget(panels.GroupBox1, 1);

    m_new = MakeButton(this, "BitBtn2", QStringLiteral("Νεος Αγωνας για Live Bet"));
    m_delete = MakeButton(this, "BitBtn3", QStringLiteral("Διαγραφη του αγωνα απο την λιστα"));
    m_protasi = MakeButton(this, "BitBtn4", QStringLiteral("Υπογισμος για παιχνιδι"));
    m_help = MakeButton(this, "BitBtn5");
    m_help->setText(QStringLiteral("Help"));
    m_exit = MakeButton(this, "BitBtn1");
    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setPixmap(QPixmap(kPicture));
    m_image->setScaledContents(true);
    m_image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_image->setFixedHeight(kBarHeight);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(6);
    for (QPushButton* button : {m_new, m_delete, m_protasi}) {
        button->setMinimumHeight(kBarHeight - 4);
        bar->addWidget(button);
    }
    bar->addWidget(m_image, 1);
    for (QPushButton* button : {m_help, m_exit}) {
        button->setMinimumHeight(kBarHeight - 4);
        bar->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(band);
    layout->addLayout(bar);
}

void TFrmLiveOrvanta::BindSheet() {
    PositionSheet& sheet = m_ledger.Sheet();
    auto selectable = [&sheet](int col, int row) { return CanSelectSheetCell(sheet, col, row); };
    m_sheet->SetSelectCell(selectable);
    m_sheet->SetCanEdit(selectable);
    m_sheet->SetKeyFilter([this](char typed, const std::string& current) -> std::optional<char> {
        // Escape and Delete are keys, not characters: they still cancel the
        // edit or delete, whatever the filter thinks of their codes.
        if (typed == '\x1b' || typed == '\x7f') {
            return typed;
        }
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
        return !m_ledger.AdvStringGrid2CellValidate(col, row, before);
    });
    m_sheet->SetEditingDone([this](int, int) {
        // The figures worked out before a failure are shown all the same.
        RunGuarded(m_services.prompter, [this] {
            m_typed_odds.Collect();
            m_ledger.AdvStringGrid2EditingDone();
        });
        ShowBoxes();
    });
}

void TFrmLiveOrvanta::BindCurrentOdds() {
    PositionSheet& sheet = m_ledger.Sheet();
    CurrentOddsPanel& odds = m_ledger.Odds();
    auto box = [this](const char* name) {
        return findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const std::pair<const char*, TextBox*> shown[] = {
        {"Edit1", &sheet.Edit1},         {"Edit2", &sheet.Edit2},  {"Edit3", &sheet.Edit3},
        {"Edit4", &sheet.Edit4},         {"Edit5", &sheet.Edit5},  {"Edit6", &sheet.Edit6},
        {"Edit7", &sheet.Edit7},         {"Edit8", &sheet.Edit8},  {"Edit9", &sheet.Edit9},
        {"Edit10", &odds.Edit10},        {"Edit11", &odds.Edit11}, {"Edit12", &odds.Edit12},
        {"Edit13", &odds.Edit13},        {"Edit14", &odds.Edit14}, {"Edit15", &odds.Edit15},
        {"edtGaniota", &odds.edtGaniota}};
    for (const auto& [name, text_box] : shown) {
        m_boxes.Bind(box(name), text_box);
    }

    TextBox* typed[] = {&odds.Edit13, &odds.Edit14, &odds.Edit15};
    const char* names[] = {"Edit13", "Edit14", "Edit15"};
    for (int i = 0; i < 3; ++i) {
        auto* edit = findChild<FilteredLineEdit*>(QString::fromLatin1(names[i]));
        m_current_odds[static_cast<std::size_t>(i)] = edit;
        m_typed_odds.Bind(edit, typed[i]);
        edit->setProperty("Tag", i + 1);
        edit->installEventFilter(this);
        edit->SetKeyFilter([this](char typed_key, const std::string&) {
            return FilterOddsKey(typed_key, m_services.separator);
        });
        connect(edit, &QLineEdit::textChanged, this, &TFrmLiveOrvanta::Edit13Change);
    }
}

void TFrmLiveOrvanta::ApplyCaptions(const LiveCaptions& captions) {
    setWindowTitle(ToQt(captions.window));
    m_new->setText(ToQt(captions.new_game));
    m_delete->setText(ToQt(captions.delete_game));
    m_protasi->setText(ToQt(captions.protasi));
    m_exit->setText(ToQt(captions.exit));
    const std::pair<const char*, const std::string*> labels[] = {
        {"Label1", &captions.status},       {"Label8", &captions.current_odds},
        {"Label12", &captions.probability}, {"Label18", &captions.gia_pithanon},
        {"Label19", &captions.gia_thetika}, {"Label20", &captions.ganiota},
        {"Label13", &captions.odds},        {"Label6", &captions.game_wager},
        {"Label5", &captions.return_label}, {"Label7", &captions.result},
        {"Label14", &captions.protasi}};
    for (const auto& [name, text] : labels) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(name))) {
            label->setText(ToQt(*text));
        }
    }
}

int TFrmLiveOrvanta::exec() {
    if (!FormShow()) {
        return QDialog::Rejected;
    }
    m_form_shown = true;
    return QDialog::exec();
}

void TFrmLiveOrvanta::setVisible(bool visible) {
    if (visible && !isVisible()) {
        const bool ready = std::exchange(m_form_shown, false) || FormShow();
        if (!ready) {
            return;
        }
    }
    QDialog::setVisible(visible);
}

bool TFrmLiveOrvanta::FormShow() {
    ApplyCaptions(ReadLiveCaptions(m_catalogue));
    bool filled = false;
    RunGuarded(m_services.prompter, [&] { filled = m_ledger.FormShow(); });
    ShowLedger();
    FitListPane();

    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return filled;
}

void TFrmLiveOrvanta::FitListPane() {
    // Wide enough for the longest game name, up to a third of the window, so
    // that the sheet keeps room to show its figures whole; a longer name is
    // cut with an ellipsis. The splitter does the rest.
    layout()->activate();
    const int total = m_splitter->width() - m_splitter->handleWidth();
    const int sheet =
        m_sheet->FullSize().width() + m_sheet->verticalScrollBar()->sizeHint().width();
    const int wanted = m_list->ColumnTextWidth(0) + 2 * m_list->frameWidth() +
                       m_list->verticalScrollBar()->sizeHint().width();
    const int list = std::max(kListWidth, std::min({wanted, total - sheet, total / 3}));
    m_splitter->setSizes({list, total - list});
}

void TFrmLiveOrvanta::keyPressEvent(QKeyEvent* event) {
    // Everything is saved as it is typed, so only Exit and the close box end
    // the window; an Escape that no editor took must not.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmLiveOrvanta::BitBtn1Click() {
    close();
}

void TFrmLiveOrvanta::BitBtn2Click() {
    TFrmLiveOrvantaNewGame dialog(
        m_services, m_ledger,
        [this](QWidget* owner) {
            if (m_open_help) {
                RunGuarded(m_services.prompter, [&] { m_open_help(owner, kHelpTopic); });
            }
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    RunGuarded(m_services.prompter, [this] { m_ledger.FillGameList(); });
    ShowLedger();
    // The new name may be the longest.
    if (m_list->ColumnTextWidth(0) > m_list->viewport()->width()) {
        FitListPane();
    }
}

void TFrmLiveOrvanta::BitBtn3Click() {
    RunGuarded(m_services.prompter, [this] { m_ledger.DeleteGame(); });
    ShowLedger();
}

void TFrmLiveOrvanta::BitBtn5Click() {
    if (m_open_help) {
        RunGuarded(m_services.prompter, [this] { m_open_help(this, kHelpTopic); });
    }
}

void TFrmLiveOrvanta::AdvStringGrid1Click(int row) {
    RunGuarded(m_services.prompter, [&] { m_ledger.LoadGame(row); });
    ShowBoxes();
}

void TFrmLiveOrvanta::Edit13Change() {
    RunGuarded(m_services.prompter, [this] {
        m_typed_odds.Collect();
        m_ledger.Edit13Change();
    });
    ShowBoxes();
}

bool TFrmLiveOrvanta::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* edit : m_current_odds) {
            if (watched == edit) {
                return Edit13KeyPress(edit, static_cast<QKeyEvent*>(event));
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TFrmLiveOrvanta::Edit13KeyPress(QLineEdit* edit, QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const int tag = edit->property("Tag").toInt();
        if (const auto next = NextOddsTag(tag, FromQt(edit->text()))) {
            m_current_odds[static_cast<std::size_t>(*next - 1)]->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    // Characters, typed or pasted, go through the box's own filter.
    return false;
}

void TFrmLiveOrvanta::ShowBoxes() {
    const QSignalBlocker block13(m_current_odds[0]);
    const QSignalBlocker block14(m_current_odds[1]);
    const QSignalBlocker block15(m_current_odds[2]);
    m_boxes.Show();
}

void TFrmLiveOrvanta::ShowLedger() {
    ShowBoxes();
    const int row = m_ledger.ListRow();
    if (row >= 1) {
        m_list->SetCurrentCell(0, row);
    } else {
        m_list->setCurrentIndex(QModelIndex());
    }
}

}  // namespace orvanta

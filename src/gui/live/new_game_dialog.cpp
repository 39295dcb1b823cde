#include "gui/live/new_game_dialog.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/base/handler_guard.h"
#include "core/live/game_record.h"
#include "core/live/live_captions.h"
#include "core/live/live_ledger.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// Two hour digits, the first of them optional, and two minute digits. In a Qt
// mask "0" is a digit that may be left blank and "9" one that must be given.
const QString kTimeMask = QStringLiteral("09:99;_");

}  // namespace

const ControlTable<NoPage>& NewGameControls() {
    using C = Control<>;
    namespace captions = live_captions::new_game;
    static const ControlTable<NoPage> table = {
        // Without a catalogue the title shows the form's name; a screen reader
        // says what the dialog is for, as the New button's tool tip does.
        C::Own("FrmLiveOrvantaNewGame", "window", captions::kWindow)
            .Named(live_captions::kNewGameTip),
        C::Label("Label1", "date_label", captions::kDate),
        C::Make<QDateEdit>("DateTimePicker1", "date").NamedBy("date_label"),
        C::Label("Label2", "time_label", captions::kTime),
        C::Make<FilteredLineEdit>("meTime", "time").NamedBy("time_label"),
        C::Label("Label3", "name_label", captions::kName),
        C::Make<FilteredLineEdit>("edAgona", "name").NamedBy("name_label"),
        C::Button("BitBtn1", "ok", captions::kOk),
        C::Button("BitBtn2", "cancel", captions::kCancel),
    };
    return table;
}

NewGameDialog::NewGameDialog(Services& services, LiveLedger& ledger,
                             std::function<void(QWidget* owner)> open_help, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_ledger(ledger),
      m_open_help(std::move(open_help)),
      m_controls(this, NewGameControls()) {
    m_controls.Name(this, "window");
    m_date = m_controls.Made<QDateEdit>("date");
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_time = m_controls.Made<QLineEdit>("time");
    m_time->setInputMask(kTimeMask);
    m_time->installEventFilter(this);
    m_name = m_controls.Made<QLineEdit>("name");
    auto* ok = m_controls.Made<QPushButton>("ok");
    ok->setDefault(true);
    auto* cancel = m_controls.Made<QPushButton>("cancel");
    cancel->setAutoDefault(false);
    // The captions in the window's language, the labels' links to their
    // boxes, and what screen readers read.
    m_controls.Caption(m_ledger.Captions());
    LayOut();

    connect(ok, &QPushButton::clicked, this, &NewGameDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &NewGameDialog::OnCancel);

    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] {
        if (m_open_help) {
            m_open_help(this);
        }
    });
}

void NewGameDialog::LayOut() {
    auto* fields = new QGridLayout;
    const std::pair<const char*, QWidget*> lines[] = {
        {"date_label", m_date}, {"time_label", m_time}, {"name_label", m_name}};
    for (int row = 0; row < 3; ++row) {
        fields->addWidget(m_controls.Made(lines[row].first), row, 0);
        fields->addWidget(lines[row].second, row, 1);
    }
    fields->setColumnStretch(1, 1);
    m_time->setFixedWidth(m_time->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_controls.Made("ok"));
    buttons->addWidget(m_controls.Made("cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

NewGameDialog::~NewGameDialog() = default;

void NewGameDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        StartFromNow();
        // The date and time are filled in already: what is typed at once is
        // the match's name.
        m_name->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void NewGameDialog::StartFromNow() {
    const LocalDateTime now = m_services.platform.Now();
    const QDate today(now.year, now.month, now.day);
    m_date->setDate(today.isValid() ? today : QDate::currentDate());
    m_time->setText(QString::asprintf("%02d:%02d", now.hour, now.minute));
    m_time_on_entry = m_time->text();
}

bool NewGameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_time) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
            if (m_time->hasAcceptableInput()) {
                m_time_on_entry = m_time->text();
            }
            break;
        case QEvent::FocusOut: {
            // Another window taking the activation (a message box, the date's
            // calendar) is no leaving; a move inside the dialog is, and is
            // judged once the click or key that moved the focus has been seen.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                QTimer::singleShot(0, this, &NewGameDialog::CheckTimeAfterFocusMoved);
            }
            break;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape && m_time->text() != m_time_on_entry) {
                // The first Escape abandons the change; the next one closes.
                m_time->setText(m_time_on_entry);
                return true;
            }
            if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !TimeMayBeLeft()) {
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

bool NewGameDialog::TimeMayBeLeft() {
    if (m_time->hasAcceptableInput()) {
        return true;
    }
    m_services.prompter.ShowError(kTimeIncompleteText);
    m_time->setFocus();
    return false;
}

void NewGameDialog::CheckTimeAfterFocusMoved() {
    // Ok or Cancel may have run in between and dealt with it.
    if (!isVisible() || m_time->hasFocus()) {
        return;
    }
    TimeMayBeLeft();
}

void NewGameDialog::OnOk() {
    bool created = false;
    RunGuarded(m_services.prompter, [&] {
        const QDate date = m_date->date();
        LocalDateTime day;
        day.year = date.year();
        day.month = date.month();
        day.day = date.day();
        // The display text keeps the blanks in place ("20:_5"), so a missing
        // digit is told from a short hour.
        created = m_ledger.CreateGame(day, FromQt(m_time->displayText()), FromQt(m_name->text()));
    });
    if (created) {
        accept();
    } else if (!m_time->hasAcceptableInput()) {
        m_time->setFocus();
    } else if (IsBlankGameName(FromQt(m_name->text()))) {
        m_name->setFocus();
    }
}

void NewGameDialog::OnCancel() {
    reject();
}

}  // namespace orvanta

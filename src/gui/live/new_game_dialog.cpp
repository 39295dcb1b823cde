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

#include <type_traits>

#include "core/base/handler_guard.h"
#include "core/live/game_record.h"
#include "core/live/live_ledger.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// Two hour digits, the first of them optional, and two minute digits. In a Qt
// mask "0" is a digit that may be left blank and "9" one that must be given.
const QString kTimeMask = QStringLiteral("09:99;_");

// The dialog's controls: the object name each widget is found by, and its
// fixed text.
struct DialogControl {
    const char* object_name;
    const char* text = nullptr;
};
constexpr DialogControl kDateLabel{"Label1", "ΗΜ/ΝΙΑ"};
constexpr DialogControl kDate{"DateTimePicker1"};
constexpr DialogControl kTimeLabel{"Label2", "ΩΡΑ"};
constexpr DialogControl kTime{"meTime"};
constexpr DialogControl kNameLabel{"Label3", "ΑΓΩΝΑΣ"};
constexpr DialogControl kName{"edAgona"};
constexpr DialogControl kOk{"BitBtn1", "Ok"};
constexpr DialogControl kCancel{"BitBtn2", "Cancel"};

template <typename Widget>
Widget* Make(QWidget* parent, const DialogControl& control) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(control.object_name));
    if constexpr (std::is_base_of_v<QLabel, Widget> || std::is_base_of_v<QPushButton, Widget>) {
        widget->setText(QString::fromUtf8(control.text));
    }
    return widget;
}

}  // namespace

NewGameDialog::NewGameDialog(Services& services, LiveLedger& ledger,
                             std::function<void(QWidget* owner)> open_help, QWidget* parent)
    : QDialog(parent), m_services(services), m_ledger(ledger), m_open_help(std::move(open_help)) {
    setObjectName(QStringLiteral("FrmLiveOrvantaNewGame"));
    setWindowTitle(QStringLiteral("FrmLiveOrvantaNewGame"));

    auto* date_label = Make<QLabel>(this, kDateLabel);
    m_date = Make<QDateEdit>(this, kDate);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    auto* time_label = Make<QLabel>(this, kTimeLabel);
    m_time = Make<FilteredLineEdit>(this, kTime);
    m_time->setInputMask(kTimeMask);
    m_time->installEventFilter(this);
    auto* name_label = Make<QLabel>(this, kNameLabel);
    m_name = Make<QLineEdit>(this, kName);
    auto* ok = Make<QPushButton>(this, kOk);
    ok->setDefault(true);
    auto* cancel = Make<QPushButton>(this, kCancel);
    cancel->setAutoDefault(false);
    date_label->setBuddy(m_date);
    time_label->setBuddy(m_time);
    name_label->setBuddy(m_name);

    auto* fields = new QGridLayout;
    fields->addWidget(date_label, 0, 0);
    fields->addWidget(m_date, 0, 1);
    fields->addWidget(time_label, 1, 0);
    fields->addWidget(m_time, 1, 1);
    fields->addWidget(name_label, 2, 0);
    fields->addWidget(m_name, 2, 1);
    fields->setColumnStretch(1, 1);
    m_time->setFixedWidth(m_time->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(320);

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

NewGameDialog::~NewGameDialog() = default;

void NewGameDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        StartFromNow();
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
    }
}

void NewGameDialog::OnCancel() {
    reject();
}

}  // namespace orvanta

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

#include "core/grid/handler_guard.h"
#include "core/live/game_record.h"
#include "core/live/live_ledger.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// Two hour digits, the first of them optional, and two minute digits. In a Qt
// mask "0" is a digit that may be left blank and "9" one that must be given.
const QString kTimeMask = QStringLiteral("09:99;_");

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

TFrmLiveOrvantaNewGame::TFrmLiveOrvantaNewGame(Services& services, LiveLedger& ledger,
                                               std::function<void(QWidget* owner)> open_help,
                                               QWidget* parent)
    : QDialog(parent), m_services(services), m_ledger(ledger), m_open_help(std::move(open_help)) {
    setObjectName(QStringLiteral("FrmLiveOrvantaNewGame"));
    setWindowTitle(QStringLiteral("FrmLiveOrvantaNewGame"));

    Label1 = Named(new QLabel(QStringLiteral("ΗΜ/ΝΙΑ"), this), "Label1");
    DateTimePicker1 = Named(new QDateEdit(this), "DateTimePicker1");
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Label2 = Named(new QLabel(QStringLiteral("ΩΡΑ"), this), "Label2");
    meTime = Named(new FilteredLineEdit(this), "meTime");
    meTime->setInputMask(kTimeMask);
    meTime->installEventFilter(this);
    Label3 = Named(new QLabel(QStringLiteral("ΑΓΩΝΑΣ"), this), "Label3");
    edAgona = Named(new QLineEdit(this), "edAgona");
    BitBtn1 = Named(new QPushButton(QStringLiteral("Ok"), this), "BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = Named(new QPushButton(QStringLiteral("Cancel"), this), "BitBtn2");
    BitBtn2->setAutoDefault(false);
    Label1->setBuddy(DateTimePicker1);
    Label2->setBuddy(meTime);
    Label3->setBuddy(edAgona);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(DateTimePicker1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(meTime, 1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(edAgona, 2, 1);
    fields->setColumnStretch(1, 1);
    meTime->setFixedWidth(meTime->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(BitBtn1, &QPushButton::clicked, this, &TFrmLiveOrvantaNewGame::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmLiveOrvantaNewGame::BitBtn2Click);

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

TFrmLiveOrvantaNewGame::~TFrmLiveOrvantaNewGame() = default;

void TFrmLiveOrvantaNewGame::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
}

void TFrmLiveOrvantaNewGame::FormShow() {
    const LocalDateTime now = m_services.platform.Now();
    const QDate today(now.year, now.month, now.day);
    DateTimePicker1->setDate(today.isValid() ? today : QDate::currentDate());
    meTime->setText(QString::asprintf("%02d:%02d", now.hour, now.minute));
    m_time_on_entry = meTime->text();
}

bool TFrmLiveOrvantaNewGame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != meTime) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
            if (meTime->hasAcceptableInput()) {
                m_time_on_entry = meTime->text();
            }
            break;
        case QEvent::FocusOut: {
            // Another window taking the activation (a message box, the date's
            // calendar) is no leaving; a move inside the dialog is, and is
            // judged once the click or key that moved the focus has been seen.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                QTimer::singleShot(0, this, &TFrmLiveOrvantaNewGame::CheckTimeAfterFocusMoved);
            }
            break;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape && meTime->text() != m_time_on_entry) {
                // The first Escape abandons the change; the next one closes.
                meTime->setText(m_time_on_entry);
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

bool TFrmLiveOrvantaNewGame::TimeMayBeLeft() {
    if (meTime->hasAcceptableInput()) {
        return true;
    }
    m_services.prompter.ShowError(kTimeIncompleteText);
    meTime->setFocus();
    return false;
}

void TFrmLiveOrvantaNewGame::CheckTimeAfterFocusMoved() {
    // Ok or Cancel may have run in between and dealt with it.
    if (!isVisible() || meTime->hasFocus()) {
        return;
    }
    TimeMayBeLeft();
}

void TFrmLiveOrvantaNewGame::BitBtn1Click() {
    RunGuarded(m_services.prompter, [this] {
        const QDate date = DateTimePicker1->date();
        LocalDateTime day;
        day.year = date.year();
        day.month = date.month();
        day.day = date.day();
        // The display text keeps the blanks in place ("20:_5"), so a missing
        // digit is told from a short hour.
        if (m_ledger.CreateGame(day, FromQt(meTime->displayText()), FromQt(edAgona->text()))) {
            accept();
            return;
        }
        if (!meTime->hasAcceptableInput()) {
            meTime->setFocus();
        }
    });
}

void TFrmLiveOrvantaNewGame::BitBtn2Click() {
    reject();
}

}  // namespace orvanta

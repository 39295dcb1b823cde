#include "gui/widgets/keyboard_access.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QWidget>

#include <vector>

namespace orvanta {

namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!enter || !button || (key->modifiers() & ~Qt::KeypadModifier) || !button->isEnabled()) {
            return false;
        }
        button->click();
        return true;
    }
};

// A caption's text with its mnemonic mark taken out and a literal "&&" kept.
QString Unmarked(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            out += QStringLiteral("&&");
            ++i;
        }
    }
    return out;
}

// A letter or digit that a key types on its own.
bool Reachable(QChar c) {
    return c.isLetterOrNumber() && c.decomposition().isEmpty();
}

// Where a mark may go in an unmarked caption, best first: the first letter of
// each word, then the other letters in their order.
std::vector<int> MarkPlaces(const QString& text) {
    std::vector<int> starts;
    std::vector<int> others;
    bool in_word = false;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {  // a literal "&&"
            ++i;
            in_word = false;
            continue;
        }
        if (Reachable(text[i])) {
            (in_word ? others : starts).push_back(i);
        }
        in_word = text[i].isLetterOrNumber();
    }
    starts.insert(starts.end(), others.begin(), others.end());
    return starts;
}

// A control whose caption takes a mnemonic: a button or a menu command.
struct Captioned {
    QAbstractButton* button = nullptr;
    QAction* action = nullptr;

    QString Text() const { return button ? button->text() : action->text(); }
    void SetText(const QString& text) const {
        if (button) {
            button->setText(text);
        } else {
            action->setText(text);
        }
    }
};

// Marks each caption of a group, in order, with a letter none before it took.
void MarkGroup(const std::vector<Captioned>& group) {
    QSet<QChar> taken;
    for (const Captioned& control : group) {
        const QString caption = control.Text();
        QString marked = Unmarked(caption);
        for (const int at : MarkPlaces(marked)) {
            const QChar key = marked[at].toUpper();
            if (!taken.contains(key)) {
                taken.insert(key);
                marked.insert(at, QLatin1Char('&'));
                break;
            }
        }
        if (marked != caption) {
            control.SetText(marked);
        }
    }
}

std::vector<Captioned> Commands(const QList<QAction*>& actions) {
    std::vector<Captioned> commands;
    for (QAction* action : actions) {
        if (!action->isSeparator() && !action->text().isEmpty()) {
            commands.push_back({nullptr, action});
        }
    }
    return commands;
}

// Each menu that opens from `actions`, and the menus those open, in turn.
void MarkMenus(const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        if (QMenu* menu = action->menu()) {
            MarkGroup(Commands(menu->actions()));
            MarkMenus(menu->actions());
        }
    }
}

}  // namespace

void PressOnEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterPresses(button));
}

void ShowResultIn(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::StrongFocus);
}

void AssignMnemonics(QWidget* window) {
    // The buttons first, in the order Tab visits them: the window's own
    // commands get the first letters of their captions before the menu bar.
    std::vector<Captioned> alt_keys;
    QWidget* widget = window;
    for (int guard = 0; guard < 100000; ++guard) {
        widget = widget->nextInFocusChain();
        if (!widget || widget == window) {
            break;
        }
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button && button->window() == window && !button->text().isEmpty()) {
            alt_keys.push_back({button, nullptr});
        }
    }
    QList<QAction*> bar_items;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        if (bar->window() == window) {
            bar_items += bar->actions();
        }
    }
    const std::vector<Captioned> commands = Commands(bar_items);
    alt_keys.insert(alt_keys.end(), commands.begin(), commands.end());
    MarkGroup(alt_keys);
    MarkMenus(bar_items);
}

QString WithoutMnemonic(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            out += QLatin1Char('&');
            ++i;
        }
    }
    return out;
}

}  // namespace orvanta

#include "gui/widgets/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace orvanta {

namespace {

void OpenMenuBarFromKeyboard(QMenuBar* bar) {
    if (!bar || !bar->isVisible() || bar->actions().isEmpty()) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != bar->window()) {
        focus = bar->window();
    }
    // Qt offers no public call into the bar's keyboard mode; it enters it when it
    // sees Alt pressed and released alone. Played to the focused control, that
    // is the same path Alt takes, so leaving with Escape restores the focus too.
    // Each event starts ignored, as the desktop's do, so that it travels up to
    // the window where the bar listens.
    QKeyEvent override_alt(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    override_alt.ignore();
    QApplication::sendEvent(focus, &override_alt);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    press.ignore();
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    release.ignore();
    QApplication::sendEvent(focus, &release);
}

}  // namespace

void AddMenuBarKey(QMenuBar* bar) {
    // Some styles mark the bar's current item only while its menu is open, which
    // leaves a bar reached by keyboard, or a command on it, with no visible mark.
    bar->setStyleSheet(
        QStringLiteral("QMenuBar::item:selected { background: palette(highlight); color: "
                       "palette(highlighted-text); }"));
    QWidget* window = bar->window();
    auto* key = new QAction(window);
    key->setShortcut(QKeySequence(Qt::Key_F10));
    key->setShortcutContext(Qt::WindowShortcut);
    window->addAction(key);
    QObject::connect(key, &QAction::triggered, bar, [bar] { OpenMenuBarFromKeyboard(bar); });
}

}  // namespace orvanta

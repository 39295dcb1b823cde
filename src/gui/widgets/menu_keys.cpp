#include "gui/widgets/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

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

// Some styles mark the bar's current item only while its menu is open, which
// leaves a bar reached by keyboard, or a command on it, with no visible mark:
// the current item is drawn as an open one. (A style sheet would do as much, at
// the price of the style sheet machinery before the first window shows.)
class MarkedMenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item && (item->state & State_Selected)) {
            QStyleOptionMenuItem marked(*item);
            marked.state |= State_Sunken;
            QProxyStyle::drawControl(element, &marked, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

void AddMenuBarKey(QMenuBar* bar) {
    // Over a style of the application's own kind; the bar owns it.
    auto* style = new MarkedMenuBarStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(bar);
    bar->setStyle(style);
    QWidget* window = bar->window();
    auto* key = new QAction(window);
    key->setShortcut(QKeySequence(Qt::Key_F10));
    key->setShortcutContext(Qt::WindowShortcut);
    window->addAction(key);
    QObject::connect(key, &QAction::triggered, bar, [bar] { OpenMenuBarFromKeyboard(bar); });
}

}  // namespace orvanta

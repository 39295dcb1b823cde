#include "gui/widgets/window_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// The tab widget a page lies in: a tab widget keeps its pages in a stack of its own.
QTabWidget* TabWidgetOf(QWidget* page) {
    QWidget* stack = page->parentWidget();
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

}  // namespace

void SetCaption(QObject* control, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* widget = qobject_cast<QWidget*>(control)) {
        if (widget->isWindow()) {
            widget->setWindowTitle(text);
        } else if (QTabWidget* tabs = TabWidgetOf(widget)) {
            tabs->setTabText(tabs->indexOf(widget), text);
        }
    }
}

void WindowControls::Caption(const Catalogue& catalogue) const {
    for (const auto& [control, caption] : m_captioned) {
        SetCaption(control, ToQt(catalogue.Read(*caption)));
    }
}

}  // namespace orvanta

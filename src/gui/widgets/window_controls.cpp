#include "gui/widgets/window_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTabWidget>
#include <QWidget>

#include "gui/widgets/keyboard_access.h"

namespace orvanta {

namespace {

// The tab widget a page lies in: a tab widget keeps its pages in a stack of its own.
QTabWidget* TabWidgetOf(const QWidget* page) {
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

QString CaptionOf(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control)) {
        return action->text();
    }
    if (const auto* menu = qobject_cast<const QMenu*>(control)) {
        return menu->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* widget = qobject_cast<const QWidget*>(control)) {
        if (widget->isWindow()) {
            return widget->windowTitle();
        }
        if (const QTabWidget* tabs = TabWidgetOf(widget)) {
            return tabs->tabText(tabs->indexOf(widget));
        }
    }
    return {};
}

QString ListCaptions(const QObject& window) {
    QString list;
    // A menu and the menu bar's item that opens it share name and caption: one line.
    QSet<QString> listed;
    QList<const QObject*> controls{&window};
    for (const QObject* child : window.findChildren<const QObject*>()) {
        controls.append(child);
    }
    for (const QObject* control : controls) {
        const QString caption = WithoutMnemonic(CaptionOf(control));
        if (control->objectName().isEmpty() || caption.isEmpty()) {
            continue;
        }
        // One control, one line.
        const QString line = control->objectName() + QLatin1Char('\t') +
                             QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                             QLatin1Char('\n');
        if (!listed.contains(line)) {
            listed.insert(line);
            list += line;
        }
    }
    return list;
}

}  // namespace orvanta

#include "gui/widgets/window_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

namespace orvanta {

namespace {

const QScreen* ScreenOf(const QWidget* window) {
    const QScreen* screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QScrollArea* ScrollingContents(QWidget* contents, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // A click beside a control must not take the focus from it, nor Tab stop here.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(contents);
    return area;
}

QSize NeededSize(QWidget* contents) {
    contents->ensurePolished();
    for (QWidget* widget : contents->findChildren<QWidget*>()) {
        widget->updateGeometry();
    }
    for (QLayout* layout : contents->findChildren<QLayout*>()) {
        layout->invalidate();
    }
    if (contents->layout()) {
        contents->layout()->invalidate();
    }
    return contents->minimumSizeHint();
}

QSize FittedToScreen(const QWidget* window, const QSize& wanted, const QWidget* screen_of) {
    const QScreen* screen = ScreenOf(screen_of ? screen_of : window);
    if (!screen) {
        return wanted;
    }
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return wanted.boundedTo(screen->availableGeometry().size() - frame);
}

bool FitsOnScreen(const QWidget* window, const QWidget* screen_of) {
    const QScreen* screen = ScreenOf(screen_of ? screen_of : window);
    return !screen || screen->availableGeometry().contains(window->frameGeometry());
}

void CentreOnScreen(QWidget* window, const QWidget* screen_of) {
    const QScreen* screen = ScreenOf(screen_of ? screen_of : window);
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    window->move(area.x() + (area.width() - frame.width()) / 2,
                 area.y() + (area.height() - frame.height()) / 2);
}

}  // namespace orvanta

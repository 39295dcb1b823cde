#include "gui/widgets/wrapped_tip.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace orvanta {

namespace {

// Sixty average characters read as one line; a tool tip is never wider than
// half the screen it is on.
constexpr int kLineCharacters = 60;

}  // namespace

QString WrappedText(const QString& text, const QFontMetrics& metrics, int width) {
    QString wrapped;
    QString line;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            wrapped += line + c;
            line.clear();
            continue;
        }
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
            const qsizetype cut = space > 0 ? space + 1 : line.size();
            wrapped += line.left(cut) + QLatin1Char('\n');
            line.remove(0, cut);
        }
        line += c;
    }
    return wrapped + line;
}

QString WrappedToolTip(const QString& text, const QWidget* widget) {
    const QFontMetrics metrics(QToolTip::font());
    int width = metrics.averageCharWidth() * kLineCharacters;
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        width = std::min(width, screen->availableGeometry().width() / 2);
    }
    return WrappedText(text, metrics, std::max(width, metrics.maxWidth()));
}

}  // namespace orvanta

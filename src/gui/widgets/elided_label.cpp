#include "gui/widgets/elided_label.h"

#include <QEvent>
#include <QStringList>

#include "gui/widgets/elided_text.h"
#include "gui/widgets/wrapped_tip.h"

namespace orvanta {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetFullText(const QString& text) {
    if (text == m_full) {
        return;
    }
    m_full = text;
    Elide();
}

void ElidedLabel::SetLines(int lines) {
    m_lines = std::max(1, lines);
    updateGeometry();
}

QSize ElidedLabel::minimumSizeHint() const {
    const QMargins margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * 4, fontMetrics().height() +
                                                      fontMetrics().lineSpacing() * (m_lines - 1) +
                                                      margins.top() + margins.bottom()};
}

QSize ElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        Elide();
    }
}

void ElidedLabel::Elide() {
    const int width = contentsRect().width();
    QStringList shown;
    const QStringList lines = m_full.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        shown << ElidedToWidth(fontMetrics(), line, width);
    }
    const QString text = shown.join(QLatin1Char('\n'));
    if (text != QLabel::text()) {
        setText(text);
    }
    // The whole remark where the label shows less of it, and for a reader.
    setToolTip(text == m_full ? QString() : WrappedToolTip(m_full, this));
    setAccessibleDescription(m_full);
}

}  // namespace orvanta

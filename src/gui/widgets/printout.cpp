#include "gui/widgets/printout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace orvanta {

namespace {

// Room under the heading and between two parts.
constexpr qreal kGapPoints = 9;

QRect AreaOf(const PrintPart& part) {
    return part.area.isEmpty() ? part.widget->rect() : part.area;
}

// The heading, cut with an ellipsis should it be wider than the page; its
// height, gap included, in device pixels.
int PaintHeading(QPainter& painter, const QRect& page, const QString& title, const QFont& base) {
    QFont heading(base, painter.device());
    heading.setBold(true);
    // Points are the same size on paper as on the screen.
    heading.setPointSizeF((base.pointSizeF() > 0 ? base.pointSizeF() : 9) * 1.5);
    painter.save();
    painter.setFont(heading);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(heading, painter.device());
    const QString shown = metrics.elidedText(title, Qt::ElideRight, page.width());
    painter.drawText(QRect(page.left(), page.top(), page.width(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.restore();
    const int gap = qRound(kGapPoints * painter.device()->logicalDpiY() / 72.0);
    return metrics.height() + gap;
}

}  // namespace

void PaintPrintout(QPainter& painter, const QRect& page, const Printout& printout) {
    QList<PrintPart> parts;
    QSize content(0, 0);
    for (const PrintPart& part : printout.parts) {
        if (part.widget) {
            parts << part;
            content.setWidth(std::max(content.width(), AreaOf(part).width()));
            content.setHeight(content.height() + AreaOf(part).height());
        }
    }
    const QFont base = parts.isEmpty() ? QApplication::font() : parts.first().widget->font();
    int top = page.top() + PaintHeading(painter, page, printout.title, base);
    if (parts.isEmpty() || content.isEmpty()) {
        return;
    }

    // As large as on the screen (the same size on paper), smaller only when
    // the page has not the room.
    const QPaintDevice* device = painter.device();
    const int gap = qRound(kGapPoints * device->logicalDpiY() / 72.0);
    const int room = page.bottom() + 1 - top - gap * static_cast<int>(parts.size() - 1);
    const qreal natural =
        static_cast<qreal>(device->logicalDpiX()) / parts.first().widget->logicalDpiX();
    const qreal scale = std::min({natural, static_cast<qreal>(page.width()) / content.width(),
                                  static_cast<qreal>(std::max(room, 1)) / content.height()});
    for (const PrintPart& part : parts) {
        const QRect area = AreaOf(part);
        painter.save();
        painter.translate(page.left(), top);
        painter.scale(scale, scale);
        part.widget->render(&painter, QPoint(), QRegion(area));
        painter.restore();
        top += qRound(area.height() * scale) + gap;
    }
}

}  // namespace orvanta

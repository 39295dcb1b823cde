#include "gui/widgets/drawn_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace orvanta {

namespace {

// Each mark is drawn on a 16-unit square, at every size a button may want.
QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon CalculateIcon() {
    return Drawn([](QPainter& p) {
        QPen pen(QColor(0x2e, 0x8b, 0x2e), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.2, 12.5), QPointF(13.5, 3.5)}));
    });
}

QIcon ClearIcon() {
    return Drawn([](QPainter& p) {
        p.translate(8, 8);
        p.rotate(-40);
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8));
        p.setBrush(QColor(0xf4, 0x9a, 0xb0));
        p.drawRoundedRect(QRectF(-1.5, -3.2, 7.5, 6.4), 1.2, 1.2);
        p.setBrush(QColor(0x5b, 0x8d, 0xd9));
        p.drawRoundedRect(QRectF(-6.5, -3.2, 5.0, 6.4), 1.2, 1.2);
    });
}

QIcon HelpIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2f, 0x6f, 0xc0));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font;
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon DeleteIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0x4a, 0x4a, 0x4a), 1.0));
        p.setBrush(QColor(0xb8, 0xbc, 0xc2));
        QPainterPath bin;
        bin.moveTo(3.5, 4.5);
        bin.lineTo(12.5, 4.5);
        bin.lineTo(11.5, 15);
        bin.lineTo(4.5, 15);
        bin.closeSubpath();
        p.drawPath(bin);
        p.drawRoundedRect(QRectF(2, 2.5, 12, 2), 0.8, 0.8);
        p.drawLine(QPointF(6.5, 1.2), QPointF(9.5, 1.2));
        for (const double x : {6.2, 8.0, 9.8}) {
            p.drawLine(QPointF(x, 6.5), QPointF(x, 13));
        }
    });
}

}  // namespace orvanta

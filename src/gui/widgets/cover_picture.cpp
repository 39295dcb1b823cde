#include "gui/widgets/cover_picture.h"

#include <QPainter>

#include <algorithm>

namespace orvanta {

QRectF CoverPicture::ShownPart() const {
    const QRectF place = contentsRect();
    const QSizeF picture = pixmap().deviceIndependentSize();
    if (place.isEmpty() || picture.isEmpty()) {
        return {};
    }
    const double scale =
        std::max(place.width() / picture.width(), place.height() / picture.height());
    const QSizeF shown(place.width() / scale, place.height() / scale);
    return {QPointF((picture.width() - shown.width()) / 2, (picture.height() - shown.height()) / 2),
            shown};
}

void CoverPicture::paintEvent(QPaintEvent*) {
    const QRectF part = ShownPart();
    if (part.isEmpty()) {
        return;
    }
    const QPixmap picture = pixmap();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double ratio = picture.devicePixelRatio();
    painter.drawPixmap(QRectF(contentsRect()), picture,
                       QRectF(part.topLeft() * ratio, part.size() * ratio));
}

}  // namespace orvanta

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
    const double across = place.width() / picture.width();
    const double down = place.height() / picture.height();
    // The side that fills the place is the picture's whole side, exactly:
    // dividing it back by the scale could make it a hair larger than the
    // picture (351 pixels of a 960 one came back as 960.0000000000001).
    const QSizeF shown = across >= down ? QSizeF(picture.width(), place.height() / across)
                                        : QSizeF(place.width() / down, picture.height());
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

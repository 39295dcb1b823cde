#pragma once

// A picture that covers its place without being stretched: scaled to the
// place's larger proportion and cut to it, centred, as a strip of wallpaper
// is. However wide the window, the picture keeps its own proportions. The
// picture is the label's pixmap.

#include <QLabel>
#include <QRectF>

namespace orvanta {

class CoverPicture : public QLabel {
    Q_OBJECT

public:
    explicit CoverPicture(QWidget* parent = nullptr) : QLabel(parent) {}

    // The part of the picture that is shown, in the picture's own pixels.
    QRectF ShownPart() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvanta

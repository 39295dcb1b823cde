#pragma once

// Text cut to a width with an ellipsis. Qt elides by the font's fractional
// advances, so its cut text can be a pixel wider than the width once the
// advance is rounded to whole pixels: the last pixel of the "…" would then be
// clipped, and a cut figure could read as whole. The cut is made again a pixel
// narrower until the drawn width fits.

#include <QFontMetrics>
#include <QString>

namespace orvanta {

inline QString ElidedToWidth(const QFontMetrics& metrics, const QString& text, int width) {
    QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    for (int narrower = width - 1;
         narrower >= 0 && metrics.horizontalAdvance(shown) > width && shown != text; --narrower) {
        shown = metrics.elidedText(text, Qt::ElideRight, narrower);
    }
    return shown;
}

}  // namespace orvanta

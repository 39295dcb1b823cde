#pragma once

// The monkey's printer: the print preview is a modal window of its own, so
// the monkey paints each printout onto a page-sized image instead, which runs
// the same drawing of the page that the preview and the printer get.

#include <QImage>
#include <QPainter>

#include "gui/widgets/printout.h"

namespace orvanta::monkey {

inline void PaintOnPaper(QWidget*, const Printout& printout) {
    QImage page(595, 842, QImage::Format_RGB32);  // A4 at 72 dots an inch
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPrintout(painter, page.rect(), printout);
}

}  // namespace orvanta::monkey

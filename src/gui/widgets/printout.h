#pragma once

// What Print puts on paper: a heading, then parts of a window as the screen
// shows them (figures, captions and colours), one under the other, all scaled
// alike to fit the page and never beyond their size on the screen. The paint
// routine draws into any painter, the print preview's pages or an image.

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QPainter;

namespace orvanta {

struct PrintPart {
    QPointer<QWidget> widget;
    // In the widget's coordinates; empty: the whole widget.
    QRect area;
};

struct Printout {
    QString title;
    QList<PrintPart> parts;
};

// Paints `printout` into `page`, given in the painter's device coordinates.
void PaintPrintout(QPainter& painter, const QRect& page, const Printout& printout);

// Shows the print preview of `printout`, from which the user prints it or
// saves it as a PDF file; `owner` is the window it belongs to.
using PrintOpener = std::function<void(QWidget* owner, const Printout& printout)>;

}  // namespace orvanta

#include "gui/print/print_preview.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace orvanta {

void ShowPrintPreview(QWidget* owner, const QString& title, const PaintPage& paint) {
    QPrinter printer(QPrinter::HighResolution);
    // Widgets reach paper as pictures drawn at the printer's resolution: 300
    // dots an inch keep figures sharp without pictures of hundreds of megabytes.
    printer.setResolution(300);
    printer.setDocName(title);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* target) {
            QPainter painter(target);
            const QRect page(QPoint(), target->pageRect(QPrinter::DevicePixel).size().toSize());
            paint(painter, page);
        });
    dialog.exec();
}

}  // namespace orvanta

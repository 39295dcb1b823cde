// The orvanta-print module: the print preview, the only code that links Qt
// Print Support, loaded by the program on its first Print.

#include <QtGlobal>

#include "gui/print/print_preview.h"

extern "C" Q_DECL_EXPORT void orvanta_show_print_preview(QWidget* owner, const QString& title,
                                                         const orvanta::PaintPage& paint) {
    orvanta::ShowPrintPreview(owner, title, paint);
}

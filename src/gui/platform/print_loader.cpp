#include "gui/platform/print_loader.h"

#include <QLibrary>
#include <QPainter>

#include "core/base/operation_error.h"
#include "gui/print/print_preview.h"
#include "gui/widgets/standard_texts.h"

namespace orvanta {

namespace {

PrintPreviewEntry LoadEntry(const QStringList& module_folders) {
    static PrintPreviewEntry entry = nullptr;
    for (int i = 0; !entry && i < module_folders.size(); ++i) {
        // QLibrary adds the system's own ending; the module is never unloaded.
        QLibrary module(module_folders[i] + QStringLiteral("/orvanta-print"));
        entry = reinterpret_cast<PrintPreviewEntry>(module.resolve(kPrintPreviewEntry));
    }
    return entry;
}

}  // namespace

void PreviewPrintout(const QStringList& module_folders, QWidget* owner, const Printout& printout) {
    const PrintPreviewEntry entry = LoadEntry(module_folders);
    if (!entry) {
        throw OperationError(kNoPrintModuleText);
    }
    QString title = StandardText(standard_texts::kPrintPreview);
    if (!printout.title.isEmpty()) {
        title += QStringLiteral(": ") + printout.title;
    }
    entry(owner, title, [&printout](QPainter& painter, const QRect& page) {
        PaintPrintout(painter, page, printout);
    });
}

}  // namespace orvanta

#pragma once

// Print on the desktop: the print preview module (orvanta-print) is looked for
// in the module folders and loaded on the first Print, then kept.

#include <QStringList>

#include "gui/widgets/printout.h"

namespace orvanta {

// The preview of `printout`, titled in the open language. Throws
// OperationError naming the module when it cannot be found.
void PreviewPrintout(const QStringList& module_folders, QWidget* owner, const Printout& printout);

// The text of that failure.
inline constexpr const char* kNoPrintModuleText = "The print module orvanta-print was not found";

}  // namespace orvanta

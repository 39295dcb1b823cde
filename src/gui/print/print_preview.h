#pragma once

// The print preview: Qt's preview window over one page, from which the user
// prints it or saves it as a PDF file. It lives in a module of its own
// (orvanta-print), the one part of the program that links Qt Print Support,
// loaded on the first Print: the first window pays nothing for it.

#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace orvanta {

// Paints the page into `page`, given in the painter's device coordinates.
using PaintPage = std::function<void(QPainter& painter, const QRect& page)>;

// Modal over `owner`; `title` names the window and the printed document.
void ShowPrintPreview(QWidget* owner, const QString& title, const PaintPage& paint);

// The module's one entry point, looked up by this name.
inline constexpr const char* kPrintPreviewEntry = "orvanta_show_print_preview";
using PrintPreviewEntry = void (*)(QWidget* owner, const QString& title, const PaintPage& paint);

}  // namespace orvanta

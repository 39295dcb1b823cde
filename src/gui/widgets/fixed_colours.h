#pragma once

// Colours the program fixes, and the text that goes on them. A page that fixes
// a background (pale yellow pages, the computed cells' green, yellow and cyan,
// a profit's lime or red) must fix the text on it too: with the desktop's text
// colour, a dark palette would draw white on pale yellow. Everything the
// program leaves to the palette (edit boxes, plain cells) takes both its
// background and its text from it.

#include <QColor>
#include <QPalette>

#include <optional>

#include "core/grid/text_grid.h"

class QWidget;

namespace orvanta {

// The contrast of two colours as the accessibility guidelines measure it: from
// 1 (the same) to 21 (black on white). Text reads at 4.5 and above.
double ContrastRatio(const QColor& a, const QColor& b);
inline constexpr double kReadableContrast = 4.5;

// The text colour for a fixed background: black, or white where black would
// not read (a dark background a grid file may carry).
QColor TextColourOn(const QColor& background);

// A grid colour as a fixed background, or nothing where it names the
// desktop's own (the system window colour): such cells follow the palette.
std::optional<QColor> FixedBackground(GridColour colour);

// The palette roles a fixed background sets: background and the text drawn
// on it, in every colour group.
void SetFixedColours(QPalette& palette, QPalette::ColorRole background, QPalette::ColorRole text,
                     const QColor& colour);

// Paints a widget's background in a fixed colour; its captions and titles
// (and those of its children) are drawn in the colour that reads on it.
void PaintFixed(QWidget* widget, const QColor& colour);

}  // namespace orvanta

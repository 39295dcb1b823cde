#pragma once

// The tool tip that shows a cut text whole. A tool tip is one line unless told
// otherwise, and a long figure (a 300-digit product) has no space to break at:
// unbroken it runs off the screen. The text is broken into lines no wider
// than a sensible reading width (after a space where it has one), keeping
// every character, so that the lines read back as the text.

#include <QString>

class QFontMetrics;
class QWidget;

namespace orvanta {

// `text` broken into lines of at most `width` pixels.
QString WrappedText(const QString& text, const QFontMetrics& metrics, int width);

// A whole text as the tool tip over `widget` shows it.
QString WrappedToolTip(const QString& text, const QWidget* widget);

}  // namespace orvanta

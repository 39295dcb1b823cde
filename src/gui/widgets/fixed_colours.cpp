#include "gui/widgets/fixed_colours.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// Relative luminance of an sRGB colour.
double Luminance(const QColor& colour) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColourOn(const QColor& background) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

std::optional<QColor> FixedBackground(GridColour colour) {
    if (colour == kColourNone || colour == kColourWindow) {
        return std::nullopt;
    }
    return ToQColor(colour);
}

void SetFixedColours(QPalette& palette, QPalette::ColorRole background, QPalette::ColorRole text,
                     const QColor& colour) {
    palette.setColor(background, colour);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, text, TextColourOn(colour));
    }
}

void PaintFixed(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    SetFixedColours(palette, QPalette::Window, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace orvanta

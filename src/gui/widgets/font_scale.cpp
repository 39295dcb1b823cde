#include "gui/widgets/font_scale.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// What a column is drawn to hold: figures.
const QString kFigures = QStringLiteral("0123456789.,-%");

// Rounding of a product that is whole at a factor of 1 must not add a pixel.
int Ceil(double value) {
    return static_cast<int>(std::ceil(value - 1e-9));
}

}  // namespace

QFont ProgramFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    return font;
}

bool DesktopNamesFont(const QFont& font) {
    return !(font.family() == QStringLiteral("Sans Serif") && font.pointSizeF() == 9.0);
}

FontScale::FontScale(const QFont& font) {
    QFont base = ProgramFont();
    base.setBold(font.bold());
    const QFontMetricsF own(base);
    const QFontMetricsF given(font);
    m_across = std::max(1.0, given.horizontalAdvance(kFigures) / own.horizontalAdvance(kFigures));
    m_extra_height = std::max(0, Ceil(given.height() - own.height()));
}

int FontScale::Across(int width) const {
    return Ceil(width * m_across);
}

int FontScale::AcrossBack(int width) const {
    return std::max(0, Ceil(width / m_across));
}

int FontScale::Down(int height) const {
    return height + m_extra_height;
}

}  // namespace orvanta

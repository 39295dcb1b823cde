#include "gui/widgets/font_scale.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

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
    // Asked for at every size a grid works out, for a handful of fonts: each
    // is measured once. Fonts and their metrics belong to the GUI thread.
    struct Measured {
        QFont font;
        double across;
        int extra_height;
    };
    static std::vector<Measured> measured;
    auto known = std::find_if(measured.begin(), measured.end(),
                              [&font](const Measured& m) { return m.font == font; });
    if (known == measured.end()) {
        QFont base = ProgramFont();
        base.setBold(font.bold());
        const QFontMetricsF own(base);
        const QFontMetricsF given(font);
        measured.push_back(
            {font,
             std::max(1.0, given.horizontalAdvance(kFigures) / own.horizontalAdvance(kFigures)),
             std::max(0, Ceil(given.height() - own.height()))});
        known = measured.end() - 1;
    }
    m_across = known->across;
    m_extra_height = known->extra_height;
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

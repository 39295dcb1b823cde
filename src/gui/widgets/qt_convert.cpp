#include "gui/widgets/qt_convert.h"

#include <QLocale>

namespace orvanta {

QColor ToQColor(GridColour colour) {
    if (colour == kColourNone) {
        return QColor();
    }
    if (colour.IsSystem()) {
        switch (colour.value & 0xFF) {
            case 5:   // window
            case 20:  // button highlight
                return QColor(255, 255, 255);
            case 15:  // button face
                return QColor(240, 240, 240);
            case 22:  // 3D light
                return QColor(227, 227, 227);
            case 16:  // button shadow
                return QColor(160, 160, 160);
            case 24:  // info background
                return QColor(255, 255, 225);
            case 13:  // highlight
                return QColor(0, 120, 215);
            case 27:  // gradient active caption
                return QColor(185, 209, 234);
            case 28:  // gradient inactive caption
                return QColor(215, 228, 242);
            default:
                return QColor(212, 208, 200);
        }
    }
    return QColor(colour.Red(), colour.Green(), colour.Blue());
}

char SystemDecimalSeparator() {
    const QString mark = QLocale::system().decimalPoint();
    if (mark.size() == 1 && mark.at(0).unicode() < 0x80) {
        return static_cast<char>(mark.at(0).unicode());
    }
    return '.';
}

}  // namespace orvanta

#pragma once

// Small bridges between the core's types and Qt's: UTF-8 text, grid colours,
// the decimal separator of the regional settings.

#include <QColor>
#include <QString>

#include <string>

#include "core/grid/text_grid.h"

namespace orvanta {

inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

// Named system colours as the classic Windows desktop shows them, so the
// program looks the same whatever the Qt style.
QColor ToQColor(GridColour colour);

// The regional settings' decimal mark ("." when it is not a single ASCII mark).
char SystemDecimalSeparator();

}  // namespace orvanta

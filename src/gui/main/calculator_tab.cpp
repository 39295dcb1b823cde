#include "gui/main/calculator_tab.h"

#include "gui/widgets/qt_convert.h"

namespace orvanta {

QString CalculatorTab::Text(const char* key, const char* default_text) const {
    return ToQt(m_catalogue.ReadString("FrmMain", key, default_text));
}

}  // namespace orvanta

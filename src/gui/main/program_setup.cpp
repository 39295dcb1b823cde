#include "gui/main/program_setup.h"

#include <QApplication>
#include <QFontDatabase>

#include "gui/widgets/font_scale.h"

namespace orvanta {

QString ProgramName() {
    return QStringLiteral("Orvanta");
}

void SetUpProgram() {
    // No display name: desktop platforms append one to every window title, and the
    // titles are the program's captions exactly ("Orvanta   Version:...", "About").
    QApplication::setApplicationName(ProgramName());
    // The desktop's font is the user's choice, and set here it would stop
    // following the desktop's changes; only where there is none does the
    // program bring its own.
    if (!DesktopNamesFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont))) {
        QApplication::setFont(ProgramFont());
    }
}

}  // namespace orvanta

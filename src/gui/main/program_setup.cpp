#include "gui/main/program_setup.h"

#include <QApplication>
#include <QFont>

namespace orvanta {

QString ProgramName() {
    return QStringLiteral("Orvanta");
}

void SetUpProgram() {
    // No display name: desktop platforms append one to every window title, and the
    // titles are the program's captions exactly ("Orvanta   Version:...", "About").
    QApplication::setApplicationName(ProgramName());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

}  // namespace orvanta

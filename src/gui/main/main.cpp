// Orvanta: starts the application and its main window, and runs the event loop
// until the main window closes.

#include <QApplication>

#include "core/grid/paths.h"
#include "gui/main/main_window.h"
#include "gui/main/program_setup.h"
#include "gui/main/window_openers.h"
#include "gui/platform/desktop_platform.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/qt_prompter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orvanta::SetUpProgram();

    orvanta::DesktopPlatform platform;
    orvanta::QtPrompter prompter(orvanta::ProgramName(),
                                 orvanta::ToQt(orvanta::ProgramBaseName(platform.ProgramFile())));
    orvanta::Services services{prompter, platform, orvanta::SystemDecimalSeparator()};

    orvanta::MainWindow window(services, orvanta::DesktopOpeners(services));
    window.show();
    return QApplication::exec();
}

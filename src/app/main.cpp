// Orvanta: starts the application and its main window, and runs the event loop
// until the main window closes.

#include <QApplication>

#include "app/desktop_platform.h"
#include "app/main_window.h"
#include "app/program_setup.h"
#include "app/window_openers.h"
#include "toolkit/paths.h"
#include "toolkit/qt_convert.h"
#include "toolkit/qt_prompter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orvanta::SetUpProgram();

    orvanta::DesktopPlatform platform;
    orvanta::QtPrompter prompter(orvanta::ProgramName(),
                                 orvanta::ToQt(orvanta::ProgramBaseName(platform.ProgramFile())));
    orvanta::Services services{prompter, platform, orvanta::SystemDecimalSeparator()};

    orvanta::TFrmMain window(services, orvanta::DesktopOpeners(services));
    window.show();
    return QApplication::exec();
}

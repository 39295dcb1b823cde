// Orvanta: starts the application and its main window, and runs the event loop
// until the main window closes.
//
// With ORVANTA_PRINT_CAPTIONS set, the program prints what the main window
// shows once it is up (a line "object name<TAB>caption" for each named
// control) on standard output, and ends: checks of an installed program see
// that it found its catalogue, with no screen to read.

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "core/base/paths.h"
#include "gui/main/main_window.h"
#include "gui/main/program_setup.h"
#include "gui/main/window_openers.h"
#include "gui/platform/desktop_platform.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/qt_prompter.h"
#include "gui/widgets/window_controls.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orvanta::SetUpProgram();

    orvanta::DesktopPlatform platform;
    orvanta::QtPrompter prompter(orvanta::ProgramName(),
                                 orvanta::ToQt(orvanta::ProgramBaseName(platform.ProgramFile())));
    orvanta::Services services{prompter, platform, orvanta::SystemDecimalSeparator()};

    orvanta::MainWindow window(services, orvanta::DesktopOpeners(services));
    window.show();
    if (qEnvironmentVariableIsSet("ORVANTA_PRINT_CAPTIONS")) {
        QTimer::singleShot(0, &window, [&window] {
            std::fputs(orvanta::ListCaptions(window).toUtf8().constData(), stdout);
            std::fflush(stdout);
            window.close();
        });
    }
    return QApplication::exec();
}

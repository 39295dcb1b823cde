#include "gui/main/window_openers.h"

#include <QApplication>

#include "core/grid/handler_guard.h"
#include "core/update/update_check.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"

namespace orvanta {

namespace {

// The windows read their texts from the main window's catalogue. The owner is the main
// window itself or a window it opened (the live window opens the help too).
const Catalogue& OpenCatalogue(QWidget* owner) {
    for (QWidget* widget = owner; widget; widget = widget->parentWidget()) {
        if (const auto* main = qobject_cast<const MainWindow*>(widget)) {
            return main->CurrentCatalogue();
        }
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (const auto* main = qobject_cast<const MainWindow*>(widget)) {
            return main->CurrentCatalogue();
        }
    }
    static const Catalogue kNoCatalogue;
    return kNoCatalogue;
}

}  // namespace

MainWindowOpeners DesktopOpeners(Services& services) {
    MainWindowOpeners openers;
    // Each window is made for one showing, shown modally and destroyed when it closes. Every
    // opener reports its own failures, so callers that do not guard lose nothing.
    openers.open_help = [&services](QWidget* owner, int help_topic) {
        RunGuarded(services.prompter, [&] {
            HelpWindow help(services, OpenCatalogue(owner), owner);
            help.SetHelpTopic(help_topic);
            help.exec();
        });
    };
    openers.open_about = [&services](QWidget* owner) {
        RunGuarded(services.prompter, [&] {
            AboutBox about(services, OpenCatalogue(owner), owner);
            about.exec();
        });
    };
    openers.open_live = [&services, open_help = openers.open_help](QWidget* owner) {
        RunGuarded(services.prompter, [&] {
            LiveWindow live(services, OpenCatalogue(owner), open_help, owner);
            live.exec();
        });
    };
    openers.check_for_updates = [&services](QWidget* owner) {
        bool close_main = false;
        RunGuarded(services.prompter, [&] {
            UpdateCheck check(services, OpenCatalogue(owner));
            close_main = check.CheckForUpdates();
        });
        return close_main;
    };
    openers.start_manual_update = [&services](QWidget*) {
        bool close_main = false;
        RunGuarded(services.prompter, [&] { close_main = StartManualUpdate(services); });
        return close_main;
    };
    return openers;
}

}  // namespace orvanta

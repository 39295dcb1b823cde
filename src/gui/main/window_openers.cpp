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
        if (const auto* main = qobject_cast<const TFrmMain*>(widget)) {
            return main->CurrentCatalogue();
        }
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (const auto* main = qobject_cast<const TFrmMain*>(widget)) {
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
    openers.openHelp = [&services](QWidget* owner, int help_topic) {
        RunGuarded(services.prompter, [&] {
            TFrmHelp help(services, OpenCatalogue(owner), owner);
            help.SetHelpTopic(help_topic);
            help.exec();
        });
    };
    openers.openAbout = [&services](QWidget* owner) {
        RunGuarded(services.prompter, [&] {
            TAboutDlgS about(services, OpenCatalogue(owner), owner);
            about.exec();
        });
    };
    openers.openLive = [&services, open_help = openers.openHelp](QWidget* owner) {
        RunGuarded(services.prompter, [&] {
            LiveWindow live(services, OpenCatalogue(owner), open_help, owner);
            live.exec();
        });
    };
    openers.checkForUpdates = [&services](QWidget* owner) {
        bool close_main = false;
        RunGuarded(services.prompter, [&] {
            UpdateCheck check(services, OpenCatalogue(owner));
            close_main = check.CheckForUpdates();
        });
        return close_main;
    };
    openers.manualUpdate = [&services](QWidget*) {
        bool close_main = false;
        RunGuarded(services.prompter, [&] { close_main = ManualUpdate(services); });
        return close_main;
    };
    return openers;
}

}  // namespace orvanta

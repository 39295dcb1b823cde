#include "gui/main/window_openers.h"

#include <QApplication>
#include <QPointer>

#include <memory>

#include "core/base/handler_guard.h"
#include "core/update/update_check.h"
#include "gui/help/about_dialog.h"
#include "gui/help/help_window.h"
#include "gui/live/live_window.h"
#include "gui/platform/desktop_platform.h"
#include "gui/platform/print_loader.h"
#include "gui/widgets/control_table.h"

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

// The automatic update check while it runs: it lives as long as the main window
// keeps it, and closes the window once it has started the update program.
class UpdateRun : public QObject {
public:
    UpdateRun(Services& services, QWidget* owner)
        : m_owner(owner), m_check(services, OpenCatalogue(owner), [this](bool close_window) {
              // Whoever watches the check (a test, an accessibility tool) sees it end.
              setProperty("finished", true);
              if (close_window && m_owner) {
                  // After the check's own call has returned.
                  QMetaObject::invokeMethod(
                      m_owner,
                      [owner = m_owner] {
                          if (owner) {
                              owner->close();
                          }
                      },
                      Qt::QueuedConnection);
              }
          }) {}

    void Start() {
        NameControl(this, Control<>::Own("UpdateCheck", "update_check"));
        m_check.Start();
    }

private:
    QPointer<QWidget> m_owner;
    UpdateCheck m_check;
};

}  // namespace

MainWindowOpeners DesktopOpeners(Services& services) {
    MainWindowOpeners openers;
    // Each window is made for one showing, shown modally and destroyed when it closes. Every
    // opener reports its own failures, so callers that do not guard lose nothing.
    openers.open_help = [&services](QWidget* owner, HelpTopic help_topic) {
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
    openers.print_preview = [&services](QWidget* owner, const Printout& printout) {
        RunGuarded(services.prompter, [&] {
            PreviewPrintout(DesktopPlatform::DefaultModuleFolders(), owner, printout);
        });
    };
    openers.open_live = [&services, open_help = openers.open_help,
                         print = openers.print_preview](QWidget* owner) {
        RunGuarded(services.prompter, [&] {
            LiveWindow live(services, OpenCatalogue(owner), open_help, owner);
            live.SetPrintOpener(print);
            live.exec();
        });
    };
    openers.start_update_check = [&services](QWidget* owner) -> std::unique_ptr<QObject> {
        auto run = std::make_unique<UpdateRun>(services, owner);
        run->Start();
        return run;
    };
    openers.start_manual_update = [&services](QWidget* owner) {
        bool close_main = false;
        RunGuarded(services.prompter,
                   [&] { close_main = StartManualUpdate(services, OpenCatalogue(owner)); });
        return close_main;
    };
    return openers;
}

}  // namespace orvanta

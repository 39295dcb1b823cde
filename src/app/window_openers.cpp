#include "app/window_openers.h"

namespace orvanta {

MainWindowOpeners DesktopOpeners(Services& services) {
    (void)services;
    MainWindowOpeners openers;
    return openers;
}

}  // namespace orvanta

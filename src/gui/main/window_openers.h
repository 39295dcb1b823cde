#pragma once

// The real windows and checks behind the main window's menu.

#include "gui/main/main_window.h"

namespace orvanta {

MainWindowOpeners DesktopOpeners(Services& services);

}  // namespace orvanta

#pragma once

// What screen readers are told beyond Qt's own reading of the widgets: a grid
// as the table it shows (grid_accessible.h), and a row of dialog buttons
// named by its buttons, as the windows' own panels are.

namespace orvanta {

// Once for the program; every window that needs it calls it.
void InstallAccessibility();

}  // namespace orvanta

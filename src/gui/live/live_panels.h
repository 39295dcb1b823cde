#pragma once

// The band under the live position sheet: three coloured panels laid out alike,
// a title, the column labels "1", "X", "2" and one row of boxes per figure.
// The current-odds panel takes the odds and shows what they imply, the
// suggestion panel is one that nothing fills, the totals panel sums the sheet
// up. The widgets come from the window's control table; this only places them.

#include "gui/live/live_window_controls.h"

class QGroupBox;

namespace orvanta {

// Puts the panel's widgets into its group, on the panel's colour, and returns
// the group. Every box is read-only; the window opens the ones it takes typing in.
QGroupBox* LayOutPanel(const LivePanelLayout& panel, const ControlSet& controls);

}  // namespace orvanta

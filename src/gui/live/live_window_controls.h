#pragma once

// The live window's controls as one table: each widget's object name (the
// name tests, automation and accessibility tools find it by), the page field
// or caption it shows, and, for the band of panels under the sheet, the place
// it takes there. The window, its panels and its wiring all read it.

#include <QColor>

#include <array>
#include <vector>

#include "core/live/live_ledger.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

using LiveControl = Control<LivePage>;

// A row of a panel: its caption, then a box under each of "1", "X" and "2"; a
// control without an object name leaves its column empty.
struct LivePanelRow {
    LiveControl caption;
    std::array<LiveControl, 3> boxes;
};

// One of the three panels under the sheet, all laid out alike: a coloured
// group holding a title, the column labels "1", "X", "2" and the rows.
struct LivePanel {
    LiveControl group;
    QColor background;
    LiveControl title;
    std::array<LiveControl, 3> outcomes;
    std::vector<LivePanelRow> rows;
};

struct LiveWindowControls {
    LiveControl splitter;
    LiveControl game_list;
    LiveControl sheet;
    LivePanel current_odds;
    LivePanel suggestion;
    LivePanel totals;
    LiveControl new_game;
    LiveControl delete_game;
    LiveControl suggest;  // the suggestion panel's button, which does nothing
    LiveControl help;
    LiveControl exit;
    LiveControl picture;

    // Every control above, in the order the window makes them, which is the
    // order Tab visits them in.
    std::vector<LiveControl> Table() const;
};

const LiveWindowControls& LiveControls();

}  // namespace orvanta

#pragma once

// The live window's controls as one table, in the order the window makes them,
// which is the order Tab visits them in; and the band of panels under the sheet
// as data over the table's rows.

#include <QColor>

#include <array>
#include <vector>

#include "core/live/live_ledger.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

const ControlTable<LivePage>& LiveWindowControls();

// A row of a panel: its caption, then a box under each of "1", "X" and "2"
// (nullptr leaves the column empty); controls by domain name.
struct LivePanelLine {
    const char* caption;
    std::array<const char*, 3> boxes;
    // A box under the panel's result column; nullptr when it has none.
    const char* result = nullptr;
};

// One of the three panels under the sheet, all laid out alike: a coloured
// group holding a title, the column captions "1", "X", "2" and the rows.
struct LivePanelLayout {
    const char* group;
    QColor background;
    const char* title;
    std::array<const char*, 3> columns;
    std::vector<LivePanelLine> lines;
    // A control beside the title, and one beside the last row's single box,
    // each across the columns "X" and "2"; nullptr for none.
    const char* beside_title = nullptr;
    const char* beside_last = nullptr;
    // A box at the end of the title's row; a fourth column's caption after
    // "2", whose boxes the lines name; and a label across the panel under its
    // lines. nullptr for none.
    const char* title_box = nullptr;
    const char* result_column = nullptr;
    const char* notes = nullptr;
    // How wide each box is: enough for a four-figure sum with sign and two
    // decimals. A panel of four columns takes a little less, so that the band
    // keeps the window's width.
    int box_width = 58;
};

// The current-odds, suggestion and totals panels, from left to right.
const std::vector<LivePanelLayout>& LivePanels();

}  // namespace orvanta

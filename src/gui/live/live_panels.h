#pragma once

// The band under the live position sheet: three coloured panels laid out alike,
// a title, the column labels "1", "X", "2" and one row of boxes per figure.
// GroupBox2 takes the current odds and shows what they imply, GroupBox3 is the
// suggestion panel that nothing fills, GroupBox1 sums the sheet up. Controls
// bear their layout names, so the window finds them by objectName.

class QGroupBox;
class QWidget;

namespace orvanta {

struct LivePanels {
    QGroupBox* GroupBox2 = nullptr;  // current odds, probabilities, Ganiota
    QGroupBox* GroupBox3 = nullptr;  // suggestions
    QGroupBox* GroupBox1 = nullptr;  // Game Wager, Return, Result
};

// Builds the three panels as children of `parent`; only Edit13, Edit14 and
// Edit15 are editable.
LivePanels BuildLivePanels(QWidget* parent);

}  // namespace orvanta

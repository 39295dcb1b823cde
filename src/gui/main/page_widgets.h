#pragma once

// Building blocks shared by the main window's pages.

#include <QColor>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <initializer_list>
#include <vector>

#include "core/base/services.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/fixed_colours.h"
#include "gui/widgets/font_scale.h"

namespace orvanta {

class GridView;

// The arbitrage and probability grids: odds typed into row 1 through the number
// key filter, Enter walking along the row; the grid sized to show every cell.
void BindOddsRowGrid(GridView* grid, Services& services);

// The number key filter (digits and either decimal mark, which becomes the
// user's separator) for a grid or an edit box.
FilteredLineEdit::KeyFilter NumberKeyFilter(const Services& services);

// Captions beside a grid's rows: a gap for the header row, then one label per row,
// which a screen reader reads as the row's header.
QWidget* RowCaptions(QWidget* parent, GridView* grid, std::initializer_list<QLabel*> labels);

// A page's layout from the top: its title centred, then the grid centred with
// its row captions in front. The page adds what goes under them.
QVBoxLayout* TitledGridLayout(QWidget* page, QLabel* title, GridView* grid,
                              std::initializer_list<QLabel*> row_captions);

// A grid of boxes, each with its caption in front of it, right-aligned.
QGridLayout* CaptionedBoxGrid();
void AddCaptionedBox(QGridLayout* grid, QLabel* caption, QWidget* box, int row, int col);

// Widths that share out the grid's own: a column with figures widens to at
// least `least`, and the columns without give up what that takes, each down
// to no less than its `least` (its header).
std::vector<int> SharedWidths(const std::vector<int>& rest, const std::vector<bool>& with_odds,
                              const std::vector<int>& least);

// The width of a page's edit boxes at the program's font.
inline constexpr int kBoxWidth = 80;

// A width drawn for the program's font, at the font a page shows.
inline int Across(const QWidget* page, int width) {
    return FontScale(page->font()).Across(width);
}

// The pale yellow of the calculator pages, with captions that read on it.
inline void PaintPage(QWidget* page, const QColor& colour = QColor(255, 255, 196)) {
    PaintFixed(page, colour);
}

inline QFont TitleFont(const QFont& base) {
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(base.pointSizeF() * 1.5);
    return font;
}

}  // namespace orvanta

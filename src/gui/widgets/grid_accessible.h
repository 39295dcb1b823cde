#pragma once

// What a screen reader finds in a grid. A grid draws its headers as cells of
// its own fixed rows and columns, which Qt's reading of a table would offer as
// data, beside header bars the grid hides. A grid is read here as the table it
// shows instead:
//
//   - its column headers, one for each column that is not fixed, named by the
//     fixed rows' texts over it ("Buy 1" under a merged "Buy"), and the
//     caption where fixed rows and columns meet, when it says something;
//   - then, row by row below the fixed rows, the row's header (the fixed
//     columns' texts, or the caption label beside the row) and its cells.
//
// Rows and columns are counted from the first one that is not fixed. A cell
// reads its text; a cell with a check box is a checkable check box, named by
// its text or else by its column, and offers Toggle, which flips the box as a
// click on it does (the page's check-box hook); any
// other cell of a grid the user works in offers Press, which does what a
// click on the cell does: the page may refuse the cell or act on it (the
// parlay sheet's result cells flip WIN and LOST), else it becomes current.

#include <QAccessibleInterface>
#include <QItemSelection>
#include <QModelIndex>
#include <QString>

namespace orvanta {

class GridView;

// What answers screen readers for a grid, as a factory for QAccessible (see
// InstallAccessibility).
QAccessibleInterface* MakeGridAccessible(const QString& class_name, QObject* object);

// Tell a listening screen reader what changed, by the grid's own numbering.
void TellCurrentCell(GridView& view, const QModelIndex& current);
void TellSelection(GridView& view, const QItemSelection& selected,
                   const QItemSelection& deselected);
void TellCellsChanged(GridView& view, const QModelIndex& top_left, const QModelIndex& bottom_right);

}  // namespace orvanta

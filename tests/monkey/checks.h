#pragma once

// What must hold in any window after any step, whatever the window: no text
// drawn cut without its ellipsis, no figure reading INF or NAN, and every cell
// and box that has a key filter holding only what typing through that filter
// could have left.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace orvanta {
class GridView;
}

namespace orvanta::monkey {

// A key filter as the core defines them: the typed character and the text
// typed so far, giving the character kept or nothing.
using KeyFilter = std::function<std::optional<char>(char typed, const std::string& so_far)>;

// Texts drawn cut without the mark, in the window's grids and boxes.
void CheckDrawnTexts(QWidget* window, QStringList& faults);

// A figure reading INF or NAN in a box that is not one of `user_boxes` (whose
// text the user wrote), or in a cell of a grid that is not one of
// `text_grids` (grids of names, not figures).
void CheckNoInfinities(QWidget* window, const QStringList& text_grids,
                       const QStringList& user_boxes, QStringList& faults);

// What typing `text` key by key through `filter` leaves.
QString Refiltered(const QString& text, const KeyFilter& filter);

// A fault when `text` is not what `filter` lets through.
void CheckFiltered(const QString& where, const QString& text, const KeyFilter& filter,
                   QStringList& faults);

// The same for every cell the user may edit in `grid`, and for its editor
// while one is open.
void CheckFilteredGrid(GridView* grid, const KeyFilter& filter, QStringList& faults);

}  // namespace orvanta::monkey

#pragma once

// Windows that fit the screen. A window is drawn at a size; a large font or
// display scale can make it larger than the screen's free area, and a window
// that runs off the screen hides its buttons. Such a window opens at the size
// of the free area instead, and its contents scroll where they cannot shrink.

#include <QSize>

class QScrollArea;
class QWidget;

namespace orvanta {

// `contents` in a frameless scroll area that shows scroll bars only when it is
// given less room than the contents need; with room enough it looks like the
// contents alone.
QScrollArea* ScrollingContents(QWidget* contents, QWidget* parent);

// The least size that shows `contents` whole. Asked before the window first
// shows, a layout may still hold sizes from before captions and fonts were
// set (hidden widgets do not tell their layouts of a change) and from before
// the style polished the widgets: they are all worked out anew.
QSize NeededSize(QWidget* contents);

// `wanted`, bounded by the free area of the screen the window opens on (that
// of `screen_of` when given), less the window's frame once it has one.
QSize FittedToScreen(const QWidget* window, const QSize& wanted,
                     const QWidget* screen_of = nullptr);

// Whether the window, frame included, lies in its screen's free area. The
// frame is known only once the window shows: a window fitted before may need
// fitting again then.
bool FitsOnScreen(const QWidget* window, const QWidget* screen_of = nullptr);

// Moves a window (frame included) to the centre of that screen's free area.
void CentreOnScreen(QWidget* window, const QWidget* screen_of = nullptr);

}  // namespace orvanta

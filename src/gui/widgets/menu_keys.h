#pragma once

// Keyboard access to a window's menu bar. Alt alone is Qt's own; F10 is added
// here so that both open the bar the same way, and the bar's current item is
// drawn highlighted in every style.

class QMenuBar;

namespace orvanta {

// Gives F10 to `bar`'s window: the bar takes the keyboard with its first item
// highlighted, so arrows, Enter and Escape then work as after Alt.
void AddMenuBarKey(QMenuBar* bar);

}  // namespace orvanta

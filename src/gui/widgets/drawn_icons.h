#pragma once

// The pictures on the main window's buttons and menu, drawn here rather than
// taken from the desktop's icon theme: looking a theme up loads the icon
// engines and every image format before the first window shows, and these few
// marks look the same on every desktop.

#include <QIcon>

namespace orvanta {

QIcon CalculateIcon();  // a green tick
QIcon ClearIcon();      // an eraser
QIcon HelpIcon();       // a question mark in a blue disc
QIcon DeleteIcon();     // a waste bin

}  // namespace orvanta

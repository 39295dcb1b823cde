#pragma once

// What a control shows as its caption, whatever kind of control it is, and the
// list of a window's captions that automation reads.

#include <QObject>
#include <QString>

namespace orvanta {

// Shows `text` where a control of its kind shows one: a window's title, a
// label's or a button's text, a menu item's text, a menu's title, the tab of a
// tab page.
void SetCaption(QObject* control, const QString& text);
// What SetCaption set: the text a control of its kind shows; empty for others.
QString CaptionOf(const QObject* control);

// "object name<TAB>caption", a line for each named control of `window` (the
// window itself first) that shows a caption, as the user reads it (without a
// mnemonic's mark), in the order they were made; a control shown twice under
// one name (a menu and its menu bar item) once.
QString ListCaptions(const QObject& window);

}  // namespace orvanta

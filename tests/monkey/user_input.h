#pragma once

// What a user does with the keyboard and the mouse, as the monkey does it: real
// key and mouse events sent where the desktop would send them, a paste by each
// of its ways in, a drag and drop of text. Each returns a line for the log.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

#include "monkey/rng.h"

namespace orvanta {
class GridView;
}

namespace orvanta::monkey {

struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int weight;
};

// Digits, both decimal marks, letters, signs, Space, Enter, Tab, the arrows,
// Home, End and the page keys (with Ctrl too), F1, F2, F10, Escape, Delete,
// Backspace and a few shortcuts, weighted toward typing.
const std::vector<Key>& Keys();
const Key& KeyNamed(const char* name);

// Where a key goes: an open menu, else the window's focused control, else the
// window itself.
QWidget* KeyTarget(QWidget* window);
void Press(QWidget* target, const Key& key);
// Types each character as a key of its own.
void TypeText(QWidget* target, const QString& text);

// Texts that have hurt number fields before: field marks, signs, exponents,
// full-width and other digits, line breaks, Greek, a NUL, very long figures.
const std::vector<QString>& NastyTexts();
// A nasty text, or a random mix of such characters.
QString NastyText(Rng& rng);
// What a user types as a figure: digits with perhaps a decimal mark.
QString Figure(Rng& rng);

enum class PastePath { kCtrlV, kShiftInsert, kContextMenu, kInputMethod };
const char* PathName(PastePath path);
// Puts `text` on the clipboard and pastes it into `target` by `path`. From the
// context menu, now and then an item other than Paste is chosen.
QString Paste(QWidget* target, PastePath path, const QString& text, Rng& rng);
// Drags `text` over `target` and drops it at `at`, as far as the target lets it.
QString Drop(QWidget* target, QPoint at, const QString& text, Rng& rng);

void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void DoubleClick(QWidget* widget, QPoint at);
// A press, a move by `dx` and a release: dragging an edge or a handle.
void Drag(QWidget* widget, QPoint from, int dx);
QPoint PointIn(const QRect& rect, Rng& rng);

// A cell of the grid that is in view, at random; nothing when none is.
std::optional<std::pair<int, int>> CellInView(GridView* grid, Rng& rng);
QRect CellRect(GridView* grid, int col, int row);

// The window's widgets of a kind that are shown and enabled.
template <typename Widget>
QList<Widget*> Visible(QWidget* window) {
    QList<Widget*> shown;
    for (Widget* widget : window->findChildren<Widget*>()) {
        if (widget->isVisible() && widget->isEnabled()) {
            shown << widget;
        }
    }
    return shown;
}

template <typename T>
T* PickFrom(const QList<T*>& items, Rng& rng) {
    return items.isEmpty() ? nullptr : items.at(rng.Below(static_cast<int>(items.size())));
}

// A control as the log names it: its object name, or what it lies in.
QString Describe(const QWidget* widget);

// A menu left open (by the keyboard) closes when the mouse goes elsewhere.
bool CloseOpenMenus();

}  // namespace orvanta::monkey

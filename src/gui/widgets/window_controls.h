#pragma once

// The controls a window makes for itself (its buttons, menus and menu items, tab
// pages, panels and timers), named and captioned from the window's table. Each
// row gives a control's object name (the name tests, automation and
// accessibility tools find it by) and what it shows: a caption from the
// catalogue, a text that is the same in every language, or no text at all. The
// window makes each control where its layout wants it and names it through its
// row; Caption then sets every catalogue text at once, whatever kind of control
// shows it.

#include <QObject>
#include <QString>

#include <utility>
#include <vector>

#include "core/i18n/catalogue.h"

namespace orvanta {

struct WindowControl {
    const char* object_name;
    const CatalogueText* caption = nullptr;
    const char* fixed_text = nullptr;
};

// Shows `text` where a control of its kind shows one: a window's title, a
// label's or a button's text, a menu item's text, a menu's title, the tab of a
// tab page.
void SetCaption(QObject* control, const QString& text);
// What SetCaption set: the text a control of its kind shows; empty for others.
QString CaptionOf(const QObject* control);

// "object name<TAB>caption", a line for each named control of `window` (the
// window itself first) that shows a caption, in the order they were made; a
// control shown twice under one name (a menu and its menu bar item) once.
QString ListCaptions(const QObject& window);

class WindowControls {
public:
    // Gives `control` its row's object name and fixed text, and keeps it for
    // Caption when the row has a catalogue caption.
    template <typename Control>
    Control* Name(Control* control, const WindowControl& row) {
        control->setObjectName(QString::fromLatin1(row.object_name));
        if (row.fixed_text) {
            SetCaption(control, QString::fromUtf8(row.fixed_text));
        }
        if (row.caption) {
            m_captioned.emplace_back(control, row.caption);
        }
        return control;
    }

    // Every named control's caption from the catalogue.
    void Caption(const Catalogue& catalogue) const;

private:
    std::vector<std::pair<QObject*, const CatalogueText*>> m_captioned;
};

}  // namespace orvanta

#pragma once

// Finds a control of a window by what it is, never by the name it has in the
// form: by the page field it shows (&ArbitragePage::total_wager), by its
// domain name ("odds_1", "help_item") or by the caption it shows
// (captions::kCalculate), through the window's table, which holds the
// object name the control is then looked up by.

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <type_traits>

#include "gui/widgets/control_table.h"
#include "gui/widgets/keyboard_access.h"
#include "gui/widgets/window_controls.h"

namespace orvanta::testing {

// The row a test means; a key that is in no row is a fault of the test and
// ends it with the key's name.
template <typename Page, typename Key>
const Control<Page>& Row(const ControlTable<Page>& table, const Key& key) {
    const Control<Page>* row = RowOf(table, key);
    if (!row) {
        if constexpr (std::is_convertible_v<Key, const char*>) {
            qFatal("no control \"%s\" in the table", static_cast<const char*>(key));
        } else {
            qFatal("a control the table does not hold");
        }
    }
    return *row;
}

// The row's object name, for the rare test that reads what automation reads.
template <typename Page, typename Key>
QString ObjectName(const ControlTable<Page>& table, const Key& key) {
    return QString::fromLatin1(Row(table, key).object_name);
}

// The control of `window` (the window itself too) that the key means, of the
// type asked for; nullptr when the window holds none.
template <typename Widget = QWidget, typename Page, typename Key>
Widget* Find(const QObject& window, const ControlTable<Page>& table, const Key& key) {
    const QString name = ObjectName(table, key);
    if (window.objectName() == name) {
        if (auto* itself = qobject_cast<Widget*>(const_cast<QObject*>(&window))) {
            return itself;
        }
    }
    return window.findChild<Widget*>(name);
}

// A control's caption as the user reads it: without its mnemonic's mark.
inline QString ReadCaption(const QObject* control) {
    return WithoutMnemonic(CaptionOf(control));
}

}  // namespace orvanta::testing

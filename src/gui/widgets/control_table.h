#pragma once

// A window's controls as one table. Each row names a widget by its object name
// (the name tests, automation and accessibility tools find it by) and says what
// it shows: a caption from the catalogue or a fixed text (a label, or a button
// or any other widget the row makes), an edit box of the page, or a grid of the
// page. The window builds its widgets from the table, captions them from it and
// binds its boxes through it, so that every name and caption is written once.

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "gui/widgets/box_binding.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/window_controls.h"

namespace orvanta {

template <typename Page>
struct Control {
    const char* object_name;
    const CatalogueText* caption = nullptr;
    TextBox Page::*box = nullptr;
    TextGrid Page::*grid = nullptr;
    // A label's text in every language, for the captions the catalogue has no
    // key for.
    const char* fixed_text = nullptr;
    // What a row that is neither a box nor a grid of the page makes; a label
    // when nothing is said.
    QWidget* (*make)(QWidget* parent) = nullptr;
};

template <typename Widget>
QWidget* MakeWidget(QWidget* parent) {
    return new Widget(parent);
}

// A table row for a push button captioned from the catalogue.
template <typename Page>
Control<Page> PushButton(const char* object_name, const CatalogueText& caption) {
    Control<Page> control{object_name, &caption};
    control.make = MakeWidget<QPushButton>;
    return control;
}

// The widgets of one table, made for one page struct.
template <typename Page>
class ControlWidgets {
public:
    // `errors` is the grids' error edge.
    ControlWidgets(QWidget* parent, Page& page, Prompter& errors, std::vector<Control<Page>> table)
        : m_table(std::move(table)) {
        for (const Control<Page>& control : m_table) {
            QWidget* widget = nullptr;
            if (control.box) {
                auto* box = new FilteredLineEdit(parent);
                m_boxes.Bind(box, &(page.*control.box));
                widget = box;
            } else if (control.grid) {
                widget = new GridView(page.*control.grid, errors, parent);
            } else if (control.make) {
                widget = control.make(parent);
                if (control.fixed_text) {
                    SetCaption(widget, QString::fromUtf8(control.fixed_text));
                }
            } else {
                widget = new QLabel(
                    control.fixed_text ? QString::fromUtf8(control.fixed_text) : QString(), parent);
            }
            widget->setObjectName(QString::fromLatin1(control.object_name));
            m_widgets[control.object_name] = widget;
        }
    }

    FilteredLineEdit* Box(TextBox Page::*field) const {
        return static_cast<FilteredLineEdit*>(
            Find([field](const Control<Page>& c) { return c.box == field; }));
    }
    GridView* Grid(TextGrid Page::*field) const {
        return static_cast<GridView*>(
            Find([field](const Control<Page>& c) { return c.grid == field; }));
    }
    QLabel* Label(const CatalogueText& caption) const {
        return static_cast<QLabel*>(Find([&caption](const Control<Page>& c) {
            return c.caption == &caption && !c.box && !c.grid && !c.make;
        }));
    }
    QPushButton* Button(const CatalogueText& caption) const {
        return static_cast<QPushButton*>(Find([&caption](const Control<Page>& c) {
            return c.caption == &caption && c.make == MakeWidget<QPushButton>;
        }));
    }
    QLabel* Label(const char* fixed_text) const {
        return static_cast<QLabel*>(Find([fixed_text](const Control<Page>& c) {
            return fixed_text && c.fixed_text == fixed_text;
        }));
    }
    // The widget a row of the table made.
    template <typename Widget = QWidget>
    Widget* Made(const Control<Page>& control) const {
        return static_cast<Widget*>(m_widgets.at(control.object_name));
    }

    // Every label's and button's caption from the catalogue.
    void Caption(const Catalogue& catalogue) const {
        for (const Control<Page>& control : m_table) {
            if (control.caption && !control.box && !control.grid) {
                SetCaption(m_widgets.at(control.object_name),
                           ToQt(catalogue.Read(*control.caption)));
            }
        }
    }

    const BoxBinding& Boxes() const { return m_boxes; }

private:
    template <typename Match>
    QWidget* Find(Match match) const {
        for (const Control<Page>& control : m_table) {
            if (match(control)) {
                return m_widgets.at(control.object_name);
            }
        }
        return nullptr;
    }

    std::vector<Control<Page>> m_table;
    std::map<std::string, QWidget*> m_widgets;
    BoxBinding m_boxes;
};

}  // namespace orvanta

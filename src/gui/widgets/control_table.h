#pragma once

// A window's controls as one table. Each row names one control twice: by its
// object name, the name it had in the form it was first drawn in, which
// automation and the installed-program checks find it by and which never
// changes, and by its domain name, what it is in the code's words (the page
// field a box shows, "calculate", "help_menu"). It says what the control shows
// (a catalogue caption or a text the same in every language), which box or
// grid of the page it is or what widget it makes, and what a screen reader is
// to call it. A window's Controls make or name its widgets from the table,
// caption them, tell screen readers about them, bind the page's boxes and find
// a control again by field, domain name or caption, so that every name and
// caption is written once.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <cstring>
#include <type_traits>
#include <vector>

#include "core/base/services.h"
#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "core/i18n/catalogue.h"
#include "gui/widgets/box_binding.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/window_controls.h"

namespace orvanta {

// The page of a window that shows no page struct.
struct NoPage {};

// What a row says that does not depend on the page.
struct ControlText {
    const char* object_name = nullptr;
    const char* domain_name = nullptr;
    // What the control shows: a caption from the catalogue, or a text the same
    // in every language.
    const CatalogueText* caption = nullptr;
    const char* fixed_text = nullptr;
    // What a row that shows no field of the page makes; nothing when the
    // window makes the control itself and names it through the row.
    QWidget* (*make)(QWidget* parent) = nullptr;

    // How a screen reader names a control that shows no caption of its own (a
    // box, a grid, a panel): the captions of other rows, each written as its
    // domain name in a text whose other characters stay as they are
    // ("game_wager_label totals_column_x" reads "Game Wager X"), then a catalogue text
    // or a text the same in every language, for a name no row of the table
    // shows (the page's title on its tab).
    const char* named_by = nullptr;
    const CatalogueText* name = nullptr;
    const char* fixed_name = nullptr;
    // What it reads after the name: the captions of other rows, as above (a
    // grid's row captions); else the tool tip; else, for a grid, its own row or
    // column captions.
    const char* described_by = nullptr;
    const CatalogueText* tool_tip = nullptr;
};

template <typename Widget>
QWidget* MakeWidget(QWidget* parent) {
    return new Widget(parent);
}

template <typename Page = NoPage>
struct Control : ControlText {
    // The box or grid of the page the control shows.
    TextBox Page::*box = nullptr;
    TextGrid Page::*grid = nullptr;

    // A control the window makes itself and names through the row.
    static Control Own(const char* object_name, const char* domain_name) {
        Control row;
        row.object_name = object_name;
        row.domain_name = domain_name;
        return row;
    }
    static Control Own(const char* object_name, const char* domain_name,
                       const CatalogueText& caption) {
        Control row = Own(object_name, domain_name);
        row.caption = &caption;
        return row;
    }
    static Control Own(const char* object_name, const char* domain_name, const char* fixed_text) {
        Control row = Own(object_name, domain_name);
        row.fixed_text = fixed_text;
        return row;
    }
    // A widget the table makes.
    template <typename Widget>
    static Control Make(const char* object_name, const char* domain_name) {
        Control row = Own(object_name, domain_name);
        row.make = MakeWidget<Widget>;
        return row;
    }
    template <typename Widget, typename Text>
    static Control Make(const char* object_name, const char* domain_name, const Text& text) {
        Control row = Own(object_name, domain_name, text);
        row.make = MakeWidget<Widget>;
        return row;
    }
    template <typename Text>
    static Control Label(const char* object_name, const char* domain_name, const Text& text) {
        return Make<QLabel>(object_name, domain_name, text);
    }
    template <typename Text>
    static Control Button(const char* object_name, const char* domain_name, const Text& text) {
        return Make<QPushButton>(object_name, domain_name, text);
    }
    static Control Box(const char* object_name, const char* domain_name, TextBox Page::*field) {
        Control row = Own(object_name, domain_name);
        row.box = field;
        return row;
    }
    static Control Grid(const char* object_name, const char* domain_name, TextGrid Page::*field) {
        Control row = Own(object_name, domain_name);
        row.grid = field;
        return row;
    }

    Control NamedBy(const char* rows) const { return With(&ControlText::named_by, rows); }
    Control Named(const CatalogueText& text) const {
        Control row = *this;
        row.name = &text;
        return row;
    }
    Control NamedFixed(const char* text) const { return With(&ControlText::fixed_name, text); }
    Control DescribedBy(const char* rows) const { return With(&ControlText::described_by, rows); }
    Control Tip(const CatalogueText& text) const {
        Control row = *this;
        row.tool_tip = &text;
        return row;
    }

private:
    Control With(const char* ControlText::*field, const char* text) const {
        Control row = *this;
        row.*field = text;
        return row;
    }
};

template <typename Page>
using ControlTable = std::vector<Control<Page>>;

// The page a field is taken from, left for the table to say: a field of a
// page's base struct is a field of the page.
template <typename Page>
using FieldOf = typename std::common_type<Page>::type;

// The first row of a table that `match` takes; nullptr when none does.
template <typename Page, typename Match>
const Control<Page>* FirstRow(const ControlTable<Page>& table, Match match) {
    for (const Control<Page>& row : table) {
        if (match(row)) {
            return &row;
        }
    }
    return nullptr;
}

// The row of a table that shows a field of the page, has a domain name, or
// shows a caption (the first such row); nullptr when none does.
template <typename Page>
const Control<Page>* RowOf(const ControlTable<Page>& table, TextBox FieldOf<Page>::*field) {
    return FirstRow(table, [field](const Control<Page>& row) { return row.box == field; });
}
template <typename Page>
const Control<Page>* RowOf(const ControlTable<Page>& table, TextGrid FieldOf<Page>::*field) {
    return FirstRow(table, [field](const Control<Page>& row) { return row.grid == field; });
}
template <typename Page>
const Control<Page>* RowOf(const ControlTable<Page>& table, const char* domain_name) {
    return FirstRow(table, [domain_name](const Control<Page>& row) {
        return std::strcmp(row.domain_name, domain_name) == 0;
    });
}
template <typename Page>
const Control<Page>* RowOf(const ControlTable<Page>& table, const CatalogueText& caption) {
    return FirstRow(table,
                    [&caption](const Control<Page>& row) { return row.caption == &caption; });
}

// Gives `control` its row's object name, fixed text and tool tip (as it reads
// without a catalogue): for a control that belongs to no window's table.
void NameControl(QObject* control, const ControlText& row);

// The page-free half of a window's Controls.
class ControlSet {
public:
    // Names a control the window made itself after its row; a domain name that
    // is not in the table is a fault of the program and ends it.
    template <typename Object>
    Object* Name(Object* control, const char* domain_name) {
        Attach(control, IndexOf(domain_name));
        return control;
    }

    // Every catalogue caption and tool tip, then what screen readers read:
    // again at every change of language.
    void Caption(const Catalogue& catalogue) const;
    // For a table whose texts are the same in every language.
    void Caption() const;

    // The control of a row; nullptr when it has not been made or named.
    QObject* Object(const char* domain_name) const;
    QObject* Object(const CatalogueText& caption) const;
    template <typename Widget = QWidget>
    Widget* Made(const char* domain_name) const {
        return static_cast<Widget*>(Object(domain_name));
    }
    template <typename Widget = QWidget>
    Widget* Made(const CatalogueText& caption) const {
        return static_cast<Widget*>(Object(caption));
    }

protected:
    explicit ControlSet(std::vector<ControlText> rows);
    ~ControlSet() = default;
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    void Attach(QObject* control, std::size_t index);
    std::size_t IndexOf(const char* domain_name) const;
    QObject* At(std::size_t index) const { return m_objects[index]; }

private:
    void Speak(std::size_t index, const Catalogue& catalogue) const;
    QString SpokenName(std::size_t index, const Catalogue& catalogue) const;
    QString SpokenDescription(std::size_t index, const Catalogue& catalogue) const;
    QString Spoken(const char* rows) const;
    void LinkLabel(std::size_t index) const;

    std::vector<ControlText> m_rows;
    std::vector<QPointer<QObject>> m_objects;
};

template <typename Page = NoPage>
class Controls : public ControlSet {
public:
    // The window makes every control and names each through Name.
    explicit Controls(ControlTable<Page> table) : Controls(std::move(table), nullptr) {}
    // Makes the rows that say what they make; the window names the others.
    Controls(QWidget* parent, ControlTable<Page> table) : Controls(std::move(table), parent) {}
    // Also makes the page's boxes and grids, and binds the boxes; `errors` is
    // the grids' error edge.
    Controls(QWidget* parent, Page& page, Prompter& errors, ControlTable<Page> table)
        : Controls(std::move(table), parent, &page, &errors) {}

    FilteredLineEdit* Box(TextBox Page::*field) const {
        return static_cast<FilteredLineEdit*>(Found(RowOf(m_table, field)));
    }
    GridView* Grid(TextGrid Page::*field) const {
        return static_cast<GridView*>(Found(RowOf(m_table, field)));
    }
    const BoxBinding& Boxes() const { return m_boxes; }

private:
    Controls(ControlTable<Page> table, QWidget* parent, Page* page = nullptr,
             Prompter* errors = nullptr)
        : ControlSet(Texts(table)), m_table(std::move(table)) {
        if (!parent) {
            return;
        }
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            if (QWidget* widget = MakeRow(m_table[i], parent, page, errors)) {
                Attach(widget, i);
            }
        }
    }

    QWidget* MakeRow(const Control<Page>& row, QWidget* parent, Page* page, Prompter* errors) {
        if (row.box && page) {
            auto* box = new FilteredLineEdit(parent);
            m_boxes.Bind(box, &(page->*row.box));
            return box;
        }
        if (row.grid && page) {
            return new GridView(page->*row.grid, *errors, parent);
        }
        return row.make ? row.make(parent) : nullptr;
    }

    static std::vector<ControlText> Texts(const ControlTable<Page>& table) {
        return std::vector<ControlText>(table.begin(), table.end());
    }

    QObject* Found(const Control<Page>* row) const {
        return row ? At(static_cast<std::size_t>(row - m_table.data())) : nullptr;
    }

    ControlTable<Page> m_table;
    BoxBinding m_boxes;
};

}  // namespace orvanta

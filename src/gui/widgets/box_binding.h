#pragma once

// Binds edit boxes to the TextBox fields of a page struct: Collect copies what
// the user typed into the struct before an operation, Show puts the texts (and
// background colours) the operation left back on screen. A box the page
// colours draws its text in a colour that reads on it; a box it does not
// colour follows the palette, background and text alike.

#include <QLineEdit>
#include <QPalette>

#include <optional>
#include <utility>
#include <vector>

#include "core/grid/text_box.h"
#include "gui/widgets/fixed_colours.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

class BoxBinding {
public:
    void Bind(QLineEdit* edit, TextBox* box) { m_pairs.emplace_back(edit, box); }

    void Collect() const {
        for (const auto& [edit, box] : m_pairs) {
            box->text = FromQt(edit->text());
        }
    }

    void Show() const {
        for (const auto& [edit, box] : m_pairs) {
            const QString text = ToQt(box->text);
            if (edit->text() != text) {
                edit->setText(text);
            }
            ShowColour(edit, box->colour);
        }
    }

    // Collect, the operation, then Show: also when the operation stops on an
    // error, so that what it wrote before the failure is on screen.
    template <typename Operation>
    void Around(Operation&& operation) const {
        Collect();
        try {
            operation();
        } catch (...) {
            Show();
            throw;
        }
        Show();
    }

private:
    static void ShowColour(QLineEdit* edit, const std::optional<GridColour>& colour) {
        const std::optional<QColor> fixed = colour ? FixedBackground(*colour) : std::nullopt;
        if (!fixed) {
            // An empty palette takes every colour from the window's again.
            edit->setPalette(QPalette());
            return;
        }
        QPalette palette = edit->palette();
        SetFixedColours(palette, QPalette::Base, QPalette::Text, *fixed);
        edit->setPalette(palette);
    }

    std::vector<std::pair<QLineEdit*, TextBox*>> m_pairs;
};

}  // namespace orvanta

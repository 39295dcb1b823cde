#pragma once

// Binds edit boxes to the TextBox fields of a page struct: Collect copies what
// the user typed into the struct before an operation, Show puts the texts (and
// background colours) the operation left back on screen.

#include <QLineEdit>
#include <QPalette>

#include <utility>
#include <vector>

#include "core/grid/text_box.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

class BoxBinding {
public:
    void Bind(QLineEdit* edit, TextBox* box) {
        m_pairs.emplace_back(edit, box);
        m_normal.push_back(edit->palette().color(QPalette::Base));
    }

    void Collect() const {
        for (const auto& [edit, box] : m_pairs) {
            box->text = FromQt(edit->text());
        }
    }

    void Show() const {
        for (std::size_t i = 0; i < m_pairs.size(); ++i) {
            const auto& [edit, box] = m_pairs[i];
            const QString text = ToQt(box->text);
            if (edit->text() != text) {
                edit->setText(text);
            }
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, box->colour ? ToQColor(*box->colour) : m_normal[i]);
            edit->setPalette(palette);
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
    std::vector<std::pair<QLineEdit*, TextBox*>> m_pairs;
    std::vector<QColor> m_normal;
};

}  // namespace orvanta

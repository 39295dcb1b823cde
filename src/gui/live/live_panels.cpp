#include "gui/live/live_panels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/fixed_colours.h"

namespace orvanta {

namespace {

// Wide enough for a four-figure sum with sign and two decimals.
constexpr int kBoxWidth = 58;

}  // namespace

QGroupBox* LayOutPanel(const LivePanelLayout& panel, const ControlSet& controls) {
    auto* group = controls.Made<QGroupBox>(panel.group);
    PaintFixed(group, panel.background);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);

    auto* title = controls.Made<QLabel>(panel.title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, panel.beside_title ? 2 : 4);

    for (int k = 0; k < 3; ++k) {
        auto* label = controls.Made<QLabel>(panel.columns[static_cast<std::size_t>(k)]);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 1, k + 1);
    }

    int row = 2;
    for (const LivePanelLine& line : panel.lines) {
        grid->addWidget(controls.Made(line.caption), row, 0);
        for (int k = 0; k < 3; ++k) {
            if (const char* box_name = line.boxes[static_cast<std::size_t>(k)]) {
                auto* box = controls.Made<FilteredLineEdit>(box_name);
                box->setFixedWidth(kBoxWidth);
                box->setReadOnly(true);
                grid->addWidget(box, row, k + 1);
            }
        }
        ++row;
    }
    if (panel.beside_title) {
        grid->addWidget(controls.Made(panel.beside_title), 0, 2, 1, 2);
    }
    if (panel.beside_last) {
        auto* box = controls.Made<FilteredLineEdit>(panel.beside_last);
        box->setReadOnly(true);
        grid->addWidget(box, row - 1, 2, 1, 2);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    return group;
}

}  // namespace orvanta

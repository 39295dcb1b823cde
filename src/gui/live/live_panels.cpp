#include "gui/live/live_panels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <vector>

#include "gui/widgets/elided_label.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/fixed_colours.h"

namespace orvanta {

namespace {

FilteredLineEdit* PlaceBox(const ControlSet& controls, QGridLayout* grid, const char* name, int row,
                           int col, int width) {
    auto* box = controls.Made<FilteredLineEdit>(name);
    box->setFixedWidth(width);
    box->setReadOnly(true);
    grid->addWidget(box, row, col);
    return box;
}

void PlaceColumnLabels(const LivePanelLayout& panel, const ControlSet& controls,
                       QGridLayout* grid) {
    std::vector<const char*> columns(panel.columns.begin(), panel.columns.end());
    if (panel.result_column) {
        columns.push_back(panel.result_column);
    }
    for (std::size_t k = 0; k < columns.size(); ++k) {
        auto* label = controls.Made<QLabel>(columns[k]);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 1, static_cast<int>(k) + 1);
    }
}

void PlaceTitleRow(const LivePanelLayout& panel, const ControlSet& controls, QGridLayout* grid) {
    auto* title = controls.Made<QLabel>(panel.title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, panel.beside_title ? 2 : 4);
    if (panel.beside_title) {
        QWidget* beside = controls.Made(panel.beside_title);
        if (auto* label = qobject_cast<QLabel*>(beside)) {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        grid->addWidget(beside, 0, 2, 1, 2);
    }
    if (panel.title_box) {
        PlaceBox(controls, grid, panel.title_box, 0, 4, panel.box_width);
    }
}

}  // namespace

QGroupBox* LayOutPanel(const LivePanelLayout& panel, const ControlSet& controls) {
    auto* group = controls.Made<QGroupBox>(panel.group);
    PaintFixed(group, panel.background);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    PlaceTitleRow(panel, controls, grid);
    PlaceColumnLabels(panel, controls, grid);

    int row = 2;
    for (const LivePanelLine& line : panel.lines) {
        grid->addWidget(controls.Made(line.caption), row, 0);
        for (int k = 0; k < 3; ++k) {
            if (const char* box_name = line.boxes[static_cast<std::size_t>(k)]) {
                PlaceBox(controls, grid, box_name, row, k + 1, panel.box_width);
            }
        }
        if (line.result) {
            PlaceBox(controls, grid, line.result, row, 4, panel.box_width);
        }
        ++row;
    }
    if (panel.beside_last) {
        auto* box = controls.Made<FilteredLineEdit>(panel.beside_last);
        box->setReadOnly(true);
        grid->addWidget(box, row - 1, 2, 1, 2);
    }
    if (panel.notes) {
        // Room for a remark on each line, whether there is one or not.
        auto* notes = controls.Made<ElidedLabel>(panel.notes);
        notes->SetLines(static_cast<int>(panel.lines.size()));
        grid->addWidget(notes, row++, 0, 1, panel.result_column ? 5 : 4);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    return group;
}

}  // namespace orvanta

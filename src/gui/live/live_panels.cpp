#include "gui/live/live_panels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>

#include "gui/widgets/filtered_line_edit.h"

namespace orvanta {

namespace {

// Wide enough for a four-figure sum with sign and two decimals.
constexpr int kBoxWidth = 58;

}  // namespace

QGroupBox* LayOutPanel(const LivePanel& panel, const ControlWidgets<LivePage>& widgets) {
    auto* group = widgets.Made<QGroupBox>(panel.group);
    QPalette palette = group->palette();
    palette.setColor(QPalette::Window, panel.background);
    group->setPalette(palette);
    group->setAutoFillBackground(true);

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);

    auto* title = widgets.Made<QLabel>(panel.title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 4);

    for (int k = 0; k < 3; ++k) {
        auto* label = widgets.Made<QLabel>(panel.outcomes[static_cast<std::size_t>(k)]);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 1, k + 1);
    }

    int row = 2;
    for (const LivePanelRow& line : panel.rows) {
        grid->addWidget(widgets.Made(line.caption), row, 0);
        for (int k = 0; k < 3; ++k) {
            const LiveControl& control = line.boxes[static_cast<std::size_t>(k)];
            if (!control.object_name) {
                continue;
            }
            auto* box = widgets.Made<FilteredLineEdit>(control);
            box->setFixedWidth(kBoxWidth);
            box->setReadOnly(true);
            grid->addWidget(box, row, k + 1);
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    return group;
}

}  // namespace orvanta

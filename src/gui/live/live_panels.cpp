#include "gui/live/live_panels.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <array>
#include <initializer_list>

#include "core/grid/text_box.h"
#include "core/grid/text_grid.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// Wide enough for a four-figure sum with sign and two decimals.
constexpr int kBoxWidth = 58;

struct PanelRow {
    const char* label;
    std::array<const char*, 3> boxes;  // nullptr: no box in that column
};

struct PanelPlan {
    const char* name;
    QColor background;
    const char* title;
    std::array<const char*, 3> column_labels;
    std::initializer_list<PanelRow> rows;
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QGroupBox* BuildPanel(QWidget* parent, const PanelPlan& plan) {
    auto* panel = new QGroupBox(parent);
    panel->setObjectName(QString::fromLatin1(plan.name));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, plan.background);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);

    QLabel* title = MakeLabel(panel, plan.title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 4);

    const char* outcomes[] = {"1", "X", "2"};
    for (int k = 0; k < 3; ++k) {
        QLabel* label = MakeLabel(panel, plan.column_labels[static_cast<std::size_t>(k)],
                                  QString::fromLatin1(outcomes[k]));
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 1, k + 1);
    }

    int row = 2;
    for (const PanelRow& line : plan.rows) {
        grid->addWidget(MakeLabel(panel, line.label), row, 0);
        for (int k = 0; k < 3; ++k) {
            const char* name = line.boxes[static_cast<std::size_t>(k)];
            if (!name) {
                continue;
            }
            auto* box = new FilteredLineEdit(panel);
            box->setObjectName(QString::fromLatin1(name));
            box->setFixedWidth(kBoxWidth);
            box->setReadOnly(true);
            grid->addWidget(box, row, k + 1);
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    return panel;
}

}  // namespace

LivePanels BuildLivePanels(QWidget* parent) {
    LivePanels panels;
    // The system's inactive-caption gradient colour: a light blue-grey.
    const GridColour inactive_caption{static_cast<std::int32_t>(0xFF00001Cu)};
    panels.GroupBox2 = BuildPanel(parent, {"GroupBox2",
                                           ToQColor(inactive_caption),
                                           "Label8",
                                           {"Label9", "Label10", "Label11"},
                                           {{"Label13", {"Edit13", "Edit14", "Edit15"}},
                                            {"Label12", {"Edit10", "Edit11", "Edit12"}},
                                            {"Label20", {"edtGaniota", nullptr, nullptr}}}});
    panels.GroupBox3 = BuildPanel(parent, {"GroupBox3",
                                           QColor(192, 192, 192),
                                           "Label14",
                                           {"Label15", "Label16", "Label17"},
                                           {{"Label19", {"Edit19", "Edit20", "Edit21"}},
                                            {"Label18", {"Edit16", "Edit17", "Edit18"}}}});
    panels.GroupBox1 = BuildPanel(parent, {"GroupBox1",
                                           ToQColor(kColourLightGreen),
                                           "Label1",
                                           {"Label2", "Label3", "Label4"},
                                           {{"Label6", {"Edit4", "Edit5", "Edit6"}},
                                            {"Label5", {"Edit1", "Edit2", "Edit3"}},
                                            {"Label7", {"Edit7", "Edit8", "Edit9"}}}});
    for (const char* name : {"Edit13", "Edit14", "Edit15"}) {
        panels.GroupBox2->findChild<QLineEdit*>(QString::fromLatin1(name))->setReadOnly(false);
    }
    return panels;
}

}  // namespace orvanta

#include "gui/main/probability_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

ProbabilityTab::ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent) {
    PaintPage(this);

    m_grid = new GridView(m_page.AdvProbability, m_services.prompter, this);
    m_grid->setObjectName(QStringLiteral("AdvProbability"));
    BindOddsRowGrid(m_grid, m_services);

    m_title = MakeLabel(this, "Label9");
    m_title->setFont(TitleFont(font()));
    m_odds_label = MakeLabel(this, "Label10");
    m_probability_label = MakeLabel(this, "Label11");
    m_margin_label = MakeLabel(this, "Label12");
    m_return_label = MakeLabel(this, "Label13");
    m_cut_label = MakeLabel(this, "Label14");
    QLineEdit* edit9 = MakeEdit(this, "Edit9");
    QLineEdit* edit10 = MakeEdit(this, "Edit10");
    QLineEdit* edit11 = MakeEdit(this, "Edit11");
    for (QLineEdit* edit : {edit9, edit10, edit11}) {
        edit->setFocusPolicy(Qt::ClickFocus);  // results, not tab stops
    }
    m_boxes.Bind(edit9, &m_page.Edit9);
    m_boxes.Bind(edit10, &m_page.Edit10);
    m_boxes.Bind(edit11, &m_page.Edit11);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(6);
    page->addWidget(m_title, 0, Qt::AlignHCenter);

    auto* grid_row = new QHBoxLayout();
    grid_row->setSpacing(0);
    grid_row->addStretch(1);
    grid_row->addWidget(RowCaptions(this, m_grid, {m_odds_label, m_probability_label}));
    grid_row->addWidget(m_grid, 0, Qt::AlignTop);
    grid_row->addStretch(1);
    page->addLayout(grid_row);
    page->addSpacing(20);

    auto* boxes = new QGridLayout();
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(10);
    int row = 0;
    for (auto [label, edit] : {std::pair{m_margin_label, edit9}, std::pair{m_return_label, edit10},
                               std::pair{m_cut_label, edit11}}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes->addWidget(label, row, 0);
        boxes->addWidget(edit, row, 1);
        ++row;
    }
    auto* boxes_row = new QHBoxLayout();
    boxes_row->addStretch(1);
    boxes_row->addLayout(boxes);
    boxes_row->addStretch(2);
    page->addLayout(boxes_row);
    page->addStretch(1);
}

QWidget* ProbabilityTab::FirstInput() const {
    return m_grid;
}

void ProbabilityTab::Clear() {
    InitProbabilityPage(m_page);
    m_boxes.Show();
}

void ProbabilityTab::Calculate() {
    m_boxes.Around([this] { CalcProbabilityPage(m_page, m_services); });
}

void ProbabilityTab::Caption() {
    m_title->setText(Text("OutComes", "Out Comes"));
    m_odds_label->setText(Text("ODDS", "ODDS"));
    m_probability_label->setText(Text("PROBABILITY%", "PROBABILITY %"));
    m_margin_label->setText(Text("MARGIN", "MARGIN"));
    m_return_label->setText(Text("RETURN%", "RETURN %"));
    m_cut_label->setText(Text("GANIOTA%", "GANIOTA %"));
}

}  // namespace orvanta

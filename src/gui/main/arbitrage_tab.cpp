#include "gui/main/arbitrage_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

ArbitrageTab::ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent) {
    PaintPage(this);

    m_grid = new GridView(m_page.AdvCalcArbitrage, this);
    m_grid->setObjectName(QStringLiteral("AdvCalcArbitrage"));
    BindOddsRowGrid(m_grid, m_services);

    m_title = MakeLabel(this, "Label8");
    m_title->setFont(TitleFont(font()));
    m_odds_label = MakeLabel(this, "Label1");
    m_wager_label = MakeLabel(this, "Label2");
    m_winpay_label = MakeLabel(this, "Label3");
    m_multiplier_label = MakeLabel(this, "Label4");
    m_target_label = MakeLabel(this, "Label5");
    m_total_label = MakeLabel(this, "Label16");
    m_percent_label = MakeLabel(this, "Label6");
    m_profit_label = MakeLabel(this, "Label7");
    m_edit5 = MakeEdit(this, "Edit5");
    m_edit6 = MakeEdit(this, "Edit6");
    m_edit7 = MakeEdit(this, "Edit7");
    m_edit8 = MakeEdit(this, "Edit8");
    m_edit13 = MakeEdit(this, "Edit13");
    // The multiplier and the target are amounts: no sign, no letters.
    m_edit5->SetKeyFilter(NumberKeyFilter(m_services));
    m_edit6->SetKeyFilter(NumberKeyFilter(m_services));
    QFont bold = m_edit8->font();
    bold.setBold(true);
    m_edit8->setFont(bold);

    m_boxes.Bind(m_edit5, &m_page.Edit5);
    m_boxes.Bind(m_edit6, &m_page.Edit6);
    m_boxes.Bind(m_edit7, &m_page.Edit7);
    m_boxes.Bind(m_edit8, &m_page.Edit8);
    m_boxes.Bind(m_edit13, &m_page.Edit13);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(6);
    page->addWidget(m_title, 0, Qt::AlignHCenter);

    auto* grid_row = new QHBoxLayout();
    grid_row->setSpacing(0);
    grid_row->addStretch(1);
    grid_row->addWidget(RowCaptions(this, m_grid, {m_odds_label, m_wager_label, m_winpay_label}));
    grid_row->addWidget(m_grid, 0, Qt::AlignTop);
    grid_row->addStretch(1);
    page->addLayout(grid_row);
    page->addSpacing(16);

    auto* boxes = new QGridLayout();
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(10);
    for (QLabel* label :
         {m_multiplier_label, m_total_label, m_profit_label, m_target_label, m_percent_label}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    boxes->addWidget(m_multiplier_label, 0, 0);
    boxes->addWidget(m_edit5, 0, 1);
    boxes->addWidget(m_target_label, 0, 3);
    boxes->addWidget(m_edit6, 0, 4);
    boxes->addWidget(m_total_label, 1, 0);
    boxes->addWidget(m_edit13, 1, 1);
    boxes->addWidget(m_percent_label, 1, 3);
    boxes->addWidget(m_edit7, 1, 4);
    boxes->addWidget(m_profit_label, 2, 0);
    boxes->addWidget(m_edit8, 2, 1);
    boxes->setColumnMinimumWidth(2, 40);
    boxes->setColumnStretch(5, 1);
    auto* boxes_row = new QHBoxLayout();
    boxes_row->addSpacing(60);
    boxes_row->addLayout(boxes);
    page->addLayout(boxes_row);
    page->addStretch(1);

    setTabOrder(m_grid, m_edit5);
    setTabOrder(m_edit5, m_edit6);
    setTabOrder(m_edit6, m_edit7);
    setTabOrder(m_edit7, m_edit8);
    setTabOrder(m_edit8, m_edit13);
}

QWidget* ArbitrageTab::FirstInput() const {
    return m_grid;
}

QList<QWidget*> ArbitrageTab::EnterMovesFocus() const {
    return {m_edit5, m_edit6, m_edit7, m_edit8, m_edit13};
}

void ArbitrageTab::InitPage() {
    InitArbitragePage(m_page);
    m_boxes.Show();
}

void ArbitrageTab::CalcPage() {
    m_boxes.Around([this] { CalcArbitragePage(m_page, m_services); });
}

void ArbitrageTab::Caption() {
    m_title->setText(Text("OutComes", "Out Comes"));
    m_odds_label->setText(Text("ODDS", "ODDS"));
    m_wager_label->setText(Text("Wager", "Wager"));
    m_winpay_label->setText(Text("WinPay", "Win Pay"));
    m_multiplier_label->setText(Text("WagerMultiplay", "Wager Multiplay"));
    m_target_label->setText(Text("WinPay", "Win Pay"));
    m_total_label->setText(Text("TotalWager", "Total Wager"));
    m_percent_label->setText(Text("SureProfit%", "SureProfit %"));
    m_profit_label->setText(Text("SureProfit", "SureProfit"));
}

}  // namespace orvanta

#include "gui/main/arbitrage_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

namespace {

namespace captions = arbitrage_captions;
using P = ArbitragePage;

// The page's controls by object name.
std::vector<Control<P>> ControlTable() {
    return {
        {"AdvCalcArbitrage", nullptr, nullptr, &P::outcomes},
        {"Label8", &captions::kTitle},
        {"Label1", &captions::kOddsRow},
        {"Label2", &captions::kWagerRow},
        {"Label3", &captions::kWinPayRow},
        {"Label4", &captions::kMultiplier},
        {"Edit5", nullptr, &P::multiplier},
        {"Label5", &captions::kWinPayTarget},
        {"Edit6", nullptr, &P::win_pay_target},
        {"Label16", &captions::kTotalWager},
        {"Edit13", nullptr, &P::total_wager},
        {"Label6", &captions::kSureProfitPercent},
        {"Edit7", nullptr, &P::sure_profit_percent},
        {"Label7", &captions::kSureProfit},
        {"Edit8", nullptr, &P::sure_profit},
    };
}

}  // namespace

ArbitrageTab::ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, ControlTable()) {
    PaintPage(this);

    m_grid = m_controls.Grid(&P::outcomes);
    BindOddsRowGrid(m_grid, m_services);

    FilteredLineEdit* multiplier = m_controls.Box(&P::multiplier);
    FilteredLineEdit* target = m_controls.Box(&P::win_pay_target);
    FilteredLineEdit* total = m_controls.Box(&P::total_wager);
    FilteredLineEdit* percent = m_controls.Box(&P::sure_profit_percent);
    FilteredLineEdit* profit = m_controls.Box(&P::sure_profit);
    m_enter_moves_focus = {multiplier, target, percent, profit, total};
    for (QWidget* box : m_enter_moves_focus) {
        box->setFixedWidth(kBoxWidth);
    }
    // The multiplier and the target are amounts: no sign, no letters.
    multiplier->SetKeyFilter(NumberKeyFilter(m_services));
    target->SetKeyFilter(NumberKeyFilter(m_services));
    QFont bold = profit->font();
    bold.setBold(true);
    profit->setFont(bold);

    QVBoxLayout* page = TitledGridLayout(
        this, m_controls.Label(captions::kTitle), m_grid,
        {m_controls.Label(captions::kOddsRow), m_controls.Label(captions::kWagerRow),
         m_controls.Label(captions::kWinPayRow)});
    page->addSpacing(16);

    // Two columns of boxes, each with its caption in front.
    auto* boxes = new QGridLayout();
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(10);
    const struct {
        const CatalogueText& caption;
        FilteredLineEdit* box;
        int row;
        int col;
    } places[] = {{captions::kMultiplier, multiplier, 0, 0},
                  {captions::kWinPayTarget, target, 0, 3},
                  {captions::kTotalWager, total, 1, 0},
                  {captions::kSureProfitPercent, percent, 1, 3},
                  {captions::kSureProfit, profit, 2, 0}};
    for (const auto& place : places) {
        QLabel* label = m_controls.Label(place.caption);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes->addWidget(label, place.row, place.col);
        boxes->addWidget(place.box, place.row, place.col + 1);
    }
    boxes->setColumnMinimumWidth(2, 40);
    boxes->setColumnStretch(5, 1);
    auto* boxes_row = new QHBoxLayout();
    boxes_row->addSpacing(60);
    boxes_row->addLayout(boxes);
    page->addLayout(boxes_row);
    page->addStretch(1);

    setTabOrder(m_grid, multiplier);
    setTabOrder(multiplier, target);
    setTabOrder(target, percent);
    setTabOrder(percent, profit);
    setTabOrder(profit, total);
}

QWidget* ArbitrageTab::FirstInput() const {
    return m_grid;
}

QList<QWidget*> ArbitrageTab::EnterMovesFocus() const {
    return m_enter_moves_focus;
}

void ArbitrageTab::Clear() {
    ClearArbitrage(m_page);
    m_controls.Boxes().Show();
}

void ArbitrageTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateArbitrage(m_page, m_services); });
}

void ArbitrageTab::Caption() {
    m_controls.Caption(m_catalogue);
}

}  // namespace orvanta

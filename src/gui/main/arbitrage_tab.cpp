#include "gui/main/arbitrage_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/keyboard_access.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace captions = arbitrage_captions;
using P = ArbitragePage;

const ControlTable<P>& ArbitrageControls() {
    using C = Control<P>;
    static const ControlTable<P> table = {
        C::Grid("AdvCalcArbitrage", "outcomes", &P::outcomes)
            .NamedBy("title")
            .DescribedBy("odds_row, wager_row, win_pay_row"),
        C::Label("Label8", "title", captions::kTitle),
        C::Label("Label1", "odds_row", captions::kOddsRow),
        C::Label("Label2", "wager_row", captions::kWagerRow),
        C::Label("Label3", "win_pay_row", captions::kWinPayRow),
        C::Label("Label4", "multiplier_label", captions::kMultiplier),
        C::Box("Edit5", "multiplier", &P::multiplier).NamedBy("multiplier_label"),
        C::Label("Label5", "win_pay_target_label", captions::kWinPayTarget),
        C::Box("Edit6", "win_pay_target", &P::win_pay_target).NamedBy("win_pay_target_label"),
        C::Label("Label16", "total_wager_label", captions::kTotalWager),
        C::Box("Edit13", "total_wager", &P::total_wager).NamedBy("total_wager_label"),
        C::Label("Label6", "sure_profit_percent_label", captions::kSureProfitPercent),
        C::Box("Edit7", "sure_profit_percent", &P::sure_profit_percent)
            .NamedBy("sure_profit_percent_label"),
        C::Label("Label7", "sure_profit_label", captions::kSureProfit),
        C::Box("Edit8", "sure_profit", &P::sure_profit).NamedBy("sure_profit_label"),
    };
    return table;
}

ArbitrageTab::ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, ArbitrageControls()) {
    PaintPage(this);
    m_grid = m_controls.Grid(&P::outcomes);
    BindOddsRowGrid(m_grid, m_services);
    for (int c = 0; c < P::kOutcomes; ++c) {
        m_rest_widths.push_back(m_page.outcomes.ColWidth(c));
    }
    m_with_odds.assign(P::kOutcomes, false);
    connect(&m_grid->Model(), &QAbstractItemModel::dataChanged, this,
            [this] { MakeRoomForFigures(); });
    BindBoxes();
    LayOut();
    // Tab, and Enter with it, visits the boxes as they are laid out: row by
    // row, left to right.
    QWidget* previous = m_grid;
    for (QWidget* box : m_enter_moves_focus) {
        setTabOrder(previous, box);
        previous = box;
    }
}

void ArbitrageTab::BindBoxes() {
    FilteredLineEdit* multiplier = m_controls.Box(&P::multiplier);
    FilteredLineEdit* target = m_controls.Box(&P::win_pay_target);
    FilteredLineEdit* profit = m_controls.Box(&P::sure_profit);
    FilteredLineEdit* total = m_controls.Box(&P::total_wager);
    FilteredLineEdit* percent = m_controls.Box(&P::sure_profit_percent);
    m_enter_moves_focus = {multiplier, target, total, percent, profit};
    for (QWidget* box : m_enter_moves_focus) {
        box->setFixedWidth(Across(this, kBoxWidth));
    }
    for (QLineEdit* result : {total, percent, profit}) {
        ShowResultIn(result);
    }
    // The multiplier and the target are amounts: no sign, no letters.
    multiplier->SetKeyFilter(NumberKeyFilter(m_services));
    target->SetKeyFilter(NumberKeyFilter(m_services));
    QFont bold = profit->font();
    bold.setBold(true);
    profit->setFont(bold);
}

void ArbitrageTab::LayOut() {
    QVBoxLayout* page =
        TitledGridLayout(this, m_controls.Made<QLabel>("title"), m_grid,
                         {m_controls.Made<QLabel>("odds_row"), m_controls.Made<QLabel>("wager_row"),
                          m_controls.Made<QLabel>("win_pay_row")});
    page->addSpacing(16);

    // Two columns of boxes, each with its caption in front.
    QGridLayout* boxes = CaptionedBoxGrid();
    const struct {
        const char* label;
        TextBox P::*box;
        int row;
        int col;
    } places[] = {{"multiplier_label", &P::multiplier, 0, 0},
                  {"win_pay_target_label", &P::win_pay_target, 0, 3},
                  {"total_wager_label", &P::total_wager, 1, 0},
                  {"sure_profit_percent_label", &P::sure_profit_percent, 1, 3},
                  {"sure_profit_label", &P::sure_profit, 2, 0}};
    for (const auto& place : places) {
        AddCaptionedBox(boxes, m_controls.Made<QLabel>(place.label), m_controls.Box(place.box),
                        place.row, place.col);
    }
    boxes->setColumnMinimumWidth(2, Across(this, 40));
    boxes->setColumnStretch(5, 1);
    auto* boxes_row = new QHBoxLayout();
    boxes_row->addSpacing(Across(this, 60));
    boxes_row->addLayout(boxes);
    page->addLayout(boxes_row);
    page->addStretch(1);
}

// A column with odds shows a stake of 99,999.99 whole; the columns without odds
// give up the room it takes, down to what shows their header. Nothing typed,
// every column has its own width again.
void ArbitrageTab::MakeRoomForFigures() {
    const TextGrid& grid = m_page.outcomes;
    std::vector<bool> with_odds(P::kOutcomes);
    for (int c = 0; c < P::kOutcomes; ++c) {
        with_odds[c] = !grid.Cell(c, P::kOddsRow).empty();
    }
    if (with_odds == m_with_odds) {
        return;
    }
    m_with_odds = with_odds;
    const FontScale scale = m_grid->Scale();
    const QString stake = QStringLiteral("99999") + QChar(m_services.separator) + "99";
    // A grown column may come out a pixel narrower than its width grown alone.
    const int rounding = scale.AcrossFactor() > 1.0 ? 1 : 0;
    const int figure = scale.AcrossBack(std::max(m_grid->WidthToShow(stake, 0, P::kWagerRow),
                                                 m_grid->WidthToShow(stake, 0, P::kWinPayRow))) +
                       rounding;
    std::vector<int> least(P::kOutcomes);
    for (int c = 0; c < P::kOutcomes; ++c) {
        least[c] = with_odds[c] ? figure
                                : scale.AcrossBack(m_grid->WidthToShow(
                                      ToQt(grid.Cell(c, 0)) + QStringLiteral("  "), c, 0));
    }
    SetColumnWidths(SharedWidths(m_rest_widths, with_odds, least));
}

void ArbitrageTab::SetColumnWidths(const std::vector<int>& widths) {
    TextGrid& grid = m_page.outcomes;
    // Narrowed first, so that the columns never overrun the grid on the way.
    for (const bool narrower : {true, false}) {
        for (int c = 0; c < P::kOutcomes; ++c) {
            if ((widths[c] < grid.ColWidth(c)) == narrower) {
                grid.SetColWidth(c, widths[c]);
            }
        }
    }
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

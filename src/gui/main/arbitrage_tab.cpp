#include "gui/main/arbitrage_tab.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "core/numeric/key_filter.h"
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
            .DescribedBy("odds_row, wager_row, win_pay_row, commission_row"),
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
        // Stakes a bookmaker takes, and the back and lay group.
        C::Label("Label60", "commission_row", captions::kCommissionRow),
        C::Label("Label61", "round_to_label", captions::kRoundTo),
        C::Box("Edit60", "round_to", &P::round_to).NamedBy("round_to_label"),
        C::Label("Label62", "worst_profit_label", captions::kWorstProfit),
        C::Box("Edit61", "worst_profit", &P::worst_profit).NamedBy("worst_profit_label"),
        C::Box("Edit62", "worst_note", &P::worst_note).NamedBy("worst_profit_label"),
        C::Label("Label63", "back_lay", captions::kLayGroup),
        C::Label("Label64", "lay_back_stake_label", captions::kLayBackStake),
        C::Box("Edit63", "lay_back_stake", &P::lay_back_stake).NamedBy("lay_back_stake_label"),
        C::Label("Label65", "lay_back_odds_label", captions::kLayBackOdds),
        C::Box("Edit64", "lay_back_odds", &P::lay_back_odds).NamedBy("lay_back_odds_label"),
        C::Label("Label66", "lay_odds_label", captions::kLayOdds),
        C::Box("Edit65", "lay_odds", &P::lay_odds).NamedBy("lay_odds_label"),
        C::Label("Label67", "lay_commission_label", captions::kLayCommission),
        C::Box("Edit66", "lay_commission", &P::lay_commission).NamedBy("lay_commission_label"),
        C::Label("Label68", "lay_mode_label", captions::kLayMode),
        C::Make<QComboBox>("ComboBox60", "lay_mode").NamedBy("lay_mode_label"),
        C::Label("Label69", "lay_refund_label", captions::kLayRefund),
        C::Box("Edit67", "lay_refund", &P::lay_refund).NamedBy("lay_refund_label"),
        C::Label("Label70", "lay_retention_label", captions::kLayRetention),
        C::Box("Edit68", "lay_retention", &P::lay_retention).NamedBy("lay_retention_label"),
        C::Label("Label71", "lay_stake_label", captions::kLayStake),
        C::Box("Edit69", "lay_stake", &P::lay_stake).NamedBy("lay_stake_label"),
        C::Label("Label72", "lay_liability_label", captions::kLayLiability),
        C::Box("Edit70", "lay_liability", &P::lay_liability).NamedBy("lay_liability_label"),
        C::Label("Label73", "lay_back_wins_label", captions::kLayBackWins),
        C::Box("Edit71", "lay_back_wins", &P::lay_back_wins).NamedBy("lay_back_wins_label"),
        C::Label("Label74", "lay_lay_wins_label", captions::kLayLayWins),
        C::Box("Edit72", "lay_lay_wins", &P::lay_lay_wins).NamedBy("lay_lay_wins_label"),
    };
    return table;
}

ArbitrageTab::ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, ArbitrageControls()) {
    PaintPage(this);
    m_grid = m_controls.Grid(&P::outcomes);
    BindOddsRowGrid(m_grid, m_services);
    BindTypedRows();
    for (int c = 0; c < P::kOutcomes; ++c) {
        m_rest_widths.push_back(m_page.outcomes.ColWidth(c));
    }
    m_with_odds.assign(P::kOutcomes, false);
    connect(&m_grid->Model(), &QAbstractItemModel::dataChanged, this,
            [this] { MakeRoomForFigures(); });
    BindBoxes();
    BindBackLay();
    LayOut();
    // Tab, and Enter with it, visits the boxes as they are laid out: row by
    // row, left to right.
    QWidget* previous = m_grid;
    for (QWidget* box : m_enter_moves_focus) {
        setTabOrder(previous, box);
        previous = box;
    }
}

namespace {

// A stake written with an exponent is none a book takes, and no key could
// type it: its cell stays shut.
bool Typeable(const std::string& text, char separator) {
    for (const char c : text) {
        const auto key = FilterNumberKey(c, separator);
        if (!key || *key != c) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Besides the odds, an outcome with odds takes a stake its book caps, typed
// into its Wager cell, and an exchange's commission; a typed stake is the
// fixed one.
void ArbitrageTab::BindTypedRows() {
    TextGrid& cells = m_page.outcomes;
    const char separator = m_services.separator;
    auto typed_row = [&cells, separator](int col, int row) {
        if (!cells.Contains(col, row)) {
            return false;
        }
        const bool outcome_row = row == P::kWagerRow || row == P::kCommissionRow;
        return row == P::kOddsRow || (outcome_row && !cells.Cell(col, P::kOddsRow).empty() &&
                                      Typeable(cells.Cell(col, row), separator));
    };
    m_grid->SetCanEdit(typed_row);
    m_grid->SetSelectCell(typed_row);
    m_grid->SetEditingDone([this](int col, int row) {
        if (row == P::kWagerRow) {
            FixArbitrageStake(m_page, col);
        }
    });
}

void ArbitrageTab::BindBackLay() {
    m_lay_mode = m_controls.Made<QComboBox>("lay_mode");
    // The kinds' long names must not widen the page: the list shows them whole.
    m_lay_mode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_lay_mode->setMinimumContentsLength(14);
    for (int mode = 0; mode < 4; ++mode) {
        m_lay_mode->addItem(QString(), mode);
    }
    connect(m_lay_mode, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        m_page.lay_mode = static_cast<LayMode>(m_lay_mode->itemData(index).toInt());
    });
    for (TextBox P::*box : {&P::lay_back_stake, &P::lay_back_odds, &P::lay_odds, &P::lay_commission,
                            &P::lay_refund, &P::lay_retention}) {
        m_controls.Box(box)->SetKeyFilter(NumberKeyFilter(m_services));
    }
    for (TextBox P::*box :
         {&P::lay_stake, &P::lay_liability, &P::lay_back_wins, &P::lay_lay_wins}) {
        ShowResultIn(m_controls.Box(box));
    }
    QFont bold = m_controls.Made<QLabel>("back_lay")->font();
    bold.setBold(true);
    m_controls.Made<QLabel>("back_lay")->setFont(bold);
}

void ArbitrageTab::BindBoxes() {
    FilteredLineEdit* multiplier = m_controls.Box(&P::multiplier);
    FilteredLineEdit* target = m_controls.Box(&P::win_pay_target);
    FilteredLineEdit* profit = m_controls.Box(&P::sure_profit);
    FilteredLineEdit* total = m_controls.Box(&P::total_wager);
    FilteredLineEdit* percent = m_controls.Box(&P::sure_profit_percent);
    FilteredLineEdit* worst = m_controls.Box(&P::worst_profit);
    FilteredLineEdit* round_to = m_controls.Box(&P::round_to);
    m_enter_moves_focus = {multiplier, target, total, percent, profit, worst, round_to};
    for (QWidget* box : m_enter_moves_focus) {
        box->setFixedWidth(Across(this, kBoxWidth));
    }
    for (QLineEdit* result : {total, percent, profit, worst}) {
        ShowResultIn(result);
    }
    FilteredLineEdit* note = m_controls.Box(&P::worst_note);
    ShowResultIn(note);
    note->setFrame(false);
    note->setVisible(false);
    // The multiplier, the target and the step are amounts: no sign, no letters.
    multiplier->SetKeyFilter(NumberKeyFilter(m_services));
    target->SetKeyFilter(NumberKeyFilter(m_services));
    round_to->SetKeyFilter(NumberKeyFilter(m_services));
    QFont bold = profit->font();
    bold.setBold(true);
    profit->setFont(bold);
}

void ArbitrageTab::LayOut() {
    QVBoxLayout* page = TitledGridLayout(
        this, m_controls.Made<QLabel>("title"), m_grid,
        {m_controls.Made<QLabel>("odds_row"), m_controls.Made<QLabel>("wager_row"),
         m_controls.Made<QLabel>("win_pay_row"), m_controls.Made<QLabel>("commission_row")});
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
                  {"sure_profit_label", &P::sure_profit, 2, 0},
                  {"worst_profit_label", &P::worst_profit, 2, 3},
                  {"round_to_label", &P::round_to, 3, 0}};
    for (const auto& place : places) {
        AddCaptionedBox(boxes, m_controls.Made<QLabel>(place.label), m_controls.Box(place.box),
                        place.row, place.col);
    }
    boxes->addWidget(m_controls.Box(&P::worst_note), 3, 3, 1, 3);
    boxes->setColumnMinimumWidth(2, Across(this, 40));
    boxes->setColumnStretch(5, 1);
    auto* boxes_row = new QHBoxLayout();
    boxes_row->addSpacing(Across(this, 60));
    boxes_row->addLayout(boxes);
    page->addLayout(boxes_row);
    page->addLayout(BackLayLayout());
    page->addStretch(1);
}

namespace {

struct BackLayPlace {
    const char* label;
    TextBox P::*box;
};

// What is typed in two rows and what it gives in a third, four to a row; the
// kind's list takes the first two places of its row.
const BackLayPlace kBackLayPlaces[3][4] = {
    {{"lay_back_stake_label", &P::lay_back_stake},
     {"lay_back_odds_label", &P::lay_back_odds},
     {"lay_odds_label", &P::lay_odds},
     {"lay_commission_label", &P::lay_commission}},
    {{"lay_mode_label", nullptr},
     {nullptr, nullptr},
     {"lay_refund_label", &P::lay_refund},
     {"lay_retention_label", &P::lay_retention}},
    {{"lay_stake_label", &P::lay_stake},
     {"lay_liability_label", &P::lay_liability},
     {"lay_back_wins_label", &P::lay_back_wins},
     {"lay_lay_wins_label", &P::lay_lay_wins}},
};

}  // namespace

// The back and lay group under the boxes: its heading, then what is typed in
// two rows and what it gives in a third, four to a row.
QLayout* ArbitrageTab::BackLayLayout() {
    auto* group = new QGridLayout();
    group->setHorizontalSpacing(4);
    group->setVerticalSpacing(2);
    group->addWidget(m_controls.Made<QLabel>("back_lay"), 0, 0, 1, 8);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const BackLayPlace& place = kBackLayPlaces[row][col];
            if (!place.box) {
                continue;
            }
            FilteredLineEdit* box = m_controls.Box(place.box);
            box->setFixedWidth(Across(this, 50));
            AddCaptionedBox(group, m_controls.Made<QLabel>(place.label), box, row + 1, 2 * col);
            m_enter_moves_focus.append(box);
        }
    }
    auto* mode_label = m_controls.Made<QLabel>("lay_mode_label");
    mode_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    group->addWidget(mode_label, 2, 0);
    group->addWidget(m_lay_mode, 2, 1, 1, 3);
    const int mode_at =
        static_cast<int>(m_enter_moves_focus.indexOf(m_controls.Box(&P::lay_refund)));
    m_enter_moves_focus.insert(mode_at, m_lay_mode);
    return group;
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
    ShowStakeState();
}

void ArbitrageTab::Calculate() {
    try {
        m_controls.Boxes().Around([this] { CalculateArbitrage(m_page, m_services, m_catalogue); });
    } catch (...) {
        ShowStakeState();
        throw;
    }
    ShowStakeState();
}

// A fixed stake decides the multiplier and the Win Pay, which only show what
// it implies; the note takes room only when rounding has lost the profit.
void ArbitrageTab::ShowStakeState() {
    const bool fixed = m_page.fixed_outcome >= 0;
    m_controls.Box(&P::multiplier)->setReadOnly(fixed);
    m_controls.Box(&P::win_pay_target)->setReadOnly(fixed);
    m_controls.Box(&P::worst_note)->setVisible(!m_page.worst_note.text.empty());
    m_lay_mode->setCurrentIndex(m_lay_mode->findData(static_cast<int>(m_page.lay_mode)));
}

void ArbitrageTab::Caption() {
    m_controls.Caption(m_catalogue);
    const CatalogueText* kinds[] = {&captions::kLayQualifying, &captions::kLaySnr,
                                    &captions::kLaySr, &captions::kLayRefundMode};
    for (int i = 0; i < m_lay_mode->count(); ++i) {
        m_lay_mode->setItemText(i, ToQt(m_catalogue.Read(*kinds[i])));
    }
    m_lay_mode->view()->setAccessibleName(m_lay_mode->accessibleName());
}

}  // namespace orvanta

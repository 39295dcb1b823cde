#include "gui/main/bet_slip_tab.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/base/handler_guard.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/keyboard_access.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace captions = bet_slip_captions;
using P = BetSlipPage;

const ControlTable<P>& BetSlipControls() {
    using C = Control<P>;
    static const ControlTable<P> table = {
        C::Grid("AdvBetSlip", "legs", &P::legs).NamedBy("title"),
        C::Label("LblBetSlip", "title", captions::kTitle),
        C::Label("LblBetType", "kind_label", captions::kKind),
        C::Make<QComboBox>("CmbBetType", "kind").NamedBy("kind_label"),
        C::Label("LblStakePerBet", "stake_label", captions::kStake),
        C::Box("EdtStakePerBet", "stake", &P::stake).NamedBy("stake_label"),
        C::Make<QCheckBox>("ChkEachWay", "each_way", captions::kEachWay),
        C::Label("LblBets", "bets_label", captions::kBets),
        C::Box("EdtBets", "bets", &P::bets).NamedBy("bets_label"),
        C::Label("LblTotalStake", "total_stake_label", captions::kTotalStake),
        C::Box("EdtTotalStake", "total_stake", &P::total_stake).NamedBy("total_stake_label"),
        C::Label("LblReturn", "total_return_label", captions::kTotalReturn),
        C::Box("EdtReturn", "total_return", &P::total_return).NamedBy("total_return_label"),
        C::Label("LblProfit", "profit_label", captions::kProfit),
        C::Box("EdtProfit", "profit", &P::profit).NamedBy("profit_label"),
        C::Label("LblWinReturn", "win_return_label", captions::kWinReturn),
        C::Box("EdtWinReturn", "win_return", &P::win_return).NamedBy("win_return_label"),
        C::Label("LblPlaceReturn", "place_return_label", captions::kPlaceReturn),
        C::Box("EdtPlaceReturn", "place_return", &P::place_return).NamedBy("place_return_label"),
    };
    return table;
}

BetSlipTab::BetSlipTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, BetSlipControls()) {
    PaintPage(this);
    m_grid = m_controls.Grid(&P::legs);
    m_kind = m_controls.Made<QComboBox>("kind");
    for (int i = 0; i < PageSlipKindCount(); ++i) {
        m_kind->addItem(QString());
    }
    m_each_way = m_controls.Made<QCheckBox>("each_way");
    connect(m_kind, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { m_page.kind = index; });
    connect(m_each_way, &QCheckBox::toggled, this,
            [this](bool checked) { m_page.each_way = checked; });
    ClearBetSlip(m_page, m_catalogue);
    BindGrid();
    LayOut();
}

void BetSlipTab::BindGrid() {
    m_grid->Model().SetFixedColour(QColor(212, 208, 200));
    m_grid->SetCanEdit(SlipIsTypedCell);
    m_grid->SetSelectCell(SlipMayBeCurrentCell);
    // A slip is filled leg by leg: Tab goes on to the next cell.
    m_grid->SetTabWalksCells(true);
    m_grid->SetCellActivated(
        [this](int col, int row) { return PressSlipCell(m_page, col, row, m_catalogue); });
    m_grid->SetKeyFilter([this](char typed, const std::string&) {
        return FilterSlipKey(m_grid->CurrentCol(), typed, m_services.separator);
    });
    // Enter goes down the column the user fills, from the last leg to the first.
    m_grid->SetEnterRule(
        [](int col, int row, const std::string&) -> std::optional<std::pair<int, int>> {
            return std::make_pair(col, row % kMaxSlipLegs + 1);
        });
    m_grid->setFixedSize(m_grid->FullSize());
}

void BetSlipTab::LayOut() {
    auto* title = m_controls.Made<QLabel>("title");
    title->setFont(TitleFont(font()));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);
    page->addWidget(title, 0, Qt::AlignHCenter);
    auto* row = new QHBoxLayout();
    row->setSpacing(8);
    row->addWidget(m_grid, 0, Qt::AlignTop);
    row->addLayout(LayOutBoxes());
    row->addStretch(1);
    page->addLayout(row);
    page->addStretch(1);
    // Tab from the legs to the bet, its stake and each way, then the figures.
    QList<QWidget*> order = {m_grid, m_kind, m_controls.Box(&P::stake), m_each_way};
    for (TextBox P::*box : {&P::bets, &P::total_stake, &P::total_return, &P::profit, &P::win_return,
                            &P::place_return}) {
        order.push_back(m_controls.Box(box));
    }
    for (int i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

// The bet beside the legs: its type, stake and each way, then what it pays.
QGridLayout* BetSlipTab::LayOutBoxes() {
    QGridLayout* boxes = CaptionedBoxGrid();
    boxes->setVerticalSpacing(6);
    auto* kind_label = m_controls.Made<QLabel>("kind_label");
    kind_label->setBuddy(m_kind);
    AddCaptionedBox(boxes, kind_label, m_kind, 0, 0);
    FilteredLineEdit* stake = m_controls.Box(&P::stake);
    stake->SetKeyFilter(NumberKeyFilter(m_services));
    AddCaptionedBox(boxes, m_controls.Made<QLabel>("stake_label"), stake, 1, 0);
    boxes->addWidget(m_each_way, 2, 1);
    const struct {
        const char* label;
        TextBox P::*box;
    } figures[] = {{"bets_label", &P::bets},
                   {"total_stake_label", &P::total_stake},
                   {"total_return_label", &P::total_return},
                   {"profit_label", &P::profit},
                   {"win_return_label", &P::win_return},
                   {"place_return_label", &P::place_return}};
    int row = 3;
    boxes->setRowMinimumHeight(row++, Across(this, 8));
    for (const auto& figure : figures) {
        FilteredLineEdit* box = m_controls.Box(figure.box);
        ShowResultIn(box);
        AddCaptionedBox(boxes, m_controls.Made<QLabel>(figure.label), box, row++, 0);
    }
    QFont bold = m_controls.Box(&P::profit)->font();
    bold.setBold(true);
    m_controls.Box(&P::total_return)->setFont(bold);
    m_controls.Box(&P::profit)->setFont(bold);
    m_kind->setFixedWidth(Across(this, kBoxWidth + 16));
    stake->setFixedWidth(Across(this, kBoxWidth));
    for (TextBox P::*box : {&P::bets, &P::total_stake, &P::total_return, &P::profit, &P::win_return,
                            &P::place_return}) {
        m_controls.Box(box)->setFixedWidth(Across(this, kBoxWidth));
    }
    return boxes;
}

void BetSlipTab::ShowChoices() {
    m_kind->setCurrentIndex(m_page.kind);
    m_each_way->setChecked(m_page.each_way);
}

QWidget* BetSlipTab::FirstInput() const {
    return m_grid;
}

QList<QWidget*> BetSlipTab::EnterMovesFocus() const {
    return {m_controls.Box(&P::stake)};
}

void BetSlipTab::Clear() {
    ClearBetSlip(m_page, m_catalogue);
    m_controls.Boxes().Show();
    ShowChoices();
}

void BetSlipTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateBetSlip(m_page, m_services, m_catalogue); });
}

void BetSlipTab::Caption() {
    CaptionBetSlip(m_page, m_catalogue);
    m_controls.Caption(m_catalogue);
    m_kind->view()->setAccessibleName(m_kind->accessibleName());
    for (int i = 0; i < m_kind->count(); ++i) {
        m_kind->setItemText(
            i, ToQt(SlipKindName(SlipKinds()[static_cast<std::size_t>(i)], m_catalogue)));
    }
}

}  // namespace orvanta

#include "gui/main/odds_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "core/markets/market_grid_rules.h"
#include "gui/main/main_window_captions.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

namespace captions = odds_captions;
using P = OddsPage;

const ControlTable<P>& OddsControls() {
    using C = Control<P>;
    static const ControlTable<P> table = {
        C::Grid("AdvOdds", "records", &P::records).Named(main_window_captions::kOddsPage),
        C::Grid("AdvOdds1", "prices", &P::prices).Named(main_window_captions::kOddsPage),
        C::Label("Label15", "cut_percent_label", captions::kCutPercent),
        C::Box("Edit12", "cut_percent", &P::cut_percent).NamedBy("cut_percent_label"),
    };
    return table;
}

namespace {

constexpr int kRecordColWidth = 100;
constexpr int kPriceColWidth = 70;

// The page has room beside the grids: wider columns than the page's own show
// long counts and figures whole.
void WidenColumns(GridView* grid, int width) {
    TextGrid& cells = grid->Grid();
    for (int c = 1; c < cells.ColCount(); ++c) {
        cells.SetColWidth(c, std::max(cells.ColWidth(c), width));
    }
    grid->ApplyLayout();
}

}  // namespace

OddsTab::OddsTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, OddsControls()) {
    PaintPage(this);
    QFont bold = font();
    bold.setBold(true);
    BindRecords(bold);
    BindPrices(bold);
    m_cut_percent = m_controls.Box(&P::cut_percent);
    m_cut_percent->setFixedWidth(Across(this, 60));
    m_cut_percent->SetKeyFilter(NumberKeyFilter(m_services));
    LayOut(bold);
    setTabOrder(m_records, m_cut_percent);
}

void OddsTab::BindRecords(const QFont& bold) {
    m_records = m_controls.Grid(&P::records);
    WidenColumns(m_records, kRecordColWidth);
    m_records->Model().SetFixedColour(QColor(212, 208, 200));
    m_records->Model().SetFixedFont(bold);
    m_records->SetSelectCell(
        [this](int col, int row) { return IsTeamRecordCell(m_page.records, col, row); });
    m_records->SetKeyFilter(NumberKeyFilter(m_services));
    m_records->setFixedSize(m_records->FullSize());
}

void OddsTab::BindPrices(const QFont& bold) {
    m_prices = m_controls.Grid(&P::prices);
    WidenColumns(m_prices, kPriceColWidth);
    m_prices->Model().SetFixedColour(QColor(212, 208, 200));
    m_prices->Model().SetFixedFont(bold);
    m_prices->SetCanEdit([](int, int) { return false; });
    // The prices are for reading: no cell of theirs becomes current.
    m_prices->SetSelectCell([](int, int) { return false; });
    m_prices->SetInert(true);
    m_prices->setFixedSize(m_prices->FullSize());
}

void OddsTab::LayOut(const QFont& bold) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 12, 8, 8);
    page->setSpacing(8);
    auto* records_row = new QHBoxLayout();
    records_row->addStretch(1);
    records_row->addWidget(m_records);
    records_row->addStretch(1);
    page->addLayout(records_row);

    // The cut's box sits under the right end of the records.
    auto* cut_caption = m_controls.Made<QLabel>("cut_percent_label");
    cut_caption->setFont(bold);
    auto* cut_row = new QHBoxLayout();
    cut_row->addStretch(1);
    auto* cut = new QHBoxLayout();
    cut->addStretch(1);
    cut->addWidget(cut_caption);
    cut->addWidget(m_cut_percent);
    auto* cut_holder = new QWidget(this);
    cut_holder->setLayout(cut);
    cut->setContentsMargins(0, 0, 0, 0);
    cut_holder->setFixedWidth(m_records->FullSize().width());
    cut_row->addWidget(cut_holder);
    cut_row->addStretch(1);
    page->addLayout(cut_row);
    page->addSpacing(10);

    auto* prices_row = new QHBoxLayout();
    prices_row->addStretch(1);
    prices_row->addWidget(m_prices);
    prices_row->addStretch(1);
    page->addLayout(prices_row);
    page->addStretch(1);
}

QWidget* OddsTab::FirstInput() const {
    return m_records;
}

QList<QWidget*> OddsTab::EnterMovesFocus() const {
    return {m_cut_percent};
}

void OddsTab::Clear() {
    ClearOdds(m_page, m_catalogue);
    m_controls.Boxes().Show();
}

void OddsTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateOdds(m_page, m_services, m_catalogue); });
}

void OddsTab::Caption() {
    // The grids' headers first: screen readers read them as the grids' rows.
    CaptionOdds(m_page, m_catalogue);
    m_controls.Caption(m_catalogue);
}

}  // namespace orvanta

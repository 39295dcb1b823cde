#include "gui/main/odds_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "core/markets/market_grid_rules.h"
#include "core/numeric/key_filter.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

namespace {

constexpr int kInputColWidth = 100;
constexpr int kResultColWidth = 70;

}  // namespace

OddsTab::OddsTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent) {
    PaintPage(this);
    QFont bold = font();
    bold.setBold(true);

    // The page has room beside the grids: wider columns than the page's own show
    // long counts and figures whole.
    for (int c = 1; c < m_page.AdvOdds.ColCount(); ++c) {
        m_page.AdvOdds.SetColWidth(c, std::max(m_page.AdvOdds.ColWidth(c), kInputColWidth));
    }
    for (int c = 1; c < m_page.AdvOdds1.ColCount(); ++c) {
        m_page.AdvOdds1.SetColWidth(c, std::max(m_page.AdvOdds1.ColWidth(c), kResultColWidth));
    }

    m_input = new GridView(m_page.AdvOdds, m_services.prompter, this);
    m_input->setObjectName(QStringLiteral("AdvOdds"));
    m_input->Model().SetFixedColour(QColor(212, 208, 200));
    m_input->Model().SetFixedFont(bold);
    m_input->SetSelectCell(
        [this](int col, int row) { return IsTeamRecordCell(m_page.AdvOdds, col, row); });
    m_input->SetKeyFilter(NumberKeyFilter(m_services));
    m_input->setFixedSize(m_input->FullSize());

    m_results = new GridView(m_page.AdvOdds1, m_services.prompter, this);
    m_results->setObjectName(QStringLiteral("AdvOdds1"));
    m_results->Model().SetFixedColour(QColor(212, 208, 200));
    m_results->Model().SetFixedFont(bold);
    m_results->SetCanEdit([](int, int) { return false; });
    // The prices are for reading: no cell of theirs becomes current.
    m_results->SetSelectCell([](int, int) { return false; });
    m_results->SetInert(true);
    m_results->setFixedSize(m_results->FullSize());

    auto* ganiota = MakeLabel(this, "Label15", QStringLiteral("GANIOTA"));
    ganiota->setFont(bold);
    m_edit12 = MakeEdit(this, "Edit12", 60);
    m_edit12->SetKeyFilter(NumberKeyFilter(m_services));
    m_boxes.Bind(m_edit12, &m_page.Edit12);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 12, 8, 8);
    page->setSpacing(8);
    auto* input_row = new QHBoxLayout();
    input_row->addStretch(1);
    input_row->addWidget(m_input);
    input_row->addStretch(1);
    page->addLayout(input_row);

    // The margin box sits under the right end of the input grid.
    auto* margin_row = new QHBoxLayout();
    margin_row->addStretch(1);
    auto* margin = new QHBoxLayout();
    margin->addStretch(1);
    margin->addWidget(ganiota);
    margin->addWidget(m_edit12);
    auto* margin_holder = new QWidget(this);
    margin_holder->setLayout(margin);
    margin->setContentsMargins(0, 0, 0, 0);
    margin_holder->setFixedWidth(m_input->FullSize().width());
    margin_row->addWidget(margin_holder);
    margin_row->addStretch(1);
    page->addLayout(margin_row);
    page->addSpacing(10);

    auto* result_row = new QHBoxLayout();
    result_row->addStretch(1);
    result_row->addWidget(m_results);
    result_row->addStretch(1);
    page->addLayout(result_row);
    page->addStretch(1);

    setTabOrder(m_input, m_edit12);
}

QWidget* OddsTab::FirstInput() const {
    return m_input;
}

QList<QWidget*> OddsTab::EnterMovesFocus() const {
    return {m_edit12};
}

void OddsTab::Clear() {
    InitOddsPage(m_page, m_catalogue);
    m_boxes.Show();
}

void OddsTab::Calculate() {
    m_boxes.Around([this] { CalcOddsPage(m_page, m_services, m_catalogue); });
}

void OddsTab::Caption() {
    CaptionOddsPage(m_page, m_catalogue);
}

}  // namespace orvanta

#include "gui/main/odds_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "core/base/handler_guard.h"
#include "core/markets/market_grid_rules.h"
#include "gui/main/main_window_captions.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

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
        // The converter: a caption over each box; a screen reader hears the
        // strip's title after the format.
        C::Label("LblConverter", "converter_label", captions::kConverter),
        C::Label("LblDecimal", "price_decimal_label", captions::kConverterDecimal),
        C::Box("edtDecimal", "price_decimal", &P::price_decimal)
            .NamedBy("price_decimal_label")
            .DescribedBy("converter_label"),
        C::Label("LblFractional", "price_fractional_label", captions::kConverterFractional),
        C::Box("edtFractional", "price_fractional", &P::price_fractional)
            .NamedBy("price_fractional_label")
            .DescribedBy("converter_label"),
        C::Label("LblAmerican", "price_american_label", captions::kConverterAmerican),
        C::Box("edtAmerican", "price_american", &P::price_american)
            .NamedBy("price_american_label")
            .DescribedBy("converter_label"),
        C::Label("LblHongKong", "price_hong_kong_label", captions::kConverterHongKong),
        C::Box("edtHongKong", "price_hong_kong", &P::price_hong_kong)
            .NamedBy("price_hong_kong_label")
            .DescribedBy("converter_label"),
        C::Label("LblMalay", "price_malay_label", captions::kConverterMalay),
        C::Box("edtMalay", "price_malay", &P::price_malay)
            .NamedBy("price_malay_label")
            .DescribedBy("converter_label"),
        C::Label("LblIndonesian", "price_indonesian_label", captions::kConverterIndonesian),
        C::Box("edtIndonesian", "price_indonesian", &P::price_indonesian)
            .NamedBy("price_indonesian_label")
            .DescribedBy("converter_label"),
        C::Label("LblImplied", "price_percent_label", captions::kConverterPercent),
        C::Box("edtImplied", "price_percent", &P::price_percent)
            .NamedBy("price_percent_label")
            .DescribedBy("converter_label"),
        // Says why a typed text gives no price; empty while it does.
        C::Make<QLabel>("LblPriceProblem", "price_problem").NamedBy("converter_label"),
    };
    return table;
}

namespace {

constexpr int kRecordColWidth = 100;
constexpr int kPriceColWidth = 70;
constexpr int kConverterBoxWidth = 72;

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
    BindConverter();
    LayOut(bold);
    setTabOrder(m_records, m_cut_percent);
    QWidget* previous = m_cut_percent;
    for (FilteredLineEdit* box : m_converter) {
        setTabOrder(previous, box);
        previous = box;
    }
}

void OddsTab::BindConverter() {
    for (const OddsFormat format : kConverterFormats) {
        FilteredLineEdit* box = m_controls.Box(ConverterBox(format));
        box->setFixedWidth(Across(this, kConverterBoxWidth));
        const Services& services = m_services;
        box->SetKeyFilter([&services, format](char typed, const std::string&) {
            return FilterPriceKey(typed, format, services.separator);
        });
        // Each change is converted at once: nothing is saved or asked, and the
        // box typed in keeps its text and cursor, as only the others change.
        connect(box, &QLineEdit::textEdited, this, [this, format] {
            RunGuarded(m_services.prompter, [this, format] { Convert(format); });
        });
        m_converter.push_back(box);
    }
    m_problem = m_controls.Made<QLabel>("price_problem");
}

void OddsTab::Convert(OddsFormat typed) {
    m_typed = typed;
    m_controls.Boxes().Around(
        [this, typed] { ConvertPrice(m_page, typed, m_services.separator, m_catalogue); });
    const QString problem = ToQt(m_page.price_problem);
    m_problem->setText(problem);
    // The label is named after the strip, so that a screen reader finds it
    // while empty; it reads the message as its description.
    m_problem->setAccessibleDescription(problem);
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
    page->addSpacing(10);
    page->addLayout(ConverterLayout(bold));
    page->addStretch(1);
}

QLayout* OddsTab::ConverterLayout(const QFont& bold) {
    auto* strip = new QGridLayout();
    strip->setHorizontalSpacing(6);
    strip->setVerticalSpacing(2);
    auto* title = m_controls.Made<QLabel>("converter_label");
    title->setFont(bold);
    const int columns = static_cast<int>(m_converter.size());
    strip->addWidget(title, 0, 0, 1, columns);
    for (int c = 0; c < columns; ++c) {
        // The caption is the row that names the box.
        const char* caption_row =
            RowOf(OddsControls(), ConverterBox(kConverterFormats[c]))->named_by;
        auto* caption = m_controls.Made<QLabel>(caption_row);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        strip->addWidget(caption, 1, c, Qt::AlignHCenter);
        strip->addWidget(m_converter[c], 2, c, Qt::AlignHCenter);
    }
    strip->addWidget(m_problem, 3, 0, 1, columns);
    auto* row = new QHBoxLayout();
    row->addStretch(1);
    row->addLayout(strip);
    row->addStretch(1);
    return row;
}

QWidget* OddsTab::FirstInput() const {
    return m_records;
}

QList<QWidget*> OddsTab::EnterMovesFocus() const {
    QList<QWidget*> boxes = {m_cut_percent};
    for (FilteredLineEdit* box : m_converter) {
        boxes << box;
    }
    return boxes;
}

void OddsTab::Clear() {
    ClearOdds(m_page, m_catalogue);
    m_typed.reset();
    m_controls.Boxes().Show();
    m_problem->clear();
    m_problem->setAccessibleDescription(QString());
}

void OddsTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateOdds(m_page, m_services, m_catalogue); });
}

void OddsTab::Caption() {
    // The grids' headers first: screen readers read them as the grids' rows.
    CaptionOdds(m_page, m_catalogue);
    m_controls.Caption(m_catalogue);
    // A message about the typed price, in the new language.
    if (m_typed && !m_page.price_problem.empty()) {
        Convert(*m_typed);
    }
}

}  // namespace orvanta

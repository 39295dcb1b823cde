#include "gui/main/probability_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

namespace {

namespace captions = probability_captions;
using P = ProbabilityPage;

// The page's controls by object name.
std::vector<Control<P>> ControlTable() {
    return {
        {"AdvProbability", nullptr, nullptr, &P::outcomes},
        {"Label9", &captions::kTitle},
        {"Label10", &captions::kOddsRow},
        {"Label11", &captions::kProbabilityRow},
        {"Label12", &captions::kMargin},
        {"Edit9", nullptr, &P::margin},
        {"Label13", &captions::kReturnPercent},
        {"Edit10", nullptr, &P::return_percent},
        {"Label14", &captions::kCutPercent},
        {"Edit11", nullptr, &P::cut_percent},
    };
}

}  // namespace

ProbabilityTab::ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, ControlTable()) {
    PaintPage(this);

    m_grid = m_controls.Grid(&P::outcomes);
    BindOddsRowGrid(m_grid, m_services);

    QVBoxLayout* page = TitledGridLayout(
        this, m_controls.Label(captions::kTitle), m_grid,
        {m_controls.Label(captions::kOddsRow), m_controls.Label(captions::kProbabilityRow)});
    page->addSpacing(20);

    // The results one under the other, each with its caption in front.
    auto* boxes = new QGridLayout();
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(10);
    const struct {
        const CatalogueText& caption;
        TextBox P::*box;
    } places[] = {{captions::kMargin, &P::margin},
                  {captions::kReturnPercent, &P::return_percent},
                  {captions::kCutPercent, &P::cut_percent}};
    int row = 0;
    for (const auto& place : places) {
        QLabel* label = m_controls.Label(place.caption);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        FilteredLineEdit* box = m_controls.Box(place.box);
        box->setFixedWidth(kBoxWidth);
        box->setFocusPolicy(Qt::ClickFocus);  // results, not tab stops
        boxes->addWidget(label, row, 0);
        boxes->addWidget(box, row, 1);
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
    ClearProbability(m_page);
    m_controls.Boxes().Show();
}

void ProbabilityTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateProbability(m_page, m_services); });
}

void ProbabilityTab::Caption() {
    m_controls.Caption(m_catalogue);
}

}  // namespace orvanta

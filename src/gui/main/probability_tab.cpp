#include "gui/main/probability_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/keyboard_access.h"

namespace orvanta {

namespace captions = probability_captions;
using P = ProbabilityPage;

const ControlTable<P>& ProbabilityControls() {
    using C = Control<P>;
    static const ControlTable<P> table = {
        C::Grid("AdvProbability", "outcomes", &P::outcomes)
            .NamedBy("title")
            .DescribedBy("odds_row, probability_row"),
        C::Label("Label9", "title", captions::kTitle),
        C::Label("Label10", "odds_row", captions::kOddsRow),
        C::Label("Label11", "probability_row", captions::kProbabilityRow),
        C::Label("Label12", "margin_label", captions::kMargin),
        C::Box("Edit9", "margin", &P::margin).NamedBy("margin_label"),
        C::Label("Label13", "return_percent_label", captions::kReturnPercent),
        C::Box("Edit10", "return_percent", &P::return_percent).NamedBy("return_percent_label"),
        C::Label("Label14", "cut_percent_label", captions::kCutPercent),
        C::Box("Edit11", "cut_percent", &P::cut_percent).NamedBy("cut_percent_label"),
    };
    return table;
}

ProbabilityTab::ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, ProbabilityControls()) {
    PaintPage(this);

    m_grid = m_controls.Grid(&P::outcomes);
    BindOddsRowGrid(m_grid, m_services);
    LayOut();
}

void ProbabilityTab::LayOut() {
    QVBoxLayout* page = TitledGridLayout(
        this, m_controls.Made<QLabel>("title"), m_grid,
        {m_controls.Made<QLabel>("odds_row"), m_controls.Made<QLabel>("probability_row")});
    page->addSpacing(20);

    // The results one under the other, each with its caption in front.
    QGridLayout* boxes = CaptionedBoxGrid();
    const struct {
        const char* label;
        TextBox P::*box;
    } places[] = {{"margin_label", &P::margin},
                  {"return_percent_label", &P::return_percent},
                  {"cut_percent_label", &P::cut_percent}};
    int row = 0;
    for (const auto& place : places) {
        FilteredLineEdit* box = m_controls.Box(place.box);
        box->setFixedWidth(Across(this, kBoxWidth));
        ShowResultIn(box);
        AddCaptionedBox(boxes, m_controls.Made<QLabel>(place.label), box, row++, 0);
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

#include "gui/main/probability_tab.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "core/base/handler_guard.h"
#include "core/markets/method_choice.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/font_scale.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/keyboard_access.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace captions = probability_captions;
using P = ProbabilityPage;

const ControlTable<P>& ProbabilityControls() {
    using C = Control<P>;
    static const ControlTable<P> table = {
        C::Grid("AdvProbability", "outcomes", &P::outcomes)
            .NamedBy("title")
            .DescribedBy("odds_row, probability_row, fair_odds_row, offered_row, edge_row, "
                         "stake_row"),
        C::Label("Label9", "title", captions::kTitle),
        C::Label("Label10", "odds_row", captions::kOddsRow),
        C::Label("Label11", "probability_row", captions::kProbabilityRow),
        C::Label("Label12", "margin_label", captions::kMargin),
        C::Box("Edit9", "margin", &P::margin).NamedBy("margin_label"),
        C::Label("Label13", "return_percent_label", captions::kReturnPercent),
        C::Box("Edit10", "return_percent", &P::return_percent).NamedBy("return_percent_label"),
        C::Label("Label14", "cut_percent_label", captions::kCutPercent),
        C::Box("Edit11", "cut_percent", &P::cut_percent).NamedBy("cut_percent_label"),
        // The margin's method and what the prices of another bookmaker are worth.
        C::Label("Label17", "fair_odds_row", captions::kFairOddsRow),
        C::Label("Label18", "offered_row", captions::kOfferedRow),
        C::Label("Label19", "edge_row", captions::kEdgeRow),
        C::Label("Label20", "stake_row", captions::kStakeRow),
        C::Label("Label21", "method_label", captions::kMethod),
        C::Make<QComboBox>("ComboBox1", "method").NamedBy("method_label"),
        C::Label("Label22", "parameter_label", captions::kParameter),
        C::Box("Edit14", "parameter", &P::parameter).NamedBy("parameter_label"),
        C::Box("Edit15", "range_note", &P::range_note).NamedBy("probability_row"),
        C::Label("Label23", "bankroll_label", captions::kBankroll),
        C::Box("Edit16", "bankroll", &P::bankroll).NamedBy("bankroll_label"),
        C::Label("Label24", "kelly_fraction_label", captions::kKellyFraction),
        C::Box("Edit17", "kelly_fraction", &P::kelly_fraction).NamedBy("kelly_fraction_label"),
        C::Label("Label25", "total_stake_label", captions::kTotalStakePercent),
        C::Box("Edit18", "total_stake_percent", &P::total_stake_percent)
            .NamedBy("total_stake_label"),
        C::Label("Label26", "growth_label", captions::kGrowthPercent),
        C::Box("Edit19", "growth_percent", &P::growth_percent).NamedBy("growth_label"),
    };
    return table;
}

ProbabilityTab::ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_page, services.prompter, ProbabilityControls()) {
    PaintPage(this);

    m_grid = m_controls.Grid(&P::outcomes);
    BindOddsRowGrid(m_grid, m_services);
    // The prices another bookmaker offers are typed in like the book's odds.
    TextGrid& cells = m_page.outcomes;
    auto typed_row = [&cells](int col, int row) {
        return cells.Contains(col, row) && (row == P::kOddsRow || row == P::kOfferedRow);
    };
    m_grid->SetCanEdit(typed_row);
    m_grid->SetSelectCell(typed_row);
    m_method = m_controls.Made<QComboBox>("method");
    for (MarginMethod method : MarginMethods()) {
        m_method->addItem(QString(), static_cast<int>(method));
    }
    m_page.method = RememberedMethod(m_services.platform.UserFolder());
    ShowMethod();
    connect(m_method, QOverload<int>::of(&QComboBox::activated), this,
            &ProbabilityTab::OnMethodChosen);
    for (int c = 0; c < P::kOutcomes; ++c) {
        m_rest_widths.push_back(m_page.outcomes.ColWidth(c));
    }
    connect(&m_grid->Model(), &QAbstractItemModel::dataChanged, this,
            [this] { MakeRoomForFigures(); });
    LayOut();
}

void ProbabilityTab::LayOut() {
    QVBoxLayout* page = TitledGridLayout(
        this, m_controls.Made<QLabel>("title"), m_grid,
        {m_controls.Made<QLabel>("odds_row"), m_controls.Made<QLabel>("probability_row"),
         m_controls.Made<QLabel>("fair_odds_row"), m_controls.Made<QLabel>("offered_row"),
         m_controls.Made<QLabel>("edge_row"), m_controls.Made<QLabel>("stake_row")});
    page->addSpacing(12);

    // Three columns of boxes, each with its caption in front: the book's
    // figures, the method with what the prices are staked from, and the stakes.
    QGridLayout* boxes = LayOutBoxes();
    auto* boxes_row = new QHBoxLayout();
    boxes_row->addStretch(1);
    boxes_row->addLayout(boxes);
    boxes_row->addStretch(1);
    page->addLayout(boxes_row);
    FilteredLineEdit* note = m_controls.Box(&P::range_note);
    ShowResultIn(note);
    note->setFrame(false);
    note->setAlignment(Qt::AlignHCenter);
    note->setVisible(false);
    page->addWidget(note);
    page->addStretch(1);

    // Tab goes row by row, as the boxes are laid out, then to the note.
    const QList<QWidget*> order = {
        m_controls.Box(&P::margin),         m_method,
        m_controls.Box(&P::kelly_fraction), m_controls.Box(&P::return_percent),
        m_controls.Box(&P::parameter),      m_controls.Box(&P::total_stake_percent),
        m_controls.Box(&P::cut_percent),    m_controls.Box(&P::bankroll),
        m_controls.Box(&P::growth_percent), note};
    for (int i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

QGridLayout* ProbabilityTab::LayOutBoxes() {
    QGridLayout* boxes = CaptionedBoxGrid();
    boxes->setVerticalSpacing(6);
    const struct {
        const char* label;
        TextBox P::*box;
        bool typed;
        int row;
        int col;
    } places[] = {{"margin_label", &P::margin, false, 0, 0},
                  {"return_percent_label", &P::return_percent, false, 1, 0},
                  {"cut_percent_label", &P::cut_percent, false, 2, 0},
                  {"parameter_label", &P::parameter, false, 1, 2},
                  {"bankroll_label", &P::bankroll, true, 2, 2},
                  {"kelly_fraction_label", &P::kelly_fraction, true, 0, 4},
                  {"total_stake_label", &P::total_stake_percent, false, 1, 4},
                  {"growth_label", &P::growth_percent, false, 2, 4}};
    for (const auto& place : places) {
        FilteredLineEdit* box = m_controls.Box(place.box);
        box->setFixedWidth(Across(this, kBoxWidth));
        if (place.typed) {
            box->SetKeyFilter(NumberKeyFilter(m_services));
        } else {
            ShowResultIn(box);
        }
        AddCaptionedBox(boxes, m_controls.Made<QLabel>(place.label), box, place.row, place.col);
    }
    auto* method_label = m_controls.Made<QLabel>("method_label");
    method_label->setBuddy(m_method);
    m_method->setFixedWidth(Across(this, kBoxWidth + 20));
    m_controls.Box(&P::parameter)->setFixedWidth(Across(this, kBoxWidth + 20));
    AddCaptionedBox(boxes, method_label, m_method, 0, 2);
    return boxes;
}

// A column shows its figures whole (a stake of a large bankroll is wider than
// the column); the columns without figures give up the room that takes, down
// to what shows their header.
void ProbabilityTab::MakeRoomForFigures() {
    TextGrid& grid = m_page.outcomes;
    const FontScale scale = m_grid->Scale();
    // Every cell's change calls here, a colour's too (Clear recolours the whole
    // grid): the widths follow only the texts and the font.
    std::vector<std::string> shown{std::to_string(scale.AcrossFactor())};
    for (int c = 0; c < P::kOutcomes; ++c) {
        for (int r = 0; r < P::kRows; ++r) {
            shown.push_back(grid.Cell(c, r));
        }
    }
    if (shown == m_room_made_for) {
        return;
    }
    m_room_made_for = std::move(shown);
    // A grown column may come out a pixel narrower than its width grown alone.
    const int rounding = scale.AcrossFactor() > 1.0 ? 1 : 0;
    std::vector<bool> with_figures(P::kOutcomes);
    std::vector<int> least(P::kOutcomes);
    for (int c = 0; c < P::kOutcomes; ++c) {
        int widest = 0;
        for (int r = P::kOddsRow; r < P::kRows; ++r) {
            if (!grid.Cell(c, r).empty()) {
                with_figures[c] = true;
                widest = std::max(widest, m_grid->WidthToShow(ToQt(grid.Cell(c, r)), c, r));
            }
        }
        least[c] = with_figures[c] ? scale.AcrossBack(widest) + rounding
                                   : scale.AcrossBack(m_grid->WidthToShow(
                                         ToQt(grid.Cell(c, 0)) + QStringLiteral("  "), c, 0));
    }
    const std::vector<int> widths = SharedWidths(m_rest_widths, with_figures, least);
    // Narrowed first, so that the columns never overrun the grid on the way.
    for (const bool narrower : {true, false}) {
        for (int c = 0; c < P::kOutcomes; ++c) {
            if (widths[c] != grid.ColWidth(c) && (widths[c] < grid.ColWidth(c)) == narrower) {
                grid.SetColWidth(c, widths[c]);
            }
        }
    }
}

void ProbabilityTab::ShowMethod() {
    m_method->setCurrentIndex(m_method->findData(static_cast<int>(m_page.method)));
}

void ProbabilityTab::OnMethodChosen(int index) {
    RunGuarded(m_services.prompter, [&] {
        m_page.method = static_cast<MarginMethod>(m_method->itemData(index).toInt());
        RememberMethod(m_services.platform.UserFolder(), m_page.method, m_services.write_faults);
    });
    // Figures worked out by the method before would now pass for this one's.
    bool calculated = false;
    for (int c = 0; c < P::kOutcomes; ++c) {
        calculated = calculated || !m_page.outcomes.Cell(c, P::kProbabilityRow).empty();
    }
    if (calculated) {
        RunGuarded(m_services.prompter, [this] { Calculate(); });
    }
}

void ProbabilityTab::FollowRememberedMethod() {
    m_page.method = RememberedMethod(m_services.platform.UserFolder());
    ShowMethod();
}

QWidget* ProbabilityTab::FirstInput() const {
    return m_grid;
}

QList<QWidget*> ProbabilityTab::EnterMovesFocus() const {
    return {m_controls.Box(&P::bankroll), m_controls.Box(&P::kelly_fraction)};
}

void ProbabilityTab::Clear() {
    ClearProbability(m_page);
    m_controls.Boxes().Show();
    ShowNote();
}

void ProbabilityTab::Calculate() {
    try {
        m_controls.Boxes().Around(
            [this] { CalculateProbability(m_page, m_services, m_catalogue); });
    } catch (...) {
        ShowNote();
        throw;
    }
    ShowNote();
}

void ProbabilityTab::ShowNote() {
    // Only a note that says something takes room, and the focus, on the page.
    m_controls.Box(&P::range_note)->setVisible(!m_page.range_note.text.empty());
}

void ProbabilityTab::Caption() {
    m_controls.Caption(m_catalogue);
    // The choice's list, which a screen reader finds inside it, goes by its name.
    m_method->view()->setAccessibleName(m_method->accessibleName());
    const std::vector<MarginMethod>& methods = MarginMethods();
    for (int i = 0; i < m_method->count(); ++i) {
        m_method->setItemText(i, ToQt(m_catalogue.Read(MethodCaption(methods[i]))));
    }
}

}  // namespace orvanta

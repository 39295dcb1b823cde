#include "gui/main/parlay_tab.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "core/base/handler_guard.h"
#include "core/parlay/parlay_files.h"
#include "core/slip/bet_slip_page.h"
#include "core/slip/named_system.h"
#include "gui/main/main_window_captions.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/drawn_icons.h"
#include "gui/widgets/font_scale.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/keyboard_access.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace captions = parlay_captions;
using P = ParlaySheet;

const ControlTable<P>& ParlayControls() {
    using C = Control<P>;
    static const ControlTable<P> table = {
        C::Grid("AdvStringGrid1", "selections", &P::selections)
            .Named(main_window_captions::kParlayPage),
        C::Button("Button1", "save", captions::kSave).Tip(captions::kSaveTip),
        C::Button("Button2", "load", captions::kLoad).Tip(captions::kLoadTip),
        C::Button("bbtnDelete", "delete_files", captions::kDeleteFiles),
        C::Label("LblSum", "sum_label", captions::kSum),
        // Each sum sits under the column it adds up.
        C::Box("Edit1", "total_staked", &P::total_staked)
            .NamedBy("sum_label")
            .Named(captions::kColumnHeaders[P::kTotalStakeCol]),
        C::Box("Edit2", "total_returned", &P::total_returned)
            .NamedBy("sum_label")
            .Named(captions::kColumnHeaders[P::kReturnCol]),
        C::Box("Edit3", "total_profit", &P::total_profit)
            .NamedBy("sum_label")
            .Named(captions::kColumnHeaders[P::kProfitCol]),
        C::Make<QWidget>("Panel1", "foot").NamedBy("save, load, delete_files"),
        // A named full cover fills the stakes, with the unit typed beside it.
        C::Label("LblSystem", "system_label", slip_captions::kSystem),
        C::Make<QComboBox>("CmbSystem", "system").NamedBy("system_label"),
        C::Label("LblUnitStake", "unit_label", slip_captions::kUnit),
        C::Make<FilteredLineEdit>("EdtUnitStake", "unit").NamedBy("unit_label"),
    };
    return table;
}

namespace {

constexpr int kFootHeight = 31;
// The named systems' row under the file buttons.
constexpr int kSystemRowHeight = 26;

QRect ScaledPlace(const FontScale& scale, const QRect& place) {
    return {scale.Across(place.x()), place.y(), scale.Across(place.width()),
            scale.Down(place.height())};
}

}  // namespace

ParlayTab::ParlayTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_sheet, services.prompter, ParlayControls()) {
    PaintPage(this, ToQColor(kParlayGridColour));
    m_grid = m_controls.Grid(&P::selections);
    BindSheet();
    // Sized with its start content: the banker boxes take room of their own.
    ClearParlaySheet(m_sheet, m_catalogue);
    m_grid->setFixedSize(m_grid->FullSize());
    QWidget* foot = LayOutFoot();
    LayOutSystemRow(foot, FontScale(font()));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(2, 2, 2, 0);
    page->setSpacing(0);
    page->addWidget(m_grid, 0, Qt::AlignLeft | Qt::AlignTop);
    page->addStretch(1);
    page->addWidget(foot);

    connect(m_controls.Made<QPushButton>("save"), &QPushButton::clicked, this,
            [this] { OnSave(); });
    connect(m_controls.Made<QPushButton>("load"), &QPushButton::clicked, this,
            [this] { OnLoad(); });
    connect(m_controls.Made<QPushButton>("delete_files"), &QPushButton::clicked, this,
            [this] { OnDeleteFiles(); });
    connect(m_system, QOverload<int>::of(&QComboBox::activated), this,
            [this] { OnSystemChosen(); });
}

void ParlayTab::BindSheet() {
    // Bold, at the window's family and size: only the weight is the sheet's own.
    QFont bold;
    bold.setBold(true);
    m_grid->setFont(bold);
    m_grid->Model().SetFixedColour(ToQColor(kParlayHeaderColour));
    m_grid->Model().SetCellColour(ToQColor(kParlayGridColour));
    m_grid->SetGridLineColour(ToQColor(kParlayGridLineColour));
    m_grid->SetCanEdit(IsTypedCell);
    m_grid->SetSelectCell(MayBeCurrentCell);
    // The whole sheet is filled from the keyboard: Tab goes on to the next
    // cell, the stakes included, rather than off the sheet.
    m_grid->SetTabWalksCells(true);
    m_grid->SetCellActivated(
        [this](int col, int row) { return PressCell(m_sheet, col, row, m_catalogue, m_services); });
    m_grid->SetCheckBoxClicked(
        [this](int col, int row) { ToggleCheckBox(m_sheet, col, row, m_catalogue, m_services); });
    m_grid->SetKeyFilter(NumberKeyFilter(m_services));
    m_grid->SetEnterRule(
        [](int col, int row, const std::string& current) -> std::optional<std::pair<int, int>> {
            const int next = RowAfterEnter(col, row, current);
            if (next == row) {
                return std::nullopt;
            }
            return std::make_pair(col, next);
        });
}

// The foot: the file buttons, then the sums under the columns they add up.
QWidget* ParlayTab::LayOutFoot() {
    auto* foot = m_controls.Made("foot");
    PaintPage(foot, QColor(255, 255, 0));
    // Places drawn for the program's font, grown with a larger one, so that the
    // sums stay under their columns.
    const FontScale scale(font());
    foot->setFixedHeight(scale.Down(kFootHeight));
    const struct {
        const char* control;
        QRect place;
    } buttons[] = {
        {"save", {2, 3, 75, 25}}, {"load", {79, 3, 75, 25}}, {"delete_files", {156, 3, 133, 25}}};
    for (const auto& button : buttons) {
        auto* made = m_controls.Made<QPushButton>(button.control);
        made->setParent(foot);
        made->setGeometry(ScaledPlace(scale, button.place));
        made->setAutoDefault(false);
    }
    m_controls.Made<QPushButton>("delete_files")->setIcon(DeleteIcon());
    auto* sum = m_controls.Made<QLabel>("sum_label");
    sum->setParent(foot);
    sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sum->setGeometry(ScaledPlace(scale, {290, 3, 84, 25}));
    const struct {
        TextBox P::*box;
        int x;
        int width;
    } sums[] = {
        {&P::total_staked, 378, 66}, {&P::total_returned, 443, 80}, {&P::total_profit, 522, 71}};
    int right = 0;
    for (const auto& place : sums) {
        FilteredLineEdit* box = m_controls.Box(place.box);
        box->setParent(foot);
        box->setFixedWidth(scale.Across(place.width));
        box->move(scale.Across(place.x), 5);
        ShowResultIn(box);
        right = std::max(right, box->geometry().right());
    }
    foot->setMinimumWidth(right + 1);
    return foot;
}

// Under the file buttons: the named system and its unit stake.
void ParlayTab::LayOutSystemRow(QWidget* foot, const FontScale& scale) {
    foot->setFixedHeight(scale.Down(kFootHeight) + scale.Down(kSystemRowHeight));
    m_system = m_controls.Made<QComboBox>("system");
    for (std::size_t i = 0; i < FullCovers().size(); ++i) {
        m_system->addItem(QString());
    }
    m_system->setCurrentIndex(-1);
    m_unit = m_controls.Made<FilteredLineEdit>("unit");
    m_unit->SetKeyFilter(NumberKeyFilter(m_services));
    for (const char* label : {"system_label", "unit_label"}) {
        m_controls.Made<QLabel>(label)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_controls.Made<QLabel>("system_label")->setBuddy(m_system);
    m_controls.Made<QLabel>("unit_label")->setBuddy(m_unit);
    for (QWidget* widget : {static_cast<QWidget*>(m_controls.Made<QLabel>("system_label")),
                            static_cast<QWidget*>(m_system),
                            static_cast<QWidget*>(m_controls.Made<QLabel>("unit_label")),
                            static_cast<QWidget*>(m_unit)}) {
        widget->setParent(foot);
    }
    PlaceSystemRow();
    // Tab goes from the file buttons to the system and its unit, then the sums.
    setTabOrder(m_controls.Made<QPushButton>("delete_files"), m_system);
    setTabOrder(m_system, m_unit);
    setTabOrder(m_unit, m_controls.Box(&P::total_staked));
}

// Each caption as wide as its text needs, from the place drawn for it on; the
// row is placed again when the language changes.
void ParlayTab::PlaceSystemRow() {
    const FontScale scale(font());
    const int y = scale.Down(kFootHeight) - 1;
    const int height = scale.Down(kSystemRowHeight) - 3;
    int x = scale.Across(2);
    const struct {
        QWidget* widget;
        int width;
    } places[] = {{m_controls.Made<QLabel>("system_label"), 56},
                  {m_system, 130},
                  {m_controls.Made<QLabel>("unit_label"), 74},
                  {m_unit, 66}};
    for (const auto& place : places) {
        int width = scale.Across(place.width);
        if (auto* label = qobject_cast<QLabel*>(place.widget)) {
            width = std::max(width, label->sizeHint().width());
        } else if (place.widget == m_system) {
            width = std::max(width, m_system->sizeHint().width());
        }
        place.widget->setGeometry(x, y, width, height);
        x += width + scale.Across(4);
    }
}

void ParlayTab::OnSystemChosen() {
    const int chosen = m_system->currentIndex();
    if (chosen < 0) {
        return;
    }
    RunGuarded(m_services.prompter, [&] {
        const SlipKind& cover = *FullCovers()[static_cast<std::size_t>(chosen)];
        const std::string unit = FromQt(m_unit->text());
        m_controls.Boxes().Around([&] {
            if (const auto problem =
                    FillNamedSystem(m_sheet, cover, unit, m_services, m_catalogue)) {
                m_services.prompter.ShowMessage(*problem);
            }
        });
    });
}

QWidget* ParlayTab::FirstInput() const {
    return m_grid;
}

void ParlayTab::Clear() {
    ClearParlaySheet(m_sheet, m_catalogue);
    m_controls.Boxes().Show();
}

void ParlayTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateParlaySheet(m_sheet, m_services, m_catalogue); });
}

void ParlayTab::Caption() {
    // The sheet's header first: screen readers read it as what the sheet holds.
    CaptionParlaySheet(m_sheet, m_catalogue);
    m_controls.Caption(m_catalogue);
    m_system->view()->setAccessibleName(m_system->accessibleName());
    m_system->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const std::vector<const SlipKind*> covers = FullCovers();
    for (int i = 0; i < m_system->count(); ++i) {
        m_system->setItemText(
            i, ToQt(SlipKindName(*covers[static_cast<std::size_t>(i)], m_catalogue)) + " (" +
                   QString::number(covers[static_cast<std::size_t>(i)]->legs) + ")");
    }
    PlaceSystemRow();
}

void ParlayTab::OnSave() {
    RunGuarded(m_services.prompter, [this] {
        SaveParlaySheet(m_sheet, m_services, static_cast<std::int32_t>(winId()), m_catalogue);
    });
}

void ParlayTab::OnLoad() {
    RunGuarded(m_services.prompter, [this] {
        m_controls.Boxes().Around([this] { LoadParlaySheet(m_sheet, m_services, m_catalogue); });
    });
}

void ParlayTab::OnDeleteFiles() {
    RunGuarded(m_services.prompter, [this] { DeleteParlayFiles(m_catalogue, m_services); });
}

}  // namespace orvanta

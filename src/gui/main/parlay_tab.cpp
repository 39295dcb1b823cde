#include "gui/main/parlay_tab.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <initializer_list>

#include "core/base/handler_guard.h"
#include "core/parlay/parlay_files.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/drawn_icons.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

namespace captions = parlay_captions;
using P = ParlaySheet;

constexpr int kFootHeight = 31;

// The page's controls by object name.
std::vector<Control<P>> ControlTable() {
    return {
        {"AdvStringGrid1", nullptr, nullptr, &P::selections},
        PushButton<P>("Button1", captions::kSave),
        PushButton<P>("Button2", captions::kLoad),
        PushButton<P>("bbtnDelete", captions::kDeleteFiles),
        {"LblSum", &captions::kSum},
        {"Edit1", nullptr, &P::total_staked},
        {"Edit2", nullptr, &P::total_returned},
        {"Edit3", nullptr, &P::total_profit},
    };
}

}  // namespace

ParlayTab::ParlayTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent),
      m_controls(this, m_sheet, services.prompter, ControlTable()) {
    PaintPage(this, ToQColor(kParlayGridColour));

    m_grid = m_controls.Grid(&P::selections);
    QFont sheet_font(QStringLiteral("Liberation Sans"));
    sheet_font.setPointSize(8);
    sheet_font.setBold(true);
    m_grid->setFont(sheet_font);
    m_grid->Model().SetFixedColour(ToQColor(kParlayHeaderColour));
    m_grid->Model().SetCellColour(ToQColor(kParlayGridColour));
    m_grid->SetGridLineColour(ToQColor(kParlayGridLineColour));
    m_grid->SetCanEdit(IsInputCell);
    m_grid->SetSelectCell([this](int col, int row) {
        if (col == P::kResultCol) {
            ToggleResult(m_sheet, row, m_catalogue, m_services);
        }
        return IsInputCell(col, row);
    });
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
    // Sized with its start content: the banker boxes take room of their own.
    ClearParlaySheet(m_sheet, m_catalogue);
    m_grid->setFixedSize(m_grid->FullSize());

    // The foot: the file buttons, then the sums under the columns they add up.
    auto* foot = new QWidget(this);
    foot->setObjectName(QStringLiteral("Panel1"));
    foot->setFixedHeight(kFootHeight);
    PaintPage(foot, QColor(255, 255, 0));
    QPushButton* save = m_controls.Button(captions::kSave);
    QPushButton* load = m_controls.Button(captions::kLoad);
    QPushButton* delete_files = m_controls.Button(captions::kDeleteFiles);
    QLabel* sum = m_controls.Label(captions::kSum);
    FilteredLineEdit* total_staked = m_controls.Box(&P::total_staked);
    FilteredLineEdit* total_returned = m_controls.Box(&P::total_returned);
    FilteredLineEdit* total_profit = m_controls.Box(&P::total_profit);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             save, load, delete_files, sum, total_staked, total_returned, total_profit}) {
        widget->setParent(foot);
    }
    save->setGeometry(2, 3, 75, 25);
    save->setToolTip(QStringLiteral("Σωσιμο του Παρολι"));
    load->setGeometry(79, 3, 75, 25);
    load->setToolTip(QStringLiteral("Ανοιγμα παιχνιδιου Παρολι"));
    delete_files->setGeometry(156, 3, 133, 25);
    delete_files->setIcon(DeleteIcon());
    for (QPushButton* button : {save, load, delete_files}) {
        button->setAutoDefault(false);
    }
    sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sum->setGeometry(290, 3, 84, 25);
    const struct {
        FilteredLineEdit* box;
        int x;
        int width;
    } sums[] = {{total_staked, 378, 66}, {total_returned, 443, 80}, {total_profit, 522, 71}};
    for (const auto& place : sums) {
        place.box->setFixedWidth(place.width);
        place.box->move(place.x, 5);
        place.box->setFocusPolicy(Qt::ClickFocus);  // Tab passes them by
    }

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(2, 2, 2, 0);
    page->setSpacing(0);
    page->addWidget(m_grid, 0, Qt::AlignLeft | Qt::AlignTop);
    page->addStretch(1);
    page->addWidget(foot);

    connect(save, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(load, &QPushButton::clicked, this, [this] { OnLoad(); });
    connect(delete_files, &QPushButton::clicked, this, [this] { OnDeleteFiles(); });
}

QWidget* ParlayTab::FirstInput() const {
    return m_grid;
}

void ParlayTab::Clear() {
    ClearParlaySheet(m_sheet, m_catalogue);
    m_controls.Boxes().Show();
}

void ParlayTab::Calculate() {
    m_controls.Boxes().Around([this] { CalculateParlaySheet(m_sheet, m_services); });
}

void ParlayTab::Caption() {
    m_controls.Caption(m_catalogue);
    CaptionParlaySheet(m_sheet, m_catalogue);
}

void ParlayTab::OnSave() {
    RunGuarded(m_services.prompter, [this] {
        SaveParlaySheet(m_sheet, m_services, static_cast<std::int32_t>(winId()));
    });
}

void ParlayTab::OnLoad() {
    RunGuarded(m_services.prompter, [this] {
        m_controls.Boxes().Around([this] { LoadParlaySheet(m_sheet, m_services); });
    });
}

void ParlayTab::OnDeleteFiles() {
    RunGuarded(m_services.prompter, [this] { DeleteParlayFiles(m_catalogue, m_services); });
}

}  // namespace orvanta

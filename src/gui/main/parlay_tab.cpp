#include "gui/main/parlay_tab.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/grid/handler_guard.h"
#include "core/parlay/parlay_files.h"
#include "gui/main/page_widgets.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

constexpr int kFootHeight = 31;

}  // namespace

ParlayTab::ParlayTab(Services& services, const Catalogue& catalogue, QWidget* parent)
    : CalculatorTab(services, catalogue, parent) {
    PaintPage(this, ToQColor(kParlayGridColour));

    m_grid = new GridView(m_sheet.AdvStringGrid1, m_services.prompter, this);
    m_grid->setObjectName(QStringLiteral("AdvStringGrid1"));
    QFont sheet_font(QStringLiteral("Liberation Sans"));
    sheet_font.setPointSize(8);
    sheet_font.setBold(true);
    m_grid->setFont(sheet_font);
    m_grid->Model().SetFixedColour(ToQColor(kParlayHeaderColour));
    m_grid->Model().SetCellColour(ToQColor(kParlayGridColour));
    m_grid->setStyleSheet(QStringLiteral("QTableView { gridline-color: #C0C0C0; }"));
    m_grid->SetCanEdit([](int col, int row) { return AdvStringGrid1CanEditCell(col, row); });
    m_grid->SetSelectCell([this](int col, int row) {
        bool allowed = false;
        RunGuarded(m_services.prompter, [&] {
            allowed = AdvStringGrid1SelectCell(m_sheet, col, row, m_catalogue, m_services);
        });
        return allowed;
    });
    m_grid->SetCheckBoxClicked([this](int col, int row) {
        RunGuarded(m_services.prompter, [&] {
            AdvStringGrid1CheckBoxClick(m_sheet, col, row, m_catalogue, m_services);
        });
    });
    m_grid->SetKeyFilter([this](char typed, const std::string& current) {
        return AdvStringGrid1KeyPress(m_grid->CurrentCol(), m_grid->CurrentRow(), current, typed,
                                      m_services.separator)
            .key;
    });
    m_grid->SetEnterRule(
        [this](int col, int row, const std::string& current) -> std::optional<std::pair<int, int>> {
            const ParlayKeyResult moved =
                AdvStringGrid1KeyPress(col, row, current, '\r', m_services.separator);
            if (moved.row == row) {
                return std::nullopt;
            }
            return std::make_pair(col, moved.row);
        });
    m_grid->setFixedSize(m_grid->FullSize());

    auto* foot = new QWidget(this);
    foot->setObjectName(QStringLiteral("Panel1"));
    foot->setFixedHeight(kFootHeight);
    PaintPage(foot, QColor(255, 255, 0));
    m_save = new QPushButton(QStringLiteral("Save"), foot);
    m_save->setObjectName(QStringLiteral("Button1"));
    m_save->setGeometry(2, 3, 75, 25);
    m_save->setToolTip(QStringLiteral("Σωσιμο του Παρολι"));
    m_load = new QPushButton(QStringLiteral("Load"), foot);
    m_load->setObjectName(QStringLiteral("Button2"));
    m_load->setGeometry(79, 3, 75, 25);
    m_load->setToolTip(QStringLiteral("Ανοιγμα παιχνιδιου Παρολι"));
    m_delete = new QPushButton(QStringLiteral("Delete Files"), foot);
    m_delete->setObjectName(QStringLiteral("bbtnDelete"));
    m_delete->setGeometry(156, 3, 133, 25);
    m_delete->setIcon(QApplication::style()->standardIcon(QStyle::SP_TrashIcon));
    for (QPushButton* button : {m_save, m_load, m_delete}) {
        button->setAutoDefault(false);
    }
    m_sum_label = MakeLabel(foot, "LblSum", QStringLiteral("Sum :"));
    m_sum_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_sum_label->setGeometry(290, 3, 84, 25);
    QLineEdit* edit1 = MakeEdit(foot, "Edit1", 66);
    QLineEdit* edit2 = MakeEdit(foot, "Edit2", 80);
    QLineEdit* edit3 = MakeEdit(foot, "Edit3", 71);
    edit1->move(378, 5);
    edit2->move(443, 5);
    edit3->move(522, 5);
    for (QLineEdit* edit : {edit1, edit2, edit3}) {
        edit->setFocusPolicy(Qt::ClickFocus);  // Tab passes them by
    }
    m_boxes.Bind(edit1, &m_sheet.Edit1);
    m_boxes.Bind(edit2, &m_sheet.Edit2);
    m_boxes.Bind(edit3, &m_sheet.Edit3);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(2, 2, 2, 0);
    page->setSpacing(0);
    page->addWidget(m_grid, 0, Qt::AlignLeft | Qt::AlignTop);
    page->addStretch(1);
    page->addWidget(foot);

    connect(m_save, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(m_load, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { bbtnDeleteClick(); });
}

QWidget* ParlayTab::FirstInput() const {
    return m_grid;
}

void ParlayTab::Clear() {
    InitParlaySheet(m_sheet, m_catalogue);
    m_boxes.Show();
}

void ParlayTab::Calculate() {
    m_boxes.Around([this] { CalcParlaySheet(m_sheet, m_services); });
}

void ParlayTab::Caption() {
    m_sum_label->setText(Text("LblSum", ""));
    m_save->setText(Text("Save", "Save"));
    m_load->setText(Text("Load", "Load"));
    m_delete->setText(Text("DeleteFiles", "Delete Files"));
    CaptionParlaySheet(m_sheet, m_catalogue);
}

void ParlayTab::Button1Click() {
    RunGuarded(m_services.prompter, [this] {
        SaveParlaySheet(m_sheet, m_services, static_cast<std::int32_t>(winId()));
    });
}

void ParlayTab::Button2Click() {
    RunGuarded(m_services.prompter,
               [this] { m_boxes.Around([this] { LoadParlaySheet(m_sheet, m_services); }); });
}

void ParlayTab::bbtnDeleteClick() {
    RunGuarded(m_services.prompter, [this] { DeleteParlayFiles(m_catalogue, m_services); });
}

}  // namespace orvanta

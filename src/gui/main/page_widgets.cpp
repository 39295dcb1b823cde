#include "gui/main/page_widgets.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "core/markets/market_grid_rules.h"
#include "core/numeric/key_filter.h"
#include "gui/widgets/grid_view.h"

namespace orvanta {

FilteredLineEdit::KeyFilter NumberKeyFilter(const Services& services) {
    return [&services](char typed, const std::string&) {
        return FilterNumberKey(typed, services.separator);
    };
}

void BindOddsRowGrid(GridView* grid, Services& services) {
    TextGrid& cells = grid->Grid();
    grid->Model().SetFixedColour(QColor(212, 208, 200));
    grid->SetCanEdit([](int, int row) { return row == 1; });
    grid->SetSelectCell([&cells](int col, int row) { return IsOddsRowCell(cells, col, row); });
    grid->SetKeyFilter(NumberKeyFilter(services));
    grid->SetEnterRule(
        [&cells](int col, int row, const std::string&) -> std::optional<std::pair<int, int>> {
            const int next = EnterMovesToColumn(cells, col, row);
            if (next == col) {
                return std::nullopt;
            }
            return std::make_pair(next, row);
        });
    grid->setFixedSize(grid->FullSize());
    grid->SetKeepsRowsInView(true);
}

QWidget* RowCaptions(QWidget* parent, GridView* grid, std::initializer_list<QLabel*> labels) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(0);
    layout->addSpacing(grid->frameWidth() + grid->ShownRowHeight(0));
    grid->SetRowCaptions({labels.begin(), labels.end()});
    int row = 1;
    for (QLabel* label : labels) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFixedHeight(grid->ShownRowHeight(row++));
        layout->addWidget(label);
    }
    layout->addStretch(1);
    return column;
}

QGridLayout* CaptionedBoxGrid() {
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    return grid;
}

void AddCaptionedBox(QGridLayout* grid, QLabel* caption, QWidget* box, int row, int col) {
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(caption, row, col);
    grid->addWidget(box, row, col + 1);
}

QVBoxLayout* TitledGridLayout(QWidget* page, QLabel* title, GridView* grid,
                              std::initializer_list<QLabel*> row_captions) {
    title->setFont(TitleFont(page->font()));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(title, 0, Qt::AlignHCenter);

    auto* grid_row = new QHBoxLayout();
    grid_row->setSpacing(0);
    grid_row->addStretch(1);
    grid_row->addWidget(RowCaptions(page, grid, row_captions));
    grid_row->addWidget(grid, 0, Qt::AlignTop);
    grid_row->addStretch(1);
    layout->addLayout(grid_row);
    return layout;
}

// Widths that share out the grid's own: a column with odds widens to at
// least `least`, and the columns without give up what that takes, each down
// to no less than its `least` (its header).
std::vector<int> SharedWidths(const std::vector<int>& rest, const std::vector<bool>& with_odds,
                              const std::vector<int>& least) {
    std::vector<int> widths = rest;
    int spare = 0;
    int without = 0;
    for (std::size_t c = 0; c < rest.size(); ++c) {
        spare += rest[c];
        if (with_odds[c]) {
            widths[c] = std::max(rest[c], least[c]);
            spare -= widths[c];
        } else {
            ++without;
        }
    }
    for (std::size_t c = 0; c < rest.size() && without > 0; ++c) {
        if (!with_odds[c]) {
            widths[c] = std::clamp(spare / without, std::min(least[c], rest[c]), rest[c]);
            spare -= widths[c];
            --without;
        }
    }
    return widths;
}

}  // namespace orvanta

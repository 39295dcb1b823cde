// How wide the grid's columns are shown: the grid's own widths, grown with a
// font larger than the program's own, widened to fill the view when asked,
// never narrower than a cut text needs for its "…", and dragged by the user at
// a fixed row's column edge. The grid keeps its widths and heights at the
// program's font, as its files carry them.

#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "gui/widgets/grid_delegate.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// How near a column edge, in pixels, a press starts a drag of it.
constexpr int kResizeGrip = 3;

}  // namespace

FontScale GridView::Scale() const {
    return FontScale(font());
}

// Grown edge by edge rather than column by column, so that the columns
// together are as wide as the grid grown whole: a grid of fixed width keeps
// its columns filling it exactly however its widths are shared out.
int GridView::ShownColWidth(int col) const {
    const TextGrid& grid = m_model->Grid();
    int before = 0;
    for (int c = 0; c < col; ++c) {
        before += grid.ColWidth(c);
    }
    const FontScale scale = Scale();
    return scale.Across(before + grid.ColWidth(col)) - scale.Across(before);
}

int GridView::ShownRowHeight(int row) const {
    return Scale().Down(m_model->Grid().RowHeight(row));
}

void GridView::AutoSizeColumn(int col) {
    if (col >= 0 && col < m_model->Grid().ColCount()) {
        m_model->Grid().SetColWidth(col, Scale().AcrossBack(ColumnTextWidth(col)));
    }
}

int GridView::MinimumColumnWidth(int col) const {
    if (col < 0 || col >= m_model->columnCount()) {
        return 0;
    }
    return MinimumColumnWidths(col, col + 1).front();
}

std::vector<int> GridView::MinimumColumnWidths(int first, int last) const {
    const TextGrid& grid = m_model->Grid();
    // Laid out in a wide probe, a cell shows what its margins and check box
    // take; a check box, the fixed rows' font and the row's height are all
    // that differ, so each kind of cell is laid out once for all columns.
    constexpr int kProbeWidth = 1000;
    const int grid_line = showGrid() ? 1 : 0;
    const QString ellipsis(QChar(0x2026));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    std::map<std::tuple<bool, bool, int, QString>, int> taken_by_kind;
    std::vector<int> widths;
    for (int col = first; col < last; ++col) {
        int narrowest = 0;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QModelIndex index = m_model->index(row, col);
            const QVariant cell_font = m_model->data(index, Qt::FontRole);
            const auto kind = std::make_tuple(
                grid.HasCheckBox(col, row), m_model->IsFixed(col, row), rowHeight(row),
                cell_font.isValid() ? cell_font.value<QFont>().key() : QString());
            auto known = taken_by_kind.find(kind);
            if (known == taken_by_kind.end()) {
                option.rect = QRect(0, 0, kProbeWidth, rowHeight(row));
                const DrawnText drawn = Delegate().LayOut(option, index);
                const int taken = kProbeWidth - drawn.area.width() + grid_line;
                known =
                    taken_by_kind
                        .emplace(kind,
                                 taken + QFontMetrics(drawn.font, this).horizontalAdvance(ellipsis))
                        .first;
            }
            narrowest = std::max(narrowest, known->second);
        }
        widths.push_back(narrowest);
    }
    return widths;
}

int GridView::WidthToShow(const QString& text, int col, int row) const {
    const QModelIndex index = m_model->index(row, col);
    if (!index.isValid()) {
        return 0;
    }
    constexpr int kProbeWidth = 1000;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = QRect(0, 0, kProbeWidth, rowHeight(row));
    const DrawnText drawn = Delegate().LayOut(option, index);
    const int taken = kProbeWidth - drawn.area.width() + (showGrid() ? 1 : 0);
    return taken + QFontMetrics(drawn.font, this).horizontalAdvance(text);
}

int GridView::ColumnTextWidth(int col) const {
    const TextGrid& grid = m_model->Grid();
    if (col < 0 || col >= grid.ColCount()) {
        return 0;
    }
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics normal_metrics(font());
    const QFontMetrics bold_metrics(bold);
    int widest = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
        const QFontMetrics& metrics = m_model->IsFixed(col, row) ? bold_metrics : normal_metrics;
        widest = std::max(widest, metrics.horizontalAdvance(ToQt(grid.Cell(col, row))));
    }
    return widest + 12;
}

void GridView::SetFillsWidth(bool fills) {
    m_fills_width = fills;
    ApplyColumnWidths();
}

void GridView::ApplyColumnWidths() {
    const TextGrid& grid = m_model->Grid();
    const int cols = std::min(grid.ColCount(), m_model->columnCount());
    int total = 0;
    for (int c = 0; c < cols; ++c) {
        total += ShownColWidth(c);
    }
    const int spare = m_fills_width && total > 0 ? viewport()->width() - total : 0;
    const std::vector<int> least = MinimumColumnWidths(0, cols);
    int given = 0;
    for (int c = 0; c < cols; ++c) {
        int width = ShownColWidth(c);
        if (spare > 0) {
            // The last column takes what the rounding leaves.
            const int share = c + 1 == cols ? spare - given : spare * width / total;
            given += share;
            width += share;
        }
        horizontalHeader()->resizeSection(c, std::max(width, least[c]));
    }
    KeepRowsInView();
}

void GridView::SetKeepsRowsInView(bool keeps) {
    m_keeps_rows_in_view = keeps;
    KeepRowsInView();
}

void GridView::KeepRowsInView() {
    if (!m_keeps_rows_in_view) {
        return;
    }
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const bool scrolls = horizontalHeader()->length() > width() - 2 * frameWidth();
    const int bar = scrolls ? horizontalScrollBar()->sizeHint().height() : 0;
    setFixedHeight(FullSize().height() + bar);
}

// A check box that appears takes room from its column's text. The grid tells
// of a change before it makes it, so the columns are looked at once the
// changes under way are made.
void GridView::CheckColumnWidthsLater() {
    if (m_widths_check_queued) {
        return;
    }
    m_widths_check_queued = true;
    QTimer::singleShot(0, this, [this] {
        m_widths_check_queued = false;
        const std::vector<int> least = MinimumColumnWidths(0, m_model->columnCount());
        for (int col = 0; col < m_model->columnCount(); ++col) {
            if (columnWidth(col) < least[col]) {
                ApplyColumnWidths();
                return;
            }
        }
    });
}

QSize GridView::FullSize() const {
    const TextGrid& grid = m_model->Grid();
    int width = 2 * frameWidth();
    int height = 2 * frameWidth();
    const int cols = std::min(grid.ColCount(), m_model->columnCount());
    const std::vector<int> least = MinimumColumnWidths(0, cols);
    for (int c = 0; c < grid.ColCount(); ++c) {
        width += std::max(ShownColWidth(c), c < cols ? least[c] : 0);
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        height += ShownRowHeight(r);
    }
    return {width, height};
}

QSize GridView::sizeHint() const {
    return FullSize();
}

void GridView::ApplyRowHeights() {
    for (int r = 0; r < m_model->Grid().RowCount() && r < m_model->rowCount(); ++r) {
        verticalHeader()->resizeSection(r, ShownRowHeight(r));
    }
}

void GridView::ApplyLayout() {
    const TextGrid& grid = m_model->Grid();
    ApplyColumnWidths();
    ApplyRowHeights();
    clearSpans();
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            const auto [extra_cols, extra_rows] = grid.MergeSpan(c, r);
            if (extra_cols > 0 || extra_rows > 0) {
                setSpan(r, c, extra_rows + 1, extra_cols + 1);
            }
        }
    }
    // A grid starts with its first free cell current, as spreadsheet grids do.
    if (!m_inert && !currentIndex().isValid() && grid.RowCount() > grid.FixedRows() &&
        grid.ColCount() > grid.FixedCols()) {
        SetCurrentCell(grid.FixedCols(), grid.FixedRows());
    }
    updateGeometry();
}

int GridView::ResizeEdgeAt(const QPoint& pos) const {
    if (m_fills_width) {
        return -1;
    }
    const int row = rowAt(pos.y());
    if (row < 0 || row >= m_model->Grid().FixedRows()) {
        return -1;
    }
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int edge = columnViewportPosition(c) + columnWidth(c);
        if (std::abs(pos.x() - edge) <= kResizeGrip) {
            return c;
        }
    }
    return -1;
}

bool GridView::StartColumnDrag(const QPoint& pos) {
    const int edge = ResizeEdgeAt(pos);
    if (edge < 0) {
        return false;
    }
    m_resize_col = edge;
    m_resize_origin = pos.x();
    m_resize_width = columnWidth(edge);
    return true;
}

bool GridView::DragColumn(const QPoint& pos) {
    if (m_resize_col < 0) {
        return false;
    }
    const int width =
        std::max(MinimumColumnWidth(m_resize_col), m_resize_width + pos.x() - m_resize_origin);
    m_model->Grid().SetColWidth(m_resize_col, Scale().AcrossBack(width));
    return true;
}

bool GridView::EndColumnDrag() {
    if (m_resize_col < 0) {
        return false;
    }
    m_resize_col = -1;
    return true;
}

}  // namespace orvanta

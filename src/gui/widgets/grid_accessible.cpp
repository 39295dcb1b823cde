#include "gui/widgets/grid_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QPointer>

#include <optional>

#include "core/base/handler_guard.h"
#include "core/grid/grid_headers.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

// A screen reader's actions on a cell, through the hooks a click runs.
struct GridAccess {
    // What a click on a cell does: the page may act on it in place (as the
    // parlay sheet's result cells flip) or refuse it, else it becomes current.
    static void Press(GridView& view, int col, int row) {
        RunGuarded(view.m_errors, [&] {
            const QModelIndex at = view.m_model->index(row, col);
            if (view.m_inert || !at.isValid() || view.m_model->IsFixed(col, row)) {
                return;
            }
            if (view.m_cell_activated && !view.m_model->Grid().HasCheckBox(col, row) &&
                view.m_cell_activated(col, row)) {
                return;
            }
            if (at != view.currentIndex() && view.m_select_cell && !view.m_select_cell(col, row)) {
                return;
            }
            view.setCurrentIndex(at);
            if (view.m_row_clicked) {
                view.m_row_clicked(row);
            }
        });
    }

    // A click on a check box: the delegate hands the flipped state to the
    // model, which runs the page's check-box hook.
    static void Toggle(GridView& view, int col, int row) {
        RunGuarded(view.m_errors, [&] {
            const QModelIndex at = view.m_model->index(row, col);
            if (view.m_inert || !(view.m_model->flags(at) & Qt::ItemIsUserCheckable)) {
                return;
            }
            const bool checked = view.m_model->Grid().IsChecked(col, row);
            view.m_model->setData(at, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        });
    }
};

namespace {

enum class Part { kCorner, kColumnHeader, kRowHeader, kCell };

// A child of a grid's table and the cell of the model it stands for: a column
// header by its column, a row header by its row, the corner at 0, 0.
struct Place {
    Part part = Part::kCell;
    int row = 0;
    int col = 0;
};

// While a grid is destroyed its view is left with Qt's empty model: no cells.
const TextGrid& CellsOf(const GridView& view) {
    static const TextGrid kNoCells(0, 0);
    const auto* model = qobject_cast<const GridModel*>(view.model());
    return model ? model->Grid() : kNoCells;
}

// How a grid's children are numbered: the corner when it says something, the
// column headers, then each row below the fixed ones: its header, its cells.
struct Shape {
    int fixed_rows = 0;
    int fixed_cols = 0;
    int rows = 0;  // below the fixed rows
    int cols = 0;  // right of the fixed columns
    bool corner = false;
    bool row_headers = false;

    int HeaderCount() const { return (corner ? 1 : 0) + cols; }
    int RowStride() const { return (row_headers ? 1 : 0) + cols; }
    int ChildCount() const { return HeaderCount() + rows * RowStride(); }
    bool HasRow(int row) const { return row >= fixed_rows && row < fixed_rows + rows; }
    bool HasCol(int col) const { return col >= fixed_cols && col < fixed_cols + cols; }

    std::optional<Place> PlaceOf(int index) const {
        if (index < 0 || index >= ChildCount()) {
            return std::nullopt;
        }
        if (corner && index-- == 0) {
            return Place{Part::kCorner, 0, 0};
        }
        if (index < cols) {
            return Place{Part::kColumnHeader, 0, fixed_cols + index};
        }
        index -= cols;
        const int row = fixed_rows + index / RowStride();
        int at = index % RowStride();
        if (row_headers && at-- == 0) {
            return Place{Part::kRowHeader, row, 0};
        }
        return Place{Part::kCell, row, fixed_cols + at};
    }

    // -1 for a place that is no child (any more).
    int IndexOf(const Place& place) const {
        const int row_start = HeaderCount() + (place.row - fixed_rows) * RowStride();
        switch (place.part) {
            case Part::kCorner:
                return corner ? 0 : -1;
            case Part::kColumnHeader:
                return HasCol(place.col) ? (corner ? 1 : 0) + place.col - fixed_cols : -1;
            case Part::kRowHeader:
                return row_headers && HasRow(place.row) ? row_start : -1;
            case Part::kCell:
                if (!HasRow(place.row) || !HasCol(place.col)) {
                    return -1;
                }
                return row_start + (row_headers ? 1 : 0) + place.col - fixed_cols;
        }
        return -1;
    }
};

Shape ShapeOf(const GridView& view) {
    const TextGrid& grid = CellsOf(view);
    const int model_rows = view.model()->rowCount();
    const int model_cols = view.model()->columnCount();
    Shape shape;
    shape.fixed_rows = std::min(grid.FixedRows(), model_rows);
    shape.fixed_cols = std::min(grid.FixedCols(), model_cols);
    shape.rows = model_rows - shape.fixed_rows;
    shape.cols = model_cols - shape.fixed_cols;
    shape.row_headers = shape.fixed_cols > 0 || !view.RowCaptions().empty();
    shape.corner = shape.fixed_rows > 0 && shape.fixed_cols > 0 && !CornerHeader(grid).empty();
    return shape;
}

QString Spoken(const std::string& text) {
    return ToQt(text).simplified();
}

// The caption label beside a row, when the grid has one there.
QLabel* RowCaption(const GridView& view, int row) {
    const std::vector<QPointer<QLabel>>& labels = view.RowCaptions();
    const int at = row - CellsOf(view).FixedRows();
    return at >= 0 && at < static_cast<int>(labels.size()) ? labels[at].data() : nullptr;
}

QString HeaderText(const GridView& view, const Place& place) {
    const TextGrid& grid = CellsOf(view);
    switch (place.part) {
        case Part::kCorner:
            return Spoken(CornerHeader(grid));
        case Part::kColumnHeader:
            return Spoken(ColumnHeader(grid, place.col));
        case Part::kRowHeader:
            if (grid.FixedCols() > 0) {
                return Spoken(RowHeader(grid, place.row));
            }
            if (QLabel* label = RowCaption(view, place.row)) {
                return label->text().remove(QLatin1Char('&')).simplified();
            }
            return {};
        case Part::kCell:
            break;
    }
    return {};
}

// The block of cells from (first_col, first_row) to (last_col, last_row), in
// the viewport, where the grid draws them.
QRect Block(const GridView& view, int first_col, int first_row, int last_col, int last_row) {
    const QPoint top_left(view.columnViewportPosition(first_col),
                          view.rowViewportPosition(first_row));
    const QPoint bottom_right(view.columnViewportPosition(last_col) + view.columnWidth(last_col),
                              view.rowViewportPosition(last_row) + view.rowHeight(last_row));
    return QRect(top_left, bottom_right - QPoint(1, 1));
}

// Where a header is drawn, in the viewport: the fixed cells over a column or
// before a row. Nothing for a row captioned by a label.
QRect HeaderArea(const GridView& view, const Place& place) {
    const TextGrid& grid = CellsOf(view);
    const int last_fixed_row = grid.FixedRows() - 1;
    const int last_fixed_col = grid.FixedCols() - 1;
    switch (place.part) {
        case Part::kCorner:
            return Block(view, 0, 0, last_fixed_col, last_fixed_row);
        case Part::kColumnHeader:
            return Block(view, place.col, 0, place.col, last_fixed_row);
        case Part::kRowHeader:
            return last_fixed_col < 0 ? QRect()
                                      : Block(view, 0, place.row, last_fixed_col, place.row);
        case Part::kCell:
            break;
    }
    return {};
}

QRect OnScreen(const QWidget& widget, const QRect& area) {
    return area.isValid() ? QRect(widget.mapToGlobal(area.topLeft()), area.size()) : QRect();
}

// Seen or not: hidden with its window or page, or scrolled out of sight.
QAccessible::State Visibility(const QWidget* widget, const QRect& area) {
    QAccessible::State state;
    if (!widget || !widget->isVisible()) {
        state.invisible = true;
        state.offscreen = true;
    } else if (!area.intersects(widget->rect())) {
        state.offscreen = true;
    }
    return state;
}

// What every child of a grid's table shares: the grid and its place there.
class GridPart : public QAccessibleInterface {
public:
    GridPart(GridView* view, Place place) : m_view(view), m_place(place) {}

    const Place& Where() const { return m_place; }
    const GridView* View() const { return m_view; }

    bool isValid() const override { return m_view && ShapeOf(*m_view).IndexOf(m_place) >= 0; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<GridView> m_view;
    Place m_place;
};

class GridHeader : public GridPart {
public:
    using GridPart::GridPart;

    QString text(QAccessible::Text text) const override {
        return text == QAccessible::Name && isValid() ? HeaderText(*m_view, m_place) : QString();
    }
    QAccessible::Role role() const override {
        return m_place.part == Part::kRowHeader ? QAccessible::RowHeader
                                                : QAccessible::ColumnHeader;
    }
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        if (QLabel* label = Label()) {
            return OnScreen(*label, label->rect());
        }
        return OnScreen(*m_view->viewport(), HeaderArea(*m_view, m_place));
    }
    QAccessible::State state() const override {
        if (!isValid()) {
            return Visibility(nullptr, {});
        }
        if (QLabel* label = Label()) {
            return Visibility(label, label->rect());
        }
        return Visibility(m_view->viewport(), HeaderArea(*m_view, m_place));
    }

private:
    QLabel* Label() const {
        const bool captioned =
            m_place.part == Part::kRowHeader && CellsOf(*m_view).FixedCols() == 0;
        return captioned ? RowCaption(*m_view, m_place.row) : nullptr;
    }
};

class GridTable;

class GridCell : public GridPart,
                 public QAccessibleTableCellInterface,
                 public QAccessibleActionInterface {
public:
    using GridPart::GridPart;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    QString text(QAccessible::Text text) const override {
        if (text != QAccessible::Name || !isValid() || Covered()) {
            return {};
        }
        const QString shown = m_view->model()->data(Index(), Qt::DisplayRole).toString();
        // A box says what it ticks: its column.
        if (shown.isEmpty() && IsBox()) {
            return HeaderText(*m_view, {Part::kColumnHeader, 0, m_place.col});
        }
        return shown;
    }
    // A box is a check box to a screen reader that knows no checkable cell.
    QAccessible::Role role() const override {
        return isValid() && IsBox() ? QAccessible::CheckBox : QAccessible::Cell;
    }
    QRect rect() const override {
        return isValid() && !Covered() ? OnScreen(*m_view->viewport(), m_view->visualRect(Index()))
                                       : QRect();
    }
    QAccessible::State state() const override;

    bool isSelected() const override {
        return isValid() && m_view->selectionModel()->isSelected(Index());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override {
        return m_view ? m_place.col - ShapeOf(*m_view).fixed_cols : -1;
    }
    int rowIndex() const override {
        return m_view ? m_place.row - ShapeOf(*m_view).fixed_rows : -1;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QModelIndex Index() const { return m_view->model()->index(m_place.row, m_place.col); }
    bool Covered() const { return CellsOf(*m_view).IsCoveredCell(m_place.col, m_place.row); }
    bool IsBox() const { return m_view->model()->flags(Index()) & Qt::ItemIsUserCheckable; }
    QList<QAccessibleInterface*> Header(const Place& place) const;
};

// A grid as the table it shows; its children are made once for each place.
class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(GridView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~GridTable() override {
        for (const QAccessible::Id id : std::as_const(m_parts)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    // The child at a place, which must be one.
    QAccessibleInterface* PartAt(const Place& place) const {
        const quint64 key =
            (quint64(place.part) << 56) | (quint64(place.row) << 28) | quint64(place.col);
        const auto found = m_parts.constFind(key);
        if (found != m_parts.constEnd()) {
            if (QAccessibleInterface* part = QAccessible::accessibleInterface(*found)) {
                return part;
            }
        }
        GridPart* part = place.part == Part::kCell
                             ? static_cast<GridPart*>(new GridCell(&View(), place))
                             : static_cast<GridPart*>(new GridHeader(&View(), place));
        m_parts.insert(key, QAccessible::registerAccessibleInterface(part));
        return part;
    }
    // The child at a place when it is one.
    QAccessibleInterface* PartIfAny(const Place& place) const {
        return ShapeOf(View()).IndexOf(place) >= 0 ? PartAt(place) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return ShapeOf(View()).ChildCount(); }
    QAccessibleInterface* child(int index) const override {
        const std::optional<Place> place = ShapeOf(View()).PlaceOf(index);
        return place ? PartAt(*place) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* part = dynamic_cast<const GridPart*>(child);
        return part && part->View() == &View() ? ShapeOf(View()).IndexOf(part->Where()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override {
        return View().hasFocus()
                   ? PartIfAny({Part::kCell, View().CurrentRow(), View().CurrentCol()})
                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const Shape shape = ShapeOf(View());
        return PartIfAny({Part::kCell, shape.fixed_rows + row, shape.fixed_cols + column});
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override {
        return HeaderText(View(), {Part::kColumnHeader, 0, ShapeOf(View()).fixed_cols + column});
    }
    QString rowDescription(int row) const override {
        return HeaderText(View(), {Part::kRowHeader, ShapeOf(View()).fixed_rows + row, 0});
    }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return ShapeOf(View()).cols; }
    int rowCount() const override { return ShapeOf(View()).rows; }
    QList<int> selectedColumns() const override {
        return Selected(columnCount(), &GridTable::isColumnSelected);
    }
    QList<int> selectedRows() const override {
        return Selected(rowCount(), &GridTable::isRowSelected);
    }
    bool isColumnSelected(int column) const override {
        return AllSelected(0, rowCount(), column, 1);
    }
    bool isRowSelected(int row) const override { return AllSelected(row, 1, 0, columnCount()); }
    // One cell at a time is chosen, by the page's own rule: a cell's Press.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The children are known by their places, which a change of the model
    // leaves as they are.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    GridView& View() const { return *static_cast<GridView*>(widget()); }
    bool IsSelected(int row, int col) const {
        return View().selectionModel()->isSelected(View().model()->index(row, col));
    }
    bool AllSelected(int row, int rows, int column, int columns) const;
    QList<int> Selected(int count, bool (GridTable::*is_selected)(int) const) const;

    mutable QHash<quint64, QAccessible::Id> m_parts;
};

QAccessible::State GridCell::state() const {
    if (!isValid()) {
        return Visibility(nullptr, {});
    }
    const QModelIndex index = Index();
    QAccessible::State state = Visibility(m_view->viewport(), m_view->visualRect(index));
    if (Covered()) {
        state.invisible = true;
        return state;
    }
    const Qt::ItemFlags flags = m_view->model()->flags(index);
    if (!m_view->IsInert() && (flags & Qt::ItemIsSelectable)) {
        state.focusable = true;
        state.selectable = true;
        state.focused = index == m_view->currentIndex();
        state.selected = m_view->selectionModel()->isSelected(index);
    }
    if (IsBox()) {
        state.checkable = true;
        state.checked = CellsOf(*m_view).IsChecked(m_place.col, m_place.row);
    }
    return state;
}

QList<QAccessibleInterface*> GridCell::Header(const Place& place) const {
    const auto* grid = isValid() ? dynamic_cast<const GridTable*>(parent()) : nullptr;
    QAccessibleInterface* header = grid ? grid->PartIfAny(place) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> GridCell::columnHeaderCells() const {
    return Header({Part::kColumnHeader, 0, m_place.col});
}

QList<QAccessibleInterface*> GridCell::rowHeaderCells() const {
    return Header({Part::kRowHeader, m_place.row, 0});
}

QStringList GridCell::actionNames() const {
    if (!isValid() || m_view->IsInert() || Covered()) {
        return {};
    }
    if (IsBox()) {
        return {toggleAction()};
    }
    return {pressAction()};
}

void GridCell::doAction(const QString& action) {
    if (!actionNames().contains(action)) {
        return;
    }
    if (action == toggleAction()) {
        GridAccess::Toggle(*m_view, m_place.col, m_place.row);
    } else {
        GridAccess::Press(*m_view, m_place.col, m_place.row);
    }
}

QAccessibleInterface* GridTable::childAt(int x, int y) const {
    const QModelIndex index = View().indexAt(View().viewport()->mapFromGlobal(QPoint(x, y)));
    if (!index.isValid()) {
        return nullptr;
    }
    const Shape shape = ShapeOf(View());
    const bool fixed_row = index.row() < shape.fixed_rows;
    const bool fixed_col = index.column() < shape.fixed_cols;
    Place place{Part::kCell, index.row(), index.column()};
    if (fixed_row && fixed_col) {
        place = {Part::kCorner, 0, 0};
    } else if (fixed_row) {
        place = {Part::kColumnHeader, 0, index.column()};
    } else if (fixed_col) {
        place = {Part::kRowHeader, index.row(), 0};
    }
    return PartIfAny(place);
}

QList<QAccessibleInterface*> GridTable::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : View().selectionModel()->selectedIndexes()) {
        if (QAccessibleInterface* cell = PartIfAny({Part::kCell, index.row(), index.column()})) {
            cells.append(cell);
        }
    }
    return cells;
}

// A block of the table's rows and columns counts as selected when every cell
// of it is; an empty one never.
bool GridTable::AllSelected(int row, int rows, int column, int columns) const {
    const Shape shape = ShapeOf(View());
    if (row < 0 || column < 0 || rows <= 0 || columns <= 0 || row + rows > shape.rows ||
        column + columns > shape.cols) {
        return false;
    }
    for (int r = row; r < row + rows; ++r) {
        for (int c = column; c < column + columns; ++c) {
            if (!IsSelected(shape.fixed_rows + r, shape.fixed_cols + c)) {
                return false;
            }
        }
    }
    return true;
}

QList<int> GridTable::Selected(int count, bool (GridTable::*is_selected)(int) const) const {
    QList<int> selected;
    for (int at = 0; at < count; ++at) {
        if ((this->*is_selected)(at)) {
            selected.append(at);
        }
    }
    return selected;
}

// The grid's reader, when a screen reader listens.
const GridTable* Listened(GridView& view) {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<const GridTable*>(QAccessible::queryAccessibleInterface(&view));
}

void Tell(QAccessibleInterface* part, QAccessible::Event what) {
    if (part) {
        QAccessibleEvent event(part, what);
        QAccessible::updateAccessibility(&event);
    }
}

// A fixed cell renames the headers it stands in.
void TellHeadersRenamed(GridView& view, const GridTable& table, int col, int row) {
    const Shape shape = ShapeOf(view);
    const auto [span_x, span_y] = CellsOf(view).MergeSpan(col, row);
    if (row < shape.fixed_rows && col < shape.fixed_cols) {
        Tell(table.PartIfAny({Part::kCorner, 0, 0}), QAccessible::NameChanged);
    }
    for (int at = col; row < shape.fixed_rows && at <= col + span_x; ++at) {
        Tell(table.PartIfAny({Part::kColumnHeader, 0, at}), QAccessible::NameChanged);
    }
    for (int at = row; col < shape.fixed_cols && at <= row + span_y; ++at) {
        Tell(table.PartIfAny({Part::kRowHeader, at, 0}), QAccessible::NameChanged);
    }
}

}  // namespace

QAccessibleInterface* MakeGridAccessible(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(GridView::staticMetaObject.className())) {
        return nullptr;
    }
    auto* view = qobject_cast<GridView*>(object);
    return view ? new GridTable(view) : nullptr;
}

void TellCurrentCell(GridView& view, const QModelIndex& current) {
    if (const GridTable* table = Listened(view); table && current.isValid()) {
        Tell(table->PartIfAny({Part::kCell, current.row(), current.column()}), QAccessible::Focus);
    }
}

void TellSelection(GridView& view, const QItemSelection& selected,
                   const QItemSelection& deselected) {
    const GridTable* table = Listened(view);
    if (!table) {
        return;
    }
    const QModelIndex added = selected.indexes().value(0);
    const QModelIndex removed = deselected.indexes().value(0);
    if (added.isValid()) {
        Tell(table->PartIfAny({Part::kCell, added.row(), added.column()}),
             QAccessible::SelectionAdd);
    }
    if (removed.isValid()) {
        Tell(table->PartIfAny({Part::kCell, removed.row(), removed.column()}),
             QAccessible::SelectionRemove);
    }
}

// One cell changed: its text, or its box (whole-grid repaints tell nothing).
void TellCellsChanged(GridView& view, const QModelIndex& top_left,
                      const QModelIndex& bottom_right) {
    const GridTable* table = Listened(view);
    if (!table || !top_left.isValid() || top_left != bottom_right) {
        return;
    }
    const int col = top_left.column();
    const int row = top_left.row();
    TellHeadersRenamed(view, *table, col, row);
    QAccessibleInterface* cell = table->PartIfAny({Part::kCell, row, col});
    if (!cell) {
        return;
    }
    if (CellsOf(view).HasCheckBox(col, row)) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(cell, checked);
        QAccessible::updateAccessibility(&event);
    }
    Tell(cell, QAccessible::NameChanged);
}

}  // namespace orvanta

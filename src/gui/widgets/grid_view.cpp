// The view's own wiring: the hooks behind the error edge, the current cell,
// and the events it answers itself (keys that move, clicks, drags). Drawing,
// column sizing and editing live in files of their own.

#include "gui/widgets/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

#include "core/base/handler_guard.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/grid_accessible.h"
#include "gui/widgets/grid_delegate.h"

namespace orvanta {

namespace {

constexpr QAbstractItemView::EditTriggers kEditTriggers = QAbstractItemView::DoubleClicked |
                                                          QAbstractItemView::AnyKeyPressed |
                                                          QAbstractItemView::EditKeyPressed;

}  // namespace

GridView::GridView(TextGrid& grid, Prompter& errors, QWidget* parent)
    : QTableView(parent), m_errors(errors) {
    InstallAccessibility();
    m_model = new GridModel(grid, this);
    setModel(m_model);
    setItemDelegate(new GridDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // No editing on a click into the current cell: Qt opens that editor after a
    // delay, by which time the user may have typed on and moved elsewhere.
    setEditTriggers(kEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setMouseTracking(true);
    SetGridLineColour(QColor(0xC0, 0xC0, 0xC0));

    m_model->SetCheckBoxClicked([this](int col, int row) { ClickCheckBox(col, row); });
    connect(m_model, &GridModel::gridLayoutChanged, this, &GridView::ApplyLayout);
    ApplyLayout();
}

GridView::~GridView() = default;

template <typename Result, typename... Args>
std::function<Result(Args...)> GridView::Guard(std::function<Result(Args...)> hook,
                                               Result fallback) {
    if (!hook) {
        return {};
    }
    return [this, hook = std::move(hook), fallback](Args... args) {
        Result result = fallback;
        RunGuarded(m_errors, [&] { result = hook(args...); });
        return result;
    };
}

template <typename... Args>
std::function<void(Args...)> GridView::Guard(std::function<void(Args...)> hook) {
    if (!hook) {
        return {};
    }
    return [this, hook = std::move(hook)](Args... args) {
        RunGuarded(m_errors, [&] { hook(args...); });
    };
}

void GridView::SetSelectCell(std::function<bool(int, int)> hook) {
    m_select_cell = Guard(std::move(hook), false);
}

void GridView::SetKeyFilter(KeyFilter hook) {
    m_key_filter = Guard(std::move(hook), std::optional<char>());
}

void GridView::SetEnterRule(EnterRule hook) {
    m_enter_rule = Guard(std::move(hook), std::optional<std::pair<int, int>>());
}

void GridView::SetValidateCell(std::function<bool(int, int, const std::string&)> hook) {
    m_validate_cell = Guard(std::move(hook), true);
}

void GridView::SetEditingDone(std::function<void(int, int)> hook) {
    m_editing_done = Guard(std::move(hook));
}

void GridView::SetCheckBoxClicked(std::function<void(int, int)> hook) {
    m_check_box_clicked = Guard(std::move(hook));
}

void GridView::SetCellActivated(std::function<bool(int, int)> hook) {
    m_cell_activated = Guard(std::move(hook), false);
}

void GridView::SetRowClicked(std::function<void(int)> hook) {
    m_row_clicked = Guard(std::move(hook));
}

void GridView::SetCanEdit(std::function<bool(int, int)> can_edit) {
    m_model->SetCanEdit(std::move(can_edit));
}

int GridView::CurrentCol() const {
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

int GridView::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void GridView::SetCurrentCell(int col, int row) {
    const QModelIndex target = m_model->index(row, col);
    if (target.isValid()) {
        setCurrentIndex(target);
    }
}

void GridView::SetInert(bool inert) {
    m_inert = inert;
    setFocusPolicy(inert ? Qt::NoFocus : Qt::StrongFocus);
    setSelectionMode(inert ? QAbstractItemView::NoSelection : QAbstractItemView::SingleSelection);
    setEditTriggers(inert ? QAbstractItemView::NoEditTriggers : kEditTriggers);
    if (inert) {
        selectionModel()->clear();
        setCurrentIndex(QModelIndex());
    }
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (m_fills_width) {
        ApplyColumnWidths();
    }
}

void GridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    // The room "…" needs, and the sizes of rows and columns, go with the font.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        ApplyColumnWidths();
        ApplyRowHeights();
        updateGeometry();
    }
}

void GridView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                           const QList<int>& roles) {
    QTableView::dataChanged(top_left, bottom_right, roles);
    CheckColumnWidthsLater();
    TellCellsChanged(*this, top_left, bottom_right);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (m_inert) {
        event->ignore();
        return;
    }
    if (TakeEditingKey(event)) {
        event->accept();
        return;
    }
    m_keyboard_move = true;
    QTableView::keyPressEvent(event);
    m_keyboard_move = false;
}

void GridView::mousePressEvent(QMouseEvent* event) {
    if (m_inert) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && StartColumnDrag(pos)) {
        event->accept();
        return;
    }
    const QModelIndex at = indexAt(pos);
    if (at.isValid()) {
        if (m_model->IsFixed(at.column(), at.row())) {
            event->accept();
            return;
        }
        // A cell with a check box takes its clicks through the box.
        if (event->button() == Qt::LeftButton && m_cell_activated &&
            !Grid().HasCheckBox(at.column(), at.row()) && m_cell_activated(at.column(), at.row())) {
            event->accept();
            return;
        }
        if (at != currentIndex() && m_select_cell && !m_select_cell(at.column(), at.row())) {
            event->accept();
            return;
        }
    }
    QTableView::mousePressEvent(event);
    if (at.isValid() && m_row_clicked && event->button() == Qt::LeftButton) {
        m_row_clicked(at.row());
    }
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (DragColumn(pos)) {
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (!m_inert && ResizeEdgeAt(pos) >= 0) {
            viewport()->setCursor(Qt::SplitHCursor);
        } else {
            viewport()->unsetCursor();
        }
        event->accept();
        return;
    }
    if (m_inert) {
        event->ignore();
        return;
    }
    // Dragging does not sweep the current cell across refused cells.
    event->accept();
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    if (EndColumnDrag()) {
        event->accept();
        return;
    }
    if (m_inert) {
        event->ignore();
        return;
    }
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at != currentIndex() &&
        !m_model->Grid().HasCheckBox(at.column(), at.row())) {
        // The press was refused: nothing to finish.
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (m_inert || !at.isValid() || at != currentIndex()) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

// QTableView would tell a screen reader of the new current cell and selection
// by its own numbering of a table's children, which counts the hidden header
// bars and the fixed cells; the grid's readers number them otherwise.
void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    TellCurrentCell(*this, current);
    if (m_keyboard_move && m_row_clicked && current.isValid() &&
        (!previous.isValid() || current.row() != previous.row())) {
        m_row_clicked(current.row());
    }
}

void GridView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    TellSelection(*this, selected, deselected);
}

}  // namespace orvanta

// The keys that move the current cell or act on it. A key that would make a
// cell current that may not be passes over it: a step (an arrow) goes on the
// same way, a jump (Home, End, a page, Ctrl with Home or End) comes back
// toward where it started, so that End stops at the last cell of the row that
// may be current. Space flips the current cell's check box as a click on the
// box does, or acts on the cell as a click would.

#include <QKeyEvent>

#include "gui/widgets/grid_view.h"

namespace orvanta {

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

bool GridView::MayBeCurrent(const QModelIndex& at) const {
    return at.isValid() && !m_model->IsFixed(at.column(), at.row()) &&
           (!m_select_cell || m_select_cell(at.column(), at.row()));
}

// The first cell after `from` that may be current, going by `step` cells
// along its row, its column or the whole grid in reading order; nothing when
// the walk leaves the grid or comes to `stop` first.
QModelIndex GridView::FirstMayBeCurrent(QModelIndex from, Walk walk, int step,
                                        const QModelIndex& stop) const {
    if (step == 0) {
        return {};
    }
    const int cols = m_model->columnCount();
    int col = from.column();
    int row = from.row();
    for (;;) {
        if (walk == Walk::kAlongColumn) {
            row += step;
        } else {
            col += step;
        }
        if (walk == Walk::kReadingOrder && (col < 0 || col >= cols)) {
            col = col < 0 ? cols - 1 : 0;
            row += step;
        }
        const QModelIndex at = m_model->index(row, col);
        if (!at.isValid() || at == stop) {
            return {};
        }
        if (MayBeCurrent(at)) {
            return at;
        }
    }
}

QModelIndex GridView::PassRefusedCell(CursorAction action, Qt::KeyboardModifiers modifiers,
                                      const QModelIndex& current, const QModelIndex& target) const {
    switch (action) {
        case MoveLeft:
            return FirstMayBeCurrent(target, Walk::kAlongRow, -1, {});
        case MoveRight:
            return FirstMayBeCurrent(target, Walk::kAlongRow, 1, {});
        case MoveUp:
            return FirstMayBeCurrent(target, Walk::kAlongColumn, -1, {});
        case MoveDown:
            return FirstMayBeCurrent(target, Walk::kAlongColumn, 1, {});
        case MovePrevious:
            return FirstMayBeCurrent(target, Walk::kReadingOrder, -1, {});
        default:
            break;
    }
    if (!current.isValid() || action == MoveNext) {
        return FirstMayBeCurrent(target, Walk::kReadingOrder, 1, {});
    }
    const bool corner =
        (modifiers & Qt::ControlModifier) && (action == MoveHome || action == MoveEnd);
    if (corner) {
        const int cols = m_model->columnCount();
        const int back =
            Sign((current.row() - target.row()) * cols + current.column() - target.column());
        return FirstMayBeCurrent(target, Walk::kReadingOrder, back, current);
    }
    if (action == MovePageUp || action == MovePageDown) {
        return FirstMayBeCurrent(target, Walk::kAlongColumn, Sign(current.row() - target.row()),
                                 current);
    }
    return FirstMayBeCurrent(target, Walk::kAlongRow, Sign(current.column() - target.column()),
                             current);
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (!target.isValid() || target == current || MayBeCurrent(target)) {
        return target;
    }
    const QModelIndex passed = PassRefusedCell(action, modifiers, current, target);
    return passed.isValid() ? passed : current;
}

bool GridView::focusNextPrevChild(bool next) {
    if (m_tab_walks_cells && !m_inert && currentIndex().isValid()) {
        const QModelIndex to =
            FirstMayBeCurrent(currentIndex(), Walk::kReadingOrder, next ? 1 : -1, {});
        if (to.isValid()) {
            m_keyboard_move = true;
            setCurrentIndex(to);
            m_keyboard_move = false;
            return true;
        }
    }
    return QTableView::focusNextPrevChild(next);
}

// Enter on a grid with an enter rule is the rule's, and Space on a grid with a
// key filter and nothing to act on is a character for the filter.
bool GridView::PressCurrentCell(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    const bool space = event->key() == Qt::Key_Space && plain;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QModelIndex at = currentIndex();
    if (!at.isValid() || (!space && !enter)) {
        return false;
    }
    const int col = at.column();
    const int row = at.row();
    if (space && Grid().HasCheckBox(col, row)) {
        // The way a click on the box goes, so that the page hears of it alike.
        m_model->setData(at, Grid().IsChecked(col, row) ? Qt::Unchecked : Qt::Checked,
                         Qt::CheckStateRole);
        return true;
    }
    if (space && m_cell_activated && m_cell_activated(col, row)) {
        return true;
    }
    if (!m_enter_rule && m_row_clicked) {
        m_row_clicked(row);
        return true;
    }
    return false;
}

void GridView::ClickCheckBox(int col, int row) {
    if (m_check_box_clicked) {
        m_check_box_clicked(col, row);
    } else {
        Grid().SetChecked(col, row, !Grid().IsChecked(col, row));
    }
}

}  // namespace orvanta

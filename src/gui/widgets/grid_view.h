#pragma once

// The grid widget every page uses: a QTableView over a GridModel, drawn like a
// classic spreadsheet grid (fixed header cells inside the grid, no Qt header
// bars) and giving the windows the events they hook into:
//
//   SetSelectCell      may the cell become current? (refusing keeps the old one)
//   SetKeyFilter       each typed character, with the current cell's text (the
//                      editor's while editing): drop it, keep it or replace it.
//                      Only characters: Enter, Tab, Backspace, Delete and
//                      Escape are keys the grid handles itself
//   SetEnterRule       Enter on the current cell: where the current cell goes
//   SetValidateCell    an edit ended with a changed text (given the text before
//                      it): false refuses it, and the editor opens again
//   SetEditingDone     an edit ended (after validation)
//   SetCheckBoxClicked a click on a check box, or Space on a cell that has one;
//                      when set, the page flips the box
//   SetCellActivated   a click on a cell or Space on the current one: true when
//                      the page acted on the cell (a click it took leaves the
//                      current cell where it was)
//   SetRowClicked      a click on a row (also the current one), a row change by
//                      keyboard, or Enter or Space on the current row of a grid
//                      with no enter rule
//
// Every hook runs behind the program's error edge: a failure inside one is
// shown in the general error report, and the grid goes on as if the hook had
// given its safest answer (a cell not selected, a key dropped, no move, an edit
// accepted). A hook cannot be installed any other way.
//
// A cell with a check box holds no text: it never opens an editor. Keys that
// move the current cell pass over the cells it may not go to (End goes to the
// last cell of the row it may go to); Tab leaves the grid, or, where the grid
// says so, walks its cells row by row and leaves it after the last.
//
// Column widths and row heights follow the TextGrid, grown with a font larger
// than the program's own; the user widens a column by dragging its edge in a
// fixed row. A grid may instead fill its width: the columns then share
// out the room beyond their own widths. Text that does not fit its cell is drawn
// cut with "…" in place of what is cut, never silently clipped, and the cell's
// tool tip shows it whole.

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QTableView>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/base/services.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/font_scale.h"
#include "gui/widgets/grid_delegate.h"
#include "gui/widgets/grid_model.h"

namespace orvanta {

class GridView : public QTableView {
    Q_OBJECT

public:
    // `errors` shows what a failing hook reports.
    GridView(TextGrid& grid, Prompter& errors, QWidget* parent = nullptr);
    ~GridView() override;

    GridModel& Model() { return *m_model; }
    TextGrid& Grid() { return m_model->Grid(); }

    using KeyFilter = std::function<std::optional<char>(char typed, const std::string& current)>;
    using EnterRule = std::function<std::optional<std::pair<int, int>>(int col, int row,
                                                                       const std::string& current)>;

    void SetSelectCell(std::function<bool(int col, int row)> hook);
    void SetKeyFilter(KeyFilter hook);
    void SetEnterRule(EnterRule hook);
    void SetValidateCell(std::function<bool(int col, int row, const std::string& before)> hook);
    void SetEditingDone(std::function<void(int col, int row)> hook);
    void SetCheckBoxClicked(std::function<void(int col, int row)> hook);
    void SetCellActivated(std::function<bool(int col, int row)> hook);
    void SetRowClicked(std::function<void(int row)> hook);
    // Tab and Shift+Tab walk the cells that may become current, in reading
    // order, and leave the grid only past the last (or before the first).
    void SetTabWalksCells(bool walks) { m_tab_walks_cells = walks; }

    void SetGridLineColour(const QColor& colour);
    void SetCanEdit(std::function<bool(int col, int row)> can_edit);

    int CurrentCol() const;
    int CurrentRow() const;
    // Makes a cell current without asking selectCell (the program's own moves).
    void SetCurrentCell(int col, int row);

    // No focus, no current cell, no typing: a display-only grid.
    void SetInert(bool inert);
    bool IsInert() const { return m_inert; }

    // Widens or narrows a column to its longest text.
    void AutoSizeColumn(int col);
    // The narrowest a column is shown or dragged: room for "…" beside the
    // check box its cells may have, so that a cut never goes unmarked.
    int MinimumColumnWidth(int col) const;
    // Those of the columns from `first` up to `last`, worked out together.
    std::vector<int> MinimumColumnWidths(int first, int last) const;
    // The width that shows the column's longest text whole.
    int ColumnTextWidth(int col) const;
    // The width a column needs to show `text` whole in its cell of `row`.
    int WidthToShow(const QString& text, int col, int row) const;
    // A column's or row's size as shown: the grid's, grown with the font.
    int ShownColWidth(int col) const;
    int ShownRowHeight(int row) const;
    // How the grid's sizes grow with the view's font.
    FontScale Scale() const;

    bool IsEditing() const { return m_editor != nullptr; }
    // Ends an open edit as Enter does, without moving on. False when the page
    // refused the text: the cell's editor then opens again.
    bool EndEditing();
    // The text being typed, or the current cell's text when not editing.
    std::string CurrentText() const;

    // What the cell shows and where, as painting draws it; nothing for a cell
    // that a merged neighbour covers.
    DrawnText DrawnCell(int col, int row) const;

    // The columns widen beyond the grid's widths to fill the view, each by its
    // share of the room; their edges are then not dragged.
    void SetFillsWidth(bool fills);

    // A grid of fixed width whose columns grow wider than it scrolls sideways;
    // its height then grows by the scroll bar, so that no row goes under it.
    void SetKeepsRowsInView(bool keeps);

    // The size that shows every column (at least at its minimum width) and
    // row without scrolling.
    QSize FullSize() const;
    QSize sizeHint() const override;

    // Lays out widths, heights and merges from the grid again.
    void ApplyLayout();

    // Labels beside a grid without a fixed column that caption its rows, the
    // first beside the first row under the fixed ones: a screen reader reads
    // them as the rows' headers.
    void SetRowCaptions(std::vector<QPointer<QLabel>> labels) {
        m_row_captions = std::move(labels);
    }
    const std::vector<QPointer<QLabel>>& RowCaptions() const { return m_row_captions; }

    using QTableView::edit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                     const QList<int>& roles = QList<int>()) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    friend class GridDelegate;
    // A screen reader's actions on a cell run the view's own hooks.
    friend struct GridAccess;

    const GridDelegate& Delegate() const {
        return *static_cast<const GridDelegate*>(itemDelegate());
    }

    // Editing: every typed character goes through the editor's filter.
    bool TakeEditingKey(QKeyEvent* event);
    FilteredLineEdit* OpenCurrentCell();
    void TypeIntoCurrentCell(const QString& typed);
    void PasteIntoCurrentCell();
    void EditorOpened(FilteredLineEdit* editor, const QModelIndex& index);
    void CommitText(const QModelIndex& index, const QString& text);
    void ReopenRefusedCell();
    bool TakeEditorKey(QKeyEvent* event);
    void RunEnterRule(const std::string& current_text);
    std::string CurrentCellText() const;

    // Keys that act on the current cell or move it.
    enum class Walk { kAlongRow, kAlongColumn, kReadingOrder };
    bool MayBeCurrent(const QModelIndex& at) const;
    QModelIndex FirstMayBeCurrent(QModelIndex from, Walk walk, int step,
                                  const QModelIndex& stop) const;
    QModelIndex PassRefusedCell(CursorAction action, Qt::KeyboardModifiers modifiers,
                                const QModelIndex& current, const QModelIndex& target) const;
    bool PressCurrentCell(QKeyEvent* event);
    void ClickCheckBox(int col, int row);

    // Column sizing.
    void ApplyColumnWidths();
    void ApplyRowHeights();
    void KeepRowsInView();
    void CheckColumnWidthsLater();
    int ResizeEdgeAt(const QPoint& pos) const;
    bool StartColumnDrag(const QPoint& pos);
    bool DragColumn(const QPoint& pos);
    bool EndColumnDrag();

    // A hook behind the error edge, giving `fallback` when it fails.
    template <typename Result, typename... Args>
    std::function<Result(Args...)> Guard(std::function<Result(Args...)> hook, Result fallback);
    template <typename... Args>
    std::function<void(Args...)> Guard(std::function<void(Args...)> hook);

    Prompter& m_errors;
    std::function<bool(int, int)> m_select_cell;
    KeyFilter m_key_filter;
    EnterRule m_enter_rule;
    std::function<bool(int, int, const std::string&)> m_validate_cell;
    std::function<void(int, int)> m_editing_done;
    std::function<void(int, int)> m_check_box_clicked;
    std::function<bool(int, int)> m_cell_activated;
    std::function<void(int)> m_row_clicked;
    GridModel* m_model = nullptr;
    QPointer<FilteredLineEdit> m_editor;
    QPersistentModelIndex m_edit_index;
    QPersistentModelIndex m_reopen;
    bool m_inert = false;
    bool m_fills_width = false;
    bool m_keeps_rows_in_view = false;
    bool m_keyboard_move = false;
    bool m_tab_walks_cells = false;
    bool m_widths_check_queued = false;
    int m_resize_col = -1;
    int m_resize_origin = 0;
    int m_resize_width = 0;
    std::vector<QPointer<QLabel>> m_row_captions;
};

}  // namespace orvanta

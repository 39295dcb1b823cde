// Typing into the grid. Every character reaches a cell through its editor and
// the editor's one key filter: a key typed on a cell not being edited opens
// the editor and is typed there. Enter, Tab and the line's own keys (Escape,
// Delete, Backspace) are keys, never characters offered to the filter: Enter
// commits the edit, which the page may refuse, and moves by the enter rule.

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "gui/widgets/grid_delegate.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

std::string GridView::CurrentText() const {
    if (m_editor) {
        return FromQt(m_editor->text());
    }
    return CurrentCellText();
}

std::string GridView::CurrentCellText() const {
    const QModelIndex at = currentIndex();
    return at.isValid() ? m_model->Grid().Cell(at.column(), at.row()) : std::string();
}

bool GridView::TakeEditingKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteIntoCurrentCell();
        return true;
    }
    if (PressCurrentCell(event)) {
        return true;
    }
    if (IsEnterKey(event)) {
        RunEnterRule(CurrentCellText());
        return true;
    }
    // Without a filter, Qt opens the editor with the key itself (or flips a
    // check box with Space, or looks for a cell that starts with the key). A
    // filtered key has no use on a cell that cannot be edited: looking for a
    // cell would make one current without asking whether it may be.
    if (m_key_filter && TypesText(event)) {
        TypeIntoCurrentCell(event->text());
        return true;
    }
    return false;
}

FilteredLineEdit* GridView::OpenCurrentCell() {
    const QModelIndex at = currentIndex();
    if (!at.isValid() || !edit(at, AnyKeyPressed, nullptr)) {
        return nullptr;
    }
    return m_editor;
}

// The key typed on a closed cell replaces its text, as in a spreadsheet; a key
// the filter drops leaves the cell as it was, closed, with no edit to end.
void GridView::TypeIntoCurrentCell(const QString& typed) {
    const QPointer<FilteredLineEdit> editor = OpenCurrentCell();
    if (!editor || editor->TypeText(typed) || editor != m_editor) {
        return;
    }
    // Forgotten before it closes, the cell has no edit to end.
    m_edit_index = QPersistentModelIndex();
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// A paste on a cell that is not being edited replaces its text, as typing
// would: the editor opens and the clipboard's text is typed into it.
void GridView::PasteIntoCurrentCell() {
    const QModelIndex at = currentIndex();
    if (!at.isValid() || !(m_model->flags(at) & Qt::ItemIsEditable)) {
        return;
    }
    const QString clip = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (clip.isEmpty()) {
        return;
    }
    if (FilteredLineEdit* editor = OpenCurrentCell()) {
        editor->selectAll();
        editor->PasteText(clip);
    }
}

void GridView::EditorOpened(FilteredLineEdit* editor, const QModelIndex& index) {
    m_editor = editor;
    m_edit_index = index;
    editor->setFont(font());
    if (m_key_filter) {
        editor->SetKeyFilter([this](char typed, const std::string& current) -> std::optional<char> {
            return m_key_filter ? m_key_filter(typed, current) : std::optional<char>(typed);
        });
    }
    editor->installEventFilter(this);
}

void GridView::CommitText(const QModelIndex& index, const QString& text) {
    if (!index.isValid()) {
        return;
    }
    const int col = index.column();
    const int row = index.row();
    TextGrid& grid = m_model->Grid();
    const std::string value = FromQt(text);
    const std::string before = grid.Cell(col, row);
    if (before == value) {
        return;
    }
    grid.SetCell(col, row, value);
    if (m_validate_cell && !m_validate_cell(col, row, before)) {
        m_reopen = index;
    }
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool editing = QTableView::edit(index, trigger, event);
    // The delegate watches its editor too and would queue its own commit on
    // Enter; our filter goes in front of it so that Enter is ours alone.
    if (editing && m_editor) {
        m_editor->removeEventFilter(this);
        m_editor->installEventFilter(this);
    }
    return editing;
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const QPersistentModelIndex edited = m_edit_index;
    // Tab leaves the grid rather than walking into the next cell.
    if (hint == QAbstractItemDelegate::EditNextItem ||
        hint == QAbstractItemDelegate::EditPreviousItem) {
        hint = QAbstractItemDelegate::NoHint;
    }
    // The closed editor lingers until deleted; it must not commit again when it
    // loses the focus to the next one.
    if (editor) {
        editor->removeEventFilter(itemDelegate());
        editor->removeEventFilter(this);
    }
    QTableView::closeEditor(editor, hint);
    m_editor = nullptr;
    m_edit_index = QPersistentModelIndex();
    if (edited.isValid() && m_editing_done) {
        m_editing_done(edited.column(), edited.row());
    }
    ReopenRefusedCell();
}

// A refused entry opens its cell again once the closing is over.
void GridView::ReopenRefusedCell() {
    if (!m_reopen.isValid()) {
        return;
    }
    const QPersistentModelIndex again = m_reopen;
    m_reopen = QPersistentModelIndex();
    QTimer::singleShot(0, this, [this, again] {
        if (again.isValid()) {
            setCurrentIndex(again);
            QTableView::edit(again);
        }
    });
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    // The type first: an editor that a reset of the grid let go is still
    // watched while it is destroyed, and comparing it with m_editor then
    // would cast what is by then no longer an editor.
    if (event->type() == QEvent::KeyPress && watched == m_editor) {
        return TakeEditorKey(static_cast<QKeyEvent*>(event));
    }
    return QTableView::eventFilter(watched, event);
}

// Tab and Enter end the edit here; characters, pasted text and drops are the
// editor's, through its filter.
bool GridView::TakeEditorKey(QKeyEvent* event) {
    if (!m_editor) {
        return false;
    }
    QLineEdit* editor = m_editor;
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(key == Qt::Key_Tab);
        return true;
    }
    if (IsEnterKey(event)) {
        const std::string typed = FromQt(editor->text());
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        RunEnterRule(typed);
        return true;
    }
    return false;
}

bool GridView::EndEditing() {
    if (!m_editor) {
        return true;
    }
    QLineEdit* editor = m_editor;
    commitData(editor);
    const bool refused = m_reopen.isValid();
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return !refused;
}

void GridView::RunEnterRule(const std::string& current_text) {
    const QModelIndex at = currentIndex();
    if (!m_enter_rule || !at.isValid()) {
        return;
    }
    if (const auto target = m_enter_rule(at.column(), at.row(), current_text)) {
        SetCurrentCell(target->first, target->second);
    }
}

}  // namespace orvanta

#include "gui/widgets/grid_view.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "core/base/handler_guard.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

// Text keeps 2 pixels from a cell's left edge and 1 from its right one, where
// the grid line already separates it from the next cell: an odds figure such
// as "45.09" then fits a 32-pixel column whole.
constexpr int kTextMargin = 2;
constexpr int kTextRightMargin = 1;

// Creates plain line editors and routes every commit through the view, which
// runs the validation and end-of-edit hooks.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridView* view) : QStyledItemDelegate(view), m_view(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new FilteredLineEdit(parent);
        editor->setFrame(false);
        m_view->EditorOpened(editor, index);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            m_view->CommitText(index, line->text());
        }
    }

    // The text of a cell and where it goes. Narrow grid columns (32 pixels for
    // an odds figure) need slim margins; text that still does not fit is cut
    // with an ellipsis, so that a cut figure never reads as another figure.
    static DrawnText LayOut(const QStyleOptionViewItem& styled) {
        DrawnText drawn;
        drawn.whole = styled.text;
        drawn.font = styled.font;
        const QWidget* widget = styled.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &styled, widget);
        if (!(styled.features & QStyleOptionViewItem::HasCheckIndicator)) {
            area.setLeft(styled.rect.left() + kTextMargin);
        }
        area.setRight(styled.rect.right() - kTextRightMargin);
        drawn.area = area;
        if (!drawn.whole.isEmpty()) {
            const QFontMetrics metrics =
                widget ? QFontMetrics(styled.font, widget) : QFontMetrics(styled.font);
            drawn.shown = metrics.elidedText(drawn.whole, Qt::ElideRight, area.width());
        }
        return drawn;
    }

    DrawnText LayOut(const QStyleOptionViewItem& option, const QModelIndex& index) const {
        QStyleOptionViewItem styled(option);
        initStyleOption(&styled, index);
        return LayOut(styled);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const DrawnText drawn = LayOut(opt);
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        if (drawn.shown.isEmpty()) {
            return;
        }
        const bool selected = opt.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(QPalette::Normal,
                                          selected ? QPalette::HighlightedText : QPalette::Text));
        if (!selected && index.data(Qt::ForegroundRole).canConvert<QColor>()) {
            painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        }
        painter->setClipRect(opt.rect);
        painter->drawText(drawn.area, static_cast<int>(opt.displayAlignment) | Qt::TextSingleLine,
                          drawn.shown);
        painter->restore();
    }

    // A cut text shows whole as the cell's tool tip; a whole one needs none.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip || !index.isValid()) {
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        }
        const DrawnText drawn = LayOut(option, index);
        if (drawn.IsCut()) {
            QToolTip::showText(event->globalPos(), drawn.whole, view->viewport(), option.rect);
        } else {
            QToolTip::hideText();
        }
        return true;
    }

private:
    GridView* m_view;
};

namespace {

constexpr int kResizeGrip = 3;

constexpr QAbstractItemView::EditTriggers kEditTriggers = QAbstractItemView::DoubleClicked |
                                                          QAbstractItemView::AnyKeyPressed |
                                                          QAbstractItemView::EditKeyPressed;

}  // namespace

GridView::GridView(TextGrid& grid, Prompter& errors, QWidget* parent)
    : QTableView(parent), m_errors(errors) {
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

    m_model->SetCheckBoxClicked([this](int col, int row) {
        if (m_check_box_clicked) {
            m_check_box_clicked(col, row);
        } else {
            Grid().SetChecked(col, row, !Grid().IsChecked(col, row));
        }
    });
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

void GridView::SetRowClicked(std::function<void(int)> hook) {
    m_row_clicked = Guard(std::move(hook));
}

namespace {

// The application's style, with the grid lines in one colour. (A style sheet
// would say as much, at the price of the style sheet machinery paid before the
// first window shows.)
class GridLineStyle : public QProxyStyle {
public:
    GridLineStyle(QStyle* base, QColor colour) : QProxyStyle(base), m_colour(colour) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_Table_GridLineColor) {
            return static_cast<int>(m_colour.rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }

private:
    QColor m_colour;
};

// One style for each colour, for the program's life.
QStyle* GridLineStyleFor(const QColor& colour) {
    static std::map<QRgb, QPointer<QStyle>> styles;
    QPointer<QStyle>& style = styles[colour.rgba()];
    if (!style) {
        style = new GridLineStyle(QStyleFactory::create(QApplication::style()->name()), colour);
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

void GridView::SetGridLineColour(const QColor& colour) {
    setStyle(GridLineStyleFor(colour));
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

std::string GridView::CurrentText() const {
    if (m_editor) {
        return FromQt(m_editor->text());
    }
    const QModelIndex at = currentIndex();
    return at.isValid() ? m_model->Grid().Cell(at.column(), at.row()) : std::string();
}

void GridView::AutoSizeColumn(int col) {
    if (col >= 0 && col < m_model->Grid().ColCount()) {
        m_model->Grid().SetColWidth(col, ColumnTextWidth(col));
    }
}

int GridView::MinimumColumnWidth(int col) const {
    const TextGrid& grid = m_model->Grid();
    if (col < 0 || col >= m_model->columnCount()) {
        return 0;
    }
    // Laid out in a wide probe, a cell shows what its margins and check box
    // take; a check box or the fixed rows' font is all that differs by row.
    // The grid line is drawn in the column too, outside the cell.
    constexpr int kProbeWidth = 1000;
    const int grid_line = showGrid() ? 1 : 0;
    const QString ellipsis(QChar(0x2026));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const auto* delegate = static_cast<const GridDelegate*>(itemDelegate());
    std::set<std::pair<bool, bool>> kinds;
    int narrowest = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!kinds.insert({grid.HasCheckBox(col, row), m_model->IsFixed(col, row)}).second) {
            continue;
        }
        option.rect = QRect(0, 0, kProbeWidth, rowHeight(row));
        const DrawnText drawn = delegate->LayOut(option, m_model->index(row, col));
        const int taken = kProbeWidth - drawn.area.width() + grid_line;
        narrowest =
            std::max(narrowest, taken + QFontMetrics(drawn.font, this).horizontalAdvance(ellipsis));
    }
    return narrowest;
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

DrawnText GridView::DrawnCell(int col, int row) const {
    const QModelIndex index = m_model->index(row, col);
    if (!index.isValid() || m_model->Grid().IsCoveredCell(col, row)) {
        return {};
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return static_cast<const GridDelegate*>(itemDelegate())->LayOut(option, index);
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
        total += grid.ColWidth(c);
    }
    const int spare = m_fills_width && total > 0 ? viewport()->width() - total : 0;
    int given = 0;
    for (int c = 0; c < cols; ++c) {
        int width = grid.ColWidth(c);
        if (spare > 0) {
            // The last column takes what the rounding leaves.
            const int share = c + 1 == cols ? spare - given : spare * width / total;
            given += share;
            width += share;
        }
        horizontalHeader()->resizeSection(c, std::max(width, MinimumColumnWidth(c)));
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
    // The room "…" needs goes with the font.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        ApplyColumnWidths();
        updateGeometry();
    }
}

void GridView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                           const QList<int>& roles) {
    QTableView::dataChanged(top_left, bottom_right, roles);
    // A check box that appears takes room from its column's text. The grid
    // tells of a change before it makes it, so the columns are looked at once
    // the changes under way are made.
    if (!m_widths_check_queued) {
        m_widths_check_queued = true;
        QTimer::singleShot(0, this, [this] {
            m_widths_check_queued = false;
            for (int col = 0; col < m_model->columnCount(); ++col) {
                if (columnWidth(col) < MinimumColumnWidth(col)) {
                    ApplyColumnWidths();
                    return;
                }
            }
        });
    }
}

QSize GridView::FullSize() const {
    const TextGrid& grid = m_model->Grid();
    int width = 2 * frameWidth();
    int height = 2 * frameWidth();
    for (int c = 0; c < grid.ColCount(); ++c) {
        width += std::max(grid.ColWidth(c), MinimumColumnWidth(c));
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        height += grid.RowHeight(r);
    }
    return {width, height};
}

QSize GridView::sizeHint() const {
    return FullSize();
}

void GridView::ApplyLayout() {
    const TextGrid& grid = m_model->Grid();
    ApplyColumnWidths();
    for (int r = 0; r < grid.RowCount() && r < m_model->rowCount(); ++r) {
        verticalHeader()->resizeSection(r, grid.RowHeight(r));
    }
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

void GridView::EditorOpened(FilteredLineEdit* editor, const QModelIndex& index) {
    m_editor = editor;
    m_edit_index = index;
    editor->setFont(font());
    if (m_key_filter) {
        // The key that opened the editor has been through the filter already.
        editor->SetKeyFilter([this](char typed, const std::string& current) -> std::optional<char> {
            if (m_forwarding_key) {
                return typed;
            }
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
    if (m_reopen.isValid()) {
        const QPersistentModelIndex again = m_reopen;
        m_reopen = QPersistentModelIndex();
        QTimer::singleShot(0, this, [this, again] {
            if (again.isValid()) {
                setCurrentIndex(again);
                QTableView::edit(again);
            }
        });
    }
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    // The type first: an editor that a reset of the grid let go is still
    // watched while it is destroyed, and comparing it with m_editor then
    // would cast what is by then no longer an editor.
    if (event->type() == QEvent::KeyPress && watched == m_editor) {
        return FilterEditorKey(static_cast<QKeyEvent*>(event));
    }
    return QTableView::eventFilter(watched, event);
}

bool GridView::FilterEditorKey(QKeyEvent* event) {
    if (m_forwarding_key || !m_editor) {
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
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const std::string typed = FromQt(editor->text());
        if (m_key_filter && !m_key_filter('\r', typed)) {
            return true;
        }
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        RunEnterRule(typed);
        return true;
    }
    // Characters, pasted text and drops are the editor's: it runs them
    // through the same filter.
    return false;
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

void GridView::keyPressEvent(QKeyEvent* event) {
    if (m_inert) {
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteIntoCurrentCell();
        event->accept();
        return;
    }
    const int key = event->key();
    const QModelIndex at = currentIndex();
    const std::string cell_text =
        at.isValid() ? m_model->Grid().Cell(at.column(), at.row()) : std::string();

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_key_filter && !m_key_filter('\r', cell_text)) {
            event->accept();
            return;
        }
        RunEnterRule(cell_text);
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typing = text.size() == 1 && text.at(0).unicode() >= 0x20 &&
                        text.at(0).unicode() != 0x7F &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && m_key_filter) {
        const char typed = AsFilterChar(text.at(0));
        const auto accepted = m_key_filter(typed, cell_text);
        if (!accepted) {
            event->accept();
            return;
        }
        m_forwarding_key = true;
        if (*accepted != typed) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(),
                               QString(QChar(*accepted)));
            QTableView::keyPressEvent(&replaced);
        } else {
            QTableView::keyPressEvent(event);
        }
        m_forwarding_key = false;
        return;
    }
    m_keyboard_move = true;
    QTableView::keyPressEvent(event);
    m_keyboard_move = false;
}

// A paste on a cell that is not being edited replaces its text, as typing
// would: the editor opens and the clipboard's text is typed into it.
void GridView::PasteIntoCurrentCell() {
    const QModelIndex at = currentIndex();
    if (!at.isValid() || !(m_model->flags(at) & Qt::ItemIsEditable)) {
        return;
    }
    const QString clip = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (clip.isEmpty() || !edit(at, EditKeyPressed, nullptr) || !m_editor) {
        return;
    }
    m_editor->selectAll();
    m_editor->TypeText(clip);
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

void GridView::mousePressEvent(QMouseEvent* event) {
    if (m_inert) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const int edge = ResizeEdgeAt(pos);
        if (edge >= 0) {
            m_resize_col = edge;
            m_resize_origin = pos.x();
            m_resize_width = columnWidth(edge);
            event->accept();
            return;
        }
    }
    const QModelIndex at = indexAt(pos);
    if (at.isValid()) {
        if (m_model->IsFixed(at.column(), at.row())) {
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
    if (m_resize_col >= 0) {
        const int width =
            std::max(MinimumColumnWidth(m_resize_col), m_resize_width + pos.x() - m_resize_origin);
        m_model->Grid().SetColWidth(m_resize_col, width);
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
    if (m_resize_col >= 0) {
        m_resize_col = -1;
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

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (!target.isValid() || target == current) {
        return target;
    }
    if (m_model->IsFixed(target.column(), target.row())) {
        return current;
    }
    if (m_select_cell && !m_select_cell(target.column(), target.row())) {
        return current;
    }
    return target;
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (m_keyboard_move && m_row_clicked && current.isValid() &&
        (!previous.isValid() || current.row() != previous.row())) {
        m_row_clicked(current.row());
    }
}

}  // namespace orvanta

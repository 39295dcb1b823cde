#include "gui/widgets/filtered_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <utility>

#include "gui/widgets/elided_text.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/standard_texts.h"
#include "gui/widgets/wrapped_tip.h"

namespace orvanta {

namespace {

// The gap QLineEdit leaves between its contents rectangle and the text.
constexpr int kLineMargin = 2;

bool IsControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// An action of a line's menu in the open language, with its shortcut.
QAction* AddMenuAction(QMenu* menu, const CatalogueText& text, QKeySequence::StandardKey key,
                       bool enabled) {
    QString caption = StandardText(text);
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    if (!shortcut.isEmpty()) {
        caption += QLatin1Char('\t') + shortcut;
    }
    QAction* action = menu->addAction(caption);
    action->setEnabled(enabled);
    return action;
}

}  // namespace

bool TypesText(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (IsControl(c)) {
            return false;  // Backspace, Escape, Delete: the line's own keys
        }
    }
    return true;
}

char AsFilterChar(QChar c) {
    return c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01';
}

FilteredLineEdit::FilteredLineEdit(QWidget* parent) : QLineEdit(parent) {}

QString FilteredLineEdit::AcceptedText(const QString& text, Entry entry) const {
    if (!m_filter) {
        return text;
    }
    // Typing the first accepted character replaces the selection; the filter
    // sees the line as it stands before each key. A paste replaces the
    // selection whole, so its characters are judged without it.
    QString line = QLineEdit::text();
    int cursor = cursorPosition();
    int selection_start = hasSelectedText() ? selectionStart() : -1;
    const int selection_length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    if (entry == Entry::kPasted && selection_start >= 0) {
        line.remove(selection_start, selection_length);
        cursor = std::exchange(selection_start, -1);
    }
    QString accepted;
    for (const QChar c : text) {
        if (IsControl(c)) {
            continue;
        }
        const char typed = AsFilterChar(c);
        const auto kept = m_filter(typed, FromQt(line));
        if (!kept || IsControl(QChar(*kept))) {
            continue;
        }
        const QChar lands = *kept == typed ? c : QChar(*kept);
        if (selection_start >= 0) {
            line.remove(selection_start, selection_length);
            cursor = selection_start;
            selection_start = -1;
        }
        line.insert(cursor++, lands);
        accepted.append(lands);
    }
    return accepted;
}

bool FilteredLineEdit::TypeText(const QString& text) {
    return Enter(text, Entry::kTyped);
}

bool FilteredLineEdit::PasteText(const QString& text) {
    return Enter(text, Entry::kPasted);
}

bool FilteredLineEdit::Enter(const QString& text, Entry entry) {
    if (isReadOnly()) {
        return false;
    }
    if (!m_filter && !inputMask().isEmpty()) {
        return TypeThroughMask(text);
    }
    const QString accepted = AcceptedText(text, entry);
    if (accepted.isEmpty()) {
        return false;
    }
    insert(accepted);
    return true;
}

// A mask places each key by its own rules (skipping literals, refusing what
// does not fit), which a pasted string does not follow: so the text is typed,
// key by key.
bool FilteredLineEdit::TypeThroughMask(const QString& text) {
    const QString before = QLineEdit::text();
    for (const QChar c : text) {
        if (!IsControl(c)) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QLineEdit::keyPressEvent(&key);
        }
    }
    return QLineEdit::text() != before;
}

bool FilteredLineEdit::Guarded() const {
    return m_filter || !inputMask().isEmpty();
}

QRect FilteredLineEdit::TextArea() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    area = area.marginsRemoved(textMargins());
    return area.adjusted(kLineMargin, 0, -kLineMargin, 0);
}

QString FilteredLineEdit::ShownText() const {
    // While the box has the focus it scrolls under the cursor as usual.
    const QString whole = displayText();
    if (hasFocus() || echoMode() != Normal) {
        return whole;
    }
    const int width = TextArea().width();
    if (fontMetrics().horizontalAdvance(whole) <= width) {
        return whole;
    }
    return ElidedToWidth(fontMetrics(), whole, width);
}

bool FilteredLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QString shown = ShownText();
        if (shown != displayText()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               WrappedToolTip(displayText(), this), this);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void FilteredLineEdit::paintEvent(QPaintEvent* event) {
    const QString shown = ShownText();
    if (shown == displayText()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    painter.drawText(TextArea(), static_cast<int>(horizontal | Qt::AlignVCenter), shown);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (Guarded() && event->matches(QKeySequence::Paste)) {
        PasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        event->accept();
        return;
    }
    if (m_filter && TypesText(event) && !isReadOnly()) {
        TypeText(event->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!Guarded() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (!m_filter) {
        TypeText(event->commitString());
        event->accept();
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(AcceptedText(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The standard menu's Paste would go round the filter, its actions cannot
    // be told apart reliably and its words are Qt's English: the menu is our
    // own, in the open language.
    namespace texts = standard_texts;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool writable = !isReadOnly();
    const QString clip = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    const bool selected = hasSelectedText() && echoMode() == Normal;
    connect(AddMenuAction(menu, texts::kUndo, QKeySequence::Undo, writable && isUndoAvailable()),
            &QAction::triggered, this, &QLineEdit::undo);
    connect(AddMenuAction(menu, texts::kRedo, QKeySequence::Redo, writable && isRedoAvailable()),
            &QAction::triggered, this, &QLineEdit::redo);
    menu->addSeparator();
    connect(AddMenuAction(menu, texts::kCut, QKeySequence::Cut, writable && selected),
            &QAction::triggered, this, &QLineEdit::cut);
    connect(AddMenuAction(menu, texts::kCopy, QKeySequence::Copy, selected), &QAction::triggered,
            this, &QLineEdit::copy);
    const bool can_paste =
        m_filter ? !AcceptedText(clip, Entry::kPasted).isEmpty() : !clip.isEmpty();
    connect(AddMenuAction(menu, texts::kPaste, QKeySequence::Paste, writable && can_paste),
            &QAction::triggered, this, [this] { PasteClipboard(); });
    connect(AddMenuAction(menu, texts::kDelete, QKeySequence::UnknownKey,
                          writable && hasSelectedText()),
            &QAction::triggered, this, [this] { insert(QString()); });
    menu->addSeparator();
    connect(AddMenuAction(menu, texts::kSelectAll, QKeySequence::SelectAll, !text().isEmpty()),
            &QAction::triggered, this, &QLineEdit::selectAll);
    menu->popup(event->globalPos());
    event->accept();
}

void FilteredLineEdit::PasteClipboard() {
    if (Guarded()) {
        PasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    } else {
        paste();
    }
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The press has already put the cursor where the middle button went down.
    if (Guarded() && event->button() == Qt::MiddleButton) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection() && !isReadOnly()) {
            deselect();
            PasteText(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    if (!Guarded()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QMimeData* data = event->mimeData();
    if (isReadOnly() || !data || !data->hasText()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteText(data->text());
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}

}  // namespace orvanta

#pragma once

// An edit line whose every way in goes through one key filter: typed keys,
// Ctrl+V and Shift+Insert, the context menu's Paste, a middle click (the X11
// selection), a drop and an input method's commit. Whatever the path, what
// lands is what typing the same characters one by one would have left: a
// dropped character is dropped, a replaced one replaced. Control characters
// (line breaks, tabs) in a pasted text are not keys and are left out.
//
// A text too long for the box shows, while the box has no focus, cut with an
// ellipsis and whole in its tool tip: a figure is never shown silently cut.
//
// With an input mask and no filter, the mask is the filter: every path types
// its text key by key through it. With neither, it is a plain QLineEdit whose
// context menu, like every box's, speaks the open language.

#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>

namespace orvanta {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT

public:
    // The typed character and the line's text before it: the character to
    // insert, or nothing to drop it.
    using KeyFilter = std::function<std::optional<char>(char typed, const std::string& current)>;

    explicit FilteredLineEdit(QWidget* parent = nullptr);

    void SetKeyFilter(KeyFilter filter) { m_filter = std::move(filter); }
    bool HasKeyFilter() const { return static_cast<bool>(m_filter); }

    // Inserts at the cursor (over the selection) what typing `text` would;
    // false when nothing of it lands.
    bool TypeText(const QString& text);
    // The same for a paste or a drop, which replaces the selection as a whole:
    // its characters are judged as if the selection were already gone, so
    // that "2.5" pasted over a selected "1.5" is 2.5, not 25.
    bool PasteText(const QString& text);

    // How a text comes in: key by key, or whole over the selection.
    enum class Entry { kTyped, kPasted };
    // The characters of `text` that typing (or pasting) would leave, as they
    // would land.
    QString AcceptedText(const QString& text, Entry entry = Entry::kTyped) const;

    // The text as the box shows it: whole, or cut with an ellipsis, and the
    // place it is drawn in.
    QString ShownText() const;
    QRect TextArea() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Guarded() const;
    bool Enter(const QString& text, Entry entry);
    bool TypeThroughMask(const QString& text);
    // The menu's Paste: through the filter or the mask when there is one.
    void PasteClipboard();

    KeyFilter m_filter;
};

// Whether a key press types its text (no Ctrl, Alt or Meta, no control
// character in it), which a key filter then sees character by character.
// Enter, Tab, Backspace, Delete and Escape are keys, not text.
bool TypesText(const QKeyEvent* event);

// A character as the key filters see it: ASCII as it is, anything else as a
// character no filter accepts.
char AsFilterChar(QChar c);

}  // namespace orvanta

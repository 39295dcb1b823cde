#include "monkey/user_input.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "gui/widgets/grid_view.h"
#include "gui/widgets/standard_texts.h"
#include "monkey/step_log.h"

namespace orvanta::monkey {

namespace {

QString Digits(int count, QChar digit) {
    return QString(count, digit);
}

}  // namespace

const std::vector<Key>& Keys() {
    static const std::vector<Key> keys = [] {
        std::vector<Key> k;
        const char* const digit_names[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        for (int d = 0; d <= 9; ++d) {
            k.push_back({digit_names[d], Qt::Key(Qt::Key_0 + d), Qt::NoModifier,
                         QString(QChar('0' + d)), 6});
        }
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const std::vector<Key> others = {
            {"'.'", Qt::Key_Period, none, QStringLiteral("."), 10},
            {"','", Qt::Key_Comma, none, QStringLiteral(","), 10},
            {"'-'", Qt::Key_Minus, none, QStringLiteral("-"), 3},
            {"'+'", Qt::Key_Plus, none, QStringLiteral("+"), 2},
            {"'e'", Qt::Key_E, none, QStringLiteral("e"), 2},
            {"'E'", Qt::Key_E, Qt::ShiftModifier, QStringLiteral("E"), 1},
            {"'x'", Qt::Key_X, none, QStringLiteral("x"), 1},
            {"'a'", Qt::Key_A, none, QStringLiteral("a"), 1},
            {"';'", Qt::Key_Semicolon, none, QStringLiteral(";"), 2},
            {"space", Qt::Key_Space, none, QStringLiteral(" "), 2},
            {"'α'", Qt::Key_unknown, none, QStringLiteral("α"), 1},
            {"'１'", Qt::Key_unknown, none, QStringLiteral("１"), 1},
            {"Enter", Qt::Key_Return, none, QStringLiteral("\r"), 14},
            {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), 2},
            {"Tab", Qt::Key_Tab, none, QStringLiteral("\t"), 6},
            {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, QString(), 2},
            {"Left", Qt::Key_Left, none, QString(), 4},
            {"Right", Qt::Key_Right, none, QString(), 4},
            {"Up", Qt::Key_Up, none, QString(), 4},
            {"Down", Qt::Key_Down, none, QString(), 5},
            {"Home", Qt::Key_Home, none, QString(), 1},
            {"End", Qt::Key_End, none, QString(), 1},
            {"PageDown", Qt::Key_PageDown, none, QString(), 1},
            {"PageUp", Qt::Key_PageUp, none, QString(), 1},
            {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, QString(), 1},
            {"Ctrl+End", Qt::Key_End, Qt::ControlModifier, QString(), 1},
            {"F1", Qt::Key_F1, none, QString(), 1},
            {"F2", Qt::Key_F2, none, QString(), 5},
            {"F10", Qt::Key_F10, none, QString(), 1},
            {"Escape", Qt::Key_Escape, none, QStringLiteral("\x1b"), 4},
            {"Delete", Qt::Key_Delete, none, QStringLiteral("\x7f"), 3},
            {"Backspace", Qt::Key_Backspace, none, QStringLiteral("\b"), 6},
            {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, QString(), 1},
            {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, QString(), 1},
            {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, QString(), 1},
            {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, QString(), 1},
            {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, QString(), 1},
        };
        k.insert(k.end(), others.begin(), others.end());
        return k;
    }();
    return keys;
}

const Key& KeyNamed(const char* name) {
    for (const Key& key : Keys()) {
        if (qstrcmp(key.name, name) == 0) {
            return key;
        }
    }
    return Keys().front();
}

QWidget* KeyTarget(QWidget* window) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == window) {
        return focus;
    }
    return window;
}

void Press(QWidget* target, const Key& key) {
    QTest::sendKeyEvent(QTest::Click, target, key.key, key.text, key.modifiers);
}

void TypeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (!target) {
            return;
        }
        const Qt::Key key =
            c.unicode() >= '0' && c.unicode() <= '9'
                ? Qt::Key(Qt::Key_0 + (c.unicode() - '0'))
                : (c.unicode() < 0x80 && c.isLetter() ? Qt::Key(c.toUpper().unicode())
                                                      : Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

const std::vector<QString>& NastyTexts() {
    static const std::vector<QString> texts = {
        QStringLiteral("9;9;9"),
        QStringLiteral("1e308"),
        QStringLiteral("-0"),
        QStringLiteral("１２"),
        QStringLiteral("\r\n"),
        Digits(300, QLatin1Char('7')),
        QStringLiteral("Απόδοση 3,5"),
        QString(QChar(0)) + QStringLiteral("4"),
        QStringLiteral("-2,5e1 x"),
        QStringLiteral("1.2.3"),
        QStringLiteral("\r\n7\t"),
        QStringLiteral("1,234.5"),
        QStringLiteral("+3"),
        QStringLiteral(" 12 "),
        QStringLiteral("0"),
        QStringLiteral("0.0"),
        QStringLiteral("."),
        QStringLiteral(","),
        QStringLiteral("1e-308"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("0x1F"),
        QStringLiteral("٣٫٥"),
        QStringLiteral("\U0001D7D7"),
        QStringLiteral("\u200b5"),
        QStringLiteral("5\u0301"),
        QStringLiteral("1\n2"),
        QStringLiteral("\t"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("0,0001"),
        QStringLiteral("2.5"),
        QStringLiteral("1,85"),
        Digits(20, QLatin1Char('9')) + QStringLiteral(".") + Digits(20, QLatin1Char('9')),
        QStringLiteral("1.") + Digits(40, QLatin1Char('0')) + QStringLiteral("1"),
        Digits(2000, QLatin1Char('1')),
    };
    return texts;
}

QString NastyText(Rng& rng) {
    if (rng.Percent(75)) {
        return rng.Pick(NastyTexts());
    }
    static const QString pool = QStringLiteral("0123456789.,;-+eE x\t\r\nα１") + QChar(0);
    QString text;
    const int length = rng.Between(1, 12);
    for (int i = 0; i < length; ++i) {
        text += pool.at(rng.Below(static_cast<int>(pool.size())));
    }
    return text;
}

QString Figure(Rng& rng) {
    QString text;
    const int whole = rng.Between(0, 4);
    for (int i = 0; i < whole; ++i) {
        text += QChar('0' + rng.Below(10));
    }
    if (whole == 0 || rng.Percent(60)) {
        text += rng.Percent(50) ? QLatin1Char('.') : QLatin1Char(',');
        const int fraction = rng.Between(0, 3);
        for (int i = 0; i < fraction; ++i) {
            text += QChar('0' + rng.Below(10));
        }
    }
    if (rng.Percent(5)) {
        text += rng.Percent(50) ? QLatin1Char('.') : QLatin1Char(',');
    }
    return text;
}

const char* PathName(PastePath path) {
    switch (path) {
        case PastePath::kCtrlV:
            return "Ctrl+V";
        case PastePath::kShiftInsert:
            return "Shift+Insert";
        case PastePath::kContextMenu:
            return "the context menu";
        case PastePath::kInputMethod:
            return "an input method";
    }
    return "";
}

QString Paste(QWidget* target, PastePath path, const QString& text, Rng& rng) {
    QGuiApplication::clipboard()->setText(text);
    const QString what = QStringLiteral("paste %1 into %2 by %3")
                             .arg(Printable(text), Describe(target), PathName(path));
    switch (path) {
        case PastePath::kCtrlV:
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            return what;
        case PastePath::kShiftInsert:
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
            return what;
        case PastePath::kInputMethod: {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(target, &commit);
            return what;
        }
        case PastePath::kContextMenu:
            break;
    }
    const QPoint at = PointIn(target->rect(), rng);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        return what + QStringLiteral(": no menu");
    }
    QList<QAction*> items;
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        items << action;
        // The menu speaks the open language.
        if (action->text().startsWith(StandardText(standard_texts::kPaste))) {
            paste = action;
        }
    }
    QAction* chosen = paste;
    if (!items.isEmpty() && (!paste || rng.Percent(25))) {
        chosen = items.at(rng.Below(static_cast<int>(items.size())));
    }
    QString done = what;
    if (chosen) {
        const QString name = chosen->text().section(QLatin1Char('\t'), 0, 0).remove('&');
        done += QStringLiteral(": %1%2").arg(name, chosen->isEnabled() ? "" : " (greyed out)");
        if (chosen->isEnabled()) {
            chosen->trigger();
        }
    }
    menu->close();
    return done;
}

QString Drop(QWidget* target, QPoint at, const QString& text, Rng& rng) {
    QMimeData data;
    const int kind = rng.Below(10);
    if (kind < 7) {
        data.setText(text);
    } else if (kind < 9) {
        data.setHtml(QStringLiteral("<b>") + text.toHtmlEscaped() + QStringLiteral("</b>"));
    } else {
        data.setUrls({QUrl(QStringLiteral("file:///tmp/") + text)});
    }
    QString what = QStringLiteral("drop %1 %2 on %3")
                       .arg(kind < 7 ? "text" : (kind < 9 ? "html" : "a link"), Printable(text),
                            Describe(target));
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return what + QStringLiteral(": refused");
    }
    QDragMoveEvent move(at, enter.dropAction(), &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return what + QStringLiteral(": refused");
    }
    QDropEvent drop(QPointF(at), move.dropAction(), &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return what;
}

void Click(QWidget* widget, QPoint at, Qt::MouseButton button) {
    QTest::mouseClick(widget, button, {}, at);
}

void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

void Drag(QWidget* widget, QPoint from, int dx) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    const QPoint to = from + QPoint(dx, 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

QPoint PointIn(const QRect& rect, Rng& rng) {
    if (rect.isEmpty()) {
        return rect.topLeft();
    }
    return {rect.left() + rng.Below(rect.width()), rect.top() + rng.Below(rect.height())};
}

QRect CellRect(GridView* grid, int col, int row) {
    return grid->visualRect(grid->model()->index(row, col));
}

std::optional<std::pair<int, int>> CellInView(GridView* grid, Rng& rng) {
    std::vector<std::pair<int, int>> cells;
    const QRect view = grid->viewport()->rect();
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        for (int col = 0; col < grid->model()->columnCount(); ++col) {
            if (view.contains(CellRect(grid, col, row).center())) {
                cells.emplace_back(col, row);
            }
        }
    }
    if (cells.empty()) {
        return std::nullopt;
    }
    return rng.Pick(cells);
}

QString Describe(const QWidget* widget) {
    if (!widget) {
        return QStringLiteral("nothing");
    }
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        const auto* grid = qobject_cast<const GridView*>(up);
        if (grid && grid->viewport() == widget) {
            return Describe(grid);
        }
        if (grid) {
            return QStringLiteral("the editor of %1 (%2,%3)")
                .arg(grid->objectName())
                .arg(grid->CurrentCol())
                .arg(grid->CurrentRow());
        }
    }
    if (const auto* grid = qobject_cast<const GridView*>(widget)) {
        return QStringLiteral("%1 at (%2,%3)")
            .arg(grid->objectName())
            .arg(grid->CurrentCol())
            .arg(grid->CurrentRow());
    }
    if (!widget->objectName().isEmpty()) {
        return widget->objectName();
    }
    const QString kind = QString::fromLatin1(widget->metaObject()->className());
    return widget->parentWidget() ? kind + QStringLiteral(" in ") + Describe(widget->parentWidget())
                                  : kind;
}

bool CloseOpenMenus() {
    bool closed = false;
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        closed = true;
    }
    return closed;
}

}  // namespace orvanta::monkey

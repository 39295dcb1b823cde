// What a user does in any window: the keys, the typing, the pastes, the drops
// and the clicks that the main window and the live window share.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include <iterator>

#include <cerrno>

#include "core/base/file_io.h"
#include "core/base/paths.h"

#include "gui/widgets/grid_view.h"
#include "monkey/monkey.h"
#include "monkey/user_input.h"

namespace orvanta::monkey {

QList<Monkey::Field> Monkey::Fields() const {
    QList<Field> fields;
    for (GridView* grid : Visible<GridView>(Window())) {
        const QRect view = grid->viewport()->rect();
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            for (int col = 0; col < grid->model()->columnCount(); ++col) {
                if (grid->Model().CanEdit(col, row) &&
                    view.contains(CellRect(grid, col, row).center())) {
                    fields.push_back({grid, col, row, nullptr});
                }
            }
        }
    }
    for (QLineEdit* box : Visible<QLineEdit>(Window())) {
        // A cell's open editor is its cell's.
        const QWidget* holder = box->parentWidget() ? box->parentWidget()->parentWidget() : nullptr;
        if (!box->isReadOnly() && !qobject_cast<const GridView*>(holder)) {
            fields.push_back({nullptr, -1, -1, box});
        }
    }
    return fields;
}

QString Monkey::Describe(const Field& field) const {
    if (field.grid) {
        return QStringLiteral("%1 (%2,%3)")
            .arg(field.grid->objectName())
            .arg(field.col)
            .arg(field.row);
    }
    return monkey::Describe(field.box);
}

void Monkey::GoTo(const Field& field, bool open_editor) {
    if (!field.grid) {
        ClickWidget(field.box);
        return;
    }
    CloseOpenMenus();
    const QPoint at = CellRect(field.grid, field.col, field.row).center();
    Click(field.grid->viewport(), at);
    if (open_editor && !field.grid->IsEditing() && field.grid->CurrentCol() == field.col &&
        field.grid->CurrentRow() == field.row) {
        if (Chance().Percent(50)) {
            Note(QStringLiteral("F2"));
            Press(field.grid, KeyNamed("F2"));
        } else {
            Note(QStringLiteral("a double click"));
            DoubleClick(field.grid->viewport(), at);
        }
    }
}

void Monkey::ClickWidget(QWidget* widget) {
    if (CloseOpenMenus()) {
        Note(QStringLiteral("the open menu closes"));
    }
    Click(widget, PointIn(widget->rect(), Chance()));
}

void Monkey::ClickACellOf(GridView* grid, bool twice) {
    Rng& rng = Chance();
    const auto cell = CellInView(grid, rng);
    if (!cell) {
        return;
    }
    const QPoint at = PointIn(CellRect(grid, cell->first, cell->second), rng);
    Note(QStringLiteral("%1 (%2,%3)").arg(grid->objectName()).arg(cell->first).arg(cell->second));
    if (CloseOpenMenus()) {
        Note(QStringLiteral("the open menu closes"));
    }
    if (twice) {
        DoubleClick(grid->viewport(), at);
    } else {
        Click(grid->viewport(), at);
    }
}

void Monkey::ClickButton(QAbstractButton* button) {
    if (button && button->isVisible()) {
        ClickWidget(button);
    }
}

void Monkey::PressAKey() {
    QWidget* target = KeyTarget(Window());
    const Key& key = Chance().Weighted(Keys());
    Note(QStringLiteral("%1 to %2").arg(key.name, monkey::Describe(target)));
    Touch(target);
    Press(target, key);
}

void Monkey::TypeAFigure() {
    Rng& rng = Chance();
    const QList<Field> fields = Fields();
    if (fields.isEmpty()) {
        Note(QStringLiteral("nowhere to type"));
        return;
    }
    const Field field = fields.at(rng.Below(static_cast<int>(fields.size())));
    const QString figure = Figure(rng);
    Note(QStringLiteral("%1 into %2").arg(Printable(figure), Describe(field)));
    GoTo(field, false);
    QWidget* target = KeyTarget(Window());
    Touch(target);
    TypeText(target, figure);
    if (rng.Percent(60)) {
        Note(QStringLiteral("then Enter"));
        Press(KeyTarget(Window()), KeyNamed("Enter"));
    }
}

void Monkey::PasteSomething() {
    Rng& rng = Chance();
    const auto path = static_cast<PastePath>(rng.Below(4));
    const QList<Field> fields = Fields();
    if (!fields.isEmpty() && rng.Percent(60)) {
        // Into a field: a user pasting from a cell's menu opens its editor first.
        const Field field = fields.at(rng.Below(static_cast<int>(fields.size())));
        Note(QStringLiteral("to %1").arg(Describe(field)));
        GoTo(field, path == PastePath::kContextMenu || rng.Percent(30));
    } else if (auto* grid = qobject_cast<GridView*>(KeyTarget(Window()));
               grid && !grid->IsEditing() && rng.Percent(40)) {
        Note(QStringLiteral("F2 to %1").arg(monkey::Describe(grid)));
        Press(grid, KeyNamed("F2"));
    }
    QWidget* target = KeyTarget(Window());
    Touch(target);
    Note(Paste(target, path, NastyText(rng), rng));
}

void Monkey::DropSomething() {
    Rng& rng = Chance();
    QList<QWidget*> targets;
    for (QLineEdit* box : Visible<QLineEdit>(Window())) {
        targets << box;
    }
    for (GridView* grid : Visible<GridView>(Window())) {
        targets << grid->viewport();
    }
    QWidget* target = PickFrom(targets, rng);
    if (!target) {
        return;
    }
    QPoint at = PointIn(target->rect(), rng);
    if (auto* grid = qobject_cast<GridView*>(target->parentWidget());
        grid && grid->viewport() == target) {
        if (const auto cell = CellInView(grid, rng)) {
            at = PointIn(CellRect(grid, cell->first, cell->second), rng);
        }
    }
    Touch(target);
    Note(Drop(target, at, NastyText(rng), rng));
}

void Monkey::AWriteFails() {
    // The failures the file tests use, worded as the user reads them.
    struct Failure {
        WriteStep step;
        int error;
        const char* what;
    };
    static const std::vector<Failure> failures = {
        {WriteStep::kCreate, EACCES, "creating it, access denied"},
        {WriteStep::kWrite, ENOSPC, "writing it, the disk full"},
        {WriteStep::kFlush, EIO, "flushing it, an I/O error"},
        {WriteStep::kRename, EXDEV, "putting it in place, an I/O error"}};
    const Failure& failure = Chance().Pick(failures);
    Note(QStringLiteral("the disk fails the next write at %1").arg(failure.what));
    m_disk.FailNextWrite(failure.step, failure.error);
    m_failure_armed = true;
    for (const std::string& folder : DataFolders()) {
        const std::string path = JoinPath(ProgramFolder(), folder);
        for (const std::string& file : FilesIn(path)) {
            m_before_failure[JoinPath(path, file)] = ReadFileBytes(JoinPath(path, file), 1 << 24);
        }
    }
    for (const std::string& file : FilesIn(ProgramFolder())) {
        m_before_failure[JoinPath(ProgramFolder(), file)] =
            ReadFileBytes(JoinPath(ProgramFolder(), file), 1 << 24);
    }
    ProvokeAWrite();
}

void Monkey::PressAMnemonic() {
    QStringList captions;
    for (QAbstractButton* button : Visible<QAbstractButton>(Window())) {
        captions << button->text();
    }
    for (QMenuBar* bar : Visible<QMenuBar>(Window())) {
        for (QAction* item : bar->actions()) {
            captions << item->text();
        }
    }
    const QString caption =
        captions.isEmpty() ? QString() : captions.at(Chance().Below(int(captions.size())));
    const QKeySequence keys = QKeySequence::mnemonic(caption);
    if (keys.isEmpty()) {
        Note(QStringLiteral("nothing with a mnemonic"));
        return;
    }
    Note(QStringLiteral("%1 (%2)").arg(keys.toString(), Printable(caption)));
    if (CloseOpenMenus()) {
        Note(QStringLiteral("the open menu closes"));
    }
    // A Greek letter's key has no ASCII text for keyClick: the text goes along.
    const QString text = QString(QChar(static_cast<char16_t>(keys[0].key()))).toLower();
    QTest::sendKeyEvent(QTest::Click, KeyTarget(Window()), keys[0].key(), text,
                        keys[0].keyboardModifiers());
    // A mnemonic clicks its button as an animation: the click itself comes a
    // moment later, and it belongs to this step, not to whichever step next
    // lets the events run.
    for (int waited = 0; waited < 2000 && AButtonIsDown(); waited += 10) {
        QTest::qWait(10);
    }
}

bool Monkey::AButtonIsDown() {
    for (QAbstractButton* button : Visible<QAbstractButton>(Window())) {
        if (button->isDown()) {
            return true;
        }
    }
    return false;
}

void Monkey::WalkAGridByKeyboard(GridView* grid) {
    if (!grid || !grid->isVisible()) {
        Note(QStringLiteral("no grid in view"));
        return;
    }
    static const char* const kWalk[] = {"Left",      "Right",    "Up",    "Down",     "Tab",
                                        "Shift+Tab", "Home",     "End",   "PageDown", "PageUp",
                                        "Ctrl+Home", "Ctrl+End", "space", "Enter",    "7"};
    Rng& rng = Chance();
    std::vector<const Key*> keys;
    QStringList names;
    for (int i = rng.Between(1, 12); i > 0; --i) {
        keys.push_back(&KeyNamed(kWalk[rng.Below(static_cast<int>(std::size(kWalk)))]));
        names << QString::fromLatin1(keys.back()->name);
    }
    Note(QStringLiteral("%1: %2").arg(monkey::Describe(grid), names.join(QLatin1Char(' '))));
    CloseOpenMenus();
    grid->setFocus(Qt::TabFocusReason);
    for (const Key* key : keys) {
        // The walk is over once the keys have left the grid: a Space on the
        // button Tab reached would press it, and a second file command in one
        // step would leave the first one's checks nothing to check against.
        const QWidget* focus = QApplication::focusWidget();
        if (!focus || (focus != grid && !grid->isAncestorOf(focus))) {
            Note(QStringLiteral("the focus has left the grid"));
            break;
        }
        QWidget* target = KeyTarget(Window());
        Touch(target);
        Press(target, *key);
    }
}

void Monkey::ClickAControl() {
    QList<QWidget*> controls;
    for (QAbstractButton* button : Visible<QAbstractButton>(Window())) {
        controls << button;
    }
    for (QLineEdit* box : Visible<QLineEdit>(Window())) {
        controls << box;
    }
    for (QTabBar* bar : Visible<QTabBar>(Window())) {
        controls << bar;
    }
    if (QWidget* control = PickFrom(controls, Chance())) {
        Note(monkey::Describe(control));
        ClickWidget(control);
    }
}

}  // namespace orvanta::monkey

#pragma once

// The main window in a test: openers that only record what they were asked,
// and the steps a user takes on a page (type into a cell, fill a box).

#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "gui/gui_scene.h"
#include "gui/main/main_window.h"
#include "gui/widgets/grid_view.h"

namespace orvanta::testing {

struct Recorded {
    std::vector<int> help_topics;
    int update_checks = 0;
    int manual_updates = 0;
};

inline std::unique_ptr<MainWindow> MakeWindow(GuiScene& scene, Recorded& recorded) {
    MainWindowOpeners openers;
    openers.open_help = [&recorded](QWidget*, int topic) { recorded.help_topics.push_back(topic); };
    openers.start_update_check = [&recorded](QWidget*) -> std::unique_ptr<QObject> {
        ++recorded.update_checks;
        return nullptr;
    };
    openers.start_manual_update = [&recorded](QWidget*) {
        ++recorded.manual_updates;
        return false;
    };
    return std::make_unique<MainWindow>(scene.services, openers);
}

inline QLineEdit* Edit(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Makes a cell current, types a text into it as a user does and presses Enter.
inline void TypeInto(GridView* grid, int col, int row, const QString& text) {
    grid->setFocus();
    grid->SetCurrentCell(col, row);
    if (!text.isEmpty()) {
        Type(text);
        PressKey(Qt::Key_Return);
    }
}

inline void SetBox(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline QString CellText(const TextGrid& grid, int col, int row) {
    return QString::fromStdString(grid.Cell(col, row));
}

inline void ClickCell(GridView* grid, int col, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace orvanta::testing

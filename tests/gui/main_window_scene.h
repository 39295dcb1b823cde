#pragma once

// The main window in a test: openers that only record what they were asked,
// and the steps a user takes on a page (type into a cell, fill a box).

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "gui/find_control.h"
#include "gui/gui_scene.h"
#include "gui/main/arbitrage_tab.h"
#include "gui/main/bet_slip_tab.h"
#include "gui/main/main_window.h"
#include "gui/main/main_window_captions.h"
#include "gui/main/odds_tab.h"
#include "gui/main/parlay_tab.h"
#include "gui/main/probability_tab.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/printout.h"

namespace orvanta::testing {

struct Recorded {
    std::vector<int> help_topics;
    int update_checks = 0;
    int manual_updates = 0;
    std::vector<Printout> printouts;
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
    openers.print_preview = [&recorded](QWidget*, const Printout& printout) {
        recorded.printouts.push_back(printout);
    };
    return std::make_unique<MainWindow>(scene.services, openers);
}

// The table of each page's controls.
inline const ControlTable<ArbitragePage>& ControlsOf(const ArbitragePage*) {
    return ArbitrageControls();
}
inline const ControlTable<ProbabilityPage>& ControlsOf(const ProbabilityPage*) {
    return ProbabilityControls();
}
inline const ControlTable<OddsPage>& ControlsOf(const OddsPage*) {
    return OddsControls();
}
inline const ControlTable<ParlaySheet>& ControlsOf(const ParlaySheet*) {
    return ParlayControls();
}
inline const ControlTable<BetSlipPage>& ControlsOf(const BetSlipPage*) {
    return BetSlipControls();
}

// The box of a page that shows `field`.
template <typename Page>
QLineEdit* Edit(const QWidget& window, TextBox Page::*field) {
    return Find<QLineEdit>(window, ControlsOf(static_cast<const Page*>(nullptr)), field);
}

// A control the main window makes itself, by domain name or caption.
template <typename Widget = QWidget, typename Key>
Widget* MainControl(const QWidget& window, const Key& key) {
    return Find<Widget>(window, MainWindowControls(), key);
}

inline QTabWidget* Pages(const QWidget& window) {
    return MainControl<QTabWidget>(window, "pages");
}

inline void ClickCalculate(const QWidget& window) {
    QTest::mouseClick(MainControl<QPushButton>(window, main_window_captions::kCalculate),
                      Qt::LeftButton);
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

#pragma once

// Whether grids show every text whole or visibly cut. For each cell in view the
// grid tells the text it draws and where (the layout its painting uses); with
// the font's metrics that text must fit there, and a text that is not whole
// must be its own start followed by "…".

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/grid_view.h"

namespace orvanta::testing {

inline const QString kEllipsis = QString(QChar(0x2026));

struct DrawnTextReport {
    // A cell cut without the mark, or drawn wider than its place.
    QStringList faults;
    // Cells cut with the mark: "grid (col,row) whole text".
    QStringList cut;

    void Add(const DrawnTextReport& other) {
        faults += other.faults;
        cut += other.cut;
    }
};

inline DrawnTextReport CheckDrawnText(GridView* grid) {
    DrawnTextReport report;
    const QRect in_view = grid->viewport()->rect();
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        for (int col = 0; col < grid->model()->columnCount(); ++col) {
            const QRect cell = grid->visualRect(grid->model()->index(row, col));
            if (!cell.intersects(in_view)) {
                continue;
            }
            const DrawnText drawn = grid->DrawnCell(col, row);
            // Blanks alone (a pasted tab) draw nothing that could be cut.
            if (drawn.whole.trimmed().isEmpty()) {
                continue;
            }
            const QString where = QStringLiteral("%1 (%2,%3) \"%4\"")
                                      .arg(grid->objectName())
                                      .arg(col)
                                      .arg(row)
                                      .arg(drawn.whole);
            const int width = QFontMetrics(drawn.font, grid).horizontalAdvance(drawn.shown);
            if (width > drawn.area.width()) {
                report.faults << where + QStringLiteral(" drawn as \"%1\", %2 pixels in %3")
                                             .arg(drawn.shown)
                                             .arg(width)
                                             .arg(drawn.area.width());
            }
            if (drawn.IsCut()) {
                const bool marked = drawn.shown.endsWith(kEllipsis) &&
                                    drawn.whole.startsWith(drawn.shown.chopped(1));
                if (marked) {
                    report.cut << where;
                } else {
                    report.faults << where + QStringLiteral(" drawn as \"%1\"").arg(drawn.shown);
                }
            }
        }
    }
    return report;
}

// Every grid the window shows.
inline DrawnTextReport CheckDrawnText(QWidget* window) {
    DrawnTextReport report;
    for (GridView* grid : window->findChildren<GridView*>()) {
        if (grid->isVisible()) {
            report.Add(CheckDrawnText(grid));
        }
    }
    return report;
}

// Every edit box the window shows, but the one being typed into (it scrolls
// under the cursor, as edit boxes do).
inline DrawnTextReport CheckShownBoxes(QWidget* window) {
    DrawnTextReport report;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!box->isVisible() || box->hasFocus() || box->displayText().trimmed().isEmpty()) {
            continue;
        }
        const auto* filtered = qobject_cast<FilteredLineEdit*>(box);
        const QString where =
            QStringLiteral("%1 \"%2\"").arg(box->objectName(), box->displayText());
        if (!filtered) {
            report.faults << where + QStringLiteral(" cannot tell what it shows");
            continue;
        }
        const QString shown = filtered->ShownText();
        const int width = box->fontMetrics().horizontalAdvance(shown);
        if (width > filtered->TextArea().width()) {
            report.faults << where + QStringLiteral(" shown as \"%1\", %2 pixels in %3")
                                         .arg(shown)
                                         .arg(width)
                                         .arg(filtered->TextArea().width());
        }
        if (shown != box->displayText()) {
            if (shown.endsWith(kEllipsis) && box->displayText().startsWith(shown.chopped(1))) {
                report.cut << where;
            } else {
                report.faults << where + QStringLiteral(" shown as \"%1\"").arg(shown);
            }
        }
    }
    return report;
}

// The tool tip that resting the mouse on a cell brings up; empty when none.
inline QString CellToolTip(GridView* grid, int col, int row) {
    const QPoint at = grid->visualRect(grid->model()->index(row, col)).center();
    QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &help);
    const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return text;
}

// The same for an edit box.
inline QString BoxToolTip(QWidget* box) {
    const QPoint at = box->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &help);
    const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return text;
}

}  // namespace orvanta::testing

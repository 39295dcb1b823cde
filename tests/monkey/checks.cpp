#include "monkey/checks.h"

#include <QLineEdit>
#include <QRegularExpression>

#include "gui/drawn_text_check.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/qt_convert.h"
#include "monkey/step_log.h"
#include "monkey/user_input.h"

namespace orvanta::monkey {

namespace {

bool ReadsInfinite(const QString& text) {
    static const QRegularExpression infinite(QStringLiteral("inf|nan"),
                                             QRegularExpression::CaseInsensitiveOption);
    return infinite.match(text).hasMatch();
}

bool IsControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

}  // namespace

void CheckDrawnTexts(QWidget* window, QStringList& faults) {
    testing::DrawnTextReport report = testing::CheckDrawnText(window);
    report.Add(testing::CheckShownBoxes(window));
    for (const QString& fault : report.faults) {
        faults << QStringLiteral("text drawn cut without its ellipsis: ") + fault;
    }
}

void CheckNoInfinities(QWidget* window, const QStringList& text_grids,
                       const QStringList& user_boxes, QStringList& faults) {
    for (GridView* grid : window->findChildren<GridView*>()) {
        if (!grid->isVisible() || text_grids.contains(grid->objectName())) {
            continue;
        }
        const TextGrid& cells = grid->Grid();
        for (int row = cells.FixedRows(); row < cells.RowCount(); ++row) {
            for (int col = cells.FixedCols(); col < cells.ColCount(); ++col) {
                const QString text = ToQt(cells.Cell(col, row));
                if (ReadsInfinite(text)) {
                    faults << QStringLiteral("%1 (%2,%3) shows %4")
                                  .arg(grid->objectName())
                                  .arg(col)
                                  .arg(row)
                                  .arg(Printable(text));
                }
            }
        }
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisible() && !user_boxes.contains(box->objectName()) &&
            ReadsInfinite(box->text())) {
            faults << QStringLiteral("%1 shows %2").arg(Describe(box), Printable(box->text()));
        }
    }
}

QString Refiltered(const QString& text, const KeyFilter& filter) {
    QString kept;
    for (const QChar c : text) {
        if (IsControl(c)) {
            continue;
        }
        const char typed = AsFilterChar(c);
        const auto lands = filter(typed, FromQt(kept));
        if (!lands || IsControl(QChar(*lands))) {
            continue;
        }
        kept += *lands == typed ? c : QChar(*lands);
    }
    return kept;
}

void CheckFiltered(const QString& where, const QString& text, const KeyFilter& filter,
                   QStringList& faults) {
    const QString kept = Refiltered(text, filter);
    if (kept != text) {
        faults << QStringLiteral("%1 holds %2, but its key filter lets through only %3")
                      .arg(where, Printable(text), Printable(kept));
    }
}

void CheckFilteredGrid(GridView* grid, const KeyFilter& filter, QStringList& faults) {
    const TextGrid& cells = grid->Grid();
    for (int row = 0; row < cells.RowCount(); ++row) {
        for (int col = 0; col < cells.ColCount(); ++col) {
            if (grid->Model().CanEdit(col, row)) {
                CheckFiltered(
                    QStringLiteral("%1 (%2,%3)").arg(grid->objectName()).arg(col).arg(row),
                    ToQt(cells.Cell(col, row)), filter, faults);
            }
        }
    }
    for (auto* editor : grid->viewport()->findChildren<FilteredLineEdit*>()) {
        if (editor->isVisible()) {
            CheckFiltered(Describe(editor), editor->text(), filter, faults);
        }
    }
}

}  // namespace orvanta::monkey

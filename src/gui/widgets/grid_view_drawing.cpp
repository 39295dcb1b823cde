// The grid's looks: the delegate that draws a cell's text (cut visibly when it
// does not fit, whole in its tool tip) and the colour of the grid lines.

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include <map>

#include "gui/widgets/elided_text.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/grid_delegate.h"
#include "gui/widgets/grid_view.h"
#include "gui/widgets/wrapped_tip.h"

namespace orvanta {

namespace {

// Text keeps 2 pixels from a cell's left edge and 1 from its right one, where
// the grid line already separates it from the next cell: an odds figure such
// as "45.09" then fits a 32-pixel column whole.
constexpr int kTextMargin = 2;
constexpr int kTextRightMargin = 1;

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

GridDelegate::GridDelegate(GridView* view) : QStyledItemDelegate(view), m_view(view) {}

// Plain line editors; every commit goes through the view, which runs the
// validation and end-of-edit hooks.
QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    auto* editor = new FilteredLineEdit(parent);
    editor->setFrame(false);
    m_view->EditorOpened(editor, index);
    return editor;
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        m_view->CommitText(index, line->text());
    }
}

// Narrow grid columns (32 pixels for an odds figure) need slim margins; text
// that still does not fit is cut with an ellipsis, so that a cut figure never
// reads as another figure.
DrawnText GridDelegate::LayOut(const QStyleOptionViewItem& styled) {
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
        drawn.shown = ElidedToWidth(metrics, drawn.whole, area.width());
    }
    return drawn;
}

DrawnText GridDelegate::LayOut(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem styled(option);
    initStyleOption(&styled, index);
    return LayOut(styled);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
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
    painter->setPen(
        opt.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
    if (!selected && index.data(Qt::ForegroundRole).canConvert<QColor>()) {
        painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
    }
    painter->setClipRect(opt.rect);
    painter->drawText(drawn.area, static_cast<int>(opt.displayAlignment) | Qt::TextSingleLine,
                      drawn.shown);
    painter->restore();
}

// A cut text shows whole as the cell's tool tip; a whole one needs none.
bool GridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const DrawnText drawn = LayOut(option, index);
    if (drawn.IsCut()) {
        QToolTip::showText(event->globalPos(), WrappedToolTip(drawn.whole, view), view->viewport(),
                           option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

void GridView::SetGridLineColour(const QColor& colour) {
    setStyle(GridLineStyleFor(colour));
}

DrawnText GridView::DrawnCell(int col, int row) const {
    const QModelIndex index = m_model->index(row, col);
    if (!index.isValid() || m_model->Grid().IsCoveredCell(col, row)) {
        return {};
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return Delegate().LayOut(option, index);
}

}  // namespace orvanta

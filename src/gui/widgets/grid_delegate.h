#pragma once

// How a grid cell is drawn: its text with slim margins, cut with "…" when it
// does not fit and shown whole in the cell's tool tip. The delegate also makes
// the cells' editors and hands what they commit to the view.

#include <QFont>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>

namespace orvanta {

class GridView;

// A cell's text as the grid draws it.
struct DrawnText {
    QString shown;  // the whole text, or its start followed by "…"
    QString whole;
    QRect area;  // where it is drawn, in viewport coordinates
    QFont font;

    bool IsCut() const { return shown != whole; }
};

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // The text of a cell and where it goes, as painting draws it.
    static DrawnText LayOut(const QStyleOptionViewItem& styled);
    DrawnText LayOut(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    GridView* m_view;
};

}  // namespace orvanta

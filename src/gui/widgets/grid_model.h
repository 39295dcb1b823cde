#pragma once

// The Qt model over a TextGrid. The grid stays the only place the content
// lives: the model answers Qt's questions from it and turns the grid's change
// notices into the model signals a view follows. Row and column counts are
// kept here as well, so that during an insertion or removal the model reports
// the old shape until the grid says the change is done, as item views expect.

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

#include <functional>
#include <optional>

#include "core/grid/text_grid.h"

namespace orvanta {

class GridModel : public QAbstractTableModel, public GridListener {
    Q_OBJECT

public:
    explicit GridModel(TextGrid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    TextGrid& Grid() { return m_grid; }
    const TextGrid& Grid() const { return m_grid; }

    // Whether the user may type into a cell (fixed cells and cells with a check
    // box never).
    void SetCanEdit(std::function<bool(int col, int row)> can_edit) {
        m_can_edit = std::move(can_edit);
    }
    bool CanEdit(int col, int row) const;
    bool IsFixed(int col, int row) const;

    // Backgrounds of cells without a colour of their own. Fixed cells always
    // have one; other cells show the palette's base unless a page fixes theirs.
    // Text on a fixed background is drawn in a colour that reads on it.
    void SetFixedColour(const QColor& colour) { m_fixed_colour = colour; }
    void SetCellColour(const QColor& colour) { m_cell_colour = colour; }
    void SetFixedFont(const std::optional<QFont>& font) { m_fixed_font = font; }

    // A click on a check box. When set, the page decides what the click does
    // (and flips the box itself); otherwise the box flips.
    void SetCheckBoxClicked(std::function<void(int col, int row)> clicked) {
        m_check_box_clicked = std::move(clicked);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void CellChanged(int col, int row) override;
    void BeginInsertRows(int first, int count) override;
    void EndInsertRows() override;
    void BeginRemoveRows(int first, int count) override;
    void EndRemoveRows() override;
    void BeginReset() override;
    void EndReset() override;
    void LayoutChanged() override;

signals:
    // Widths, heights, merges or fixed cells changed: the view lays itself out again.
    void gridLayoutChanged();

private:
    std::optional<QColor> Background(int col, int row) const;
    QVariant Foreground(int col, int row) const;
    Qt::Alignment TextAlignment(int col, int row) const;

    TextGrid& m_grid;
    int m_rows = 0;
    int m_cols = 0;
    std::function<bool(int, int)> m_can_edit;
    std::function<void(int, int)> m_check_box_clicked;
    QColor m_fixed_colour{240, 240, 240};
    std::optional<QColor> m_cell_colour;
    std::optional<QFont> m_fixed_font;
};

}  // namespace orvanta

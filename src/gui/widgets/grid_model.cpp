#include "gui/widgets/grid_model.h"

#include "gui/widgets/fixed_colours.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

GridModel::GridModel(TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(grid.RowCount()), m_cols(grid.ColCount()) {
    m_grid.SetListener(this);
}

GridModel::~GridModel() {
    if (m_grid.Listener() == this) {
        m_grid.SetListener(nullptr);
    }
}

bool GridModel::IsFixed(int col, int row) const {
    return row < m_grid.FixedRows() || col < m_grid.FixedCols();
}

bool GridModel::CanEdit(int col, int row) const {
    // A check box's cell holds no text: nothing is typed into it.
    if (!m_grid.Contains(col, row) || IsFixed(col, row) || m_grid.HasCheckBox(col, row)) {
        return false;
    }
    return m_can_edit ? m_can_edit(col, row) : true;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_grid.Contains(index.column(), index.row())) {
        return {};
    }
    const int col = index.column();
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQt(m_grid.Cell(col, row));
        case Qt::BackgroundRole:
            if (const auto colour = Background(col, row)) {
                return *colour;
            }
            return {};
        case Qt::ForegroundRole:
            return Foreground(col, row);
        case Qt::CheckStateRole:
            if (m_grid.HasCheckBox(col, row)) {
                return m_grid.IsChecked(col, row) ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(TextAlignment(col, row));
        case Qt::FontRole:
            if (IsFixed(col, row) && m_fixed_font) {
                return *m_fixed_font;
            }
            return {};
        default:
            return {};
    }
}

std::optional<QColor> GridModel::Background(int col, int row) const {
    const CellProps* props = m_grid.Props(col, row);
    if (props && props->brush_color != kColourNone) {
        return FixedBackground(props->brush_color);
    }
    if (IsFixed(col, row)) {
        return m_fixed_colour;
    }
    return m_cell_colour;
}

// A cell's own text colour (a grid file's) stands where it reads on the
// background; on a fixed background anything else gives way to one that reads.
QVariant GridModel::Foreground(int col, int row) const {
    const CellProps* props = m_grid.Props(col, row);
    const std::optional<QColor> background = Background(col, row);
    if (props && props->font_color != kColourNone && props->font_color != GridColour{0}) {
        const QColor own = ToQColor(props->font_color);
        if (!background || ContrastRatio(own, *background) >= kReadableContrast) {
            return own;
        }
    }
    if (background) {
        return TextColourOn(*background);
    }
    return {};
}

Qt::Alignment GridModel::TextAlignment(int col, int row) const {
    // Header cells without an alignment of their own are centred.
    if (!m_grid.Props(col, row) && IsFixed(col, row)) {
        return Qt::AlignCenter;
    }
    Qt::Alignment align = Qt::AlignVCenter;
    switch (m_grid.Alignment(col, row)) {
        case HAlign::kLeft:
            align |= Qt::AlignLeft;
            break;
        case HAlign::kRight:
            align |= Qt::AlignRight;
            break;
        case HAlign::kCenter:
            align |= Qt::AlignHCenter;
            break;
    }
    return align;
}

// Only a click on a check box writes through the model. Typed text reaches a
// cell through the view alone, which validates it and ends the edit.
bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !m_grid.Contains(index.column(), index.row())) {
        return false;
    }
    const int col = index.column();
    const int row = index.row();
    if (role == Qt::CheckStateRole && m_grid.HasCheckBox(col, row)) {
        if (m_check_box_clicked) {
            m_check_box_clicked(col, row);
        } else {
            m_grid.SetChecked(col, row, value.toInt() == Qt::Checked);
        }
        return true;
    }
    return false;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const int col = index.column();
    const int row = index.row();
    Qt::ItemFlags result = Qt::ItemIsEnabled;
    if (m_grid.HasCheckBox(col, row)) {
        result |= Qt::ItemIsUserCheckable;
    }
    if (IsFixed(col, row)) {
        return result;
    }
    result |= Qt::ItemIsSelectable;
    if (CanEdit(col, row)) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

void GridModel::CellChanged(int col, int row) {
    if (col < m_cols && row < m_rows) {
        const QModelIndex at = index(row, col);
        emit dataChanged(at, at);
    }
}

void GridModel::BeginInsertRows(int first, int count) {
    beginInsertRows(QModelIndex(), first, first + count - 1);
}

void GridModel::EndInsertRows() {
    m_rows = m_grid.RowCount();
    endInsertRows();
    emit gridLayoutChanged();
}

void GridModel::BeginRemoveRows(int first, int count) {
    beginRemoveRows(QModelIndex(), first, first + count - 1);
}

void GridModel::EndRemoveRows() {
    m_rows = m_grid.RowCount();
    endRemoveRows();
    emit gridLayoutChanged();
}

void GridModel::BeginReset() {
    beginResetModel();
}

void GridModel::EndReset() {
    m_rows = m_grid.RowCount();
    m_cols = m_grid.ColCount();
    endResetModel();
    emit gridLayoutChanged();
}

void GridModel::LayoutChanged() {
    // Fixed cells change their flags and looks: repaint everything.
    if (m_rows > 0 && m_cols > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
    }
    emit gridLayoutChanged();
}

}  // namespace orvanta

#include "trade/IdTableModel.h"

IdTableModel::IdTableModel(QStringList headers, std::vector<int> widths, CellReader cells,
                           QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
    , m_widths(std::move(widths))
    , m_cells(std::move(cells)) {}

void IdTableModel::Fill(std::vector<int> ids) {
    beginResetModel();
    m_ids = std::move(ids);
    endResetModel();
}

int IdTableModel::SetRow(int row, int id) {
    if (row < 0 || row >= rowCount()) {
        row = rowCount();
        beginInsertRows({}, row, row);
        m_ids.push_back(id);
        endInsertRows();
        return row;
    }
    m_ids[size_t(row)] = id;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    return row;
}

void IdTableModel::RemoveRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_ids.erase(m_ids.begin() + row);
    endRemoveRows();
}

int IdTableModel::IdAt(int row) const {
    return row >= 0 && row < rowCount() ? m_ids[size_t(row)] : 0;
}

void IdTableModel::RefreshCells() {
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString IdTableModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return m_cells(m_ids[size_t(row)], column);
}

int IdTableModel::ColumnWidth(int column) const {
    return column >= 0 && column < static_cast<int>(m_widths.size()) ? m_widths[size_t(column)] : 0;
}

int IdTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int IdTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant IdTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return CellText(index.row(), index.column());
}

QVariant IdTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return m_headers[section];
}

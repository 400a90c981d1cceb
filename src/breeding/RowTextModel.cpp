#include "breeding/RowTextModel.h"

#include "storage/Formatting.h"

RowTextModel::RowTextModel(const QStringList& headers, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(headers) {}

void RowTextModel::SetRows(std::vector<Row> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void RowTextModel::Clear() {
    SetRows({});
}

int RowTextModel::SetRow(int row, Row value) {
    if (row < 0 || row >= rowCount()) {
        row = rowCount();
        beginInsertRows({}, row, row);
        m_rows.push_back(std::move(value));
        endInsertRows();
        return row;
    }
    m_rows[size_t(row)] = std::move(value);
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    return row;
}

void RowTextModel::RemoveRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

int RowTextModel::Key(int row) const {
    return row < 0 || row >= rowCount() ? 0 : m_rows[size_t(row)].key;
}

int RowTextModel::RowOfKey(int key) const {
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].key == key)
            return static_cast<int>(row);
    return -1;
}

QString RowTextModel::Text(int row, int column) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_rows[size_t(row)].cells.value(column);
}

int RowTextModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RowTextModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant RowTextModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    // A cell too narrow for a long name shows it whole in its tooltip.
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    if (role == Qt::ToolTipRole)
        return PlainToolTip(Text(index.row(), index.column()));
    return {};
}

QVariant RowTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return {};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RowIdTableModel.h"

#include "storage/Formatting.h"

RowIdTableModel::RowIdTableModel(QStringList headers, CellReader cells, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
    , m_cells(std::move(cells)) {}

void RowIdTableModel::Reset(std::vector<int> ids, std::vector<QStringList> texts) {
    beginResetModel();
    m_ids = std::move(ids);
    m_texts = std::move(texts);
    m_checked.clear();
    endResetModel();
}

void RowIdTableModel::Fill(std::vector<int> ids) {
    Reset(std::move(ids), {});
}

void RowIdTableModel::SetRows(std::vector<Row> rows) {
    std::vector<int> ids;
    std::vector<QStringList> texts;
    ids.reserve(rows.size());
    texts.reserve(rows.size());
    for (Row& row : rows) {
        ids.push_back(row.id);
        texts.push_back(std::move(row.cells));
    }
    Reset(std::move(ids), std::move(texts));
}

int RowIdTableModel::SetRow(int row, int id) {
    return SetRow(row, Row{id, {}});
}

int RowIdTableModel::SetRow(int row, Row value) {
    if (!m_cells)
        m_texts.resize(m_ids.size());
    if (row < 0 || row >= rowCount()) {
        row = rowCount();
        beginInsertRows({}, row, row);
        m_ids.push_back(value.id);
        if (!m_cells)
            m_texts.push_back(std::move(value.cells));
        endInsertRows();
        return row;
    }
    m_ids[size_t(row)] = value.id;
    if (!m_cells)
        m_texts[size_t(row)] = std::move(value.cells);
    RowChanged(row);
    return row;
}

void RowIdTableModel::RemoveRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_ids.erase(m_ids.begin() + row);
    if (row < static_cast<int>(m_texts.size()))
        m_texts.erase(m_texts.begin() + row);
    if (row < static_cast<int>(m_checked.size()))
        m_checked.erase(m_checked.begin() + row);
    endRemoveRows();
}

void RowIdTableModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount())
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RowIdTableModel::RefreshCells() {
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int RowIdTableModel::IdAt(int row) const {
    return row >= 0 && row < rowCount() ? m_ids[size_t(row)] : 0;
}

int RowIdTableModel::RowOfId(int id) const {
    for (size_t row = 0; row < m_ids.size(); ++row)
        if (m_ids[row] == id)
            return static_cast<int>(row);
    return -1;
}

QString RowIdTableModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    if (m_cells)
        return m_cells(row, m_ids[size_t(row)], column);
    return row < static_cast<int>(m_texts.size()) ? m_texts[size_t(row)].value(column) : QString();
}

bool RowIdTableModel::IsChecked(int row) const {
    return row >= 0 && row < static_cast<int>(m_checked.size()) && m_checked[size_t(row)];
}

int RowIdTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int RowIdTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant RowIdTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::ToolTipRole && (m_tips & CellToolTips)) {
        const QString text = CellText(index.row(), index.column()).trimmed();
        return text.isEmpty() ? QVariant() : QVariant(PlainToolTip(text));
    }
    if (role == Qt::CheckStateRole && m_checkable && index.column() == 0)
        return IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool RowIdTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || !m_checkable || index.column() != 0)
        return false;
    const auto row = size_t(index.row());
    if (m_checked.size() <= row)
        m_checked.resize(row + 1, false);
    m_checked[row] = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags RowIdTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_checkable && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant RowIdTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && (m_tips & HeaderToolTips)))
        return m_headers[section];
    return {};
}

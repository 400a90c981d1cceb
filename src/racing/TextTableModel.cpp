#include "racing/TextTableModel.h"

#include "storage/Formatting.h"

TextTableModel::TextTableModel(QStringList headers, RowCount rows, Cell cell, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
    , m_rows(std::move(rows))
    , m_cell(std::move(cell)) {}

void TextTableModel::Reset() {
    beginResetModel();
    m_checked.clear();
    endResetModel();
}

void TextTableModel::Append(const std::function<void()>& change) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    change();
    endInsertRows();
}

void TextTableModel::Remove(int row, const std::function<void()>& change) {
    if (row < 0 || row >= rowCount()) {
        change();
        Reset();
        return;
    }
    beginRemoveRows({}, row, row);
    change();
    if (row < static_cast<int>(m_checked.size()))
        m_checked.erase(m_checked.begin() + row);
    endRemoveRows();
}

void TextTableModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount())
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

QString TextTableModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return m_cell(row, column);
}

bool TextTableModel::IsChecked(int row) const {
    return row >= 0 && row < static_cast<int>(m_checked.size()) && m_checked[size_t(row)];
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::ToolTipRole) {
        // A cell too narrow for its text shows it whole in the tooltip.
        const QString text = CellText(index.row(), index.column()).trimmed();
        return text.isEmpty() ? QVariant() : QVariant(PlainToolTip(text));
    }
    if (role == Qt::CheckStateRole && m_checkable && index.column() == 0)
        return IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || !m_checkable || index.column() != 0)
        return false;
    const auto row = size_t(index.row());
    if (m_checked.size() <= row)
        m_checked.resize(row + 1, false);
    m_checked[row] = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_checkable && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    // The tooltip names a column whose heading is wider than the column.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return m_headers[section];
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RowIdTableModel.h"

#include "storage/Formatting.h"

#include <QCollator>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A number, or a price with its currency code after it.
std::optional<double> NumberKey(const QString& text) {
    static const QRegularExpression number(
        u"^(-?[0-9]+(?:\\.[0-9]+)?(?:e[-+]?[0-9]+)?)(?: [A-Z]{3})?$"_s);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble();
}

// The program's dates ("14/06/25", "14/06/2025"), with a time after them or not.
std::optional<double> DateKey(const QString& text) {
    static const QRegularExpression date(
        u"^([0-9]{1,2})/([0-9]{1,2})/([0-9]{2}|[0-9]{4})(?:,? +([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?)?$"_s);
    const QRegularExpressionMatch match = date.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2)
        year += year < 70 ? 2000 : 1900;
    const auto part = [&match](int n) {
        return static_cast<double>(match.captured(n).toInt());
    };
    return ((((year * 100.0 + part(2)) * 100 + part(1)) * 100 + part(4)) * 100 + part(5)) * 100 +
           part(6);
}

} // namespace

RowIdTableModel::RowIdTableModel(QStringList headers, CellReader cells, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
    , m_cells(std::move(cells)) {}

void RowIdTableModel::Reset(std::vector<int> ids, std::vector<QStringList> texts) {
    beginResetModel();
    m_ids = std::move(ids);
    m_texts = std::move(texts);
    m_checked.clear();
    m_given.resize(m_ids.size());
    std::iota(m_given.begin(), m_given.end(), 0);
    if (m_sortColumn >= 0)
        Permute(SortedOrder(m_sortColumn, m_sortOrder));
    endResetModel();
}

std::vector<size_t> RowIdTableModel::SortedOrder(int column, Qt::SortOrder order) const {
    std::vector<size_t> from(m_ids.size());
    std::iota(from.begin(), from.end(), size_t(0));
    const bool descending = order == Qt::DescendingOrder;
    if (column < 0 || column >= columnCount()) {
        std::stable_sort(from.begin(), from.end(), [this, descending](size_t a, size_t b) {
            return descending ? m_given[b] < m_given[a] : m_given[a] < m_given[b];
        });
        return from;
    }
    QStringList texts;
    texts.reserve(qsizetype(from.size()));
    for (size_t row = 0; row < from.size(); ++row)
        texts.push_back(CellText(static_cast<int>(row), column).trimmed());
    // A column is read as numbers, or as dates, only when every filled cell is one.
    std::vector<double> keys(from.size());
    bool numbers = true;
    bool dates = true;
    for (size_t row = 0; row < from.size() && (numbers || dates); ++row) {
        const QString& text = texts[qsizetype(row)];
        if (text.isEmpty())
            continue;
        const std::optional<double> number = numbers ? NumberKey(text) : std::nullopt;
        const std::optional<double> date = !number && dates ? DateKey(text) : std::nullopt;
        numbers = numbers && number.has_value();
        dates = dates && !number && date.has_value();
        keys[row] = number ? *number : date.value_or(0);
    }
    std::vector<QCollatorSortKey> words;
    if (!numbers && !dates) {
        // The C locale compares code points, digits and case included: English sorts as people do.
        const QLocale system;
        QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        words.reserve(from.size());
        for (const QString& text : texts)
            words.push_back(collator.sortKey(text));
    }
    const auto less = [&](size_t a, size_t b) {
        if (!words.empty())
            return words[a].compare(words[b]) < 0;
        return keys[a] < keys[b];
    };
    std::stable_sort(from.begin(), from.end(), [&](size_t a, size_t b) {
        const bool emptyA = texts[qsizetype(a)].isEmpty();
        const bool emptyB = texts[qsizetype(b)].isEmpty();
        if (emptyA || emptyB)
            return !emptyA && emptyB;
        return descending ? less(b, a) : less(a, b);
    });
    return from;
}

void RowIdTableModel::Permute(const std::vector<size_t>& from) {
    const auto reorder = [&from](auto& values, auto blank) {
        if (values.empty())
            return;
        values.resize(from.size(), blank);
        std::remove_reference_t<decltype(values)> sorted;
        sorted.reserve(from.size());
        for (size_t old : from)
            sorted.push_back(std::move(values[old]));
        values = std::move(sorted);
    };
    reorder(m_ids, 0);
    reorder(m_texts, QStringList());
    reorder(m_checked, false);
    reorder(m_given, 0);
}

void RowIdTableModel::sort(int column, Qt::SortOrder order) {
    m_sortColumn = column < 0 || column >= columnCount() ? -1 : column;
    m_sortOrder = order;
    const std::vector<size_t> from = SortedOrder(m_sortColumn, order);
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> to(from.size());
    for (size_t row = 0; row < from.size(); ++row)
        to[from[row]] = static_cast<int>(row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.push_back(index.row() < static_cast<int>(to.size())
                            ? this->index(to[size_t(index.row())], index.column())
                            : QModelIndex());
    Permute(from);
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
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
        m_given.push_back(m_given.empty() ? 0
                                          : *std::max_element(m_given.begin(), m_given.end()) + 1);
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
    m_given.erase(m_given.begin() + row);
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
        QString text;
        if (m_tipReader)
            text = m_tipReader(index.row(), IdAt(index.row()), index.column()).trimmed();
        if (text.isEmpty())
            text = CellText(index.row(), index.column()).trimmed();
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

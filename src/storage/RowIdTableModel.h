// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <vector>

// The model of every list of records: row i shows the record whose id the row map holds at i.
// A row either carries its texts, made once when it is set, or its cells are read when drawn,
// so that thousands of rows cost no more than the ones on screen and a changed record shows at
// once. Column 0 may carry a check box; checks only mark rows on screen and are forgotten when
// the rows are rebuilt. Sorting reorders the rows themselves, so that a row's id, texts and check
// move together and every IdAt(row) stays right; column -1 is the order the rows were given in.
// A sort the user chose is applied again to every fill.
class RowIdTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using CellReader = std::function<QString(int row, int id, int column)>;
    struct Row {
        int id = 0; // the record the row shows
        QStringList cells;
    };
    enum ToolTip { CellToolTips = 1, HeaderToolTips = 2 };

    /// Without a reader each row shows the texts it was set with.
    RowIdTableModel(QStringList headers, CellReader cells = {}, QObject* parent = nullptr);

    /// A cell too narrow for its text, or a column for its heading, shows it whole in a tooltip.
    void SetToolTips(int tips) { m_tips = tips; }
    /// A cell's tooltip from the reader instead of its text, where the reader gives one (a
    /// remark the list shortens, shown whole).
    void SetToolTipReader(CellReader reader) { m_tipReader = std::move(reader); }
    void SetCheckable(bool checkable) { m_checkable = checkable; }

    /// Replaces every row by the records with these ids, in this order.
    void Fill(std::vector<int> ids);
    void SetRows(std::vector<Row> rows);
    void Clear() { Fill({}); }
    /// Maps a row to an id (appends a row for -1 or a row out of range) and returns the row.
    int SetRow(int row, int id);
    int SetRow(int row, Row value);
    void RemoveRow(int row);
    /// Redraws a row, or every row, after the records they show have changed.
    void RowChanged(int row);
    void RefreshCells();

    /// The id of a row, 0 for a row out of range.
    int IdAt(int row) const;
    /// The first row showing an id, -1 for none.
    int RowOfId(int id) const;
    const std::vector<int>& RowMap() const { return m_ids; }
    QString CellText(int row, int column) const;
    bool IsChecked(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    /// Numbers as numbers, dates as dates, other texts by a collator that reads digits as
    /// numbers; empty cells last in either order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void Reset(std::vector<int> ids, std::vector<QStringList> texts);
    /// The rows in sorted order: from[i] is the row that becomes row i.
    std::vector<size_t> SortedOrder(int column, Qt::SortOrder order) const;
    void Permute(const std::vector<size_t>& from);

    QStringList m_headers;
    CellReader m_cells;
    CellReader m_tipReader;
    int m_tips = 0;
    bool m_checkable = false;
    std::vector<int> m_ids;
    std::vector<QStringList> m_texts; // one per row when there is no reader
    std::vector<bool> m_checked;
    std::vector<int> m_given; // the place each row was given at, for the program's order
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <vector>

// A list of records shown by id: row i shows the record whose id the row map holds at i, and
// its cells are read from the loaded records when drawn, so that thousands of rows cost no more
// than the ones on screen and a changed record shows at once.
class IdTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using CellReader = std::function<QString(int id, int column)>;

    IdTableModel(QStringList headers, std::vector<int> widths, CellReader cells,
                 QObject* parent = nullptr);

    /// Replaces every row by the records with these ids, in this order.
    void Fill(std::vector<int> ids);
    void Clear() { Fill({}); }
    /// Maps a row to an id (appends a row for -1 or a row out of range) and returns the row.
    int SetRow(int row, int id);
    void RemoveRow(int row);
    /// The id of a row, 0 for a row out of range.
    int IdAt(int row) const;
    const std::vector<int>& RowMap() const { return m_ids; }
    /// Redraws every row, after records they show have changed.
    void RefreshCells();

    QString CellText(int row, int column) const;
    int ColumnWidth(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    std::vector<int> m_widths;
    CellReader m_cells;
    std::vector<int> m_ids;
};

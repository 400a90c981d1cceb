#pragma once

#include <QAbstractTableModel>

#include <vector>

class AppData;
struct PigeonRecord;

// The rows of the pigeon list: row i shows the loaded pigeon whose id the row map holds at i.
// Cells are read from the loaded records when drawn, so that ten thousand rows cost no more
// than the ones on screen.
class PigeonTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Check, Country, Union, Year, Band, Sex, Remarks, Colour, Sire, Dam, ColumnCount };

    explicit PigeonTableModel(const AppData& data, QObject* parent = nullptr);

    /// Replaces every row by the pigeons with these ids, in this order.
    void Fill(std::vector<int> ids);
    void Clear();
    /// Writes a row from a pigeon (appends one for row -1) and returns the row.
    int SetRow(int row, const PigeonRecord& pigeon);
    void RemoveRow(int row);
    /// The pigeon id of a row, 0 for a row out of range.
    int PigeonAt(int row) const;
    const std::vector<int>& RowMap() const { return m_ids; }

    /// The text of a cell, as drawn.
    QString CellText(int row, int column) const;
    static int ColumnWidth(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const AppData& m_data;
    std::vector<int> m_ids;
};

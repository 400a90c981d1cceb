#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// Rows of ready-made cell texts, each with the id of the record it shows. The texts are made
// once when a row is set, so drawing a long list costs no lookups.
class RowTextModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Row {
        int key = 0; // the record the row shows
        QStringList cells;
    };

    explicit RowTextModel(const QStringList& headers, QObject* parent = nullptr);

    void SetRows(std::vector<Row> rows);
    void Clear();
    /// Writes a row (appends one for -1) and returns its index.
    int SetRow(int row, Row value);
    void RemoveRow(int row);
    /// The key of a row, 0 for a row out of range.
    int Key(int row) const;
    /// The first row showing a key, -1 for none.
    int RowOfKey(int key) const;
    QString Text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    std::vector<Row> m_rows;
};

#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <vector>

// A read-only table whose cells are texts asked for when they are drawn, so that a list of
// thousands of rows costs no more than the rows on screen. The first column may carry a check
// box; checks only mark rows on screen and are forgotten when the rows are rebuilt.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using RowCount = std::function<int()>;
    using Cell = std::function<QString(int row, int column)>;

    TextTableModel(QStringList headers, RowCount rows, Cell cell, QObject* parent = nullptr);

    void SetCheckable(bool checkable) { m_checkable = checkable; }
    /// The source's rows changed wholesale.
    void Reset();
    /// Runs change, which appends one row to the source, and shows the new row.
    void Append(const std::function<void()>& change);
    /// Runs change, which removes the row from the source, and drops it from the view.
    void Remove(int row, const std::function<void()>& change);
    /// The source's row was rewritten.
    void RowChanged(int row);

    QString CellText(int row, int column) const;
    bool IsChecked(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    RowCount m_rows;
    Cell m_cell;
    bool m_checkable = false;
    std::vector<bool> m_checked;
};

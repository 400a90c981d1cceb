// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <vector>

class QTableView;
class RowIdTableModel;

/// The font of the record lists: 16 pixels of medium weight, Tahoma unless named.
QFont RecordListFont(const QString& family = QStringLiteral("Tahoma"));

/// How a record list looks beyond its columns.
struct RecordListLook {
    QString family = QStringLiteral("Tahoma");
    int rowHeight = 20;
    bool sortable = true;
    bool widen = false; // the list asks its window for the room of its whole columns
};

/// A list of records as every window shows them: blue text (where it reads on the palette's
/// base) in RecordListFont(), grid lines, one whole row selected at a time, fixed row heights,
/// tooltips with a cut cell or heading whole. A header click sorts by that column, a second
/// reverses, a third goes back to the program's order. The columns are fitted as
/// FitColumnsToWidth does; key names the list where its column widths are remembered.
void SetUpRecordList(QTableView* view, RowIdTableModel* model, const QString& key,
                     std::vector<int> widths, std::vector<int> wholeColumns = {},
                     const RecordListLook& look = {});

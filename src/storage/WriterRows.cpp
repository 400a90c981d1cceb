// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/WriterRows.h"

#include <QScopeGuard>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace WriterRows {

const SqlValue& ValueOf(const Fields& fields, const char16_t* column) {
    const auto found = std::find_if(fields.begin(), fields.end(), [column](const Field& f) {
        return QStringView(f.column) == QStringView(column);
    });
    Q_ASSERT_X(found != fields.end(), "ValueOf", "a column without a value");
    static const SqlValue kNull;
    return found == fields.end() ? kNull : found->value;
}

QString InsertSql(QStringView table, const Columns& columns) {
    QStringList names;
    QStringList marks;
    for (const char16_t* column : columns) {
        names.append(QString::fromUtf16(column));
        marks.append(u"?"_s);
    }
    return u"INSERT INTO "_s + table.toString() + u'(' + names.join(u", "_s) + u") VALUES ( "_s +
           marks.join(u", "_s) + u" );"_s;
}

QString UpdateSql(QStringView table, const Columns& columns) {
    QStringList sets;
    for (const char16_t* column : columns)
        sets.append(QString::fromUtf16(column) + u" = ?"_s);
    return u"UPDATE "_s + table.toString() + u" SET "_s + sets.join(u", "_s) + u" WHERE id = ?;"_s;
}

SqlValues ValuesFor(const Fields& fields, const Columns& columns) {
    SqlValues values;
    values.reserve(columns.size() + 1);
    for (const char16_t* column : columns)
        values.push_back(ValueOf(fields, column));
    return values;
}

// Runs a statement on a connection opened for this one operation.
DbResult RunOnce(DbSession& session, const QString& path, const QString& sql,
                 const SqlValues& values, int* newId) {
    const auto close = qScopeGuard([&session] { session.Close(); });
    if (!session.Open(path))
        return ResultOfFailure(session);
    DbResult result = session.Run(sql, values);
    if (newId)
        *newId = result.ok() ? session.LastInsertId() : 0;
    return result;
}

DbResult NotStored() {
    return DbResult::Failed(u"The record has not been stored yet."_s);
}

DbResult RowMissing() {
    return DbResult::Failed(u"The record is no longer in the database."_s);
}

// The shared convention: -1 inserts, the record's id updates, -2 deletes, anything else writes
// nothing. An update that matches no row is a failure: the screen must not show it as stored.
DbResult SaveRow(DbSession& session, const QString& path, QStringView table, int mode, int& id,
                 const Fields& fields, const Columns& insertColumns, const Columns& updateColumns) {
    if (mode == -1) {
        int newId = 0;
        DbResult result = RunOnce(session, path, InsertSql(table, insertColumns),
                                  ValuesFor(fields, insertColumns), &newId);
        id = newId;
        return result;
    }
    if (mode > 0) {
        const auto close = qScopeGuard([&session] { session.Close(); });
        if (!session.Open(path))
            return ResultOfFailure(session);
        SqlValues values = ValuesFor(fields, updateColumns);
        values.emplace_back(id);
        if (DbResult result = session.Run(UpdateSql(table, updateColumns), values); !result.ok())
            return result;
        return session.Changes() > 0 ? DbResult::Done() : RowMissing();
    }
    if (mode == -2)
        return RunOnce(session, path, u"DELETE FROM "_s + table.toString() + u" WHERE id = ?;"_s,
                       {id});
    return NotStored();
}

} // namespace WriterRows

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The row helpers every writer shares: bound values for named columns, the INSERT and UPDATE
// texts, and the insert/update/delete convention of SaveRow. Values are always bound; column
// lists and their order are those every stored file has been written with.

#include "storage/DbSession.h"

#include <QStringView>

#include <vector>

namespace WriterRows {

struct Field {
    const char16_t* column;
    SqlValue value;
};
using Fields = std::vector<Field>;
using Columns = std::vector<const char16_t*>;

const SqlValue& ValueOf(const Fields& fields, const char16_t* column);

QString InsertSql(QStringView table, const Columns& columns);

QString UpdateSql(QStringView table, const Columns& columns);

SqlValues ValuesFor(const Fields& fields, const Columns& columns);

// Runs a statement on a connection opened for this one operation.
DbResult RunOnce(DbSession& session, const QString& path, const QString& sql,
                 const SqlValues& values, int* newId = nullptr);

DbResult NotStored();

DbResult RowMissing();

// The shared convention: -1 inserts, the record's id updates, -2 deletes, anything else writes
// nothing. An update that matches no row is a failure: the screen must not show it as stored.
DbResult SaveRow(DbSession& session, const QString& path, QStringView table, int mode, int& id,
                 const Fields& fields, const Columns& insertColumns, const Columns& updateColumns);

} // namespace WriterRows

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DbProbe.h"

#include "storage/DbSession.h"

namespace DbProbe {

std::vector<QStringList> Rows(const QString& dbPath, const QString& sql) {
    std::vector<QStringList> rows;
    DbSession session;
    if (!session.Open(dbPath) || !session.Query(sql))
        return rows;
    for (; session.HasRow(); session.Next()) {
        QStringList row;
        for (int i = 0; i < session.ColumnCount(); ++i)
            row.append(session.IsNull(i) ? QStringLiteral("<null>") : session.Text(i));
        rows.push_back(row);
    }
    return rows;
}

qint64 Number(const QString& dbPath, const QString& sql) {
    DbSession session;
    if (!session.Open(dbPath) || !session.Query(sql) || !session.HasRow())
        return -999;
    return session.Int64(0);
}

QString Text(const QString& dbPath, const QString& sql) {
    DbSession session;
    if (!session.Open(dbPath) || !session.Query(sql) || !session.HasRow())
        return {};
    return session.Text(0);
}

bool Exec(const QString& dbPath, const QString& sql) {
    return DbSession::Execute(dbPath, sql).ok();
}

} // namespace DbProbe

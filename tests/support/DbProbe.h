// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// Direct looks into a database file, independent of the loaders under test.
namespace DbProbe {

/// Every row of a query, each column as text (NULL as "<null>").
std::vector<QStringList> Rows(const QString& dbPath, const QString& sql);
/// The first column of the first row as a number, -999 when there is no row.
qint64 Number(const QString& dbPath, const QString& sql);
/// The first column of the first row as text.
QString Text(const QString& dbPath, const QString& sql);
/// Runs a statement; true when it succeeded.
bool Exec(const QString& dbPath, const QString& sql);

} // namespace DbProbe

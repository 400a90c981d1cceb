// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What backup and restore check before they touch anything, and what start-up does with a
// restore that was killed halfway.
namespace BackupChecks {

/// The two database files, which a restore replaces together or not at all.
QStringList DatabaseFiles();

/// Why the file cannot stand as the database file of that name (pigeons.db or
/// dodatkowe_informacje.db): not an SQLite file, damaged, or without a table the program keeps
/// there (or with fewer columns). Empty when it can.
QString CheckDatabaseFile(const QString& path, const QString& fileName);
/// The same for the database files present in a folder copied from a backup.
QString CheckDatabaseFiles(const QString& folder);

/// True when path is folder itself or lies below it (links followed).
bool IsSameOrInside(const QString& path, const QString& folder);

struct Recovery {
    QString message;   // for the user; empty when nothing was left
    bool stop = false; // the data could not be made whole: the program must not open it
};
/// Deals with what an interrupted restore left in the db folder: the restore's staging folder
/// (finished when every file had been copied, removed otherwise) and the ".part" database
/// files of older versions.
Recovery FinishInterruptedRestore(const QString& dbFolder);

} // namespace BackupChecks

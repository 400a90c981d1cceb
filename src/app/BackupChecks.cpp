// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackupChecks.h"

#include "app/FolderCopy.h"
#include "storage/DbSession.h"
#include "storage/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

using namespace Qt::StringLiterals;

namespace BackupChecks {

namespace {

const QString kPigeonsDb = u"pigeons.db"_s;
const QString kExtraDb = u"dodatkowe_informacje.db"_s;

// Table name -> column count, as read from an open file.
QMap<QString, int> Tables(DbSession& session) {
    QStringList names;
    if (session.Query(u"SELECT name FROM sqlite_master WHERE type = 'table';"_s))
        for (; session.HasRow(); session.Next())
            names.append(session.Text(0));
    QMap<QString, int> tables;
    for (const QString& name : names)
        if (session.Query(u"SELECT count(*) FROM pragma_table_info(?);"_s, {name}))
            tables.insert(name, session.Int(0));
    return tables;
}

// The tables the program keeps in the named file, made in memory by the program's own
// statements so that the check cannot drift from them.
QMap<QString, int> ExpectedTables(const QString& fileName) {
    DbSession session;
    if (!session.Open(u":memory:"_s))
        return {};
    if (fileName == kPigeonsDb) {
        CreateTablesLofts(session);
        CreateTablesPigeons(session);
    } else {
        CreateTablesExtra(session);
    }
    return Tables(session);
}

} // namespace

QStringList DatabaseFiles() {
    return {kPigeonsDb, kExtraDb};
}

QString CheckDatabaseFile(const QString& path, const QString& fileName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"%1 cannot be read."_s.arg(fileName);
    // Checked before SQLite sees the file, which would take an empty file for an empty database.
    if (file.read(16) != QByteArray("SQLite format 3", 16))
        return u"%1 is not a database file."_s.arg(fileName);
    file.close();

    DbSession session;
    if (!session.Open(path) || !session.Query(u"PRAGMA quick_check;"_s) || !session.HasRow())
        return u"%1 is damaged or not a database: %2"_s.arg(fileName, session.LastError());
    if (const QString verdict = session.Text(0); verdict != u"ok"_s)
        return u"%1 is damaged: %2"_s.arg(fileName, verdict);
    const QMap<QString, int> present = Tables(session);
    const QMap<QString, int> expected = ExpectedTables(fileName);
    // A table missing as a whole is made at the next start, as in any older file.
    bool anyOfOurs = false;
    for (auto table = expected.begin(); table != expected.end(); ++table) {
        if (!present.contains(table.key()))
            continue;
        anyOfOurs = true;
        if (present.value(table.key()) < table.value())
            return u"%1 holds the table %2 with %3 columns instead of %4."_s.arg(fileName)
                .arg(table.key())
                .arg(present.value(table.key()))
                .arg(table.value());
    }
    if (!anyOfOurs)
        return u"%1 holds none of the program's tables, so it is not the program's %1."_s.arg(
            fileName);
    return {};
}

QString CheckDatabaseFiles(const QString& folder) {
    for (const QString& name : DatabaseFiles()) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        if (QString refusal = CheckDatabaseFile(path, name); !refusal.isEmpty())
            return refusal;
    }
    return {};
}

bool IsSameOrInside(const QString& path, const QString& folder) {
    const QString inner = QFileInfo(path).canonicalFilePath();
    const QString outer = QFileInfo(folder).canonicalFilePath();
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    return inner == outer || inner.startsWith(outer + u'/');
}

Recovery FinishInterruptedRestore(const QString& dbFolder) {
    Recovery recovery;
    QStringList said;
    const InterruptedCopy copy = FinishInterruptedCopy(dbFolder);
    switch (copy.kind) {
    case InterruptedCopy::Kind::None:
        break;
    case InterruptedCopy::Kind::Completed:
        said.append(u"The last restore of a backup was stopped after every file of the backup "
                    u"had been copied. It has now been completed: the data is the restored "
                    u"backup's."_s);
        break;
    case InterruptedCopy::Kind::Discarded:
        said.append(u"The last restore of a backup was stopped before every file of the backup "
                    u"had been copied. Nothing had been replaced: the data is as it was before "
                    u"that restore, and the unfinished copy was removed. Import the backup again "
                    u"if you still want it."_s);
        break;
    case InterruptedCopy::Kind::Stuck:
        recovery.stop = true;
        recovery.message =
            u"The last restore of a backup was stopped halfway, and its files cannot be put in "
            u"place:\n%1\nThey wait in\n%2\nThe program ends, so that nothing is written over "
            u"them. Make the folder writable and start the program again."_s.arg(
                QDir::toNativeSeparators(copy.error),
                QDir::toNativeSeparators(StagingFolder(dbFolder)));
        return recovery;
    }

    bool partFound = false;
    // Older versions copied each file to a ".part" beside it, removed the old file and renamed.
    for (const QString& name : DatabaseFiles()) {
        const QString file = QDir(dbFolder).filePath(name);
        const QString part = file + u".part"_s;
        if (!QFileInfo::exists(part))
            continue;
        if (QFileInfo::exists(file)) {
            QFile::remove(part);
            said.append(u"A restore of a backup was stopped while it copied %1: the copy %2 was "
                        u"removed and %1 kept."_s.arg(name, name + u".part"_s));
        } else if (QFile::rename(part, file)) {
            said.append(u"A restore of a backup was stopped after it had removed %1: the "
                        u"finished copy %2 was put in its place."_s.arg(name, name + u".part"_s));
        } else {
            recovery.stop = true;
            recovery.message = u"A restore of a backup was stopped after it had removed %1; the "
                               u"copy\n%2\ncannot be put in its place. The program ends, so that "
                               u"it does not start on an empty file. Rename the copy to %1, or "
                               u"make the folder writable, and start the program again."_s.arg(
                                   name, QDir::toNativeSeparators(part));
            return recovery;
        }
        partFound = true;
    }
    if (partFound)
        said.append(u"The two database files may come from different backups: import the "
                    u"backup again to be sure."_s);
    recovery.message = said.join(u"\n\n"_s);
    return recovery;
}

} // namespace BackupChecks

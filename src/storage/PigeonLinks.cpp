// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/PigeonLinks.h"

#include "storage/AppData.h"
#include "storage/InstallDir.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

struct IdColumn {
    const char16_t* table;
    const char16_t* column;
};

// Every column of pigeons.db that holds a pigeon's id.
constexpr IdColumn kPigeonsDbColumns[] = {{u"pigeons", u"id"},
                                          {u"pigeons", u"id_ojca"},
                                          {u"pigeons", u"id_matki"},
                                          {u"kategoria_id", u"id_golebia"},
                                          {u"pary", u"id_samca"},
                                          {u"pary", u"id_samicy"},
                                          {u"dzieci", u"id_golebia"},
                                          {u"lotniki", u"id_golebia"},
                                          {u"transakcje", u"id_golebia"},
                                          {u"zdjecia", u"id_golebia"},
                                          {u"dokumenty", u"id_wlasciciela"},
                                          {u"lekisuplementy", u"id_golebia"}};
constexpr IdColumn kExtraDbColumns[] = {{u"ild", u"id_golebia"}};

// The largest id the file's columns name, 0 when none. A file written by another program may
// lack a table or a column; what it lacks names nothing. Values are read as the loaders read
// them, text included.
template <size_t N>
DbResult LargestNamedId(DbSession& session, const IdColumn (&columns)[N], qint64& largest) {
    std::set<std::pair<QString, QString>> present;
    if (!session.Query(u"SELECT m.name, c.name FROM sqlite_master AS m, "
                       u"pragma_table_info(m.name) AS c WHERE m.type = 'table';"_s))
        return ResultOfFailure(session);
    for (; session.HasRow(); session.Next())
        present.emplace(session.Text(0).toLower(), session.Text(1).toLower());
    if (session.LastErrorCode() != 0)
        return ResultOfFailure(session);
    QStringList parts;
    for (const IdColumn& c : columns) {
        const QString table = QString::fromUtf16(c.table);
        const QString column = QString::fromUtf16(c.column);
        if (present.count({table.toLower(), column.toLower()}))
            parts.append(u"SELECT MAX(CAST(%2 AS INTEGER)) AS v FROM %1"_s.arg(table, column));
    }
    largest = 0;
    if (parts.isEmpty())
        return DbResult::Done();
    if (!session.Query(u"SELECT MAX(v) FROM ("_s + parts.join(u" UNION ALL "_s) + u");"_s))
        return ResultOfFailure(session);
    if (session.HasRow() && !session.IsNull(0))
        largest = std::max<qint64>(0, session.Int64(0));
    return DbResult::Done();
}

QString Counted(int count, const char16_t* one, const char16_t* many) {
    return QString::number(count) + u' ' + QString::fromUtf16(count == 1 ? one : many);
}

} // namespace

DbResult FirstFreePigeonId(DbSession& pigeonsDb, DbSession& extraDb, int count, int& first) {
    first = 0;
    qint64 largest = 0;
    if (DbResult r = LargestNamedId(pigeonsDb, kPigeonsDbColumns, largest); !r.ok())
        return r;
    // Opened only when it is there, so that a missing file is not made empty here. The read
    // transaction keeps its rows as read until the caller's insert is committed.
    if (const QString path = ExtraDbPath(); QFile::exists(path)) {
        if (!extraDb.Open(path))
            return ResultOfFailure(extraDb);
        if (DbResult r = extraDb.Run(u"BEGIN;"_s); !r.ok())
            return r;
        qint64 extraLargest = 0;
        if (DbResult r = LargestNamedId(extraDb, kExtraDbColumns, extraLargest); !r.ok())
            return r;
        largest = std::max(largest, extraLargest);
    }
    constexpr qint64 kLast = std::numeric_limits<int>::max();
    if (count < 1 || largest > kLast - count)
        return DbResult::Failed(
            u"No new pigeon can be stored: the files already name pigeon ids up to %1, ids end "
            u"at %2, and an id in use is never given again."_s.arg(largest)
                .arg(kLast));
    first = static_cast<int>(largest + 1);
    return DbResult::Done();
}

DbResult CountPigeonLinks(int pigeonId, PigeonLinks& links) {
    links = {};
    DbSession session;
    if (!session.Open(PigeonsDbPath()))
        return ResultOfFailure(session);
    if (!session.Query(u"SELECT (SELECT COUNT(*) FROM pigeons WHERE id <> ?1 AND (id_ojca = ?1 OR "
                       u"id_matki = ?1)),"
                       u" (SELECT COUNT(*) FROM pary WHERE id_samca = ?1 OR id_samicy = ?1),"
                       u" (SELECT COUNT(*) FROM dzieci WHERE id_golebia = ?1),"
                       u" (SELECT COUNT(*) FROM lotniki WHERE id_golebia = ?1),"
                       u" (SELECT COUNT(*) FROM transakcje WHERE id_golebia = ?1);"_s,
                       {pigeonId}) ||
        !session.HasRow())
        return ResultOfFailure(session);
    links = {session.Int(0), session.Int(1), session.Int(2), session.Int(3), session.Int(4)};
    return DbResult::Done();
}

QString PigeonLinksText(const PigeonLinks& links) {
    QStringList lines;
    if (links.young > 0)
        lines.append(u"- %1 as sire or dam (that parent becomes unknown)"_s.arg(
            Counted(links.young, u"pigeon", u"pigeons")));
    if (links.pairs > 0)
        lines.append(u"- %1 as cock or hen (deleted with the young listed there)"_s.arg(
            Counted(links.pairs, u"pair", u"pairs")));
    if (links.childRows > 0)
        lines.append(u"- the young of %1 (it leaves that list)"_s.arg(
            Counted(links.childRows, u"pair", u"pairs")));
    if (links.raceEntries > 0)
        lines.append(
            u"- %1 (deleted)"_s.arg(Counted(links.raceEntries, u"race entry", u"race entries")));
    if (links.transactions > 0)
        lines.append(u"- %1 (kept, showing its band)"_s.arg(
            Counted(links.transactions, u"transaction", u"transactions")));
    if (lines.isEmpty())
        return {};
    return u"This pigeon is linked to:\n"_s + lines.join(u'\n');
}

DbResult RemovePigeonLinks(DbSession& db, int pigeonId, const QString& bandText) {
    const std::pair<const char16_t*, SqlValues> statements[] = {
        {u"DELETE FROM dzieci WHERE id_golebia = ?;", {pigeonId}},
        {u"DELETE FROM dzieci WHERE id_pary IN "
         u"(SELECT id FROM pary WHERE id_samca = ?1 OR id_samicy = ?1);",
         {pigeonId}},
        {u"DELETE FROM pary WHERE id_samca = ?1 OR id_samicy = ?1;", {pigeonId}},
        {u"DELETE FROM lotniki WHERE id_golebia = ?;", {pigeonId}},
        {u"DELETE FROM kategoria_id WHERE id_golebia = ?;", {pigeonId}},
        {u"UPDATE pigeons SET id_ojca = 0 WHERE id_ojca = ?;", {pigeonId}},
        {u"UPDATE pigeons SET id_matki = 0 WHERE id_matki = ?;", {pigeonId}},
        {u"UPDATE transakcje SET przedmiottransakcji = 1, id_golebia = 0, "
         u"innyprzedmiottransakcji = ? WHERE id_golebia = ?;",
         {bandText, pigeonId}},
    };
    for (const auto& [sql, values] : statements)
        if (DbResult r = db.Run(QString::fromUtf16(sql), values); !r.ok())
            return r;
    return DbResult::Done();
}

void ForgetPigeonLinks(AppData& data, int pigeonId, const QString& bandText) {
    for (auto& [id, pigeon] : data.pigeons) {
        if (pigeon.idSire == pigeonId)
            pigeon.idSire = 0;
        if (pigeon.idDam == pigeonId)
            pigeon.idDam = 0;
    }
    std::erase_if(data.pairs, [pigeonId](const PairRecord& pair) {
        return pair.idCock == pigeonId || pair.idHen == pigeonId;
    });
    for (PairRecord& pair : data.pairs)
        std::erase_if(pair.children,
                      [pigeonId](const ChildRecord& child) { return child.idPigeon == pigeonId; });
    for (RaceRecord& race : data.races)
        std::erase_if(race.flyers, [pigeonId](const FlyerRecord& flyer) {
            return flyer.id_golebia == pigeonId;
        });
    for (auto& [id, transaction] : data.transactions) {
        if (transaction.idPigeon != pigeonId)
            continue;
        transaction.idPigeon = 0;
        transaction.subject = 1;
        transaction.otherSubject = bandText;
    }
}

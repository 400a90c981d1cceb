// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of pairs, their young and breeding seasons.

#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/WriterRows.h"

#include <QScopeGuard>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace WriterRows;

namespace {

Fields ChildFields(const ChildRecord& child) {
    return {{u"uwagi", child.remarks},
            {u"id_golebia", child.idPigeon},
            {u"id_pary", child.idPair},
            {u"id_hodowli", child.idLoft},
            {u"DataDodania", child.dateAdded}};
}

} // namespace

DbResult AppData::SavePair(int mode, PairRecord& pair) {
    if (mode == -2) {
        // The children go with their pair, all or nothing.
        const auto close = qScopeGuard([this] { runner.Close(); });
        if (!runner.Open(PigeonsDbPath()))
            return ResultOfFailure(runner);
        DbTransaction transaction(runner);
        if (!transaction.Begun())
            return ResultOfFailure(runner);
        // Every child row of the pair, also one the record in hand does not know of.
        if (DbResult r = runner.Run(u"DELETE FROM dzieci WHERE id_pary = ?;"_s, {pair.id}); !r.ok())
            return r;
        if (DbResult r = runner.Run(u"DELETE FROM pary WHERE id = ?;"_s, {pair.id}); !r.ok())
            return r;
        if (DbResult r = transaction.Commit(); !r.ok())
            return r;
        const int id = pair.id;
        std::erase_if(pairs, [id](const PairRecord& p) { return p.id == id; });
        return DbResult::Done();
    }
    const Fields fields{{u"uwagi", pair.remarks},
                        {u"not_ojciec", pair.sireNote},
                        {u"not_matka", pair.damNote},
                        {u"id_samca", pair.idCock},
                        {u"id_samicy", pair.idHen},
                        {u"id_hodowli", pair.idLoft},
                        {u"DataParowania", pair.datePaired},
                        {u"DataDodania", pair.dateAdded}};
    const DbResult result = SaveRow(
        runner, PigeonsDbPath(), u"pary", mode, pair.id, fields,
        {u"uwagi", u"not_ojciec", u"not_matka", u"id_samca", u"id_samicy", u"id_hodowli",
         u"DataParowania", u"DataDodania"},
        {u"uwagi", u"id_samca", u"not_ojciec", u"not_matka", u"id_samicy", u"DataParowania"});
    if (!result.ok())
        return result;
    if (mode == -1) {
        pairs.push_back(pair);
        return result;
    }
    const auto stored = std::find_if(pairs.begin(), pairs.end(),
                                     [&pair](const PairRecord& p) { return p.id == pair.id; });
    if (stored != pairs.end()) {
        // The children are kept by SaveChild; an edited pair keeps those stored.
        std::vector<ChildRecord> children = std::move(stored->children);
        *stored = pair;
        stored->children = std::move(children);
    }
    return result;
}

DbResult AppData::SaveChildOfPair(int mode, ChildRecord& child, int sireId, int damId) {
    if (mode != -1 && mode != child.id)
        return NotStored();
    if (child.idPigeon < 1)
        return DbResult::Failed(u"No pigeon is chosen."_s);
    {
        const auto close = qScopeGuard([this] { runner.Close(); });
        if (!runner.Open(PigeonsDbPath()))
            return ResultOfFailure(runner);
        DbTransaction transaction(runner);
        if (!transaction.Begun())
            return ResultOfFailure(runner);
        if (DbResult r = runner.Run(u"UPDATE pigeons SET id_ojca = ?, id_matki = ? WHERE id = ?;"_s,
                                    {sireId, damId, child.idPigeon});
            !r.ok())
            return r;
        if (runner.Changes() < 1)
            return RowMissing();
        if (mode == -1) {
            const Columns columns{u"uwagi", u"id_golebia", u"id_pary", u"id_hodowli",
                                  u"DataDodania"};
            if (DbResult r = runner.Run(InsertSql(u"dzieci", columns),
                                        ValuesFor(ChildFields(child), columns));
                !r.ok())
                return r;
            child.id = runner.LastInsertId();
        } else {
            const Columns columns{u"uwagi", u"id_golebia"};
            SqlValues values = ValuesFor(ChildFields(child), columns);
            values.emplace_back(child.id);
            if (DbResult r = runner.Run(UpdateSql(u"dzieci", columns), values); !r.ok())
                return r;
            if (runner.Changes() < 1)
                return RowMissing();
        }
        if (DbResult r = transaction.Commit(); !r.ok()) {
            if (mode == -1)
                child.id = 0;
            return r;
        }
    }
    if (const auto pigeon = pigeons.find(child.idPigeon); pigeon != pigeons.end()) {
        pigeon->second.idSire = sireId;
        pigeon->second.idDam = damId;
    }
    MirrorChild(mode, child);
    return DbResult::Done();
}

DbResult AppData::SaveChild(int mode, ChildRecord& child) {
    const DbResult result =
        SaveRow(runner, PigeonsDbPath(), u"dzieci", mode, child.id, ChildFields(child),
                {u"uwagi", u"id_golebia", u"id_pary", u"id_hodowli", u"DataDodania"},
                {u"uwagi", u"id_golebia"});
    if (result.ok())
        MirrorChild(mode, child);
    return result;
}

void AppData::MirrorChild(int mode, const ChildRecord& child) {
    if (mode == -1) {
        const auto pair = std::find_if(pairs.begin(), pairs.end(), [&child](const PairRecord& p) {
            return p.id == child.idPair;
        });
        if (pair != pairs.end())
            pair->children.push_back(child);
        return;
    }
    for (PairRecord& pair : pairs) {
        std::vector<ChildRecord>& children = pair.children;
        const auto found =
            std::find_if(children.begin(), children.end(),
                         [&child](const ChildRecord& c) { return c.id == child.id; });
        if (found == children.end())
            continue;
        if (mode == -2)
            children.erase(found);
        else
            *found = child;
        break;
    }
}

DbResult AppData::AddSeason(SeasonRecord& season) {
    const DbResult result = RunOnce(
        runner, ExtraDbPath(),
        u"INSERT INTO sezonylegowe(id_hodowli, Nazwa, Opis, DATA_B, DATA_E) VALUES ( ?, ?, ?, ?, ? );"_s,
        {season.idLoft, season.name, season.description, season.dateBegin, season.dateEnd},
        &season.id);
    if (result.ok() && season.id >= 1)
        seasons.push_back(season);
    return result;
}

DbResult AppData::DeleteSeason(int id) {
    DbResult result =
        RunOnce(runner, ExtraDbPath(), u"DELETE FROM sezonylegowe WHERE id = ?;"_s, {id});
    if (result.ok())
        std::erase_if(seasons, [id](const SeasonRecord& s) { return s.id == id; });
    return result;
}

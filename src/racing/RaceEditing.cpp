// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RaceEditing.h"

#include "storage/AppData.h"
#include "storage/InstallDir.h"

#include <QScopeGuard>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

PigeonRecord* LoadedPigeon(AppData& data, int id) {
    const auto found = data.pigeons.find(id);
    return id >= 1 && found != data.pigeons.end() ? &found->second : nullptr;
}

void CountAll(AppData& data, const RaceRecord& race, int sign) {
    for (const FlyerRecord& flyer : race.flyers)
        if (PigeonRecord* pigeon = LoadedPigeon(data, flyer.id_golebia))
            CountInTotals(*pigeon, race, flyer, sign);
}

} // namespace

int RaceIndexOf(const AppData& data, int raceId) {
    const auto found = std::find_if(data.races.begin(), data.races.end(),
                                    [raceId](const RaceRecord& r) { return r.id == raceId; });
    return found == data.races.end() ? -1 : static_cast<int>(found - data.races.begin());
}

void AddLoadedRace(AppData& data, const RaceRecord& race) {
    data.races.push_back(race);
    data.races.back().flyers.clear();
}

void ReplaceLoadedRace(AppData& data, const RaceRecord& edited) {
    const int index = RaceIndexOf(data, edited.id);
    if (index < 0)
        return;
    RaceRecord& race = data.races[size_t(index)];
    CountAll(data, race, -1);
    std::vector<FlyerRecord> flyers = std::move(race.flyers);
    race = edited;
    race.flyers = std::move(flyers);
    CountAll(data, race, 1);
}

DbResult DeleteRaceWithEntries(AppData& data, int raceId) {
    {
        DbSession& session = data.runner;
        const auto close = qScopeGuard([&session] { session.Close(); });
        if (!session.Open(PigeonsDbPath()))
            return ResultOfFailure(session);
        DbTransaction transaction(session);
        if (!transaction.Begun())
            return ResultOfFailure(session);
        if (DbResult r = session.Run(u"DELETE FROM lotniki WHERE id_lotu = ?;"_s, {raceId});
            !r.ok())
            return r;
        if (DbResult r = session.Run(u"DELETE FROM loty WHERE id = ?;"_s, {raceId}); !r.ok())
            return r;
        if (DbResult r = transaction.Commit(); !r.ok())
            return r;
    }
    if (const int index = RaceIndexOf(data, raceId); index >= 0) {
        CountAll(data, data.races[size_t(index)], -1);
        data.races.erase(data.races.begin() + index);
    }
    return DbResult::Done();
}

void AddLoadedFlyer(AppData& data, const FlyerRecord& flyer) {
    const int index = RaceIndexOf(data, flyer.id_lotu);
    if (index < 0)
        return;
    RaceRecord& race = data.races[size_t(index)];
    race.flyers.push_back(flyer);
    if (PigeonRecord* pigeon = LoadedPigeon(data, flyer.id_golebia))
        CountInTotals(*pigeon, race, flyer, 1);
}

void ReplaceLoadedFlyer(AppData& data, const FlyerRecord& edited) {
    const int index = RaceIndexOf(data, edited.id_lotu);
    if (index < 0)
        return;
    RaceRecord& race = data.races[size_t(index)];
    for (FlyerRecord& flyer : race.flyers) {
        if (flyer.id != edited.id)
            continue;
        if (PigeonRecord* pigeon = LoadedPigeon(data, flyer.id_golebia))
            CountInTotals(*pigeon, race, flyer, -1);
        flyer = edited;
        if (PigeonRecord* pigeon = LoadedPigeon(data, flyer.id_golebia))
            CountInTotals(*pigeon, race, flyer, 1);
        return;
    }
}

void RemoveLoadedFlyer(AppData& data, int raceId, int flyerId) {
    const int index = RaceIndexOf(data, raceId);
    if (index < 0)
        return;
    RaceRecord& race = data.races[size_t(index)];
    const auto found = std::find_if(race.flyers.begin(), race.flyers.end(),
                                    [flyerId](const FlyerRecord& f) { return f.id == flyerId; });
    if (found == race.flyers.end())
        return;
    if (PigeonRecord* pigeon = LoadedPigeon(data, found->id_golebia))
        CountInTotals(*pigeon, race, *found, -1);
    race.flyers.erase(found);
}

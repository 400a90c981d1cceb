// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/BreedingFixture.h"

#include "storage/AppData.h"
#include "storage/LocalTime.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace BreedingFixture {

using FamilyFixture::Check;

int StorePair(AppData& data, int loftId, int cock, int hen, qint64 paired, const QString& remarks,
              const std::vector<int>& young) {
    PairRecord pair;
    pair.idLoft = loftId;
    pair.idCock = cock;
    pair.idHen = hen;
    pair.datePaired = paired;
    pair.dateAdded = paired;
    pair.remarks = remarks;
    Check(data.SavePair(-1, pair).ok(), "A pair could not be stored");
    for (int pigeon : young) {
        ChildRecord child{0, pigeon, pair.id, loftId, paired, QString()};
        Check(data.SaveChildOfPair(-1, child, cock, hen).ok(), "A young bird could not be stored");
    }
    return pair.id;
}

void StoreSeason(AppData& data, int loftId, const QString& name, QDate first, QDate last) {
    SeasonRecord season{0,
                        loftId,
                        name,
                        u"Lęgi wiosenne"_s,
                        ComposeLocalTime(first.year(), first.month(), first.day(), 1, 1, 1),
                        ComposeLocalTime(last.year(), last.month(), last.day(), 1, 1, 1)};
    Check(data.AddSeason(season).ok(), "A season could not be stored");
}

void StoreRace(AppData& data, int loftId, qint64 released,
               const std::vector<std::pair<int, int>>& placings) {
    RaceRecord race;
    race.id_hodowli = loftId;
    race.miejscowosc = u"Gniezno"_s;
    race.odleglosckm = 300;
    race.czasodlotu = released;
    Check(data.SaveRace(-1, race).ok(), "A race could not be stored");
    for (const auto& [pigeon, place] : placings) {
        FlyerRecord flyer;
        flyer.id_lotu = race.id;
        flyer.id_hodowli = loftId;
        flyer.id_golebia = pigeon;
        flyer.nr_konkursu = place;
        flyer.DataCzasPrzylotu = released + 4 * 3600 + place * 40;
        Check(data.SaveFlyer(-1, flyer).ok(), "A race entry could not be stored");
    }
}

Breeding SeedBreeding(const FamilyFixture::Family& family) {
    AppData data;
    Check(data.LoadLofts().ok(), "The lofts could not be read");
    Check(data.SelectLoft(family.loftId).ok(), "The family could not be read");
    // Short descriptions are stored apart from the rest of a bird.
    std::vector<int> described = family.children;
    described.insert(described.end(), {family.sire(), family.dam()});
    for (int id : described) {
        const QString sex = data.FindPigeon(id).sex == 2 ? u"hen"_s : u"cock"_s;
        const QString text = u"Wide-chested %1, strong wing, back on the day"_s.arg(sex);
        Check(data.SetPigeonShortDescription(id, text).ok(), "A description could not be stored");
    }
    const auto& grandparents = family.generations[2];
    StorePair(data, family.loftId, grandparents[0], grandparents[1],
              ComposeLocalTime(2021, 3, 1, 9, 30, 0), u"Para z Gniezna"_s, {family.sire()});
    StorePair(data, family.loftId, grandparents[2], grandparents[3],
              ComposeLocalTime(2021, 3, 5, 10, 0, 0), u"Para z linii Janssen"_s, {family.dam()});
    StorePair(data, family.loftId, family.sire(), family.dam(),
              ComposeLocalTime(2026, 2, 20, 8, 0, 0), u"Again for 2026"_s);
    for (int year : {2021, 2025, 2026})
        StoreSeason(data, family.loftId, u"Sezon %1"_s.arg(year), QDate(year, 1, 1),
                    QDate(year, 12, 31));
    // Three races: the family's young place well, the parents less so.
    for (int race = 0; race < 3; ++race)
        StoreRace(data, family.loftId, ComposeLocalTime(2025, 5, 4 + 7 * race, 7, 0, 0),
                  {{family.subject(), 3 + race},
                   {family.children[1], 6 + race},
                   {family.sire(), 40 + race},
                   {family.dam(), 52 + race}});
    return {family.pairId};
}

} // namespace BreedingFixture

#include "support/BreedingFixture.h"

#include "storage/AppData.h"
#include "storage/LocalTime.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace BreedingFixture {

namespace {

void Check(const DbResult& result, const char* what) {
    if (!result.ok())
        QTest::qFail(what, __FILE__, __LINE__);
}

int StorePair(AppData& data, int loftId, int cock, int hen, qint64 paired, const QString& remarks,
              const std::vector<int>& young) {
    PairRecord pair;
    pair.idLoft = loftId;
    pair.idCock = cock;
    pair.idHen = hen;
    pair.datePaired = paired;
    pair.dateAdded = paired;
    pair.remarks = remarks;
    Check(data.SavePair(-1, pair), "A pair could not be stored");
    for (int pigeon : young) {
        ChildRecord child;
        child.idPigeon = pigeon;
        child.idPair = pair.id;
        child.idLoft = loftId;
        child.dateAdded = paired;
        Check(data.SaveChildOfPair(-1, child, cock, hen), "A young bird could not be stored");
    }
    return pair.id;
}

} // namespace

Breeding SeedBreeding(const FamilyFixture::Family& family) {
    AppData data;
    Check(data.LoadLofts(), "The lofts could not be read");
    Check(data.SelectLoft(family.loftId), "The family could not be read");
    Breeding breeding;
    breeding.parentsPair = family.pairId;
    // Short descriptions are stored apart from the rest of a bird.
    std::vector<int> described = family.children;
    described.insert(described.end(), {family.sire(), family.dam()});
    for (int id : described)
        Check(data.SetPigeonShortDescription(
                  id, u"Wide-chested %1, strong wing, back on the day"_s.arg(
                          data.FindPigeon(id).sex == 2 ? u"hen"_s : u"cock"_s)),
              "A description could not be stored");
    const auto& grandparents = family.generations[2];
    breeding.siresParentsPair =
        StorePair(data, family.loftId, grandparents[0], grandparents[1],
                  ComposeLocalTime(2021, 3, 1, 9, 30, 0), u"Para z Gniezna"_s, {family.sire()});
    breeding.damsParentsPair = StorePair(data, family.loftId, grandparents[2], grandparents[3],
                                         ComposeLocalTime(2021, 3, 5, 10, 0, 0),
                                         u"Para z linii Janssen"_s, {family.dam()});
    breeding.parentsAgainPair =
        StorePair(data, family.loftId, family.sire(), family.dam(),
                  ComposeLocalTime(2026, 2, 20, 8, 0, 0), u"Again for 2026"_s, {});
    for (int year : {2021, 2025, 2026}) {
        SeasonRecord season;
        season.idLoft = family.loftId;
        season.name = u"Sezon %1"_s.arg(year);
        season.description = u"Lęgi wiosenne"_s;
        season.dateBegin = ComposeLocalTime(year, 1, 1, 1, 1, 1);
        season.dateEnd = ComposeLocalTime(year, 12, 31, 1, 1, 1);
        Check(data.AddSeason(season), "A season could not be stored");
        breeding.seasons.push_back(season.id);
    }

    // Three races: the family's young place well, the parents less so.
    const std::vector<std::pair<int, int>> placings = {
        {family.subject(), 3}, {family.children[1], 6}, {family.sire(), 40}, {family.dam(), 52}};
    for (int race = 0; race < 3; ++race) {
        RaceRecord record;
        record.id_hodowli = family.loftId;
        record.miejscowosc = u"Gniezno"_s;
        record.odleglosckm = 250 + 20 * race;
        record.czasodlotu = ComposeLocalTime(2025, 5, 4 + 7 * race, 7, 0, 0);
        Check(data.SaveRace(-1, record), "A race could not be stored");
        for (const auto& [pigeon, place] : placings) {
            FlyerRecord flyer;
            flyer.id_lotu = record.id;
            flyer.id_hodowli = family.loftId;
            flyer.id_golebia = pigeon;
            flyer.nr_konkursu = place + race;
            flyer.DataCzasPrzylotu = record.czasodlotu + 4 * 3600 + place * 40;
            Check(data.SaveFlyer(-1, flyer), "A race entry could not be stored");
        }
    }
    return breeding;
}

} // namespace BreedingFixture

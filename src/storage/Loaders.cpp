// SPDX-License-Identifier: GPL-3.0-or-later
// The three loaders. Each reads every table once with SELECT * and sorts rows into place in
// memory: a query per pair or per race costs seconds on a large loft.

#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/Schema.h"
#include "storage/Velocity.h"

#include <QScopeGuard>

#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

// Keeps the first failure of a load while the remaining tables are still read.
class LoadStatus {
public:
    void Note(const DbResult& result) {
        if (m_result.ok() && !result.ok())
            m_result = result;
    }
    void NoteSession(const DbSession& session) {
        if (session.LastErrorCode() != 0)
            Note(ResultOfFailure(session));
    }
    const DbResult& Result() const { return m_result; }

private:
    DbResult m_result = DbResult::Done();
};

// A failed read names the file, so that the user knows which one is damaged or unreadable.
DbResult ReadResult(const DbResult& result, const QString& path) {
    if (result.ok())
        return result;
    return DbResult::Failed(u"The file %1 could not be read: %2"_s.arg(path, result.message()));
}

template <typename RowFn>
void ForEachRow(DbSession& session, const QString& sql, LoadStatus& status, RowFn&& row) {
    if (session.Query(sql)) {
        for (; session.HasRow(); session.Next())
            row(session);
    }
    status.NoteSession(session);
}

bool TableExists(DbSession& session, const QString& table) {
    return session.Query(u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?;"_s,
                         {table}) &&
           session.HasRow();
}

PigeonRecord ReadPigeon(const DbSession& s) {
    PigeonRecord p;
    p.id = s.Int(0);
    p.idLoft = s.Int(1);
    p.name = s.Text(2);
    p.country = s.Text(3);
    p.branch = s.Text(4);
    p.year = s.Text(5);
    p.ringNumber = s.Text(6);
    p.genotype = s.Text(7);
    p.phenotype = s.Text(8);
    p.idDam = s.Int(9);
    p.idSire = s.Int(10);
    p.idOwner = s.Int(11);
    p.idBreeder = s.Int(12);
    p.idVariety = s.Int(13);
    p.idLine = s.Int(14);
    p.idEyeColour = s.Int(15);
    p.idColour = s.Int(16);
    p.sex = s.Int(17);
    p.idStatus = s.Int(18);
    p.ratingOverall = s.Int(19);
    p.ratingHealth = s.Int(20);
    p.ratingPlumage = s.Int(21);
    p.ratingRacing = s.Int(22);
    p.dateAdded = s.Int64(26);
    p.dateOfBirth = s.Int64(27);
    p.datePurchased = s.Int64(28);
    p.dateSold = s.Int64(29);
    p.dateLeft = s.Int64(30);
    p.pedigreeNote0 = s.Text(32);
    p.pedigreeNote1 = s.Text(33);
    p.pedigreeNote2 = s.Text(34);
    p.pedigreeNote3 = s.Text(35);
    p.pedigreeNote4 = s.Text(36);
    p.notesGeneral = s.Text(40);
    p.notesAppearance = s.Text(41);
    p.notesDiseases = s.Text(42);
    p.notesProblems = s.Text(43);
    p.notesF = s.Text(45);
    p.shortDescription = s.Text(47);
    p.BandLabel = BandLabel(p);
    return p;
}

TransactionRecord ReadTransaction(const DbSession& s) {
    TransactionRecord t;
    t.id = s.Int(0);
    t.idLoft = s.Int(1);
    t.idPigeon = s.Int(2);
    t.idClient = s.Int(3);
    t.price = s.Double(4);
    t.currency = s.Int(5);
    t.kind = s.Int(6);
    t.subject = s.Int(7);
    t.date = s.Int64(8);
    t.otherSubject = s.Text(9);
    t.note = s.Text(10);
    return t;
}

PhotoRecord ReadPhoto(const DbSession& s) {
    PhotoRecord p;
    p.id = s.Int(0);
    p.idPigeon = s.Int(1);
    p.idLoft = s.Int(2);
    p.kind = s.Int(3);
    p.category = s.Int(4);
    p.subcategory = s.Int(5);
    p.extension = s.Text(6);
    p.description = s.Text(12);
    return p;
}

DocumentRecord ReadDocument(const DbSession& s) {
    DocumentRecord d;
    d.id = s.Int(0);
    d.idLoft = s.Int(1);
    d.kind = s.Int(2);
    d.idOwner = s.Int(3);
    d.category = s.Int(4);
    d.subcategory = s.Int(5);
    d.extension = s.Text(6);
    d.name = s.Text(7);
    d.description = s.Text(8);
    return d;
}

TreatmentRecord ReadTreatment(const DbSession& s) {
    TreatmentRecord t;
    t.id = s.Int(0);
    t.idLoft = s.Int(1);
    t.kind = s.Int(2);
    t.idPigeon = s.Int(3);
    t.category = s.Int(4);
    t.dateGiven = s.Int64(5);
    t.name = s.Text(7);
    t.dose = s.Text(8);
    t.effect = s.Text(9);
    t.remarks = s.Text(12);
    return t;
}

PairRecord ReadPair(const DbSession& s) {
    PairRecord p;
    p.id = s.Int(0);
    p.idCock = s.Int(1);
    p.idHen = s.Int(2);
    p.idLoft = s.Int(3);
    p.datePaired = s.Int64(9);
    p.dateAdded = s.Int64(12);
    p.sireNote = s.Text(15);
    p.damNote = s.Text(16);
    p.remarks = s.Text(17);
    return p;
}

ChildRecord ReadChild(const DbSession& s) {
    ChildRecord c;
    c.id = s.Int(0);
    c.idPigeon = s.Int(1);
    c.idPair = s.Int(2);
    c.idLoft = s.Int(3);
    c.remarks = s.Text(4);
    c.dateAdded = s.Int64(5);
    return c;
}

RaceRecord ReadRace(const DbSession& s) {
    RaceRecord r;
    r.id = s.Int(0);
    r.id_hodowli = s.Int(1);
    r.typ = s.Int(2);
    r.kategoria = s.Int(4);
    r.kategoria2 = s.Int(5);
    r.odleglosckm = s.Double(7);
    r.odlegloscm = s.Int(8);
    r.liczba_hodowcow = s.Int(9);
    r.golebi_oddzial = s.Int(11);
    r.golebi_sekcja = s.Int(12);
    r.konkursow_oddzial = s.Int(13);
    r.konkursow_sekcja = s.Int(14);
    r.wlozonychgolebi = s.Int(15);
    r.iloscwkonkursie = s.Int(16);
    r.ocena = s.Int(17);
    r.DL_stopnie = s.Int(20);
    r.DL_minuty = s.Int(21);
    r.DL_sekundy = s.Int(22);
    r.SZ_stopnie = s.Int(23);
    r.SZ_minuty = s.Int(24);
    r.SZ_sekundy = s.Int(25);
    r.czas_trwania_konkursu_g = s.Int(26);
    r.czas_trwania_konkursu_m = s.Int(27);
    r.czas_trwania_konkursu_s = s.Int(28);
    r.czasodlotu = s.Int64(29);
    r.czas_pierwszego_w_konk = s.Int64(30);
    r.czas_ostatniego_w_konk = s.Int64(31);
    r.miejscowosc = s.Text(34);
    r.pogodalokalna = s.Text(38);
    r.pogodawmiejscuwypuszczenia = s.Text(39);
    r.notatki = s.Text(40);
    return r;
}

FlyerRecord ReadFlyer(const DbSession& s) {
    FlyerRecord f;
    f.id = s.Int(0);
    f.id_lotu = s.Int(1);
    f.id_hodowli = s.Int(2);
    f.id_golebia = s.Int(3);
    f.DataCzasPrzylotu = s.Int64(4);
    f.nr_konkursu = s.Int(5);
    f.nr_konkursu_sekcja = s.Int(6);
    f.CoefficientOddzialowy = s.Real(7);
    f.CoefficientSekcyjny = s.Real(8);
    f.PunktyOddzial = s.Real(9);
    f.PunktySekcja = s.Real(10);
    f.notatki = s.Text(14);
    return f;
}

ContactRecord ReadContact(const DbSession& s, bool breeder) {
    ContactRecord c;
    c.id = s.Int(0);
    c.loft = s.Int(1);
    c.category = s.Int(2);
    c.subcategory = s.Int(3);
    c.type = s.Int(4);
    c.firstName = s.Text(5);
    c.lastName = s.Text(6);
    c.town = s.Text(7);
    c.street = s.Text(8);
    c.houseNumber = s.Text(9);
    c.phoneHome = s.Text(10);
    c.phoneHome2 = s.Text(11);
    c.phoneMobile = s.Text(12);
    c.phoneMobile2 = s.Text(13);
    c.email = s.Text(14);
    c.www = s.Text(15);
    c.remarks = s.Text(16);
    c.province = s.Int(20);
    c.country = s.Int(21);
    c.postCode = s.Text(22);
    if (breeder)
        c.postCode2 = s.Text(23);
    return c;
}

} // namespace

DbResult AppData::LoadLofts() {
    lofts.clear();
    DbSession& s = runner;
    const auto close = qScopeGuard([&s] { s.Close(); });
    const QString path = PigeonsDbPath();
    if (!s.Open(path))
        return ReadResult(ResultOfFailure(s), path);
    LoadStatus status;
    status.Note(CreateTablesLofts(s));

    std::unordered_map<int, size_t> loftIndex;
    ForEachRow(s, u"SELECT * FROM hodowla;"_s, status, [&](const DbSession& row) {
        LoftRecord loft;
        loft.id = row.Int(0);
        loft.name = row.Text(1);
        loft.description = row.Text(2);
        loftIndex.emplace(loft.id, lofts.size());
        lofts.push_back(std::move(loft));
    });
    ForEachRow(s, u"SELECT * FROM kategoria;"_s, status, [&](const DbSession& row) {
        const auto loft = loftIndex.find(row.Int(2));
        if (loft == loftIndex.end())
            return;
        CategoryRecord category;
        category.id = row.Int(0);
        category.name = row.Text(1);
        category.idLoft = row.Int(2);
        category.description = row.Text(3);
        lofts[loft->second].categories.push_back(std::move(category));
    });
    // The pigeons table comes with the first pigeon load; until then every loft is empty.
    if (TableExists(s, u"pigeons"_s)) {
        ForEachRow(s, u"SELECT id_hodowli, count(*) FROM pigeons GROUP BY id_hodowli;"_s, status,
                   [&](const DbSession& row) {
                       const auto loft = loftIndex.find(row.Int(0));
                       if (loft != loftIndex.end())
                           lofts[loft->second].pigeonCount = row.Int(1);
                   });
    }
    return ReadResult(status.Result(), path);
}

DbResult AppData::LoadPigeons(int loftId) {
    pigeons.clear();
    transactions.clear();
    pairs.clear();
    races.clear();
    DbSession& s = runner;
    const auto close = qScopeGuard([&s] { s.Close(); });
    const QString path = PigeonsDbPath();
    if (!s.Open(path))
        return ReadResult(ResultOfFailure(s), path);
    LoadStatus status;
    status.Note(CreateTablesPigeons(s));

    ForEachRow(s, u"SELECT * FROM pigeons;"_s, status, [&](const DbSession& row) {
        if (row.Int(1) == loftId) {
            PigeonRecord pigeon = ReadPigeon(row);
            const int id = pigeon.id;
            pigeons.insert_or_assign(id, std::move(pigeon));
        }
    });
    ForEachRow(s, u"SELECT * FROM transakcje;"_s, status, [&](const DbSession& row) {
        if (row.Int(1) == loftId) {
            TransactionRecord transaction = ReadTransaction(row);
            const int id = transaction.id;
            transactions.insert_or_assign(id, std::move(transaction));
        }
    });

    // Photos, documents, treatments and entries join a loaded pigeon; never add one.
    std::unordered_map<int, PigeonRecord*> pigeonIndex;
    pigeonIndex.reserve(pigeons.size());
    for (auto& [id, pigeon] : pigeons)
        pigeonIndex.emplace(id, &pigeon);
    const auto pigeonOf = [&pigeonIndex](int id) -> PigeonRecord* {
        if (id < 1)
            return nullptr;
        const auto found = pigeonIndex.find(id);
        return found == pigeonIndex.end() ? nullptr : found->second;
    };
    ForEachRow(s, u"SELECT * FROM zdjecia;"_s, status, [&](const DbSession& row) {
        if (PigeonRecord* pigeon = pigeonOf(row.Int(1)))
            pigeon->photos.push_back(ReadPhoto(row));
    });
    ForEachRow(s, u"SELECT * FROM dokumenty;"_s, status, [&](const DbSession& row) {
        if (PigeonRecord* pigeon = pigeonOf(row.Int(3)))
            pigeon->documents.push_back(ReadDocument(row));
    });
    ForEachRow(s, u"SELECT * FROM lekisuplementy;"_s, status, [&](const DbSession& row) {
        if (PigeonRecord* pigeon = pigeonOf(row.Int(3)))
            pigeon->treatments.push_back(ReadTreatment(row));
    });

    std::unordered_map<int, size_t> pairIndex;
    ForEachRow(s, u"SELECT * FROM pary;"_s, status, [&](const DbSession& row) {
        if (row.Int(3) == loftId) {
            pairIndex.emplace(row.Int(0), pairs.size());
            pairs.push_back(ReadPair(row));
        }
    });
    ForEachRow(s, u"SELECT * FROM dzieci;"_s, status, [&](const DbSession& row) {
        const auto pair = pairIndex.find(row.Int(2));
        if (pair != pairIndex.end())
            pairs[pair->second].children.push_back(ReadChild(row));
    });

    std::unordered_map<int, size_t> raceIndex;
    ForEachRow(s, u"SELECT * FROM loty;"_s, status, [&](const DbSession& row) {
        raceIndex.emplace(row.Int(0), races.size());
        races.push_back(ReadRace(row));
    });
    // Entries are gathered per race first so that the totals add up in race order, the order
    // every screen walks them in.
    std::vector<std::vector<FlyerRecord>> entries(races.size());
    ForEachRow(s, u"SELECT * FROM lotniki;"_s, status, [&](const DbSession& row) {
        const auto race = raceIndex.find(row.Int(1));
        if (race == raceIndex.end())
            return;
        if (row.Int(2) != loftId && !pigeonOf(row.Int(3)))
            return;
        entries[race->second].push_back(ReadFlyer(row));
    });
    for (size_t i = 0; i < races.size(); ++i) {
        RaceRecord& race = races[i];
        for (FlyerRecord& flyer : entries[i]) {
            if (PigeonRecord* pigeon = pigeonOf(flyer.id_golebia))
                CountInTotals(*pigeon, race, flyer, 1);
            if (flyer.id_hodowli == loftId)
                race.flyers.push_back(std::move(flyer));
        }
        std::vector<FlyerRecord>().swap(entries[i]);
    }
    return ReadResult(status.Result(), path);
}

DbResult AppData::LoadExtra(int loftId) {
    notes.clear();
    clients.clear();
    breeders.clear();
    seasons.clear();
    for (Lookup lookup : {Lookup::Colours, Lookup::Varieties, Lookup::Lines, Lookup::EyeColours,
                          Lookup::Statuses}) {
        LookupMap& map = LookupMapOf(lookup);
        map.clear();
        map[0] = u" "_s;
    }
    DbSession& s = runner;
    const auto close = qScopeGuard([&s] { s.Close(); });
    const QString path = ExtraDbPath();
    if (!s.Open(path))
        return ReadResult(ResultOfFailure(s), path);
    LoadStatus status;
    status.Note(CreateTablesExtra(s));

    const auto readLookup = [&](Lookup lookup, int nameColumn) {
        LookupMap& map = LookupMapOf(lookup);
        ForEachRow(s, u"SELECT * FROM "_s + LookupTable(lookup) + u';', status,
                   [&](const DbSession& row) {
                       // Id 0 stands for "none" and always shows as a blank.
                       if (const int id = row.Int(0); id != 0)
                           map[id] = row.Text(nameColumn);
                   });
    };
    readLookup(Lookup::Colours, 2);
    readLookup(Lookup::Varieties, 2);
    readLookup(Lookup::Lines, 3);
    readLookup(Lookup::EyeColours, 3);
    readLookup(Lookup::Statuses, 2);

    ForEachRow(s, u"SELECT * FROM notatki;"_s, status, [&](const DbSession& row) {
        if (row.Int(1) == loftId)
            notes.push_back({row.Int(0), row.Int(1), row.Text(2), row.Text(3)});
    });
    ForEachRow(s, u"SELECT * FROM sezonylegowe;"_s, status, [&](const DbSession& row) {
        seasons.push_back(
            {row.Int(0), row.Int(1), row.Text(2), row.Text(3), row.Int64(4), row.Int64(5)});
    });
    ForEachRow(s, u"SELECT * FROM klienci;"_s, status, [&](const DbSession& row) {
        clients.insert_or_assign(row.Int(0), ReadContact(row, false));
    });
    ForEachRow(s, u"SELECT * FROM hodowcy;"_s, status, [&](const DbSession& row) {
        breeders.insert_or_assign(row.Int(0), ReadContact(row, true));
    });
    return ReadResult(status.Result(), path);
}

DbResult AppData::ReadCategoryMembers(int categoryId, std::vector<int>& pigeonIds) {
    pigeonIds.clear();
    DbSession& s = runner;
    const auto close = qScopeGuard([&s] { s.Close(); });
    const QString path = PigeonsDbPath();
    if (!s.Open(path))
        return ReadResult(ResultOfFailure(s), path);
    if (!s.Query(u"SELECT id_golebia FROM kategoria_id WHERE id_kategorii = ? ORDER BY id;"_s,
                 {categoryId}))
        return ReadResult(ResultOfFailure(s), path);
    for (; s.HasRow(); s.Next())
        pigeonIds.push_back(s.Int(0));
    return s.LastErrorCode() == 0 ? DbResult::Done() : ReadResult(ResultOfFailure(s), path);
}

DbResult AppData::ReadBirdList(std::vector<int>& pigeonIds) {
    pigeonIds.clear();
    DbSession& s = runner;
    const auto close = qScopeGuard([&s] { s.Close(); });
    const QString path = ExtraDbPath();
    if (!s.Open(path))
        return ReadResult(ResultOfFailure(s), path);
    if (!s.Query(u"SELECT id_golebia FROM ild ORDER BY id;"_s))
        return ReadResult(ResultOfFailure(s), path);
    for (; s.HasRow(); s.Next())
        pigeonIds.push_back(s.Int(0));
    return s.LastErrorCode() == 0 ? DbResult::Done() : ReadResult(ResultOfFailure(s), path);
}

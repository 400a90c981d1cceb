// The writers. Values are always bound; column lists and their order are those every stored
// file has been written with.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/PigeonLinks.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <span>

using namespace Qt::StringLiterals;

namespace {

struct Field {
    const char16_t* column;
    SqlValue value;
};
using Fields = std::vector<Field>;
using Columns = std::vector<const char16_t*>;

const SqlValue& ValueOf(const Fields& fields, const char16_t* column) {
    const auto found = std::find_if(fields.begin(), fields.end(), [column](const Field& f) {
        return QStringView(f.column) == QStringView(column);
    });
    Q_ASSERT_X(found != fields.end(), "ValueOf", "a column without a value");
    static const SqlValue kNull;
    return found == fields.end() ? kNull : found->value;
}

QString InsertSql(QStringView table, const Columns& columns) {
    QStringList names;
    QStringList marks;
    for (const char16_t* column : columns) {
        names.append(QString::fromUtf16(column));
        marks.append(u"?"_s);
    }
    return u"INSERT INTO "_s + table.toString() + u'(' + names.join(u", "_s) + u") VALUES ( "_s +
           marks.join(u", "_s) + u" );"_s;
}

QString UpdateSql(QStringView table, const Columns& columns) {
    QStringList sets;
    for (const char16_t* column : columns)
        sets.append(QString::fromUtf16(column) + u" = ?"_s);
    return u"UPDATE "_s + table.toString() + u" SET "_s + sets.join(u", "_s) + u" WHERE id = ?;"_s;
}

SqlValues ValuesFor(const Fields& fields, const Columns& columns) {
    SqlValues values;
    values.reserve(columns.size() + 1);
    for (const char16_t* column : columns)
        values.push_back(ValueOf(fields, column));
    return values;
}

// Runs a statement on a connection opened for this one operation.
DbResult RunOnce(DbSession& session, const QString& path, const QString& sql,
                 const SqlValues& values, int* newId = nullptr) {
    const auto close = qScopeGuard([&session] { session.Close(); });
    if (!session.Open(path))
        return ResultOfFailure(session);
    DbResult result = session.Run(sql, values);
    if (newId)
        *newId = result.ok() ? session.LastInsertId() : 0;
    return result;
}

DbResult NotStored() {
    return DbResult::Failed(u"The record has not been stored yet."_s);
}

DbResult RowMissing() {
    return DbResult::Failed(u"The record is no longer in the database."_s);
}

// The shared convention: -1 inserts, the record's id updates, -2 deletes, anything else writes
// nothing. An update that matches no row is a failure: the screen must not show it as stored.
DbResult SaveRow(DbSession& session, const QString& path, QStringView table, int mode, int& id,
                 const Fields& fields, const Columns& insertColumns, const Columns& updateColumns) {
    if (mode == -1) {
        int newId = 0;
        DbResult result = RunOnce(session, path, InsertSql(table, insertColumns),
                                  ValuesFor(fields, insertColumns), &newId);
        id = newId;
        return result;
    }
    if (mode > 0) {
        const auto close = qScopeGuard([&session] { session.Close(); });
        if (!session.Open(path))
            return ResultOfFailure(session);
        SqlValues values = ValuesFor(fields, updateColumns);
        values.emplace_back(id);
        if (DbResult result = session.Run(UpdateSql(table, updateColumns), values); !result.ok())
            return result;
        return session.Changes() > 0 ? DbResult::Done() : RowMissing();
    }
    if (mode == -2)
        return RunOnce(session, path, u"DELETE FROM "_s + table.toString() + u" WHERE id = ?;"_s,
                       {id});
    return NotStored();
}

Fields ChildFields(const ChildRecord& child) {
    return {{u"uwagi", child.remarks},
            {u"id_golebia", child.idPigeon},
            {u"id_pary", child.idPair},
            {u"id_hodowli", child.idLoft},
            {u"DataDodania", child.dateAdded}};
}

Fields PigeonFields(const PigeonRecord& p) {
    return {
        {u"nazwa", p.name},
        {u"id_hodowli", p.idLoft},
        {u"id_matki", p.idDam},
        {u"id_ojca", p.idSire},
        {u"id_wlasciciela", p.idOwner},
        {u"id_hodowcy", p.idBreeder},
        {u"id_rasy", p.idVariety},
        {u"id_linia", p.idLine},
        {u"id_koloroka", p.idEyeColour},
        {u"plec", p.sex},
        {u"id_statusu", p.idStatus},
        {u"id_koloru", p.idColour},
        {u"ocena_ogolna", p.ratingOverall},
        {u"ocena_zdrowia", p.ratingHealth},
        {u"ocena_upierzenia", p.ratingPlumage},
        {u"ocena_lotowa", p.ratingRacing},
        {u"nr_obraczki", p.ringNumber},
        {u"kraj", p.country},
        {u"oddzial", p.branch},
        {u"rocznik", p.year},
        {u"genotyp", p.genotype},
        {u"fenotyp", p.phenotype},
        {u"notatkiogolne", p.notesGeneral},
        {u"notatkicechywygladu", p.notesAppearance},
        {u"notatkichoroby", p.notesDiseases},
        {u"notatkiproblemy", p.notesProblems},
        {u"notatkif", p.notesF},
        {u"NotatkaRodowodowa0", p.pedigreeNote0},
        {u"NotatkaRodowodowa1", p.pedigreeNote1},
        {u"NotatkaRodowodowa2", p.pedigreeNote2},
        {u"NotatkaRodowodowa3", p.pedigreeNote3},
        {u"NotatkaRodowodowa4", p.pedigreeNote4},
        {u"DataDodania", p.dateAdded},
        {u"DataKupna", p.datePurchased},
        {u"DataSprzedazy", p.dateSold},
        {u"DataUrodzenia", p.dateOfBirth},
        {u"DataOdejscia", p.dateLeft},
    };
}

Fields ContactFields(const ContactRecord& c) {
    return {
        {u"imie", c.firstName},
        {u"nazwisko", c.lastName},
        {u"miejscowosc", c.town},
        {u"ulica", c.street},
        {u"nrdomu", c.houseNumber},
        {u"teldom", c.phoneHome},
        {u"teldom2", c.phoneHome2},
        {u"telkom", c.phoneMobile},
        {u"telkom2", c.phoneMobile2},
        {u"email", c.email},
        {u"adreswww", c.www},
        {u"kodpocztowy", c.postCode},
        {u"kod2", c.postCode2},
        {u"uwagi", c.remarks},
        {u"hodowla", c.loft},
        {u"kategoria", c.category},
        {u"subkategoria", c.subcategory},
        {u"typ", c.type},
        {u"wojewodztwo", c.province},
        {u"kraj", c.country},
    };
}

const Columns& PigeonInsertColumns() {
    static const Columns columns{u"nazwa",
                                 u"id_hodowli",
                                 u"id_matki",
                                 u"id_ojca",
                                 u"id_wlasciciela",
                                 u"id_hodowcy",
                                 u"id_rasy",
                                 u"id_linia",
                                 u"id_koloroka",
                                 u"plec",
                                 u"id_statusu",
                                 u"id_koloru",
                                 u"ocena_ogolna",
                                 u"ocena_zdrowia",
                                 u"ocena_upierzenia",
                                 u"ocena_lotowa",
                                 u"nr_obraczki",
                                 u"kraj",
                                 u"oddzial",
                                 u"rocznik",
                                 u"genotyp",
                                 u"fenotyp",
                                 u"notatkiogolne",
                                 u"notatkicechywygladu",
                                 u"notatkichoroby",
                                 u"notatkiproblemy",
                                 u"NotatkaRodowodowa0",
                                 u"NotatkaRodowodowa1",
                                 u"NotatkaRodowodowa2",
                                 u"NotatkaRodowodowa3",
                                 u"NotatkaRodowodowa4",
                                 u"DataDodania",
                                 u"DataKupna",
                                 u"DataSprzedazy",
                                 u"DataUrodzenia",
                                 u"DataOdejscia"};
    return columns;
}

const Columns& PigeonUpdateColumns() {
    static const Columns columns{u"nazwa",
                                 u"kraj",
                                 u"oddzial",
                                 u"nr_obraczki",
                                 u"rocznik",
                                 u"genotyp",
                                 u"fenotyp",
                                 u"id_matki",
                                 u"id_ojca",
                                 u"id_wlasciciela",
                                 u"id_hodowcy",
                                 u"id_rasy",
                                 u"id_linia",
                                 u"id_koloroka",
                                 u"plec",
                                 u"id_statusu",
                                 u"ocena_ogolna",
                                 u"ocena_zdrowia",
                                 u"ocena_upierzenia",
                                 u"ocena_lotowa",
                                 u"NotatkaRodowodowa0",
                                 u"NotatkaRodowodowa1",
                                 u"NotatkaRodowodowa2",
                                 u"NotatkaRodowodowa3",
                                 u"NotatkaRodowodowa4",
                                 u"id_koloru",
                                 u"notatkiogolne",
                                 u"notatkicechywygladu",
                                 u"notatkichoroby",
                                 u"notatkiproblemy",
                                 u"notatkif",
                                 u"DataKupna",
                                 u"DataSprzedazy",
                                 u"DataUrodzenia",
                                 u"DataOdejscia"};
    return columns;
}

// Clients and breeders share their columns; a breeder has a second post code after the first.
// An update leaves the classification columns as they were inserted.
Columns ContactColumns(bool breeder, bool forInsert) {
    Columns columns{u"imie",    u"nazwisko", u"miejscowosc", u"ulica", u"nrdomu",   u"teldom",
                    u"teldom2", u"telkom",   u"telkom2",     u"email", u"adreswww", u"kodpocztowy"};
    if (breeder)
        columns.push_back(u"kod2");
    columns.push_back(u"uwagi");
    if (forInsert)
        columns.insert(columns.end(), {u"hodowla", u"kategoria", u"subkategoria", u"typ",
                                       u"wojewodztwo", u"kraj"});
    return columns;
}

// Every list of contacts (the managers, the transaction editor, the pigeon editor's breeder and
// owner) reads the maps, so a stored change is seen everywhere at once.
void MirrorContact(std::map<int, ContactRecord>& book, int mode, const ContactRecord& contact,
                   const DbResult& result) {
    if (!result.ok())
        return;
    if (mode == -2)
        book.erase(contact.id);
    else if (contact.id >= 1)
        book.insert_or_assign(contact.id, contact);
}

} // namespace

DbResult AppData::SavePigeon(int mode, PigeonRecord& pigeon) {
    if (mode == -2)
        return DeletePigeon(pigeon.id);
    if (mode == -1) {
        const DbResult result = AddPigeonToCategory(pigeon, 0);
        if (!result.ok())
            pigeon.id = 0;
        return result;
    }
    const DbResult result =
        SaveRow(runner, PigeonsDbPath(), u"pigeons", mode, pigeon.id, PigeonFields(pigeon),
                PigeonInsertColumns(), PigeonUpdateColumns());
    if (result.ok() && pigeon.id >= 1) {
        pigeon.BandLabel = BandLabel(pigeon);
        pigeons.insert_or_assign(pigeon.id, pigeon);
    }
    return result;
}

// Every new pigeon enters here. Its id is chosen, not left to SQLite, which would hand out the
// id of a deleted pigeon again and with it the rows that still name that pigeon.
DbResult AppData::InsertPigeonsInCategory(std::vector<PigeonRecord>& added, int categoryId,
                                          const InsertTail& tail) {
    {
        DbSession extra;
        const auto close = qScopeGuard([this] { runner.Close(); });
        if (!runner.Open(PigeonsDbPath()))
            return ResultOfFailure(runner);
        DbTransaction transaction(runner);
        if (!transaction.Begun())
            return ResultOfFailure(runner);
        int nextId = 0;
        // An import of entries alone adds no pigeon, and needs no id.
        if (!added.empty())
            if (DbResult r =
                    FirstFreePigeonId(runner, extra, static_cast<int>(added.size()), nextId);
                !r.ok())
                return r;
        Columns columns{u"id"};
        columns.insert(columns.end(), PigeonInsertColumns().begin(), PigeonInsertColumns().end());
        const QString insert = InsertSql(u"pigeons", columns);
        const QString link =
            u"INSERT INTO kategoria_id (id_kategorii, id_golebia) VALUES ( ?, ? );"_s;
        for (PigeonRecord& pigeon : added) {
            pigeon.id = nextId++;
            Fields fields = PigeonFields(pigeon);
            fields.push_back({u"id", pigeon.id});
            if (DbResult r = runner.Run(insert, ValuesFor(fields, columns)); !r.ok())
                return r;
            if (categoryId < 1)
                continue;
            if (DbResult r = runner.Run(link, {categoryId, pigeon.id}); !r.ok())
                return r;
        }
        if (tail)
            if (DbResult r = tail(runner, added); !r.ok())
                return r;
        if (DbResult r = transaction.Commit(); !r.ok())
            return r;
    }
    for (PigeonRecord& pigeon : added) {
        pigeon.BandLabel = BandLabel(pigeon);
        pigeons.insert_or_assign(pigeon.id, pigeon);
    }
    return DbResult::Done();
}

DbResult AppData::AddPigeonToCategory(PigeonRecord& pigeon, int categoryId) {
    std::vector<PigeonRecord> added{pigeon};
    added.front().id = -1;
    DbResult result = InsertPigeonsInCategory(added, categoryId);
    if (result.ok())
        pigeon = added.front();
    return result;
}

DbResult AppData::AddPigeonsWith(std::vector<PigeonRecord>& added, int categoryId,
                                 const InsertTail& tail) {
    for (PigeonRecord& pigeon : added)
        pigeon.id = -1;
    return InsertPigeonsInCategory(added, categoryId, tail);
}

DbResult AppData::AddRingSeries(const PigeonRecord& model, qint64 first, qint64 last,
                                int categoryId, std::vector<int>& newIds) {
    newIds.clear();
    // Counted rather than compared with last, so that a series ending at the largest number
    // still ends.
    if (first < 0 || last < first || last - first >= kMaxRingSeries)
        return DbResult::Failed(
            u"A series holds 1 to %1 rings in ascending order."_s.arg(kMaxRingSeries));
    std::vector<PigeonRecord> added;
    for (qint64 i = 0; i <= last - first; ++i) {
        added.push_back(model);
        added.back().ringNumber = QString::number(first + i);
    }
    DbResult result = InsertPigeonsInCategory(added, categoryId);
    if (result.ok())
        for (const PigeonRecord& pigeon : added)
            newIds.push_back(pigeon.id);
    return result;
}

DbResult AppData::SaveLoft(int mode, LoftRecord& loft) {
    const Fields fields{{u"nazwahodowli", loft.name}, {u"opishodowli", loft.description}};
    return SaveRow(runner, PigeonsDbPath(), u"hodowla", mode, loft.id, fields,
                   {u"nazwahodowli", u"opishodowli"}, {u"nazwahodowli", u"opishodowli"});
}

DbResult AppData::SaveCategory(int mode, CategoryRecord& category) {
    const Fields fields{{u"nazwakategorii", category.name},
                        {u"opiskategorii", category.description},
                        {u"id_hodowli", category.idLoft}};
    return SaveRow(runner, PigeonsDbPath(), u"kategoria", mode, category.id, fields,
                   {u"nazwakategorii", u"opiskategorii", u"id_hodowli"},
                   {u"nazwakategorii", u"opiskategorii"});
}

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

DbResult AppData::SaveRace(int mode, RaceRecord& race) {
    const RaceRecord& r = race;
    const Fields fields{
        {u"miejscowosc", r.miejscowosc},
        {u"pogodawmiejscuwypuszczenia", r.pogodawmiejscuwypuszczenia},
        {u"pogodalokalna", r.pogodalokalna},
        {u"notatki", r.notatki},
        {u"id_hodowli", r.id_hodowli},
        {u"czasodlotu", r.czasodlotu},
        {u"czas_pierwszego_w_konk", r.czas_pierwszego_w_konk},
        {u"czas_ostatniego_w_konk", r.czas_ostatniego_w_konk},
        {u"typ", r.typ},
        {u"kategoria", r.kategoria},
        {u"kategoria2", r.kategoria2},
        {u"odleglosckm", r.odleglosckm},
        {u"odlegloscm", r.odlegloscm},
        {u"liczba_hodowcow", r.liczba_hodowcow},
        {u"golebi_oddzial", r.golebi_oddzial},
        {u"golebi_sekcja", r.golebi_sekcja},
        {u"konkursow_oddzial", r.konkursow_oddzial},
        {u"konkursow_sekcja", r.konkursow_sekcja},
        {u"wlozonychgolebi", r.wlozonychgolebi},
        {u"iloscwkonkursie", r.iloscwkonkursie},
        {u"DL_stopnie", r.DL_stopnie},
        {u"DL_minuty", r.DL_minuty},
        {u"DL_sekundy", r.DL_sekundy},
        {u"SZ_stopnie", r.SZ_stopnie},
        {u"SZ_minuty", r.SZ_minuty},
        {u"SZ_sekundy", r.SZ_sekundy},
        {u"czas_trwania_konkursu_g", r.czas_trwania_konkursu_g},
        {u"czas_trwania_konkursu_m", r.czas_trwania_konkursu_m},
        {u"czas_trwania_konkursu_s", r.czas_trwania_konkursu_s},
    };
    // Insert and update write the same columns in the same order.
    const Columns columns{u"miejscowosc",
                          u"pogodawmiejscuwypuszczenia",
                          u"pogodalokalna",
                          u"notatki",
                          u"id_hodowli",
                          u"czasodlotu",
                          u"czas_pierwszego_w_konk",
                          u"czas_ostatniego_w_konk",
                          u"typ",
                          u"kategoria",
                          u"kategoria2",
                          u"odleglosckm",
                          u"odlegloscm",
                          u"liczba_hodowcow",
                          u"golebi_oddzial",
                          u"golebi_sekcja",
                          u"konkursow_oddzial",
                          u"konkursow_sekcja",
                          u"wlozonychgolebi",
                          u"iloscwkonkursie",
                          u"DL_stopnie",
                          u"DL_minuty",
                          u"DL_sekundy",
                          u"SZ_stopnie",
                          u"SZ_minuty",
                          u"SZ_sekundy",
                          u"czas_trwania_konkursu_g",
                          u"czas_trwania_konkursu_m",
                          u"czas_trwania_konkursu_s"};
    const int id = race.id;
    const DbResult result =
        SaveRow(runner, PigeonsDbPath(), u"loty", mode, race.id, fields, columns, columns);
    if (mode == -1 && race.id < 1)
        race.id = -1;
    if (result.ok() && mode == -2)
        std::erase_if(races, [id](const RaceRecord& x) { return x.id == id; });
    return result;
}

DbResult AppData::SaveFlyer(int mode, FlyerRecord& flyer) {
    const Fields fields{{u"notatki", flyer.notatki},
                        {u"id_lotu", flyer.id_lotu},
                        {u"id_hodowli", flyer.id_hodowli},
                        {u"id_golebia", flyer.id_golebia},
                        {u"DataCzasPrzylotu", flyer.DataCzasPrzylotu},
                        {u"nr_konkursu", flyer.nr_konkursu},
                        {u"nr_konkursu_sekcja", flyer.nr_konkursu_sekcja},
                        {u"CoefficientOddzialowy", flyer.CoefficientOddzialowy},
                        {u"CoefficientSekcyjny", flyer.CoefficientSekcyjny},
                        {u"PunktyOddzial", flyer.PunktyOddzial},
                        {u"PunktySekcja", flyer.PunktySekcja}};
    return SaveRow(runner, PigeonsDbPath(), u"lotniki", mode, flyer.id, fields,
                   {u"notatki", u"id_lotu", u"id_hodowli", u"id_golebia", u"DataCzasPrzylotu",
                    u"nr_konkursu", u"nr_konkursu_sekcja", u"CoefficientOddzialowy",
                    u"CoefficientSekcyjny", u"PunktyOddzial", u"PunktySekcja"},
                   {u"notatki", u"nr_konkursu", u"nr_konkursu_sekcja", u"CoefficientOddzialowy",
                    u"CoefficientSekcyjny", u"PunktyOddzial", u"PunktySekcja",
                    u"DataCzasPrzylotu"});
}

DbResult AppData::SaveTreatment(int mode, TreatmentRecord& treatment) {
    const Fields fields{{u"uwagi", treatment.remarks},      {u"id_golebia", treatment.idPigeon},
                        {u"id_hodowli", treatment.idLoft},  {u"rodzaj", treatment.kind},
                        {u"kategoria", treatment.category}, {u"data_podania", treatment.dateGiven},
                        {u"nazwa", treatment.name},         {u"dawka", treatment.dose},
                        {u"dzialanie", treatment.effect}};
    return SaveRow(runner, PigeonsDbPath(), u"lekisuplementy", mode, treatment.id, fields,
                   {u"uwagi", u"id_golebia", u"id_hodowli", u"rodzaj", u"kategoria",
                    u"data_podania", u"nazwa", u"dawka", u"dzialanie"},
                   {u"uwagi", u"nazwa", u"dawka", u"dzialanie", u"kategoria", u"data_podania"});
}

DbResult AppData::SaveTransaction(int mode, TransactionRecord& transaction) {
    const TransactionRecord& t = transaction;
    const Fields fields{{u"id_golebia", t.idPigeon},
                        {u"id_hodowli", t.idLoft},
                        {u"id_klienta", t.idClient},
                        {u"not1", t.note},
                        {u"waluta", t.currency},
                        {u"cena", t.price},
                        {u"rodzajtransakcji", t.kind},
                        {u"przedmiottransakcji", t.subject},
                        {u"data", t.date},
                        {u"innyprzedmiottransakcji", t.otherSubject}};
    const DbResult result =
        SaveRow(runner, PigeonsDbPath(), u"transakcje", mode, transaction.id, fields,
                {u"id_golebia", u"id_hodowli", u"id_klienta", u"not1", u"waluta", u"cena",
                 u"rodzajtransakcji", u"przedmiottransakcji", u"data", u"innyprzedmiottransakcji"},
                {u"not1", u"innyprzedmiottransakcji", u"id_golebia", u"id_klienta", u"waluta",
                 u"cena", u"rodzajtransakcji", u"przedmiottransakcji", u"data"});
    if (!result.ok())
        return result;
    if (mode == -2)
        transactions.erase(transaction.id);
    else if (transaction.id >= 1)
        transactions.insert_or_assign(transaction.id, transaction);
    return result;
}

DbResult AppData::SaveClient(int mode, ContactRecord& client) {
    const DbResult result =
        SaveRow(runner, ExtraDbPath(), u"klienci", mode, client.id, ContactFields(client),
                ContactColumns(false, true), ContactColumns(false, false));
    MirrorContact(clients, mode, client, result);
    return result;
}

DbResult AppData::SaveBreeder(int mode, ContactRecord& breeder) {
    const DbResult result =
        SaveRow(runner, ExtraDbPath(), u"hodowcy", mode, breeder.id, ContactFields(breeder),
                ContactColumns(true, true), ContactColumns(true, false));
    MirrorContact(breeders, mode, breeder, result);
    return result;
}

DbResult AppData::AddCategoryLink(int categoryId, int pigeonId) {
    return RunOnce(runner, PigeonsDbPath(),
                   u"INSERT INTO kategoria_id (id_kategorii, id_golebia) VALUES ( ?, ? );"_s,
                   {categoryId, pigeonId});
}

DbResult AppData::RemoveCategoryLink(int categoryId, int pigeonId) {
    return RunOnce(runner, PigeonsDbPath(),
                   u"DELETE FROM kategoria_id WHERE id_kategorii = ? AND id_golebia = ?;"_s,
                   {categoryId, pigeonId});
}

DbResult AppData::MoveCategoryLink(int pigeonId, int fromCategoryId, int toCategoryId) {
    // Moving into the same category would add a link and then drop every link of the pair.
    if (fromCategoryId == toCategoryId)
        return DbResult::Failed(u"The pigeon is already in this category."_s);
    const auto close = qScopeGuard([this] { runner.Close(); });
    if (!runner.Open(PigeonsDbPath()))
        return ResultOfFailure(runner);
    DbTransaction transaction(runner);
    if (!transaction.Begun())
        return ResultOfFailure(runner);
    if (DbResult r =
            runner.Run(u"INSERT INTO kategoria_id (id_kategorii, id_golebia) VALUES ( ?, ? );"_s,
                       {toCategoryId, pigeonId});
        !r.ok())
        return r;
    if (DbResult r =
            runner.Run(u"DELETE FROM kategoria_id WHERE id_kategorii = ? AND id_golebia = ?;"_s,
                       {fromCategoryId, pigeonId});
        !r.ok())
        return r;
    return transaction.Commit();
}

DbResult AppData::AddToBirdList(int pigeonId) {
    return RunOnce(runner, ExtraDbPath(), u"INSERT INTO ild(id_golebia) VALUES ( ? );"_s,
                   {pigeonId});
}

DbResult AppData::RemoveFromBirdList(int pigeonId) {
    return RunOnce(runner, ExtraDbPath(), u"DELETE FROM ild WHERE id_golebia = ?;"_s, {pigeonId});
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

DbResult AppData::AddLookup(Lookup lookup, int loftId, const QString& name, int* newId) {
    int id = 0;
    const DbResult result =
        RunOnce(runner, ExtraDbPath(),
                u"INSERT INTO "_s + LookupTable(lookup) + u"(nazwa, id_hodowli) VALUES ( ?, ? );"_s,
                {name, loftId}, &id);
    if (result.ok() && id >= 1)
        LookupMapOf(lookup)[id] = name;
    if (newId)
        *newId = id;
    return result;
}

DbResult AppData::DeleteLookup(Lookup lookup, int id) {
    DbResult result = RunOnce(runner, ExtraDbPath(),
                              u"DELETE FROM "_s + LookupTable(lookup) + u" WHERE id = ?;"_s, {id});
    // The blank entry stands for "none" and stays whatever the table holds.
    if (result.ok() && id != 0)
        LookupMapOf(lookup).erase(id);
    return result;
}

DbResult AppData::AddNote(NoteRecord& note) {
    const DbResult result =
        RunOnce(runner, ExtraDbPath(),
                u"INSERT INTO notatki(nazwa, opis, id_hodowli, kategoria, f1, f2, f3) "
                u"VALUES ( ?, ?, ?, 0, 0, 0, 0 );"_s,
                {note.name, note.description, note.idLoft}, &note.id);
    if (result.ok() && note.id >= 1)
        notes.push_back(note);
    return result;
}

DbResult AppData::DeleteNote(const NoteRecord& note) {
    DbResult result =
        RunOnce(runner, ExtraDbPath(), u"DELETE FROM notatki WHERE id = ?;"_s, {note.id});
    // The body is removed only once its row is gone, so a failed delete loses nothing.
    if (result.ok())
        QFile::remove(NotePath(note.id));
    return result;
}

DbResult AppData::DeletePigeon(int id) {
    if (pigeons.count(id))
        return DeletePigeonWithAttachments(id);
    DbResult result =
        RunOnce(runner, PigeonsDbPath(), u"DELETE FROM pigeons WHERE id = ?;"_s, {id});
    if (result.ok())
        pigeons.erase(id);
    return result;
}

DbResult AppData::DeletePigeonWithAttachments(int pigeonId) {
    const auto found = pigeons.find(pigeonId);
    if (found == pigeons.end())
        return RowMissing();
    PigeonRecord& pigeon = found->second;
    const QString band = BandLabel(pigeon);
    QStringList files;
    {
        const auto close = qScopeGuard([this] { runner.Close(); });
        if (!runner.Open(PigeonsDbPath()))
            return ResultOfFailure(runner);
        DbTransaction transaction(runner);
        if (!transaction.Begun())
            return ResultOfFailure(runner);
        const auto run = [this](const QString& sql, const SqlValues& values) {
            return runner.Run(sql, values);
        };
        if (DbResult r = run(u"DELETE FROM lekisuplementy WHERE id_golebia = ?;"_s, {pigeonId});
            !r.ok())
            return r;
        for (PhotoRecord& photo : pigeon.photos) {
            if (DbResult r = run(u"DELETE FROM zdjecia WHERE id = ?;"_s, {photo.id}); !r.ok())
                return r;
            files.append(PhotoPath(photo));
        }
        for (DocumentRecord& document : pigeon.documents) {
            if (DbResult r = run(u"DELETE FROM dokumenty WHERE id = ?;"_s, {document.id}); !r.ok())
                return r;
            files.append(DocumentPath(document));
        }
        if (DbResult r = run(u"DELETE FROM pigeons WHERE id = ?;"_s, {pigeonId}); !r.ok())
            return r;
        if (DbResult r = RemovePigeonLinks(runner, pigeonId, band); !r.ok())
            return r;
        if (DbResult r = transaction.Commit(); !r.ok())
            return r;
    }
    // The rows are gone for good; a file that cannot be removed now is only a leftover.
    for (const QString& file : files)
        QFile::remove(file);
    pigeons.erase(found);
    ForgetPigeonLinks(*this, pigeonId, band);
    return DbResult::Done();
}

DbResult AppData::SetPigeonParents(int pigeonId, int sireId, int damId) {
    return DbSession::Execute(PigeonsDbPath(),
                              u"UPDATE pigeons SET id_ojca = ?, id_matki = ? WHERE id = ?;"_s,
                              {sireId, damId, pigeonId});
}

DbResult AppData::SetPigeonShortDescription(int pigeonId, const QString& text) {
    return DbSession::Execute(PigeonsDbPath(), u"UPDATE pigeons SET krotkiopis = ? WHERE id = ?;"_s,
                              {text, pigeonId});
}

DbResult AppData::DeletePigeonTreatments(int pigeonId) {
    return DbSession::Execute(PigeonsDbPath(),
                              u"DELETE FROM lekisuplementy WHERE id_golebia = ?;"_s, {pigeonId});
}

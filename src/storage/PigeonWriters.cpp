// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of pigeons: the pigeon rows, ring series, category links, the bird list,
// treatments, parents and deletion with attachments.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/PigeonLinks.h"
#include "storage/WriterRows.h"

#include <QFile>
#include <QScopeGuard>

using namespace Qt::StringLiterals;
using namespace WriterRows;

namespace {

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
        for (size_t i = 0; i < added.size(); ++i) {
            PigeonRecord& pigeon = added[i];
            // Counted from the first, so that the last id of the range is given without going
            // past it.
            pigeon.id = nextId + static_cast<int>(i);
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

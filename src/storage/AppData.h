// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"
#include "storage/Records.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

// The lookup lists; each names its table.
enum class Lookup { Colours, Varieties, Lines, EyeColours, Statuses };
QString LookupTable(Lookup lookup);

using LookupMap = std::map<int, QString>;

// The one in-memory store: every record the program shows, read by the three loaders and kept
// in step by the writers. The selection indexes live here too, so that a test can build a
// complete state without globals.
//
// Writers follow one convention: mode -1 inserts (the record takes the new id; 0 when nothing
// was stored, -1 for a race), the record's id updates, -2 deletes. A writer's in-memory effect
// happens only when its statement succeeded. A result that is refused() came from a UNIQUE
// constraint; failed() is any other fault, which the caller shows to the user.
class AppData {
public:
    DbSession runner;
    std::vector<NoteRecord> notes;
    LookupMap colours;
    LookupMap varieties;
    LookupMap lines;
    LookupMap eyeColours;
    LookupMap statuses;
    std::map<int, ContactRecord> clients;
    std::map<int, TransactionRecord> transactions;
    std::vector<SeasonRecord> seasons;
    std::vector<PairRecord> pairs;
    std::vector<RaceRecord> races;
    std::map<int, ContactRecord> breeders;
    std::vector<LoftRecord> lofts;
    std::map<int, PigeonRecord> pigeons;

    int currentLoft = -1;     // index into lofts
    int currentCategory = -1; // index into the current loft's categories
    int currentPigeon = -1;   // selected row of the pigeon list

    AppData();

    /// Id of the current loft, 0 when there is none.
    int CurrentLoftId() const;
    /// The pigeon of the current loft with this id, or an empty record.
    const PigeonRecord& FindPigeon(int id) const;
    LookupMap& LookupMapOf(Lookup lookup);
    const LookupMap& LookupMapOf(Lookup lookup) const;

    // Loaders. Each reads every table once; a file or table that cannot be read leaves its
    // containers empty and is reported.
    DbResult LoadLofts();
    DbResult LoadPigeons(int loftId);
    DbResult LoadExtra(int loftId);
    /// LoadPigeons, then LoadExtra; the caller refills its lists afterwards.
    DbResult SelectLoft(int loftId);
    /// The pigeon ids linked to a category, in link order.
    DbResult ReadCategoryMembers(int categoryId, std::vector<int>& pigeonIds);
    /// The pigeon ids on the individual print list, in the order they were put there.
    DbResult ReadBirdList(std::vector<int>& pigeonIds);

    // Writers with the mode convention.
    DbResult SavePigeon(int mode, PigeonRecord& pigeon);
    /// Inserts a new pigeon and links it to a category (none when below 1), both or neither;
    /// the record takes the new id, one past every id the files name as a pigeon.
    DbResult AddPigeonToCategory(PigeonRecord& pigeon, int categoryId);
    /// The most rings one series may hold.
    static constexpr int kMaxRingSeries = 100;
    /// Inserts one pigeon per ring number from first to last (copies of model) and links each
    /// to the category, all or nothing. The new ids go to newIds in ring order.
    DbResult AddRingSeries(const PigeonRecord& model, qint64 first, qint64 last, int categoryId,
                           std::vector<int>& newIds);
    /// Statements run on the open pigeons file in an insert's transaction, once the new pigeons
    /// are in (with their ids); a failure rolls the whole insert back.
    using InsertTail = std::function<DbResult(DbSession&, std::vector<PigeonRecord>&)>;
    /// Inserts pigeons linked to a category (none for 0), then runs tail: all or nothing.
    DbResult AddPigeonsWith(std::vector<PigeonRecord>& added, int categoryId,
                            const InsertTail& tail);
    DbResult SaveLoft(int mode, LoftRecord& loft);
    DbResult SaveCategory(int mode, CategoryRecord& category);
    /// A stored pair enters pairs, an updated one replaces its record there (keeping its
    /// children) and a deleted one leaves it with all its child rows.
    DbResult SavePair(int mode, PairRecord& pair);
    DbResult SaveChild(int mode, ChildRecord& child);
    /// Stores a child of a pair (mode -1 or the child's id) and gives its pigeon the pair's
    /// cock and hen as sire and dam, both or neither; memory follows on success.
    DbResult SaveChildOfPair(int mode, ChildRecord& child, int sireId, int damId);
    DbResult SaveRace(int mode, RaceRecord& race);
    DbResult SaveFlyer(int mode, FlyerRecord& flyer);
    DbResult SaveTreatment(int mode, TreatmentRecord& treatment);
    DbResult SaveTransaction(int mode, TransactionRecord& transaction);
    /// Clients and breeders: the map follows every stored insert, update and delete.
    DbResult SaveClient(int mode, ContactRecord& client);
    DbResult SaveBreeder(int mode, ContactRecord& breeder);

    // Single-operation writers.
    DbResult AddCategoryLink(int categoryId, int pigeonId);
    DbResult RemoveCategoryLink(int categoryId, int pigeonId);
    /// Links a pigeon to another category and unlinks it from the first, both or neither.
    DbResult MoveCategoryLink(int pigeonId, int fromCategoryId, int toCategoryId);
    DbResult AddToBirdList(int pigeonId);
    DbResult RemoveFromBirdList(int pigeonId);
    DbResult AddSeason(SeasonRecord& season);
    /// Deletes a season's row; on success it leaves seasons too.
    DbResult DeleteSeason(int id);
    /// Stores a lookup entry; on success the lookup map gets it. The new id goes to *newId.
    DbResult AddLookup(Lookup lookup, int loftId, const QString& name, int* newId = nullptr);
    /// Deletes a lookup entry; on success it leaves the lookup map too.
    DbResult DeleteLookup(Lookup lookup, int id);
    DbResult DeleteColour(int id) { return DeleteLookup(Lookup::Colours, id); }
    DbResult DeleteVariety(int id) { return DeleteLookup(Lookup::Varieties, id); }
    DbResult DeleteStatus(int id) { return DeleteLookup(Lookup::Statuses, id); }
    DbResult AddNote(NoteRecord& note);
    /// Deletes the note's row, then its file.
    DbResult DeleteNote(const NoteRecord& note);
    /// A loaded pigeon goes as DeletePigeonWithAttachments; any other only loses its row.
    DbResult DeletePigeon(int id);
    /// Deletes a pigeon of the loaded loft with its treatments, photos, documents, category
    /// links and the links of PigeonLinks.h, all or nothing; the stored files go once the rows
    /// are gone, and memory follows only then.
    DbResult DeletePigeonWithAttachments(int pigeonId);

    // Statements of single fields; the caller mirrors them in memory.
    DbResult SetPigeonParents(int pigeonId, int sireId, int damId);
    DbResult SetPigeonShortDescription(int pigeonId, const QString& text);
    DbResult DeletePigeonTreatments(int pigeonId);

    // The file store: a row and its file enter and leave together.
    DbResult AddPhoto(PhotoRecord& photo);
    DbResult AddDocument(DocumentRecord& document);
    DbResult DeletePhoto(PhotoRecord& photo);
    DbResult DeleteDocument(DocumentRecord& document);

private:
    /// Puts a stored child into, over or out of its pair's children, by the writer's mode.
    void MirrorChild(int mode, const ChildRecord& child);
    DbResult InsertPigeonsInCategory(std::vector<PigeonRecord>& added, int categoryId,
                                     const InsertTail& tail = {});
};

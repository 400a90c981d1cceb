// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of lofts, categories, lookup lists and notes.

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "storage/WriterRows.h"

#include <QFile>

using namespace Qt::StringLiterals;
using namespace WriterRows;

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileStore.h"

#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString StoredName(int id, int kind, int category, int subcategory, const QString& extension) {
    return QString::number(id) + QString::number(kind) + QString::number(category) +
           QString::number(subcategory) + u'.' + extension;
}

QString ImagesFolder(const QString& base) {
    return base + u"db/images/"_s;
}
QString DocumentsFolder(const QString& base) {
    return base + u"db/documents/"_s;
}

// True when a row other than ownId of the table maps to fileName. Ids, kinds and categories are
// joined without separators, so id 1 of kind 20 and id 12 of kind 0 share "12000.jpg".
bool NameTakenByOtherRow(DbSession& session, const QString& table, int ownId,
                         const QString& fileName) {
    const QString sql = u"SELECT id, rodzaj, kategoria, subkategoria, rozszerzenie FROM "_s +
                        table + u" WHERE id <> ?;"_s;
    if (!session.Query(sql, {ownId}))
        return false;
    for (; session.HasRow(); session.Next()) {
        if (StoredName(session.Int(0), session.Int(1), session.Int(2), session.Int(3),
                       session.Text(4)) == fileName)
            return true;
    }
    return false;
}

// Copies source to destination, replacing a leftover file of that name; a copy that is not
// whole never takes its place.
bool CopyIntoStore(const QString& source, const QString& destination) {
    QDir().mkpath(QFileInfo(destination).absolutePath());
    if (QFileInfo::exists(destination) && !QFile::remove(destination))
        return false;
    return CopyFileChecked(source, destination);
}

// The insert and the copy succeed together or not at all: the row is rolled back when the file
// cannot be stored, so no row points at a missing file.
DbResult StoreFile(DbSession& session, const QString& insertSql, const SqlValues& values,
                   const QString& table, const QString& source,
                   const std::function<QString(int id)>& destinationFor, int& id) {
    id = 0;
    const auto close = qScopeGuard([&session] { session.Close(); });
    if (!session.Open(PigeonsDbPath()))
        return ResultOfFailure(session);
    DbTransaction transaction(session);
    if (!transaction.Begun())
        return ResultOfFailure(session);
    if (DbResult r = session.Run(insertSql, values); !r.ok())
        return r;
    const int newId = session.LastInsertId();
    const QString destination = destinationFor(newId);
    const QString fileName = QFileInfo(destination).fileName();
    if (QFileInfo::exists(destination) && NameTakenByOtherRow(session, table, newId, fileName))
        return DbResult::Failed(u"Another stored file already has the name %1."_s.arg(fileName));
    if (!QFileInfo(source).isFile() || !CopyIntoStore(source, destination))
        return DbResult::Failed(u"The file %1 could not be copied into the store."_s.arg(source));
    if (DbResult r = transaction.Commit(); !r.ok()) {
        QFile::remove(destination);
        return r;
    }
    id = newId;
    return DbResult::Done();
}

// The row goes first and the file only once that delete is committed: a delete that fails
// (a locked or read-only database) keeps both. A file that cannot be removed afterwards is
// only a leftover that no row points at.
DbResult RemoveStoredFile(DbSession& session, const QString& table, int id, const QString& path) {
    {
        const auto close = qScopeGuard([&session] { session.Close(); });
        if (!session.Open(PigeonsDbPath()))
            return ResultOfFailure(session);
        if (DbResult r = session.Run(u"DELETE FROM "_s + table + u" WHERE id = ?;"_s, {id});
            !r.ok())
            return r;
    }
    QFile::remove(path);
    return DbResult::Done();
}

} // namespace

QString PhotoFileName(const PhotoRecord& photo) {
    return StoredName(photo.id, photo.kind, photo.category, photo.subcategory, photo.extension);
}

QString DocumentFileName(const DocumentRecord& document) {
    return StoredName(document.id, document.kind, document.category, document.subcategory,
                      document.extension);
}

QString PhotoPath(PhotoRecord& photo) {
    photo.path = ImagesFolder(EscapedInstallDir()) + PhotoFileName(photo);
    return photo.path;
}

QString DocumentPath(DocumentRecord& document) {
    document.path = DocumentsFolder(EscapedInstallDir()) + DocumentFileName(document);
    return document.path;
}

QString NotePath(int noteId) {
    return InstallDir() + u"/db/notes/"_s + QString::number(noteId) + u".html"_s;
}

DbResult AppData::AddPhoto(PhotoRecord& photo) {
    photo.subcategory = 0;
    const QString source = photo.path;
    PhotoRecord stored = photo;
    int id = 0;
    const DbResult result = StoreFile(
        runner,
        u"INSERT INTO zdjecia(opis1, id_golebia, id_hodowli, rozszerzenie, rodzaj, kategoria, "
        u"subkategoria) VALUES ( ?, ?, ?, ?, ?, ?, ? );"_s,
        {photo.description, photo.idPigeon, photo.idLoft, photo.extension, photo.kind,
         photo.category, photo.subcategory},
        u"zdjecia"_s, source,
        [&stored](int newId) {
            stored.id = newId;
            return PhotoPath(stored);
        },
        id);
    photo.id = id;
    if (result.ok())
        PhotoPath(photo);
    return result;
}

DbResult AppData::AddDocument(DocumentRecord& document) {
    const QString source = document.path;
    DocumentRecord stored = document;
    int id = 0;
    const DbResult result = StoreFile(
        runner,
        u"INSERT INTO dokumenty(opis1, id_wlasciciela, id_hodowli, rodzaj, kategoria, "
        u"subkategoria, rozszerzenie, nazwa) VALUES ( ?, ?, ?, ?, ?, ?, ?, ? );"_s,
        {document.description, document.idOwner, document.idLoft, document.kind, document.category,
         document.subcategory, document.extension, document.name},
        u"dokumenty"_s, source,
        [&stored](int newId) {
            stored.id = newId;
            return DocumentPath(stored);
        },
        id);
    document.id = id;
    if (result.ok())
        DocumentPath(document);
    return result;
}

DbResult AppData::DeletePhoto(PhotoRecord& photo) {
    return RemoveStoredFile(runner, u"zdjecia"_s, photo.id, PhotoPath(photo));
}

DbResult AppData::DeleteDocument(DocumentRecord& document) {
    return RemoveStoredFile(runner, u"dokumenty"_s, document.id, DocumentPath(document));
}

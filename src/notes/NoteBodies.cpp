// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/NoteBodies.h"

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

DbResult FileFailure(const char* text, const QString& path) {
    return DbResult::Failed(QCoreApplication::translate("NoteBodies", text) + u'\n' + path);
}

} // namespace

DbResult CreateNote(AppData& data, NoteRecord& note) {
    note.id = -1;
    if (DbResult result = data.AddNote(note); !result.ok())
        return result;
    if (note.id < 1)
        return DbResult::Failed(u"The note was given no number."_s);
    if (DbResult written = WriteNoteBody(note.id, QString::fromUtf16(kNewNoteBody));
        !written.ok()) {
        data.notes.pop_back();
        // The row goes again; if even that fails the note stays, and its body is made on save.
        if (data.DeleteNote(note).ok())
            note.id = 0;
        else
            data.notes.push_back(note);
        return written;
    }
    return DbResult::Done();
}

NoteBody ReadNoteBody(int noteId) {
    const QString path = NotePath(noteId);
    if (!QFileInfo::exists(path))
        return {true, QString()};
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return {};
    probe.close();
    QString html = ReadTextFile(path);
    if (html.startsWith(QChar(0xFEFF)))
        html.remove(0, 1);
    return {true, html};
}

DbResult WriteNoteBody(int noteId, const QString& html) {
    const QString path = NotePath(noteId);
    if (!WriteTextFile(path, html))
        return FileFailure("The note could not be written to its file:", path);
    return DbResult::Done();
}

int NoteFontSize(int button) {
    return button >= 1 && button <= 5 ? 7 - button : 0;
}

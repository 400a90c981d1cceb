// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"

#include <QString>

class AppData;
struct NoteRecord;

// A note's body is an HTML file named after its row (NotePath); the database keeps the name.

/// The body of a new note.
inline constexpr char16_t kNewNoteBody[] = u"<HTML><BODY>&nbsp;</BODY></HTML>";

/// Stores a new note: its row, then its body file with the new-note body. When the body cannot be
/// written the row is taken back and the failure returned. The note is stored (and the last of
/// data.notes) exactly when its id is 1 or more afterwards.
DbResult CreateNote(AppData& data, NoteRecord& note);

/// The body of a note as HTML, without the byte-order mark. A missing file reads as an empty
/// body; a file that cannot be read is not ok, so that the caller never writes over it.
struct NoteBody {
    bool ok = false;
    QString html;
};
NoteBody ReadNoteBody(int noteId);
/// Writes a note's body (UTF-16LE with its mark), replacing the file only once it is whole.
DbResult WriteNoteBody(int noteId, const QString& html);

/// The HTML font size of the notepad's size buttons "1" to "5": 6, 5, 4, 3 and 2; 0 otherwise.
int NoteFontSize(int button);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QString>

// Stored photos, documents and note bodies live beside the databases under names built from
// their rows: id, kind, category and subcategory written one after another, then the
// extension (photo 3, kind 1, category 2, "jpg" -> "3120.jpg").

QString PhotoFileName(const PhotoRecord& photo);
QString DocumentFileName(const DocumentRecord& document);

/// InstallDir() + "/db/images/" + the file name; also kept in photo.path.
QString PhotoPath(PhotoRecord& photo);
/// InstallDir() + "/db/documents/" + the file name; also kept in document.path.
QString DocumentPath(DocumentRecord& document);
/// InstallDir() + "/db/notes/" + id + ".html".
QString NotePath(int noteId);

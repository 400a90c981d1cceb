#pragma once

#include <QString>

/// The whole file as text: UTF-16LE when it starts with FF FE (or looks like UTF-16 without a
/// mark), otherwise UTF-8. A leading byte-order mark is kept as U+FEFF. "Error" when the file
/// cannot be opened.
QString ReadTextFile(const QString& path);

/// Writes text as UTF-16LE with the mark FF FE, replacing the file only once the whole text is
/// written.
bool WriteTextFile(const QString& path, const QString& text);

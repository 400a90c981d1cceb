#pragma once

#include <QString>

/// The whole file as text, by its byte-order mark; without a mark UTF-16LE, unless the bytes
/// are UTF-8 (no zero bytes, or not valid UTF-16). A leading byte-order mark is kept as U+FEFF.
/// "Error" when the file cannot be opened.
QString ReadTextFile(const QString& path);

/// Writes text as UTF-16LE with the mark FF FE, replacing the file only once the whole text is
/// written.
bool WriteTextFile(const QString& path, const QString& text);

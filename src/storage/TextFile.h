// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The whole file as text, by its byte-order mark; without a mark UTF-16LE, unless the bytes
/// are UTF-8 (no zero bytes, or not valid UTF-16). A leading byte-order mark is kept as U+FEFF.
/// "Error" when the file cannot be opened.
QString ReadTextFile(const QString& path);

/// Writes text as UTF-16LE with the mark FF FE, through WriteFileBytes.
bool WriteTextFile(const QString& path, const QString& text);

/// Replaces a file with bytes only once every one of them is written and flushed; false, with
/// the old file whole, when any step fails (a full disk, a file too large) or the file is
/// read-only. Every file the program writes goes through this check.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

/// Copies a file (a Qt resource too) through the same check.
bool CopyFileChecked(const QString& source, const QString& destination);

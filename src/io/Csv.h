// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Comma-separated files as spreadsheet programs write and read them: a header row, fields
// quoted where they hold the delimiter, a quote or a line break, lines ended by CR LF.

struct CsvTable {
    QStringList header;
    std::vector<QStringList> rows;
};

/// The table as UTF-8 with a byte-order mark, so that spreadsheet programs read Polish letters.
QByteArray CsvBytes(const CsvTable& table, QChar delimiter = u',');
/// Writes the table through the checked writer; false, with the old file whole, on failure.
bool WriteCsvFile(const QString& path, const CsvTable& table, QChar delimiter = u',');

enum class CsvEncoding { Utf8, Utf16LE, Utf16BE, Windows1250 };
QString CsvEncodingName(CsvEncoding encoding);
/// "UTF-8", "UTF-16", "Windows-1250" as the dialog and the command line name them.
QStringList CsvEncodingNames();

/// Files larger than this are refused before they are read.
inline constexpr qint64 kCsvMaxBytes = 8 * 1024 * 1024;

/// The file's bytes; false with a message when it cannot be read or is too large.
bool ReadCsvBytes(const QString& path, QByteArray& bytes, QString& error);
/// The encoding by the byte-order mark, else UTF-16 by its zero bytes, else UTF-8 when valid,
/// else Windows-1250.
CsvEncoding GuessCsvEncoding(const QByteArray& bytes);
/// The text without the byte-order mark; false with a message when the bytes are not text in
/// that encoding (a zero byte, a control character, a byte the encoding does not have).
bool DecodeCsv(const QByteArray& bytes, CsvEncoding encoding, QString& text, QString& error);

/// The delimiter among ",", ";" and TAB that splits the header row into the most fields
/// (more than one); "," when none does.
QChar GuessCsvDelimiter(const QString& text);

struct CsvRecord {
    int line = 0; // the file's line on which the record begins, from 1
    QStringList fields;
};
/// Splits the text into records; quoted fields may hold delimiters, doubled quotes and line
/// breaks. Empty lines are passed over. False with a message on a quote left open.
bool ParseCsv(const QString& text, QChar delimiter, std::vector<CsvRecord>& records,
              QString& error);

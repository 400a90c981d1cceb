// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/CsvImport.h"

class AppData;
class QWidget;

// The windows' way to CSV files: a file chosen, written or read, and the user told.
namespace CsvCommands {

/// The delimiter of exported files, ',' or ';', as last chosen.
QChar Delimiter();
void SetDelimiter(QChar delimiter);
/// Asks for a file and writes the table there; a write that fails is reported.
void Save(QWidget* parent, const CsvTable& table, const QString& fileName);
/// Asks for a file, opens the mapping dialog on it and imports; true when rows were stored.
bool Import(QWidget* parent, AppData& data, const CsvImportOptions& options);

} // namespace CsvCommands

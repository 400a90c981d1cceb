// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/Csv.h"

#include <QtGlobal>

#include <vector>

class AppData;

// The tables the program exports as CSV, built from the loaded records.

/// "2024-05-18", nothing for no date.
QString CsvDate(qint64 time);
/// "2024-05-18 11:23:17", nothing for no time.
QString CsvDateTime(qint64 time);
/// Country, union, year and ring number joined by blanks, without the name.
QString BandText(const QString& country, const QString& branch, const QString& year,
                 const QString& ring);

/// The pigeons with these ids: every column of the list (remarks whole), the sire's and the
/// dam's bands, then name and dates.
CsvTable PigeonsCsv(const AppData& data, const std::vector<int>& pigeonIds);
/// Every race a pigeon flew, with its position, arrival and velocity.
CsvTable ResultsCsv(const AppData& data, int pigeonId);
/// The current loft's entries of a race with their velocities.
CsvTable RaceEntriesCsv(const AppData& data, int raceId);
/// The loaded transactions, then the sales and purchases totalled per currency.
CsvTable TransactionsCsv(const AppData& data);

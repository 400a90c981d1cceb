// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"

#include <QString>

class AppData;

// The rows of other kinds that name a pigeon, as a delete of the pigeon meets them.
struct PigeonLinks {
    int young = 0;        // pigeons whose sire or dam it is
    int pairs = 0;        // pairs it is the cock or hen of
    int childRows = 0;    // rows that list it as a pair's young
    int raceEntries = 0;  // its entries in races
    int transactions = 0; // sales and purchases of it
};

/// The id a new pigeon gets: one past the largest id that any table of either database file
/// names as a pigeon. pigeonsDb is pigeons.db with the insert's transaction open; extraDb is
/// opened on the other file and holds it for reading until the caller closes it, after the
/// commit. Refuses when count new ids would run past the largest id.
DbResult FirstFreePigeonId(DbSession& pigeonsDb, DbSession& extraDb, int count, int& first);

/// Counts, in pigeons.db, the rows that name the pigeon.
DbResult CountPigeonLinks(int pigeonId, PigeonLinks& links);

/// The links in plain words, one line each; empty when there are none.
QString PigeonLinksText(const PigeonLinks& links);

/// Inside a delete's transaction on pigeons.db: removes the pigeon's child rows, race entries,
/// category links and the pairs it is the cock or hen of with their child rows; other pigeons'
/// sire and dam fields naming it become 0; its sales and purchases keep their row and become
/// "another item" transactions whose item text is bandText.
DbResult RemovePigeonLinks(DbSession& pigeonsDb, int pigeonId, const QString& bandText);

/// The same in memory, once the delete is committed.
void ForgetPigeonLinks(AppData& data, int pigeonId, const QString& bandText);

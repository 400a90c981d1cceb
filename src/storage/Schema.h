// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"

#include <QString>
#include <QStringView>

#include <span>

// One table of the two database files and the statement that creates it.
struct SchemaTable {
    const char16_t* name;
    const char16_t* createSql;
};

/// Every table of both files, pigeons.db's first.
std::span<const SchemaTable> AllTables();
/// The CREATE TABLE text of a table, empty for an unknown name.
QString CreateTableSql(QStringView table);

// Each creates the tables its loader reads that the open file lacks; an existing table keeps
// the columns it was created with. A failure other than "already there" is reported.
DbResult CreateTablesPigeons(DbSession& session);
DbResult CreateTablesLofts(DbSession& session);
DbResult CreateTablesExtra(DbSession& session);

/// True when the file is a database with tables of its own and none of those the program keeps
/// in it (pigeons.db's when pigeonsFile, else dodatkowe_informacje.db's): another program's file.
/// A missing or empty file is a new one.
bool HoldsOnlyOtherTables(const QString& path, bool pigeonsFile);

/// Creates both database files with every table they lack, so that each window finds its
/// tables from the first start on. A failure names the file.
DbResult PrepareDatabases();

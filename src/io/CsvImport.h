// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/Csv.h"
#include "storage/DbSession.h"
#include "storage/Records.h"

#include <vector>

class AppData;

// Rows of a CSV file into the register: pigeons into a category, or entries into a race. The
// user says which field each column fills; every row is checked before anything is written, and
// the rows are written all or none.

enum class CsvImportKind { Pigeons, Entries };

enum class CsvField {
    Ignore,
    Band, // a whole band, split by BandParts
    Country,
    Union,
    Year,
    Ring,
    Name,
    Sex,
    Colour,
    Remarks,
    DateOfBirth,
    DatePurchased,
    DateSold,
    Sire,
    Dam,
    Arrival, // date and time in one
    ArrivalDate,
    ArrivalTime,
    PositionUnion,
    PositionClub,
    CoefficientUnion,
    CoefficientClub,
    PointsUnion,
    PointsClub,
};
using CsvMapping = std::vector<CsvField>;

QString CsvFieldName(CsvField field);
/// The fields a kind offers, "(ignore)" first.
std::vector<CsvField> CsvFieldsOf(CsvImportKind kind);
/// The field each header names (in English or Polish), "(ignore)" where none; a field is taken
/// once.
CsvMapping GuessCsvMapping(CsvImportKind kind, const QStringList& header);
/// The settings key under which the mapping of this header row is remembered.
QString CsvMappingKey(CsvImportKind kind, const QStringList& header);
/// The remembered mapping of the header row (QSettings, organisation "Vornel"), else the guess.
CsvMapping RememberedCsvMapping(CsvImportKind kind, const QStringList& header);
void RememberCsvMapping(CsvImportKind kind, const QStringList& header, const CsvMapping& mapping);

struct BandParts {
    QString country, branch, year, ring;
};
/// A whole band split by blanks, hyphens or slashes ("PL-0123-19-4567", "PL 0123 19 4567"):
/// four parts are country, union, year and number; three with letters first country, year and
/// number, else union, year and number; two year and number; one the number. A trailing
/// "[name]" is dropped.
BandParts SplitBand(const QString& band);

/// A file read and split: the bytes kept so that another encoding or delimiter can be tried.
struct CsvSource {
    QByteArray bytes;
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar delimiter = u',';
    std::vector<CsvRecord> records; // the header row first
};
/// Reads, guesses the encoding and the delimiter, and splits; false with a message.
bool LoadCsvSource(const QString& path, CsvSource& source, QString& error);
/// Splits the kept bytes again with another encoding or delimiter.
bool ReparseCsvSource(CsvSource& source, QString& error);

struct CsvImportOptions {
    CsvImportKind kind = CsvImportKind::Pigeons;
    int categoryId = 0;         // where new pigeons go
    int raceId = 0;             // the race entries join
    bool createMissing = false; // a band that matches no pigeon: a new pigeon, else row skipped
};

struct CsvProblem {
    int line = 0;
    QString reason;
};

// What an import will write, worked out from the rows before anything is written.
struct CsvImportPlan {
    std::vector<PigeonRecord> newPigeons;
    std::vector<int> newColourOf; // per new pigeon: index into newColours, -1 for none
    QStringList newColours;
    struct Parents {
        int sire = 0; // a stored id, or -(index + 1) of a new pigeon
        int dam = 0;
    };
    std::vector<Parents> parents; // per new pigeon
    std::vector<FlyerRecord> entries;
    std::vector<int> entryPigeon; // per entry: a stored id, or -(index + 1) of a new pigeon
    std::vector<CsvProblem> problems;
    QString error; // a fault of the whole file (a missing column, a wrong delimiter)
    int skipped = 0;
    bool ok() const { return error.isEmpty() && problems.empty(); }
    /// The error, or each problem on a line of its own, at most limit of them.
    QString Message(int limit = 20) const;
    /// What an applied plan stored, as the user is told ("Imported 2 pigeons; 1 row skipped.").
    QString Summary() const;
};

/// Checks every row; the plan says what would be written, or why nothing can be.
CsvImportPlan PlanCsvImport(const AppData& data, const std::vector<CsvRecord>& records,
                            const CsvMapping& mapping, const CsvImportOptions& options);
/// Writes a plan that is ok(): new colours, new pigeons with their links and parents, entries,
/// all or nothing. The loaded data follows only once everything is stored.
DbResult ApplyCsvImport(AppData& data, CsvImportPlan& plan, const CsvImportOptions& options);

/// The loaded pigeons whose band is the text, given in full or by its last parts.
std::vector<int> FindPigeonsByBand(const AppData& data, const QString& band);

/// Parses "11:23", "11:23:17", "11.23.17" into seconds of the day; false when not a time.
bool ParseCsvTime(const QString& text, int& seconds);
/// Parses "2024-05-18", "18.05.2024", "18/05/2024" (two-digit years too); false when the day
/// does not exist.
bool ParseCsvDate(const QString& text, int& year, int& month, int& day);

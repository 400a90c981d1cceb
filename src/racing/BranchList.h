// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The branches of the national racing association by district, read from a table of district,
// number and name that ships with the program and that a user may complete.

struct BranchDistrict {
    QString name;
    QStringList entries; // "07    - BIAŁA PODLASKA", "0207   LEGNICA"
};

/// The districts in the association's order.
const QStringList& BranchDistrictOrder();

/// The entry text of a branch: in the first three districts the number padded with blanks to
/// six characters, "- " and the name; elsewhere the number padded to seven, then the name.
QString BranchEntryText(int districtRank, const QString& number, const QString& name);

/// Parses the tab-separated table (a heading line first). Districts come in the association's
/// order, unknown ones after them as first met; branches by number within their district.
/// Lines without three fields are passed over.
std::vector<BranchDistrict> ParseBranchTable(const QString& text);

/// One line per entry that contains the text in capitals: the entry, ", Oddział: ", the
/// district, "\r\n". An empty text lists every entry.
QString SearchBranches(const std::vector<BranchDistrict>& table, const QString& text);

/// The table file in the data folder: data/branches.tsv.
QString BranchTablePath();
/// The table as the data folder holds it, or as shipped when that copy cannot be read.
std::vector<BranchDistrict> LoadBranchTable();

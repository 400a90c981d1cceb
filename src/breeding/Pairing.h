// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/RowIdTableModel.h"

#include <QString>
#include <QStringList>

#include <vector>

class AppData;
class Lineage;
struct ChildRecord;
struct PairRecord;
struct PigeonRecord;
struct SeasonRecord;

// What the pairing page shows: the pairs a season filter lets through and the texts of the
// pairs and children lists.

/// The first item of the season filter.
inline constexpr char16_t kAllPairs[] = u"All Pairs";

/// Where a season's last day ends: the local midnight after the day of dateEnd. No bound (the
/// largest time) for a season without an end date.
qint64 SeasonEndBound(qint64 dateEnd);

/// True when a pair was paired after the season's first moment (strictly: a season starts at
/// 01:01:01 of its first day) and before the end of its last day.
bool PairInSeason(const PairRecord& pair, const SeasonRecord& season);

/// The indexes into pairs that a filter shows, in order: every pair without a season.
std::vector<int> PairsInFilter(const std::vector<PairRecord>& pairs, const SeasonRecord* season);

/// A row of the pairs list: a blank, the sire's and the dam's band texts, the pairing date
/// ("%d/%m/%y, %H:%M"), the first 30 characters of the remarks and the F of the pair's young
/// in per cent. A list of rows shares one lineage, so that each ancestor is looked at once.
RowIdTableModel::Row PairRow(const AppData& data, const PairRecord& pair, Lineage& lineage);
RowIdTableModel::Row PairRow(const AppData& data, const PairRecord& pair);
QStringList PairHeaders();
std::vector<int> PairColumnWidths();

/// A row of the children list: a blank, the band text, "Cock" or "Hen", the child's remarks.
RowIdTableModel::Row ChildRow(const AppData& data, const ChildRecord& child);
QStringList ChildHeaders();
std::vector<int> ChildColumnWidths();

/// The rows of a pair's children, in order.
std::vector<RowIdTableModel::Row> ChildRows(const AppData& data, const PairRecord& pair);

/// A pigeon's colour name, an empty line and its short description, as the panels under a
/// chosen bird show them.
QString PigeonInformation(const AppData& data, const PigeonRecord& pigeon);

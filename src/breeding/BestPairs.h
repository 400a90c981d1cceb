// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "storage/RowIdTableModel.h"

#include <vector>

class AppData;

// The best pairs of a loft, ranked by the race results of their young.

/// The score of a couple none of whose young has placed; such couples are listed after those
/// whose young have, and couples whose young never raced last of all.
inline constexpr int kNoRacedChild = 50000;

struct RankedCouple {
    /// The couple's first pair, its children replaced by the couple's young that raced, from
    /// every pair of the same cock and hen, each bird once.
    PairRecord pair;
    /// The average positions of the young that placed, summed and divided by their number
    /// (whole numbers); young that raced without placing count in neither.
    int score = kNoRacedChild;
    bool placedChild = false;
    bool HasRacedChild() const { return !pair.children.empty(); }
};

/// A young bird counts when it has at least one race entry.
bool HasRaced(const PigeonRecord& pigeon);

/// The couples of the loaded pairs, best (smallest score) first; then those whose young raced
/// but never placed, and last those whose young never raced. Equal scores keep the order of the
/// pairs.
std::vector<RankedCouple> RankBestPairs(const AppData& data);

/// A row of the best pairs list: the place counted from 1, the sire's and the dam's band texts.
RowIdTableModel::Row BestPairRow(const AppData& data, const RankedCouple& couple, int place);
QStringList BestPairHeaders();
std::vector<int> BestPairColumnWidths();

/// A row of a couple's young: band text, race entries, average position and average velocity.
RowIdTableModel::Row RacedChildRow(const PigeonRecord& pigeon);
QStringList RacedChildHeaders();
std::vector<int> RacedChildColumnWidths();

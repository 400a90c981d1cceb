// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <vector>

class AppData;
struct PairRecord;

// What the preview panel derives from the loaded loft for one pigeon: its pairs and progeny,
// its brothers and sisters, and the row a relative takes in those lists.

/// The loaded pairs (indexes into the pairs, in order) in which the pigeon is cock or hen.
std::vector<size_t> PairsOfPigeon(const AppData& data, int pigeonId);
/// The other bird of a pair: the hen for its cock, the cock for its hen.
int PartnerIn(const PairRecord& pair, int pigeonId);
/// The children of all those pairs, pair by pair.
std::vector<int> ProgenyOf(const AppData& data, int pigeonId);

// Where a pigeon's brothers and sisters come from: the pair it was raised by (its clutch) and
// the pairs of its recorded sire and dam.
struct SiblingSources {
    int clutchPair = -1;             // index into the loaded pairs; the last such pair
    std::vector<size_t> parentPairs; // pairs of its recorded sire with its recorded dam
};
SiblingSources FindSiblingSources(const AppData& data, int pigeonId);
/// The siblings in list order: the clutch's other children, or with all, the other children of
/// every pair of its parents (a bird raised by two such pairs is listed twice).
std::vector<int> SiblingIds(const AppData& data, const SiblingSources& sources, int pigeonId,
                            bool all);

/// A relative's row: band text, "Cock" / "Hen" / nothing, its races, its short description.
QStringList RelativeRowTexts(const AppData& data, int pigeonId);

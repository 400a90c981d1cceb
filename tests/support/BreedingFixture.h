// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/FamilyFixture.h"

#include <QDate>
#include <QString>

#include <utility>
#include <vector>

class AppData;

// Breeding records for the breeding tests and the screenshots. Each helper fails the running
// test when it cannot store.
namespace BreedingFixture {

/// Stores a pair with its young, who get the pair's birds as parents; returns the pair's id.
int StorePair(AppData& data, int loftId, int cock, int hen, qint64 paired, const QString& remarks,
              const std::vector<int>& young = {});

/// Stores a season from its first to its last day, at 01:01:01 of both as the season dialog does.
void StoreSeason(AppData& data, int loftId, const QString& name, QDate first, QDate last);

/// Stores a race released at the given time and the competition place of each (pigeon, place).
void StoreRace(AppData& data, int loftId, qint64 released,
               const std::vector<std::pair<int, int>>& placings);

struct Breeding {
    int parentsPair = 0; // sire and dam of the family, with the subject and its siblings
};

/// Over the family of FamilyFixture: the pairs of the sire's and of the dam's parents, sire and
/// dam paired again without young, three seasons and three races the young flew. The caller
/// loads the loft afterwards (AppData::SelectLoft).
Breeding SeedBreeding(const FamilyFixture::Family& family);

} // namespace BreedingFixture

#pragma once

#include "support/FamilyFixture.h"

#include <vector>

// Breeding records over the family of FamilyFixture: pairs of the ancestors with their young,
// three seasons and races the young flew, for the breeding tests and the screenshots.
namespace BreedingFixture {

struct Breeding {
    int parentsPair = 0;      // the family's pair: sire and dam, the subject and its siblings
    int siresParentsPair = 0; // the sire's parents, the sire their young
    int damsParentsPair = 0;  // the dam's parents, the dam their young
    int parentsAgainPair = 0; // sire and dam paired again a year later, without young
    std::vector<int> seasons; // "Sezon 2021", "Sezon 2025", "Sezon 2026"
};

/// Stores the pairs, seasons and races in the family's loft; the caller loads the loft
/// afterwards (AppData::SelectLoft).
Breeding SeedBreeding(const FamilyFixture::Family& family);

} // namespace BreedingFixture

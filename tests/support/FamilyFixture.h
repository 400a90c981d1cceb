// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

// A pigeon with four generations of ancestors, for the family tree, pedigree and printing tests,
// the screenshots and the sample printouts.
namespace FamilyFixture {

struct Family {
    int loftId = 0;
    int categoryId = 0;
    /// Generation n holds 2^n ids; the sire of (n, k) is (n + 1, 2k), its dam (n + 1, 2k + 1).
    std::array<std::vector<int>, 5> generations;
    int subject() const { return generations[0][0]; }
    int sire() const { return generations[1][0]; }
    int dam() const { return generations[1][1]; }
    /// The subject and its two siblings, children of the pair of its parents.
    std::vector<int> children;
    int pairId = 0;
};

/// Fails the running test when a fixture's write did not succeed.
void Check(bool ok, const char* what);

/// Stores a loft "Gołębnik" with the category "Lotowe" holding the subject, its siblings and
/// its ancestors; every bird has a band, a name, a colour and the pedigree note of its
/// generation. With photos the birds of the first three generations get painted photos (the
/// subject two). The caller loads the loft afterwards (AppData::SelectLoft).
Family SeedFamily(bool photos);

/// Stores, outside the category, a hen whose sire is the subject's sire's sire and whose dam
/// is the subject's dam's dam: the subject and she share those two (F of their young 12.5 %).
int StoreCousinHen(const Family& family);

} // namespace FamilyFixture

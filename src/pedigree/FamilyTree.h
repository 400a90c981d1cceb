// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <array>

class AppData;

// The seven birds of a three-generation family tree. The dam side comes first, and in every
// couple the female before the male.
enum FamilyTreeSlot {
    TreeSubject,
    TreeDam,
    TreeSire,
    TreeDamsDam,
    TreeDamsSire,
    TreeSiresDam,
    TreeSiresSire,
    TreeSlotCount
};

using FamilyTreeBirds = std::array<PigeonRecord, TreeSlotCount>;

/// The subject and its parents and grandparents from the loaded loft; a parent that is not
/// recorded or not loaded is an empty record, and so are its own parents.
FamilyTreeBirds CollectFamilyTree(const AppData& data, int subjectId);

/// The slot whose parents stand above a slot's, -1 for the grandparents.
int FamilyTreeMother(int slot);
int FamilyTreeFather(int slot);
/// 2 for the female slots, 1 for the male ones, 0 for the subject.
int FamilyTreeSex(int slot);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/FamilyTree.h"

#include "storage/AppData.h"

FamilyTreeBirds CollectFamilyTree(const AppData& data, int subjectId) {
    FamilyTreeBirds birds;
    birds[TreeSubject] = data.FindPigeon(subjectId);
    for (int slot = TreeSubject; slot <= TreeSire; ++slot) {
        const PigeonRecord& bird = birds[size_t(slot)];
        birds[size_t(FamilyTreeMother(slot))] = data.FindPigeon(bird.idDam);
        birds[size_t(FamilyTreeFather(slot))] = data.FindPigeon(bird.idSire);
    }
    return birds;
}

int FamilyTreeMother(int slot) {
    switch (slot) {
    case TreeSubject:
        return TreeDam;
    case TreeDam:
        return TreeDamsDam;
    case TreeSire:
        return TreeSiresDam;
    default:
        return -1;
    }
}

int FamilyTreeFather(int slot) {
    const int mother = FamilyTreeMother(slot);
    return mother < 0 ? -1 : mother + 1;
}

int FamilyTreeSex(int slot) {
    if (slot == TreeSubject)
        return 0;
    return slot % 2 == 1 ? 2 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/ChooserCandidates.h"

#include "storage/AppData.h"

bool PassesChooserMode(const PigeonRecord& pigeon, int mode) {
    switch (mode) {
    case ChooseHens:
        return pigeon.sex == 0 || pigeon.sex == 2;
    case ChooseCocks:
        return pigeon.sex == 0 || pigeon.sex == 1;
    case ChooseWithoutParents:
        return pigeon.idDam == 0 && pigeon.idSire == 0;
    default:
        return true;
    }
}

std::vector<int> ChooserCandidates(const AppData& data, int mode,
                                   const std::vector<int>* categoryMembers) {
    std::vector<int> ids;
    if (!categoryMembers) {
        for (const auto& [id, pigeon] : data.pigeons)
            if (PassesChooserMode(pigeon, mode))
                ids.push_back(id);
        return ids;
    }
    for (int id : *categoryMembers) {
        const auto found = data.pigeons.find(id);
        if (found != data.pigeons.end() && PassesChooserMode(found->second, mode))
            ids.push_back(id);
    }
    return ids;
}

std::vector<int> MatchingBand(const AppData& data, const std::vector<int>& candidates,
                              const QString& text) {
    std::vector<int> ids;
    for (int id : candidates)
        if (data.FindPigeon(id).ringNumber.contains(text))
            ids.push_back(id);
    return ids;
}

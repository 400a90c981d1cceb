// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/PreviewData.h"

#include "storage/AppData.h"
#include "storage/Formatting.h"

std::vector<size_t> PairsOfPigeon(const AppData& data, int pigeonId) {
    std::vector<size_t> found;
    if (pigeonId < 1)
        return found;
    for (size_t i = 0; i < data.pairs.size(); ++i)
        if (data.pairs[i].idCock == pigeonId || data.pairs[i].idHen == pigeonId)
            found.push_back(i);
    return found;
}

int PartnerIn(const PairRecord& pair, int pigeonId) {
    return pair.idCock == pigeonId ? pair.idHen : pair.idCock;
}

std::vector<int> ProgenyOf(const AppData& data, int pigeonId) {
    std::vector<int> ids;
    for (size_t pair : PairsOfPigeon(data, pigeonId))
        for (const ChildRecord& child : data.pairs[pair].children)
            ids.push_back(child.idPigeon);
    return ids;
}

SiblingSources FindSiblingSources(const AppData& data, int pigeonId) {
    SiblingSources sources;
    const PigeonRecord& pigeon = data.FindPigeon(pigeonId);
    if (pigeon.id < 1 || pigeon.idSire < 1 || pigeon.idDam < 1)
        return sources;
    for (size_t i = 0; i < data.pairs.size(); ++i) {
        const PairRecord& pair = data.pairs[i];
        if (pair.idCock == pigeon.idSire && pair.idHen == pigeon.idDam)
            sources.parentPairs.push_back(i);
        for (const ChildRecord& child : pair.children)
            if (child.idPigeon == pigeonId)
                sources.clutchPair = static_cast<int>(i);
    }
    return sources;
}

std::vector<int> SiblingIds(const AppData& data, const SiblingSources& sources, int pigeonId,
                            bool all) {
    std::vector<int> ids;
    const auto addChildren = [&](const PairRecord& pair) {
        for (const ChildRecord& child : pair.children)
            if (child.idPigeon != pigeonId)
                ids.push_back(child.idPigeon);
    };
    if (!all) {
        if (sources.clutchPair >= 0)
            addChildren(data.pairs[size_t(sources.clutchPair)]);
        return ids;
    }
    for (size_t pair : sources.parentPairs)
        addChildren(data.pairs[pair]);
    return ids;
}

QStringList RelativeRowTexts(const AppData& data, int pigeonId) {
    const PigeonRecord& pigeon = data.FindPigeon(pigeonId);
    return {BandLabel(pigeon), SexWord(pigeon.sex), QString::number(pigeon.raceEntries),
            pigeon.shortDescription};
}

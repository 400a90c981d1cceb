// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/BestPairs.h"

#include "racing/RaceEditing.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"

#include <algorithm>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

bool HasRaced(const PigeonRecord& pigeon) {
    return pigeon.raceEntries >= 1;
}

std::vector<RankedCouple> RankBestPairs(const AppData& data) {
    std::vector<RankedCouple> couples;
    std::map<std::pair<int, int>, size_t> coupleOf; // (cock, hen) -> index in couples
    std::vector<std::set<int>> counted;             // the young already taken, per couple
    for (const PairRecord& pair : data.pairs) {
        const auto [found, added] = coupleOf.try_emplace({pair.idCock, pair.idHen}, couples.size());
        if (added) {
            couples.push_back({pair, kNoRacedChild});
            couples.back().pair.children.clear();
            counted.emplace_back();
        }
        RankedCouple& couple = couples[found->second];
        for (const ChildRecord& child : pair.children)
            if (HasRaced(data.FindPigeon(child.idPigeon)) &&
                counted[found->second].insert(child.idPigeon).second)
                couple.pair.children.push_back(child);
    }
    for (RankedCouple& couple : couples) {
        qint64 sum = 0;
        qint64 placed = 0;
        for (const ChildRecord& child : couple.pair.children)
            if (const int average = data.FindPigeon(child.idPigeon).averagePosition;
                IsPlaced(average)) {
                sum += average;
                ++placed;
            }
        couple.placedChild = placed > 0;
        if (couple.placedChild)
            couple.score = static_cast<int>(sum / placed);
    }
    // The raced flag first, so that a couple averaging 50000 or more still ranks above those
    // whose young never raced.
    std::stable_sort(couples.begin(), couples.end(),
                     [](const RankedCouple& a, const RankedCouple& b) {
                         if (a.HasRacedChild() != b.HasRacedChild())
                             return a.HasRacedChild();
                         if (a.placedChild != b.placedChild)
                             return a.placedChild;
                         return a.score < b.score;
                     });
    return couples;
}

RowIdTableModel::Row BestPairRow(const AppData& data, const RankedCouple& couple, int place) {
    return {couple.pair.id,
            {QString::number(place), BandLabel(data.FindPigeon(couple.pair.idCock)),
             BandLabel(data.FindPigeon(couple.pair.idHen))}};
}

QStringList BestPairHeaders() {
    return {u"Nr."_s, u"Sire"_s, u"Dam"_s};
}

std::vector<int> BestPairColumnWidths() {
    return {30, 145, 145};
}

RowIdTableModel::Row RacedChildRow(const PigeonRecord& pigeon) {
    const float velocity =
        pigeon.raceEntries > 0 ? pigeon.velocitySum / static_cast<float>(pigeon.raceEntries) : 0;
    return {pigeon.id,
            {BandLabel(pigeon), QString::number(pigeon.raceEntries),
             QString::number(pigeon.averagePosition), FormatNumber(velocity)}};
}

QStringList RacedChildHeaders() {
    return {u"Pigeon"_s, u"Qualified"_s, u"Aver. Pos"_s, u"Aver. Speed"_s};
}

std::vector<int> RacedChildColumnWidths() {
    return {160, 75, 85, 85};
}

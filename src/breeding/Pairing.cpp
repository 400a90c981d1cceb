// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/Pairing.h"

#include "breeding/Relationship.h"
#include "pedigree/PageWriting.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int kShownRemarks = 30;

// One line of a list cell.
QString OneLine(QString text) {
    text.replace(u"\r\n"_s, u" "_s);
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text;
}

} // namespace

qint64 SeasonEndBound(qint64 dateEnd) {
    LocalFields day;
    if (dateEnd == -1 || !SplitLocalTime(dateEnd, day))
        return std::numeric_limits<qint64>::max();
    const qint64 next = ComposeLocalTime(day.year, day.month, day.day + 1, 0, 0, 0);
    return next == -1 ? dateEnd : next;
}

bool PairInSeason(const PairRecord& pair, const SeasonRecord& season) {
    return PairsInFilter({pair}, &season).size() == 1;
}

std::vector<int> PairsInFilter(const std::vector<PairRecord>& pairs, const SeasonRecord* season) {
    std::vector<int> shown;
    shown.reserve(pairs.size());
    const qint64 begin = season ? season->dateBegin : -1;
    const qint64 end = season ? SeasonEndBound(season->dateEnd) : 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const qint64 paired = pairs[i].datePaired;
        if (!season || ((begin == -1 || begin < paired) && paired < end))
            shown.push_back(static_cast<int>(i));
    }
    return shown;
}

RowIdTableModel::Row PairRow(const AppData& data, const PairRecord& pair, Lineage& lineage) {
    const bool two = pair.idCock > 0 && pair.idHen > 0 && pair.idCock != pair.idHen;
    return {pair.id,
            {u" "_s, BandLabel(data.FindPigeon(pair.idCock)),
             BandLabel(data.FindPigeon(pair.idHen)), FormatDateTime(pair.datePaired),
             OneLine(pair.remarks.left(kShownRemarks)),
             two ? PercentText(lineage.MatingInbreeding(pair.idCock, pair.idHen)) : QString()}};
}

RowIdTableModel::Row PairRow(const AppData& data, const PairRecord& pair) {
    Lineage lineage(data);
    return PairRow(data, pair, lineage);
}

QStringList PairHeaders() {
    return {QString(), u"Sire "_s, u"Dam"_s, u"Pairing Date"_s, u"Remarks"_s, u"F %"_s};
}

std::vector<int> PairColumnWidths() {
    return {30, 160, 160, 130, 160, 60};
}

RowIdTableModel::Row ChildRow(const AppData& data, const ChildRecord& child) {
    const PigeonRecord& pigeon = data.FindPigeon(child.idPigeon);
    return {child.id, {u" "_s, BandLabel(pigeon), SexWord(pigeon.sex), OneLine(child.remarks)}};
}

QStringList ChildHeaders() {
    return {QString(), u"Pigeon"_s, u"Sex"_s, u"Remarks"_s};
}

std::vector<int> ChildColumnWidths() {
    return {30, 140, 140, 180};
}

std::vector<RowIdTableModel::Row> ChildRows(const AppData& data, const PairRecord& pair) {
    std::vector<RowIdTableModel::Row> rows;
    rows.reserve(pair.children.size());
    for (const ChildRecord& child : pair.children)
        rows.push_back(ChildRow(data, child));
    return rows;
}

QString PigeonInformation(const AppData& data, const PigeonRecord& pigeon) {
    return ColourName(data, pigeon.idColour) + u"\n\n"_s + pigeon.shortDescription;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AppData.h"

using namespace Qt::StringLiterals;

QString LookupTable(Lookup lookup) {
    switch (lookup) {
    case Lookup::Colours:
        return u"kolory"_s;
    case Lookup::Varieties:
        return u"gatunekrasa"_s;
    case Lookup::Lines:
        return u"linia"_s;
    case Lookup::EyeColours:
        return u"koloroka"_s;
    case Lookup::Statuses:
        return u"statusy"_s;
    }
    return {};
}

AppData::AppData() {
    for (Lookup lookup :
         {Lookup::Colours, Lookup::Varieties, Lookup::Lines, Lookup::EyeColours, Lookup::Statuses})
        LookupMapOf(lookup)[0] = u" "_s;
}

int AppData::CurrentLoftId() const {
    if (currentLoft < 0 || currentLoft >= static_cast<int>(lofts.size()))
        return 0;
    return lofts[static_cast<size_t>(currentLoft)].id;
}

const PigeonRecord& AppData::FindPigeon(int id) const {
    static const PigeonRecord kEmpty;
    if (id == 0)
        return kEmpty;
    const auto found = pigeons.find(id);
    return found == pigeons.end() ? kEmpty : found->second;
}

LookupMap& AppData::LookupMapOf(Lookup lookup) {
    return const_cast<LookupMap&>(std::as_const(*this).LookupMapOf(lookup));
}

const LookupMap& AppData::LookupMapOf(Lookup lookup) const {
    switch (lookup) {
    case Lookup::Colours:
        return colours;
    case Lookup::Varieties:
        return varieties;
    case Lookup::Lines:
        return lines;
    case Lookup::EyeColours:
        return eyeColours;
    case Lookup::Statuses:
        break;
    }
    return statuses;
}

DbResult AppData::SelectLoft(int loftId) {
    DbResult pigeonsResult = LoadPigeons(loftId);
    DbResult extraResult = LoadExtra(loftId);
    return pigeonsResult.ok() ? extraResult : pigeonsResult;
}

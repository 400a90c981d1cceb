// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/ListPage.h"

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

struct ColumnKind {
    const char16_t* title;
    const char16_t* width;
};

constexpr ColumnKind kColumns[ListColumnCount] = {
    {u"NR.", u"15mm"}, {u"Band", u"45mm"}, {u"Sex", u"*"},          {u"Color", u"*"},
    {u"Remark", u"*"}, {u"Sire", u"*"},    {u"Dam", u"*"},          {u"Breeder", u"*"},
    {u"Owner", u"*"},  {u"Variety", u"*"}, {u"Przydomek", u"42mm"}, {u"Photo", u"*"}};

QString ContactName(const std::map<int, ContactRecord>& contacts, int id) {
    const auto found = contacts.find(id);
    if (found == contacts.end())
        return {};
    return (found->second.firstName + u' ' + found->second.lastName).trimmed();
}

QString ParentBand(const AppData& data, int id) {
    const PigeonRecord& parent = data.FindPigeon(id);
    return parent.id == 0 ? QString() : BandLabel(parent);
}

QString Remarks(const PigeonRecord& p, const ListPageSettings& s) {
    QStringList parts;
    const std::pair<bool, const QString*> kinds[] = {{s.generalRemarks, &p.notesGeneral},
                                                     {s.diseaseRemarks, &p.notesDiseases},
                                                     {s.appearanceRemarks, &p.notesAppearance},
                                                     {s.problemRemarks, &p.notesProblems}};
    for (const auto& [chosen, text] : kinds)
        if (chosen && !text->trimmed().isEmpty())
            parts.append(HtmlText(text->trimmed(), true));
    return parts.join(u"<br>"_s);
}

QString Cell(const AppData& data, const PigeonRecord& p, int row, int code,
             const ListPageSettings& s) {
    switch (code) {
    case ListNumber:
        return QString::number(row);
    case ListBand:
        return p.id == 0 ? QString() : HtmlText(BandLabel(p));
    case ListSex:
        return p.sex == 1 ? u"Sire"_s : p.sex == 2 ? u"Dam"_s : QString();
    case ListColour:
        return HtmlText(ColourName(data, p.idColour));
    case ListRemark:
        return Remarks(p, s);
    case ListSire:
        return HtmlText(ParentBand(data, p.idSire));
    case ListDam:
        return HtmlText(ParentBand(data, p.idDam));
    case ListBreeder:
        return HtmlText(ContactName(data.breeders, p.idBreeder));
    case ListOwner:
        return HtmlText(ContactName(data.clients, p.idOwner));
    case ListVariety: {
        const auto found = data.varieties.find(p.idVariety);
        return found == data.varieties.end() ? QString() : HtmlText(found->second);
    }
    case ListNickname:
        return HtmlText(p.name);
    case ListPhoto: {
        if (p.photos.empty())
            return {};
        PhotoRecord photo = p.photos.front();
        return ImageTag(PhotoPath(photo), u"width=125 height=125"_s);
    }
    default:
        return {};
    }
}

} // namespace

QString ListColumnTitle(int code) {
    return code >= 0 && code < ListColumnCount ? QString::fromUtf16(kColumns[code].title)
                                               : QString();
}

QString ListColumnWidth(int code) {
    return code >= 0 && code < ListColumnCount ? QString::fromUtf16(kColumns[code].width)
                                               : QString();
}

QString ListPageHtml(const AppData& data, const std::vector<int>& pigeonIds,
                     const ListPageSettings& settings) {
    QString page;
    page.reserve(4096 + qsizetype(pigeonIds.size()) * qsizetype(settings.columns.size() + 2) * 24);
    page += QChar(0xFEFF);
    page += PrintPageHead(settings.style);
    if (settings.siblingsOf >= 1)
        page += u"<h2>Brothers and sisters of "_s +
                HtmlText(BandLabel(data.FindPigeon(settings.siblingsOf))) + u"</h2>"_s;
    page += MasterTableOpen();
    page += u"<thead><tr>"_s;
    for (int code : settings.columns)
        page += u"<th style=\"width:"_s + ListColumnWidth(code) + u"\">"_s + ListColumnTitle(code) +
                u"</th>"_s;
    page += u"</tr></thead><tbody>"_s;
    int row = 0;
    for (int id : pigeonIds) {
        ++row;
        const PigeonRecord& pigeon = data.FindPigeon(id);
        page += u"<tr valign=top>\r\n"_s;
        for (int code : settings.columns) {
            const QString cell = Cell(data, pigeon, row, code, settings);
            page += u"<td>"_s;
            page += cell.isEmpty() ? u"&nbsp;"_s : cell;
            page += u"</td>"_s;
        }
        page += u"</tr>\r\n"_s;
    }
    page += u"</table>"_s;
    return page;
}

QString ListPagePath() {
    return InstallDir() + u"/gx_lista.html"_s;
}

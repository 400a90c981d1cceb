// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PairingCard.h"

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"

using namespace Qt::StringLiterals;

namespace {

// The image of the bird's first photo, empty without one.
QString FirstPhoto(const PigeonRecord& pigeon) {
    if (pigeon.photos.empty())
        return {};
    PhotoRecord photo = pigeon.photos.front();
    return ImageTag(PhotoPath(photo), u"width=125 height=125"_s);
}

QString ParentCells(const AppData& data, int id, bool photos, const QString& photoCellOpen) {
    const PigeonRecord& pigeon = data.FindPigeon(id);
    QString cells;
    if (const QString photo = FirstPhoto(pigeon); photos && !photo.isEmpty())
        cells += photoCellOpen + photo + u"</td>"_s;
    cells += u"<td><b>"_s + HtmlText(BandLabel(pigeon)) + u"</b><br>"_s +
             HtmlText(pigeon.shortDescription, true) + u"</b><br>"_s +
             HtmlText(ColourName(data, pigeon.idColour)) + u"</td>"_s;
    return cells;
}

QString PairRemarks(const PairRecord& pair) {
    const std::pair<const char16_t*, const QString*> parts[] = {
        {u"Remarks", &pair.remarks}, {u"Sire", &pair.sireNote}, {u"Dam", &pair.damNote}};
    QString text;
    for (const auto& [title, remark] : parts)
        if (!remark->trimmed().isEmpty())
            text += u"<p><b>"_s + QString::fromUtf16(title) + u":</b> "_s +
                    HtmlText(remark->trimmed(), true) + u"</p>"_s;
    return text;
}

} // namespace

QString PairingCardHtml(const AppData& data, const PairRecord& pair,
                        const PairingCardSettings& settings) {
    QString page;
    page += QChar(0xFEFF);
    page += PrintPageHead(settings.style, true);
    page += u"<br><table style=\"width: 170mm\" border=1 cellspacing=0 cellpadding=2 "
            u"style=\"table-layout:fixed; word-wrap: break-word; page-break-after: none;\" "
            u"name=masterTbl2 id=masterTbl2><tr>"_s;
    page += ParentCells(data, pair.idCock, settings.parentPhotos, u"<td width=125>"_s);
    page += ParentCells(data, pair.idHen, settings.parentPhotos, u"<td width=125> "_s);
    page += u"</table>"_s;
    if (settings.pairRemarks)
        page += PairRemarks(pair);

    page += MasterTableOpen();
    page += u"<thead><tr><th style=\"width: 15mm\">LP</th><th style=\"width: 45mm\">Imię "
            u"psa</th><th style=\"width: 45mm\">Maść</th>"_s;
    if (settings.childRemarks)
        page += u"<th style=\"width: 45mm\">Notatki</th>"_s;
    if (settings.childPhotos)
        page += u"<th style=\"width: 45mm\">Zdjęcia</th>"_s;
    page += u"</tr></thead><tbody>"_s;
    int row = 0;
    for (const ChildRecord& child : pair.children) {
        const PigeonRecord& pigeon = data.FindPigeon(child.idPigeon);
        page += u"<tr valign=top>\r\n<td>"_s + QString::number(++row) + u"</td><td>&nbsp;"_s +
                HtmlText(BandLabel(pigeon)) + u"</td><td>&nbsp;"_s +
                HtmlText(ColourName(data, pigeon.idColour)) + u"&nbsp;</td>"_s;
        if (settings.childRemarks)
            page +=
                u"<td style=\"width: 45mm\">&nbsp;"_s + HtmlText(child.remarks, true) + u"</td>"_s;
        if (settings.childPhotos) {
            // A child without photos keeps its cell, so that the row is as long as the head.
            page += u"<td style=\"width: 125\">&nbsp;"_s + FirstPhoto(pigeon) + u"</td>"_s;
        }
        page += u"</tr>\r\n"_s;
    }
    page += u"</table>"_s;
    return page;
}

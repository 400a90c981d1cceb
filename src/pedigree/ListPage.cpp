// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/ListPage.h"

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kColumnTitles[ListColumnCount] = {
    u"NR.", u"Band",    u"Sex",   u"Color",   u"Remark",    u"Sire",
    u"Dam", u"Breeder", u"Owner", u"Variety", u"Przydomek", u"Photo"};

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

QStringList Remarks(const PigeonRecord& p, const ListPageSettings& s) {
    QStringList parts;
    const std::pair<bool, const QString*> kinds[] = {{s.generalRemarks, &p.notesGeneral},
                                                     {s.diseaseRemarks, &p.notesDiseases},
                                                     {s.appearanceRemarks, &p.notesAppearance},
                                                     {s.problemRemarks, &p.notesProblems}};
    for (const auto& [chosen, text] : kinds)
        if (chosen && !text->trimmed().isEmpty())
            parts.append(text->trimmed());
    return parts;
}

// A cell as plain text; the remarks come apart in lines.
QString CellText(const AppData& data, const PigeonRecord& p, int row, int code,
                 const ListPageSettings& s) {
    switch (code) {
    case ListNumber:
        return QString::number(row);
    case ListBand:
        return p.id == 0 ? QString() : BandLabel(p);
    case ListSex:
        return p.sex == 1 ? u"Sire"_s : p.sex == 2 ? u"Dam"_s : QString();
    case ListColour:
        return ColourName(data, p.idColour);
    case ListRemark:
        return Remarks(p, s).join(u'\n');
    case ListSire:
        return ParentBand(data, p.idSire);
    case ListDam:
        return ParentBand(data, p.idDam);
    case ListBreeder:
        return ContactName(data.breeders, p.idBreeder);
    case ListOwner:
        return ContactName(data.clients, p.idOwner);
    case ListVariety: {
        const auto found = data.varieties.find(p.idVariety);
        return found == data.varieties.end() ? QString() : found->second;
    }
    case ListNickname:
        return p.name;
    default:
        return {};
    }
}

constexpr int kPhotoSize = 125;

QString Cell(const AppData& data, const PigeonRecord& p, int row, int code,
             const ListPageSettings& s) {
    if (code == ListRemark) {
        QStringList parts = Remarks(p, s);
        for (QString& part : parts)
            part = HtmlText(part, true);
        return parts.join(u"<br>"_s);
    }
    if (code == ListPhoto) {
        if (p.photos.empty())
            return {};
        PhotoRecord photo = p.photos.front();
        return ImageTag(PhotoPath(photo), u"width=125 height=125"_s);
    }
    return HtmlText(CellText(data, p, row, code, s));
}

// Without the page's font: a character is taken as wide as 0.6 of the size in pixels, about
// Tahoma's widest lower-case average.
ListTextWidth Estimate(const PageStyle& style) {
    bool ok = false;
    const double points = style.fontSize.toDouble(&ok);
    const double perChar = (ok && points > 0 ? points : 12) * 96 / 72 * 0.6;
    return [perChar](const QString& text, bool head) {
        return (head ? 7.5 : perChar) * double(text.size());
    };
}

// The widest piece of a text that a line may not break, as the page's layout finds them.
double WidestUnbreakable(const QString& text, bool head, const ListTextWidth& textWidth) {
    double widest = 0;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (breaks.toNextBoundary() != -1) {
        const qsizetype end = breaks.position();
        widest = std::max(widest, textWidth(text.mid(start, end - start).trimmed(), head));
        start = end;
    }
    return widest;
}

// Each column's width as a share of the table, from its head and cells; the font size shrinks
// where the words would not fit the page at the chosen one.
std::vector<double> ColumnShares(const AppData& data, const std::vector<int>& pigeonIds,
                                 const ListPageSettings& s, PageStyle& style, double& headPoints) {
    std::vector<ListColumnText> columns;
    for (int code : s.columns) {
        ListColumnText column;
        column.head = ListColumnTitle(code);
        if (code == ListPhoto)
            column.fixedWidth = kPhotoSize;
        int row = 0;
        for (int id : pigeonIds) {
            const QString text = CellText(data, data.FindPigeon(id), ++row, code, s);
            if (!text.isEmpty())
                column.texts.append(text.split(u'\n'));
        }
        column.texts.removeDuplicates();
        columns.push_back(std::move(column));
    }
    const auto textWidth = s.textWidth ? s.textWidth : Estimate(s.style);
    // The page's margin and the table's border take a few pixels of the width.
    const double width = s.pageWidth - 16;
    const bool headsScale = s.headPoints > 0;
    ListColumnFit fit = FitListColumns(columns, width, textWidth, headsScale);
    bool ok = false;
    const double points = s.style.fontSize.toDouble(&ok);
    if (fit.cellScale < 1 && ok && points > 0) {
        // Half points down, so the text is no wider than the widths allow.
        const double fitted = std::max(1.0, std::floor(points * fit.cellScale * 2) / 2);
        style.fontSize = QString::number(fitted);
        if (headsScale)
            headPoints = std::floor(s.headPoints * fitted / points * 2) / 2;
        fit = FitListColumns(columns, width, [&](const QString& text, bool head) {
            return textWidth(text, head) * (head && !headsScale ? 1 : fitted / points);
        });
    }
    std::vector<double>& widths = fit.widths;
    double total = 0;
    for (double w : widths)
        total += w;
    for (double& w : widths)
        w = total > 0 ? w * 100 / total : 0;
    return widths;
}

} // namespace

QString ListColumnTitle(int code) {
    return code >= 0 && code < ListColumnCount ? QString::fromUtf16(kColumnTitles[code])
                                               : QString();
}

ListColumnFit FitListColumns(const std::vector<ListColumnText>& columns, double width,
                             const ListTextWidth& textWidth, bool headsScale) {
    // Cell padding and border on both sides, and a little for the rounding of the layout.
    constexpr double kCellExtra = 10;
    struct Needs {
        double headWord, headLine, cellWord = 0, cellLine = 0, fixed;
    };
    std::vector<Needs> needs;
    for (const ListColumnText& column : columns) {
        Needs n{WidestUnbreakable(column.head, true, textWidth), textWidth(column.head, true), 0, 0,
                column.fixedWidth};
        for (const QString& text : column.texts) {
            n.cellLine = std::max(n.cellLine, textWidth(text, false));
            n.cellWord = std::max(n.cellWord, WidestUnbreakable(text, false, textWidth));
        }
        needs.push_back(n);
    }
    const auto sum = [](const std::vector<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0);
    };
    const auto at = [&](double scale, bool line) {
        std::vector<double> v;
        const double head = headsScale ? scale : 1;
        for (const Needs& n : needs)
            v.push_back(
                std::max({n.fixed, head * (line ? n.headLine : n.headWord), head * n.headWord,
                          scale * (line ? std::max(n.cellLine, n.cellWord) : n.cellWord)}) +
                kCellExtra);
        return v;
    };
    ListColumnFit fit;
    if (sum(at(1, false)) > width) {
        double low = 0.5;
        double high = 1;
        for (int step = 0; step < 30; ++step) {
            const double middle = (low + high) / 2;
            (sum(at(middle, false)) > width ? high : low) = middle;
        }
        fit.cellScale = low;
    }
    const std::vector<double> least = at(fit.cellScale, false);
    const std::vector<double> whole = at(fit.cellScale, true);
    fit.widths = whole;
    if (sum(whole) <= width) {
        // The spare width goes to the columns in step with what they hold.
        const double total = sum(whole);
        for (double& w : fit.widths)
            w += total > 0 ? (width - total) * w / total : 0;
        return fit;
    }
    // The widest columns narrow to a common ceiling, none below its widest word.
    const auto capped = [&](double ceiling) {
        std::vector<double> v(whole.size());
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = std::max(least[i], std::min(whole[i], ceiling));
        return v;
    };
    double low = 0;
    double high = *std::max_element(whole.begin(), whole.end());
    for (int step = 0; step < 40; ++step) {
        const double middle = (low + high) / 2;
        (sum(capped(middle)) > width ? high : low) = middle;
    }
    fit.widths = capped(low);
    return fit;
}

QString ListPageHtml(const AppData& data, const std::vector<int>& pigeonIds,
                     const ListPageSettings& settings) {
    QString page;
    page.reserve(4096 + qsizetype(pigeonIds.size()) * qsizetype(settings.columns.size() + 2) * 24);
    page += QChar(0xFEFF);
    PageStyle style = settings.style;
    double headPoints = 0; // a head shrunk with the cells
    const std::vector<double> shares = ColumnShares(data, pigeonIds, settings, style, headPoints);
    const QString headSize =
        headPoints > 0 ? u" style=\"font-size: %1pt\""_s.arg(headPoints) : QString();
    page += PrintPageHead(style);
    if (settings.siblingsOf >= 1)
        page += u"<h2>Brothers and sisters of "_s +
                HtmlText(BandLabel(data.FindPigeon(settings.siblingsOf))) + u"</h2>"_s;
    page += MasterTableOpen();
    page += u"<thead><tr>"_s;
    for (size_t i = 0; i < settings.columns.size(); ++i)
        page += u"<th width=\""_s + QString::number(shares[i], 'f', 2) + u"%\""_s + headSize +
                u">"_s + ListColumnTitle(settings.columns[i]) + u"</th>"_s;
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

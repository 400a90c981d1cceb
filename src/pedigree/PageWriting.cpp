// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PageWriting.h"

#include "storage/AppData.h"
#include "storage/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

QString PrintPageHead(const PageStyle& style, bool sizedTableHead) {
    const QString& f = style.font;
    const QString& s = style.fontSize;
    QString head =
        u"<html><style type=\"text/css\" media=\"print,screen\" >td { page-break-inside: "
        u"auto; font-size: "_s +
        s + u"pt; font-family: "_s + f + u" }th { \t    font-family: "_s + f +
        u"; color:black; \t    background-color: lightgrey; "_s;
    if (sizedTableHead)
        head += u"font-size: "_s + s + u"pt;"_s;
    head += u"\t}thead { \t    display:table-header-group; \t\t}tbody { \t    display: "
            u"table-row-group; \t}</style><script type=\"text/javascript\">window.onload = "
            u"load;function load(){var rowHeight=0;var tblHeight = 0;for(var i = 0; i < "
            u"document.all.masterTbl.rows.length;i++){oBndRct = "
            u"document.all.masterTbl.rows[i].getBoundingClientRect();rowHeight = oBndRct.bottom "
            u"- oBndRct.top + 1;  if(tblHeight + rowHeight > "_s +
            style.bottomMargin +
            u") {document.all.masterTbl.rows[i-1].style.pageBreakAfter=\"always\";tblHeight = "
            u"0;}tblHeight += rowHeight;}}</script><body>"_s;
    return head;
}

QString MasterTableOpen() {
    return u"<br><table style=\"width: 170mm\" border=1 cellspacing=0 cellpadding=2 "
           u"style=\"table-layout:fixed; word-wrap: break-word; page-break-after: always;\" "
           u"name=masterTbl id=masterTbl>"_s;
}

QString HtmlText(const QString& value, bool keepLines) {
    QString text;
    text.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case u'&':
            text += u"&amp;"_s;
            break;
        case u'<':
            text += u"&lt;"_s;
            break;
        case u'>':
            text += u"&gt;"_s;
            break;
        case u'"':
            text += u"&quot;"_s;
            break;
        case u'\'':
            text += u"&#39;"_s;
            break;
        case u'\r':
            if (!keepLines)
                text += c;
            else if (i + 1 >= value.size() || value[i + 1] != u'\n')
                text += u"<br>"_s;
            break;
        case u'\n':
            text += keepLines ? u"<br>"_s : QString(c);
            break;
        default:
            text += c;
        }
    }
    return text;
}

QString ImageSource(const QString& path) {
    return u"file://"_s +
           QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/"));
}

QString ImageTag(const QString& path, const QString& attributes) {
    return u"<img src=\""_s + ImageSource(path) + u"\" "_s + attributes + u'>';
}

QString ColourName(const AppData& data, int colourId) {
    const auto found = data.colours.find(colourId);
    if (found != data.colours.end())
        return found->second;
    return colourId == 0 ? u" "_s : QString();
}

bool WritePage(const QString& path, const QString& page) {
    return WriteTextFile(path, page);
}

namespace {

// UTF-16LE without a mark: mostly zero odd bytes, while the even ones hold the text.
bool LooksLikeUtf16Le(const QByteArray& bytes) {
    const qsizetype n = std::min<qsizetype>(bytes.size(), 400) & ~qsizetype(1);
    if (n < 2)
        return false;
    int zeroOdd = 0;
    int zeroEven = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        zeroEven += bytes[i] == 0;
        zeroOdd += bytes[i + 1] == 0;
    }
    return zeroOdd * 10 >= (n / 2) * 6 && zeroEven * 10 < (n / 2);
}

} // namespace

QString DecodePage(const QByteArray& bytes) {
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding && LooksLikeUtf16Le(bytes))
        encoding = QStringConverter::Utf16LE;
    if (!encoding)
        encoding = QStringConverter::encodingForHtml(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}

namespace {

constexpr double kPixelsPerMm = 96.0 / 25.4;

// One table's tags that give their width in millimetres get a width attribute in pixels. When
// the columns of its first row add up to more than the table, they share its width.
QString TableWidthsInPixels(const QString& table) {
    static const QRegularExpression tag(u"<(table|th|td|tr)\\b([^>]*)>"_s,
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression millimetres(u"width\\s*:\\s*([0-9]+(?:\\.[0-9]+)?)\\s*mm"_s,
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression widthAttribute(u"\\swidth\\s*="_s,
                                                   QRegularExpression::CaseInsensitiveOption);
    struct Width {
        qsizetype at; // where the attribute goes: after the tag's name
        double mm;
        bool isTable;
    };
    std::vector<Width> widths;
    double tableMm = 0;
    double firstRowMm = 0;
    int rows = 0;
    for (auto it = tag.globalMatch(table); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1).toLower();
        if (name == u"tr"_s) {
            ++rows;
            continue;
        }
        const QString attributes = m.captured(2);
        const QRegularExpressionMatch width = millimetres.match(attributes);
        if (!width.hasMatch() || widthAttribute.match(attributes).hasMatch())
            continue;
        const double mm = width.captured(1).toDouble();
        const bool isTable = name == u"table"_s;
        if (isTable)
            tableMm = mm;
        else if (rows <= 1)
            firstRowMm += mm;
        widths.push_back({m.capturedEnd(1), mm, isTable});
    }
    const double share = tableMm > 0 && firstRowMm > tableMm ? tableMm / firstRowMm : 1.0;
    QString text;
    text.reserve(table.size() + 16 * qsizetype(widths.size()));
    qsizetype done = 0;
    for (const Width& width : widths) {
        text += QStringView(table).mid(done, width.at - done);
        const double mm = width.isTable ? width.mm : width.mm * share;
        text += u" width="_s + QString::number(qRound(mm * kPixelsPerMm));
        done = width.at;
    }
    text += QStringView(table).mid(done);
    return text;
}

} // namespace

QString ForRichText(const QString& page) {
    if (!page.contains(u"mm"_s))
        return page;
    QString text;
    text.reserve(page.size() + 256);
    qsizetype done = 0;
    while (true) {
        const qsizetype start = page.indexOf(u"<table"_s, done, Qt::CaseInsensitive);
        if (start < 0)
            break;
        qsizetype end = page.indexOf(u"</table>"_s, start, Qt::CaseInsensitive);
        end = end < 0 ? page.size() : end;
        text += QStringView(page).mid(done, start - done);
        text += TableWidthsInPixels(page.mid(start, end - start));
        done = end;
    }
    text += QStringView(page).mid(done);
    return text;
}

namespace {

// The next "<tag" of a tag name (followed by a blank, '>' or '/'), from a position.
qsizetype FindTag(const QString& page, QStringView tag, qsizetype from) {
    while (true) {
        const qsizetype at = page.indexOf(tag, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        const qsizetype next = at + tag.size();
        if (next >= page.size())
            return -1;
        const QChar c = page[next];
        if (c.isSpace() || c == u'>' || c == u'/')
            return at;
        from = next;
    }
}

} // namespace

bool SplitLongTable(const QString& page, int minRows, LongTablePage& out) {
    // The table with most rows that holds no other table.
    qsizetype bestStart = -1;
    qsizetype bestEnd = -1;
    int bestRows = 0;
    for (qsizetype start = FindTag(page, u"<table", 0); start >= 0;) {
        const qsizetype end = page.indexOf(u"</table>"_s, start, Qt::CaseInsensitive);
        if (end < 0)
            break;
        const qsizetype inner = FindTag(page, u"<table", start + 6);
        if (inner >= 0 && inner < end) {
            start = inner;
            continue;
        }
        int rows = 0;
        for (qsizetype tr = FindTag(page, u"<tr", start); tr >= 0 && tr < end;
             tr = FindTag(page, u"<tr", tr + 3))
            ++rows;
        if (rows > bestRows) {
            bestRows = rows;
            bestStart = start;
            bestEnd = end;
        }
        start = FindTag(page, u"<table", end);
    }
    if (bestStart < 0 || bestRows < minRows)
        return false;

    out = {};
    // Style elements apply to every part of the page.
    for (qsizetype at = FindTag(page, u"<style", 0); at >= 0; at = FindTag(page, u"<style", at)) {
        const qsizetype open = page.indexOf(u'>', at);
        const qsizetype close = page.indexOf(u"</style>"_s, at, Qt::CaseInsensitive);
        if (open < 0 || close < 0)
            break;
        out.styleSheet += page.mid(open + 1, close - open - 1);
        at = close;
    }
    const qsizetype tagEnd = page.indexOf(u'>', bestStart);
    out.before = page.left(bestStart);
    out.tableOpen = page.mid(bestStart, tagEnd - bestStart + 1);
    out.after = page.mid(bestEnd + 8);

    qsizetype position = tagEnd + 1;
    const qsizetype head = FindTag(page, u"<thead", position);
    if (head >= 0 && head < bestEnd) {
        const qsizetype headEnd = page.indexOf(u"</thead>"_s, head, Qt::CaseInsensitive);
        if (headEnd >= 0 && headEnd < bestEnd) {
            out.tableHead = page.mid(head, headEnd + 8 - head);
            position = headEnd + 8;
        }
    }
    // A row runs to the next row or to the end of its body or table.
    qsizetype row = FindTag(page, u"<tr", position);
    qsizetype bodyEnd = page.indexOf(u"</tbody>"_s, position, Qt::CaseInsensitive);
    if (bodyEnd < 0 || bodyEnd > bestEnd)
        bodyEnd = bestEnd;
    out.rows.reserve(size_t(bestRows));
    while (row >= 0 && row < bodyEnd) {
        qsizetype next = FindTag(page, u"<tr", row + 3);
        if (next < 0 || next > bodyEnd)
            next = bodyEnd;
        out.rows.push_back(page.mid(row, next - row));
        row = next;
    }
    return !out.rows.empty();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Formatting.h"

#include "storage/Records.h"

using namespace Qt::StringLiterals;

QString BandLabel(const PigeonRecord& pigeon) {
    QString label =
        pigeon.country + u' ' + pigeon.branch + u' ' + pigeon.year + u' ' + pigeon.ringNumber;
    if (!pigeon.name.isEmpty())
        label += u" ["_s + pigeon.name + u']';
    return label;
}

QString SexWord(int sex) {
    switch (sex) {
    case 1:
        return u"Cock"_s;
    case 2:
        return u"Hen"_s;
    default:
        return {};
    }
}

QString FormatNumber(double value) {
    return QString::number(value, 'g', 6);
}

QString CurrencyCode(int currency) {
    static const char16_t* const kCodes[] = {u"PLN", u"USD", u"EUR", u"FRA", u"JEN"};
    return currency >= 0 && currency < 5 ? QString::fromUtf16(kCodes[currency]) : QString();
}

QString PriceNumber(double price) {
    QString text = QString::number(price, 'f', 2);
    if (text.endsWith(u"0"_s) && text.contains(u'.'))
        text.chop(text.endsWith(u"00"_s) ? 3 : 1);
    return text == u"-0"_s ? u"0"_s : text;
}

QString PriceText(double price, int currency) {
    const QString code = CurrencyCode(currency);
    return code.isEmpty() ? PriceNumber(price) : PriceNumber(price) + u' ' + code;
}

QString ShortRemark(const QString& remark) {
    const QString line = remark.simplified();
    return line.size() > 15 ? line.left(15) + u'\u2026' : line;
}

QString PlainToolTip(const QString& text) {
    if (!text.contains(u'<'))
        return text;
    return u"<qt>"_s + text.toHtmlEscaped().replace(u'\n', u"<br>"_s) + u"</qt>"_s;
}

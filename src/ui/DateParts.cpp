// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DateParts.h"

#include <QDate>
#include <QRegularExpression>
#include <QToolTip>
#include <QWidget>

using namespace Qt::StringLiterals;

DatePartRange RangeOf(DatePart part) {
    switch (part) {
    case DatePart::Day:
        return {1, 31, 2};
    case DatePart::Month:
        return {1, 12, 2};
    case DatePart::Year:
        return {1900, 2100, 4};
    case DatePart::Hour:
        return {0, 23, 2};
    case DatePart::Minute:
    case DatePart::Second:
        return {0, 59, 2};
    }
    return {0, 0, 0};
}

QString RangeMessage(DatePart part) {
    static const QString names[] = {u"day"_s,  u"month"_s,  u"year"_s,
                                    u"hour"_s, u"minute"_s, u"second"_s};
    const DatePartRange r = RangeOf(part);
    return u"The %1 must be from %2 to %3."_s.arg(names[int(part)]).arg(r.low).arg(r.high);
}

bool InRange(DatePart part, int value) {
    const DatePartRange r = RangeOf(part);
    return value >= r.low && value <= r.high;
}

bool IsPartSeparator(QChar c) {
    return c == u'/' || c == u'.' || c == u'-' || c == u':' || c == u' ';
}

QList<int> SplitWhole(const QString& text) {
    static const QRegularExpression whole(u"^\\s*(\\d{1,4})([/.:-]\\d{1,4}){1,2}\\s*$"_s);
    QList<int> numbers;
    if (!whole.match(text).hasMatch())
        return numbers;
    static const QRegularExpression separators(u"[/.:-]"_s);
    for (const QString& piece : text.trimmed().split(separators))
        numbers.append(piece.toInt());
    return numbers;
}

void ShowRefusal(QWidget* where, const QString& message) {
    QToolTip::showText(where->mapToGlobal(QPoint(0, where->height())), message, where);
}

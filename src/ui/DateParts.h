// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QWidget;

// The parts of a date or a time as the user types them, one at a time or whole.
enum class DatePart { Day, Month, Year, Hour, Minute, Second };

struct DatePartRange {
    int low;
    int high;
    int digits;
};

DatePartRange RangeOf(DatePart part);
/// What the part accepts, said to the user when a typed value is refused.
QString RangeMessage(DatePart part);
bool InRange(DatePart part, int value);
/// A character typed between parts ("14/06/2025", "7:15").
bool IsPartSeparator(QChar c);
/// The numbers of a whole date or time typed or pasted at once; empty when it is not one.
QList<int> SplitWhole(const QString& text);
/// A short note under the control that says why what was typed was not taken.
void ShowRefusal(QWidget* where, const QString& message);

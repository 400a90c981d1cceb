// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

/// Seconds since 1970 for a local calendar time, normalised like the C library does (day 31
/// of month 4 is 1 May, minute 60 the next hour); daylight saving as the system decides. -1
/// when the time cannot be represented.
qint64 ComposeLocalTime(int year, int month, int day, int hour, int minute, int second);

/// Local calendar fields of a stored time; false for -1 (no time) or a time the system refuses.
/// Times before 1970 are negative and split like any other.
struct LocalFields {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
bool SplitLocalTime(qint64 time, LocalFields& fields);

// The three display forms. A time of -1 (none) shows as an empty text.
QString FormatDate(qint64 time);     // "%d/%m/%y"
QString FormatTime(qint64 time);     // "%H:%M"
QString FormatDateTime(qint64 time); // "%d/%m/%y, %H:%M"

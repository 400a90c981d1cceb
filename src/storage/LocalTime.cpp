// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/LocalTime.h"

#include <ctime>

namespace {

// Only -1 means "no time"; earlier times are dates before 1970 and valid.
bool ToLocal(qint64 time, std::tm& out) {
    if (time == -1)
        return false;
    const auto t = static_cast<std::time_t>(time);
    return localtime_r(&t, &out) != nullptr;
}

enum class Form { Date, Time, DateTime };

QString Format(qint64 time, Form form) {
    std::tm tm{};
    if (!ToLocal(time, tm))
        return {};
    char buffer[64];
    size_t n = 0;
    switch (form) {
    case Form::Date:
        n = std::strftime(buffer, sizeof buffer, "%d/%m/%y", &tm);
        break;
    case Form::Time:
        n = std::strftime(buffer, sizeof buffer, "%H:%M", &tm);
        break;
    case Form::DateTime:
        n = std::strftime(buffer, sizeof buffer, "%d/%m/%y, %H:%M", &tm);
        break;
    }
    return QString::fromLatin1(buffer, static_cast<qsizetype>(n));
}

} // namespace

qint64 ComposeLocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    return t == static_cast<std::time_t>(-1) ? -1 : static_cast<qint64>(t);
}

bool SplitLocalTime(qint64 time, LocalFields& fields) {
    std::tm tm{};
    if (!ToLocal(time, tm))
        return false;
    fields = {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    return true;
}

QString FormatDate(qint64 time) {
    return Format(time, Form::Date);
}

QString FormatTime(qint64 time) {
    return Format(time, Form::Time);
}

QString FormatDateTime(qint64 time) {
    return Format(time, Form::DateTime);
}

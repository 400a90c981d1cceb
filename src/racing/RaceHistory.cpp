// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RaceHistory.h"

#include "racing/RaceEditing.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kDay = 86400;

int YearOf(qint64 time) {
    LocalFields fields;
    return SplitLocalTime(time, fields) ? fields.year : 1970;
}

} // namespace

std::vector<double> ChartAxis::Ticks() const {
    std::vector<double> ticks;
    if (!(step > 0))
        return ticks;
    const auto count = static_cast<long long>(std::llround((max - min) / step));
    for (long long i = 0; i <= count; ++i)
        ticks.push_back(min + static_cast<double>(i) * step);
    return ticks;
}

ChartAxis NiceAxis(double low, double high, int maxTicks) {
    if (high < low)
        std::swap(low, high);
    if (high == low) {
        const double pad = std::max(1.0, std::abs(low) * 0.1);
        low -= pad;
        high += pad;
    }
    const double rough = (high - low) / std::max(1, maxTicks - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double residual = rough / magnitude;
    const double step = magnitude * (residual <= 1   ? 1
                                     : residual <= 2 ? 2
                                     : residual <= 5 ? 5
                                                     : 10);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

RaceHistory BuildRaceHistory(const std::vector<RaceResultRow>& rows) {
    RaceHistory history;
    for (const RaceResultRow& row : rows) {
        // Only -1 means "no time": a race before 1970 has a negative date like any other.
        const qint64 date = row.race.czasodlotu != -1 ? row.race.czasodlotu : row.arrival;
        if (date == -1) {
            ++history.undated;
            continue;
        }
        history.points.push_back(
            {date, row.race.miejscowosc, row.velocity, IsPlaced(row.position) ? row.position : 0});
    }
    std::stable_sort(
        history.points.begin(), history.points.end(),
        [](const RaceHistoryPoint& a, const RaceHistoryPoint& b) { return a.date < b.date; });
    std::optional<float> lowest;
    std::optional<float> highest;
    int lastPlace = 0;
    for (const RaceHistoryPoint& point : history.points) {
        if (point.velocity) {
            lowest = std::min(lowest.value_or(*point.velocity), *point.velocity);
            highest = std::max(highest.value_or(*point.velocity), *point.velocity);
        }
        lastPlace = std::max(lastPlace, point.position);
    }
    history.velocity = lowest ? NiceAxis(*lowest, *highest) : NiceAxis(0, 1000);
    // Positions are whole numbers: at least five of them, so that no step is a fraction.
    history.position = NiceAxis(0, std::max(lastPlace, 5));
    if (history.points.empty())
        return history;

    const qint64 first = history.points.front().date;
    const qint64 last = history.points.back().date;
    const qint64 pad = std::max((last - first) / 25, 3 * kDay);
    history.from = first - pad;
    history.to = last + pad;
    for (int year = YearOf(history.from), end = YearOf(history.to); year <= end; ++year) {
        const qint64 start = ComposeLocalTime(year, 1, 1, 0, 0, 0);
        const qint64 next = ComposeLocalTime(year + 1, 1, 1, 0, 0, 0);
        history.seasons.push_back(
            {year, std::max(start, history.from), std::min(next, history.to)});
    }
    return history;
}

QString RaceHistoryText(const RaceHistoryPoint& point) {
    const QString velocity =
        point.velocity ? FormatNumber(*point.velocity) + u" m/min"_s : u"no velocity"_s;
    const QString position =
        point.position > 0 ? u"position %1"_s.arg(point.position) : u"not placed"_s;
    const QString date = FormatDate(point.date);
    const QString where = point.place.trimmed().isEmpty() ? date : point.place + u", "_s + date;
    return where + u": "_s + velocity + u", "_s + position;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "racing/RaceResults.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// A pigeon's races laid out for the history chart: what is drawn where, without a window.

/// One value axis: from min to max, labelled every step (a 1, 2 or 5 times a power of ten).
struct ChartAxis {
    double min = 0;
    double max = 1;
    double step = 1;
    /// The labelled values from min to max.
    std::vector<double> Ticks() const;
};

/// A season on the time axis: the part of its calendar year the axis shows.
struct ChartSeason {
    int year = 0;
    qint64 from = 0;
    qint64 to = 0;
};

/// A race of the pigeon: its date (the release, or the arrival when the release is not known),
/// its velocity (none without a flight time) and its union position (0: not placed).
struct RaceHistoryPoint {
    qint64 date = -1;
    QString place;
    std::optional<float> velocity;
    int position = 0;
};

struct RaceHistory {
    std::vector<RaceHistoryPoint> points; // in date order; races of one day keep their order
    int undated = 0;                      // races with neither a release nor an arrival
    qint64 from = 0;                      // the time axis
    qint64 to = 1;
    ChartAxis velocity; // metres per minute
    ChartAxis position; // drawn with the best place at the top
    std::vector<ChartSeason> seasons;
};

/// A range that holds low and high, rounded out to whole steps, with about maxTicks labels.
ChartAxis NiceAxis(double low, double high, int maxTicks = 6);

/// The history of a pigeon from its result rows.
RaceHistory BuildRaceHistory(const std::vector<RaceResultRow>& rows);

/// A race in one line: "Gniezno, 14/06/26: 1192.86 m/min, position 5" ("no velocity",
/// "not placed" where the race has none).
QString RaceHistoryText(const RaceHistoryPoint& point);

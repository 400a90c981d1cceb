// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class AppData;
struct FlyerRecord;
struct RaceRecord;

// The two lists of the races tab: their columns and the text of each cell.

enum RaceColumn {
    RaceCheck,
    RacePlace,
    RaceReleaseDate,
    RaceDistance,
    RaceWeather,
    RaceScored,
    RaceColumnCount
};
enum FlyerColumn {
    FlyerCheck,
    FlyerPigeon,
    FlyerArrival,
    FlyerPosition,
    FlyerCoefficient,
    FlyerPoints,
    FlyerVelocity,
    FlyerColumnCount
};

QStringList RaceListHeaders();
std::vector<int> RaceListWidths();
QStringList FlyerListHeaders();
std::vector<int> FlyerListWidths();

/// The whole kilometres followed by " km"; the metres are not shown.
QString DistanceText(double kilometres);
/// "P %   (basketed / scored)", P the scored birds in percent of the basketed, 0 when either
/// count is not above 0.
QString ScoredText(int basketed, int scored);

QString RaceCellText(const RaceRecord& race, int column);
QString FlyerCellText(const AppData& data, const RaceRecord& race, const FlyerRecord& flyer,
                      int column);

/// The race types and the categories, item i standing for the stored index i.
QStringList RaceTypeNames();
QStringList RaceCategoryNames();

// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RaceLists.h"

#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "storage/Velocity.h"

using namespace Qt::StringLiterals;

QStringList RaceListHeaders() {
    return {u"..."_s,      u"Place"_s,   u"Release Date"_s,
            u"Distance"_s, u"Weather"_s, u"Scored(%, all, scored"_s};
}

std::vector<int> RaceListWidths() {
    return {30, 160, 110, 90, 120, 120};
}

QStringList FlyerListHeaders() {
    return {u"..."_s,        u"Pigeon"_s, u"Time of arrival"_s, u"Position"_s,
            u"Coefficent"_s, u"Points"_s, u"Velocity [m/min]"_s};
}

std::vector<int> FlyerListWidths() {
    return {30, 140, 140, 110, 90, 90, 130};
}

QString DistanceText(double kilometres) {
    return FormatNumber(kilometres) + u" km"_s;
}

QString ScoredText(int basketed, int scored) {
    const double percent =
        basketed > 0 && scored > 0 ? static_cast<double>(scored) / basketed * 100.0 : 0.0;
    return FormatNumber(percent) + u" % "_s + u"  ("_s + QString::number(basketed) + u" / "_s +
           QString::number(scored) + u')';
}

QString RaceCellText(const RaceRecord& race, int column) {
    switch (column) {
    case RaceCheck:
        return u" "_s;
    case RacePlace:
        return race.miejscowosc;
    case RaceReleaseDate:
        return FormatDate(race.czasodlotu);
    case RaceDistance:
        return DistanceText(race.odleglosckm);
    case RaceWeather:
        return race.pogodawmiejscuwypuszczenia;
    case RaceScored:
        return ScoredText(race.wlozonychgolebi, race.iloscwkonkursie);
    default:
        return {};
    }
}

QString FlyerCellText(const AppData& data, const RaceRecord& race, const FlyerRecord& flyer,
                      int column) {
    switch (column) {
    case FlyerCheck:
        return u" "_s;
    case FlyerPigeon:
        return BandLabel(data.FindPigeon(flyer.id_golebia));
    case FlyerArrival:
        return FormatTime(flyer.DataCzasPrzylotu);
    case FlyerPosition:
        return QString::number(flyer.nr_konkursu) + u' ';
    case FlyerCoefficient:
        return FormatNumber(flyer.CoefficientOddzialowy) + u' ';
    case FlyerPoints:
        return FormatNumber(flyer.PunktyOddzial) + u' ';
    case FlyerVelocity: {
        // A flight without a velocity leaves the cell empty.
        const QString velocity = VelocityText(RaceVelocity(race, flyer));
        return velocity.isEmpty() ? velocity : velocity + u' ';
    }
    default:
        return {};
    }
}

QStringList RaceTypeNames() {
    return {u"Race"_s, u"Young pigeons race"_s, u"Training race"_s};
}

QStringList RaceCategoryNames() {
    return {QString(), u"A"_s, u"B"_s, u"C"_s, u"M"_s, u"G"_s, u"H"_s};
}

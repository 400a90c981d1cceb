#include "racing/Velocity.h"

#include "storage/Formatting.h"
#include "storage/Records.h"

std::optional<float> RaceVelocity(double distanceKm, int distanceM, qint64 release,
                                  qint64 arrival) {
    if (release == -1 || arrival == -1 || arrival <= release)
        return std::nullopt;
    const double metres = distanceKm * 1000.0 + distanceM;
    const auto seconds = static_cast<double>(arrival - release);
    return static_cast<float>(metres / seconds * 60.0);
}

std::optional<float> RaceVelocity(const RaceRecord& race, const FlyerRecord& flyer) {
    return RaceVelocity(race.odleglosckm, race.odlegloscm, race.czasodlotu, flyer.DataCzasPrzylotu);
}

QString VelocityText(std::optional<float> velocity) {
    return velocity ? FormatNumber(*velocity) : QString();
}

#include "racing/Velocity.h"

#include "storage/Formatting.h"
#include "storage/Records.h"

#include <cmath>

std::optional<float> RaceVelocity(double distanceKm, int distanceM, qint64 release,
                                  qint64 arrival) {
    if (release == -1 || arrival == -1 || arrival <= release)
        return std::nullopt;
    const double metres = distanceKm * 1000.0 + distanceM;
    // A distance of zero or less (not typed through the program) gives no velocity either.
    if (!(metres > 0.0))
        return std::nullopt;
    const auto seconds = static_cast<double>(arrival - release);
    const auto velocity = static_cast<float>(metres / seconds * 60.0);
    return std::isfinite(velocity) ? std::optional<float>(velocity) : std::nullopt;
}

std::optional<float> RaceVelocity(const RaceRecord& race, const FlyerRecord& flyer) {
    return RaceVelocity(race.odleglosckm, race.odlegloscm, race.czasodlotu, flyer.DataCzasPrzylotu);
}

QString VelocityText(std::optional<float> velocity) {
    return velocity ? FormatNumber(*velocity) : QString();
}

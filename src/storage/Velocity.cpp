// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Velocity.h"

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

void CountInTotals(PigeonRecord& pigeon, const RaceRecord& race, const FlyerRecord& flyer,
                   int sign) {
    pigeon.raceEntries += sign;
    if (IsPlaced(flyer.nr_konkursu)) {
        pigeon.placedEntries += sign;
        pigeon.positionSum += sign * flyer.nr_konkursu;
    }
    if (const std::optional<float> velocity = RaceVelocity(race, flyer))
        pigeon.velocitySum += static_cast<float>(sign) * *velocity;
    if (pigeon.raceEntries <= 0) {
        // Nothing left to average; no rounding residue survives either.
        pigeon.raceEntries = 0;
        pigeon.velocitySum = 0.0f;
    }
    if (pigeon.placedEntries <= 0 || pigeon.raceEntries == 0) {
        pigeon.placedEntries = 0;
        pigeon.positionSum = 0;
    }
    pigeon.averagePosition =
        pigeon.placedEntries > 0 ? pigeon.positionSum / pigeon.placedEntries : 0;
}

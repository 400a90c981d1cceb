#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct RaceRecord;
struct FlyerRecord;

/// Metres per minute over distanceKm * 1000 + distanceM flown from release to arrival.
/// Nothing when either time is unset or the flight time or the distance is not positive, so
/// that no "inf", "nan" or negative speed reaches a list or a total.
std::optional<float> RaceVelocity(double distanceKm, int distanceM, qint64 release, qint64 arrival);
std::optional<float> RaceVelocity(const RaceRecord& race, const FlyerRecord& flyer);

/// The velocity in the general notation, empty when there is none.
QString VelocityText(std::optional<float> velocity);

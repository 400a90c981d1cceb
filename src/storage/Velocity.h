// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The velocity of a race entry and the racing totals it feeds: the loader needs them, so they
// live in the core beside it.

#include <QString>
#include <QtGlobal>

#include <optional>

struct FlyerRecord;
struct PigeonRecord;
struct RaceRecord;

/// Metres per minute over distanceKm * 1000 + distanceM flown from release to arrival.
/// Nothing when either time is unset or the flight time or the distance is not positive, so
/// that no "inf", "nan" or negative speed reaches a list or a total.
std::optional<float> RaceVelocity(double distanceKm, int distanceM, qint64 release, qint64 arrival);
std::optional<float> RaceVelocity(const RaceRecord& race, const FlyerRecord& flyer);

/// The velocity in the general notation, empty when there is none.
QString VelocityText(std::optional<float> velocity);

/// A union position of 0 (or less) means "not placed": it is neither averaged nor the best.
inline bool IsPlaced(int position) {
    return position >= 1;
}

/// Adds (sign 1) or takes away (sign -1) one entry in its pigeon's racing totals; the loader
/// and race editing both count with it.
void CountInTotals(PigeonRecord& pigeon, const RaceRecord& race, const FlyerRecord& flyer,
                   int sign);

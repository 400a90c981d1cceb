// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The two stand-alone racing tools: the great-circle distance between two points given in
// degrees, minutes and seconds, and the velocity of a flight of a given time and distance.

/// An angle in degrees from degrees, minutes and seconds; minutes and seconds above 59 simply
/// add to it. The sign of the degrees (-0 too) is the whole angle's: -86 40 12 is -86.67.
double AngleInDegrees(double degrees, double minutes, double seconds);
/// The same angle in radians.
double AngleInRadians(double degrees, double minutes, double seconds);

/// The haversine distance between two points (radians): kilometres for 'K', statute miles for
/// 'S', nautical miles for 'N' and any other letter. Points a few millimetres apart or less
/// (180 and -180 degrees of longitude are one) give 0.
double GreatCircleDistance(double latitude1, double longitude1, double latitude2, double longitude2,
                           char16_t unit = u'K');

struct FlightVelocity {
    float metresPerSecond = 0.0f;
    float kilometresPerHour = 0.0f;
};

/// The velocity of distanceKm flown in the given time; nothing when the time is not above zero.
std::optional<FlightVelocity> VelocityOfFlight(int hours, int minutes, int seconds,
                                               float distanceKm);

/// A velocity written with three significant digits, as the calculator shows it.
QString ThreeDigits(float value);

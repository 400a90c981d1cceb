// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

/// The largest ring number the series fields take (an unsigned 32-bit number).
inline constexpr qint64 kMaxRingNumber = 4294967295;

/// Why a series of rings from start to end cannot be added, or nothing when it can: a series
/// holds 2 to 100 rings in ascending order.
QString RingSeriesProblem(qint64 start, qint64 end);

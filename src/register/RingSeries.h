#pragma once

#include <QString>
#include <QtGlobal>

/// Why a series of rings from start to end cannot be added, or nothing when it can: a series
/// holds 2 to 100 rings in ascending order.
QString RingSeriesProblem(qint64 start, qint64 end);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/RingSeries.h"

using namespace Qt::StringLiterals;

QString RingSeriesProblem(qint64 start, qint64 end) {
    const qint64 span = end - start;
    if (span < 1 || span > 99)
        return u"You can add only 100 rings in serie"_s;
    return {};
}

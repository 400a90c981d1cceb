// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/NumberText.h"

#include <cmath>

std::optional<int> ParseWholeNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> ParseRealNumber(const QString& text) {
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    trimmed.replace(u',', u'.');
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

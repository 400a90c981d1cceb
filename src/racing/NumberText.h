// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

/// A whole number typed into a field: blanks around it are ignored and an empty field is 0;
/// nothing for other text or a number outside the range of int.
std::optional<int> ParseWholeNumber(const QString& text);
/// A real number typed into a field, with a point or a comma before the fraction; an empty
/// field is 0; nothing for other text, infinities and NaN.
std::optional<double> ParseRealNumber(const QString& text);

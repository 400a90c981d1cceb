// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Colours the program picks for its look, kept only where they can be read on what is behind them.
namespace Contrast {

/// The minimum ratio for text (WCAG AA).
constexpr double kReadable = 4.5;

/// The WCAG contrast ratio of two colours, from 1 to 21.
double Ratio(const QColor& a, const QColor& b);
/// The wanted colour when it reads well on the background, else the fallback (a palette
/// colour), else whichever of black and white reads better.
QColor Readable(const QColor& wanted, const QColor& background, const QColor& fallback);
/// True when the palette is a light one, where the program's own light pictures belong.
bool IsLight(const QPalette& palette);
/// Gives the widget's text role the wanted colour; under a dark palette only where it reads on
/// the widget's background, else the palette's own.
void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& wanted);
/// For a widget painted on a fixed light background: label text that reads on it.
void KeepReadableOn(QWidget* widget, const QColor& background);

} // namespace Contrast

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

#include <vector>

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

// Painted pages keep their own light colours under a light palette; under a dark one they fill
// with the palette's and paint every text in a colour that reads on what is behind it.
/// What a painted page fills an area with: its own light colour, or the palette's role.
QColor Fill(const QPalette& palette, const QColor& light, QPalette::ColorRole role);
/// A fixed coloured band under text of ink: as it is under a light palette, else darkened
/// until the ink reads on it.
QColor Deepen(const QPalette& palette, const QColor& band, const QColor& ink);
/// The colour to paint text in on background: wanted under a light palette; under a dark one,
/// wanted where it reads, else the palette's window text, else black or white.
QColor Ink(const QPalette& palette, const QColor& wanted, const QColor& background);

struct InkUse {
    QColor ink;
    QColor background;
};
/// From now on each colour Ink gives is added to log with its background; nullptr stops that.
void LogInks(std::vector<InkUse>* log);

} // namespace Contrast

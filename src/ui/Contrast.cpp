// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Contrast.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Contrast {
namespace {

std::vector<InkUse>* inkLog = nullptr;

double Luminance(const QColor& c) {
    const auto channel = [](float v) {
        return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

} // namespace

double Ratio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Readable(const QColor& wanted, const QColor& background, const QColor& fallback) {
    if (Ratio(wanted, background) >= kReadable)
        return wanted;
    if (Ratio(fallback, background) >= kReadable)
        return fallback;
    return Ratio(Qt::black, background) >= Ratio(Qt::white, background) ? QColor(Qt::black)
                                                                        : QColor(Qt::white);
}

bool IsLight(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) > 0.4;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& wanted) {
    QPalette palette = widget->palette();
    const QColor background =
        palette.color(role == QPalette::Text ? QPalette::Base : widget->backgroundRole());
    palette.setColor(role,
                     IsLight(palette) ? wanted : Readable(wanted, background, palette.color(role)));
    widget->setPalette(palette);
}

void KeepReadableOn(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    const QColor text = palette.color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, Readable(text, background, Qt::black));
    widget->setPalette(palette);
}

QColor Fill(const QPalette& palette, const QColor& light, QPalette::ColorRole role) {
    return IsLight(palette) ? light : palette.color(role);
}

QColor Deepen(const QPalette& palette, const QColor& band, const QColor& ink) {
    QColor deep = band;
    for (int step = 0; !IsLight(palette) && step < 40 && Ratio(ink, deep) < kReadable; ++step)
        deep = deep.darker(106);
    return deep;
}

QColor Ink(const QPalette& palette, const QColor& wanted, const QColor& background) {
    const QColor ink = IsLight(palette)
                           ? wanted
                           : Readable(wanted, background, palette.color(QPalette::WindowText));
    if (inkLog)
        inkLog->push_back({ink, background});
    return ink;
}

void LogInks(std::vector<InkUse>* log) {
    inkLog = log;
}

} // namespace Contrast

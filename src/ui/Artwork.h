// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QRectF>

class QPainter;

// The program's pictures, painted rather than shipped, so that they stay sharp at any scale
// and need no image files. Each is painted once and cached.
namespace Artwork {

/// The pigeon outline every picture uses, fitted into box, facing left.
void PaintPigeon(QPainter& painter, const QRectF& box, const QColor& colour);

/// The dialog heading band: dark blue on the left, where the white title stands.
QPixmap Banner();
/// The band behind the main window's selectors.
QPixmap MainBackground();
QPixmap Splash();
QIcon AppIcon();
/// The small menu icons by their index in the menu's icon strip.
QIcon MenuIcon(int index);
/// A page of notes, beside each note's name.
QIcon NoteIcon();
/// The start page's pictures: the two link panels, in the palette's colours when it is a dark
/// one, and the picture beside them.
QPixmap StartLinksTop(const QPalette& palette);
QPixmap StartLinksBottom(const QPalette& palette);
QPixmap StartPicture();
QPixmap AboutPicture();
/// The portrait shown for a bird without photos.
QPixmap DefaultPortrait();
/// The band over the start page's calendar, width pixels wide.
QPixmap CalendarBand(int width);

} // namespace Artwork

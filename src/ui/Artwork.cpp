// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Artwork.h"

#include "ui/Contrast.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QColor kDeepBlue(15, 70, 140);
const QColor kBlue(19, 126, 209);
const QColor kSky(120, 180, 235);
const QColor kGreen(155, 255, 155);

// Painted at the screen's device pixel ratio (or the one given), so it stays sharp when scaled;
// its logical size is the size asked for.
QPixmap Cached(const QString& key, QSize size, const std::function<void(QPainter&)>& paint,
               qreal ratio = 0) {
    if (ratio <= 0)
        ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
    const QString ratioKey = key + u'@' + QString::number(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(ratioKey, &pixmap))
        return pixmap;
    pixmap = QPixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    QPixmapCache::insert(ratioKey, pixmap);
    return pixmap;
}

// A small icon with its 1x and 2x pictures.
QIcon SharpIcon(const QString& key, QSize size, const std::function<void(QPainter&)>& paint) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0})
        icon.addPixmap(Cached(key, size, paint, ratio));
    return icon;
}

QFont Face(const QString& family, int pixelSize, int weight = QFont::Normal) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

void PaintWaves(QPainter& p, const QRectF& area, const QColor& colour, int count) {
    p.save();
    p.setPen(QPen(colour, 1.5));
    for (int i = 0; i < count; ++i) {
        QPainterPath wave;
        const qreal y = area.top() + area.height() * (i + 1) / (count + 1);
        wave.moveTo(area.left(), y);
        for (qreal x = area.left(); x < area.right(); x += 80)
            wave.cubicTo(x + 20, y - 8, x + 60, y + 8, x + 80, y);
        p.drawPath(wave);
    }
    p.restore();
}

// A link panel of the start page: a white card (the palette's base under a dark palette) with a
// blue title bar and its entries.
QPixmap LinkPanel(const QString& key, const QString& title, const QStringList& entries,
                  int firstTop, const QPalette& palette) {
    const QColor card = Contrast::Fill(palette, Qt::white, QPalette::Base);
    const QColor barTop = Contrast::Deepen(palette, kBlue, Qt::white);
    // A shade darker than the bar's blue, to read on white at 4.5:1.
    const QColor ink = Contrast::Ink(palette, QColor(18, 122, 202), card);
    const QColor titleInk = Contrast::Ink(palette, Qt::white, barTop);
    const QString colourKey = key + card.name() + ink.name() + barTop.name();
    return Cached(colourKey, QSize(516, 206), [&](QPainter& p) {
        p.setPen(QPen(Contrast::Fill(palette, QColor(200, 215, 235), QPalette::Mid), 1));
        p.setBrush(card);
        p.drawRoundedRect(QRectF(0.5, 0.5, 515, 205), 8, 8);
        QLinearGradient bar(0, 0, 0, 40);
        bar.setColorAt(0, barTop);
        bar.setColorAt(1, Contrast::Deepen(palette, QColor(15, 107, 177), Qt::white));
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(0, 0, 516, 40), 8, 8);
        p.drawRect(QRectF(0, 20, 516, 20));
        p.setPen(titleInk);
        p.setFont(Face(u"Tahoma"_s, 18, QFont::Bold));
        p.drawText(QRectF(16, 0, 480, 40), Qt::AlignVCenter, title);
        Artwork::PaintPigeon(p, QRectF(440, 60, 64, 48),
                             Contrast::Fill(palette, QColor(225, 236, 250), QPalette::Midlight));
        p.setFont(Face(u"Tahoma"_s, 15, QFont::Bold));
        // Entries sit 30 pixels apart, over the start page's link rectangles.
        for (int i = 0; i < entries.size(); ++i) {
            const QRectF row(40, firstTop + i * 30, 400, 30);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen.darker(110));
            p.drawEllipse(QPointF(26, row.center().y()), 5, 5);
            p.setPen(ink);
            p.drawText(row, Qt::AlignVCenter, entries[i]);
        }
    });
}

} // namespace

namespace Artwork {

void PaintPigeon(QPainter& p, const QRectF& box, const QColor& colour) {
    // Drawn on a 100 × 75 grid, then fitted into the box.
    QPainterPath bird;
    bird.moveTo(14, 26);                   // beak tip
    bird.lineTo(22, 22);                   // top of the beak
    bird.cubicTo(22, 12, 36, 8, 40, 18);   // crown
    bird.cubicTo(44, 26, 42, 30, 48, 34);  // nape
    bird.cubicTo(62, 30, 80, 32, 100, 44); // back to the tail
    bird.lineTo(96, 52);                   // tail end
    bird.cubicTo(80, 52, 70, 58, 56, 60);  // belly
    bird.cubicTo(44, 62, 34, 56, 30, 46);  // breast
    bird.cubicTo(28, 38, 26, 32, 22, 28);  // throat
    bird.closeSubpath();
    QPainterPath wing;
    wing.moveTo(46, 38);
    wing.cubicTo(60, 30, 78, 34, 92, 46);
    wing.cubicTo(76, 46, 60, 48, 48, 46);
    wing.closeSubpath();
    QPainterPath legs;
    legs.addRect(50, 60, 2.5, 10);
    legs.addRect(58, 59, 2.5, 11);

    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 75.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(bird);
    p.drawPath(legs);
    p.setBrush(colour.lightness() > 128 ? colour.darker(115) : colour.lighter(140));
    p.drawPath(wing);
    p.setBrush(colour.lightness() > 128 ? colour.darker(160) : colour.lighter(200));
    p.drawEllipse(QPointF(31, 19), 2.2, 2.2); // eye
    p.restore();
}

QPixmap Banner() {
    return Cached(u"vornel-banner"_s, QSize(900, 58), [](QPainter& p) {
        QLinearGradient band(0, 0, 900, 0);
        band.setColorAt(0, kDeepBlue);
        band.setColorAt(0.55, kBlue);
        band.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRect(0, 0, 900, 58), band);
        p.fillRect(QRect(0, 54, 640, 4), kGreen);
        PaintPigeon(p, QRectF(4, 14, 32, 24), Qt::white);
    });
}

QPixmap MainBackground() {
    return Cached(u"vornel-background"_s, QSize(2400, 62), [](QPainter& p) {
        QLinearGradient sky(0, 0, 0, 62);
        sky.setColorAt(0, QColor(10, 52, 110));
        sky.setColorAt(1, QColor(18, 96, 170));
        p.fillRect(QRect(0, 0, 2400, 62), sky);
        PaintWaves(p, QRectF(0, 0, 2400, 62), QColor(255, 255, 255, 22), 3);
        PaintPigeon(p, QRectF(14, 8, 60, 45), Qt::white);
        p.setPen(Qt::white);
        p.setFont(Face(u"Tahoma"_s, 28, QFont::Bold));
        p.drawText(QRectF(84, 0, 200, 40), Qt::AlignVCenter, u"VORNEL"_s);
        p.setPen(QColor(190, 215, 245));
        p.setFont(Face(u"Tahoma"_s, 11));
        p.drawText(QRectF(86, 36, 240, 20), Qt::AlignVCenter, u"loft register"_s);
    });
}

QPixmap Splash() {
    return Cached(u"vornel-splash"_s, QSize(480, 300), [](QPainter& p) {
        QLinearGradient sky(0, 0, 0, 300);
        sky.setColorAt(0, QColor(10, 52, 110));
        sky.setColorAt(1, kBlue);
        p.fillRect(QRect(0, 0, 480, 300), sky);
        PaintWaves(p, QRectF(0, 170, 480, 120), QColor(255, 255, 255, 30), 4);
        PaintPigeon(p, QRectF(40, 50, 160, 120), Qt::white);
        p.setPen(Qt::white);
        p.setFont(Face(u"Tahoma"_s, 44, QFont::Bold));
        p.drawText(QRectF(210, 70, 260, 60), Qt::AlignVCenter, u"VORNEL"_s);
        p.setFont(Face(u"Tahoma"_s, 15));
        p.drawText(QRectF(212, 128, 260, 24), Qt::AlignVCenter, u"Loft register for fanciers"_s);
        p.fillRect(QRect(0, 292, 480, 8), kGreen);
    });
}

QIcon AppIcon() {
    QIcon icon; // painted: the fallback when no installed theme icon is found
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(Cached(
            u"vornel-icon-%1"_s.arg(size), QSize(size, size),
            [size](QPainter& p) {
                QRadialGradient disc(size / 2.0, size / 2.0, size / 2.0);
                disc.setColorAt(0, kSky);
                disc.setColorAt(1, kDeepBlue);
                p.setPen(Qt::NoPen);
                p.setBrush(disc);
                p.drawEllipse(QRectF(0, 0, size, size));
                PaintPigeon(p, QRectF(size * 0.12, size * 0.2, size * 0.76, size * 0.57),
                            Qt::white);
            },
            1));
    }
    return QIcon::fromTheme(QString::fromLatin1(VORNEL_APP_ID), icon);
}

QIcon MenuIcon(int index) {
    return SharpIcon(u"vornel-menu-%1"_s.arg(index), QSize(16, 16), [index](QPainter& p) {
        p.setPen(Qt::NoPen);
        switch (index) {
        case 0: // about
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(QPointF(8, 7), QPointF(8, 12));
            p.drawPoint(QPointF(8, 4.5));
            break;
        case 1: // backup: a disk
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 2, 8, 5));
            p.drawRect(QRectF(4, 10, 8, 4));
            break;
        case 2: // delete
            p.setPen(QPen(QColor(200, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
            break;
        case 7: // add
            p.setBrush(QColor(40, 160, 60));
            p.drawEllipse(QRectF(1, 1, 14, 14));
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
            p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
            break;
        case 9: // a list
            p.setBrush(kBlue);
            for (int row = 0; row < 3; ++row) {
                p.drawRect(QRectF(2, 3 + row * 4, 2, 2));
                p.drawRect(QRectF(6, 3 + row * 4, 8, 2));
            }
            break;
        case 13: // web
            p.setPen(QPen(kBlue, 1.2));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.drawEllipse(QRectF(5, 1.5, 6, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
            break;
        case 14: // family tree
            p.setPen(QPen(QColor(40, 120, 60), 1.5));
            p.drawLine(QPointF(4, 8), QPointF(12, 4));
            p.drawLine(QPointF(4, 8), QPointF(12, 12));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 160, 60));
            p.drawEllipse(QRectF(1, 5.5, 5, 5));
            p.drawEllipse(QRectF(10, 1.5, 5, 5));
            p.drawEllipse(QRectF(10, 9.5, 5, 5));
            break;
        case 15: // print
            p.setBrush(QColor(90, 90, 90));
            p.drawRoundedRect(QRectF(1, 6, 14, 6), 1.5, 1.5);
            p.setBrush(Qt::white);
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.drawRect(QRectF(4, 10, 8, 5));
            break;
        case 16: // import: an arrow into a tray
            p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 1.5), QPointF(8, 9));
            p.drawLine(QPointF(5, 6.5), QPointF(8, 9.5));
            p.drawLine(QPointF(11, 6.5), QPointF(8, 9.5));
            p.drawLine(QPointF(2, 12), QPointF(2, 14.5));
            p.drawLine(QPointF(2, 14.5), QPointF(14, 14.5));
            p.drawLine(QPointF(14, 14.5), QPointF(14, 12));
            break;
        default:
            PaintPigeon(p, QRectF(0, 2, 16, 12), kBlue);
            break;
        }
    });
}

QIcon NoteIcon() {
    return SharpIcon(u"vornel-note"_s, QSize(16, 16), [](QPainter& p) {
        // A page with a folded corner and three lines of writing.
        p.setPen(QPen(kBlue, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(2.5, 1.5), QPointF(10.5, 1.5), QPointF(13.5, 4.5),
                                 QPointF(13.5, 14.5), QPointF(2.5, 14.5)}));
        p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
        p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
        for (int row = 0; row < 3; ++row)
            p.drawLine(QPointF(4.5, 7.5 + row * 2.5), QPointF(11.5, 7.5 + row * 2.5));
    });
}

QPixmap StartLinksTop(const QPalette& palette) {
    return LinkPanel(u"vornel-start-top"_s, u"Quick start"_s,
                     {u"Add a new pigeon"_s, u"Add a new pair"_s, u"Add a new transaction"_s,
                      u"Add a new client"_s, u"Write a new note"_s},
                     49, palette);
}

QPixmap StartLinksBottom(const QPalette& palette) {
    return LinkPanel(u"vornel-start-bottom"_s, u"Help and information"_s,
                     {u"Program introduction"_s, u"All help topics"_s, u"Visit our site"_s,
                      u"Your racing site in minutes"_s},
                     45, palette);
}

QPixmap StartPicture() {
    return Cached(u"vornel-start-picture"_s, QSize(380, 290), [](QPainter& p) {
        QLinearGradient sky(0, 0, 0, 290);
        sky.setColorAt(0, kSky);
        sky.setColorAt(1, QColor(230, 242, 252));
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(0, 0, 380, 290), 10, 10);
        PaintWaves(p, QRectF(0, 180, 380, 100), QColor(255, 255, 255, 90), 3);
        PaintPigeon(p, QRectF(70, 60, 240, 180), QColor(60, 70, 90));
        PaintPigeon(p, QRectF(280, 30, 60, 45), QColor(255, 255, 255, 200));
        PaintPigeon(p, QRectF(30, 20, 40, 30), QColor(255, 255, 255, 160));
    });
}

QPixmap AboutPicture() {
    return Cached(u"vornel-about"_s, QSize(96, 96), [](QPainter& p) {
        QRadialGradient disc(48, 48, 48);
        disc.setColorAt(0, kSky);
        disc.setColorAt(1, kDeepBlue);
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(QRectF(0, 0, 96, 96));
        PaintPigeon(p, QRectF(12, 20, 72, 54), Qt::white);
    });
}

QPixmap DefaultPortrait() {
    return Cached(u"vornel-default-portrait"_s, QSize(214, 148), [](QPainter& p) {
        QLinearGradient back(0, 0, 0, 148);
        back.setColorAt(0, QColor(235, 242, 252));
        back.setColorAt(1, QColor(205, 222, 245));
        p.fillRect(QRect(0, 0, 214, 148), back);
        PaintPigeon(p, QRectF(47, 24, 120, 90), QColor(160, 182, 215));
        // Darker than the bird, to read on the whole gradient at 4.5:1.
        p.setPen(QColor(80, 98, 127));
        p.setFont(Face(u"Tahoma"_s, 12));
        p.drawText(QRectF(0, 118, 214, 24), Qt::AlignCenter, u"No photo"_s);
    });
}

QPixmap CalendarBand(int width) {
    width = std::max(width, 1);
    return Cached(u"vornel-calendar-band-%1"_s.arg(width), QSize(width, 44), [width](QPainter& p) {
        QLinearGradient band(0, 0, width, 0);
        band.setColorAt(0, kDeepBlue);
        band.setColorAt(1, QColor(75, 150, 251));
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawRoundedRect(QRectF(0, 0, width, 44), 8, 8);
        PaintPigeon(p, QRectF(10, 6, 42, 32), Qt::white);
        p.setPen(Qt::white);
        p.setFont(Face(u"Tahoma"_s, 18, QFont::Bold));
        p.drawText(QRectF(62, 0, width - 70, 44), Qt::AlignVCenter, u"Loft calendar"_s);
    });
}

} // namespace Artwork

// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PedigreePictures.h"

#include "pedigree/PagePrinter.h"
#include "pedigree/Pedigree.h"
#include "storage/AppData.h"
#include "storage/TextFile.h"
#include "ui/Artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace PedigreePictures {

namespace {

// A4 in millimetres, and the printable part inside 10 mm margins in screen pixels.
constexpr qreal kLongSide = 297.0;
constexpr qreal kShortSide = 210.0;
constexpr qreal kMargin = 10.0;
constexpr qreal kScreenPixelsPerMm = 96.0 / 25.4;

// A JPEG written through the checked writer, so that a picture cut short never takes the place
// of a whole one.
bool SaveJpeg(const QImage& image, const QString& path, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPG", quality) &&
           WriteFileBytes(path, bytes);
}

// An example pedigree: four generations, every bird named and noted.
PedigreeBirds ExampleBirds() {
    static const QString names[] = {u"Błyskawica"_s, u"Grom"_s,     u"Perła"_s,   u"Orzeł"_s,
                                    u"Zefir"_s,      u"Kometa"_s,   u"Strzała"_s, u"Tajfun"_s,
                                    u"Śnieżka"_s,    u"Iskra"_s,    u"Wicher"_s,  u"Sowa"_s,
                                    u"Bursztyn"_s,   u"Jaskółka"_s, u"Dąb"_s,     u"Mewa"_s};
    PedigreeBirds birds;
    int number = 0;
    for (int n = 0; n < PedigreeBirds::kGenerations; ++n) {
        for (int k = 0; k < (1 << n); ++k) {
            PigeonRecord bird;
            bird.country = u"PL"_s;
            bird.branch = u"0207"_s;
            bird.year = QString::number(2024 - 3 * n + k % 2);
            bird.ringNumber = QString::number(1400 + 37 * number);
            bird.name = names[size_t(number++ % 16)];
            bird.sex = k % 2 == 0 ? 1 : 2;
            bird.idColour = 1 + k % 2;
            const QString note = n <= 1 ? u"1st Hanover 2023, 3rd Brno 2022, Olympiad bird"_s
                                        : u"1st Gniezno, ace pigeon"_s;
            QString* notes[] = {&bird.pedigreeNote0, &bird.pedigreeNote1, &bird.pedigreeNote2,
                                &bird.pedigreeNote3, &bird.pedigreeNote4};
            *notes[n] = note;
            birds.generations[size_t(n)].push_back(bird);
        }
    }
    return birds;
}

} // namespace

bool EnsureBlankImage() {
    const QString path = PedigreeBlankImagePath();
    if (QFileInfo::exists(path))
        return true;
    QImage image(240, 180, QImage::Format_RGB32);
    image.fill(QColor(244, 247, 252));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 214, 234), 2));
    painter.drawRect(QRectF(1, 1, 238, 178));
    Artwork::PaintPigeon(painter, QRectF(60, 30, 120, 90), QColor(206, 219, 238));
    painter.setPen(QColor(140, 160, 190));
    QFont font(u"Tahoma"_s);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.drawText(QRectF(0, 130, 240, 30), Qt::AlignCenter, u"no photo"_s);
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return SaveJpeg(image, path, 92);
}

QImage RenderSheet(const QString& html, const QUrl& baseUrl, QPageLayout::Orientation orientation,
                   int widthPx) {
    const bool landscape = orientation == QPageLayout::Landscape;
    const qreal paperWidth = landscape ? kLongSide : kShortSide;
    const qreal paperHeight = landscape ? kShortSide : kLongSide;
    const qreal pxPerMm = widthPx / paperWidth;
    QImage image(widthPx, static_cast<int>(paperHeight * pxPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    std::unique_ptr<QTextDocument> document(PagePrinter::NewDocument(html, baseUrl, nullptr));
    QPainter painter(&image);
    const QRectF sheet(kMargin * pxPerMm, kMargin * pxPerMm, (paperWidth - 2 * kMargin) * pxPerMm,
                       (paperHeight - 2 * kMargin) * pxPerMm);
    PagePrinter::PaintOnePage(*document, painter, sheet, pxPerMm / kScreenPixelsPerMm);
    return image;
}

bool EnsureThumbnail(const PedigreeTemplate& kind) {
    const QFileInfo page(PedigreeTemplatePath(kind));
    const QFileInfo thumbnail(PedigreeThumbnailPath(kind));
    if (!page.exists())
        return thumbnail.exists();
    if (thumbnail.exists() && thumbnail.lastModified() >= page.lastModified())
        return true;
    EnsureBlankImage();
    AppData example;
    example.colours = {{0, u" "_s}, {1, u"Blue bar"_s}, {2, u"Red chequer"_s}};
    const QString html =
        FillPedigree(ReadTextFile(page.filePath()), ExampleBirds(), example, PedigreeOptions{});
    const QImage image =
        RenderSheet(html, QUrl::fromLocalFile(page.absolutePath() + u'/'),
                    kind.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, 600);
    QDir().mkpath(thumbnail.absolutePath());
    return SaveJpeg(image, thumbnail.filePath(), 90);
}

} // namespace PedigreePictures

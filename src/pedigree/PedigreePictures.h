// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>

class QUrl;
struct PedigreeTemplate;

// The pictures beside the pedigree templates are painted by the program, like every picture of
// it: the blank photo, and the thumbnails, which are the templates themselves filled with an
// example pigeon, so that a template the user changes gets a thumbnail that shows the change.
namespace PedigreePictures {

/// Paints data/pedigrees/img/blank.jpg when it is missing; false when it could not be written.
bool EnsureBlankImage();

/// Renders a template's thumbnail when it is missing or older than the template; false when
/// there is none to show.
bool EnsureThumbnail(const PedigreeTemplate& kind);

/// A page on a sheet of A4, widthPx pixels wide, as it prints on one sheet.
QImage RenderSheet(const QString& html, const QUrl& baseUrl, QPageLayout::Orientation orientation,
                   int widthPx);

} // namespace PedigreePictures
